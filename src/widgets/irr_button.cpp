// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/irr_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/keyboard_focus.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_caption.h"
#include "widgets/skin_image.h"
#include "widgets/text_fit.h"

namespace z408 {

namespace {
const QColor kNormalText(189, 189, 200), kHoverText(255, 255, 255), kPressedText(38, 29, 5);
}

CIrrButton::CIrrButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    // Tab reaches it, a click does not take the focus: the pointer works as it always did.
    setFocusPolicy(Qt::TabFocus);
    KeyboardFocus::install();
}

void CIrrButton::Create(const QString& text, const QPolygon& shape, QWidget* parent) {
    if (parent && parent != parentWidget()) setParent(parent);
    // The polygon's edge pixels belong to the shape, as a filled Windows region's would.
    box_ = shape.boundingRect();
    centre_ = box_.center();
    outline_ = shape.translated(-box_.topLeft());
    shape_ = QRegion(outline_, Qt::WindingFill);
    setGeometry(box_);
    setMask(shape_);
    setText(text);
    show();
}

void CIrrButton::SetBitmaps(int normalId, int hoverId, int pressedId, int disabledId) {
    SetImages(loadResourceImage(normalId), loadResourceImage(hoverId), loadResourceImage(pressedId),
              loadResourceImage(disabledId));
}

void CIrrButton::SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                           const QImage& disabled) {
    // Four page-sized looks per button would be a dozen full window images for the main window.
    const auto cut = [this](const QImage& look) { return look.isNull() ? look : look.copy(box_); };
    normal_ = cut(normal);
    pressed_ = cut(pressed);
    hover_ = cut(hover);
    disabled_ = cut(disabled);
    // A disabled look that is the normal one darkened gets the text darkened with it.
    disabledIsDarkenedNormal_ =
        !normal_.isNull() && !disabled_.isNull() &&
        dimmedImage(normal_) == disabled_.convertToFormat(QImage::Format_RGB32);
    imageOrigin_ = box_.topLeft();
    update();
}

void CIrrButton::SetTooltip(const QString& text, bool active) {
    setToolTip(active ? text : QString());
    notifyTextsChanged(this);
}

void CIrrButton::setLatched(bool on) {
    if (latched_ == on) return;
    latched_ = on;
    update();
    notifyCheckedChanged(this);
}

void CIrrButton::setCheckMode(bool on) {
    checkMode_ = on;
    update();
}

bool CIrrButton::hitTest(const QPoint& pos) const {
    return rect().contains(pos) && shape_.contains(pos);
}

bool CIrrButton::hitButton(const QPoint& pos) const {
    return hitTest(pos);
}

CIrrButton::LookKind CIrrButton::currentLook() const {
    if (checkMode_ && latched_) return LookKind::Pressed;
    if (!checkMode_ && !isEnabled()) return LookKind::Disabled;
    if (!checkMode_ && isDown()) return LookKind::Pressed;
    if (hovering_) return LookKind::Hover;
    return LookKind::Normal;
}

QSize CIrrButton::sizeHint() const {
    return box_.size();
}

namespace {
constexpr qreal kDisabledOpacity = 0.45;
}  // namespace

void CIrrButton::SetSkinCaption(const skin::Control& control, std::function<QString()> text) {
    skinCaptionControl_ = control;
    skinCaptionText_ = std::move(text);
    update();
}

