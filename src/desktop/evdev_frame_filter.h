// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The rules of the evdev source, apart from the kernel: how the mouse node's events become the
// hook's events and relative motion, and which of them are kept from other programs while the
// node is grabbed (the rest are re-emitted in their order, frame by frame). Qt-free and free of
// system calls, so tables of frames test it and the benchmark drives it.
#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

#include "shell/input_hook.h"

namespace z408::desktop {

// One kernel input event without its time stamp.
struct RawInputEvent {
    uint16_t type = 0;
    uint16_t code = 0;
    int32_t value = 0;
    friend bool operator==(const RawInputEvent&, const RawInputEvent&) = default;
};

// The X button of a button key code (BTN_LEFT 1, BTN_MIDDLE 2, BTN_RIGHT 3, BTN_SIDE 8,
// BTN_EXTRA 9); 0 for every other code.
unsigned xButtonOfKeyCode(uint16_t code);

// X buttons (bit n: button n, 4 and 5 the wheel's two directions) whose events are taken from
// other programs.
using TakenButtons = uint16_t;
// The buttons `hook` takes over now, by its own rule.
TakenButtons takenButtons(const InputHook& hook);

// One report's worth of results.
struct FrameResult {
    std::vector<z408::InputEvent> hookEvents;  // buttons and wheel notches, in order
    std::vector<RawInputEvent> reemit;         // ends with SYN_REPORT when not empty
    int32_t dx = 0;
    int32_t dy = 0;
};

class EvdevFrameFilter {
  public:
    // Wheel notches handed to the hook from one event at most: the value comes from a device.
    static constexpr int32_t kMaxNotchesPerEvent = 64;

    // From the next frame on: whether the node is grabbed (only then is anything re-emitted)
    // and which buttons' presses are swallowed. A press already swallowed keeps its release
    // swallowed whatever changes.
    void setGrab(bool grabbed, TakenButtons swallow) {
        grabbed_ = grabbed;
        swallowing_ = grabbed ? swallow : 0;
    }
    bool grabbed() const { return grabbed_; }

    // One frame: the events up to and including its SYN_REPORT. Appends to `out`.
    void frame(std::span<const RawInputEvent> events, FrameResult& out);
    // A key found held when the node was opened or its state resynchronised.
    void noteHeld(uint16_t code, bool held);
    // True while any key of the node is down (or its release still awaited): the grab must not
    // change then, or one side would keep a button held down for good.
    bool anyHeld() const { return held_.any(); }
    // Forgets every held key and swallowed press (the node is gone).
    void reset();

  private:
    static constexpr size_t kKeys = 0x300;  // KEY_CNT
    bool grabbed_ = false;
    TakenButtons swallowing_ = 0;
    std::bitset<kKeys> held_;
    std::array<bool, 10> swallowedDown_{};  // by X button: its release must be swallowed too
};

}  // namespace z408::desktop
