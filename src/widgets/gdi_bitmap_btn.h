// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A rectangular button whose looks are cut out of page-sized skin images at its own rectangle.
// Reports clicks through clicked(), presses and releases through skinMouse (with notification
// on) and forwards pointer moves to its parent in the parent's coordinates so pages can show
// hints while the pointer is over the button.
#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <optional>

#include "skin/skin_layout.h"

namespace z408 {

class CGDIBitmapBtn : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool latched READ latched WRITE setLatched)
    Q_PROPERTY(bool hovering READ hovering)
    Q_PROPERTY(bool checkMode READ checkMode)
    Q_PROPERTY(bool toggleOnClick READ toggleOnClick)
    Q_PROPERTY(int userValue READ userValue WRITE setUserValue)

  public:
    // DisabledLatched: a disabled two-state button that is on (its pressed look, faded).
    enum class LookKind {
        Normal,
        Hover,
        Pressed,
        Disabled,
        AltNormal,
        AltPressed,
        DisabledLatched
    };

    explicit CGDIBitmapBtn(QWidget* parent = nullptr);

    // Cuts each given page image at `rect` (page coordinates) and places the button there. The
    // disabled looks are the disabled and pressed cuts faded into their surroundings.
    void SetBitmaps(const QRect& rect, const QImage& normal, const QImage& hover,
                    const QImage& pressed, const QImage& disabled,
                    const QImage* altNormal = nullptr, const QImage* altPressed = nullptr);
    // Looks that already have the widget's size (for example the trophy pictures), used whole.
    void SetLooks(const QImage& normal, const QImage& hover, const QImage& pressed,
                  const QImage& disabled);
    void SetText(const QString& text);
    void SetTextColors(const QColor& normal, const QColor& hover, const QColor& pressed);
    // Off: a push button. Latch: shows the pressed look while the program latches it. Toggle: a
    // click latches and unlatches it as well.
    enum class CheckMode { Off, Latch, Toggle };
    void setCheckMode(CheckMode mode);
    void SetTooltip(const QString& text, bool active);
    void setCaptionRect(std::optional<QRect> rect);
    void setHoverLooksEnabled(bool on);
    void setUseAltNormal(bool on);
    void setUseAltPressed(bool on);
    void setLargeFont(bool on);
    void setNotifyPresses(bool on);
    bool notifiesPresses() const { return notify_; }
    // A skin control's text drawn beside its decoration in the skins' own style and state colour
    // (a check box's or a choice's label), asked for at every paint so it follows the language.
    void SetSkinCaption(const skin::Control& control, std::function<QString()> text);
    QString skinCaption() const { return skinCaptionText_ ? skinCaptionText_() : QString(); }

    bool latched() const { return latched_; }
    void setLatched(bool on);
    bool hovering() const { return hovering_; }
    bool checkMode() const { return checkMode_; }
    bool toggleOnClick() const { return toggleOnClick_; }
    int userValue() const { return userValue_; }
    void setUserValue(int v) { userValue_ = v; }

    // The look and caption colour the next paint uses.
    LookKind currentLook() const;
    QColor currentTextColor() const;
    // The caption as painted: cut with an ellipsis when it does not fit.
    QString shownCaption() const;

    QSize sizeHint() const override;

    // Space or Enter on the focused button: the same presses, releases and clicks, in the same
    // order, as a click of the pointer.
    void pressFromKeyboard();

  signals:
    // 513 on left press, 514 on release (the mouse-button message numbers), with notification on.
    void skinMouse(int wParam);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setHovering(bool on);
    void paintLook(QPainter& p);
    const QPixmap& pixmapFor(LookKind kind) const;
    QRect captionArea(const QFont& font) const;

    QPixmap normal_, hover_, pressed_, disabled_, disabledLatched_, altNormal_, altPressed_;
    bool checkMode_ = false, latched_ = false, toggleOnClick_ = false, hoverLooks_ = true;
    bool useAltNormal_ = false, useAltPressed_ = false, largeFont_ = false, notify_ = false;
    bool hovering_ = false;
    std::optional<QRect> captionRect_;
    QColor textNormal_{189, 189, 200}, textHover_{255, 255, 255}, textPressed_{38, 29, 5};
    int userValue_ = 0;
    skin::Control skinCaptionControl_;
    std::function<QString()> skinCaptionText_;
};

}  // namespace z408