void CIrrButton::paintEvent(QPaintEvent*) {
    const LookKind look = currentLook();
    const QImage& img = look == LookKind::Pressed    ? pressed_
                        : look == LookKind::Hover    ? hover_
                        : look == LookKind::Disabled ? disabled_
                                                     : normal_;
    const QColor colour = look == LookKind::Pressed ? kPressedText
                          : look == LookKind::Hover ? kHoverText
                                                    : kNormalText;
    QPainter p(this);
    p.setClipRegion(shape_);
    // A latched (check-mode) button has no disabled image of its own; dim it instead, so that
    // disabled profile buttons do not look clickable.
    if (checkMode_ && !isEnabled()) p.setOpacity(kDisabledOpacity);
    if (skinCaptionText_ && !img.isNull()) {
        // The text goes onto the look before it is shown, as if the picture carried it, so a
        // dimmed or darkened button dims its text with it.
        const CaptionState state = look == LookKind::Pressed ? CaptionState::Down
                                   : look == LookKind::Hover ? CaptionState::Over
                                                             : CaptionState::Normal;
        const bool darkened = look == LookKind::Disabled && disabledIsDarkenedNormal_;
        QImage shown = (darkened ? normal_ : img)
                           .copy(box_.translated(-imageOrigin_))
                           .convertToFormat(QImage::Format_RGB32);
        {
            QPainter q(&shown);
            // The control's shape is in the parent's coordinates, like the box.
            q.translate(-box_.topLeft());
            paintCaption(q, skinCaptionControl_, skinCaptionText_(), state);
        }
        p.drawImage(QPoint(0, 0), darkened ? dimmedImage(shown) : shown);
    } else if (!img.isNull()) {
        p.drawImage(QPoint(0, 0), img, box_.translated(-imageOrigin_));
    }
    if (KeyboardFocus::markShown(this)) KeyboardFocus::paintMark(p, outline_);
    if (text().isEmpty()) return;
    // The caption is anchored at the box centre in page coordinates, as on the page image.
    const qsizetype len = text().size();
    const int x = centre_.x() - static_cast<int>(len > 5 ? 3 * len : 6 * len) + 5;
    const int y = centre_.y() - 6;
    const QFont font = skinFont(14, QFont::Light);
    p.setFont(font);
    p.setPen(colour);
    // Drawn whole where the page image puts it; a caption running out of the box is reported.
    const int advance = QFontMetrics(font).horizontalAdvance(text());
    const int over =
        std::max(0, box_.left() - x) + std::max(0, x + advance - box_.left() - box_.width());
    noteOverflow(text(), box_.width() + over, box_.width(), this);
    p.drawText(QPoint(x, y + QFontMetrics(font).ascent()) - box_.topLeft(), text());
}

void CIrrButton::mouseMoveEvent(QMouseEvent* event) {
    setHovering(hitTest(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void CIrrButton::press() {
    setDown(true);
    emit pressed();
    emit clicked(isChecked());
}

void CIrrButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !hitTest(event->position().toPoint())) {
        event->ignore();
        return;
    }
    press();
}

void CIrrButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void CIrrButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setDown(false);
    setHovering(hitTest(event->position().toPoint()));
    emit released();
    update();
}

void CIrrButton::pressFromKeyboard() {
    if (!isEnabled()) return;
    press();
    setDown(false);
    emit released();
    update();
}

void CIrrButton::keyPressEvent(QKeyEvent* event) {
    if (!takeActivationKey(*event, [this] { pressFromKeyboard(); }))
        QAbstractButton::keyPressEvent(event);
}

void CIrrButton::keyReleaseEvent(QKeyEvent* event) {
    // The press did the work; the release must not click a second time.
    if (!takeActivationKey(*event, {})) QAbstractButton::keyReleaseEvent(event);
}

void CIrrButton::focusInEvent(QFocusEvent* event) {
    update();
    QAbstractButton::focusInEvent(event);
}

void CIrrButton::focusOutEvent(QFocusEvent* event) {
    update();
    QAbstractButton::focusOutEvent(event);
}

void CIrrButton::leaveEvent(QEvent* event) {
    setHovering(false);
    QAbstractButton::leaveEvent(event);
}

void CIrrButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QAbstractButton::changeEvent(event);
}

void CIrrButton::setHovering(bool on) {
    if (hovering_ == on) return;
    hovering_ = on;
    update();
}

}  // namespace z408
