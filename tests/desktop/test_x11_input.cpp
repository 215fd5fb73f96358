// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The X11 input source against a real X server (Xvfb) driven through XTest.
// gtest before Xlib: Xlib's macros (None, Bool, Status) break gtest's templates.
#include <gtest/gtest.h>
// The hook's headers too: its names (None, ButtonPress) are Xlib macros.
#include "desktop/x11_hook_input.h"
#include "shell/hook_fakes.h"
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// clang-format on

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "child_process.h"
#include "desktop/x11_input_source.h"

namespace z408::desktop {
namespace {

using Type = InputEvent::Type;
// Xlib's macros take the names ButtonPress and ButtonRelease here.
constexpr Type kPress = InputEvent::press(0).type;
constexpr Type kRelease = InputEvent::release(0).type;

class X11InputTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        xvfb_ = new test::XvfbServer;
        ASSERT_TRUE(xvfb_->start()) << "Xvfb did not start";
    }
    static void TearDownTestSuite() {
        delete xvfb_;
        xvfb_ = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(xvfb_, nullptr);
        setenv("DISPLAY", xvfb_->display().c_str(), 1);
        driver_ = XOpenDisplay(nullptr);
        ASSERT_NE(driver_, nullptr);
        std::string error;
        ASSERT_TRUE(source_.start(
            [this](const InputEvent& e) {
                std::lock_guard lock(mutex_);
                events_.push_back(e);
            },
            error))
            << error;
    }
    void TearDown() override {
        source_.stop();
        if (driver_) XCloseDisplay(driver_);
    }

    void button(unsigned b) {
        XTestFakeButtonEvent(driver_, b, True, CurrentTime);
        XTestFakeButtonEvent(driver_, b, False, CurrentTime);
        XSync(driver_, False);
    }
    void key(KeySym ks, bool press) {
        XTestFakeKeyEvent(driver_, XKeysymToKeycode(driver_, ks), press ? True : False,
                          CurrentTime);
        XSync(driver_, False);
    }
    // Waits until the source has delivered `count` events (or gives up after a few seconds).
    std::vector<InputEvent> waitFor(size_t count) {
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard lock(mutex_);
                if (events_.size() >= count) return events_;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::lock_guard lock(mutex_);
        return events_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

    static test::XvfbServer* xvfb_;
    Display* driver_ = nullptr;
    X11InputSource source_;
    std::mutex mutex_;
    std::vector<InputEvent> events_;
};

test::XvfbServer* X11InputTest::xvfb_ = nullptr;

TEST_F(X11InputTest, ButtonsAndWheelStepsArriveInOrder) {
    for (unsigned b : {1u, 2u, 3u, 8u, 9u, 4u, 5u, 6u, 7u}) button(b);
    struct Expected {
        Type type;
        unsigned button;
        int32_t delta;
    };
    const Expected expected[] = {
        {kPress, 1, 0},
        {kRelease, 1, 0},
        {kPress, 2, 0},
        {kRelease, 2, 0},
        {kPress, 3, 0},
        {kRelease, 3, 0},
        {kPress, 8, 0},
        {kRelease, 8, 0},
        {kPress, 9, 0},
        {kRelease, 9, 0},
        {Type::Wheel, 4, 120},
        {Type::Wheel, 5, -120},
        {Type::HorizontalWheel, 6, -120},
        {Type::HorizontalWheel, 7, 120},
    };
    const auto got = waitFor(std::size(expected));
    ASSERT_EQ(got.size(), std::size(expected));
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].type, expected[i].type);
        EXPECT_EQ(got[i].code, expected[i].button);
        EXPECT_EQ(got[i].data, expected[i].delta);
    }
}

TEST_F(X11InputTest, KeysArriveAsVirtualKeysWithLowLevelFlags) {
    struct Case {
        KeySym keysym;
        uint32_t key;
        uint32_t flags;  // of the press; the release adds 0x80
    };
    const Case cases[] = {
        {XK_a, 0x41, 0x00},           {XK_1, 0x31, 0x00},          {XK_Return, 0x0D, 0x00},
        {XK_F4, 0x73, 0x00},          {XK_Escape, 0x1B, 0x00},     {XK_minus, 0xBD, 0x00},
        {XK_bracketleft, 0xDB, 0x00}, {XK_apostrophe, 0xDE, 0x00}, {XK_Shift_R, 0xA1, 0x00},
        {XK_Control_L, 0xA2, 0x00},   {XK_Control_R, 0xA3, 0x01},  {XK_Right, 0x27, 0x01},
        {XK_Delete, 0x2E, 0x01},      {XK_Print, 0x2C, 0x01},      {XK_KP_Add, 0x6B, 0x00},
        {XK_KP_Enter, 0x0D, 0x01},    {XK_KP_Divide, 0x6F, 0x01},  {XK_Super_L, 0x5B, 0x01},
        {XK_Pause, 0x13, 0x00},       {XK_Caps_Lock, 0x14, 0x00},
    };
    for (const auto& c : cases) {
        key(c.keysym, true);
        key(c.keysym, false);
        if (c.keysym == XK_Caps_Lock) {  // leave Caps Lock as it was
            key(c.keysym, true);
            key(c.keysym, false);
        }
    }
    const auto got = waitFor(std::size(cases) * 2 + 2);
    size_t i = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        ASSERT_LT(i + 1, got.size());
        EXPECT_EQ(got[i].type, Type::Key);
        EXPECT_EQ(got[i].code, c.key);
        EXPECT_EQ(static_cast<uint32_t>(got[i].data), c.flags);
        EXPECT_EQ(got[i + 1].type, Type::Key);
        EXPECT_EQ(got[i + 1].code, c.key);
        EXPECT_EQ(static_cast<uint32_t>(got[i + 1].data), c.flags | 0x80);
        i += c.keysym == XK_Caps_Lock ? 4 : 2;
    }
}

