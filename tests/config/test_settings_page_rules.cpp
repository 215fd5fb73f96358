// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <climits>

#include "config/settings_page_rules.h"

namespace z408 {
namespace {

using Levels = std::array<uint32_t, kDpiLevelCount>;

TEST(SettingsPageRules, DpiClicks) {
    struct Case {
        const char* what;
        Levels before;
        uint32_t clicked;
        Levels after;
    } cases[] = {
        {"a value between two goes in order", {500, 2000}, 1000, {500, 1000, 2000}},
        {"the only one stays on", {3000}, 3000, {3000}},
        {"one of two goes off", {500, 7000}, 500, {7000}},
        {"an eighth does nothing",
         {500, 750, 1000, 1250, 1500, 2000, 2500},
         7000,
         {500, 750, 1000, 1250, 1500, 2000, 2500}},
        {"with seven on one goes off",
         {500, 750, 1000, 1250, 1500, 2000, 2500},
         1000,
         {500, 750, 1250, 1500, 2000, 2500}},
        // A stored table out of order, with a repeat and a value the page does not offer.
        {"stored levels come back ascending", {4000, 800, 1250, 1250}, 500, {500, 1250, 4000}},
        {"nothing on: a click turns one on", {0, 0, 0, 0, 0, 0, 0}, 750, {750}},
    };
    for (const auto& c : cases) {
        DpiSelection on = dpiSelectionFromLevels(c.before);
        const auto index = std::find(kDpiChoices.begin(), kDpiChoices.end(), c.clicked);
        clickDpiButton(on, static_cast<int>(index - kDpiChoices.begin()));
        EXPECT_EQ(dpiLevelsFromSelection(on), c.after) << c.what;
    }
    DpiSelection on = dpiSelectionFromLevels({500});
    clickDpiButton(on, 14);  // no such button
    clickDpiButton(on, -1);
    EXPECT_EQ(dpiLevelsFromSelection(on), (Levels{500}));
}

TEST(SettingsPageRules, ReportRateButtons) {
    EXPECT_EQ(reportRateButton(8), 0);
    EXPECT_EQ(reportRateButton(4), 1);
    EXPECT_EQ(reportRateButton(2), 2);
    EXPECT_EQ(reportRateButton(1), 3);
    for (uint32_t code : {0u, 3u, 16u, 0xFFFFFFFFu}) EXPECT_EQ(reportRateButton(code), -1) << code;
}

TEST(SettingsPageRules, LineCountCommit) {
    struct Case {
        const char* typed;
        int value;
        const char* shown;
    } cases[] = {
        {"007", 7, "7"},
        {"0", 1, "1"},
        {"", 1, "1"},
        {"000", 1, "1"},
        {"45", 30, "30"},
        {"30", 30, "30"},
        {"1", 1, "1"},
        {"12", 12, "12"},
        {"99999999999999", 30, "30"},  // no overflow on the way to the limit
        {"-5", 1, "1"},
        {"5x", 5, "5"},
        {"x", 1, "1"},
    };
    for (const auto& c : cases) {
        const LineCount r = commitLineCount(c.typed);
        EXPECT_EQ(r.value, c.value) << c.typed;
        EXPECT_EQ(r.text, c.shown) << c.typed;
    }
}

TEST(SettingsPageRules, LineCountSteps) {
    struct Case {
        int current, step, after;
    } cases[] = {
        {30, 1, 30},
        {29, 1, 30},
        {1, -1, 1},
        {2, -1, 1},
        {500, -1, 30},  // a hostile stored count comes back into range
        // Stored counts at the ends of int: the step must not wrap round to the other end.
        {INT_MAX, 1, 30},
        {INT_MAX, -1, 30},
        {INT_MIN, -1, 1},
        {INT_MIN, 1, 1},
        {-2, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepLineCount(c.current, c.step), c.after) << c.current << " " << c.step;
}

}  // namespace
}  // namespace z408
