// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The pieces most device tests share: the simulated mouse on virtual time behind a driver, a
// recording fake of the desktop's pointer settings, macro events, and helpers to read back what
// was sent.
#include <array>
#include <cstdint>
#include <vector>

#include "common/clock.h"
#include "device/simulated_mouse.h"
#include "device/usb_driver.h"
#include "macros/macro_entry.h"
#include "shell/pointer_settings.h"

namespace z408::test {

using Bytes = std::vector<uint8_t>;

// Records each call in order; answers with `reply`.
class RecordingPointerSettings final : public PointerSettings {
  public:
    struct Call {
        char what;  // 'M' mouse, 'S' speed, 'W' wheel lines
        std::array<int32_t, 3> mouse{};
        uint32_t value = 0;
        friend bool operator==(const Call&, const Call&) = default;
    };
    bool setMouse(const std::array<int32_t, 3>& v) override {
        calls.push_back({'M', v, 0});
        return reply;
    }
    bool setMouseSpeed(uint32_t speed) override {
        calls.push_back({'S', {}, speed});
        return reply;
    }
    bool setWheelScrollLines(uint32_t lines) override {
        calls.push_back({'W', {}, lines});
        return reply;
    }
    std::vector<Call> calls;
    bool reply = true;
};

struct SimulatedDevice {
    explicit SimulatedDevice(SimulatedMouseState initial = {}) : mouse(clock, initial) {}
    ManualClock clock;
    SimulatedMouse mouse;
    CUSBDriver driver{mouse, clock};
};

// Macro events as the tables of the device and upload tests write them.
constexpr uint32_t Down(uint32_t vk) {
    return makeMacroEvent(MacroEventKind::KeyDown, vk);
}
constexpr uint32_t Up(uint32_t vk) {
    return makeMacroEvent(MacroEventKind::KeyUp, vk);
}
constexpr uint32_t Wait(uint32_t ms) {
    return makeMacroEvent(MacroEventKind::Delay, ms);
}

// A report as it was sent, without its trailing zero bytes (the tables below write only what
// matters); the report id stays.
inline Bytes trimmed(const Bytes& b) {
    Bytes out = b;
    while (out.size() > 1 && out.back() == 0) out.pop_back();
    return out;
}

}  // namespace z408::test
