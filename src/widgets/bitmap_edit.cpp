// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/bitmap_edit.h"

#include <QPalette>

#include "widgets/keyboard_focus.h"
#include "widgets/skin_image.h"

namespace z408 {

CBitmapEdit::CBitmapEdit(QWidget* parent, int fontHeight) : QLineEdit(parent) {
    setMaxLength(256);
    setFont(skinFont(fontHeight, QFont::Medium));
    setFrame(false);
    // Tab reaches the field and leaves it again.
    setFocusPolicy(Qt::StrongFocus);
    KeyboardFocus::install();
    QPalette pal = palette();
    pal.setColor(QPalette::Text, QColor(88, 95, 103));
    pal.setColor(QPalette::Base, Qt::transparent);
    setPalette(pal);
}

void CBitmapEdit::SetBackground(int x, int y, int width, int height, const QImage& image) {
    background_ = image.isNull() ? QImage() : image.copy(x, y, width, height);
    QPalette pal = palette();
    if (background_.isNull())
        pal.setColor(QPalette::Base, Qt::transparent);
    else
        pal.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(background_)));
    setPalette(pal);
    applyDisabledLook();
    update();
}

void CBitmapEdit::SetDisabledLook(const QColor& textColour) {
    disabledText_ = textColour;
    applyDisabledLook();
}

void CBitmapEdit::applyDisabledLook() {
    if (!disabledText_) return;
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, *disabledText_);
    if (!background_.isNull())
        pal.setBrush(QPalette::Disabled, QPalette::Base,
                     QBrush(QPixmap::fromImage(fadedLook(background_))));
    setPalette(pal);
    update();
}

QSize CBitmapEdit::sizeHint() const {
    return background_.isNull() ? QLineEdit::sizeHint() : background_.size();
}

void CBitmapEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    KeyboardFocus::paintMarkIfShown(this);
}

void CBitmapEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    update();
}

void CBitmapEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    update();
}

}  // namespace z408
