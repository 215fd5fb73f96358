// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What the keys mean to someone who works the window without a pointer: which keys switch pages
// and profiles, where the arrows lead in a row of buttons or on a slider, and the reading order
// in which Tab walks a page's controls. Qt-free; the widgets translate their key events to
// `Chord` and act on the answers.
#include <cstddef>
#include <vector>

#include "skin/skin_layout.h"

namespace z408::nav {

enum class Key {
    Other,
    Tab,
    Backtab,  // Shift+Tab, as the window system reports it
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Space,
    Enter,
    Escape,
    Digit,  // `Chord::digit` tells which
};

struct Chord {
    Key key = Key::Other;
    int digit = 0;
    bool ctrl = false, alt = false, shift = false;
};

// Ctrl+Tab / Ctrl+PageDown to the next page, Ctrl+Shift+Tab / Ctrl+PageUp to the previous one,
// Alt+1..Alt+5 for a profile.
enum class WindowAction { None, NextPage, PreviousPage, Profile };
struct WindowCommand {
    WindowAction action = WindowAction::None;
    int profile = 0;  // 1..5 with Profile
};
WindowCommand windowCommand(const Chord& chord, int profileCount);

// The page `step` places from `current` (1-based) among `count`, going round at the ends.
int cyclePage(int current, int count, int step);

// Space and Enter press the focused control.
bool activates(const Chord& chord);

// Keys the keyboard navigation acts on: while a recording or a key capture listens, these must
// reach it and nothing else.
bool isNavigationKey(const Chord& chord);

// Where an arrow, Home or End leads in a row of `count` buttons laid out `columns` to a line
// (left to right, then the next line): Left/Right one step, Up/Down one line, Home/End the ends.
// The ends hold (no going round); -1 when the key does not move in a row.
int rowTarget(int current, int count, int columns, Key key);

// The value a key sets on a slider of minimum..maximum: Left/Down a step down, Right/Up a step
// up, PageDown/PageUp a larger step (a tenth of the range, at least two), Home/End the ends;
// `value` itself for other keys.
int sliderTarget(int value, int minimum, int maximum, Key key);

// The order in which Tab visits controls at `rects`: line by line from the top, each line left
// to right. A control belongs to the line whose first control's vertical middle it spans.
std::vector<size_t> readingOrder(const std::vector<skin::Rect>& rects);

// The same by groups: a control whose middle lies in one of `groups` (a page's panels) is visited
// with the rest of that group, the groups and the controls outside any taking turns in reading
// order of their own rectangles.
std::vector<size_t> readingOrder(const std::vector<skin::Rect>& rects,
                                 const std::vector<skin::Rect>& groups);

}  // namespace z408::nav
