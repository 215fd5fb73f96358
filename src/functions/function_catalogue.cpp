// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "functions/function_catalogue.h"

#include <algorithm>

#include "common/program_texts.h"
#include "common/text.h"

namespace z408 {
namespace {

using K = FunctionKind;
constexpr CatalogueEntry kCatalogue[] = {
    {fn::Click, "单击", "Click", K::MouseButton, "str_mouseleft"},
    {fn::Menu, "菜单", "Menu", K::MouseButton, "str_mouseright"},
    {fn::Middle, "中键", "Middle", K::MouseButton, "str_mousemiddle"},
    {fn::KeyCombination, "", "", K::KeyCombination, ""},
    {fn::Macro, "", "", K::Macro, ""},
    {fn::Forward, "前进", "Forward", K::MouseButton, "str_pre"},
    {fn::ScrollUp, "滚轮前滚", "Scroll up", K::Wheel, ""},
    {fn::Back, "后退", "Back", K::MouseButton, "str_back"},
    {fn::Software, "", "", K::Software, ""},
    {fn::Scroll, "滚轮后滚", "Scroll", K::Wheel, ""},
    {fn::PlayPause, "播放/暂停", "Play/Pause", K::MediaKey, "str_PL"},
    {fn::Stop, "停止", "Stop", K::MediaKey, "str_stop"},
    {fn::Previous, "上一曲", "Previous", K::MediaKey, "str_pre_media"},
    {fn::Next, "下一曲", "Next", K::MediaKey, "str_next_media"},
    {fn::VolumeUp, "音量+", "Volume up", K::MediaKey, "str_vol_up"},
    {fn::VolumeDown, "音量-", "Volume down", K::MediaKey, "str_vol_dw"},
    {fn::Mute, "静音", "Mute", K::MediaKey, "str_mute"},
    {fn::Music, "音乐", "Music", K::MediaKey, "str_player"},
    {fn::CloseWindow, "关闭窗口", "Close window", K::SystemShortcut, "str_close"},
    {fn::LockPc, "锁定电脑", "Lock PC", K::SystemShortcut, "str_lock"},
    {fn::Run, "运行", "Run", K::SystemShortcut, "str_run"},
    {fn::ShowDesktop, "显示桌面", "Show desktop", K::SystemShortcut, "str_show"},
    {fn::Disable, "禁用按键", "Disable key", K::Disable, ""},
    {fn::ClassicDesktop, "进入传统界面", "Enter classic desktop", K::SystemShortcut,
     "str_win8_classic"},
    {fn::SwitchApps, "切换应用程序", "Switch applications", K::SystemShortcut, "str_win8_switch"},
    {fn::Search, "搜索", "Search", K::SystemShortcut, "str_find"},
    {fn::ZoomIn, "放大", "sreen zoom in", K::SystemShortcut, "str_win8_winp"},
    {fn::ZoomOut, "缩小", "sreen zoom out", K::SystemShortcut, "str_win8_winm"},
    {fn::Snipe, "狙击键", "SNIPE", K::Sniper, "str_snipe"},
    {fn::Fire, "火力", "FIRE", K::Fire, "str_fire"},
};

constexpr NamePair kTranslatablePairs[] = {
    {"单击", "Click"},           {"中键", "Middle"}, {"菜单", "Menu"},
    {"前进", "Forward"},         {"后退", "Back"},   {"滚轮前滚", "Scroll up"},
    {"滚轮后滚", "Scroll down"},
};
// The function each pair names, in the pairs' order.
constexpr FunctionType kPairFunctions[] = {fn::Click, fn::Middle,   fn::Menu,  fn::Forward,
                                           fn::Back,  fn::ScrollUp, fn::Scroll};
static_assert(std::size(kPairFunctions) == std::size(kTranslatablePairs));

// The program's own text for the functions without a language key.
std::optional<ProgramText> ownFunctionText(FunctionType type) {
    switch (type) {
        case fn::ScrollUp:
            return ProgramText::FunctionScrollUp;
        case fn::Scroll:
            return ProgramText::FunctionScrollDown;
        case fn::Disable:
            return ProgramText::FunctionDisableKey;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::span<const CatalogueEntry> functionCatalogue() {
    return kCatalogue;
}

const CatalogueEntry* findFunction(FunctionType type) {
    const auto* it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                  [&](const CatalogueEntry& e) { return e.type == type; });
    return it == std::end(kCatalogue) ? nullptr : it;
}

std::string_view functionName(FunctionType type, bool chinese) {
    const CatalogueEntry* e = findFunction(type);
    if (!e) return {};
    return chinese ? e->chineseName : e->englishName;
}

std::span<const NamePair> translatableNamePairs() {
    return kTranslatablePairs;
}

std::optional<std::string_view> translatedBuiltInName(std::string_view name, bool chinese) {
    for (const NamePair& pair : kTranslatablePairs) {
        if (name == pair.chinese) return chinese ? std::nullopt : std::optional(pair.english);
        if (name == pair.english) return chinese ? std::optional(pair.chinese) : std::nullopt;
    }
    return std::nullopt;
}

bool isBuiltInName(FunctionType type, std::string_view name) {
    if (name.empty()) return false;
    if (name == functionName(type, false) || name == functionName(type, true)) return true;
    for (size_t i = 0; i < std::size(kTranslatablePairs); ++i)
        if (kPairFunctions[i] == type &&
            (name == kTranslatablePairs[i].chinese || name == kTranslatablePairs[i].english))
            return true;
    return false;
}

std::u16string shownFunctionName(FunctionType type, std::u16string_view stored, int64_t languageId,
                                 std::u16string_view languageText) {
    const bool storedLanguage = languageId == 1 || languageId == 2;  // Chinese, English
    if (storedLanguage || !isBuiltInName(type, utf16ToUtf8(stored))) return std::u16string(stored);
    if (!languageText.empty()) return std::u16string(languageText);
    if (const std::optional<ProgramText> own = ownFunctionText(type))
        return utf8ToUtf16(programText(*own, languageId));
    return std::u16string(stored);
}

std::optional<SoftwareKind> softwareKindFromValue(uint32_t value) {
    switch (value) {
        case 0xC0:
        case 0xD0:
        case 0xE0:
        case 0xF0:
            return static_cast<SoftwareKind>(value);
        default:
            return std::nullopt;
    }
}

std::string_view softwareKindName(SoftwareKind kind) {
    switch (kind) {
        case SoftwareKind::Sound:
            return "play sound";
        case SoftwareKind::Program:
            return "start program";
        case SoftwareKind::File:
            return "open file";
        case SoftwareKind::Folder:
            return "open folder";
    }
    return {};
}

uint32_t softwarePickerValue(SoftwareKind kind, int button) {
    const uint32_t k = (static_cast<uint32_t>(kind) - 0xC0u) / 0x10u;
    return ((0xC0u + 0x10u * k + static_cast<uint32_t>(button)) << 16) | 0x0006u;
}

}  // namespace z408
