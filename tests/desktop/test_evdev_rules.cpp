// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The evdev source's rules without a kernel: conversion of node events to the hook's events,
// what is swallowed and re-emitted while the node is grabbed (and written, frame by frame), the
// access problems' words.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "common/event_codes.h"
#include "desktop/evdev_access.h"
#include "desktop/evdev_frame_filter.h"
#include "desktop/evdev_hook_input.h"
#include "desktop/evdev_relay.h"
#include "no_free_descriptors.h"
#include "shell/hook_fakes.h"

namespace z408::desktop {
namespace {

using Type = z408::InputEvent::Type;
using Frame = std::vector<RawInputEvent>;
constexpr RawInputEvent kSyn{EV_SYN, SYN_REPORT, 0};

RawInputEvent key(uint16_t code, int32_t value) {
    return {EV_KEY, code, value};
}
RawInputEvent rel(uint16_t code, int32_t value) {
    return {EV_REL, code, value};
}
input_event kSynEvent() {
    return toInputEvent(kSyn);
}
constexpr TakenButtons bit(unsigned xButton) {
    return static_cast<TakenButtons>(1u << xButton);
}

FrameResult run(EvdevFrameFilter& filter, const std::vector<Frame>& frames) {
    FrameResult out;
    for (const Frame& f : frames) filter.frame(f, out);
    return out;
}

std::vector<std::pair<Type, int64_t>> summary(const std::vector<z408::InputEvent>& events) {
    std::vector<std::pair<Type, int64_t>> s;
    for (const auto& e : events)
        s.emplace_back(e.type, e.type == Type::Wheel || e.type == Type::HorizontalWheel
                                   ? e.data
                                   : static_cast<int64_t>(e.code));
    return s;
}

TEST(EvdevFrameFilter, ConvertsButtonsAndWheelToTheHooksVocabulary) {
    struct Case {
        const char* what;
        Frame frame;
        std::vector<std::pair<Type, int64_t>> expected;
    };
    const Case cases[] = {
        {"left",
         {key(BTN_LEFT, 1), kSyn, key(BTN_LEFT, 0), kSyn},
         {{Type::ButtonPress, 1}, {Type::ButtonRelease, 1}}},
        {"the others by X button number",
         {key(BTN_MIDDLE, 1), key(BTN_RIGHT, 1), key(BTN_SIDE, 1), key(BTN_EXTRA, 1), kSyn},
         {{Type::ButtonPress, 2},
          {Type::ButtonPress, 3},
          {Type::ButtonPress, 8},
          {Type::ButtonPress, 9}}},
        {"autorepeat and foreign keys give nothing",
         {key(BTN_RIGHT, 2), key(BTN_FORWARD, 1), key(KEY_A, 1), kSyn},
         {}},
        {"a notch with its high-resolution twin counts once",
         {rel(REL_WHEEL, 1), rel(REL_WHEEL_HI_RES, 120), kSyn},
         {{Type::Wheel, 120}}},
        {"high resolution alone is no notch", {rel(REL_WHEEL_HI_RES, 60), kSyn}, {}},
        {"two notches towards the user",
         {rel(REL_WHEEL, -2), kSyn},
         {{Type::Wheel, -120}, {Type::Wheel, -120}}},
        {"horizontal",
         {rel(REL_HWHEEL, 1), kSyn, rel(REL_HWHEEL, -1), kSyn},
         {{Type::HorizontalWheel, 120}, {Type::HorizontalWheel, -120}}},
        {"motion is no hook event", {rel(REL_X, 5), rel(REL_Y, -3), kSyn}, {}},
    };
    for (const Case& c : cases) {
        EvdevFrameFilter filter;
        const FrameResult r = run(filter, {c.frame});
        EXPECT_EQ(summary(r.hookEvents), c.expected) << c.what;
        EXPECT_TRUE(r.reemit.empty()) << c.what << ": nothing is re-emitted without a grab";
    }
}

TEST(EvdevFrameFilter, BoundsWhatADeviceValueCanCost) {
    EvdevFrameFilter filter;
    const FrameResult r =
        run(filter, {{rel(REL_WHEEL, INT32_MIN), rel(REL_X, INT32_MAX), rel(REL_X, INT32_MAX),
                      rel(REL_Y, INT32_MIN), rel(REL_Y, -1), kSyn}});
    EXPECT_EQ(r.hookEvents.size(), static_cast<size_t>(EvdevFrameFilter::kMaxNotchesPerEvent));
    EXPECT_EQ(r.dx, INT32_MAX);
    EXPECT_EQ(r.dy, INT32_MIN);
}

TEST(EvdevFrameFilter, WhileGrabbedReemitsAllButTheTakenButtonsInOrder) {
    EvdevFrameFilter filter;
    filter.setGrab(true, bit(3) | bit(4));  // right button, wheel away from the user
    const FrameResult r = run(filter, {
                                          {{EV_MSC, MSC_SCAN, 0x90002}, key(BTN_RIGHT, 1), kSyn},
                                          {rel(REL_X, 2), rel(REL_Y, 1), kSyn},
                                          {{EV_MSC, MSC_SCAN, 0x90002}, key(BTN_RIGHT, 0), kSyn},
                                          {{EV_MSC, MSC_SCAN, 0x90003}, key(BTN_MIDDLE, 1), kSyn},
                                          {rel(REL_WHEEL, 1), rel(REL_WHEEL_HI_RES, 120), kSyn},
                                          {rel(REL_WHEEL, -1), rel(REL_WHEEL_HI_RES, -120), kSyn},
                                          {key(BTN_MIDDLE, 0), rel(REL_X, -1), kSyn},
                                      });
    const Frame expected{rel(REL_X, 2),
                         rel(REL_Y, 1),
                         kSyn,
                         {EV_MSC, MSC_SCAN, 0x90003},
                         key(BTN_MIDDLE, 1),
                         kSyn,
                         rel(REL_WHEEL, -1),
                         rel(REL_WHEEL_HI_RES, -120),
                         kSyn,
                         key(BTN_MIDDLE, 0),
                         rel(REL_X, -1),
                         kSyn};
    EXPECT_EQ(r.reemit, expected);
    // The hook still hears every button and notch: it reports the swallowed ones itself.
    EXPECT_EQ(summary(r.hookEvents),
              (std::vector<std::pair<Type, int64_t>>{{Type::ButtonPress, 3},
                                                     {Type::ButtonRelease, 3},
                                                     {Type::ButtonPress, 2},
                                                     {Type::Wheel, 120},
                                                     {Type::Wheel, -120},
                                                     {Type::ButtonRelease, 2}}));
}

TEST(EvdevFrameFilter, ReleasesFollowWhereTheirPressWent) {
    // Taken while held: the press went to the desktop, so must its release. Let go while held:
    // the desktop never saw the press, so it must not see the release.
    EvdevFrameFilter filter;
    filter.setGrab(true, bit(8));
    FrameResult r = run(filter, {{key(BTN_RIGHT, 1), kSyn}, {key(BTN_SIDE, 1), kSyn}});
    filter.setGrab(true, bit(3));
    r = run(filter, {{key(BTN_RIGHT, 0), kSyn}, {key(BTN_SIDE, 0), kSyn}});
    EXPECT_EQ(r.reemit, (Frame{key(BTN_RIGHT, 0), kSyn}));
    EXPECT_FALSE(filter.anyHeld());
}

TEST(EvdevFrameFilter, KnowsWhileAnyKeyIsHeld) {
    EvdevFrameFilter filter;
    filter.noteHeld(BTN_LEFT, true);  // held when the node was opened
    EXPECT_TRUE(filter.anyHeld());
    run(filter, {{key(BTN_FORWARD, 1), key(BTN_LEFT, 0), kSyn}});
    EXPECT_TRUE(filter.anyHeld());
    run(filter, {{key(BTN_FORWARD, 0), kSyn}});
    EXPECT_FALSE(filter.anyHeld());
    filter.noteHeld(0xFFFF, true);  // out of range: ignored
    EXPECT_FALSE(filter.anyHeld());
}

// The filter decides on the source's thread what the hook decides on its own: for every button
// and notch the two must agree, or a button would run its function and still click, or vanish.
TEST(EvdevFrameFilter, SwallowsExactlyWhatTheHookSwallows) {
    const std::vector<std::vector<uint32_t>> lists = {
        {},
        {event_code::RightDown},
        {event_code::LeftDown, event_code::MiddleDown},
        {event_code::BackDown, event_code::WheelDown},
        {event_code::ForwardDown, event_code::WheelUp, event_code::RightDown},
    };
    const std::vector<Frame> frames = {
        {key(BTN_LEFT, 1), kSyn},  {key(BTN_LEFT, 0), kSyn},   {key(BTN_RIGHT, 1), kSyn},
        {key(BTN_RIGHT, 0), kSyn}, {key(BTN_MIDDLE, 1), kSyn}, {key(BTN_MIDDLE, 0), kSyn},
        {key(BTN_SIDE, 1), kSyn},  {key(BTN_EXTRA, 1), kSyn},  {key(BTN_EXTRA, 0), kSyn},
        {key(BTN_SIDE, 0), kSyn},  {rel(REL_WHEEL, 1), kSyn},  {rel(REL_WHEEL, -1), kSyn},
    };
    for (const auto& list : lists) {
        InterceptList intercepts;
        test::RecordingWindows windows;
        test::FakeInputSource source;
        InputHook hook(intercepts, windows, source);
        ASSERT_TRUE(hook.install(test::kMainWindow));
        for (const uint32_t code : list) hook.updateIntercept(code, false);
        EvdevFrameFilter filter;
        filter.setGrab(true, takenButtons(hook));
        for (const Frame& f : frames) {
            FrameResult r;
            filter.frame(f, r);
            ASSERT_EQ(r.hookEvents.size(), 1u);
            const bool hookSwallows = hook.handleEvent(r.hookEvents[0]);
            EXPECT_EQ(r.reemit.empty(), hookSwallows)
                << "list of " << list.size() << ", event " << f[0].code << " " << f[0].value;
        }
    }
}

TEST(EvdevAccess, ProblemsNameTheCauseAndTheFix) {
    struct Case {
        EvdevProblem problem;
        EvdevIssue issue;
        std::vector<const char*> words;  // in the English text
    };
    const Case cases[] = {
        {nodeOpenProblem("/dev/input/event7", EACCES),
         EvdevIssue::NodeNotReadable,
         {"/dev/input/event7", "Permission denied", "70-z408.rules"}},
        {nodeOpenProblem("/dev/input/event7", ENODEV), EvdevIssue::NoMouseNode, {"Plug"}},
        {uinputOpenProblem("/dev/uinput", ENOENT),
         EvdevIssue::NoUinput,
         {"/dev/uinput", "modprobe uinput"}},
        {uinputOpenProblem("/dev/uinput", EACCES),
         EvdevIssue::UinputNotWritable,
         {"/dev/uinput", "Permission denied", "71-z408-uinput.rules"}},
        {uinputOpenProblem("/dev/uinput", EMFILE), EvdevIssue::UinputFailed, {"/dev/uinput"}},
        {grabProblem("/dev/input/event7", EBUSY),
         EvdevIssue::GrabBusy,
         {"Another program", "/dev/input/event7"}},
        {grabProblem("/dev/input/event7", EINVAL),
         EvdevIssue::GrabFailed,
         {"/dev/input/event7", "Invalid argument"}},
        {watchProblem(EMFILE), EvdevIssue::WatchFailed, {"Too many open files", "netlink"}},
        // libudev failing without an errno still gives a cause to read.
        {watchProblem(0), EvdevIssue::WatchFailed, {"Input/output error"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.problem.issue, c.issue);
        const std::string english = c.problem.text(2);
        for (const char* w : c.words) EXPECT_NE(english.find(w), std::string::npos) << english;
        // The person's language, with the same path filled in.
        const std::string chinese = c.problem.text(1);
        EXPECT_NE(chinese, english);
        if (!c.problem.path.empty()) {
            EXPECT_NE(chinese.find(c.problem.path), std::string::npos) << chinese;
        }
        EXPECT_EQ(chinese.find("%s"), std::string::npos) << chinese;
    }
    EXPECT_EQ(EvdevProblem{}.text(2), "");
}

TEST(EvdevAccess, ReadsSysfsCapabilityBitmaps) {
    struct Case {
        const char* bitmap;
        unsigned bit;
        bool set;
    };
    const Case cases[] = {
        {"1943", REL_X, true},  // a mouse's rel: X, Y, WHEEL, HWHEEL, the hi-res pair
        {"1943", REL_WHEEL, true},
        {"1943", REL_Z, false},
        {"1940", REL_X, false},              // a keyboard's consumer page: wheels only
        {"1f0000 0 0 0 0", BTN_LEFT, true},  // key bitmap: BTN_LEFT is bit 16 of the fifth word
        {"1e0000 0 0 0 0", BTN_LEFT, false},
        {"10000", BTN_LEFT, false},  // too few words
        {"", REL_X, false},
        {"zz", REL_X, false},
        {"7 ffffffffffffffff", 64, true},
        {"7 fffffffffffffffe\n", 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(capabilityHasBit(c.bitmap, c.bit, 64), c.set) << c.bitmap << " bit " << c.bit;
    EXPECT_TRUE(capabilityHasBit("1 0", 32, 32));
}

}  // namespace
}  // namespace z408::desktop

namespace z408::desktop {
namespace {

input_event ev(uint16_t type, uint16_t code, int32_t value) {
    return toInputEvent({type, code, value});
}

std::vector<RawInputEvent> readAll(int fd) {
    std::vector<RawInputEvent> got;
    input_event e{};
    while (::read(fd, &e, sizeof e) == static_cast<ssize_t>(sizeof e))
        got.push_back({e.type, e.code, e.value});
    return got;
}

TEST(EvdevRelay, WritesEachFramesPassedOnEventsToTheDevice) {
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
    EvdevRelay relay;
    relay.filter().setGrab(true, bit(3));
    FrameResult r;
    const input_event events[] = {ev(EV_KEY, BTN_RIGHT, 1), ev(EV_REL, REL_X, 4), kSynEvent(),
                                  ev(EV_REL, REL_Y, 1), ev(EV_REL, REL_X, 9)};
    std::vector<bool> ended;
    for (const input_event& e : events) ended.push_back(relay.push(e, fds[1], r));
    EXPECT_EQ(ended, (std::vector<bool>{false, false, true, false, false}));
    // The unfinished frame is not written; a dropped one never is.
    EXPECT_EQ(readAll(fds[0]), (Frame{rel(REL_X, 4), kSyn}));
    relay.dropFrame();
    relay.push(ev(EV_REL, REL_WHEEL, -1), fds[1], r);
    relay.push(kSynEvent(), fds[1], r);
    EXPECT_EQ(readAll(fds[0]), (Frame{rel(REL_WHEEL, -1), kSyn}));
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST(EvdevRelay, AFrameThatNeverEndsIsHandledAtItsBound) {
    EvdevRelay relay;
    FrameResult r;
    size_t ends = 0;
    for (size_t i = 0; i < 3 * EvdevRelay::kMaxFrameEvents; ++i)
        if (relay.push(ev(EV_REL, REL_X, 1), -1, r)) ++ends;
    EXPECT_EQ(ends, 3u);
    EXPECT_EQ(r.dx, static_cast<int32_t>(EvdevRelay::kMaxFrameEvents));
}

}  // namespace
}  // namespace z408::desktop

namespace z408::desktop {
namespace {

// Without the mouse (as on every build machine) the source runs, waiting for it, and lets go of
// everything at stop, from any thread's point of view; the kernel paths are the guest's checks.
TEST(EvdevHookInput, RunsWithoutTheMouseAndStopsCleanly) {
    if (!findMouseEventNodes().empty()) GTEST_SKIP() << "a mouse is plugged in here";
    InterceptList intercepts;
    test::RecordingWindows windows;
    std::vector<z408::InputEvent> delivered;
    EvdevHookInput source([&](const z408::InputEvent& e) { delivered.push_back(e); });
    InputHook hook(intercepts, windows, source);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(hook.install(test::kMainWindow)) << source.error();
        EXPECT_TRUE(source.running());
        EXPECT_TRUE(source.alive());
        EXPECT_EQ(source.openNodes(), 0u);
        hook.updateIntercept(event_code::RightDown, false);
        // Nothing to grab yet: no problem to tell.
        EXPECT_TRUE(source.syncIntercepts(hook).empty());
        hook.remove();
        EXPECT_FALSE(source.running());
    }
    EXPECT_TRUE(delivered.empty());
}

// With no descriptor left for udev's monitor the source cannot follow the mouse: start() fails
// and says why, so the person is told something, and starts once descriptors are free again.
TEST(EvdevHookInput, AStartThatCannotWatchHotPlugSaysWhy) {
    if (!findMouseEventNodes().empty()) GTEST_SKIP() << "a mouse is plugged in here";
    EvdevHookInput source([](const z408::InputEvent&) {});
    bool started = true;
    {
        test::NoFreeDescriptors exhausted;
        ASSERT_TRUE(exhausted.active());
        started = source.start();
    }

    EXPECT_FALSE(started);
    EXPECT_FALSE(source.running());
    EXPECT_EQ(source.problem().issue, EvdevIssue::WatchFailed);
    EXPECT_EQ(source.problem().error, EMFILE);
    EXPECT_NE(source.error().find("Too many open files"), std::string::npos) << source.error();
    EXPECT_NE(source.problem().text(1), source.error());

    EXPECT_TRUE(source.start()) << source.error();
    EXPECT_TRUE(source.problem().empty());
    source.stop();
}

}  // namespace
}  // namespace z408::desktop
