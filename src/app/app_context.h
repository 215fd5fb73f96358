// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The state the whole program shares: directories, interface language, profiles, macro library,
// intercept list and the way to the mouse. Created once by main() and handed by reference to the
// windows; nothing here is global.
#include <filesystem>
#include <memory>

#include "app/dialog_notices.h"
#include "common/clock.h"
#include "common/directories.h"
#include "config/profile_store.h"
#include "device/hid_transport.h"
#include "device/usb_driver.h"
#include "i18n/language_context.h"
#include "macros/macro_library.h"
#include "macros/macro_store.h"
#include "shell/intercept_list.h"
#include "shell/pointer_settings.h"
#include "upload/settings_uploader.h"

namespace z408 {

class AppContext {
  public:
    // `transport` may be null: the program then runs without a device link.
    AppContext(ProgramFolders program, std::filesystem::path dataDirectory, Clock& clock,
               std::unique_ptr<HidTransport> transport);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const std::filesystem::path& programDirectory() const { return program_.data; }
    const std::filesystem::path& dataDirectory() const { return dataDirectory_; }
    // z408.ini as this program reads it.
    const std::filesystem::path& programSettingsFile() const { return program_.settings; }
    // Where the stand-in helpers are looked for.
    const std::filesystem::path& helperDirectory() const { return program_.helpers; }
    Clock& clock() { return clock_; }
    LanguageContext& language() { return language_; }
    DialogNotices& notices() { return notices_; }
    ProfileStore& profiles() { return profiles_; }
    MacroStore& macros() { return macroStore_; }
    InterceptList& intercepts() { return intercepts_; }
    bool chinese() const { return language_.ChineseTextFlag() != 0; }

    // The device link; null when there is none (no transport).
    CUSBDriver* driver() { return driver_.get(); }
    // The upload worker; null until the mouse was found.
    SettingsUploader* uploader() { return uploader_.get(); }
    // Starts the worker that writes the active profile into the mouse; outcomes go to `sink`.
    void startUploader(MessageSink& sink);
    // Closes the device link and ends the worker (waits for it: an upload runs to its end).
    void stopDevice();

  private:
    ProgramFolders program_;
    std::filesystem::path dataDirectory_;
    Clock& clock_;
    LanguageContext language_;
    DialogNotices notices_;
    ProfileStore profiles_;
    MacroLibrary macroLibrary_;
    MacroStore macroStore_;
    InterceptList intercepts_;
    std::unique_ptr<PointerSettings> pointer_;
    std::unique_ptr<HidTransport> transport_;
    std::unique_ptr<CUSBDriver> driver_;
    std::unique_ptr<SettingsUploader> uploader_;  // last: its thread uses everything above
};

}  // namespace z408
