#pragma once
// The device half of start-up: hand over to the firmware tool when the mouse waits in its
// bootloader, otherwise search the mouse. The window does the rest (workers, hooks, showing).
#include <cstdint>
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
    // Starts the firmware tool with its language argument ("1" Chinese, "0" otherwise).
    virtual void startFirmwareTool(bool chinese) = 0;
};

enum class BringUpOutcome {
    FirmwareTool,  // the bootloader was present: the tool was started and the program ends
    NotFound,      // no mouse after every attempt: tell the user, then end
    Found,         // the mouse is open
};

std::string_view toString(BringUpOutcome outcome);

inline constexpr int kBootloaderChecks = 2;
inline constexpr uint32_t kBootloaderCheckPauseMs = 500;
inline constexpr int kOpenAttempts = 10;
inline constexpr uint32_t kOpenAttemptPauseMs = 500;

// Two bootloader checks 500 ms apart, then up to ten opens 500 ms apart (no wait after success).
BringUpOutcome bringUpDevice(BringUpPlatform& platform, Clock& clock, bool chinese);

// The texts of the presence notices.
std::string_view mouseFoundText(bool chinese);
std::string_view mouseMissingText(bool chinese);

}  // namespace z408
