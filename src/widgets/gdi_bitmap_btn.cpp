// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/gdi_bitmap_btn.h"

#include <QGuiApplication>
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
const QColor kDisabledText(38, 42, 39);

QPixmap cut(const QImage& page, const QRect& rect) {
    if (page.isNull()) return {};
    return QPixmap::fromImage(page.copy(rect));
}

QPixmap faded(const QImage& look) {
    return look.isNull() ? QPixmap() : QPixmap::fromImage(fadedLook(look));
}

// Sends a pointer move to `target` at `pos`, as if the pointer had moved over it directly.
void forwardMove(QWidget* target, const QPointF& pos, const QPointF& global,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    if (!target) return;
    QCoreApplication::postEvent(
        target, new QMouseEvent(QEvent::MouseMove, pos, global, Qt::NoButton, buttons, mods));
}
}  // namespace

CGDIBitmapBtn::CGDIBitmapBtn(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    // Tab reaches it, a click does not take the focus: the pointer works as it always did.
    // Buttons that are only pictures (lamps, markers) turn this off.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    KeyboardFocus::install();
}

void CGDIBitmapBtn::SetBitmaps(const QRect& rect, const QImage& normal, const QImage& hover,
                               const QImage& pressed, const QImage& disabled,
                               const QImage* altNormal, const QImage* altPressed) {
    normal_ = cut(normal, rect);
    hover_ = cut(hover, rect);
    pressed_ = cut(pressed, rect);
    disabled_ = disabled.isNull() ? QPixmap() : faded(disabled.copy(rect));
    disabledLatched_ = pressed.isNull() ? QPixmap() : faded(pressed.copy(rect));
    altNormal_ = altNormal ? cut(*altNormal, rect) : QPixmap();
    altPressed_ = altPressed ? cut(*altPressed, rect) : QPixmap();
    setGeometry(rect);
    update();
}

void CGDIBitmapBtn::SetLooks(const QImage& normal, const QImage& hover, const QImage& pressed,
                             const QImage& disabled) {
    normal_ = QPixmap::fromImage(normal);
    hover_ = QPixmap::fromImage(hover);
    pressed_ = QPixmap::fromImage(pressed);
    disabled_ = faded(disabled);
    disabledLatched_ = faded(pressed);
    altNormal_ = altPressed_ = QPixmap();
    update();
}

void CGDIBitmapBtn::SetText(const QString& text) {
    setText(text);
    update();
    notifyTextsChanged(this);
}

void CGDIBitmapBtn::SetTextColors(const QColor& normal, const QColor& hover,
                                  const QColor& pressed) {
    textNormal_ = normal;
    textHover_ = hover;
    textPressed_ = pressed;
    update();
}

void CGDIBitmapBtn::setCheckMode(CheckMode mode) {
    checkMode_ = mode != CheckMode::Off;
    toggleOnClick_ = mode == CheckMode::Toggle;
    update();
}

void CGDIBitmapBtn::SetTooltip(const QString& text, bool active) {
    setToolTip(active ? text : QString());
    notifyTextsChanged(this);
}

void CGDIBitmapBtn::setCaptionRect(std::optional<QRect> rect) {
    captionRect_ = rect;
    update();
}

void CGDIBitmapBtn::setHoverLooksEnabled(bool on) {
    hoverLooks_ = on;
    update();
}

void CGDIBitmapBtn::setUseAltNormal(bool on) {
    useAltNormal_ = on;
    update();
}

void CGDIBitmapBtn::setUseAltPressed(bool on) {
    useAltPressed_ = on;
    update();
}

void CGDIBitmapBtn::setLargeFont(bool on) {
    largeFont_ = on;
    update();
}

void CGDIBitmapBtn::setNotifyPresses(bool on) {
    notify_ = on;
}

void CGDIBitmapBtn::setLatched(bool on) {
    if (latched_ == on) return;
    latched_ = on;
    update();
    notifyCheckedChanged(this);
}

CGDIBitmapBtn::LookKind CGDIBitmapBtn::currentLook() const {
    // A button that cannot be used looks so whatever else holds: on or off, it stays faded.
    if (!isEnabled())
        return checkMode_ && latched_ ? LookKind::DisabledLatched : LookKind::Disabled;
    if (checkMode_ && latched_) return useAltPressed_ ? LookKind::AltPressed : LookKind::Pressed;
    if (!checkMode_ && isDown()) return LookKind::Pressed;
    if (hovering_ && hoverLooks_) return LookKind::Hover;
    return useAltNormal_ ? LookKind::AltNormal : LookKind::Normal;
}

QColor CGDIBitmapBtn::currentTextColor() const {
    switch (currentLook()) {
        case LookKind::Pressed:
        case LookKind::AltPressed:
            return textPressed_;
        case LookKind::Hover:
            return textHover_;
        case LookKind::Disabled:
        case LookKind::DisabledLatched:
            return kDisabledText;
        default:
            return textNormal_;
    }
}

const QPixmap& CGDIBitmapBtn::pixmapFor(LookKind kind) const {
    switch (kind) {
        case LookKind::Hover:
            return hover_;
        case LookKind::Pressed:
            return pressed_;
        case LookKind::Disabled:
            return disabled_;
        case LookKind::DisabledLatched:
            return disabledLatched_;
        case LookKind::AltNormal:
            return altNormal_.isNull() ? normal_ : altNormal_;
        case LookKind::AltPressed:
            return altPressed_.isNull() ? pressed_ : altPressed_;
        case LookKind::Normal:
            break;
    }
    return normal_;
}

