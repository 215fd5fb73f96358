// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/message_queue.h"

namespace z408 {

void MessageQueue::post(Msg msg, uintptr_t wParam, intptr_t lParam) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({msg, wParam, lParam});
    }
    cv_.notify_one();
}

PostedMessage MessageQueue::wait() {
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [this] { return !queue_.empty(); });
    const PostedMessage m = queue_.front();
    queue_.pop_front();
    return m;
}

std::optional<PostedMessage> MessageQueue::waitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!cv_.wait_for(lock, timeout, [this] { return !queue_.empty(); })) return std::nullopt;
    const PostedMessage m = queue_.front();
    queue_.pop_front();
    return m;
}

std::vector<PostedMessage> MessageQueue::drain() {
    std::lock_guard lock(mutex_);
    std::vector<PostedMessage> out(queue_.begin(), queue_.end());
    queue_.clear();
    return out;
}

}  // namespace z408
