// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What each page of the function picker turns its state into, and the key-combination page's
// capture of keys and modifier boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "functions/key_tables.h"
#include "functions/keyboard_layout.h"
#include "functions/picker_rules.h"

namespace z408 {
namespace {

constexpr uint32_t kPress = 0, kRelease = 0x80;

PickerChoice forButton(int button) {
    PickerChoice c;
    c.button = button;
    return c;
}

TEST(PickerRules, BasicListIsTheCataloguesPickerEntriesInListOrder) {
    const auto list = basicListFunctions();
    ASSERT_EQ(list.size(), 24u);
    EXPECT_EQ(list.front(), fn::CloseWindow);
    EXPECT_EQ(list[9], fn::Click);
    EXPECT_EQ(list[14], fn::Music);
    EXPECT_EQ(list.back(), fn::Fire);
    // Every entry has a label, and every labelled catalogue entry is in the list once.
    size_t labelled = 0;
    for (const CatalogueEntry& e : functionCatalogue()) {
        if (e.pickerKey.empty()) continue;
        ++labelled;
        EXPECT_EQ(std::count(list.begin(), list.end(), e.type), 1) << e.type;
    }
    EXPECT_EQ(labelled, list.size());
}

TEST(PickerRules, BasicChoiceTakesThePositionsFunctionAndLeavesTheKind) {
    struct Case {
        int selected;
        uint32_t value;
    } cases[] = {{23, fn::Fire}, {0, fn::CloseWindow}, {6, fn::ZoomIn}, {-1, 0}, {24, 0}};
    for (const Case& c : cases) {
        PickerChoice choice = forButton(2);
        choice.value = 99;
        fillBasicChoice(c.selected, choice);
        EXPECT_EQ(choice.value, c.value) << c.selected;
        EXPECT_EQ(choice.kind, 0u);
    }
}

TEST(PickerRules, DefaultDisableAndMacroChoices) {
    for (int b = 0; b < kButtonCount; ++b) {
        PickerChoice c = forButton(b);
        fillDefaultChoice(c);
        EXPECT_EQ(c.value, kDefaultFunctionTable[static_cast<size_t>(b)]);
        EXPECT_EQ(c.kind, 0u);
    }
    PickerChoice wheel = forButton(5);
    fillDefaultChoice(wheel);
    EXPECT_EQ(wheel.value, fn::ScrollUp);
    for (int b : {-1, 7, 1000}) {
        PickerChoice c = forButton(b);
        fillDefaultChoice(c);
        EXPECT_EQ(c.value, 0u) << b;
    }

    PickerChoice disabled = forButton(0);
    fillDisableChoice(disabled);
    EXPECT_EQ(disabled.value, 7u);
    EXPECT_EQ(choiceFunction(disabled), fn::Disable);

    PickerChoice macro = forButton(3);
    fillMacroChoice(0x15000123u, macro);
    EXPECT_EQ(macro.value, 0x15000123u);
    EXPECT_EQ(macro.kind, fn::Macro);
    PickerChoice none = forButton(3);
    none.value = 5;
    fillMacroChoice(std::nullopt, none);
    EXPECT_EQ(none.value, 0u);
}

TEST(PickerRules, SoftwareChoiceIsTheFirstChosenRowWithAPath) {
    const std::u16string program = u"/usr/bin/gimp";
    struct Case {
        const char* what;
        std::array<bool, 4> chosen;
        std::array<std::u16string, 4> paths;
        int button;
        uint32_t value;
        int32_t kindIndex;
        std::u16string path;
    } cases[] = {
        {"program row",
         {false, true, false, false},
         {u"", program, u"", u""},
         2,
         (0xD2u << 16) | 6,
         1,
         program},
        {"folder row on button 6",
         {false, false, false, true},
         {u"", u"", u"", u"/home/u"},
         6,
         (0xF6u << 16) | 6,
         3,
         u"/home/u"},
        {"chosen row without a path",
         {false, false, true, false},
         {u"", u"", u"", u""},
         0,
         0,
         0,
         u""},
        {"path on another row than the chosen one",
         {true, false, false, false},
         {u"", u"", u"", u"/home/u"},
         0,
         0,
         0,
         u""},
        {"nothing chosen", {}, {u"/a.wav", u"", u"", u""}, 0, 0, 0, u""},
    };
    for (const Case& c : cases) {
        PickerChoice choice = forButton(c.button);
        fillSoftwareChoice({c.chosen, c.paths}, choice);
        EXPECT_EQ(choice.value, c.value) << c.what;
        if (c.value == 0) continue;
        EXPECT_EQ(choice.kind, fn::Software) << c.what;
        EXPECT_EQ(choice.softwareKindIndex, c.kindIndex) << c.what;
        EXPECT_EQ(choice.path, c.path) << c.what;
    }
}

TEST(PickerRules, APathTooLongForTheFieldIsNotChosenShortened) {
    SoftwareRows rows;
    rows.chosen[2] = true;
    rows.paths[2] = u"/" + std::u16string(kMaxPathUnits - 1, u'a');
    PickerChoice fits = forButton(0);
    fillSoftwareChoice(rows, fits);
    EXPECT_EQ(fits.path.size(), kMaxPathUnits);
    EXPECT_EQ(fits.value, (0xE0u << 16) | 6);

    rows.paths[2] += u'b';
    PickerChoice tooLong = forButton(0);
    fillSoftwareChoice(rows, tooLong);
    EXPECT_EQ(tooLong.value, 0u);
    EXPECT_TRUE(tooLong.path.empty());
}

// Key events as the hook reports them, then the boxes clicked on, and what OK makes of it.
TEST(KeyCapture, FillChoiceFromKeysAndBoxes) {
    struct Event {
        uint32_t key, flags;
    };
    struct Case {
        const char* what;
        std::vector<Event> keys;
        std::vector<KeyCapture::Box> clicked;
        uint32_t value;
        const char* text;  // comboText of the value, when there is one
    } cases[] = {
        {"Ctrl then A",
         {{0xA2, kPress}, {0xA2, kRelease}, {0x41, kPress}, {0x41, kRelease}},
         {},
         makeComboCode(modifier::Ctrl, 0x04),
         "Ctrl + A"},
        {"Ctrl pressed twice is off again",
         {{0x11, kPress}, {0x11, kRelease}, {0x11, kPress}, {0x11, kRelease}},
         {},
         0,
         nullptr},
        {"A then B: the last key",
         {{0x41, kPress}, {0x42, kPress}},
         {KeyCapture::Shift},
         makeComboCode(modifier::Shift, 0x05),
         "Shift + B"},
        {"Shift box alone is the left Shift key",
         {},
         {KeyCapture::Shift},
         makeComboCode(0, kUsageLeftShift),
         "LShift"},
        {"Ctrl and Alt boxes without a key", {}, {KeyCapture::Ctrl, KeyCapture::Alt}, 0, nullptr},
        {"nothing", {}, {}, 0, nullptr},
        {"Enter is a key like others", {{0x0D, kPress}}, {}, makeComboCode(0, 0x28), "Enter"},
        {"a key without usage", {{0xAD, kPress}}, {}, 0, nullptr},
        {"a key without usage and one box",
         {{0xAD, kPress}},
         {KeyCapture::Win},
         makeComboCode(0, kUsageLeftWin),
         nullptr},
        {"a key without usage and two boxes",
         {{0xAD, kPress}},
         {KeyCapture::Win, KeyCapture::Ctrl},
         0,
         nullptr},
        {"a code above 0xFF", {{0x141, kPress}}, {}, 0, nullptr},
        {"release alone sets the key",
         {{0x46, kRelease}},
         {KeyCapture::Alt},
         makeComboCode(modifier::Alt, 0x09),
         "Alt + F"},
        {"every box and F4",
         {{0x73, kPress}},
         {KeyCapture::Ctrl, KeyCapture::Alt, KeyCapture::Shift, KeyCapture::Win},
         makeComboCode(0x0F, 0x3D),
         "Shift + Ctrl + Alt + Win + F4"},
        {"right Alt and Win keys toggle",
         {{0xA5, kPress}, {0x5C, 1}, {0x44, kPress}},
         {},
         makeComboCode(modifier::Alt | modifier::Win, 0x07),
         "Alt + Win + D"},
    };
    for (const Case& c : cases) {
        KeyCapture capture;
        for (const Event& e : c.keys) capture.keyEvent(e.key, e.flags);
        for (KeyCapture::Box b : c.clicked) capture.toggleBox(b);
        PickerChoice choice;
        capture.fillChoice(choice);
        EXPECT_EQ(choice.kind, fn::KeyCombination) << c.what;
        EXPECT_EQ(choice.value, c.value) << c.what;
        if (c.text) {
            EXPECT_EQ(comboText(choice.value, UsKeyboardLayout::instance()), c.text) << c.what;
        }
    }
}

TEST(KeyCapture, OnlyPlainPressFlagsToggleABoxAndModifiersNeverBecomeTheKey) {
    struct Case {
        uint32_t flags;
        bool toggles;
    } cases[] = {{0, true},   {1, true},   {16, true},    {17, true},    {32, true},    {33, true},
                 {48, false}, {49, false}, {0x80, false}, {0x81, false}, {0xA0, false}, {2, false}};
    for (const Case& c : cases) {
        KeyCapture capture;
        EXPECT_FALSE(capture.keyEvent(0xA0, c.flags));
        EXPECT_EQ(capture.boxOn(KeyCapture::Shift), c.toggles) << c.flags;
        EXPECT_EQ(capture.key(), 0u);
    }
}

}  // namespace
}  // namespace z408
