// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/x11_event_decoder.h"

#include <cstring>

#include "common/event_codes.h"

namespace z408::desktop {
namespace {
// Core protocol event types.
constexpr uint8_t kKeyPress = 2;
constexpr uint8_t kKeyRelease = 3;
constexpr uint8_t kButtonPress = 4;
constexpr uint8_t kButtonRelease = 5;
constexpr uint8_t kVkNumLock = 0x90;
constexpr uint8_t kVkLeftAlt = 0xA4;
constexpr uint8_t kVkRightAlt = 0xA5;
}  // namespace

bool X11EventDecoder::decode(const uint8_t* data, size_t size, InputEvent& out) {
    if (size < 8) return false;
    const uint8_t type = data[0] & 0x7F;
    const uint8_t detail = data[1];
    uint32_t time = 0;
    std::memcpy(&time, data + 4, sizeof time);  // recorded data comes in our own byte order
    out = InputEvent{};
    out.time = time;
    switch (type) {
        case kKeyPress:
        case kKeyRelease: {
            const KeycodeEntry& e = table_[detail];
            if (e.key == 0) return false;
            const bool release = type == kKeyRelease;
            const uint8_t vk = numLock_ ? e.keyNumLock : e.key;
            if (vk == kVkLeftAlt) leftAlt_ = !release;
            if (vk == kVkRightAlt) rightAlt_ = !release;
            if (vk == kVkNumLock && !release) numLock_ = !numLock_;
            const uint32_t flags = (e.extended ? kKeyFlagExtended : 0u) |
                                   (leftAlt_ || rightAlt_ ? kKeyFlagAltHeld : 0u) |
                                   (release ? kKeyFlagReleased : 0u);
            out.type = InputEvent::Type::Key;
            out.code = vk;
            out.data = static_cast<int32_t>(flags);
            return true;
        }
        case kButtonPress:
        case kButtonRelease: {
            const bool release = type == kButtonRelease;
            out.code = detail;
            if (detail >= 4 && detail <= 7) {
                // X sends a press and a release per wheel step; the press is the step.
                if (release) return false;
                out.type =
                    detail >= 6 ? InputEvent::Type::HorizontalWheel : InputEvent::Type::Wheel;
                out.data = (detail == 4 || detail == 7) ? kWheelNotch : -kWheelNotch;
                return true;
            }
            out.type = release ? InputEvent::Type::ButtonRelease : InputEvent::Type::ButtonPress;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace z408::desktop
