// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "upload/upload_request_event.h"

namespace z408 {

void UploadRequestEvent::set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    cv_.notify_all();
}

void UploadRequestEvent::reset() {
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool UploadRequestEvent::isSet() const {
    std::lock_guard lock(mutex_);
    return set_;
}

bool UploadRequestEvent::wait(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    cv_.wait(lock, stop, [this] { return set_; });
    return set_;
}

}  // namespace z408
