// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Notices recorded from the user-interface thread and a worker thread alike.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "common/user_notices.h"

namespace z408::test {

class SharedNotices : public UserNotices {
  public:
    bool show(const Notice& n) override {
        std::lock_guard lock(mutex_);
        shown_.push_back(n);
        return reply;
    }
    std::string text(std::string_view) const override { return {}; }
    bool chinese() const override { return chineseText; }
    int32_t languageId() const override {
        const int32_t id = language;
        return id != 0 ? id : chinese() ? 1 : 2;
    }
    std::vector<Notice> shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    std::atomic<bool> reply{true};
    std::atomic<bool> chineseText{false};
    std::atomic<int32_t> language{0};  // 0: by the Chinese flag

  private:
    mutable std::mutex mutex_;
    std::vector<Notice> shown_;
};

}  // namespace z408::test
