// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/picker_lists.h"

#include "common/resource_numbers.h"
#include "widgets/list_box_ex.h"
#include "widgets/skin_image.h"
#include "widgets/skin_scroll_wnd.h"

namespace z408 {
CListBoxEx* makePickerList(QWidget* page, const skin::PageSkin& layout, const char* controlName,
                           int controlId, int itemHeight, const QString& programDirectory) {
    auto* list = new CListBoxEx(page);
    list->setObjectName(QString::fromLatin1(controlName));
    list->setControlId(controlId);
    list->setProgramDirectory(programDirectory);
    if (const skin::Control* c = skin::findControl(layout, controlName))
        // Inside the frame the skin draws around the list.
        list->setGeometry(c->rect.left + 1, c->rect.top + 1, c->rect.width() - 2,
                          c->rect.height() - 2);
    list->SetBackgroundColour(QColor(15, 15, 15), QColor(37, 37, 37));
    list->SetTextColours(QColor(83, 92, 107), QColor(150, 150, 150));
    list->SetItemHeight(itemHeight);
    SkinWndScroll(list, loadResourceImage(res::kScrollSkin));
    return list;
}

}  // namespace z408
