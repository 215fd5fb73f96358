// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include "common/binary.h"
#include "common/event_codes.h"
#include "hook_fakes.h"
#include "recording_launcher.h"
#include "shell/input_hook.h"
#include "shell/software_function_dispatcher.h"

namespace z408 {
namespace {

// Logs the statistics page's messages into the launcher's call list, so the order shows.
class StatisticsPage : public MessageSink {
  public:
    explicit StatisticsPage(std::vector<std::string>& log) : log_(log) {}
    void post(Msg msg, uintptr_t w, intptr_t) override {
        log_.push_back("count " + std::to_string(static_cast<uint32_t>(msg)) + " " +
                       std::to_string(w));
    }

  private:
    std::vector<std::string>& log_;
};

ProfileSettings profileWithSoftware(int button, uint32_t kind, std::u16string_view path) {
    auto p = ProfileSettings::defaults(false);
    p.button(button).setFunctionType(fn::Software);
    p.button(button).setSoftwareKind(kind);
    p.button(button).setPath(path);
    return p;
}

TEST(SoftwareFunctions, EventCodesNameTheirButtons) {
    struct Case {
        uint64_t code;
        std::optional<int> button;
    };
    const Case cases[] = {
        {0x207, 1},
        {0x204, 2},
        {0x2020B, 3},
        {0x1020B, 4},
        {0x20A01, 5},
        {0x20A00, 6},
        {0x201, std::nullopt},
        {1, std::nullopt},
        {0, std::nullopt},
        {0x20B, std::nullopt},
        {0x100000207ull, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buttonOfEventCode(c.code), c.button) << std::hex << c.code;
}

TEST(SoftwareFunctions, WhatEachEventRunsWithThePathRules) {
    struct Case {
        const char* what;
        uint64_t eventCode;
        ProfileSettings profile;
        std::vector<std::string> calls;
    };
    auto notSoftware = profileWithSoftware(2, 0xC0, u"/snd/a.wav");
    notSoftware.button(2).setFunctionType(fn::Menu);
    const Case cases[] = {
        {"sound on the right button",
         0x204,
         profileWithSoftware(2, 0xC0, u"/snd/ding dong.wav"),
         {"sound /snd/ding dong.wav"}},
        {"a program path with a space is passed unquoted",
         0x207,
         profileWithSoftware(1, 0xD0, u"/opt/My Game/run"),
         {"program /opt/My Game/run"}},
        {"a file path with a space is quoted",
         0x2020B,
         profileWithSoftware(3, 0xE0, u"/home/u/my notes.txt"),
         {"file \"/home/u/my notes.txt\""}},
        {"a file path without a space is not",
         0x1020B,
         profileWithSoftware(4, 0xE0, u"/home/u/notes.txt"),
         {"file /home/u/notes.txt"}},
        {"a folder path with a space is quoted",
         0x20A01,
         profileWithSoftware(5, 0xF0, u"/home/u/My Music"),
         {"folder \"/home/u/My Music\""}},
        {"only a space makes quotes, not a tab",
         0x20A00,
         profileWithSoftware(6, 0xF0, u"/home/u/a\tb"),
         {"folder /home/u/a\tb"}},
        {"an unknown kind runs nothing", 0x204, profileWithSoftware(2, 0xB0, u"/x"), {}},
        {"an empty path runs nothing", 0x204, profileWithSoftware(2, 0xD0, u""), {}},
        {"another function runs nothing", 0x204, notSoftware, {}},
        {"the left button never runs its software function",
         0x201,
         profileWithSoftware(0, 0xD0, u"/usr/bin/xterm"),
         {}},
        {"an event of another button runs nothing",
         0x207,
         profileWithSoftware(2, 0xC0, u"/a.wav"),
         {}},
        {"a key press report runs nothing", 1, profileWithSoftware(2, 0xC0, u"/a.wav"), {}},
    };
    for (const auto& c : cases) {
        test::RecordingLauncher launcher;
        if (const auto action = softwareActionFor(c.eventCode, c.profile))
            runSoftwareAction(*action, launcher);
        EXPECT_EQ(launcher.calls, c.calls) << c.what;
    }
}

TEST(SoftwareFunctions, AnUnterminatedPathIsCutAtItsField) {
    auto p = profileWithSoftware(2, 0xD0, u"");
    auto image = p.image();
    const size_t path = profile_offset::Buttons + 2 * kButtonAssignmentSize + button_offset::Path;
    for (size_t u = 0; u < kPathUnits; ++u) le::put16(image, path + 2 * u, u'p');
    p.assign(image);
    const auto action = softwareActionFor(0x204, p);
    ASSERT_TRUE(action);
    EXPECT_EQ(action->target, std::string(kPathUnits - 1, 'p'));
}

TEST(SoftwareFunctions, EveryEventIsCountedFirstAndEachPressRuns) {
    test::RecordingLauncher launcher;
    StatisticsPage statistics(launcher.calls);
    SoftwareFunctionDispatcher dispatcher(launcher, statistics);
    const auto profile = profileWithSoftware(2, 0xC0, u"/snd/a.wav");
    EXPECT_TRUE(dispatcher.handleButtonEvent(0x204, 0, profile));
    EXPECT_TRUE(dispatcher.handleButtonEvent(0x204, 0, profile));  // the second cuts off the first
    EXPECT_TRUE(dispatcher.handleButtonEvent(0x201, 0, profile));
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{"count 1225 516", "sound /snd/a.wav", "count 1225 516",
                                        "sound /snd/a.wav", "count 1225 513"}));
}

// The main window handles the hook's button events; while the recorder is the target they go to
// the recorder instead, so nothing runs and nothing is counted.
TEST(SoftwareFunctions, NothingRunsWhileTheRecorderIsTheTarget) {
    test::RecordingLauncher launcher;
    StatisticsPage statistics(launcher.calls);
    SoftwareFunctionDispatcher dispatcher(launcher, statistics);
    const auto profile = profileWithSoftware(2, 0xD0, u"/usr/bin/game");
    struct MainWindow : MessageSink {
        MainWindow(SoftwareFunctionDispatcher& d, const ProfileSettings& p)
            : dispatcher(d), active(p) {}
        void post(Msg msg, uintptr_t w, intptr_t l) override {
            if (msg == Msg::ButtonEvent) dispatcher.handleButtonEvent(w, l, active);
        }
        SoftwareFunctionDispatcher& dispatcher;
        const ProfileSettings& active;
    } mainWindow(dispatcher, profile);

    InterceptList intercepts;
    test::RecordingWindows windows;
    windows.mainHandler = &mainWindow;
    test::FakeInputSource source;
    InputHook hook(intercepts, windows, source);
    ASSERT_TRUE(hook.install(test::kMainWindow));
    hook.setNotification(HookInputs::Mouse);
    hook.updateIntercept(event_code::RightDown, false);  // what the upload does for button 2

    hook.setTarget(test::kRecorder);
    hook.setForwarding(HookInputs::Keyboard);
    EXPECT_TRUE(hook.handleEvent(InputEvent::press(3)));
    EXPECT_TRUE(launcher.calls.empty());

    hook.setForwarding(HookInputs::Neither);
    EXPECT_TRUE(hook.handleEvent(InputEvent::release(3)));
    EXPECT_TRUE(hook.handleEvent(InputEvent::press(3)));
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{"count 1225 516", "program /usr/bin/game"}));
}

}  // namespace
}  // namespace z408
