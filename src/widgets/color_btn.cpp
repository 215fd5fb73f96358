// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/color_btn.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/keyboard_focus.h"
#include "widgets/skin_accessible.h"

namespace z408 {

CColorBtn::CColorBtn(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    // Tab reaches it, a click does not take the focus; a well that only shows a colour turns
    // this off.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    KeyboardFocus::install();
}

void CColorBtn::setColor(const QColor& c) {
    colour_ = c;
    update();
}

void CColorBtn::setCurrent(bool on) {
    if (current_ == on) return;
    current_ = on;
    update();
    notifyCheckedChanged(this);
}

void CColorBtn::setDrawBorder(bool on) {
    border_ = on;
    update();
}

void CColorBtn::SetTooltip(const QString& text, bool active) {
    setToolTip(active ? text : QString());
    notifyTextsChanged(this);
}

QColor CColorBtn::borderColor() const {
    if (current_) return QColor::fromRgba(0xFF393839);
    if (isDown()) return QColor::fromRgba(0xFFD31814);
    if (hovering_) return QColor::fromRgba(0xFFE8BE1C);
    return QColor::fromRgba(0xFF313439);
}

QSize CColorBtn::sizeHint() const {
    return QSize(24, 24);
}

void CColorBtn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor fill = colour_;
    fill.setAlpha(255);
    p.fillRect(rect(), fill);
    // A disabled swatch keeps its colour but fades, so it does not invite a click.
    if (!isEnabled()) p.fillRect(rect(), QColor(10, 11, 14, 170));
    if (border_) {
        p.setPen(QPen(borderColor(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (KeyboardFocus::markShown(this)) KeyboardFocus::paintMark(p, rect());
}

void CColorBtn::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons().testFlag(Qt::LeftButton) && !hovering_))
        setHovering(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
    // Pages compute hints in their own coordinates, so the move is forwarded in those.
    if (QWidget* parent = parentWidget())
        QCoreApplication::postEvent(
            parent, new QMouseEvent(QEvent::MouseMove, mapToParent(event->position()),
                                    event->globalPosition(), Qt::NoButton, event->buttons(),
                                    event->modifiers()));
}

void CColorBtn::enterEvent(QEnterEvent* event) {
    if (!QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) setHovering(true);
    QAbstractButton::enterEvent(event);
}

void CColorBtn::leaveEvent(QEvent* event) {
    setHovering(false);
    QAbstractButton::leaveEvent(event);
}

void CColorBtn::focusInEvent(QFocusEvent* event) {
    update();
    QAbstractButton::focusInEvent(event);
}

void CColorBtn::focusOutEvent(QFocusEvent* event) {
    setHovering(false);
    update();
    QAbstractButton::focusOutEvent(event);
}

void CColorBtn::keyPressEvent(QKeyEvent* event) {
    if (!takeActivationKey(*event, [this] {
            if (isEnabled()) click();
        }))
        QAbstractButton::keyPressEvent(event);
}

void CColorBtn::keyReleaseEvent(QKeyEvent* event) {
    // The press did the work; the release must not click a second time.
    if (!takeActivationKey(*event, {})) QAbstractButton::keyReleaseEvent(event);
}

void CColorBtn::setHovering(bool on) {
    if (hovering_ == on) return;
    hovering_ = on;
    update();
}

}  // namespace z408
