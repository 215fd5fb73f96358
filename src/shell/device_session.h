// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The mouse coming and going while the program runs. An arrival of the mouse opens it (retried
// while it settles) and says that it was found; its removal ends the program after saying so.
// The window supplies the actions; the session decides when each one happens.
#include <cstdint>
#include <string_view>

namespace z408 {

class DeviceSessionActions {
  public:
    virtual ~DeviceSessionActions() = default;
    // True once the program is ending: arrivals and removals are then ignored.
    virtual bool ending() = 0;
    // Whether a device interface path is one of the mouse's (the ids are the platform's).
    virtual bool isMousePath(std::string_view path) = 0;
    // The language (1..12) of the notices; it may change while the program runs.
    virtual int64_t languageId() = 0;
    // Whether the program has a way to the mouse at all, and whether it is open now.
    virtual bool hasLink() = 0;
    virtual bool linkOpen() = 0;
    // One attempt to open the mouse.
    virtual bool openLink() = 0;
    virtual void closeLink() = 0;
    // The mouse was opened: read what it says about itself and install the hooks.
    virtual void linkOpened() = 0;
    virtual void removeHooks() = 0;
    // Closes every dialog and menu that is open.
    virtual void closeOpenDialogs() = 0;
    // Shows a notice; returns once it was closed.
    virtual void showNotice(std::string_view text) = 0;
    virtual void requestExit() = 0;
    // A repeating timer of kArrivalRetryMs whose expiry calls DeviceSession::retryElapsed().
    virtual void startRetryTimer() = 0;
    virtual void stopRetryTimer() = 0;
};

inline constexpr int kArrivalRetryMs = 2500;

class DeviceSession {
  public:
    explicit DeviceSession(DeviceSessionActions& actions) : actions_(actions) {}

    // A USB device interface came or went; `path` is its interface path text.
    void arrived(std::string_view path);
    void removed(std::string_view path);
    // The retry timer expired: one more attempt to open.
    void retryElapsed();
    // The program ends: no more attempts.
    void stop();

    bool retrying() const { return retrying_; }

  private:
    void tryOpen();
    void stopRetrying();

    DeviceSessionActions& actions_;
    bool retrying_ = false;
    bool removing_ = false;
};

}  // namespace z408
