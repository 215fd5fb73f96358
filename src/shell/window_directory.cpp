// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/window_directory.h"

namespace z408 {

void WindowDirectory::add(WindowId window, MessageSink* sink) {
    std::lock_guard lock(mutex_);
    sinks_[window] = sink;
}

void WindowDirectory::remove(WindowId window, MessageSink* sink) {
    std::lock_guard lock(mutex_);
    const auto it = sinks_.find(window);
    if (it != sinks_.end() && it->second == sink) sinks_.erase(it);
}

MessageSink* WindowDirectory::sinkOf(WindowId window) {
    std::lock_guard lock(mutex_);
    const auto it = sinks_.find(window);
    return it == sinks_.end() ? nullptr : it->second;
}

}  // namespace z408
