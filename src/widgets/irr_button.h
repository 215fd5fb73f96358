// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A button of any shape: its window is the bounding box of a polygon in the parent's
// coordinates, shaped to the polygon. Its looks are page-sized bitmaps of which the part under
// the box is shown; the button keeps only that part of each. Pages act on the press: clicked()
// is emitted when the button goes down.
#include <QAbstractButton>
#include <QImage>
#include <QPolygon>
#include <QRegion>
#include <functional>

#include "skin/skin_layout.h"

namespace z408 {

class CIrrButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool latched READ latched WRITE setLatched)
    Q_PROPERTY(bool hovering READ hovering)
    Q_PROPERTY(bool checkMode READ checkMode WRITE setCheckMode)

  public:
    enum class LookKind { Normal, Hover, Pressed, Disabled };

    explicit CIrrButton(QWidget* parent = nullptr);

    // `shape` in the parent's coordinates.
    void Create(const QString& text, const QPolygon& shape, QWidget* parent);
    // Page-sized looks, in the widgets' order: normal, hover, pressed, disabled.
    void SetBitmaps(int normalId, int hoverId, int pressedId, int disabledId);
    // After Create: the part of each page-sized look under the box is kept.
    void SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                   const QImage& disabled);
    void SetTooltip(const QString& text, bool active);
    // A skin control's text drawn on the shape in the skins' own style and state colour, asked
    // for at every paint so it follows the language.
    void SetSkinCaption(const skin::Control& control, std::function<QString()> text);
    QString skinCaption() const { return skinCaptionText_ ? skinCaptionText_() : QString(); }

    bool latched() const { return latched_; }
    void setLatched(bool on);
    bool checkMode() const { return checkMode_; }
    void setCheckMode(bool on);
    bool hovering() const { return hovering_; }
    QRect boundingBox() const { return box_; }
    // Whether a point in the button's own coordinates lies on the shape.
    bool hitTest(const QPoint& pos) const;

    LookKind currentLook() const;
    QSize sizeHint() const override;

    // Space or Enter on the focused button: pressed and released as by the pointer.
    void pressFromKeyboard();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    void setHovering(bool on);
    void press();

    QRegion shape_;                               // in own coordinates
    QPolygon outline_;                            // the shape's edge, in own coordinates
    QRect box_;                                   // in parent coordinates
    QPoint centre_;                               // in parent coordinates
    QImage normal_, pressed_, hover_, disabled_;  // cut at imageOrigin_
    QPoint imageOrigin_;                          // in parent coordinates
    bool checkMode_ = false, latched_ = false, hovering_ = false;
    bool disabledIsDarkenedNormal_ = false;
    skin::Control skinCaptionControl_;
    std::function<QString()> skinCaptionText_;
};

}  // namespace z408
