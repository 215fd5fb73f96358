// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// An edit field drawn over a piece of a background image, in the page's text colour.
#include <QImage>
#include <QLineEdit>
#include <optional>

namespace z408 {

class CBitmapEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit CBitmapEdit(QWidget* parent = nullptr, int fontHeight = 14);

    // The field's background becomes the piece (x, y, width, height) of `image`.
    void SetBackground(int x, int y, int width, int height, const QImage& image);
    // While disabled the field shows its background faded into the page and its text in
    // `textColour`, so it does not look like a field that takes typing. Without this call a
    // disabled field looks like an enabled one (display-only boxes).
    void SetDisabledLook(const QColor& textColour);
    QImage background() const { return background_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void applyDisabledLook();

    QImage background_;
    std::optional<QColor> disabledText_;
};

}  // namespace z408
