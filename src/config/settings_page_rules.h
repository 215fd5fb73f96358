// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The main settings page's rules, without its widgets: which DPI values are chosen and the
// levels they make, the report-rate choices, and how the typed line count becomes a value.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/profile_settings.h"

namespace z408 {

// The DPI values the page offers, in order.
inline constexpr int kDpiChoiceCount = 14;
inline constexpr std::array<uint32_t, kDpiChoiceCount> kDpiChoices = {
    500, 750, 1000, 1250, 1500, 2000, 2500, 3000, 3250, 3500, 4000, 5000, 6000, 7000};

// Which of the fourteen DPI buttons are on.
using DpiSelection = std::array<bool, kDpiChoiceCount>;

// What a DPI button and a report rate button are called: "DPI 1250", "500 Hz" (units every
// language writes alike). Empty for an index out of range.
std::string dpiChoiceName(int index);
std::string reportRateName(int index);

// Every button whose value is one of the levels is on (a level of 0, or a value the page does
// not offer, turns on nothing).
DpiSelection dpiSelectionFromLevels(const std::array<uint32_t, kDpiLevelCount>& levels);

// A click on DPI button `index`: at most seven stay on and the last one on stays on.
void clickDpiButton(DpiSelection& selection, int index);

// The levels the selection makes: the chosen values in table order, then zeros, so they ascend.
std::array<uint32_t, kDpiLevelCount> dpiLevelsFromSelection(const DpiSelection& selection);

// The report-rate buttons in order, as shown (reports per second) and as stored (milliseconds).
struct ReportRateChoice {
    uint32_t hz;
    uint32_t code;
};
inline constexpr int kReportRateChoiceCount = 4;
inline constexpr std::array<ReportRateChoice, kReportRateChoiceCount> kReportRateChoices = {
    {{125, 8}, {250, 4}, {500, 2}, {1000, 1}}};

// The button that shows a stored report-rate code; -1 for a code no button stands for.
int reportRateButton(uint32_t code);

// The pointer-speed and height sliders' ranges.
inline constexpr int kPointerSpeedMin = 1, kPointerSpeedMax = 20;
inline constexpr int kHeightSliderMin = 1, kHeightSliderMax = 30;

// Lines per wheel notch the page allows.
inline constexpr int kMinScrollLines = 1, kMaxScrollLines = 30;

struct LineCount {
    int value;         // 1..30
    std::string text;  // what the edit shows
};

// The typed line count made valid: leading zeros dropped, nothing (or no digit) gives 1, more
// than 30 gives 30.
LineCount commitLineCount(std::string_view typed);

// The up and down buttons: one more or one less, within 1..30.
int stepLineCount(int current, int step);

}  // namespace z408
