// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/device_ids.h"
#include "shell/device_session.h"

namespace z408 {
namespace {

// Records every action in order; the link opens at the attempt `opensAt` (1-based, 0 never).
struct FakeActions : DeviceSessionActions {
    bool ending() override { return endingNow; }
    bool isMousePath(std::string_view path) override { return isMousePathText(path); }
    int64_t languageId() override { return languageNow; }
    bool hasLink() override { return link; }
    bool linkOpen() override { return open; }
    bool openLink() override {
        ++attempts;
        log.push_back("open");
        open = attempts == opensAt;
        return open;
    }
    void closeLink() override {
        open = false;
        log.push_back("close");
    }
    void linkOpened() override { log.push_back("opened"); }
    void removeHooks() override { log.push_back("unhook"); }
    void closeOpenDialogs() override { log.push_back("close dialogs"); }
    void showNotice(std::string_view text) override { log.push_back(std::string(text)); }
    void requestExit() override { log.push_back("exit"); }
    void startRetryTimer() override {
        timer = true;
        log.push_back("timer on");
    }
    void stopRetryTimer() override {
        timer = false;
        log.push_back("timer off");
    }

    bool endingNow = false, link = true, open = false, timer = false;
    int64_t languageNow = 2;
    int attempts = 0, opensAt = 1;
    std::vector<std::string> log;
};

const std::string kFound = "The Z408 gaming mouse is found.";
const std::string kMissing = "The Z408 gaming mouse cannot be found.";
constexpr std::string_view kMousePath = "HID#VID_3F1C&PID_7A52#hidraw3";

TEST(DeviceSession, OnlyTheMousesInterfacesCountInAnyCase) {
    const struct {
        std::string_view path;
        bool counts;
    } cases[] = {{"USB#VID_0781&PID_5567#1-3", false},
                 {"usb#vid_3f1c&pid_7a52#1-2", true},
                 {kMousePath, true},
                 {"VID_3F1C&PID_7A5", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path));
        FakeActions a;
        DeviceSession s(a);
        s.arrived(c.path);
        EXPECT_EQ(a.attempts, c.counts ? 1 : 0);
        FakeActions r;
        DeviceSession gone(r);
        gone.removed(c.path);
        EXPECT_EQ(r.log.empty(), !c.counts);
    }
}

TEST(DeviceSession, AnArrivalOpensInstallsAndSaysSoInTheLanguageInForce) {
    const std::pair<int64_t, std::string> cases[] = {
        {2, kFound}, {1, "发现Z408游戏鼠标."}, {5, "Die Z408-Gaming-Maus wurde gefunden."}};
    for (const auto& [language, found] : cases) {
        FakeActions a;
        a.languageNow = language;
        DeviceSession s(a);
        s.arrived(kMousePath);
        EXPECT_EQ(a.log, (std::vector<std::string>{"open", "opened", found})) << language;
        EXPECT_FALSE(s.retrying());
    }
}

// The mouse settles after a few tries: the timer runs until then, and the interfaces that arrive
// meanwhile add no attempts of their own.
TEST(DeviceSession, AFailedOpenIsRetriedByTheTimerUntilItSucceeds) {
    FakeActions a;
    a.opensAt = 3;
    DeviceSession s(a);
    s.arrived(kMousePath);
    EXPECT_TRUE(a.timer);
    EXPECT_TRUE(s.retrying());
    s.arrived("HID#VID_3F1C&PID_7A52#hidraw4");
    EXPECT_EQ(a.attempts, 1);
    s.retryElapsed();
    EXPECT_EQ(a.attempts, 2);
    EXPECT_TRUE(a.timer);
    s.retryElapsed();
    EXPECT_EQ(a.log, (std::vector<std::string>{"open", "timer on", "open", "open", "timer off",
                                               "opened", kFound}));
    EXPECT_FALSE(s.retrying());
    // A late expiry and another interface of the open mouse change nothing.
    s.retryElapsed();
    s.arrived(kMousePath);
    EXPECT_EQ(a.attempts, 3);
}

TEST(DeviceSession, NoAttemptWithoutALinkAnOpenLinkOrWhileEnding) {
    const struct {
        const char* name;
        bool link, open, ending;
    } cases[] = {{"no link", false, false, false},
                 {"already open (a second mouse)", true, true, false},
                 {"ending", true, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeActions a;
        a.link = c.link;
        a.open = c.open;
        a.endingNow = c.ending;
        DeviceSession s(a);
        s.arrived(kMousePath);
        EXPECT_TRUE(a.log.empty());
    }
}

TEST(DeviceSession, RemovalClosesEverythingSaysSoOnceAndEnds) {
    FakeActions a;
    a.opensAt = 0;
    DeviceSession s(a);
    s.arrived(kMousePath);  // still retrying when the mouse goes
    a.log.clear();
    s.removed(kMousePath);
    s.removed("HID#VID_3F1C&PID_7A52#hidraw4");  // its other interfaces go too
    EXPECT_EQ(a.log, (std::vector<std::string>{"close dialogs", "timer off", "close", "unhook",
                                               kMissing, "exit"}));
    EXPECT_FALSE(a.timer);
    // Without a link there is nothing to close, and while ending nothing happens at all.
    FakeActions noLink;
    noLink.link = false;
    DeviceSession(noLink).removed(kMousePath);
    EXPECT_EQ(noLink.log, (std::vector<std::string>{"close dialogs", "unhook", kMissing, "exit"}));
    FakeActions ending;
    ending.endingNow = true;
    DeviceSession(ending).removed(kMousePath);
    EXPECT_TRUE(ending.log.empty());
}

TEST(DeviceSession, StoppingEndsTheRetries) {
    FakeActions a;
    a.opensAt = 0;
    DeviceSession s(a);
    s.arrived(kMousePath);
    s.stop();
    EXPECT_FALSE(a.timer);
    s.retryElapsed();
    EXPECT_EQ(a.attempts, 1);
}

}  // namespace
}  // namespace z408
