// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The program's evdev source of the input hook, played by a thread standing in for the source's
// reader: button and wheel events reach the statistics page through the hook and the main
// window's handler on the user-interface thread, the mouse's motion becomes pointer travel, and
// each kind of problem is told to the person once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <cerrno>
#include <thread>

#include "app/evdev_hook_source.h"
#include "common/event_codes.h"
#include "config/profile_settings.h"
#include "i18n/language_context.h"
#include "no_free_descriptors.h"
#include "pages/dlg_sts.h"
#include "shell/hook_fakes.h"
#include "shell/recording_launcher.h"
#include "shell/software_function_dispatcher.h"
#include "spin_until.h"
#include "temp_dir.h"

namespace z408 {
namespace {

// The main window's part: the hook's button events go to the dispatcher, which counts them on
// the statistics page before running any function.
struct MainWindow : MessageSink {
    MainWindow(SoftwareFunctionDispatcher& d, const ProfileSettings& p)
        : dispatcher(d), active(p) {}
    void post(Msg msg, uintptr_t w, intptr_t l) override {
        if (QThread::currentThread() != qApp->thread()) offThread = true;
        if (msg == Msg::ButtonEvent) dispatcher.handleButtonEvent(w, l, active);
    }
    SoftwareFunctionDispatcher& dispatcher;
    const ProfileSettings& active;
    bool offThread = false;
};

TEST(EvdevHookSource, StatisticsCountTheMousesEventsAndTravel) {
    test::TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    ASSERT_TRUE(language.LoadLanguageFile("Language/en.xml"));
    RecordingNotices notices;
    EvdevHookSource source(notices);
    CDlgSts page(QString::fromUtf8(Z408_PROGRAM_DIR), dir.path(), false, language, notices,
                 std::make_unique<MotionCursorSource>(source.motion()), nullptr);
    page.setSamplingInterval(std::chrono::milliseconds(1));
    page.initialise();
    notices.shown.clear();  // no Sts.cfg yet: told, and counting starts at zero

    test::RecordingLauncher launcher;
    SoftwareFunctionDispatcher dispatcher(launcher, page.sink());
    const auto profile = ProfileSettings::defaults(false);
    MainWindow mainWindow(dispatcher, profile);
    InterceptList intercepts;
    test::RecordingWindows windows;
    windows.mainHandler = &mainWindow;
    // The hook's own installation is not under test: the source only hands events to it.
    test::FakeInputSource installed;
    InputHook hook(intercepts, windows, installed);
    source.setHook(&hook);
    ASSERT_TRUE(hook.install(test::kMainWindow));
    hook.setNotification(HookInputs::Mouse);
    hook.setForwarding(HookInputs::Neither);
    hook.updateIntercept(event_code::MiddleDown, false);  // swallowed ones are counted too

    // The page takes its starting point (the pointer still at rest) before the mouse moves.
    page.sink().post(Msg::CursorSample, 0, 0);
    QCoreApplication::processEvents();
    std::thread reader([&source] {
        const InputEvent events[] = {
            InputEvent::press(1),    InputEvent::release(1),  InputEvent::press(3),
            InputEvent::release(3),  InputEvent::press(2),    InputEvent::release(2),
            InputEvent::press(8),    InputEvent::release(8),  InputEvent::wheel(120),
            InputEvent::wheel(-120), InputEvent::wheel(-120), InputEvent::press(1),
            InputEvent::release(1),
        };
        for (const InputEvent& e : events) source.deliver(e);
        source.moved(30, 0);
        source.moved(0, 40);
    });
    reader.join();
    const StatisticsRecord expected{2, 1, 1, 1, 2, 70};
    EXPECT_TRUE(test::spinUntil([&] { return page.statistics().record() == expected; }))
        << page.statistics().record().pointerTravel;
    EXPECT_FALSE(mainWindow.offThread);
    // The order the reader gave: the left, right and middle presses, then the wheel.
    std::vector<uintptr_t> codes;
    for (const test::Posted& p : windows.log) codes.push_back(p.wParam);
    EXPECT_EQ(codes, (std::vector<uintptr_t>{event_code::LeftDown, event_code::RightDown,
                                             event_code::MiddleDown, event_code::BackDown,
                                             event_code::WheelUp, event_code::WheelDown,
                                             event_code::WheelDown, event_code::LeftDown}));
    EXPECT_TRUE(notices.shown.empty());
}

TEST(EvdevHookSource, EachKindOfProblemIsToldOnceInThePersonsLanguage) {
    RecordingNotices notices;
    notices.language = 5;  // German
    EvdevHookSource source(notices);
    const auto busy = desktop::grabProblem("/dev/input/event5", EBUSY);
    const auto busyAfterReplug = desktop::grabProblem("/dev/input/event7", EBUSY);
    const auto noUinput = desktop::uinputOpenProblem(desktop::kUinputPath, ENOENT);
    std::thread reader([&] {
        source.problemArose(busy);
        source.problemArose(busyAfterReplug);
        source.problemArose(noUinput);
        source.problemArose({});  // nothing to tell
    });
    reader.join();
    ASSERT_TRUE(test::spinUntil([&] { return notices.shown.size() == 2; }));
    QCoreApplication::processEvents();
    ASSERT_EQ(notices.shown.size(), 2u);
    EXPECT_EQ(notices.shown[0].text, busy.text(5));
    EXPECT_EQ(notices.shown[1].text, noUinput.text(5));
    EXPECT_FALSE(busy.text(5).empty());
}

// udev's monitor cannot be set up (no descriptor left): the person is told why the hook is off,
// in their language, instead of an empty notice or none.
TEST(EvdevHookSource, AHookThatCannotWatchHotPlugTellsWhy) {
    if (!desktop::findMouseEventNodes().empty()) GTEST_SKIP() << "a mouse is plugged in here";
    RecordingNotices notices;
    notices.language = 10;  // Russian
    EvdevHookSource source(notices);
    bool started = true;
    {
        test::NoFreeDescriptors exhausted;
        ASSERT_TRUE(exhausted.active());
        started = source.start();
    }
    EXPECT_FALSE(started);
    ASSERT_TRUE(test::spinUntil([&] { return !notices.shown.empty(); }));
    EXPECT_EQ(notices.shown[0].text, desktop::watchProblem(EMFILE).text(10));
}

}  // namespace
}  // namespace z408
