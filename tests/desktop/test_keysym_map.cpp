// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Keycode tables of layouts other than US, and the decoding of raw core events.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "desktop/keysym_map.h"
#include "desktop/x11_event_decoder.h"

namespace z408::desktop {
namespace {

// A keyboard map given as keycode → (level 0, level 1).
using FakeMap = std::map<uint32_t, std::pair<uint32_t, uint32_t>>;

uint32_t lookup(void* ctx, uint32_t kc, int level) {
    const auto& map = *static_cast<FakeMap*>(ctx);
    const auto it = map.find(kc);
    if (it == map.end()) return 0;
    return level == 0 ? it->second.first : it->second.second;
}

TEST(KeycodeTable, FollowsTheLayoutAndFallsBackToTheUsPosition) {
    FakeMap azerty = {
        {10, {XK_ampersand, XK_1}},            // AZERTY digit row: the digit is on the second level
        {24, {XK_a, XK_A}},                    // AZERTY's A where US has Q
        {34, {XK_udiaeresis, XK_Udiaeresis}},  // German ü at US '[': no key of its own
        {87, {XK_KP_End, XK_KP_1}},            // keypad 1
        {104, {XK_KP_Enter, XK_KP_Enter}},
        {94, {XK_less, XK_greater}},  // the 102nd key keeps its own virtual key
        {200, {0x1234567, 0}},        // a symbol nobody knows at a keycode with no US key
    };
    KeycodeTable table;
    table.build(lookup, &azerty);
    EXPECT_EQ(table[10].key, 0x31);
    EXPECT_EQ(table[24].key, 0x41);
    EXPECT_EQ(table[34].key, 0xDB);
    EXPECT_EQ(table[87].key, 0x23);
    EXPECT_EQ(table[87].keyNumLock, 0x61);
    EXPECT_TRUE(table[104].extended);
    EXPECT_EQ(table[94].key, 0xE2);
    EXPECT_EQ(table[200].key, kNoVirtualKey);
    EXPECT_EQ(table[11].key, 0);  // unbound
    EXPECT_EQ(table.keycodeOf(0x41), 24);
    EXPECT_EQ(table.keycodeOf(0x5A), 0);
}

std::array<uint8_t, 32> rawEvent(uint8_t type, uint8_t detail) {
    std::array<uint8_t, 32> e{};
    e[0] = type;
    e[1] = detail;
    const uint32_t time = 4242;
    std::memcpy(e.data() + 4, &time, sizeof time);
    return e;
}

TEST(X11EventDecoder, IgnoresWheelReleasesMotionAndShortOrUnboundData) {
    X11EventDecoder decoder;
    FakeMap us = {{38, {XK_a, XK_A}}};
    decoder.table().build(lookup, &us);
    InputEvent ev;
    auto raw = rawEvent(5, 4);  // ButtonRelease of a wheel step
    EXPECT_FALSE(decoder.decode(raw.data(), raw.size(), ev));
    raw = rawEvent(6, 0);  // MotionNotify
    EXPECT_FALSE(decoder.decode(raw.data(), raw.size(), ev));
    raw = rawEvent(2, 39);  // unbound keycode
    EXPECT_FALSE(decoder.decode(raw.data(), raw.size(), ev));
    raw = rawEvent(2, 38);
    EXPECT_FALSE(decoder.decode(raw.data(), 4, ev));
    raw[0] |= 0x80;  // sent-event bit
    ASSERT_TRUE(decoder.decode(raw.data(), raw.size(), ev));
    EXPECT_EQ(ev.code, 0x41u);
    EXPECT_EQ(ev.time, 4242u);
}

}  // namespace
}  // namespace z408::desktop
