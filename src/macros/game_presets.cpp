// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "macros/game_presets.h"

#include <array>

#include "common/program_texts.h"

namespace z408 {
namespace {

constexpr std::array<GamePreset, kGamePresetCount> kTable = {{
    {1, "战地 3 ", "战地 3", "Battlefield 3 ", "Battlefield 3"},
    {2, "星球大战:旧共和国", "星球大战:旧共和国", "Star Wars: The Old Republic",
     "Star Wars: The Old Republic"},
    {3, "反恐精英:全球攻势", "反恐精英:全球攻势", "Counter-Strike: Global Offensive",
     "Counter-Strike: Global Offensive"},
    {4, "上古卷轴5：天际", "上古卷轴5：天际", "Elder Scrolls V: Skyrim", "Elder Scrolls V: Skyrim"},
    {5, "军团要塞2", "军团要塞 2", "Team Fortress 2", "Team Fortress 2"},
    {6, "蝙蝠侠：阿甘之城", "蝙蝠侠：阿甘之城", "Batman Arkham City", "Batman Arkham City"},
    {7, "文明 5 ", "文明 5 ", "Civilization 5 ", "Civilization 5 "},
    {8, "坦克世界", "坦克世界", "World of Tanks", "World of Tanks"},
    {9, "无主之地 2", "无主之地 2", "Borderlands 2", "Borderlands 2"},
    {10, "纪元 2070：雷诺起源", "纪元 2070：雷诺起源", "Anno 2070", "Anno 2070"},
    {11, "英雄联盟(LOL)", "英雄联盟(LOL)", "League of Legends", "League of Legends"},
    {12, "足球经理 2013 (EA)", "足球经理 2013 (EA)", "Football Manager 2013 (EA)",
     "Football Manager 2013 (EA)"},
    {13, "远古遗迹守卫2（Dota 2） ", "远古遗迹守卫2（Dota 2）", "Dota 2 ", "Dota 2 "},
    {14, "战地 4", "战地 4", "Battlefield 4", "Battlefield 4"},
    {15, "战机世界", "战机世界", "World of Warplanes", "World of Warplanes"},
    {16, "足球经理 2013 (SEGA)", "足球经理 2013 (SEGA)", "Football Manager 2013 (SEGA)",
     "Football Manager 2013 (SEGA)"},
    {17, "我的世界", "我的世界", "Minecraft", "Minecraft"},
    {18, "无冬之夜", "无冬之夜", "Neverwinter", "Neverwinter"},
    {19, "流亡黯道", "流亡黯道", "Path of Exile", "Path of Exile"},
    {20, "战争雷霆", "战争雷霆", "War Thunder", "War Thunder"},
    // The button's label is stored nowhere: it shows the word without the old typo.
    {21, "玩家自定义", "玩家自定义", "Customize", "Customize"},
}};

}  // namespace

std::span<const GamePreset> gamePresetTable() {
    return kTable;
}

const GamePreset* findGamePreset(uint32_t preset) {
    if (preset < 1 || preset > kGamePresetCount) return nullptr;
    return &kTable[preset - 1];
}

std::string_view gamePresetLabel(uint32_t preset, bool chinese) {
    const GamePreset* p = findGamePreset(preset);
    if (!p) return {};
    return chinese ? p->chineseLabel : p->englishLabel;
}

std::string_view gamePresetCaption(uint32_t preset, bool chinese, int64_t languageId) {
    if (preset == kCustomGamePreset) return programText(ProgramText::PresetCustomize, languageId);
    return gamePresetLabel(preset, chinese);
}

std::string_view gamePresetMenuText(uint32_t preset, bool chinese) {
    const GamePreset* p = findGamePreset(preset);
    if (!p) return {};
    return chinese ? p->chineseMenu : p->englishMenu;
}

std::string_view gamePresetPickerText(uint32_t preset, bool chinese, int64_t languageId) {
    if (chinese && preset == 13) return gamePresetMenuText(preset, true);
    return gamePresetCaption(preset, chinese, languageId);
}

}  // namespace z408
