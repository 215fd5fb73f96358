// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "functions/key_tables.h"

#include <array>

#include "common/text.h"
#include "functions/keyboard_layout.h"

namespace z408 {
namespace {

constexpr auto kKeyUsageTable = [] {
    std::array<KeyUsagePair, 107> t{};
    size_t n = 0;
    const auto add = [&](int usage, int key) {
        t[n++] = {static_cast<uint8_t>(usage), static_cast<uint8_t>(key)};
    };
    for (int i = 0; i < 26; ++i) add(0x04 + i, 0x41 + i);  // A..Z
    for (int i = 0; i < 9; ++i) add(0x1E + i, 0x31 + i);   // 1..9
    add(0x27, 0x30);                                       // 0
    add(0x28, 0x0D), add(0x29, 0x1B), add(0x2A, 0x08), add(0x2B, 0x09), add(0x2C, 0x20);
    add(0x2D, 0xBD), add(0x2E, 0xBB), add(0x2F, 0xDB), add(0x30, 0xDD), add(0x31, 0xDC);
    add(0x33, 0xBA), add(0x34, 0xDE), add(0x35, 0xC0), add(0x36, 0xBC), add(0x37, 0xBE);
    add(0x38, 0xBF), add(0x39, 0x14);
    for (int i = 0; i < 12; ++i) add(0x3A + i, 0x70 + i);  // F1..F12
    add(0x46, 0x2C), add(0x47, 0x91), add(0x48, 0x13), add(0x49, 0x2D), add(0x4A, 0x24);
    add(0x4B, 0x21), add(0x4C, 0x2E), add(0x4D, 0x23), add(0x4E, 0x22), add(0x4F, 0x27);
    add(0x50, 0x25), add(0x51, 0x28), add(0x52, 0x26), add(0x53, 0x90), add(0x54, 0x6F);
    add(0x55, 0x6A), add(0x56, 0x6D), add(0x57, 0x6B), add(0x58, 0x0D);
    for (int i = 0; i < 9; ++i) add(0x59 + i, 0x61 + i);  // keypad 1..9
    add(0x62, 0x60), add(0x63, 0x6E), add(0x65, 0x5D);
    add(0xE0, 0xA2), add(0xE1, 0xA0), add(0xE2, 0xA4), add(0xE3, 0x5B);
    add(0xE4, 0xA3), add(0xE5, 0xA1), add(0xE6, 0xA5), add(0xE7, 0x5C);
    add(0xF0, 0x01), add(0xF1, 0x02), add(0xF2, 0x04);  // the mouse's own button codes
    return t;
}();

struct FixedName {
    uint8_t key;
    const char* text;
};
// A table laid out by hand, as the keyboard reads.
// clang-format off
constexpr FixedName kFixedKeyNames[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},        {0x0C, "Clr"},     {0x0D, "Enter"},
    {0x10, "Shift"},     {0x11, "Ctrl"},       {0x12, "Alt"},     {0x13, "Pause"},
    {0x14, "CapsLock"},  {0x1B, "Esc"},        {0x20, "Space"},   {0x21, "PageUp"},
    {0x22, "PageDown"},  {0x23, "End"},        {0x24, "Home"},    {0x25, "Left"},
    {0x26, "Up"},        {0x27, "Right"},      {0x28, "Down"},    {0x29, "Select"},
    {0x2A, "Print"},     {0x2B, "Enter"},      {0x2C, "PrtSc SysRq"}, {0x2D, "Insert"},
    {0x2E, "Delete"},    {0x2F, "Help"},       {0x5B, "LWin"},    {0x5C, "RWin"},
    {0x5D, "App"},       {0x6A, "(*)"},        {0x6B, "(+)"},     {0x6C, "\\"},
    {0x6D, "(-)"},       {0x6E, "(.)"},        {0x6F, "(/)"},     {0x90, "Numlock"},
    {0x91, "Scroll Lock"}, {0xA0, "LShift"},   {0xA1, "RShift"},  {0xA2, "LCtrl"},
    {0xA3, "RCtrl"},     {0xA4, "LAlt"},       {0xA5, "RAlt"},
};
// clang-format on

// A table laid out by hand, as the keyboard reads.
// clang-format off
constexpr MacroKeyName kMacroKeyNames[] = {
    {0x51, "Q"}, {0x57, "W"}, {0x45, "E"}, {0x52, "R"}, {0x54, "T"}, {0x59, "Y"}, {0x55, "U"},
    {0x49, "I"}, {0x4F, "O"}, {0x50, "P"}, {0x41, "A"}, {0x53, "S"}, {0x44, "D"}, {0x46, "F"},
    {0x47, "G"}, {0x48, "H"}, {0x4A, "J"}, {0x4B, "K"}, {0x4C, "L"}, {0x5A, "Z"}, {0x58, "X"},
    {0x43, "C"}, {0x56, "V"}, {0x42, "B"}, {0x4E, "N"}, {0x4D, "M"}, {0xC0, "~"}, {0x31, "1"},
    {0x32, "2"}, {0x33, "3"}, {0x34, "4"}, {0x35, "5"}, {0x36, "6"}, {0x37, "7"}, {0x38, "8"},
    {0x39, "9"}, {0x30, "0"}, {0xBD, "-"}, {0xBB, "="}, {0x08, "Backspace"}, {0xDC, "|"},
    {0xDB, "["}, {0xDD, "]"}, {0xBA, ";"}, {0xDE, "'"}, {0x0D, "Enter"}, {0xBC, "<"},
    {0xBE, ">"}, {0xBF, "?"}, {0x09, "Tab"}, {0x14, "Cap"}, {0xA0, "L_Shift"},
    {0xA2, "L_Ctrl"}, {0xA4, "L_Alt"}, {0x5B, "L_Win"}, {0xA1, "R_Shift"}, {0xA3, "R_Ctrl"},
    {0xA5, "R_Alt"}, {0x5C, "R_Win"}, {0x20, "Space"}, {0x1B, "ESC"},
    {0x70, "F1"}, {0x71, "F2"}, {0x72, "F3"}, {0x73, "F4"}, {0x74, "F5"}, {0x75, "F6"},
    {0x76, "F7"}, {0x77, "F8"}, {0x78, "F9"}, {0x79, "F10"}, {0x7A, "F11"}, {0x7B, "F12"},
    {0x61, "NUM 1"}, {0x62, "NUM 2"}, {0x63, "NUM 3"}, {0x64, "NUM 4"}, {0x65, "NUM 5"},
    {0x66, "NUM 6"}, {0x67, "NUM 7"}, {0x68, "NUM 8"}, {0x69, "NUM 9"}, {0x60, "NUM 0"},
    {0x6D, "NUM -"}, {0x6B, "NUM +"}, {0x6A, "NUM *"}, {0x6F, "NUM /"}, {0x6C, "NUM Enter"},
    {0x6E, "NUM Del"}, {0x90, "NUM Lock"}, {0x2A, "Print"}, {0x91, "Scroll"}, {0x13, "Pause"},
    {0x2D, "Insert"}, {0x24, "Home"}, {0x2E, "Delete"}, {0x23, "End"}, {0x21, "Page Up"},
    {0x22, "Page Down"}, {0x26, "UP"}, {0x28, "DOWN"}, {0x25, "LEFT"}, {0x27, "RIGHT"},
    {0x01, "Left Button"}, {0x02, "Right Button"}, {0x04, "Middle Button"},
};
// clang-format on
static_assert(std::size(kMacroKeyNames) == 106);

}  // namespace

