// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "desktop/input_source_choice.h"

namespace z408::desktop {
namespace {

TEST(InputSourceChoice, X11OnlyWhereTheSessionIsX11) {
    struct Case {
        SessionEnv env;
        InputSourceKind expected;
    };
    const Case cases[] = {
        {{":0", "", "x11"}, InputSourceKind::X11},
        {{":0", "", ""}, InputSourceKind::X11},  // a plain X server, no session manager
        {{":0", "wayland-0", "wayland"}, InputSourceKind::Evdev},  // XWayland is blind there
        {{":1", "wayland-0", ""}, InputSourceKind::Evdev},
        {{":0", "", "wayland"}, InputSourceKind::Evdev},
        {{"", "", "tty"}, InputSourceKind::Evdev},  // no display at all
        {{"", "", ""}, InputSourceKind::Evdev},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseInputSource(c.env), c.expected)
            << "DISPLAY=" << c.env.display << " WAYLAND_DISPLAY=" << c.env.waylandDisplay
            << " XDG_SESSION_TYPE=" << c.env.sessionType;
}

TEST(InputSourceChoice, NamesRoundTripAndNothingElseParses) {
    for (const auto kind : {InputSourceKind::X11, InputSourceKind::Evdev})
        EXPECT_EQ(parseInputSourceName(inputSourceName(kind)), kind);
    for (const char* bad : {"", "X11", "wayland", "evdev ", "libinput"})
        EXPECT_FALSE(parseInputSourceName(bad).has_value()) << bad;
}

}  // namespace
}  // namespace z408::desktop
