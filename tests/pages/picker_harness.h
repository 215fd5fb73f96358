#pragma once
// What a function picker under test needs: English texts from the build's program directory, a
// macro library, a hook over the given input source whose windows are the main window and the
// open picker's key page, and the context handed to the picker.
#include <QPointer>
#include <memory>
#include <type_traits>
#include <vector>

#include "functions/keyboard_layout.h"
#include "i18n/language_context.h"
#include "macros/macro_library.h"
#include "pages/setting_dlg.h"
#include "shell/hook_fakes.h"
#include "temp_dir.h"

namespace z408::test {

template <class Source>
struct PickerHarness {
    class NullSink : public MessageSink {
      public:
        void post(Msg, uintptr_t, intptr_t) override {}
    };

    // The hook's windows, as the program's main window resolves them.
    struct Windows : WindowSinks {
        MessageSink* sinkOf(WindowId window) override {
            if (window == kMainWindow) return main;
            if (window == CSettingDlg::kKeyPageWindowId && picker) return &picker->keyPageSink();
            return nullptr;
        }
        MessageSink* main = nullptr;
        QPointer<CSettingDlg> picker;
    };

    PickerHarness() { windows.main = &mainSink; }

    // Makes a picker; its context outlives it, and it is the hook's picker until the next one.
    std::unique_ptr<CSettingDlg> makePicker(bool withHook, int button, const QString& current,
                                            QWidget* parent = nullptr) {
        contexts_.push_back(std::make_unique<PickerContext>(
            PickerContext{QStringLiteral(Z408_PROGRAM_DIR), language, library,
                          withHook ? &hook : nullptr, notices, UsKeyboardLayout::instance()}));
        auto picker = std::make_unique<CSettingDlg>(*contexts_.back(), button, current, parent);
        windows.picker = picker.get();
        return picker;
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
    Windows windows;
    NullSink mainSink;
    Source source = makeSource(notices);
    InputHook hook{intercepts, windows, source};

  private:
    static Source makeSource(UserNotices& notices) {
        if constexpr (std::is_constructible_v<Source, UserNotices&>)
            return Source(notices);
        else
            return Source();
    }

    std::vector<std::unique_ptr<PickerContext>> contexts_;
};

}  // namespace z408::test
