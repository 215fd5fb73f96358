// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/evdev_relay.h"

#include <unistd.h>

#include <cerrno>

namespace z408::desktop {

input_event toInputEvent(const RawInputEvent& e) {
    input_event ev{};
    ev.type = e.type;
    ev.code = e.code;
    ev.value = e.value;
    return ev;
}

bool EvdevRelay::push(const input_event& ev, int writeFd, FrameResult& out) {
    frame_.push_back({ev.type, ev.code, ev.value});
    if (!(ev.type == EV_SYN && ev.code == SYN_REPORT) && frame_.size() < kMaxFrameEvents)
        return false;
    out.hookEvents.clear();
    out.reemit.clear();
    out.dx = out.dy = 0;
    filter_.frame(frame_, out);
    frame_.clear();
    if (writeFd >= 0) write(writeFd, out.reemit);
    return true;
}

void EvdevRelay::write(int fd, const std::vector<RawInputEvent>& events) {
    if (events.empty()) return;
    out_.clear();
    for (const RawInputEvent& e : events) out_.push_back(toInputEvent(e));
    // One write a frame: uinput takes whole events, in order.
    const auto* bytes = reinterpret_cast<const char*>(out_.data());
    size_t left = out_.size() * sizeof(input_event);
    while (left > 0) {
        const ssize_t n = ::write(fd, bytes, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the device is going away with its node
        bytes += n;
        left -= static_cast<size_t>(n);
    }
}

}  // namespace z408::desktop
