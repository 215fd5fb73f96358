// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "skin/keyboard_navigation.h"

namespace z408::nav {
namespace {

Chord chord(Key key, bool ctrl = false, bool alt = false, bool shift = false, int digit = 0) {
    Chord c;
    c.key = key;
    c.ctrl = ctrl;
    c.alt = alt;
    c.shift = shift;
    c.digit = digit;
    return c;
}

TEST(KeyboardNavigation, WindowCommandsForPagesAndProfiles) {
    struct Case {
        const char* what;
        Chord chord;
        WindowAction action;
        int profile;
    };
    const Case cases[] = {
        {"Ctrl+Tab", chord(Key::Tab, true), WindowAction::NextPage, 0},
        {"Ctrl+Shift+Tab as Backtab", chord(Key::Backtab, true, false, true),
         WindowAction::PreviousPage, 0},
        {"Ctrl+Shift+Tab as Tab", chord(Key::Tab, true, false, true), WindowAction::PreviousPage,
         0},
        {"Ctrl+PageDown", chord(Key::PageDown, true), WindowAction::NextPage, 0},
        {"Ctrl+PageUp", chord(Key::PageUp, true), WindowAction::PreviousPage, 0},
        {"Alt+1", chord(Key::Digit, false, true, false, 1), WindowAction::Profile, 1},
        {"Alt+5", chord(Key::Digit, false, true, false, 5), WindowAction::Profile, 5},
        // Not commands: plain Tab walks the controls, digits type, a sixth profile is none.
        {"Tab", chord(Key::Tab), WindowAction::None, 0},
        {"PageDown", chord(Key::PageDown), WindowAction::None, 0},
        {"1", chord(Key::Digit, false, false, false, 1), WindowAction::None, 0},
        {"Ctrl+1", chord(Key::Digit, true, false, false, 1), WindowAction::None, 0},
        {"Alt+6", chord(Key::Digit, false, true, false, 6), WindowAction::None, 0},
        {"Alt+0", chord(Key::Digit, false, true, false, 0), WindowAction::None, 0},
        {"Ctrl+Alt+Tab", chord(Key::Tab, true, true), WindowAction::None, 0},
        {"Ctrl+Shift+PageDown", chord(Key::PageDown, true, false, true), WindowAction::None, 0},
    };
    for (const Case& c : cases) {
        const WindowCommand got = windowCommand(c.chord, 5);
        EXPECT_EQ(got.action, c.action) << c.what;
        EXPECT_EQ(got.profile, c.profile) << c.what;
    }
}

TEST(KeyboardNavigation, PagesGoRound) {
    EXPECT_EQ(cyclePage(1, 5, 1), 2);
    EXPECT_EQ(cyclePage(5, 5, 1), 1);
    EXPECT_EQ(cyclePage(1, 5, -1), 5);
    EXPECT_EQ(cyclePage(3, 4, -1), 2);
}

TEST(KeyboardNavigation, KeysThatActivateOrNavigate) {
    EXPECT_TRUE(activates(chord(Key::Space)));
    EXPECT_TRUE(activates(chord(Key::Enter)));
    EXPECT_FALSE(activates(chord(Key::Escape)));
    EXPECT_FALSE(activates(chord(Key::Space, true)));  // Ctrl+Space is someone else's
    EXPECT_TRUE(isNavigationKey(chord(Key::Tab)));
    EXPECT_TRUE(isNavigationKey(chord(Key::Left)));
    EXPECT_TRUE(isNavigationKey(chord(Key::Enter)));
    EXPECT_TRUE(isNavigationKey(chord(Key::Digit, false, true, false, 2)));
    EXPECT_FALSE(isNavigationKey(chord(Key::Digit, false, false, false, 2)));
    EXPECT_FALSE(isNavigationKey(chord(Key::Escape)));
    EXPECT_FALSE(isNavigationKey(chord(Key::Other)));
}

TEST(KeyboardNavigation, ArrowsInARow) {
    struct Case {
        int current, count, columns;
        Key key;
        int expected;
    };
    // The DPI choices: 14 in two lines of 7; the report rates: one line of 4.
    const Case cases[] = {
        {0, 14, 7, Key::Right, 1},   {6, 14, 7, Key::Right, 7}, {0, 14, 7, Key::Left, 0},
        {13, 14, 7, Key::Right, 13}, {2, 14, 7, Key::Down, 9},  {9, 14, 7, Key::Up, 2},
        {2, 14, 7, Key::Up, 2},      {9, 14, 7, Key::Down, 9},  {5, 14, 7, Key::Home, 0},
        {5, 14, 7, Key::End, 13},    {1, 4, 4, Key::Down, 1},   {1, 4, 0, Key::Down, 2},
        {1, 4, 4, Key::Space, -1},   {4, 4, 4, Key::Left, -1},  {-1, 4, 4, Key::Right, -1},
        {0, 0, 4, Key::Right, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowTarget(c.current, c.count, c.columns, c.key), c.expected)
            << c.current << "/" << c.count << " key " << static_cast<int>(c.key);
}

TEST(KeyboardNavigation, SliderKeys) {
    struct Case {
        int value, minimum, maximum;
        Key key;
        int expected;
    };
    const Case cases[] = {
        {5, 1, 10, Key::Right, 6},   {5, 1, 10, Key::Up, 6},       {5, 1, 10, Key::Left, 4},
        {1, 1, 10, Key::Left, 1},    {10, 1, 10, Key::Right, 10},  {5, 1, 10, Key::PageUp, 7},
        {9, 1, 10, Key::PageUp, 10}, {2, 1, 10, Key::PageDown, 1}, {0, 0, 255, Key::PageUp, 25},
        {5, 1, 10, Key::Home, 1},    {5, 1, 10, Key::End, 10},     {5, 1, 10, Key::Space, 5},
        {40, 1, 20, Key::Left, 19},  {-3, 0, 255, Key::Right, 1},  {3, 5, 1, Key::Right, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sliderTarget(c.value, c.minimum, c.maximum, c.key), c.expected)
            << c.value << " in " << c.minimum << ".." << c.maximum << " key "
            << static_cast<int>(c.key);
}

TEST(KeyboardNavigation, ReadingOrderLinesThenLeftToRight) {
    // Two lines of chips, the second listed first and a little lower on its left; a tall slider
    // track at the right of the first line; a button well below.
    const std::vector<skin::Rect> rects = {
        {60, 42, 100, 60},   // 0: line 2, second
        {10, 40, 50, 58},    // 1: line 2, first
        {60, 10, 100, 28},   // 2: line 1, second
        {10, 12, 50, 30},    // 3: line 1, first (a little lower than its neighbour)
        {110, 8, 300, 36},   // 4: line 1, third (taller)
        {10, 100, 80, 120},  // 5: alone below
    };
    const std::vector<size_t> order = readingOrder(rects);
    EXPECT_EQ(order, (std::vector<size_t>{3, 2, 4, 1, 0, 5}));
    EXPECT_TRUE(readingOrder({}).empty());
}

TEST(KeyboardNavigation, ReadingOrderGroupByGroup) {
    // Two panels side by side, the right one shorter, and a button below both: the left panel is
    // walked whole before the right one, although their first lines are level.
    const std::vector<skin::Rect> panels = {{0, 0, 100, 200}, {110, 0, 200, 80}};
    const std::vector<skin::Rect> rects = {
        {120, 10, 190, 30},  // 0: right panel
        {10, 10, 90, 30},    // 1: left panel, line 1
        {10, 50, 90, 70},    // 2: left panel, line 2
        {10, 210, 90, 230},  // 3: below, in no panel
        {120, 40, 190, 60},  // 4: right panel, line 2
    };
    EXPECT_EQ(readingOrder(rects, panels), (std::vector<size_t>{1, 2, 0, 4, 3}));
    EXPECT_EQ(readingOrder(rects, {}), readingOrder(rects));
}

}  // namespace
}  // namespace z408::nav
