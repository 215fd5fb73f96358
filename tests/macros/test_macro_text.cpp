// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Macros as text: what a text becomes, what is refused and where, and stored macros written out
// and read back to the same record.
#include <gtest/gtest.h>

#include <algorithm>

#include "macro_fixtures.h"
#include "macros/macro_text.h"

namespace z408 {
namespace {

using test::delay;
using test::keyDown;
using test::keyUp;

std::vector<uint32_t> eventsOf(const MacroEntry& m) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < m.eventCount(); ++i) out.push_back(m.event(i));
    return out;
}

MacroEntry build(std::string_view text, uint32_t id = 0x15000001) {
    MacroTextError error;
    const auto parsed = parseMacroText(text, error);
    EXPECT_TRUE(parsed) << "line " << error.line << ": " << error.message;
    if (!parsed) return {};
    return buildMacroFromText(*parsed, id, parsed->name.value_or(u"M")).entry;
}

TEST(MacroText, TextsBecomeTheRecordsThePageWouldStore) {
    struct Case {
        const char* what;
        const char* text;
        std::vector<uint32_t> events;
        uint32_t loop;
    };
    const Case cases[] = {
        {"names, codes, comments, blank lines and any case",
         "# reload\n\nloop 3\ndown A\r\ndelay 250\n  up   a  \ndown 0x70\nup F1\n",
         {keyDown(0x41), delay(250), keyUp(0x41), keyDown(0x70), keyUp(0x70)},
         3},
        {"names with spaces",
         "down Page Up\nup page up\ndown Left Button\nup left button\ndown NUM 1\nup NUM 1\n",
         {keyDown(0x21), keyUp(0x21), keyDown(0x01), keyUp(0x01), keyDown(0x61), keyUp(0x61)},
         1},
        {"adjacent delays merge, capped at 327670",
         "down A\ndelay 200\ndelay 300\nup A\n"
         "delay 300000\ndelay 300000\ndown B\nup B\n",
         {keyDown(0x41), delay(500), keyUp(0x41), delay(327670), keyDown(0x42), keyUp(0x42)},
         1},
        {"a leading delay is dropped", "delay 40\ndown A\nup A\n", {keyDown(0x41), keyUp(0x41)}, 1},
        {"a lone press keeps the single-key marker",
         "loop 9\ndown B\n",
         {keyDown(0x42)},
         kLoopCountSingleKey},
        {"the longest delay",
         "down A\ndelay 16777215\nup A\n",
         {keyDown(0x41), delay(0xFFFFFF), keyUp(0x41)},
         1},
    };
    for (const Case& c : cases) {
        const MacroEntry m = build(c.text);
        EXPECT_EQ(eventsOf(m), c.events) << c.what;
        EXPECT_EQ(m.loopCount(), c.loop) << c.what;
        EXPECT_TRUE(m.isStorable()) << c.what;
    }
}

