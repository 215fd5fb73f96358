// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/skin_controls.h"

#include "pages/skin_page.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"

namespace z408 {
namespace {

const QColor kFieldText(21, 140, 185);
const QColor kFieldBackground(15, 15, 15);
constexpr int kFieldFontHeight = 13;

}  // namespace

QRect toQRect(const skin::Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QPolygon toQPolygon(const std::array<skin::Point, 4>& quad) {
    QPolygon shape;
    for (const skin::Point& p : quad) shape << QPoint(p.x, p.y);
    return shape;
}

SkinControls::SkinControls(CSkinPage& page, bool chineseLayout)
    : page_(page),
      layout_(skin::pageSkin(page.skinId().toStdString(),
                             chineseLayout ? skin::Layout::Chinese : skin::Layout::English)) {}

QRect SkinControls::rect(std::string_view name) const {
    const skin::Control* c = skin::findControl(layout_, name);
    return c ? toQRect(c->rect) : QRect();
}

CGDIBitmapBtn* SkinControls::button(std::string_view name) const {
    auto* b = new CGDIBitmapBtn(&page_);
    b->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const skin::Control* c = skin::findControl(layout_, name);
    // A control shown only while in use is missing from the normal image (which is what the
    // page shows while it is hidden): its resting look is its hover look.
    const QImage& normal = c && c->hiddenUntilUsed ? page_.overImage() : page_.normalImage();
    b->SetBitmaps(rect(name), normal, page_.overImage(), page_.downImage(), normal);
    return b;
}

CBitmapEdit* SkinControls::edit(std::string_view name, int maxLength) const {
    auto* e = new CBitmapEdit(&page_, kFieldFontHeight);
    e->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const QRect r = rect(name);
    e->setGeometry(r);
    e->setMaxLength(maxLength);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Text, kFieldText);
    pal.setColor(QPalette::Base, kFieldBackground);
    e->setPalette(pal);
    e->setTextMargins(3, 0, 3, 0);
    return e;
}

}  // namespace z408
