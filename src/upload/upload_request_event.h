// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A manual-reset event: set by the main window to ask for an upload, reset by the uploader when it
// starts one. Waiting also ends when the waiting thread is asked to stop.
#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace z408 {

class UploadRequestEvent {
  public:
    void set();
    void reset();
    bool isSet() const;
    // Blocks until the event is set or a stop is requested; true when the event is set.
    bool wait(std::stop_token stop);

  private:
    mutable std::mutex mutex_;
    std::condition_variable_any cv_;
    bool set_ = false;
};

}  // namespace z408
