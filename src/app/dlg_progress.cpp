// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/dlg_progress.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "common/program_texts.h"
#include "widgets/png_h_progress_bar.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {
namespace {

const QRect kBarRect(QPoint(35, 47), QPoint(295, 56));
const QRect kTextRect(35, 20, 310, 40);

bool isSwallowedKey(const QKeyEvent* e) {
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape || k == Qt::Key_Space)
        return true;
    return k == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier);
}

}  // namespace

CDlgProgress::CDlgProgress(QString programDirectory, int64_t languageId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      programDirectory_(std::move(programDirectory)),
      languageId_(languageId) {
    setWindowTitle(QStringLiteral("TarvoZ408ProcessDlg"));
    setModal(true);
    bar_ = new CPngHProgressBar(this);
    bar_->Create(kBarRect, this, kBarId);
    bar_->SetRange(0, 100);
    bar_->SetPos(0);
    bar_->SetReadOnly(true);
    bar_->SetDraggable(false);
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(kCloseAfterFullMs);
    connect(&closeTimer_, &QTimer::timeout, this, &CDlgProgress::finish);
    setFixedSize(330, 76);
}

void CDlgProgress::loadImages() {
    background_ = LoadSkinImage(
        skinPath(programDirectory_, QStringLiteral("ProgressBar/Progress_Normal.png")));
    fill_ =
        LoadSkinImage(skinPath(programDirectory_, QStringLiteral("ProgressBar/Progress_Over.png")));
    if (!background_.isNull()) setFixedSize(background_.size());
    bar_->SetImages(kBarRect.left(), kBarRect.top(), kBarRect.width() - 1, kBarRect.height() - 1,
                    background_, fill_);
}

int CDlgProgress::run() {
    closing_ = false;
    closeTimer_.stop();
    loadImages();
    bar_->SetPos(0);
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    const int result = exec();
    // The images are loaded for each upload and freed after it.
    background_ = QImage();
    fill_ = QImage();
    return result;
}

int CDlgProgress::progress() const {
    return bar_->value();
}

void CDlgProgress::setProgress(int percent) {
    bar_->SetPos(percent);
    bar_->repaint();
    if (percent >= 100 && !closeTimer_.isActive()) closeTimer_.start();
}

void CDlgProgress::finish() {
    closeTimer_.stop();
    closing_ = true;
    if (isVisible()) accept();
}

void CDlgProgress::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull()) p.drawImage(0, 0, background_);
    QFont f = skinFont(11, QFont::Normal);
    p.setFont(f);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawText(kTextRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               fitLine(QString::fromUtf8(programText(ProgramText::UpdateInProgress, languageId_)),
                       p, kTextRect.width()));
}

void CDlgProgress::keyPressEvent(QKeyEvent* event) {
    if (isSwallowedKey(event)) return;
    QDialog::keyPressEvent(event);
}

void CDlgProgress::keyReleaseEvent(QKeyEvent* event) {
    if (isSwallowedKey(event)) return;
    QDialog::keyReleaseEvent(event);
}

bool CDlgProgress::event(QEvent* event) {
    // Alt+F4 reaches a frameless window as a shortcut override before any key press.
    if (event->type() == QEvent::ShortcutOverride &&
        isSwallowedKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void CDlgProgress::closeEvent(QCloseEvent* event) {
    // The window manager's close (Alt+F4, a close button) is refused until the upload ends.
    if (!closing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace z408
