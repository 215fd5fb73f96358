// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The games macros are grouped under: presets 1..20 are game titles, 21 the player's own group.
// The preset menu shows the menu texts, the preset button the label texts; trailing spaces are
// part of the texts.
#include <cstdint>
#include <span>
#include <string_view>

namespace z408 {

inline constexpr uint8_t kGamePresetCount = 21;
inline constexpr uint8_t kCustomGamePreset = 21;

struct GamePreset {
    uint8_t preset;  // 1..21
    std::string_view chineseMenu;
    std::string_view chineseLabel;
    std::string_view englishMenu;
    std::string_view englishLabel;
};

// The 21 presets in their order (preset 1 first).
std::span<const GamePreset> gamePresetTable();
// nullptr for a preset outside 1..21 (a macro id from a file may carry any byte).
const GamePreset* findGamePreset(uint32_t preset);

// Text of the preset button after a choice; empty for an unknown preset.
std::string_view gamePresetLabel(uint32_t preset, bool chinese);
std::string_view gamePresetMenuText(uint32_t preset, bool chinese);
// The preset button's text: a game's title as the label has it (`chinese` picks the title's
// script), the player's own group worded in the language `languageId` (1..12).
std::string_view gamePresetCaption(uint32_t preset, bool chinese, int64_t languageId);
// The game list of the function picker's macro tab: the preset button's texts, except that
// Chinese Dota 2 keeps the menu text with its trailing space.
std::string_view gamePresetPickerText(uint32_t preset, bool chinese, int64_t languageId);

}  // namespace z408
