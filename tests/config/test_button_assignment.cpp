// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "common/binary.h"
#include "common/text.h"
#include "config/button_assignment.h"
#include "functions/key_tables.h"

namespace z408 {
namespace {

constexpr uint32_t kMacroId = 0x15000007;
const std::u16string kMacroName = u"Quick buy";

PickerChoice pick(int button, uint32_t value, uint32_t kind, int softwareKind = 0,
                  std::u16string path = {}) {
    PickerChoice c;
    c.button = button;
    c.value = value;
    c.kind = kind;
    c.softwareKindIndex = softwareKind;
    c.path = std::move(path);
    return c;
}

AssignmentContext context(bool chinese = false) {
    AssignmentContext c;
    c.chinese = chinese;
    c.languageId = chinese ? 1 : 2;
    c.macroName = [](uint32_t id) -> std::optional<std::u16string> {
        if (id == kMacroId) return kMacroName;
        return std::nullopt;
    };
    return c;
}

// Raw fields of button b, read at the record's offsets without the accessors under test.
uint32_t field(const ProfileSettings& p, int b, size_t off) {
    return le::get32(p.image(), 4 + 3148 * static_cast<size_t>(b) + off);
}
std::u16string text(const ProfileSettings& p, int b, size_t off) {
    return readUtf16Field(p.image(), 4 + 3148 * static_cast<size_t>(b) + off, 260);
}

// Button 3 as a program launcher, so what each kind keeps or replaces shows.
ProfileSettings withSoftwareOnButton3() {
    ProfileSettings p = ProfileSettings::defaults(false);
    MacroIdList ids{};
    EXPECT_TRUE(
        assignFunction(p, ids, pick(3, 0x00D30006, fn::Software, 1, u"/usr/bin/xterm"), context())
            .assigned());
    return p;
}

TEST(ButtonAssignment, EachKindFillsItsFields) {
    const uint32_t ctrlA = makeComboCode(modifier::Ctrl, 0x04);
    struct Case {
        const char* what;
        PickerChoice choice;
        bool chinese;
        uint32_t function, macroId, softwareKind, binding, softwareValue;
        std::u16string path, name;
    } cases[] = {
        {"basic list, English", pick(3, fn::PlayPause, 0), false, 32, 0, 0xD0, 0, 0x00D30006,
         u"/usr/bin/xterm", u"Play/Pause"},
        {"basic list, Chinese", pick(3, fn::Menu, 0), true, 2, 0, 0xD0, 0, 0x00D30006,
         u"/usr/bin/xterm", u"菜单"},
        {"default button on the wheel", pick(6, fn::Scroll, 0), false, 22, 0, 0, 0, 0, u"",
         u"Scroll"},
        {"disable box", pick(3, 7, fn::Disable), false, 121, 0, 0xD0, 0, 0x00D30006,
         u"/usr/bin/xterm", u"Disable key"},
        {"key combination", pick(3, ctrlA, fn::KeyCombination), false, 5, 0, 0xD0, ctrlA,
         0x00D30006, u"/usr/bin/xterm", u"Ctrl + A"},
        {"macro", pick(3, kMacroId, fn::Macro), false, 6, kMacroId, 0xD0, 0, 0x00D30006,
         u"/usr/bin/xterm", kMacroName},
        {"folder", pick(4, 0x00F40006, fn::Software, 3, u"/home/u/Music"), false, 19, 0, 0xF0, 0,
         0x00F40006, u"/home/u/Music", u"/home/u/Music"},
        {"sound", pick(3, 0x00C30006, fn::Software, 0, u"/a.wav"), false, 19, 0, 0xC0, 0,
         0x00C30006, u"/a.wav", u"/a.wav"},
    };
    for (const auto& c : cases) {
        ProfileSettings p = withSoftwareOnButton3();
        const ProfileSettings before = p;
        MacroIdList ids{9, 9, 9, 9, 9, 9, 9};
        ASSERT_TRUE(assignFunction(p, ids, c.choice, context(c.chinese)).assigned()) << c.what;
        const int b = c.choice.button;
        EXPECT_EQ(field(p, b, 0), c.function) << c.what;
        EXPECT_EQ(field(p, b, 4), c.macroId) << c.what;
        EXPECT_EQ(field(p, b, 8), c.softwareKind) << c.what;
        EXPECT_EQ(field(p, b, 16), c.binding) << c.what;
        EXPECT_EQ(field(p, b, 20), c.softwareValue) << c.what;
        EXPECT_EQ(text(p, b, 24), c.path) << c.what;
        EXPECT_EQ(text(p, b, 548), c.name) << c.what;
        // The MacroIdList follows: the macro's id for a macro, 0 for anything else.
        MacroIdList expectedIds{9, 9, 9, 9, 9, 9, 9};
        expectedIds[static_cast<size_t>(b)] = c.macroId;
        EXPECT_EQ(ids, expectedIds) << c.what;
        // Nothing outside the button's record moved.
        for (int other = 0; other < kButtonCount; ++other) {
            if (other != b) {
                EXPECT_EQ(text(p, other, 548), text(before, other, 548)) << c.what;
            }
        }
        EXPECT_TRUE(
            std::equal(p.image().begin() + 22040, p.image().end(), before.image().begin() + 22040))
            << c.what;
    }
}

TEST(ButtonAssignment, RefusalsChangeNothing) {
    const std::u16string longest(259, u'x');
    struct Case {
        const char* what;
        PickerChoice choice;
        AssignmentVerdict verdict;
        bool hasMessage;
    } cases[] = {
        {"nothing chosen", pick(0, 0, 0), AssignmentVerdict::NothingChosen, false},
        {"last left click", pick(0, fn::Menu, 0), AssignmentVerdict::RefusedLeftClick, true},
        {"sniper on the wheel", pick(5, fn::Snipe, 0), AssignmentVerdict::RefusedSniper, true},
        {"macro no longer there", pick(3, 0x15000999, fn::Macro), AssignmentVerdict::MacroMissing,
         true},
        {"path of 260 units", pick(3, 0x00D30006, fn::Software, 1, longest + u"y"),
         AssignmentVerdict::PathTooLong, true},
        {"software kind 4", pick(3, 0x00D30006, fn::Software, 4, u"/a"),
         AssignmentVerdict::InvalidChoice, false},
        {"software without a path", pick(3, 0x00D30006, fn::Software, 1),
         AssignmentVerdict::InvalidChoice, false},
        {"basic list value that is no function", pick(3, 36, 0), AssignmentVerdict::InvalidChoice,
         false},
        {"disable box's internal value as a function", pick(3, 7, 0),
         AssignmentVerdict::InvalidChoice, false},
        {"combination without a key", pick(3, 0x100, fn::KeyCombination),
         AssignmentVerdict::InvalidChoice, false},
        {"combination with stray bits", pick(3, 0x01040100, fn::KeyCombination),
         AssignmentVerdict::InvalidChoice, false},
        {"unknown kind", pick(3, 1, 8), AssignmentVerdict::InvalidChoice, false},
        {"button 7", pick(7, fn::Menu, 0), AssignmentVerdict::InvalidChoice, false},
        {"button -1", pick(-1, fn::Menu, 0), AssignmentVerdict::InvalidChoice, false},
    };
    for (const auto& c : cases) {
        ProfileSettings p = withSoftwareOnButton3();
        const ProfileSettings before = p;
        MacroIdList ids{1, 2, 3, 4, 5, 6, 7};
        const AssignmentResult r = assignFunction(p, ids, c.choice, context());
        EXPECT_EQ(r.verdict, c.verdict) << c.what;
        EXPECT_EQ(!r.message.empty(), c.hasMessage) << c.what;
        EXPECT_EQ(p, before) << c.what;
        EXPECT_EQ(ids, (MacroIdList{1, 2, 3, 4, 5, 6, 7})) << c.what;
    }

    // The program's own refusals speak the interface language.
    ProfileSettings p = ProfileSettings::defaults(false);
    MacroIdList ids{};
    AssignmentContext russian = context();
    russian.languageId = 10;
    EXPECT_EQ(assignFunction(p, ids, pick(3, 0x15000999, fn::Macro), russian).message,
              "Выбранный макрос больше не существует; кнопка сохраняет свою функцию.");

    // The longest path that fits goes in whole, with its terminator.
    ASSERT_TRUE(assignFunction(p, ids, pick(3, 0x00D30006, fn::Software, 1, longest), context())
                    .assigned());
    EXPECT_EQ(text(p, 3, 24), longest);
    EXPECT_EQ(text(p, 3, 548), longest);
}

TEST(ButtonAssignment, DisplayNameTranslationBeforeThePickerOpens) {
    ProfileSettings p = ProfileSettings::defaults(false);
    EXPECT_TRUE(translateDisplayName(p, 0, true));
    EXPECT_EQ(p.button(0).displayName(), u"单击");
    EXPECT_FALSE(translateDisplayName(p, 0, true));  // already Chinese
    EXPECT_FALSE(translateDisplayName(p, 6, true));  // "Scroll" is no pair member
    p.button(6).setDisplayName(u"Scroll down");
    EXPECT_TRUE(translateDisplayName(p, 6, true));
    EXPECT_EQ(p.button(6).displayName(), u"滚轮后滚");
    EXPECT_TRUE(translateDisplayName(p, 6, false));
    EXPECT_EQ(p.button(6).displayName(), u"Scroll down");
    EXPECT_FALSE(translateDisplayName(p, 7, true));
}

TEST(ButtonAssignment, HostileDisplayNameWithoutTerminatorStaysInItsField) {
    ProfileSettings p = ProfileSettings::defaults(false);
    // Button 0's name field filled to the last unit with "Click" repeated, no terminator; the
    // reserved bytes after it carry a pattern that must survive.
    ProfileImage img = p.image();
    const size_t name = 4 + 548, after = name + 520;
    for (size_t i = 0; i < 260; ++i) le::put16(img, name + 2 * i, u"Click"[i % 5]);
    for (size_t i = 0; i < 16; ++i) img[after + i] = 0xA5;
    p.assign(img);
    EXPECT_FALSE(translateDisplayName(p, 0, true));
    EXPECT_EQ(p.button(0).displayName().size(), 259u);

    MacroIdList ids{};
    ASSERT_TRUE(assignFunction(p, ids, pick(0, fn::Click, 0), context(true)).assigned());
    EXPECT_EQ(p.button(0).displayName(), u"单击");
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(p.image()[after + i], 0xA5) << i;
}

}  // namespace
}  // namespace z408
