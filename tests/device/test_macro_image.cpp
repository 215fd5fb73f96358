// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The macro's device image: header, key steps, short and long delays, bounds.
#include <gtest/gtest.h>

#include <set>

#include "device/device_fixture.h"
#include "device/macro_image.h"

namespace z408 {
namespace {

using Bytes = std::vector<uint8_t>;
using test::Down;
using test::Up;
using test::Wait;

MacroEntry macro(std::initializer_list<uint32_t> events, uint32_t loopCount = 1) {
    MacroEntry m;
    m.setRecordSize(kMacroEntrySize);
    m.setTag(kMacroTagUsed);
    m.setLoopCount(loopCount);
    m.setEventCount(static_cast<uint32_t>(events.size()));
    size_t i = 0;
    for (const uint32_t e : events) m.setEvent(i++, e);
    return m;
}

struct Encoded {
    uint32_t result;
    Bytes used;  // the image up to the first free word
    MacroImage image;
};

Encoded encode(const MacroEntry& m) {
    Encoded e{};
    e.result = encodeMacroImage(m, e.image);
    e.used.assign(e.image.begin(), e.image.begin() + 2 * std::min<uint32_t>(e.result, 256));
    return e;
}

TEST(MacroImage, StepsAndDelays) {
    struct Case {
        const char* what;
        MacroEntry m;
        Bytes expected;  // header and step words
    };
    const Case cases[] = {
        {"no events", macro({}), {0x00, 0x01}},
        {"loop count 5", macro({}, 5), {0x00, 0x05}},
        {"single-key loop value", macro({}, 0xFFFE), {0xFF, 0xFE}},
        // A damaged file's count is sent as the macro page shows it.
        {"loop count above 65533", macro({}, 0x12345), {0xFF, 0xFD}},
        {"loop count 0", macro({}, 0), {0x00, 0x01}},
        {"press, 100 ms, release",
         macro({Down(0x41), Wait(100), Up(0x41)}),
         {0x00, 0x01, 0x0B, 0x04, 0x81, 0x04}},
        {"release with a delay",
         macro({Down(0x41), Up(0x41), Wait(50)}),
         {0x00, 0x01, 0x01, 0x04, 0x86, 0x04}},
        {"remainder under 10 ms dropped", macro({Down(0x41), Wait(19)}), {0x00, 0x01, 0x02, 0x04}},
        {"1271 ms: long delay of 20 ms units",
         macro({Down(0x41), Wait(1271)}),
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x3F}},
        {"1310700 ms: the last 20 ms count",
         macro({Down(0x41), Wait(1310700)}),
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0xFF, 0xFF}},
        {"1310701 ms: 50 ms units",
         macro({Down(0x41), Wait(1310701)}),
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x02, 0x66, 0x66}},
        {"3276751 ms: 100 ms units",
         macro({Down(0x41), Wait(3276751)}),
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x03, 0x7F, 0xFF}},
        {"6553500 ms: the last 100 ms count",
         macro({Down(0x41), Wait(6553500)}),
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x03, 0xFF, 0xFF}},
        {"7000000 ms: empty step",
         macro({Down(0x41), Wait(7000000)}),
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x00}},
        {"first-event delay: 100 ms units of the low 16 bits",
         macro({Wait(70000), Down(0x41)}),
         {0x00, 0x01, 0x00, 0x03, 0x00, 0x2C, 0x01, 0x04}},
        {"mouse buttons",
         macro({Down(0x01), Down(0x02), Down(0x04)}),
         {0x00, 0x01, 0x01, 0xF0, 0x01, 0xF1, 0x01, 0xF2}},
        {"unknown kind: empty step",
         macro({0x55000041, Down(0x41)}),
         {0x00, 0x01, 0x00, 0x00, 0x01, 0x04}},
        {"key without a usage", macro({Down(0x6C)}), {0x00, 0x01, 0x01, 0x00}},
        // The count of 10 ms units stops at 127 instead of turning a press into a release.
        {"1270 ms after a press", macro({Down(0x41), Wait(1270)}), {0x00, 0x01, 0x7F, 0x04}},
        {"1270 ms after a release", macro({Up(0x41), Wait(1270)}), {0x00, 0x01, 0xFF, 0x04}},
        {"two short delays add up to the limit",
         macro({Down(0x41), Wait(1000), Wait(1000)}),
         {0x00, 0x01, 0x7F, 0x04}},
        {"1260 ms after a press still adds",
         macro({Down(0x41), Wait(1260)}),
         {0x00, 0x01, 0x7F, 0x04}},
    };
    for (const Case& c : cases) {
        const Encoded e = encode(c.m);
        EXPECT_EQ(e.used, c.expected) << c.what;
        EXPECT_EQ(e.result, c.expected.size() / 2) << c.what;
        EXPECT_TRUE(std::all_of(e.image.begin() + static_cast<ptrdiff_t>(e.used.size()),
                                e.image.end(), [](uint8_t b) { return b == 0; }))
            << c.what << ": bytes after the steps stay zero";
    }
}

