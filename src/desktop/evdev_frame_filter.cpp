// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/evdev_frame_filter.h"

#include <linux/input-event-codes.h>

#include <algorithm>

#include "common/event_codes.h"

namespace z408::desktop {
namespace {

bool taken(TakenButtons buttons, unsigned xButton) {
    return xButton < 16 && (buttons & (1u << xButton)) != 0;
}

int32_t saturatingAdd(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

// The wheel direction's X button of a signed wheel value: 4 away from the user, 5 towards.
unsigned wheelButton(int32_t value) {
    return value >= 0 ? 4u : 5u;
}

void notches(std::vector<z408::InputEvent>& out, z408::InputEvent::Type type, int32_t value) {
    const int64_t count = std::min<int64_t>(value < 0 ? -int64_t{value} : value,
                                            EvdevFrameFilter::kMaxNotchesPerEvent);
    const int32_t delta = value < 0 ? -kWheelNotch : kWheelNotch;
    for (int64_t i = 0; i < count; ++i) out.push_back({type, 0, delta});
}

}  // namespace

unsigned xButtonOfKeyCode(uint16_t code) {
    switch (code) {
        case BTN_LEFT:
            return 1;
        case BTN_MIDDLE:
            return 2;
        case BTN_RIGHT:
            return 3;
        case BTN_SIDE:
            return 8;
        case BTN_EXTRA:
            return 9;
        default:
            return 0;
    }
}

TakenButtons takenButtons(const InputHook& hook) {
    TakenButtons buttons = 0;
    for (unsigned b = 1; b <= 9; ++b)
        if (hook.takesOverXButton(b)) buttons = static_cast<TakenButtons>(buttons | (1u << b));
    return buttons;
}

void EvdevFrameFilter::noteHeld(uint16_t code, bool held) {
    if (code < kKeys) held_.set(code, held);
}

void EvdevFrameFilter::reset() {
    held_.reset();
    swallowedDown_.fill(false);
}

void EvdevFrameFilter::frame(std::span<const RawInputEvent> events, FrameResult& out) {
    using HookEvent = z408::InputEvent;
    const size_t reemitStart = out.reemit.size();
    bool keySwallowed = false;
    bool scanSeen = false;
    for (const RawInputEvent& e : events) {
        bool swallow = false;
        switch (e.type) {
            case EV_KEY: {
                const unsigned b = xButtonOfKeyCode(e.code);
                if (e.value == 1) {
                    noteHeld(e.code, true);
                    if (b != 0) out.hookEvents.push_back(HookEvent::press(b));
                    if (b != 0 && taken(swallowing_, b)) swallowedDown_[b] = true;
                } else if (e.value == 0) {
                    noteHeld(e.code, false);
                    if (b != 0) out.hookEvents.push_back(HookEvent::release(b));
                }
                // The release of a swallowed press goes too, even once the button is no longer
                // taken; the other programs never saw it go down.
                swallow = b != 0 && swallowedDown_[b];
                if (b != 0 && e.value == 0) swallowedDown_[b] = false;
                keySwallowed = keySwallowed || swallow;
                break;
            }
            case EV_REL:
                switch (e.code) {
                    case REL_X:
                        out.dx = saturatingAdd(out.dx, e.value);
                        break;
                    case REL_Y:
                        out.dy = saturatingAdd(out.dy, e.value);
                        break;
                    case REL_WHEEL:
                        // The notch count; the high-resolution twin of the same turn only
                        // follows it to the re-emitting device.
                        notches(out.hookEvents, HookEvent::Type::Wheel, e.value);
                        swallow = e.value != 0 && taken(swallowing_, wheelButton(e.value));
                        break;
                    case REL_WHEEL_HI_RES:
                        swallow = e.value != 0 && taken(swallowing_, wheelButton(e.value));
                        break;
                    case REL_HWHEEL:
                        notches(out.hookEvents, HookEvent::Type::HorizontalWheel, e.value);
                        break;
                    default:
                        break;
                }
                break;
            case EV_MSC:
                scanSeen = scanSeen || e.code == MSC_SCAN;
                break;
            default:
                break;
        }
        if (!grabbed_) continue;
        if (!swallow && !(e.type == EV_SYN && e.code == SYN_REPORT)) out.reemit.push_back(e);
    }
    if (out.reemit.size() == reemitStart) return;
    // A scan code names the key beside it; with that key gone it would describe nothing.
    if (keySwallowed && scanSeen)
        out.reemit.erase(
            std::remove_if(
                out.reemit.begin() + static_cast<ptrdiff_t>(reemitStart), out.reemit.end(),
                [](const RawInputEvent& e) { return e.type == EV_MSC && e.code == MSC_SCAN; }),
            out.reemit.end());
    if (out.reemit.size() > reemitStart) out.reemit.push_back({EV_SYN, SYN_REPORT, 0});
}

}  // namespace z408::desktop
