// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "common/binary.h"
#include "common/text.h"

namespace z408 {
namespace {

TEST(Text, Utf8RoundTripsThroughUtf16IncludingSurrogatePairs) {
    const std::string s = "Click 单击 Ä 😀";
    const std::u16string u = utf8ToUtf16(s);
    EXPECT_EQ(u.size(), 13u);  // the emoji takes two units
    EXPECT_EQ(utf16ToUtf8(u), s);
}

TEST(Text, InvalidInputBecomesReplacementCharacters) {
    struct Case {
        std::string utf8;
        std::u16string expected;
    } cases[] = {
        {"\xC3", u"\uFFFD"},  // truncated at the end
        {"a\xE4\xB8"
         "b",
         u"a\uFFFD\uFFFDb"},                      // truncated in the middle
        {"\xC0\x80", u"\uFFFD\uFFFD"},            // overlong NUL
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
        {"\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(utf8ToUtf16(c.utf8), c.expected) << c.utf8;
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(Text, FixedFieldIsBoundedAndTerminated) {
    std::vector<uint8_t> image(2 * 8 + 4, 0xAB);
    // Cut to units-1, terminator written, rest zeroed, bytes around untouched.
    EXPECT_FALSE(writeUtf16Field(image, 2, 8, u"abcdefghij"));
    EXPECT_EQ(image[0], 0xAB);
    EXPECT_EQ(image[18], 0xAB);
    EXPECT_EQ(readUtf16Field(image, 2, 8), u"abcdefg");
    EXPECT_EQ(le::get16(image, 2 + 14), 0);

    // A field with no terminator anywhere reads as its first units-1 units.
    std::vector<uint8_t> full(16, 0x41);
    EXPECT_EQ(readUtf16Field(full, 0, 8).size(), 7u);

    EXPECT_TRUE(writeUtf16Field(image, 2, 8, u"ab"));
    EXPECT_EQ(readUtf16Field(image, 2, 8), u"ab");
    for (size_t i = 2 + 4; i < 18; ++i) EXPECT_EQ(image[i], 0) << i;
}

TEST(Text, FormatTextSubstitutesInOrderAndKeepsOtherPercents) {
    EXPECT_EQ(formatText("%s is an invaild Profile!", {"/x/P.cfg"}),
              "/x/P.cfg is an invaild Profile!");
    EXPECT_EQ(formatText("%s and %s, 100%% %d", {"a", "b"}), "a and b, 100% %d");
    EXPECT_EQ(formatText("%s %s", {"only"}), "only ");
}

// What a file or a server hands over reaches the terminal without its escape sequences.
TEST(Text, TerminalSafeEscapesControlsAndOverrides) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"/home/u/Profile 1.cfg", "/home/u/Profile 1.cfg"},
        {"fw\x1b[2J\x1b]0;owned\x07.bin", "fw\\x1B[2J\\x1B]0;owned\\x07.bin"},
        {"a\tb\r\nc\x7f", "a\\x09b\\x0D\\x0Ac\\x7F"},
        {"\xc2\x9b"
         "31m",
         "\\u009B31m"},                                     // C1 CSI
        {"evil\xe2\x80\xaetxt.exe", "evil\\u202Etxt.exe"},  // right-to-left override
        {"\xff", "\xef\xbf\xbd"},                           // invalid UTF-8: U+FFFD
        {"技能 Ω", "技能 Ω"},
    };
    for (const auto& c : cases) EXPECT_EQ(terminalSafe(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace z408
