// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/png_h_slider.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/skin_image.h"

namespace z408 {

CPngHSlider::CPngHSlider(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    // Moves over the thumb go on to the bar and its owner (for the hint) unless they drag it.
    setMouseTracking(true);
}

bool CPngHSlider::LoadImage(const QString& path) {
    QImage img = LoadSkinImage(path);
    SetImage(img);
    return !img.isNull();
}

void CPngHSlider::SetImage(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_ARGB32);
    if (image_.isNull()) return;
    resize(image_.size());
    // Over black, every pixel of the top-left pixel's colour is outside the thumb.
    QImage flat(image_.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image_);
    }
    const QRgb key = flat.pixel(0, 0);
    QRegion shape;
    for (int y = 0; y < flat.height(); ++y) {
        int x = 0;
        while (x < flat.width()) {
            while (x < flat.width() && flat.pixel(x, y) == key) ++x;
            const int start = x;
            while (x < flat.width() && flat.pixel(x, y) != key) ++x;
            if (x > start) shape += QRect(start, y, x - start, 1);
        }
    }
    setMask(shape);
    update();
}

void CPngHSlider::SetTrack(int left, int top, int right, int bottom) {
    trackLeft_ = left;
    trackTop_ = top;
    trackRight_ = right;
    trackBottom_ = bottom;
}

void CPngHSlider::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
}

void CPngHSlider::SetPos(int value) {
    if (value < min_ || value > max_) value = min_;
    value_ = value;
    const int span = max_ - min_;
    const int room = std::max(0, trackRight_ - trackLeft_ - width());
    // A single-value range has nowhere to go: the thumb stays at the track's left end.
    const int x = span > 0 ? trackLeft_ + static_cast<int>(static_cast<unsigned>(room) *
                                                           static_cast<unsigned>(value - min_) /
                                                           static_cast<unsigned>(span))
                           : trackLeft_;
    const int y = placement_ == 1 ? trackTop_ : trackBottom_ - height();
    move(x, y);
}

int CPngHSlider::valueForLeft(int left) const {
    const int room = trackRight_ - width() - trackLeft_;
    if (room <= 0) return min_;
    const int v = min_ + (max_ - min_) * (left - trackLeft_) / room;
    return std::clamp(v, min_, max_);
}

void CPngHSlider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // A disabled slider keeps its place but its thumb fades, so it does not invite a drag.
    if (!isEnabled()) p.setOpacity(0.35);
    p.drawImage(0, 0, image_);
}

void CPngHSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !draggable_) return;
    pressX_ = event->position().toPoint().x();
    dragging_ = true;
}

void CPngHSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !isEnabled()) {
        event->ignore();
        return;
    }
    const int dx = event->position().toPoint().x() - pressX_;
    if (endLock_ && ((dx > 0 && value_ >= max_) || (dx < 0 && value_ <= min_))) return;
    const int left = std::clamp(x() + dx, trackLeft_, std::max(trackLeft_, trackRight_ - width()));
    const int v = valueForLeft(left);
    SetPos(v);
    emit moved(v);
}

void CPngHSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    // The kept value is the one the thumb shows and the last drag reported.
    value_ = valueForLeft(x());
}

}  // namespace z408
