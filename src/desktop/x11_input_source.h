// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Every button, wheel and key event of the X server, observed through the RECORD extension on a
// connection and thread of its own, and the swallowing of chosen mouse events through passive
// grabs on the root window. Events reach the callback on the source's thread, in server order.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "desktop/x11_display.h"
#include "desktop/x11_event_decoder.h"

namespace z408::desktop {

// The X button behind a mouse event code (0x201 left, 0x204 right, 0x207 middle, 0x1020B back,
// 0x2020B forward, 0x20A01 wheel forward, 0x20A00 wheel backward); 0 for any other code.
unsigned buttonOfEventCode(uint32_t code);
// The event code of an X button's press (the reverse of the above); 0 for any other button.
uint32_t eventCodeOfButton(unsigned button);

class X11InputSource {
  public:
    // Runs on the source's thread for every event; must not block for long.
    using Callback = std::function<void(const InputEvent&)>;

    X11InputSource() = default;
    ~X11InputSource();
    X11InputSource(const X11InputSource&) = delete;
    X11InputSource& operator=(const X11InputSource&) = delete;

    // Connects and starts recording; returns once the server records. On failure (no X server,
    // no RECORD extension) `error` says why and nothing runs.
    bool start(Callback callback, std::string& error);
    void stop();
    bool running() const { return thread_.joinable(); }
    // False once the X server has gone away or stopped recording.
    bool alive() const { return thread_.joinable() && !ended_.load(); }

    // Takes exactly these X buttons (1 … 9) from other programs from now on, by grabs; the rest
    // are let go. Which buttons is the caller's rule (the input hook's). Returns the buttons that
    // another program has already grabbed: their events still reach the callback, but they go
    // to that program too and cannot be kept from it.
    std::vector<unsigned> setGrabbedButtons(std::span<const unsigned> buttons);
    // A sentence naming the buttons another program holds, for diagnostics.
    static std::string describe(const std::vector<unsigned>& heldElsewhere);

  private:
    friend struct RecordAccess;
    void onRecord(int category, const uint8_t* data, size_t size);
    void run(std::stop_token stop);
    void drainGrabConnection();
    void rebuildKeycodeTable();
    void closeAll();

    Display* control_ = nullptr;  // RECORD context management and enable/disable
    Display* data_ = nullptr;     // RECORD data only: no other request after enabling
    Display* grab_ = nullptr;     // passive grabs; receives the grabbed events, which are dropped
    unsigned long context_ = 0;
    int wakeFd_ = -1;
    Callback callback_;
    X11EventDecoder decoder_;
    std::mutex grabMutex_;            // grab_ is used by the caller's and the source's threads
    std::array<bool, 10> grabbed_{};  // by X button number
    std::atomic<bool> ended_{false};
    std::atomic<bool> serverLost_{false};
    std::jthread thread_;
};

}  // namespace z408::desktop
