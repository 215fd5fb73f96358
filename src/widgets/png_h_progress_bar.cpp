// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/png_h_progress_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/skin_accessible.h"

namespace z408 {

CPngHProgressBar::CPngHProgressBar(QWidget* owner) : QWidget(owner), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

void CPngHProgressBar::Create(const QRect& rect, QWidget* owner, int id) {
    owner_ = owner;
    id_ = id;
    if (owner && owner != parentWidget()) setParent(owner);
    setGeometry(rect);
    min_ = 0;
    max_ = 10;
    value_ = 0;
    draggable_ = true;
    show();
}

void CPngHProgressBar::SetImages(int x, int y, int width, int height, const QImage& background,
                                 const QImage& fill) {
    background_ = background.isNull() ? QImage() : background.copy(x, y, width, height);
    fill_ = fill.isNull() ? QImage() : fill.copy(x, y, width, height);
    update();
}

void CPngHProgressBar::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
}

void CPngHProgressBar::SetPos(int value) {
    const int before = value_;
    value_ = (value < min_ || value > max_) ? min_ : value;
    repaint();
    if (value_ != before) notifyValueChanged(this, value_);
}

int CPngHProgressBar::fillWidth() const {
    const int span = max_ - min_;
    if (span <= 0) return 0;
    return width() * (value_ - min_) / span;
}

QSize CPngHProgressBar::sizeHint() const {
    return background_.isNull() ? QSize(260, 9) : background_.size();
}

void CPngHProgressBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull()) p.drawImage(rect(), background_);
    const int w = fillWidth();
    if (w > 0 && !fill_.isNull()) p.drawImage(QPoint(0, 0), fill_, QRect(0, 0, w, fill_.height()));
}

int CPngHProgressBar::valueAtPointer(const QPointF& local) const {
    // Computed in the owner's coordinates against the bar's own edges.
    const QRect bar = geometry();
    const int x = std::max(bar.left(), mapToParent(local.toPoint()).x());
    if (bar.width() <= 0) return min_;
    const int v = min_ + (max_ - min_) * (x - bar.left()) / bar.width();
    return std::clamp(v, min_, max_);
}

void CPngHProgressBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || readOnly_ || !draggable_) return;
    dragging_ = true;
}

void CPngHProgressBar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    value_ = valueAtPointer(event->position());
    update();
}

void CPngHProgressBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    value_ = valueAtPointer(event->position());
    dragging_ = false;
    emit progressDragged(value_, id_);
    update();
}

void CPngHProgressBar::focusOutEvent(QFocusEvent* event) {
    dragging_ = false;
    QWidget::focusOutEvent(event);
}

}  // namespace z408
