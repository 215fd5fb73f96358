// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The program's message box: a text with OK (and optionally Cancel), optionally closing itself
// after a five-second countdown shown on the OK button. OK accepts; Cancel, × and the end of the
// countdown reject.
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <cstdint>

namespace z408 {

class CGDIBitmapBtn;

enum class InfoButtons { Ok, OkCancel };
// Whether the box closes by itself at the end of the countdown.
enum class InfoCountdown { None, Closes };

class CDlgInfo : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kCountdownSeconds = 5;
    static constexpr int kCountdownTickMs = 1000;

    // `chinese` picks the buttons' built-in Chinese or English captions; `languageId` (1..12)
    // the language of the box's caption.
    CDlgInfo(const QString& text, InfoButtons buttons, InfoCountdown countdown, bool chinese,
             int64_t languageId, QWidget* parent = nullptr);

    QString message() const { return text_; }
    // True when `text` fits the message area whole; a longer one is cut with an ellipsis.
    static bool messageFits(const QString& text);
    QString okCaption() const;
    // The caption drawn at the top left ("Tips" in English).
    QString caption() const { return caption_; }
    int remainingSeconds() const { return remaining_; }
    CGDIBitmapBtn* okButton() const { return ok_; }
    CGDIBitmapBtn* cancelButton() const { return cancel_; }
    CGDIBitmapBtn* closeButton() const { return close_; }
    QTimer& countdownTimer() { return countdown_; }

    // One second of the countdown: caption with the remaining seconds, then one less; at 0 the
    // box closes like ×.
    void countdownTick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void done(int result) override;

  private:
    QString okText(int seconds) const;

    QString text_;
    QString caption_;
    bool twoButtons_;
    bool countdownOn_;
    bool chinese_;
    int remaining_ = 0;
    QImage background_;
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CGDIBitmapBtn* cancel_ = nullptr;
    QTimer countdown_;
};

}  // namespace z408
