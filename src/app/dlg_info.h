// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The program's message box: a text with OK (and optionally Cancel), optionally closing itself
// after a five-second countdown shown on the OK button. OK accepts; Cancel, × and the end of the
// countdown reject.
#include <QDialog>
#include <QImage>
#include <QStringList>
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

    // `languageId` (1..12) is the language of the box's caption and buttons.
    CDlgInfo(const QString& text, InfoButtons buttons, InfoCountdown countdown, int64_t languageId,
             QWidget* parent = nullptr);

    QString message() const { return text_; }
    // The message's lines as painted: word-wrapped (inside a word only where a word is wider
    // than the area) at the line breaks of `text` and the message area's width.
    static QStringList messageLines(const QString& text);
    // How many pixels the box grows downwards so that `text` is read whole: 0 for up to three
    // lines, at most kMaxGrowth (a longer text is cut there with an ellipsis).
    static int growthFor(const QString& text);
    // True when `text` is shown whole, the box grown as far as needed.
    static bool messageFits(const QString& text);
    // Lines as painted, the last one cut with an ellipsis when even the grown box is too short.
    QStringList shownLines() const;
    static constexpr int kMaxGrowth = 300;
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
    int64_t languageId_;
    int remaining_ = 0;
    QImage background_;  // the form's image, stretched downwards by growth_
    int growth_ = 0;
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CGDIBitmapBtn* cancel_ = nullptr;
    QTimer countdown_;
};

}  // namespace z408
