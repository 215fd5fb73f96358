// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "allocation_counter.h"
#include "common/event_codes.h"
#include "hook_fakes.h"
#include "shell/input_hook.h"

namespace z408 {
namespace {

using test::kMainWindow;
using test::kPicker;
using test::kRecorder;
using test::Posted;
using E = InputEvent;

Posted buttonEvent(uintptr_t code, intptr_t flags = 0, WindowId to = kMainWindow) {
    return {to, Msg::ButtonEvent, code, flags};
}
Posted hookEvent(uintptr_t code, intptr_t flags = 0, WindowId to = kMainWindow) {
    return {to, Msg::HookEvent, code, flags};
}

class InputHookTest : public ::testing::Test {
  protected:
    InputHookTest() : hook(intercepts, windows, source) {}

    // Feeds one event; returns whether it was swallowed, with what it posted.
    std::pair<bool, std::vector<Posted>> feed(const InputEvent& e) {
        const size_t before = windows.log.size();
        const bool swallowed = hook.handleEvent(e);
        const auto first = windows.log.begin() + static_cast<std::ptrdiff_t>(before);
        return {swallowed, {first, windows.log.end()}};
    }

    InterceptList intercepts;
    test::RecordingWindows windows;
    test::FakeInputSource source;
    InputHook hook;
};

struct Step {
    InputEvent event;
    bool swallowed;
    std::vector<Posted> posts;
};

struct Scenario {
    const char* what;
    std::vector<uint32_t> intercepted;
    HookInputs notification, forwarding;
    std::vector<Step> steps;
};

TEST_F(InputHookTest, RulesForEachKindOfEvent) {
    const Scenario scenarios[] = {
        {"an intercepted right button is reported once; press and release never reach programs",
         {event_code::RightDown},
         HookInputs::Mouse,
         HookInputs::Neither,
         {{E::press(3), true, {buttonEvent(0x204)}},
          {E::release(3), true, {}},
          {E::press(3), true, {buttonEvent(0x204)}},
          {E::release(3), true, {}},
          {E::release(3), false, {}}}},
        {"nothing intercepted: every press reported once, every event passed on",
         {},
         HookInputs::Mouse,
         HookInputs::Neither,
         {{E::press(1), false, {buttonEvent(0x201)}},
          {E::release(1), false, {}},
          {E::press(2), false, {buttonEvent(0x207)}},
          {E::release(2), false, {}},
          {E::press(3), false, {buttonEvent(0x204)}},
          {E::release(3), false, {}},
          {E::press(8), false, {buttonEvent(0x1020B)}},
          {E::release(8), false, {}},
          {E::press(9), false, {buttonEvent(0x2020B)}},
          {E::release(9), false, {}},
          {E::motion(), false, {}},
          {E::press(12), false, {}}}},
        {"a zero wheel delta is up; an intercepted notch leaves no release pending",
         {event_code::WheelUp},
         HookInputs::Mouse,
         HookInputs::Neither,
         {{E::wheel(0), true, {buttonEvent(0x20A01)}},
          {E::wheel(-1), false, {buttonEvent(0x20A00)}},
          {E::wheel(-40000), false, {buttonEvent(0x20A00)}},
          {E::press(4), true, {buttonEvent(0x20A01)}},
          {E::release(4), false, {}},
          {E::press(5), false, {buttonEvent(0x20A00)}},
          {E::release(3), false, {}}}},
        {"the left button is never taken away, even when listed",
         {event_code::LeftDown},
         HookInputs::Mouse,
         HookInputs::Neither,
         {{E::press(1), false, {buttonEvent(0x201)}}, {E::release(1), false, {}}}},
        {"the left button without notification: nothing reported",
         {event_code::LeftDown},
         HookInputs::Neither,
         HookInputs::Neither,
         {{E::press(1), false, {}}, {E::release(1), false, {}}}},
        {"an intercepted back button swallows its own release only",
         {event_code::BackDown},
         HookInputs::Mouse,
         HookInputs::Neither,
         {{E::press(8), true, {buttonEvent(0x1020B)}},
          {E::press(9), false, {buttonEvent(0x2020B)}},
          {E::release(9), false, {}},
          {E::release(8), true, {}}}},
        {"mouse forwarding sends every event but movement, intercepted ones excepted",
         {event_code::RightDown},
         HookInputs::Mouse,
         HookInputs::Mouse,
         {{E::press(1), false, {buttonEvent(0x201), hookEvent(0x201)}},
          {E::release(1), false, {hookEvent(0x202)}},
          {E::press(2), false, {buttonEvent(0x207), hookEvent(0x207)}},
          {E::release(2), false, {hookEvent(0x208)}},
          {E::wheel(-120), false, {buttonEvent(0x20A00), hookEvent(0x20A00)}},
          {E::press(8), false, {buttonEvent(0x1020B), hookEvent(0x1020B)}},
          {E::release(8), false, {hookEvent(0x1020C)}},
          {E::press(7), false, {hookEvent(0x0078020E)}},  // horizontal wheel: message + data
          {E::motion(), false, {}},
          {E::press(3), true, {buttonEvent(0x204)}},
          {E::release(3), true, {}}}},
        {"mouse notification off: only intercepted events are reported",
         {event_code::MiddleDown},
         HookInputs::Neither,
         HookInputs::Neither,
         {{E::press(3), false, {}},
          {E::wheel(120), false, {}},
          {E::press(2), true, {buttonEvent(0x207)}},
          {E::release(2), true, {}}}},
        {"keys: a press notifies, forwarding sends press and release, nothing is swallowed",
         {},
         HookInputs::Both,
         HookInputs::Keyboard,
         {{E::key(0x41, 0x00), false, {buttonEvent(1, 0x00), hookEvent(0x41, 0x00)}},
          {E::key(0x41, 0x80), false, {hookEvent(0x41, 0x80)}},
          // Injected with Alt down (0x30) is still a press.
          {E::key(0x12, 0x30), false, {buttonEvent(1, 0x30), hookEvent(0x12, 0x30)}},
          {E::key(0x73, 0xA1), false, {hookEvent(0x73, 0xA1)}}}},
        {"keys with keyboard notification and forwarding off post nothing",
         {},
         HookInputs::Mouse,
         HookInputs::Mouse,
         {{E::key(0x41, 0x00), false, {}}, {E::key(0x41, 0x80), false, {}}}},
    };
    for (const auto& s : scenarios) {
        intercepts.clear();
        for (uint32_t code : s.intercepted) hook.updateIntercept(code, false);
        hook.remove();
        ASSERT_TRUE(hook.install(kMainWindow));
        hook.setNotification(s.notification);
        hook.setForwarding(s.forwarding);
        for (size_t i = 0; i < s.steps.size(); ++i) {
            const auto [swallowed, posts] = feed(s.steps[i].event);
            EXPECT_EQ(swallowed, s.steps[i].swallowed) << s.what << ", step " << i;
            EXPECT_EQ(posts, s.steps[i].posts) << s.what << ", step " << i;
        }
    }
}

TEST_F(InputHookTest, StartsWithForwardingAndNotificationOnAndNoTarget) {
    EXPECT_TRUE(hook.keyboardForwarding());
    EXPECT_TRUE(hook.mouseForwarding());
    EXPECT_TRUE(hook.keyboardNotification());
    EXPECT_TRUE(hook.mouseNotification());
    EXPECT_EQ(hook.target(), WindowId::None);
    EXPECT_FALSE(hook.installed());
    EXPECT_EQ(intercepts.snapshot(), (std::array<uint32_t, 12>{}));
}

TEST_F(InputHookTest, ARecorderTargetGetsEverythingUntilForwardingEnds) {
    ASSERT_TRUE(hook.install(kMainWindow));
    hook.setNotification(HookInputs::Mouse);  // as after bring-up
    hook.setForwarding(HookInputs::Neither);

    hook.setTarget(kRecorder);
    hook.setForwarding(HookInputs::Keyboard);
    EXPECT_EQ(feed(E::key(0x41, 0)).second, (std::vector{hookEvent(0x41, 0, kRecorder)}));
    EXPECT_EQ(feed(E::press(3)).second, (std::vector{buttonEvent(0x204, 0, kRecorder)}));

    // Only switching both off hands the target back.
    hook.setForwarding(HookInputs::Mouse);
    EXPECT_EQ(hook.target(), kRecorder);
    hook.setForwarding(HookInputs::Both);
    EXPECT_EQ(hook.target(), kRecorder);
    hook.setForwarding(HookInputs::Neither);
    EXPECT_EQ(hook.target(), kMainWindow);
    EXPECT_EQ(feed(E::press(3)).second, (std::vector{buttonEvent(0x204)}));

    // The key-combination page of the picker takes over the same way.
    hook.setTarget(kPicker);
    hook.setForwarding(HookInputs::Keyboard);
    EXPECT_EQ(feed(E::key(0x46, 0)).second, (std::vector{hookEvent(0x46, 0, kPicker)}));
}

TEST_F(InputHookTest, AVanishedTargetDropsMessagesButStillSwallows) {
    ASSERT_TRUE(hook.install(kMainWindow));
    hook.updateIntercept(event_code::RightDown, false);
    hook.setTarget(WindowId{99});
    EXPECT_EQ(feed(E::press(3)), (std::pair{true, std::vector<Posted>{}}));
    EXPECT_EQ(feed(E::release(3)), (std::pair{true, std::vector<Posted>{}}));
}

TEST_F(InputHookTest, NothingHappensWhileRemovedAndRemovalForgetsAPendingRelease) {
    hook.updateIntercept(event_code::RightDown, false);
    EXPECT_EQ(feed(E::press(3)), (std::pair{false, std::vector<Posted>{}}));  // never installed

    source.startSucceeds = false;
    EXPECT_FALSE(hook.install(kMainWindow));
    EXPECT_FALSE(hook.installed());
    source.startSucceeds = true;
    ASSERT_TRUE(hook.install(kMainWindow));
    EXPECT_EQ(source.starts, 2);

    EXPECT_TRUE(feed(E::press(3)).first);
    EXPECT_EQ(hook.pendingRelease(), 0x205u);
    hook.remove();
    EXPECT_EQ(source.stops, 1);
    EXPECT_EQ(feed(E::release(3)), (std::pair{false, std::vector<Posted>{}}));
    ASSERT_TRUE(hook.install(kMainWindow));  // the mouse came back
    EXPECT_FALSE(feed(E::release(3)).first);
}

TEST_F(InputHookTest, TheInterceptListHoldsTwelveCodes) {
    ASSERT_TRUE(hook.install(kMainWindow));
    for (uint32_t i = 0; i < 12; ++i) hook.updateIntercept(0x1000 + i, false);
    hook.updateIntercept(0x1000, false);                 // already there: takes no second entry
    hook.updateIntercept(event_code::RightDown, false);  // the 13th: no room
    EXPECT_FALSE(hook.isIntercepted(event_code::RightDown));
    EXPECT_FALSE(feed(E::press(3)).first);
    hook.updateIntercept(0x1005, true);
    hook.updateIntercept(event_code::RightDown, false);  // a freed entry is reused
    EXPECT_TRUE(hook.isIntercepted(event_code::RightDown));
    EXPECT_EQ(intercepts.snapshot()[5], event_code::RightDown);
    EXPECT_TRUE(feed(E::press(3)).first);
}

TEST_F(InputHookTest, HandlingEventsNeverAllocates) {
    ASSERT_TRUE(hook.install(kMainWindow));
    hook.updateIntercept(event_code::RightDown, false);
    hook.updateIntercept(event_code::WheelDown, false);
    hook.setForwarding(HookInputs::Both);
    const InputEvent events[] = {E::press(1), E::release(1),   E::press(3),        E::release(3),
                                 E::press(8), E::release(8),   E::wheel(-120),     E::wheel(120),
                                 E::motion(), E::key(0x41, 0), E::key(0x41, 0x80), E::press(7)};
    {
        test::AllocationCounter check;  // the counter itself sees allocations
        auto probe = std::make_unique<int>(1);
        ASSERT_EQ(check.count(), 1u);
    }
    test::AllocationCounter allocations;
    for (int round = 0; round < 100; ++round)
        for (const auto& e : events) hook.handleEvent(e);
    EXPECT_EQ(allocations.count(), 0u);
    EXPECT_GT(windows.log.size(), 1000u);
}

TEST_F(InputHookTest, WhatAGrabbingPlatformMustGrabMatchesWhatIsSwallowed) {
    ASSERT_TRUE(hook.install(kMainWindow));
    for (uint32_t code : {event_code::LeftDown, event_code::MiddleDown, event_code::ForwardDown,
                          event_code::WheelDown})
        hook.updateIntercept(code, false);
    for (uint32_t button = 1; button <= 12; ++button) {
        const bool swallowed = hook.handleEvent(E::press(button));
        EXPECT_EQ(hook.takesOverXButton(button), swallowed) << "button " << button;
        EXPECT_EQ(hook.handleEvent(E::release(button)), swallowed && button != 5)
            << "button " << button;
    }
    EXPECT_FALSE(hook.takesOverXButton(1));
    EXPECT_TRUE(hook.takesOverXButton(9));
}

// The upload rewrites the list on its own thread while the hook reads it for every event.
TEST_F(InputHookTest, TheUploadMayRewriteTheListWhileEventsArrive) {
    ASSERT_TRUE(hook.install(kMainWindow));
    hook.setNotification(HookInputs::Neither);
    hook.setForwarding(HookInputs::Neither);
    std::atomic<bool> done{false};
    std::thread upload([&] {
        // Each upload removes and re-adds the codes of the software buttons; the middle button
        // never has one.
        for (int i = 0; i < 2000; ++i) {
            for (uint32_t code :
                 {event_code::RightDown, event_code::ForwardDown, event_code::WheelUp}) {
                intercepts.update(code, true);
                intercepts.update(code, false);
            }
        }
        done = true;
    });
    size_t middleSwallowed = 0, rightReports = 0, rightSwallowed = 0;
    while (!done) {
        const size_t before = windows.log.size();
        middleSwallowed += hook.handleEvent(E::press(2));
        middleSwallowed += hook.handleEvent(E::release(2));
        const bool swallowed = hook.handleEvent(E::press(3));
        rightSwallowed += swallowed;
        rightReports += windows.log.size() - before;
        // A swallowed press always swallows its release, whatever the upload did meanwhile.
        EXPECT_EQ(hook.handleEvent(E::release(3)), swallowed);
        if (windows.log.size() > 60000) windows.log.clear();
    }
    upload.join();
    EXPECT_EQ(middleSwallowed, 0u);
    EXPECT_EQ(rightReports, rightSwallowed);  // reported exactly when taken over
    EXPECT_EQ(intercepts.snapshot()[0], event_code::RightDown);
}

}  // namespace
}  // namespace z408
