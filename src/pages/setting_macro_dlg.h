// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The picker's macro page: the 21 games on the left, the macros of the chosen game on the right.
// It opens on the player's own group with its last macro chosen.
#include "functions/picker_rules.h"
#include "pages/skin_page.h"

namespace z408 {

class CListBoxEx;
class MacroLibrary;

class CSetting_MacroDlg : public CSkinPage {
    Q_OBJECT
  public:
    static constexpr int kGameListId = 10001;
    static constexpr int kMacroListId = 10002;

    // Game names in Chinese when `chineseText`; the player's own group in `languageId`.
    CSetting_MacroDlg(const QString& programDirectory, bool chineseLayout, bool chineseText,
                      int64_t languageId, const MacroLibrary& macros, QWidget* parent = nullptr);

    // Refills the macro list with the macros of `preset` (1..21), in slot order.
    void fillMacroList(uint8_t preset);
    // The selected macro; nothing without a selection or when the macro is no longer stored.
    void fillChoice(PickerChoice& choice) const;

    CListBoxEx* gameList() const { return games_; }
    CListBoxEx* macroList() const { return macros_; }
    int shownGame() const { return shownGame_; }

  private:
    void gameSelected(int controlId, int index);

    const MacroLibrary& library_;
    CListBoxEx* games_ = nullptr;
    CListBoxEx* macros_ = nullptr;
    int shownGame_ = -1;  // the game-list position whose macros are shown
};

}  // namespace z408
