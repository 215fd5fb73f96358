// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/settings_page_rules.h"

#include <algorithm>

namespace z408 {

DpiSelection dpiSelectionFromLevels(const std::array<uint32_t, kDpiLevelCount>& levels) {
    DpiSelection on{};
    for (uint32_t level : levels)
        for (size_t i = 0; i < kDpiChoices.size(); ++i)
            if (kDpiChoices[i] == level) on[i] = true;
    return on;
}

void clickDpiButton(DpiSelection& selection, int index) {
    if (index < 0 || index >= kDpiChoiceCount) return;
    bool& button = selection[static_cast<size_t>(index)];
    const auto onCount = std::count(selection.begin(), selection.end(), true);
    if (button) {
        if (onCount > 1) button = false;
    } else if (onCount < kDpiLevelCount) {
        button = true;
    }
}

std::array<uint32_t, kDpiLevelCount> dpiLevelsFromSelection(const DpiSelection& selection) {
    std::array<uint32_t, kDpiLevelCount> levels{};
    size_t level = 0;
    for (size_t i = 0; i < kDpiChoices.size() && level < levels.size(); ++i)
        if (selection[i]) levels[level++] = kDpiChoices[i];
    return levels;
}

int reportRateButton(uint32_t code) {
    for (int i = 0; i < kReportRateChoiceCount; ++i)
        if (kReportRateChoices[static_cast<size_t>(i)].code == code) return i;
    return -1;
}

LineCount commitLineCount(std::string_view typed) {
    typed.remove_prefix(std::min(typed.find_first_not_of('0'), typed.size()));
    // Digits up to the first other character; the value saturates, so a long number is 30.
    int value = 0;
    size_t digits = 0;
    for (char c : typed) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), kMaxScrollLines + 1);
        ++digits;
    }
    if (digits == 0) return {kMinScrollLines, "1"};
    value = std::min(value, kMaxScrollLines);
    return {value, std::to_string(value)};
}

int stepLineCount(int current, int step) {
    // A stored count may sit at either end of int: the sum must not wrap round to the other end.
    const int64_t next = int64_t{current} + step;
    return static_cast<int>(std::clamp<int64_t>(next, kMinScrollLines, kMaxScrollLines));
}

std::string dpiChoiceName(int index) {
    if (index < 0 || index >= kDpiChoiceCount) return {};
    return "DPI " + std::to_string(kDpiChoices[static_cast<size_t>(index)]);
}

std::string reportRateName(int index) {
    if (index < 0 || index >= kReportRateChoiceCount) return {};
    return std::to_string(kReportRateChoices[static_cast<size_t>(index)].hz) + " Hz";
}

}  // namespace z408
