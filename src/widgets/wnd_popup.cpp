// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/wnd_popup.h"

#include <QCloseEvent>
#include <QPainter>

#include "widgets/skin_image.h"

namespace z408 {

namespace {
constexpr int kCorner = 32;

// Corners unscaled, edges and centre stretched.
void drawFrame(QPainter& p, const QImage& img, const QRect& target) {
    const int c = std::min(
        {kCorner, img.width() / 2, img.height() / 2, target.width() / 2, target.height() / 2});
    const int w = img.width(), h = img.height(), tw = target.width(), th = target.height();
    const int xs[3] = {0, c, w - c}, ws[3] = {c, w - 2 * c, c};
    const int ys[3] = {0, c, h - c}, hs[3] = {c, h - 2 * c, c};
    const int txs[3] = {0, c, tw - c}, tws[3] = {c, tw - 2 * c, c};
    const int tys[3] = {0, c, th - c}, ths[3] = {c, th - 2 * c, c};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawImage(
                QRect(target.left() + txs[col], target.top() + tys[row], tws[col], ths[row]), img,
                QRect(xs[col], ys[row], ws[col], hs[row]));
}
}  // namespace

CWndPopup::CWndPopup(QWidget* owner) : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(100, 100);
}

void CWndPopup::Create(QWidget* owner, const QPoint& screenPos) {
    if (owner && owner != parentWidget()) setParent(owner, windowFlags());
    move(screenPos);
    resize(100, 100);
}

void CWndPopup::SetBackground(int pngResource) {
    SetBackgroundImage(loadResourceImage(pngResource));
}

void CWndPopup::SetBackgroundImage(const QImage& png) {
    background_ = png.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    setAttribute(Qt::WA_TranslucentBackground, !background_.isNull());
    update();
}

QFont CWndPopup::popupFont() const {
    return skinFont(12, QFont::Normal);
}

QImage CWndPopup::render() const {
    QImage img(size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (!background_.isNull()) {
        drawFrame(p, background_, rect());
    } else {
        p.fillRect(rect(), QColor(0, 147, 209));
        p.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    drawTexts(p);
    drawImages(p);
    return img;
}

void CWndPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, render());
}

void CWndPopup::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        emit closing();
    }
    QWidget::closeEvent(event);
}

void CWndPopup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
    QWidget::changeEvent(event);
}

}  // namespace z408
