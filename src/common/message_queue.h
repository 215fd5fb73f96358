// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A MessageSink that keeps the posted messages in order for one reader: the command-line tool,
// tests and benchmarks stand in for the window's message loop with it.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "common/messages.h"

namespace z408 {

struct PostedMessage {
    Msg msg;
    uintptr_t wParam;
    intptr_t lParam;
    friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

class MessageQueue final : public MessageSink {
  public:
    void post(Msg msg, uintptr_t wParam, intptr_t lParam) override;
    // The next message, waiting for it without limit.
    PostedMessage wait();
    // The next message, or nullopt when none came within `timeout`.
    std::optional<PostedMessage> waitFor(std::chrono::milliseconds timeout);
    std::vector<PostedMessage> drain();

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<PostedMessage> queue_;
};

}  // namespace z408
