// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "shell/device_bring_up.h"

namespace z408 {
namespace {

struct FakePlatform : BringUpPlatform {
    explicit FakePlatform(ManualClock& c) : clock(c) {}
    bool bootloaderPresent() override {
        checks.push_back(clock.nowMs());
        return bootloaderAtCheck >= 0 && static_cast<int>(checks.size()) > bootloaderAtCheck;
    }
    bool openDevice() override {
        opens.push_back(clock.nowMs());
        return static_cast<int>(opens.size()) == openSucceedsAt;
    }
    std::string refusedNode() override {
        const auto n = opens.size();
        return n >= refusedFrom && n <= refusedUntil ? "/dev/hidraw4" : "";
    }
    void startFirmwareTool(bool chinese) override { toolArgs.push_back(chinese ? "1" : "0"); }

    ManualClock& clock;
    int bootloaderAtCheck = -1;  // index of the check that finds it, -1 never
    int openSucceedsAt = 1;      // 1-based attempt that opens, 0 never
    size_t refusedFrom = 1;      // 1-based attempts whose failure names a refused node
    size_t refusedUntil = 0;
    std::vector<uint64_t> checks, opens;
    std::vector<std::string> toolArgs;
};

TEST(DeviceBringUp, FoundOnFirstAttemptAfterTwoBootloaderChecks) {
    ManualClock clock;
    FakePlatform p(clock);
    EXPECT_EQ(bringUpDevice(p, clock, false), BringUpOutcome::Found);
    EXPECT_EQ(p.checks, (std::vector<uint64_t>{0, 500}));
    // One pause between the two checks, none after the second.
    EXPECT_EQ(p.opens, (std::vector<uint64_t>{500}));
    EXPECT_EQ(clock.nowMs(), 500u);  // no wait after a success
}

TEST(DeviceBringUp, TenthAttemptStillCountsAndEleventhIsNeverMade) {
    for (int succeedAt : {10, 0}) {
        ManualClock clock;
        FakePlatform p(clock);
        p.openSucceedsAt = succeedAt;
        const auto outcome = bringUpDevice(p, clock, false);
        EXPECT_EQ(outcome, succeedAt ? BringUpOutcome::Found : BringUpOutcome::NotFound);
        ASSERT_EQ(p.opens.size(), 10u);
        EXPECT_EQ(p.opens.back(), 500u + 9 * 500u);
        EXPECT_EQ(clock.nowMs(), p.opens.back());  // the box follows the last attempt at once
    }
}

TEST(DeviceBringUp, BootloaderStartsTheToolWithTheLanguageArgument) {
    for (int at : {0, 1}) {
        for (bool chinese : {true, false}) {
            ManualClock clock;
            FakePlatform p(clock);
            p.bootloaderAtCheck = at;
            EXPECT_EQ(bringUpDevice(p, clock, chinese), BringUpOutcome::FirmwareTool);
            EXPECT_TRUE(p.opens.empty());
            EXPECT_EQ(p.toolArgs, std::vector<std::string>{chinese ? "1" : "0"});
        }
    }
}

// The step-wise search the window drives from its event loop: every outcome, with the pause
// it asks for after each step, which must add up to the blocking search's times.
TEST(DeviceBringUp, SearchStepsGiveEachOutcomeWithThePausesBetween) {
    struct Case {
        const char* name;
        int bootloaderAtCheck;
        int openSucceedsAt;
        size_t refusedFrom, refusedUntil;
        BringUpOutcome outcome;
        int checks, opens;
        uint64_t endMs;
        const char* refused;
    };
    const Case cases[] = {
        {"bootloader at the first check", 0, 1, 1, 0, BringUpOutcome::FirmwareTool, 1, 0, 0, ""},
        {"bootloader at the second check", 1, 1, 1, 0, BringUpOutcome::FirmwareTool, 2, 0, 500, ""},
        {"found at once", -1, 1, 1, 0, BringUpOutcome::Found, 2, 1, 500, ""},
        {"found on the 4th open", -1, 4, 1, 0, BringUpOutcome::Found, 2, 4, 2000, ""},
        {"never found", -1, 0, 1, 0, BringUpOutcome::NotFound, 2, 10, 5000, ""},
        {"present but unopenable", -1, 0, 1, 10, BringUpOutcome::NoAccess, 2, 10, 5000,
         "/dev/hidraw4"},
        // A rule udev applies during the search lets the program in: no complaint.
        {"refused, then let in", -1, 3, 1, 2, BringUpOutcome::Found, 2, 3, 1500, ""},
        // Refused early but gone by the end: only the last attempt counts.
        {"refused, then unplugged", -1, 0, 1, 5, BringUpOutcome::NotFound, 2, 10, 5000, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock clock;
        FakePlatform p(clock);
        p.bootloaderAtCheck = c.bootloaderAtCheck;
        p.openSucceedsAt = c.openSucceedsAt;
        p.refusedFrom = c.refusedFrom;
        p.refusedUntil = c.refusedUntil;
        BringUpSearch search(p, false);
        int steps = 0;
        while (const auto pause = search.step()) {
            ASSERT_LT(++steps, 20);
            EXPECT_FALSE(search.finished());
            clock.advance(*pause);
        }
        EXPECT_TRUE(search.finished());
        EXPECT_EQ(search.outcome(), c.outcome);
        EXPECT_EQ(search.bootloaderChecks(), c.checks);
        EXPECT_EQ(search.openAttempts(), c.opens);
        EXPECT_EQ(static_cast<int>(p.opens.size()), c.opens);
        EXPECT_EQ(clock.nowMs(), c.endMs);
        EXPECT_EQ(search.refusedNode(), c.refused);
        EXPECT_EQ(search.step(), std::nullopt);  // a finished search does nothing more
        EXPECT_EQ(static_cast<int>(p.opens.size()), c.opens);
    }
}

TEST(DeviceBringUp, PresenceTexts) {
    EXPECT_EQ(mouseMissingText(false), "The Z408 gaming mouse cannot be found.");
    EXPECT_EQ(mouseFoundText(true), "发现Z408游戏鼠标.");
}

}  // namespace
}  // namespace z408
