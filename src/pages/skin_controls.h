// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Builds a page's controls at their places in the page's skin layout, each cut from the page's
// three images, so a widget always sits exactly on its picture.
#include <QPolygon>
#include <QRect>
#include <string_view>

#include "skin/skin_layout.h"

namespace z408 {

class CBitmapEdit;
class CGDIBitmapBtn;
class CSkinPage;

class SkinControls {
  public:
    SkinControls(CSkinPage& page, bool chineseLayout);

    // The control's rectangle in page coordinates; empty for a name the layout does not know.
    QRect rect(std::string_view name) const;
    // A button cut from the page images at the control's rectangle, named after the control.
    CGDIBitmapBtn* button(std::string_view name) const;
    // An edit field over the control's place, in the pages' field colours.
    CBitmapEdit* edit(std::string_view name, int maxLength) const;

  private:
    CSkinPage& page_;
    skin::PageSkin layout_;
};

// A layout rectangle (right and bottom outside) as a Qt rectangle.
QRect toQRect(const skin::Rect& r);
// A layout quadrilateral (CIrrButton's shape) as a Qt polygon.
QPolygon toQPolygon(const std::array<skin::Point, 4>& quad);

}  // namespace z408
