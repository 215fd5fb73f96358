// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The directory the input hook finds its windows in: a window that comes and goes (the picker's
// key page) receives the forwarded keys only while it is entered.
#include <gtest/gtest.h>

#include <vector>

#include "shell/hook_fakes.h"
#include "shell/window_directory.h"

namespace z408 {
namespace {

struct CountingSink : MessageSink {
    void post(Msg msg, uintptr_t wParam, intptr_t) override {
        if (msg == Msg::HookEvent) keys.push_back(static_cast<uint32_t>(wParam));
    }
    std::vector<uint32_t> keys;
};

TEST(WindowDirectory, ForwardedKeysReachOnlyAnEnteredWindow) {
    InterceptList intercepts;
    WindowDirectory windows;
    test::FakeInputSource source;
    InputHook hook(intercepts, windows, source);
    CountingSink main, picker, later;
    windows.add(test::kMainWindow, &main);
    ASSERT_TRUE(hook.install(test::kMainWindow));

    hook.setTarget(test::kPicker);
    hook.setForwarding(HookInputs::Keyboard);
    hook.keyboardEvent(0x41, 0);  // not entered yet: dropped
    windows.add(test::kPicker, &picker);
    hook.keyboardEvent(0x42, 0);
    // A second window took the number over: the first one's leaving does not remove it.
    windows.add(test::kPicker, &later);
    windows.remove(test::kPicker, &picker);
    hook.keyboardEvent(0x43, 0);
    windows.remove(test::kPicker, &later);
    hook.keyboardEvent(0x44, 0);

    EXPECT_EQ(picker.keys, std::vector<uint32_t>{0x42});
    EXPECT_EQ(later.keys, std::vector<uint32_t>{0x43});
    EXPECT_TRUE(main.keys.empty());
    EXPECT_EQ(windows.sinkOf(test::kPicker), nullptr);
    EXPECT_EQ(windows.sinkOf(test::kMainWindow), &main);
}

}  // namespace
}  // namespace z408
