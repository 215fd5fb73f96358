// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/png_h_slider_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/keyboard_focus.h"
#include "widgets/png_h_slider.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_image.h"

namespace z408 {

CPngHSliderBar::CPngHSliderBar(QWidget* owner) : QWidget(owner), thumb_(new CPngHSlider(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Pointer moves without a button reach the bar, which leaves them to its owner: the page
    // shows the slider's hint while the pointer is over it.
    setMouseTracking(true);
    // Tab reaches it, a click does not take the focus: the pointer works as it always did.
    setFocusPolicy(Qt::TabFocus);
    KeyboardFocus::install();
    connect(thumb_, &CPngHSlider::moved, this, &CPngHSliderBar::report);
}

bool CPngHSliderBar::Create(const QString& thumbPath, int left, int top, int right, int bottom,
                            QWidget* owner, int id) {
    return Create(LoadSkinImage(thumbPath), left, top, right, bottom, owner, id);
}

bool CPngHSliderBar::Create(const QImage& thumb, int left, int top, int right, int bottom,
                            QWidget* owner, int id) {
    owner_ = owner;
    id_ = id;
    if (owner && owner != parentWidget()) setParent(owner);
    setGeometry(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    thumb_->SetImage(thumb);
    thumb_->SetTrack(0, 0, width(), height());
    thumb_->SetDraggable(true);
    thumb_->SetPos(0);
    show();
    return !thumb.isNull();
}

void CPngHSliderBar::SetBackground(int x, int y, int width, int height, const QImage& page) {
    background_ = page.isNull() ? QImage() : page.copy(x, y, width, height);
    update();
}

void CPngHSliderBar::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    thumb_->SetRange(minimum, maximum);
}

void CPngHSliderBar::SetTrackRect(int left, int top, int right, int bottom) {
    track_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    thumb_->SetTrackRect(track_);
}

void CPngHSliderBar::SetPos(int value) {
    const int before = thumb_->value();
    thumb_->SetPos(value);
    update();
    if (thumb_->value() != before) notifyValueChanged(this, thumb_->value());
}

int CPngHSliderBar::value() const {
    return thumb_->value();
}

QSize CPngHSliderBar::sizeHint() const {
    return background_.isNull() ? QSize(200, 12) : background_.size();
}

int CPngHSliderBar::valueAt(int d, int trackWidth, int minimum, int maximum) {
    if (trackWidth <= 0) return minimum;
    int value = minimum + d * (maximum - minimum) / trackWidth;
    // Near the top end a click counts as the end value, so the last step is easy to hit.
    const double e = static_cast<double>(d) * (maximum - minimum) / trackWidth + 1.0;
    if (minimum == 1 && maximum == 5 && e > 4.75) value = 5;
    if (minimum == 1 && maximum == 10 && e > 9.75) value = 10;
    if (minimum == 1 && maximum == 3 && e > 2.87) value = 3;
    return std::clamp(value, minimum, maximum);
}

void CPngHSliderBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background_.isNull()) p.drawImage(rect(), background_);
    if (KeyboardFocus::markShown(this)) KeyboardFocus::paintMark(p, rect());
}

void CPngHSliderBar::keyPressEvent(QKeyEvent* event) {
    const nav::Chord c = chordOf(*event);
    const int value = thumb_->value();
    const int target = nav::sliderTarget(value, min_, max_, c.key);
    const bool sliderKey = c.key == nav::Key::Left || c.key == nav::Key::Right ||
                           c.key == nav::Key::Up || c.key == nav::Key::Down ||
                           c.key == nav::Key::PageUp || c.key == nav::Key::PageDown ||
                           c.key == nav::Key::Home || c.key == nav::Key::End;
    if (!sliderKey || c.ctrl || c.alt || !isEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (target == value) return;
    SetPos(target);
    report(target);
}

void CPngHSliderBar::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CPngHSliderBar::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void CPngHSliderBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    // A track the owner never set has no width: such a bar ignores clicks.
    if (track_.width() <= 0) return;
    const QPoint inOwner = owner_ ? mapTo(owner_, event->position().toPoint())
                                  : mapToParent(event->position().toPoint());
    const int value = valueAt(inOwner.x() - track_.left(), track_.width(), min_, max_);
    SetPos(value);
    report(value);
}

void CPngHSliderBar::report(int value) {
    notifyValueChanged(this, value);
    emit sliderMoved(value, id_);
}

}  // namespace z408
