// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The one worker that writes the active profile into the mouse: it sleeps until asked, then sends
// macros and key map, lighting, proximity switch, DPI table and report rate in a fixed order,
// applies the pointer settings on the way, and posts progress and the outcome.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "common/clock.h"
#include "common/messages.h"
#include "config/profile_settings.h"
#include "config/profile_table.h"
#include "device/key_map.h"
#include "device/profile_encoding.h"
#include "device/usb_driver.h"
#include "macros/macro_library.h"
#include "shell/intercept_list.h"
#include "shell/pointer_settings.h"
#include "upload/upload_request_event.h"

namespace z408 {

// The failed step of an upload, as posted with Msg::UploadFailed (lParam).
enum class UploadError : int {
    KeyMap = 0,
    LedColour = 1,
    LedEffect = 2,
    LedColours = 3,
    Proximity = 4,
    DpiTable = 5,
};
inline constexpr int kUploadErrorCount = 6;

// What Msg::MacroCut tells the person: the macro's name and the steps it needs (empty when the
// macro is gone from the library by now).
std::string macroCutText(const MacroLibrary& library, uint32_t macroId, int64_t languageId);

// The text the user is shown for an error index (English in every language); empty when the
// index is none of the six.
std::string_view uploadErrorText(intptr_t index);

// The last progress of a failed upload: 100 with this lParam, so whatever shows the progress
// ends it, followed by Msg::UploadFailed. A successful upload posts 100 with lParam 0.
inline constexpr intptr_t kProgressEndedByFailure = 1;

// What an upload reads. Shared with the interface thread without a lock: the interface does not
// change them between a request and the outcome (the progress dialog is modal).
struct UploadSources {
    const ProfileSettings& profile;
    const MacroIdList& macroIds;
    const MacroLibrary& library;
};

// The uploader's own pauses.
inline constexpr uint32_t kUploadStartPauseMs = 50;  // after taking a request
inline constexpr uint32_t kAfterMacroPauseMs = 50;   // after sending a macro
inline constexpr uint32_t kAfterButtonPauseMs = 50;  // after storing a button's code
inline constexpr uint32_t kUploadEndPauseMs = 300;   // between progress 100 and the outcome

class SettingsUploader {
  public:
    // `pointer` may be null: the pointer settings are then left alone.
    SettingsUploader(CUSBDriver& driver, Clock& clock, MessageSink& sink, InterceptList& intercepts,
                     PointerSettings* pointer, UploadSources sources);
    // Asks the thread to end and waits for it; an upload in progress runs to its end first.
    ~SettingsUploader();
    SettingsUploader(const SettingsUploader&) = delete;
    SettingsUploader& operator=(const SettingsUploader&) = delete;

    // The Apply button and restore defaults: a request is made only while UploadReady is 1, and
    // making it takes the flag at once, so two quick requests cannot both start an upload.
    bool requestUpload();
    // The main window has handled the outcome message: UploadReady := 1. From here the window
    // owns the profile and the library again (the acquire pairs with the worker's release after
    // its last read, so the hand-over does not rest on the message queue alone).
    void uploadHandled() {
        (void)uploadsSent_.load(std::memory_order_acquire);
        uploadReady_.store(true);
    }
    bool uploadReady() const { return uploadReady_.load(); }

  private:
    void threadProc(std::stop_token stop);
    void runUpload();
    // The first step that failed, or nothing when every step with an error index succeeded.
    std::optional<UploadError> sendProfile();
    void post(Msg msg, uintptr_t w, intptr_t l) { sink_.post(msg, w, l); }

    CUSBDriver& driver_;
    Clock& clock_;
    MessageSink& sink_;
    InterceptList& intercepts_;
    PointerSettings* pointer_;
    UploadSources sources_;
    UploadRequestEvent request_;
    std::atomic<bool> uploadReady_{true};
    std::atomic<unsigned> uploadsSent_{0};  // counts uploads whose reads are over
    std::jthread thread_;                   // last: starts after everything it uses exists
};

}  // namespace z408
