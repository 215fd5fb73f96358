// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <set>

#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"

namespace z408 {
namespace {

const KeyboardLayout& us = UsKeyboardLayout::instance();

TEST(KeyTables, UsageTableShapeAndFirstPairWins) {
    EXPECT_EQ(keyUsageTable().size(), 107u);
    EXPECT_EQ(keyToUsage(0x0D), 0x28);  // Enter before keypad Enter
    EXPECT_EQ(usageToKey(0x58), 0x0D);
    EXPECT_EQ(keyToUsage(0xAD), 0);
    EXPECT_EQ(usageToKey(0x32), 0);
    EXPECT_EQ(usageToKey(0x64), 0);
    EXPECT_EQ(keyToUsage(0x141), 0);  // above a byte: no pair
    // Every pair converts back to itself except the second Enter.
    for (const auto& p : keyUsageTable()) {
        EXPECT_EQ(usageToKey(p.usage), p.key);
        if (p.usage != 0x58) {
            EXPECT_EQ(keyToUsage(p.key), p.usage) << int(p.key);
        }
    }
}

TEST(KeyTables, KeyNames) {
    struct Case {
        uint32_t key;
        const char* name;
    } cases[] = {
        {0x41, "A"},      {0x5A, "Z"},    {0x30, "0"},
        {0xBA, ";"},      {0xDE, "'"},    {0x0D, "Enter"},
        {0x2B, "Enter"},  {0x1B, "Esc"},  {0x91, "Scroll Lock"},
        {0x6C, "\\"},     {0x60, "(0)"},  {0x69, "(9)"},
        {0x70, "F1"},     {0x7B, "F12"},  {0x2C, "PrtSc SysRq"},
        {0xA0, "LShift"}, {0x5B, "LWin"}, {0x00, ""},
        {0xFF, ""},       {0x100, ""},    {0xAD, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(keyName(c.key, us), c.name) << std::hex << c.key;
}

TEST(KeyTables, KeyNameUsesTheLayoutAndUppercasesLetters) {
    struct Azerty : KeyboardLayout {
        char32_t characterOf(uint32_t key) const override {
            return key == 0x51 ? U'a' : key == 0x32 ? U'é' : 0;
        }
    } azerty;
    EXPECT_EQ(keyName(0x51, azerty), "A");
    EXPECT_EQ(keyName(0x32, azerty), "é");
    EXPECT_EQ(keyName(0x41, azerty), "");
}

TEST(KeyTables, ComboTexts) {
    using namespace modifier;
    struct Case {
        uint32_t code;
        const char* text;
    } cases[] = {
        {makeComboCode(0, 0x04), "A"},
        {makeComboCode(0, kUsageLeftShift), "LShift"},
        {makeComboCode(Alt, 0x3D), "Alt + F4"},
        {makeComboCode(Ctrl | Shift, 0x04), "Shift + Ctrl + A"},
        {makeComboCode(Win | Alt, 0x3D), "Alt + Win + F4"},
        {makeComboCode(Ctrl | Shift | Alt | Win, 0x09), "Shift + Ctrl + Alt + Win + F"},
        {makeComboCode(Ctrl, 0x58), "Ctrl + Enter"},
    };
    for (const auto& c : cases) EXPECT_EQ(comboText(c.code, us), c.text) << std::hex << c.code;
    EXPECT_EQ(makeComboCode(Ctrl, 0x09), 0x00090100u);
}

TEST(KeyTables, MacroKeyNames) {
    EXPECT_EQ(macroKeyNameTable().size(), 106u);
    EXPECT_EQ(macroKeyName(0xC0000041), "A");
    EXPECT_EQ(macroKeyName(0xE0000041), "A");
    EXPECT_EQ(macroKeyName(0x6C), "NUM Enter");
    EXPECT_EQ(macroKeyName(0x1B), "ESC");
    EXPECT_EQ(macroKeyName(0x91), "Scroll");
    EXPECT_EQ(macroKeyName(0x04), "Middle Button");
    EXPECT_EQ(macroKeyName(0xAD), "");
    EXPECT_EQ(macroKeyName(0x2C), "");  // no row for Print Screen
    std::set<uint8_t> keys;
    for (const auto& r : macroKeyNameTable()) keys.insert(r.key);
    EXPECT_EQ(keys.size(), 106u);
}

}  // namespace
}  // namespace z408
