#include "desktop/x11_hook_input.h"

namespace z408::desktop {

z408::InputEvent X11HookInput::convert(const InputEvent& e) {
    using K = InputEvent::Kind;
    using HookEvent = z408::InputEvent;
    switch (e.kind) {
        case K::ButtonDown:
            return HookEvent::press(e.button);
        case K::ButtonUp:
            return HookEvent::release(e.button);
        case K::Wheel:
            return e.horizontal ? HookEvent{HookEvent::Type::HorizontalWheel, 0, e.wheelDelta}
                                : HookEvent::wheel(e.wheelDelta);
        case K::KeyDown:
        case K::KeyUp:
            return HookEvent::key(e.virtualKey, e.flags);
    }
    return HookEvent::motion();
}

bool X11HookInput::start() {
    if (x11_.running()) return true;
    error_.clear();
    return x11_.start([this](const InputEvent& e) { deliver_(convert(e)); }, error_);
}

void X11HookInput::stop() {
    x11_.stop();
}

std::vector<unsigned> X11HookInput::syncGrabs(const InputHook& hook) {
    // Only what the hook itself would swallow: a left-button entry in the list, say, is never
    // swallowed, so grabbing it would take every left click from the desktop for nothing.
    std::vector<unsigned> buttons;
    for (unsigned b = 1; b <= 9; ++b)
        if (hook.takesOverXButton(b)) buttons.push_back(b);
    return x11_.setGrabbedButtons(buttons);
}

}  // namespace z408::desktop