std::span<const KeyUsagePair> keyUsageTable() {
    return kKeyUsageTable;
}

uint8_t usageToKey(uint32_t usage) {
    for (const auto& p : kKeyUsageTable)
        if (p.usage == usage) return p.key;
    return 0;
}

uint8_t keyToUsage(uint32_t key) {
    for (const auto& p : kKeyUsageTable)
        if (p.key == key) return p.usage;
    return 0;
}

std::string keyName(uint32_t key, const KeyboardLayout& layout) {
    if (key == 0x00 || key == 0xFF) return {};
    // Appended, not built with operator+: GCC 12 at -O3 reports a false -Wrestrict inside
    // std::string for "literal" + std::to_string(...).
    if (key >= 0x60 && key <= 0x69)
        return std::string("(").append(std::to_string(key - 0x60)).append(")");
    if (key >= 0x70 && key <= 0x7B) return std::string("F").append(std::to_string(key - 0x6F));
    for (const auto& f : kFixedKeyNames)
        if (f.key == key) return f.text;
    char32_t c = layout.characterOf(key);
    if (c == 0) return {};
    if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
    return codepointToUtf8(c);
}

std::string comboText(uint32_t code, const KeyboardLayout& layout) {
    const uint8_t flags = comboModifiers(code);
    const std::string key = keyName(usageToKey(comboUsage(code)), layout);
    if (flags == 0) return key;
    struct Mod {
        uint8_t flag;
        const char* name;
    };
    constexpr Mod kOrder[] = {{modifier::Shift, "Shift"},
                              {modifier::Ctrl, "Ctrl"},
                              {modifier::Alt, "Alt"},
                              {modifier::Win, "Win"}};
    std::string text;
    for (const auto& m : kOrder) {
        if (!(flags & m.flag)) continue;
        if (!text.empty()) text += " + ";
        text += m.name;
    }
    return text + " + " + key;
}

std::span<const MacroKeyName> macroKeyNameTable() {
    return kMacroKeyNames;
}

std::string_view macroKeyName(uint32_t code) {
    const auto low = static_cast<uint8_t>(code);
    for (const auto& row : kMacroKeyNames)
        if (row.key == low) return row.text;
    return {};
}

}  // namespace z408
