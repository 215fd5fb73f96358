// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The progress window of a settings upload: a bar fed by the uploader's progress messages and a
// waiting text. The user cannot close it; it closes itself half a second after 100, or at once
// when the main window learns that the upload failed.
#include <QDialog>
#include <QImage>
#include <QTimer>

namespace z408 {

class CPngHProgressBar;

class CDlgProgress : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kBarId = 777;
    static constexpr int kCloseAfterFullMs = 500;

    CDlgProgress(QString programDirectory, int64_t languageId, QWidget* parent = nullptr);

    void setLanguage(int64_t languageId) { languageId_ = languageId; }
    // One upload: bar at 0, images loaded, shown modally until it closes.
    int run();
    // The uploader's Msg::UploadProgress: the bar shows `percent`.
    void setProgress(int percent);
    // Ends the window now (the upload failed).
    void finish();

    int progress() const;
    CPngHProgressBar* bar() const { return bar_; }
    QTimer& closeTimer() { return closeTimer_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void loadImages();

    QString programDirectory_;
    int64_t languageId_;
    bool closing_ = false;  // only our own close is let through
    QImage background_, fill_;
    CPngHProgressBar* bar_ = nullptr;
    QTimer closeTimer_;
};

}  // namespace z408