TEST_F(X11InputTest, AltHeldAndNumLockChangeTheKeyReport) {
    key(XK_Alt_L, true);
    key(XK_a, true);
    key(XK_a, false);
    key(XK_Alt_L, false);
    // The keypad's 1 reads as End with Num Lock off and as keypad 1 with it on.
    const KeyCode kp1 = XKeysymToKeycode(driver_, XK_KP_End);
    auto kp = [&](bool press) {
        XTestFakeKeyEvent(driver_, kp1, press ? True : False, CurrentTime);
        XSync(driver_, False);
    };
    kp(true);
    kp(false);
    key(XK_Num_Lock, true);
    key(XK_Num_Lock, false);
    kp(true);
    kp(false);
    key(XK_Num_Lock, true);  // back off
    key(XK_Num_Lock, false);
    const auto got = waitFor(12);
    ASSERT_EQ(got.size(), 12u);
    const std::pair<uint32_t, uint32_t> expected[] = {
        {0xA4, 0x20}, {0x41, 0x20}, {0x41, 0xA0}, {0xA4, 0x80}, {0x23, 0x00}, {0x23, 0x80},
        {0x90, 0x01}, {0x90, 0x81}, {0x61, 0x00}, {0x61, 0x80}, {0x90, 0x01}, {0x90, 0x81}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].code, expected[i].first);
        EXPECT_EQ(static_cast<uint32_t>(got[i].data), expected[i].second);
    }
}

