// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The firmware update check: the update button's quick answer from the description on disk,
// and a worker thread that downloads a fresh description, compares versions and offers the
// update. The window supplies the dialogs (UserNotices), the 2-second timer and the burner.
// Downloads go to the user's data directory ("FWUpdate/new_version" in it): an installed
// program's own folder is not writable by its user.
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "common/user_notices.h"
#include "update/update_downloader.h"

namespace z408 {

// The lower-case host (without its port) of an http or https address; empty for anything else, and
// for an address that names a user.
std::string httpHost(std::string_view url);
// Whether two addresses name the same server.
bool sameHttpHost(std::string_view a, std::string_view b);

// What the window does for the check.
class UpdateActions {
  public:
    virtual ~UpdateActions() = default;
    // The support page's update timeout timer: once `ms` have passed, the window calls
    // timeoutElapsed().
    virtual void startTimeoutTimer(uint32_t ms) = 0;
    // Called from the worker thread: the window must post it to its own thread.
    virtual void stopTimeoutTimer() = 0;
    // Starts the firmware burner with the language parameter and closes the program. Called on
    // the user-interface thread from checkForUpdate(), or on the worker thread.
    virtual void startFirmwareBurner() = 0;
};

class UpdateChecker {
  public:
    static constexpr uint32_t kTimeoutMs = 2000;
    static constexpr const char* kDescriptionPath = "/software/z408/update.xml";

    // `notices` is used from the user-interface thread and from the worker thread (modal boxes
    // of the worker must be shown by the window's thread while the worker waits).
    UpdateChecker(const std::filesystem::path& dataDirectory, std::string descriptionUrl,
                  UpdateDownloader& downloader, UserNotices& notices, UpdateActions& actions);
    ~UpdateChecker();
    UpdateChecker(const UpdateChecker&) = delete;
    UpdateChecker& operator=(const UpdateChecker&) = delete;

    // The update thread; started once the mouse is found. stopThread() abandons a download in
    // progress and joins.
    void startThread();
    void stopThread();
    // True while the worker runs (from the mouse's bring-up until the shutdown).
    bool running() const { return thread_.joinable(); }

    // The firmware version the mouse reported, as decimal text; empty when it did not answer.
    void setDeviceFirmwareVersionText(std::string text);

    // The update button. False when a check is already running (the click is ignored) or when
    // the user declined the update offered from the description on disk.
    bool checkForUpdate();
    // The timeout timer fired: the check took too long; the user hears that the server did not
    // answer in time and the late result is dropped.
    void timeoutElapsed();
    // Downloads the image named by the last description; tells the user when it fails.
    bool downloadFirmware(std::stop_token stop = {});

    bool idle() const;
    std::string newFirmwareUrl() const;
    std::filesystem::path descriptionFile() const { return descriptionFile_; }
    std::filesystem::path firmwareFile() const { return firmwareFile_; }

  private:
    void run(std::stop_token stop);
    void offerUpdate(std::stop_token stop);
    void showLatest();
    uint32_t deviceVersion() const;

    const std::filesystem::path descriptionFile_;
    const std::filesystem::path firmwareFile_;
    const std::string descriptionUrl_;
    UpdateDownloader& downloader_;
    UserNotices& notices_;
    UpdateActions& actions_;

    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::string deviceVersionText_;
    std::string newFirmwareUrl_;
    std::string newFirmwareSha256_;  // empty: the description carries no checksum
    bool idle_ = true;
    bool pending_ = false;      // a check waits for the worker
    uint64_t requestGen_ = 0;   // the latest check asked for
    uint64_t answeredGen_ = 0;  // the latest check the user has had an answer to
    std::jthread thread_;
};

}  // namespace z408
