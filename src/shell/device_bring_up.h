// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The device half of start-up: hand over to the firmware tool when the mouse waits in its
// bootloader, otherwise search the mouse. The window does the rest (workers, hooks, showing).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "common/text.h"  // containsNoCase, to compare paths with kMouseMatchText

namespace z408 {

class BringUpPlatform {
  public:
    virtual ~BringUpPlatform() = default;
    // Whether a USB device of the mouse's firmware-update mode is present.
    virtual bool bootloaderPresent() = 0;
    // One attempt to open the mouse.
    virtual bool openDevice() = 0;
    // After a failed openDevice(): the node of a mouse that is present but may not be opened
    // (no access, or held by another program); empty when no mouse was there at all.
    virtual std::string refusedNode() { return {}; }
    // Starts the firmware tool with its language argument ("1" Chinese, "0" otherwise).
    virtual void startFirmwareTool(bool chinese) = 0;
};

enum class BringUpOutcome {
    FirmwareTool,  // the bootloader was present: the tool was started and the program ends
    NotFound,      // no mouse after every attempt: tell the user, then end
    NoAccess,      // a mouse is there but its node could not be opened: tell the fix, then end
    Found,         // the mouse is open
};

std::string_view toString(BringUpOutcome outcome);

inline constexpr int kBootloaderChecks = 2;
inline constexpr uint32_t kBootloaderCheckPauseMs = 500;
inline constexpr int kOpenAttempts = 10;
inline constexpr uint32_t kOpenAttemptPauseMs = 500;

// The same search one step at a time, so that the window's thread can wait between the steps
// in its event loop instead of sleeping. Each step() makes one check or one attempt and says how
// long to wait before the next one; after the last step outcome() holds the result.
class BringUpSearch {
  public:
    BringUpSearch(BringUpPlatform& platform, bool chinese)
        : platform_(platform), chinese_(chinese) {}

    // One check or attempt. The pause to make before the next step, or nullopt when finished.
    std::optional<uint32_t> step();
    bool finished() const { return outcome_.has_value(); }
    std::optional<BringUpOutcome> outcome() const { return outcome_; }
    // With NoAccess: the node that could not be opened at the last attempt.
    const std::string& refusedNode() const { return refusedNode_; }
    int bootloaderChecks() const { return checks_; }
    int openAttempts() const { return attempts_; }

  private:
    BringUpPlatform& platform_;
    bool chinese_;
    int checks_ = 0;
    int attempts_ = 0;
    std::optional<BringUpOutcome> outcome_;
    std::string refusedNode_;
};

// Two bootloader checks 500 ms apart, then up to ten opens 500 ms apart (no wait after success),
// sleeping on `clock` between them.
BringUpOutcome bringUpDevice(BringUpPlatform& platform, Clock& clock, bool chinese);

// The texts of the presence notices.
std::string_view mouseFoundText(int64_t languageId);
std::string_view mouseMissingText(int64_t languageId);

}  // namespace z408
