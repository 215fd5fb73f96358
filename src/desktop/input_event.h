#pragma once
// One button, wheel or key event of the X server, as the input source hands it on.
#include <cstdint>

namespace z408::desktop {

struct InputEvent {
    enum class Kind : uint8_t { ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp };
    Kind kind = Kind::ButtonDown;
    uint8_t button = 0;       // X button number (also for wheel steps: 4, 5, 6, 7)
    bool horizontal = false;  // a sideways wheel step (buttons 6 and 7)
    int32_t wheelDelta = 0;   // +120 per step forward (or right), -120 backward (or left)
    uint32_t virtualKey = 0;  // key events: the Windows virtual-key code
    uint32_t flags = 0;       // key events: kKeyReleased | kKeyExtended | kKeyAltHeld
    uint32_t time = 0;        // X server time in milliseconds
};

inline constexpr uint32_t kKeyExtended = 0x01;
inline constexpr uint32_t kKeyAltHeld = 0x20;
inline constexpr uint32_t kKeyReleased = 0x80;

}  // namespace z408::desktop