// Another program with a window under the pointer that wants every click.
class Observer {
  public:
    Observer() {
        display_ = XOpenDisplay(nullptr);
        const Window root = DefaultRootWindow(display_);
        XSetWindowAttributes attrs{};
        attrs.event_mask = ButtonPressMask | ButtonReleaseMask;
        window_ = XCreateWindow(display_, root, 0, 0, 1024, 768, 0, 0, InputOnly, CopyFromParent,
                                CWEventMask, &attrs);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~Observer() { XCloseDisplay(display_); }
    // The buttons pressed in this window until the marker button's press arrives.
    std::vector<unsigned> pressesUntil(unsigned marker) {
        std::vector<unsigned> presses;
        for (int i = 0; i < 1000; ++i) {
            while (XPending(display_) > 0) {
                XEvent ev;
                XNextEvent(display_, &ev);
                if (ev.type != ButtonPress) continue;
                if (ev.xbutton.button == marker) return presses;
                presses.push_back(ev.xbutton.button);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ADD_FAILURE() << "the marker click never arrived";
        return presses;
    }
    Display* display() const { return display_; }

  private:
    Display* display_;
    Window window_;
};

TEST_F(X11InputTest, InterceptedButtonsReachNoOtherProgramAndRearmingReleasesThem) {
    Observer other;
    XTestFakeMotionEvent(driver_, 0, 500, 400, CurrentTime);
    XSync(driver_, False);
    ASSERT_TRUE(source_.setGrabbedButtons(std::vector<unsigned>{3, 5, 8}).empty());
    for (unsigned b : {3u, 1u, 5u, 4u, 8u, 9u, 2u}) button(b);  // 2 is the marker
    EXPECT_EQ(other.pressesUntil(2), (std::vector<unsigned>{1, 4, 9}));
    // The source itself still sees every one of them.
    const auto got = waitFor(12);
    std::vector<unsigned> seen;
    for (const auto& e : got)
        if (e.type != kRelease) seen.push_back(e.code);
    EXPECT_EQ(seen, (std::vector<unsigned>{3, 1, 5, 4, 8, 9, 2}));

    // A new set: right and the wheel are let go, forward is taken.
    ASSERT_TRUE(source_.setGrabbedButtons(std::vector<unsigned>{9}).empty());
    for (unsigned b : {3u, 9u, 5u, 2u}) button(b);
    EXPECT_EQ(other.pressesUntil(2), (std::vector<unsigned>{3, 5}));
}

// The program's hook fed by its X11 source: the grabs follow the hook's rule of what it swallows,
// not the raw list, so a listed left button keeps reaching other programs.
TEST(X11HookInputTest, GrabsFollowTheHooksRuleAndNameButtonsHeldElsewhere) {
    test::XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start());
    Display* driver = XOpenDisplay(nullptr);
    ASSERT_NE(driver, nullptr);
    auto click = [driver](unsigned b) {
        XTestFakeButtonEvent(driver, b, True, CurrentTime);
        XTestFakeButtonEvent(driver, b, False, CurrentTime);
        XSync(driver, False);
    };
    InterceptList intercepts;
    test::RecordingWindows windows;
    std::mutex hookMutex;
    z408::InputHook* fed = nullptr;
    X11HookInput input([&](const z408::InputEvent& e) {
        std::lock_guard lock(hookMutex);
        if (fed != nullptr) fed->handleEvent(e);
    });
    z408::InputHook hook(intercepts, windows, input);
    hook.setForwarding(HookInputs::Neither);
    {
        std::lock_guard lock(hookMutex);
        ASSERT_TRUE(hook.install(test::kMainWindow)) << input.error();
        fed = &hook;
    }
    for (uint32_t code : {0x201u, 0x204u, 0x20A01u}) hook.updateIntercept(code, false);

    Observer other;
    ASSERT_TRUE(input.syncGrabs(hook).empty());
    for (unsigned b : {1u, 3u, 4u, 5u, 2u}) click(b);  // 2 is the marker
    EXPECT_EQ(other.pressesUntil(2), (std::vector<unsigned>{1, 5}));

    // Another program holds the middle button: listing it names the button, and its clicks
    // still reach the hook, which reports them.
    XGrabButton(other.display(), 2, AnyModifier, DefaultRootWindow(other.display()), False,
                ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None);
    XSync(other.display(), False);
    hook.updateIntercept(0x207, false);
    EXPECT_EQ(input.syncGrabs(hook), (std::vector<unsigned>{2}));
    click(2);
    for (int i = 0; i < 500; ++i) {
        {
            std::lock_guard lock(hookMutex);
            if (!windows.log.empty() && windows.log.back().wParam == 0x207) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    input.stop();
    hook.remove();
    const std::vector<test::Posted> expected = {{test::kMainWindow, Msg::ButtonEvent, 0x201, 0},
                                                {test::kMainWindow, Msg::ButtonEvent, 0x204, 0},
                                                {test::kMainWindow, Msg::ButtonEvent, 0x20A01, 0},
                                                {test::kMainWindow, Msg::ButtonEvent, 0x20A00, 0},
                                                {test::kMainWindow, Msg::ButtonEvent, 0x207, 0},
                                                {test::kMainWindow, Msg::ButtonEvent, 0x207, 0}};
    EXPECT_EQ(windows.log, expected);
    XCloseDisplay(driver);
}

TEST_F(X11InputTest, AButtonGrabbedByAnotherProgramIsReported) {
    Observer other;
    const Window root = DefaultRootWindow(other.display());
    XGrabButton(other.display(), 3, AnyModifier, root, False, ButtonPressMask, GrabModeAsync,
                GrabModeAsync, None, None);
    XSync(other.display(), False);
    const auto failures = source_.setGrabbedButtons(std::vector<unsigned>{3, 2});
    EXPECT_EQ(failures, (std::vector<unsigned>{3}));
    EXPECT_NE(X11InputSource::describe(failures).find("right button (0x204)"), std::string::npos);
    // Once the other program lets go, asking again succeeds.
    XUngrabButton(other.display(), 3, AnyModifier, root);
    XSync(other.display(), False);
    EXPECT_TRUE(source_.setGrabbedButtons(std::vector<unsigned>{3, 2}).empty());
}

TEST(X11InputWithoutServer, SaysThereIsNoXServer) {
    const char* saved = std::getenv("DISPLAY");
    const std::string keep = saved ? saved : "";
    unsetenv("DISPLAY");
    X11InputSource source;
    std::string error;
    EXPECT_FALSE(source.start([](const InputEvent&) {}, error));
    EXPECT_NE(error.find("No X server"), std::string::npos) << error;
    EXPECT_FALSE(source.running());
    setenv("DISPLAY", ":65000", 1);  // a server that is not there
    EXPECT_FALSE(source.start([](const InputEvent&) {}, error));
    EXPECT_NE(error.find("Cannot connect"), std::string::npos) << error;
    if (saved) setenv("DISPLAY", keep.c_str(), 1);
}

}  // namespace
}  // namespace z408::desktop
