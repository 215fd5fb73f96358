// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/setting_base_dlg.h"

#include "functions/function_catalogue.h"
#include "i18n/language_strings.h"
#include "pages/picker_lists.h"
#include "skin/skin_layout.h"
#include "widgets/list_box_ex.h"

namespace z408 {

CSetting_BaseDlg::CSetting_BaseDlg(const QString& programDirectory, bool chineseLayout,
                                   const LanguageStrings& texts, QWidget* parent)
    : CSkinPage(QStringLiteral("base"), programDirectory, chineseLayout, parent) {
    const skin::PageSkin layout =
        skin::pageSkin("base", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    list_ = makePickerList(this, layout, "list", kListId, kBasicListItemHeight, programDirectory);
    // Adding selects, so the last entry ends up chosen.
    for (const FunctionType f : basicListFunctions()) {
        const CatalogueEntry* entry = findFunction(f);
        const std::string_view key = entry ? entry->pickerKey : std::string_view();
        const std::u16string key16(key.begin(), key.end());
        list_->AddItem(CListBoxEx::NoIcon, QString::fromStdU16String(texts.text(key16)), f);
    }
}

void CSetting_BaseDlg::fillChoice(PickerChoice& choice) const {
    fillBasicChoice(list_->currentSelection(), choice);
}

}  // namespace z408
