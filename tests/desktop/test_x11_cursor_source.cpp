// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The pointer position read from a real X server (Xvfb), and no reading without one.
// gtest before Xlib: Xlib's macros (None, Bool, Status) break gtest's templates.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
// clang-format on

#include <cstdlib>
#include <string>

#include "child_process.h"
#include "desktop/x11_cursor_source.h"

namespace z408::desktop {
namespace {

void warp(Display* d, int x, int y) {
    XWarpPointer(d, 0, DefaultRootWindow(d), 0, 0, 0, 0, x, y);
    XSync(d, False);
}

TEST(X11CursorSource, ReadsThePointerUntilTheServerGoesAway) {
    test::XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start()) << "Xvfb did not start";
    Display* driver = XOpenDisplay(nullptr);
    ASSERT_NE(driver, nullptr);
    X11CursorSource source;
    for (const auto& [wantX, wantY] : {std::pair{30, 40}, std::pair{1000, 700}}) {
        warp(driver, wantX, wantY);
        int x = -1, y = -1;
        ASSERT_TRUE(source.position(x, y));
        EXPECT_EQ(x, wantX);
        EXPECT_EQ(y, wantY);
    }
    XCloseDisplay(driver);
    // A lost server ends the readings, not the program.
    xvfb.stop();
    int x = 0, y = 0;
    EXPECT_FALSE(source.position(x, y));
    EXPECT_FALSE(source.position(x, y));
}

TEST(X11CursorSource, NoServerGivesNoReading) {
    const char* saved = std::getenv("DISPLAY");
    const std::string keep = saved ? saved : "";
    setenv("DISPLAY", ":65000", 1);  // a server that is not there
    X11CursorSource source;
    int x = 0, y = 0;
    EXPECT_FALSE(source.position(x, y));
    EXPECT_FALSE(source.position(x, y));
    if (saved)
        setenv("DISPLAY", keep.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

}  // namespace
}  // namespace z408::desktop
