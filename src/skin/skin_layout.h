// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The skin images' source table: every page image and built-in bitmap with its size and the
// controls drawn on it (rectangle or quadrilateral, look, caption carried by the image). The
// generator draws from it and the pages place their widgets at the same rectangles, so a widget
// always sits exactly on its picture.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/program_texts.h"

namespace z408::skin {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
};
struct Point {
    int x = 0, y = 0;
};

// How a control is drawn in the normal, down (pressed/on) and over (hover) images.
enum class Look {
    Button,       // push button
    Toggle,       // two-state button with an indicator lamp
    Check,        // small square box, ticked when down
    Radio,        // small round choice, dot when down
    Chip,         // small two-state value (DPI, report rate): lit when down
    Tab,          // page tab (rectangle)
    QuadTab,      // quadrilateral tab or button (CIrrButton)
    Field,        // sunken text field
    Track,        // slider groove (same in all three images)
    ListFrame,    // sunken list area
    Swatch,       // preset colour swatch (colour in `colour`)
    ColourWell,   // CColorBtn place: a framed well
    Marker,       // mouse-picture marker: lit when down
    Label,        // section heading (same in all three images)
    Text,         // plain static text (same in all three images)
    Panel,        // decorative group panel (same in all three images)
    Arrow,        // small spin arrow; caption "up" or "down"
    Glyph,        // window button; caption "min", "close"
    LevelBar,     // statistics level bar: empty in normal, full in down
    Trophy,       // small trophy: dim in normal, lit in down
    TrophyStage,  // the large trophy area
    ColourWheel,  // hue/saturation wheel in the ellipse of the rectangle
    MouseBody,    // top view of the mouse (decoration)
    Logo,         // product name
};

struct Control {
    std::string name;  // stable id the pages look controls up by
    Look look = Look::Button;
    Rect rect;  // for QuadTab the bounding box of `quad`
    std::array<Point, 4> quad{};
    std::string caption;  // text the image itself carries; empty when the widget draws its own
    // A language text the program draws over the image in the current language (the image keeps
    // only the decoration around it); Count: none.
    ProgramText text = ProgramText::Count;
    std::string textArgument;      // put in for the %s of `text`
    unsigned colour = 0;           // 0x00RRGGBB for Swatch
    bool hiddenUntilUsed = false;  // the normal image shows only the empty place
    // Track: the values its slider's thumb stops at, first to last (equal: no tick marks).
    int firstStop = 0, lastStop = 0;
};

enum class Layout { English, Chinese };

struct PageSkin {
    std::string id;                    // short name for tools ("main", "lighting", ...)
    std::array<std::string, 3> files;  // normal, down, over (relative to skins/ or resource names)
    int width = 0, height = 0;
    std::vector<Control> controls;
    bool light = false;  // light dialog style (message boxes), else the dark page style
};

// Every page triplet under skins/, drawn in the installation's layout.
std::vector<PageSkin> pageSkins(Layout layout);
// One page by id (an unknown id gives a page of size 0) ("main", "settings", "lighting", "macro",
// "stats", "support", "picker", "base", "advanced", "pmacro", "combo", "info1", "info2",
// "progress").
PageSkin pageSkin(std::string_view id, Layout layout);

const Control* findControl(const PageSkin& page, std::string_view name);

// Whether the control shows a text beside or inside its decoration: its own caption or a language
// text drawn at run time.
inline bool hasText(const Control& c) {
    return !c.caption.empty() || c.text != ProgramText::Count;
}

// Fixed geometry the pages need beside the controls.
inline constexpr int kMainWidth = 960, kMainHeight = 650;
inline constexpr Rect kPagesRect{15, 128, 940, 580};
inline constexpr int kPageWidth = 925, kPageHeight = 452;
inline constexpr int kPickerWidth = 412, kPickerHeight = 300;
inline constexpr int kPickerPageWidth = 370, kPickerPageHeight = 169;
inline constexpr int kInfoWidth = 330, kInfoHeight = 170;
inline constexpr int kProgressWidth = 330, kProgressHeight = 76;
// The trophy pictures (trophy/trophy<level>Down.bmp) have the trophy control's own size and are
// given to it whole (CGDIBitmapBtn::SetLooks).
inline constexpr int kTrophyWidth = 298, kTrophyHeight = 451;
inline constexpr int kScrollCell = 12;  // scroll-bar skin cell: bitmap 9 × 3 cells
inline constexpr int kPresetItemWidth = 302, kPresetItemHeight = 24;
// The slider thumb (skins/Slider.png); its tip is in the middle of its width.
inline constexpr int kSliderThumbWidth = 14, kSliderThumbHeight = 20;

// A tick mark under a slider's groove, at page column x.
struct TrackTick {
    int x = 0;
    int value = 0;     // the stop it marks
    bool end = false;  // the first or the last stop: drawn longer
    friend bool operator==(const TrackTick&, const TrackTick&) = default;
};
// Keeps tick marks apart enough to be told apart.
inline constexpr int kMinTickGap = 4;
// The tick marks of a Track control: under the thumb's tip at every stop while they are at least
// kMinTickGap apart, else at every 2nd, 5th, 10th, 20th, 25th, 50th... stop; the last stop is
// always marked. The thumb rests at left + (width - thumb width) × (value - first) / (last -
// first), as the slider places it. None for a control without stops.
std::vector<TrackTick> trackTicks(const Control& track);

}  // namespace z408::skin