TEST(MacroText, BadTextsAreRefusedNamingTheLine) {
    struct Case {
        std::string text;
        size_t line;
        const char* says;
    };
    const Case cases[] = {
        {"down A\ndown Foo\n", 2, "unknown key 'Foo'"},
        {"down A\nup\n", 2, "up needs a key"},
        {"down 0x0\n", 1, "unknown key"},
        {"down 0x1000000\n", 1, "unknown key"},
        {"down A\ndelay 16777216\n", 2, "above 16777215"},
        {"down A\ndelay -5\n", 2, "delay needs milliseconds"},
        {"down A\ndelay 99999999999999999999999\n", 2, "delay needs milliseconds"},
        {"loop 0\ndown A\n", 1, "loop takes 1 to 65533"},
        {"loop 65534\ndown A\n", 1, "loop takes 1 to 65533"},
        // Twenty digits past 2^64 would wrap to a small, valid-looking number.
        {"loop 18446744073709551617\ndown A\n", 1, "loop takes 1 to 65533"},
        {"down A\ndelay 18446744073709551716\n", 2, "above 16777215"},
        {"loop 2\nloop 3\ndown A\n", 2, "a second loop line"},
        {"press A\n", 1, "unknown word 'press'"},
        {"name " + std::string(21, 'x') + "\ndown A\n", 1, "longer than 20 characters"},
        {"name \x1b[2J\ndown A\n", 1, "control character"},
        {"down A\n" + std::string(201, '#') + "\n", 2, "longer than 200 bytes"},
        {"", 0, "no events"},
        {"# only a comment\ndelay 5\n", 0, "only delays"},
        {std::string("down A\n\0", 8), 0, "NUL"},
        {"name \xff\xfe\ndown A\n", 0, "not UTF-8"},
        {std::string(kMacroTextMaxBytes + 1, '#'), 0, "larger than"},
        // The mouse would hold a key that is never released: the press is named.
        {"down A\ndelay 5\n", 1, "down A is never released (add 'up A')"},
        {"down A\nup A\ndown A\nup B\n", 3, "down A is never released"},
        {"down A\nup A\ndown 0x7C\n", 3, "down 0x7C is never released"},
        {"name \u3000\ndown A\n", 1, "the name is only spaces"},
    };
    for (const Case& c : cases) {
        MacroTextError error;
        EXPECT_FALSE(parseMacroText(c.text, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.message.find(c.says), std::string::npos)
            << c.text << " -> " << error.message;
    }
}

TEST(MacroNames, BlankNamesAndFreeDefaults) {
    EXPECT_TRUE(isBlankMacroName(u""));
    EXPECT_TRUE(isBlankMacroName(u"  \u3000 "));
    EXPECT_FALSE(isBlankMacroName(u" a "));
    EXPECT_EQ(macroNameProblem(u" "), "the name is only spaces");
    EXPECT_EQ(macroNameProblem(u"Jump"), std::nullopt);

    const std::vector<std::u16string> taken{u"New Macro", u"New Macro 2", u"abcdefghijklmnopqrst"};
    auto isTaken = [&](std::u16string_view n) {
        return std::find(taken.begin(), taken.end(), n) != taken.end();
    };
    EXPECT_EQ(uniqueMacroName(u"Other", isTaken), u"Other");
    EXPECT_EQ(uniqueMacroName(u"New Macro", isTaken), u"New Macro 3");
    // A number never makes a name longer than the 20 characters a name may have.
    EXPECT_EQ(uniqueMacroName(u"abcdefghijklmnopqrst", isTaken), u"abcdefghijklmnopqr 2");
}

TEST(MacroText, StoredMacrosRoundTripThroughText) {
    const MacroEntry stored[] = {
        test::macroRecord(0x15000001, {keyDown(0x41), delay(50), keyUp(0x41)}, u"Jump", 5),
        test::macroRecord(0x15000002, {keyDown(0x42)}, u"Only B", kLoopCountSingleKey),
        // A code the key table does not name, and one whose low byte it names but not the rest.
        test::macroRecord(0x15000003, {keyDown(0xAD), keyUp(0x141), delay(0xFFFFFF), keyUp(0xAD)},
                          u"技能 Ω", 65533),
        test::macroRecord(
            0x15000004,
            {keyDown(0x21), keyDown(0x6C), keyUp(0x6C), keyUp(0x21), keyDown(0x04), keyUp(0x04)},
            u"Page", 1),
    };
    for (const MacroEntry& m : stored) {
        bool complete = false;
        const std::string text = macroToText(m, &complete);
        EXPECT_TRUE(complete);
        MacroTextError error;
        const auto parsed = parseMacroText(text, error);
        ASSERT_TRUE(parsed) << text << "line " << error.line << ": " << error.message;
        ASSERT_TRUE(parsed->name);
        EXPECT_EQ(*parsed->name, m.name());
        const MacroEntry back = buildMacroFromText(*parsed, m.id(), *parsed->name).entry;
        EXPECT_EQ(eventsOf(back), eventsOf(m)) << text;
        EXPECT_EQ(back.loopCount(), m.loopCount()) << text;
        // Written again, the text is the same: nothing drifts on a second round.
        EXPECT_EQ(macroToText(back), text);
    }
}

TEST(MacroText, WritingAHostileRecordStaysReadable) {
    // An event of an unknown kind ends the list, as on the page; a name with an escape sequence
    // is not written to the text, and a loop count of 0 reads as the page shows it.
    MacroEntry m =
        test::macroRecord(0x15000009, {keyDown(0x41), 0x12345678, keyUp(0x41)}, u"\x1b]0;x\x07", 0);
    bool complete = true;
    const std::string text = macroToText(m, &complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_NE(text.find("loop 1\ndown A\n# stopped"), std::string::npos) << text;
    MacroTextError error;
    EXPECT_TRUE(parseMacroText(text, error)) << error.message;

    // A key event of code 0 names no key: a comment, and the text says it is not whole.
    const MacroEntry noKey =
        test::macroRecord(0x1500000B, {keyDown(0x41), keyUp(0), keyUp(0x41)}, u"No key", 1);
    const std::string noKeyText = macroToText(noKey, &complete);
    EXPECT_FALSE(complete);
    EXPECT_NE(noKeyText.find("down A\n# a key event without a key (code 0) is left out\nup A\n"),
              std::string::npos)
        << noKeyText;
    EXPECT_TRUE(parseMacroText(noKeyText, error)) << error.message;
}

TEST(MacroText, ANameImportWouldRefuseIsWrittenAsAComment) {
    // A slot holds 39 units of name, import takes 20: the text must still import.
    const MacroEntry m =
        test::macroRecord(0x1500000A, {keyDown(0x41), keyUp(0x41)}, std::u16string(30, u'L'), 1);
    const std::string text = macroToText(m);
    EXPECT_NE(text.find("# the name is longer than 20 characters and is left out: " +
                        std::string(30, 'L') + "\n"),
              std::string::npos)
        << text;
    MacroTextError error;
    const auto parsed = parseMacroText(text, error);
    ASSERT_TRUE(parsed) << error.message;
    EXPECT_FALSE(parsed->name);
}

TEST(MacroText, AListLongerThanASlotIsCutWithEveryKeyReleased) {
    std::string text = "down L_Shift\n";
    for (int i = 0; i < 600; ++i) text += "down A\nup A\n";
    text += "up L_Shift\n";
    MacroTextError error;
    const auto parsed = parseMacroText(text, error);
    ASSERT_TRUE(parsed);
    const BuiltMacro built = buildMacroFromText(*parsed, 0x15000001, u"Long");
    EXPECT_TRUE(built.truncated);
    const auto events = eventsOf(built.entry);
    ASSERT_EQ(events.size(), kMaxMacroEvents);
    EXPECT_EQ(events.back(), keyUp(0xA0));
}

}  // namespace
}  // namespace z408
