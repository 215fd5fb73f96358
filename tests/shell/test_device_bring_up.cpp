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
    void startFirmwareTool(bool chinese) override { toolArgs.push_back(chinese ? "1" : "0"); }

    ManualClock& clock;
    int bootloaderAtCheck = -1;  // index of the check that finds it, -1 never
    int openSucceedsAt = 1;      // 1-based attempt that opens, 0 never
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

TEST(DeviceBringUp, PresenceTexts) {
    EXPECT_EQ(mouseMissingText(false), "The Z408 gaming mouse cannot be found.");
    EXPECT_EQ(mouseFoundText(true), "发现Z408游戏鼠标.");
}

}  // namespace
}  // namespace z408
