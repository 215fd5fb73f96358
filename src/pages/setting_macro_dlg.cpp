// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "pages/setting_macro_dlg.h"

#include "macros/game_presets.h"
#include "macros/macro_library.h"
#include "pages/picker_lists.h"
#include "widgets/list_box_ex.h"

namespace z408 {

CSetting_MacroDlg::CSetting_MacroDlg(const QString& programDirectory, bool chineseLayout,
                                     bool chineseText, int64_t languageId,
                                     const MacroLibrary& macros, QWidget* parent)
    : CSkinPage(QStringLiteral("pmacro"), programDirectory, chineseLayout, parent),
      library_(macros) {
    const skin::PageSkin layout =
        skin::pageSkin("pmacro", chineseLayout ? skin::Layout::Chinese : skin::Layout::English);
    games_ =
        makePickerList(this, layout, "games", kGameListId, kMacroListItemHeight, programDirectory);
    macros_ = makePickerList(this, layout, "macros", kMacroListId, kMacroListItemHeight,
                             programDirectory);
    for (const GamePreset& g : gamePresetTable()) {
        const std::string_view name = gamePresetPickerText(g.preset, chineseText, languageId);
        games_->AddItem(CListBoxEx::NoIcon,
                        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                        g.preset - 1u);
    }
    // Adding selects: the player's own group, the last entry, is the one shown first.
    shownGame_ = games_->currentSelection();
    if (shownGame_ >= 0) fillMacroList(static_cast<uint8_t>(shownGame_ + 1));
    connect(games_, &CListBoxEx::listSelected, this, &CSetting_MacroDlg::gameSelected);
}

void CSetting_MacroDlg::gameSelected(int, int index) {
    if (index == shownGame_) return;
    shownGame_ = games_->currentSelection();
    if (shownGame_ >= 0) fillMacroList(static_cast<uint8_t>(shownGame_ + 1));
}

void CSetting_MacroDlg::fillMacroList(uint8_t preset) {
    macros_->setUpdatesEnabled(false);
    macros_->clear();
    // Adding selects, so the last macro of the group ends up chosen.
    for (const size_t slot : library_.listPreset(preset)) {
        const MacroEntry& m = library_.slot(slot);
        macros_->AddItem(CListBoxEx::NoIcon, QString::fromStdU16String(m.name()), m.id());
    }
    macros_->setUpdatesEnabled(true);
}

void CSetting_MacroDlg::fillChoice(PickerChoice& choice) const {
    const int selected = macros_->currentSelection();
    std::optional<uint32_t> id;
    if (selected >= 0) {
        const uint32_t stored = macros_->itemData(selected);
        if (library_.findMacroById(stored)) id = stored;
    }
    fillMacroChoice(id, choice);
}

}  // namespace z408