TEST(MacroImage, UsageTable) {
    const std::pair<uint32_t, uint8_t> cases[] = {
        {0x41, 0x04}, {0x5A, 0x1D}, {0x31, 0x1E},     {0x39, 0x26}, {0x30, 0x27}, {0x0D, 0x28},
        {0x20, 0x2C}, {0xDC, 0x31}, {0xBA, 0x33},     {0xBF, 0x38}, {0x14, 0x39}, {0x70, 0x3A},
        {0x7B, 0x45}, {0x13, 0x48}, {0x22, 0x4E},     {0x26, 0x52}, {0x6B, 0x57}, {0x61, 0x59},
        {0x69, 0x61}, {0x60, 0x62}, {0x6E, 0x63},     {0x5D, 0x65}, {0xA2, 0xE0}, {0x5B, 0xE3},
        {0xA3, 0xE4}, {0x5C, 0xE7}, {0x01, 0xF0},     {0x04, 0xF2}, {0x00, 0x00}, {0x6C, 0x00},
        {0x03, 0x00}, {0x7C, 0x00}, {0x000141, 0x00},  // all 24 bits are compared
    };
    for (const auto& [vk, usage] : cases) EXPECT_EQ(macroUsage(vk), usage) << std::hex << vk;
}

MacroEntry repeated(std::initializer_list<uint32_t> head, std::initializer_list<uint32_t> body,
                    size_t times, std::initializer_list<uint32_t> tail) {
    MacroEntry m = macro({});
    size_t n = 0;
    for (const uint32_t e : head) m.setEvent(n++, e);
    for (size_t t = 0; t < times; ++t)
        for (const uint32_t e : body) m.setEvent(n++, e);
    for (const uint32_t e : tail) m.setEvent(n++, e);
    m.setEventCount(static_cast<uint32_t>(n));
    return m;
}

// A macro longer than the image is cut so that the length fits the key map's byte (at most 254
// step words) and every key pressed in the image is released in it.
TEST(MacroImage, ALongMacroIsCutWithEveryKeyReleased) {
    struct Case {
        const char* what;
        MacroEntry m;
        uint32_t needs;
        Bytes lastWords;  // the last two step words written
    };
    const Case cases[] = {
        {"150 taps of A",
         repeated({}, {Down(0x41), Up(0x41)}, 150, {}),
         300,
         {0x01, 0x04, 0x81, 0x04}},
        {"300 presses of A", repeated({}, {Down(0x41)}, 300, {}), 300, {0x01, 0x04, 0x81, 0x04}},
        {"Shift held over 200 taps",
         repeated({Down(0xA0)}, {Down(0x41), Up(0x41)}, 200, {Up(0xA0)}),
         402,
         {0x81, 0x04, 0x81, 0xE1}},
        {"a long delay that no longer fits",
         repeated({}, {Down(0x41)}, 253, {Wait(5000), Down(0x42)}),
         256,
         {0x01, 0x04, 0x81, 0x04}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macroStepWords(c.m), c.needs) << c.what;
        EXPECT_TRUE(macroImageIsCut(c.m)) << c.what;
        const Encoded e = encode(c.m);
        EXPECT_EQ(e.result, 255u) << c.what;
        EXPECT_EQ(Bytes(e.image.begin() + 506, e.image.begin() + 510), c.lastWords) << c.what;
        EXPECT_EQ(e.image[510], 0) << c.what;  // word 255 stays empty
        EXPECT_EQ(e.image[511], 0) << c.what;
        std::set<uint8_t> held;
        for (size_t w = 1; w < e.result; ++w) {
            const uint8_t control = e.image[2 * w], usage = e.image[2 * w + 1];
            if (control == 0) continue;
            if (control & 0x80)
                held.erase(usage);
            else
                held.insert(usage);
        }
        EXPECT_TRUE(held.empty()) << c.what;
    }

    // Exactly 254 step words fit whole; a lone press left at the end is the macro's own.
    const MacroEntry full = repeated({}, {Down(0x41)}, 254, {});
    EXPECT_FALSE(macroImageIsCut(full));
    EXPECT_EQ(encode(full).result, 255u);
    EXPECT_EQ(encode(full).image[508], 0x01);
}

TEST(MacroImage, KeysTheMouseHasNoUsageFor) {
    EXPECT_EQ(keysWithoutUsage(macro({Down(0x7C), Wait(30), Up(0x7C), Down(0x41), Up(0x6C)})),
              (std::vector<uint32_t>{0x7C, 0x6C}));
    EXPECT_TRUE(keysWithoutUsage(macro({Down(0x5D), Up(0x5D), Down(0x01), Up(0x01)})).empty());
}

// A slot from a hostile Macro.cfg: counts and sizes that lie are bounded by the slot itself.
TEST(MacroImage, LyingCountsReadOnlyTheSlot) {
    MacroEntry m = macro({});
    for (size_t i = 0; i < kMaxMacroEvents; ++i) m.setEvent(i, i % 2 ? Wait(10) : Down(0x41));
    for (const uint32_t count : {1001u, 5000u, 0xFFFFFFFFu}) {
        m.setEventCount(count);
        m.setRecordSize(0xFFFFFFFF);
        const Encoded e = encode(m);
        EXPECT_EQ(e.result, 255u) << count;
    }
    // Only delays: 1000 short delays after one key never pass 127 units nor the image.
    MacroEntry d = macro({});
    d.setEventCount(0xFFFFFFFF);
    d.setEvent(0, Down(0x41));
    for (size_t i = 1; i < kMaxMacroEvents; ++i) d.setEvent(i, Wait(1000));
    const Encoded e = encode(d);
    EXPECT_EQ(e.result, 2u);
    EXPECT_EQ(e.image[2], 0x7F);
}

}  // namespace
}  // namespace z408
