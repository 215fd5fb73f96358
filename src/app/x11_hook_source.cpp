#include "app/x11_hook_source.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace z408 {

X11HookSource::X11HookSource(InterceptList& intercepts, QObject* parent)
    : QObject(parent), intercepts_(intercepts) {}

X11HookSource::~X11HookSource() {
    x11_.stop();
}

InputEvent X11HookSource::convert(const desktop::InputEvent& e) {
    using K = desktop::InputEvent::Kind;
    switch (e.kind) {
        case K::ButtonDown:
            return InputEvent::press(e.button);
        case K::ButtonUp:
            return InputEvent::release(e.button);
        case K::Wheel:
            return e.horizontal ? InputEvent{InputEvent::Type::HorizontalWheel, 0, e.wheelDelta}
                                : InputEvent::wheel(e.wheelDelta);
        case K::KeyDown:
        case K::KeyUp:
            return InputEvent::key(e.virtualKey, e.flags);
    }
    return InputEvent::motion();
}

bool X11HookSource::start() {
    if (x11_.running()) return true;
    std::string error;
    const bool ok = x11_.start(
        [this](const desktop::InputEvent& e) {
            // On the source's thread: only hand the event over.
            const InputEvent event = convert(e);
            QMetaObject::invokeMethod(
                this,
                [this, event] {
                    if (hook_) hook_->handleEvent(event);
                },
                Qt::QueuedConnection);
        },
        error);
    if (!ok) {
        if (std::getenv("Z408_DEBUG"))
            std::fprintf(stderr, "z408: no input hook: %s\n", error.c_str());
        return false;
    }
    syncIntercepts();
    return true;
}

void X11HookSource::stop() {
    x11_.stop();
}

void X11HookSource::syncIntercepts() {
    if (!x11_.running()) return;
    std::vector<uint32_t> codes;
    for (uint32_t code : intercepts_.snapshot())
        if (code != 0) codes.push_back(code);
    const auto failures = x11_.setIntercepts(codes);
    if (!failures.empty() && std::getenv("Z408_DEBUG"))
        std::fprintf(stderr, "z408: %s\n", desktop::X11InputSource::describe(failures).c_str());
}

}  // namespace z408
