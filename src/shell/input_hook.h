// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The system-wide input hook's rules: which button and wheel events are reported, forwarded to a
// recording window, or taken away from other programs because the computer runs the button's
// function itself. A platform source feeds it every keyboard and mouse event of the desktop; each
// call answers whether that event must be swallowed. Everything but the intercept list belongs to
// the user-interface thread; the list is updated by the settings upload on its own thread.
#include <cstdint>

#include "common/messages.h"
#include "shell/intercept_list.h"

namespace z408 {

// A window as the hook knows it: an opaque number, resolved to its message sink at each post.
enum class WindowId : uintptr_t { None = 0 };

class WindowSinks {
  public:
    virtual ~WindowSinks() = default;
    // The sink of the window, or nullptr when it is gone (the message is then dropped).
    // Called for every message the hook posts: must not block.
    virtual MessageSink* sinkOf(WindowId window) = 0;
};

// One event as the platform delivers it.
struct InputEvent {
    enum class Type : uint8_t {
        Key,              // code: virtual-key code; data: key flags (kKeyFlag*)
        ButtonPress,      // code: X button number (1 left, 2 middle, 3 right, 4/5 wheel up/down,
        ButtonRelease,    //       6/7 wheel left/right, 8 back, 9 forward)
        Wheel,            // data: signed delta, 120 per notch, positive away from the user
        HorizontalWheel,  // data: signed delta, positive to the right
        Motion,
    };
    // Wheel steps carry the X button they came as in `code` (4 … 7) when the platform has one;
    // the hook goes by the delta alone.
    Type type = Type::Motion;
    uint32_t code = 0;
    int32_t data = 0;
    uint32_t time = 0;  // the platform's time stamp in milliseconds (X server time); 0: none

    static constexpr InputEvent key(uint32_t vk, uint32_t flags) {
        return {Type::Key, vk, static_cast<int32_t>(flags)};
    }
    static constexpr InputEvent press(uint32_t xButton) { return {Type::ButtonPress, xButton, 0}; }
    static constexpr InputEvent release(uint32_t xButton) {
        return {Type::ButtonRelease, xButton, 0};
    }
    static constexpr InputEvent wheel(int32_t delta) { return {Type::Wheel, 0, delta}; }
    static constexpr InputEvent motion() { return {Type::Motion, 0, 0}; }
};

// What installs and removes the platform's hooks. The source hands every event to
// InputHook::handleEvent on the user-interface thread, in the order they happened.
class InputSource {
  public:
    virtual ~InputSource() = default;
    // True when both keyboard and mouse events will arrive.
    virtual bool start() = 0;
    virtual void stop() = 0;
};

// The inputs a forwarding or notification setting covers.
enum class HookInputs { Neither, Keyboard, Mouse, Both };

class InputHook {
  public:
    InputHook(InterceptList& intercepts, WindowSinks& windows, InputSource& source);
    InputHook(const InputHook&) = delete;
    InputHook& operator=(const InputHook&) = delete;

    // Target and saved window become `window`, then the platform hooks are installed.
    bool install(WindowId window);
    void remove();
    bool installed() const { return installed_; }

    void setTarget(WindowId window) { target_ = window; }
    // Forwarding nothing hands the target back to the saved (main) window.
    void setForwarding(HookInputs inputs);
    void setNotification(HookInputs inputs);

    // remove: the entry holding the code is cleared; add: stored in the first free entry unless
    // present (a full list stays unchanged). Safe from any thread.
    void updateIntercept(uint32_t code, bool remove) { intercepts_.update(code, remove); }
    bool isIntercepted(uint32_t code) const { return intercepts_.contains(code); }
    // Whether a press of this X button would now be taken from other programs: what a platform
    // that swallows by grabbing buttons must grab. Never the left button.
    bool takesOverXButton(uint32_t xButton) const;

    // One platform event; true when it must not reach other programs.
    bool handleEvent(const InputEvent& event);
    // The two hook procedures in the mouse-message vocabulary (mouse data: the wheel delta or
    // the X button in the upper 16 bits).
    bool keyboardEvent(uint32_t vk, uint32_t flags);
    bool mouseEvent(uint32_t message, uint32_t mouseData);

    WindowId target() const { return target_; }
    WindowId savedWindow() const { return saved_; }
    bool keyboardForwarding() const { return keyboardForwarding_; }
    bool mouseForwarding() const { return mouseForwarding_; }
    bool keyboardNotification() const { return keyboardNotification_; }
    bool mouseNotification() const { return mouseNotification_; }
    uint32_t pendingRelease() const { return pendingRelease_; }

  private:
    // A button-down or wheel code: intercepted ones are reported and swallowed, the others
    // reported while mouse notification is on. Returns true when swallowed.
    bool reportButton(uint32_t code);
    void post(Msg msg, uintptr_t wParam, intptr_t lParam);

    InterceptList& intercepts_;
    WindowSinks& windows_;
    InputSource& source_;
    bool installed_ = false;
    bool keyboardForwarding_ = true;
    bool mouseForwarding_ = true;
    WindowId target_ = WindowId::None;
    WindowId saved_ = WindowId::None;
    uint32_t pendingRelease_ = 0;
    uint32_t pendingXButton_ = 0;  // mouse data of the X button whose release is pending
    bool keyboardNotification_ = true;
    bool mouseNotification_ = true;
};

}  // namespace z408
