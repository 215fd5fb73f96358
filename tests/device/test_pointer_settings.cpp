// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The profile's three pointer values as the desktop gets them.
#include <gtest/gtest.h>

#include "device_fixture.h"
#include "shell/pointer_settings.h"

namespace z408 {
namespace {

TEST(PointerSettings, Mapping) {
    struct Case {
        uint32_t precision, speed;
        int32_t wheel;
        PointerValues expected;
    };
    const Case cases[] = {
        {0, 10, 3, {{0, 0, 0}, 10, 3}},  // off: no acceleration at all
        {1, 10, 3, {{6, 10, 1}, 10, 3}},
        {2, 1, 1, {{6, 10, 1}, 1, 1}},  // any non-zero flag is on
        {0, 0, -1, {{0, 0, 0}, 0, kWheelScrollPage}},
        {0, 25, 100, {{0, 0, 0}, 25, 100}},  // out-of-range speeds pass unchanged
    };
    for (const Case& c : cases)
        EXPECT_EQ(pointerValuesOf(c.precision, c.speed, c.wheel), c.expected)
            << c.precision << " " << c.speed;
}

TEST(PointerSettings, AllThreeAreAppliedInOrderEvenWhenRefused) {
    test::RecordingPointerSettings fake;
    fake.reply = false;
    ApplyPointerSettings(fake, pointerValuesOf(1, 20, -1));
    using Call = test::RecordingPointerSettings::Call;
    EXPECT_EQ(fake.calls,
              (std::vector<Call>{{'M', {6, 10, 1}, 0}, {'S', {}, 20}, {'W', {}, 0xFFFFFFFF}}));
    EXPECT_EQ(openPointerSettings(), nullptr);  // no desktop backend registered here
}

}  // namespace
}  // namespace z408
