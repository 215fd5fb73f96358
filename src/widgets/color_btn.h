// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A colour swatch button: filled with its colour, optionally framed in a colour that tells its
// state (current, pressed, hovered, normal).
#include <QAbstractButton>
#include <QColor>

namespace z408 {

class CColorBtn : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(bool current READ current WRITE setCurrent)
    Q_PROPERTY(bool drawBorder READ drawBorder WRITE setDrawBorder)
    Q_PROPERTY(bool hovering READ hovering)

  public:
    explicit CColorBtn(QWidget* parent = nullptr);

    QColor color() const { return colour_; }
    void setColor(const QColor& c);
    bool current() const { return current_; }
    void setCurrent(bool on);
    bool drawBorder() const { return border_; }
    void setDrawBorder(bool on);
    bool hovering() const { return hovering_; }
    void SetTooltip(const QString& text, bool active);

    // The frame colour the next paint uses (ARGB).
    QColor borderColor() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void setHovering(bool on);

    QColor colour_{0, 0, 0};
    bool current_ = false, border_ = false, hovering_ = false;
};

}  // namespace z408
