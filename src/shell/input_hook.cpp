// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/input_hook.h"

#include <algorithm>

#include "common/event_codes.h"

namespace z408 {
namespace {

// The mouse data of a wheel message: the delta as a signed 16-bit number in the upper half.
uint32_t wheelData(int32_t delta) {
    const auto clamped = static_cast<int16_t>(std::clamp<int32_t>(delta, INT16_MIN, INT16_MAX));
    return static_cast<uint32_t>(static_cast<uint16_t>(clamped)) << 16;
}

}  // namespace

InputHook::InputHook(InterceptList& intercepts, WindowSinks& windows, InputSource& source)
    : intercepts_(intercepts), windows_(windows), source_(source) {}

bool InputHook::install(WindowId window) {
    target_ = window;
    saved_ = window;
    if (!installed_) installed_ = source_.start();
    return installed_;
}

void InputHook::remove() {
    if (installed_) source_.stop();
    installed_ = false;
    // A release still awaited belongs to a press of the hooks just removed.
    pendingRelease_ = 0;
    pendingXButton_ = 0;
}

namespace {
bool coversKeyboard(HookInputs inputs) {
    return inputs == HookInputs::Keyboard || inputs == HookInputs::Both;
}
bool coversMouse(HookInputs inputs) {
    return inputs == HookInputs::Mouse || inputs == HookInputs::Both;
}
}  // namespace

void InputHook::setForwarding(HookInputs inputs) {
    keyboardForwarding_ = coversKeyboard(inputs);
    mouseForwarding_ = coversMouse(inputs);
    if (inputs == HookInputs::Neither) target_ = saved_;
}

void InputHook::setNotification(HookInputs inputs) {
    keyboardNotification_ = coversKeyboard(inputs);
    mouseNotification_ = coversMouse(inputs);
}

void InputHook::post(Msg msg, uintptr_t wParam, intptr_t lParam) {
    if (MessageSink* sink = windows_.sinkOf(target_)) sink->post(msg, wParam, lParam);
}

bool InputHook::takesOverXButton(uint32_t xButton) const {
    switch (xButton) {
        case 2:
            return isIntercepted(event_code::MiddleDown);
        case 3:
            return isIntercepted(event_code::RightDown);
        case 4:
            return isIntercepted(event_code::WheelUp);
        case 5:
            return isIntercepted(event_code::WheelDown);
        case 8:
            return isIntercepted(event_code::BackDown);
        case 9:
            return isIntercepted(event_code::ForwardDown);
        default:
            return false;  // the left button, horizontal wheels and extra buttons
    }
}

bool InputHook::handleEvent(const InputEvent& e) {
    using T = InputEvent::Type;
    switch (e.type) {
        case T::Key:
            return keyboardEvent(e.code, static_cast<uint32_t>(e.data));
        case T::Motion:
            return mouseEvent(mouse_msg::Move, 0);
        case T::Wheel:
            return mouseEvent(mouse_msg::Wheel, wheelData(e.data));
        case T::HorizontalWheel:
            return mouseEvent(mouse_msg::HorizontalWheel, wheelData(e.data));
        case T::ButtonPress:
            switch (e.code) {
                case 1:
                    return mouseEvent(mouse_msg::LeftDown, 0);
                case 2:
                    return mouseEvent(mouse_msg::MiddleDown, 0);
                case 3:
                    return mouseEvent(mouse_msg::RightDown, 0);
                case 4:
                    return mouseEvent(mouse_msg::Wheel, wheelData(kWheelNotch));
                case 5:
                    return mouseEvent(mouse_msg::Wheel, wheelData(-kWheelNotch));
                case 6:
                    return mouseEvent(mouse_msg::HorizontalWheel, wheelData(-kWheelNotch));
                case 7:
                    return mouseEvent(mouse_msg::HorizontalWheel, wheelData(kWheelNotch));
                case 8:
                    return mouseEvent(mouse_msg::XDown, kXButton1Data);
                case 9:
                    return mouseEvent(mouse_msg::XDown, kXButton2Data);
                default:
                    return false;  // no such button in the hook's vocabulary
            }
        case T::ButtonRelease:
            switch (e.code) {
                case 1:
                    return mouseEvent(mouse_msg::LeftUp, 0);
                case 2:
                    return mouseEvent(mouse_msg::MiddleUp, 0);
                case 3:
                    return mouseEvent(mouse_msg::RightUp, 0);
                case 8:
                    return mouseEvent(mouse_msg::XUp, kXButton1Data);
                case 9:
                    return mouseEvent(mouse_msg::XUp, kXButton2Data);
                default:
                    return false;  // a wheel notch is one event, its press
            }
    }
    return false;
}

bool InputHook::keyboardEvent(uint32_t vk, uint32_t flags) {
    if (!installed_) return false;
    // The release flag itself decides: an injected key pressed with Alt down (flags 0x30) is
    // still a press.
    const bool released = (flags & kKeyFlagReleased) != 0;
    if (!released && keyboardNotification_) post(Msg::ButtonEvent, 1, static_cast<intptr_t>(flags));
    if (keyboardForwarding_) post(Msg::HookEvent, vk, static_cast<intptr_t>(flags));
    return false;  // keys always reach the focused window
}

bool InputHook::reportButton(uint32_t code) {
    if (intercepts_.contains(code)) {
        post(Msg::ButtonEvent, code, 0);
        return true;
    }
    if (mouseNotification_) post(Msg::ButtonEvent, code, 0);
    return false;
}

bool InputHook::mouseEvent(uint32_t message, uint32_t mouseData) {
    if (!installed_) return false;
    uint32_t forwardCode = message + mouseData;
    switch (message) {
        case mouse_msg::LeftDown:
            // Never taken away, even when listed: the computer runs nothing for the left button,
            // so swallowing it would only leave the desktop without left clicks.
            if (mouseNotification_) post(Msg::ButtonEvent, event_code::LeftDown, 0);
            break;
        case mouse_msg::RightDown:
        case mouse_msg::MiddleDown:
            if (reportButton(message)) {
                pendingRelease_ = message + 1;
                return true;
            }
            break;
        case mouse_msg::Wheel:
            forwardCode =
                static_cast<int32_t>(mouseData) >= 0 ? event_code::WheelUp : event_code::WheelDown;
            if (reportButton(forwardCode)) return true;  // a notch has no release to await
            break;
        case mouse_msg::XDown:
            if (reportButton(mouse_msg::XDown + mouseData)) {
                pendingRelease_ = mouse_msg::XUp;
                pendingXButton_ = mouseData;
                return true;
            }
            break;
        default:
            break;
    }
    // Both X buttons release with the same message: only the one whose press was swallowed may
    // lose its release, or the other would stay held down in every program.
    if (pendingRelease_ != 0 && message == pendingRelease_ &&
        (message != mouse_msg::XUp || mouseData == pendingXButton_)) {
        pendingRelease_ = 0;
        return true;
    }
    if (mouseForwarding_ && message != mouse_msg::Move) post(Msg::HookEvent, forwardCode, 0);
    return false;
}

}  // namespace z408
