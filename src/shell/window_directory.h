// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The windows the input hook may post to, by number: the main window for its whole life, and
// windows such as the function picker's key page while they are open.
#include <map>
#include <mutex>

#include "shell/input_hook.h"

namespace z408 {

class WindowDirectory final : public WindowSinks {
  public:
    // The sink must stay valid until it is removed (or replaced by a later add).
    void add(WindowId window, MessageSink* sink);
    // Removes the entry while it still names `sink`; a window that took the number over since
    // keeps it.
    void remove(WindowId window, MessageSink* sink);
    MessageSink* sinkOf(WindowId window) override;

  private:
    std::mutex mutex_;
    std::map<WindowId, MessageSink*> sinks_;
};

}  // namespace z408
