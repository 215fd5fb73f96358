// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The picker's basic page: one list of the 24 ready-made functions (mouse buttons, media keys,
// desktop shortcuts, sniper and fire), labelled in the language active when the page is made.
#include "functions/picker_rules.h"
#include "pages/skin_page.h"

namespace z408 {

class CListBoxEx;
class LanguageStrings;

class CSetting_BaseDlg : public CSkinPage {
    Q_OBJECT
  public:
    static constexpr int kListId = 101;

    CSetting_BaseDlg(const QString& programDirectory, bool chineseLayout,
                     const LanguageStrings& texts, QWidget* parent = nullptr);

    // The function of the selected entry; nothing chosen without a selection.
    void fillChoice(PickerChoice& choice) const;
    CListBoxEx* list() const { return list_; }

  private:
    CListBoxEx* list_ = nullptr;
};

}  // namespace z408
