// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The program's X11 source of the input hook under a private Xvfb: events reach the hook on the
// user-interface thread, and a button another program holds is told to the person once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "app/x11_hook_source.h"
#include "common/event_codes.h"
#include "common/program_texts.h"
#include "desktop/child_process.h"
#include "shell/hook_fakes.h"

// Last: Xlib's macros (None, Status) clash with ordinary names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace z408 {
namespace {

TEST(X11HookSource, DeliversOnTheUiThreadAndTellsOnceOfAButtonHeldElsewhere) {
    test::XvfbServer xvfb;
    ASSERT_TRUE(xvfb.start());
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    XGrabButton(other, 3, AnyModifier, DefaultRootWindow(other), False, ButtonPressMask,
                GrabModeAsync, GrabModeAsync, 0, 0);
    XSync(other, False);

    RecordingNotices notices;
    notices.language = 3;  // French
    InterceptList intercepts;
    test::RecordingWindows windows;
    X11HookSource source(notices);
    InputHook hook(intercepts, windows, source);
    source.setHook(&hook);
    hook.setForwarding(HookInputs::Neither);
    hook.updateIntercept(event_code::RightDown, false);  // the button the other program holds
    hook.updateIntercept(event_code::MiddleDown, false);
    ASSERT_TRUE(hook.install(test::kMainWindow));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, programText(ProgramText::ButtonHeldByAnotherProgram, 3));
    source.syncIntercepts();  // the next upload: nothing new to tell
    EXPECT_EQ(notices.shown.size(), 1u);

    XTestFakeButtonEvent(other, 2, True, 0);
    XTestFakeButtonEvent(other, 2, False, 0);
    XSync(other, False);
    QElapsedTimer t;
    t.start();
    while (windows.log.empty() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(windows.log, (std::vector<test::Posted>{
                               {test::kMainWindow, Msg::ButtonEvent, event_code::MiddleDown, 0}}));
    hook.remove();
    XCloseDisplay(other);
}

}  // namespace
}  // namespace z408
