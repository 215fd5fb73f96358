// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Input event codes: how the input hook names button and wheel events when it reports,
// intercepts and counts them, and the mouse message numbers they are made from.
#include <cstdint>

namespace z408 {

namespace event_code {
inline constexpr uint32_t LeftDown = 0x201;
inline constexpr uint32_t RightDown = 0x204;
inline constexpr uint32_t MiddleDown = 0x207;
inline constexpr uint32_t BackDown = 0x1020B;     // X button 1
inline constexpr uint32_t ForwardDown = 0x2020B;  // X button 2
inline constexpr uint32_t WheelUp = 0x20A01;      // a delta of zero or more
inline constexpr uint32_t WheelDown = 0x20A00;
}  // namespace event_code

// Mouse message numbers; a button's release is its press + 1.
namespace mouse_msg {
inline constexpr uint32_t Move = 0x200;
inline constexpr uint32_t LeftDown = 0x201;
inline constexpr uint32_t LeftUp = 0x202;
inline constexpr uint32_t RightDown = 0x204;
inline constexpr uint32_t RightUp = 0x205;
inline constexpr uint32_t MiddleDown = 0x207;
inline constexpr uint32_t MiddleUp = 0x208;
inline constexpr uint32_t Wheel = 0x20A;
inline constexpr uint32_t XDown = 0x20B;
inline constexpr uint32_t XUp = 0x20C;
inline constexpr uint32_t HorizontalWheel = 0x20E;
}  // namespace mouse_msg

// Mouse data of the X buttons (which one, in the upper half) and of one wheel notch.
inline constexpr uint32_t kXButton1Data = 0x10000;
inline constexpr uint32_t kXButton2Data = 0x20000;
inline constexpr int32_t kWheelNotch = 120;

// Key-event flags: an extended key (the right-hand Ctrl and Alt, the cursor block, ...), Alt held
// down, and a release.
inline constexpr uint32_t kKeyFlagExtended = 0x01;
inline constexpr uint32_t kKeyFlagAltHeld = 0x20;
inline constexpr uint32_t kKeyFlagReleased = 0x80;

}  // namespace z408