QSize CGDIBitmapBtn::sizeHint() const {
    return normal_.isNull() ? QSize(40, 20) : normal_.size();
}

void CGDIBitmapBtn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintLook(p);
    if (KeyboardFocus::markShown(this)) KeyboardFocus::paintMark(p, rect());
}

void CGDIBitmapBtn::paintLook(QPainter& p) {
    const LookKind look = currentLook();
    const QPixmap& pix = pixmapFor(look);
    if (!pix.isNull()) p.drawPixmap(0, 0, pix);
    if (skinCaptionText_) {
        CaptionState state = look == LookKind::Pressed || look == LookKind::AltPressed ||
                                     look == LookKind::DisabledLatched
                                 ? CaptionState::Down
                             : look == LookKind::Hover ? CaptionState::Over
                                                       : CaptionState::Normal;
        // A control shown only while in use rests on its hover look (SkinControls).
        if (state == CaptionState::Normal && skinCaptionControl_.hiddenUntilUsed)
            state = CaptionState::Over;
        // The disabled looks are faded into their surroundings: so is the text.
        if (look == LookKind::Disabled || look == LookKind::DisabledLatched)
            p.setOpacity(kFadedLookKept / 256.0);
        // The control's place is in page coordinates, like the images the looks were cut from.
        p.translate(-skinCaptionControl_.rect.left, -skinCaptionControl_.rect.top);
        paintCaption(p, skinCaptionControl_, skinCaptionText_(), state);
        p.resetTransform();
        p.setOpacity(1);
    }
    if (text().isEmpty()) return;

    const QFont font = skinFont(largeFont_ ? 20 : 14, QFont::Light);
    p.setFont(font);
    p.setPen(currentTextColor());
    QRect r = captionArea(font);
    // The caption is drawn unclipped: one taller than the button runs over its edges.
    noteOverflow(text(), r.height(), height(), this);
    if (captionRect_ && (look == LookKind::Pressed || look == LookKind::AltPressed))
        r.translate(1, 1);
    p.drawText(r, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
               shownCaption());
}

void CGDIBitmapBtn::SetSkinCaption(const skin::Control& control, std::function<QString()> text) {
    skinCaptionControl_ = control;
    skinCaptionText_ = std::move(text);
    update();
}

QRect CGDIBitmapBtn::captionArea(const QFont& font) const {
    const int textHeight = QFontMetrics(font).height();
    QRect r(8, height() / 2 - textHeight / 2, 0, textHeight);
    r.setRight(width() - 5);
    if (captionRect_) {
        r.setLeft(captionRect_->left() + 5);
        r.setRight(captionRect_->right() - 5);
    }
    return r;
}

QString CGDIBitmapBtn::shownCaption() const {
    const QFont font = skinFont(largeFont_ ? 20 : 14, QFont::Light);
    return fitLine(text(), font, std::max(0, captionArea(font).width()), this);
}

void CGDIBitmapBtn::mouseMoveEvent(QMouseEvent* event) {
    // A drag that started elsewhere and passes over the button is not a hover.
    if (event->buttons().testFlag(Qt::LeftButton) && !hovering_) {
        QAbstractButton::mouseMoveEvent(event);
        return;
    }
    setHovering(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
    if (QWidget* parent = parentWidget())
        forwardMove(parent, mapToParent(event->position()), event->globalPosition(),
                    event->buttons(), event->modifiers());
}

void CGDIBitmapBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (QWidget* top = window(); top && !top->isActiveWindow()) top->activateWindow();
        if (toggleOnClick_) {
            latched_ = !latched_;
            update();
        }
        if (notify_) {
            emit skinMouse(513);
        }
    }
    QAbstractButton::mousePressEvent(event);
}

void CGDIBitmapBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && notify_) {
        emit skinMouse(514);
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void CGDIBitmapBtn::enterEvent(QEnterEvent* event) {
    if (!QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) setHovering(true);
    QAbstractButton::enterEvent(event);
}

void CGDIBitmapBtn::leaveEvent(QEvent* event) {
    setHovering(false);
    QAbstractButton::leaveEvent(event);
}

void CGDIBitmapBtn::focusInEvent(QFocusEvent* event) {
    update();
    QAbstractButton::focusInEvent(event);
}

void CGDIBitmapBtn::focusOutEvent(QFocusEvent* event) {
    setHovering(false);
    update();
    QAbstractButton::focusOutEvent(event);
}

void CGDIBitmapBtn::pressFromKeyboard() {
    if (!isEnabled()) return;
    if (toggleOnClick_) {
        latched_ = !latched_;
        update();
    }
    if (notify_) emit skinMouse(513);
    setDown(true);
    emit pressed();
    if (notify_) emit skinMouse(514);
    setDown(false);
    emit released();
    emit clicked(isChecked());
}

void CGDIBitmapBtn::keyPressEvent(QKeyEvent* event) {
    if (!takeActivationKey(*event, [this] { pressFromKeyboard(); }))
        QAbstractButton::keyPressEvent(event);
}

void CGDIBitmapBtn::keyReleaseEvent(QKeyEvent* event) {
    // The press did the work; the release must not click a second time.
    if (!takeActivationKey(*event, {})) QAbstractButton::keyReleaseEvent(event);
}

void CGDIBitmapBtn::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QAbstractButton::changeEvent(event);
}

void CGDIBitmapBtn::setHovering(bool on) {
    if (hovering_ == on) return;
    hovering_ = on;
    update();
}

}  // namespace z408
