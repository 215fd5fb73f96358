// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What a function picker under test needs: English texts from the build's program directory, a
// macro library, a hook over the given input source with the main window in its directory, and
// the context handed to the picker.
#include <memory>
#include <type_traits>

#include "functions/keyboard_layout.h"
#include "i18n/language_context.h"
#include "macros/macro_library.h"
#include "pages/setting_dlg.h"
#include "shell/hook_fakes.h"
#include "shell/window_directory.h"
#include "temp_dir.h"

namespace z408::test {

template <class Source>
struct PickerHarness {
    class NullSink : public MessageSink {
      public:
        void post(Msg, uintptr_t, intptr_t) override {}
    };

    PickerHarness() { windows.add(kMainWindow, &mainSink); }

    // The context outlives the picker made from it; a later call replaces it.
    const PickerContext& context(bool withHook) {
        context_ = std::make_unique<PickerContext>(PickerContext{
            QStringLiteral(Z408_PROGRAM_DIR), language, library, withHook ? &hook : nullptr,
            withHook ? &windows : nullptr, notices, UsKeyboardLayout::instance()});
        return *context_;
    }

    bool forwardingOff() const {
        return !hook.keyboardForwarding() && !hook.mouseForwarding() &&
               hook.target() == kMainWindow;
    }

    TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    MacroLibrary library;
    RecordingNotices notices;
    InterceptList intercepts;
    WindowDirectory windows;
    NullSink mainSink;
    Source source = makeSource();
    InputHook hook{intercepts, windows, source};

  private:
    // The X11 source tells its notices of buttons held elsewhere; a fake source needs nothing.
    Source makeSource() {
        if constexpr (std::is_constructible_v<Source, UserNotices&>)
            return Source(notices);
        else
            return Source();
    }

    std::unique_ptr<PickerContext> context_;
};

}  // namespace z408::test
