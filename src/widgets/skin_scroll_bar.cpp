// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_scroll_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace z408 {

SkinScrollGeometry skinScrollGeometry(int length, int cell, int minimum, int maximum, int page,
                                      int position) {
    SkinScrollGeometry g;
    g.arrow = length < 2 * cell ? length / 2 : cell;
    g.track = std::max(length - 2 * cell, 0);
    const int span = maximum - minimum;
    // A page larger than the range leaves nothing to scroll, like an exact fit.
    const int h = std::max(span - page + 1, 0);
    if (h == 0 || g.track <= 5 || span + 1 <= 0) {
        g.thumbLength = 0;
    } else {
        g.thumbLength = std::clamp(page * g.track / (span + 1), 6, g.track);
    }
    if (h == 0)
        g.thumbStart = g.arrow + (g.track - g.thumbLength) / 2;
    else
        g.thumbStart =
            g.arrow + std::clamp(position - minimum, 0, h) * (g.track - g.thumbLength) / h;
    return g;
}

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, const QImage& skin, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setSkin(skin);
    setMouseTracking(true);
    delayTimer_.setSingleShot(true);
    delayTimer_.setInterval(500);
    repeatTimer_.setInterval(100);
    connect(&delayTimer_, &QTimer::timeout, this, [this] { repeatTimer_.start(); });
    connect(&repeatTimer_, &QTimer::timeout, this, &CSkinScrollBar::repeatStep);
}

void CSkinScrollBar::setSkin(const QImage& skin) {
    skin_ = skin;
    cell_ = skin.isNull() ? 12 : std::max(1, skin.width() / 9);
    updateGeometry();
    update();
}

QSize CSkinScrollBar::sizeHint() const {
    return orientation() == Qt::Vertical ? QSize(cell_, 4 * cell_) : QSize(4 * cell_, cell_);
}

SkinScrollGeometry CSkinScrollBar::currentGeometry() const {
    // Qt's maximum excludes the last page; the skinned geometry counts it in.
    const int page = pageStep();
    const int position = dragging_ ? trackValue_ : sliderPosition();
    return skinScrollGeometry(length(), cell_, minimum(), maximum() + std::max(page, 1) - 1, page,
                              position);
}

CSkinScrollBar::Part CSkinScrollBar::partAt(const QPoint& pos) const {
    const SkinScrollGeometry g = currentGeometry();
    const int a = along(pos);
    if (a < 0 || a >= length()) return Part::None;
    if (a < g.arrow) return Part::FirstArrow;
    if (a >= length() - g.arrow) return Part::SecondArrow;
    if (g.thumbLength == 0) return Part::None;
    if (a < g.thumbStart) return Part::PageBefore;
    if (a >= g.thumbStart + g.thumbLength) return Part::PageAfter;
    return Part::Thumb;
}

QRect CSkinScrollBar::partRect(int start, int len) const {
    return orientation() == Qt::Vertical ? QRect(0, start, width(), len)
                                         : QRect(start, 0, len, height());
}

QRect CSkinScrollBar::cellRect(int kind, int row) const {
    const int column = (orientation() == Qt::Vertical ? 0 : 4) + kind;
    return QRect(column * cell_, row * cell_, cell_, cell_);
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (skin_.isNull()) return;
    const SkinScrollGeometry g = currentGeometry();
    auto rowOf = [this](Part part) { return pressed_ == part ? 2 : hover_ == part ? 1 : 0; };
    p.drawImage(partRect(0, g.arrow), skin_, cellRect(0, rowOf(Part::FirstArrow)));
    p.drawImage(partRect(length() - g.arrow, g.arrow), skin_,
                cellRect(1, rowOf(Part::SecondArrow)));
    if (g.track > 0) p.drawImage(partRect(g.arrow, g.track), skin_, cellRect(2, 0));
    if (g.thumbLength <= 0) return;
    // Thumb: 3-pixel end caps copied as they are, the middle stretched.
    const QRect cell = cellRect(3, dragging_ ? 2 : rowOf(Part::Thumb));
    const int cap = std::min(3, g.thumbLength / 2);
    const bool vertical = orientation() == Qt::Vertical;
    auto sub = [&](int from, int len) {
        return vertical ? QRect(cell.left(), cell.top() + from, cell.width(), len)
                        : QRect(cell.left() + from, cell.top(), len, cell.height());
    };
    p.drawImage(partRect(g.thumbStart, cap), skin_, sub(0, cap));
    p.drawImage(partRect(g.thumbStart + cap, g.thumbLength - 2 * cap), skin_,
                sub(cap, cell_ - 2 * cap));
    p.drawImage(partRect(g.thumbStart + g.thumbLength - cap, cap), skin_, sub(cell_ - cap, cap));
}

bool CSkinScrollBar::stepOnce() {
    const SkinScrollGeometry g = currentGeometry();
    const int pointer = along(lastPointer_);
    switch (pressed_) {
        case Part::FirstArrow:
            if (value() <= minimum()) return false;
            triggerAction(SliderSingleStepSub);
            return true;
        case Part::SecondArrow:
            if (value() >= maximum()) return false;
            triggerAction(SliderSingleStepAdd);
            return true;
        case Part::PageBefore:
            if (pointer >= g.thumbStart || value() <= minimum()) return false;
            triggerAction(SliderPageStepSub);
            return true;
        case Part::PageAfter:
            if (pointer < g.thumbStart + g.thumbLength || value() >= maximum()) return false;
            triggerAction(SliderPageStepAdd);
            return true;
        default:
            return false;
    }
}

void CSkinScrollBar::repeatStep() {
    if (!stepOnce()) stopRepeat();
    update();
}

void CSkinScrollBar::stopRepeat() {
    delayTimer_.stop();
    repeatTimer_.stop();
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    lastPointer_ = event->position().toPoint();
    pressed_ = partAt(lastPointer_);
    if (pressed_ == Part::Thumb) {
        dragging_ = true;
        dragPressAlong_ = along(lastPointer_);
        dragPressValue_ = trackValue_ = sliderPosition();
        setSliderDown(true);
    } else if (pressed_ != Part::None) {
        stepOnce();
        delayTimer_.start();
    }
    update();
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    lastPointer_ = event->position().toPoint();
    if (dragging_) {
        const SkinScrollGeometry g = currentGeometry();
        const int room = g.track - g.thumbLength;
        const int range = maximum() - minimum();
        if (room > 0)
            trackValue_ =
                std::clamp(dragPressValue_ + (along(lastPointer_) - dragPressAlong_) * range / room,
                           minimum(), maximum());
        update();
        return;
    }
    const Part now = partAt(lastPointer_);
    if (now != hover_) {
        hover_ = now;
        update();
    }
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    stopRepeat();
    if (dragging_) {
        dragging_ = false;
        setSliderDown(false);
        setValue(trackValue_);
    }
    pressed_ = Part::None;
    hover_ = partAt(event->position().toPoint());
    update();
}

void CSkinScrollBar::leaveEvent(QEvent* event) {
    hover_ = Part::None;
    update();
    QScrollBar::leaveEvent(event);
}

}  // namespace z408
