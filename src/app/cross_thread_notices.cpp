// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/cross_thread_notices.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace z408 {

CrossThreadNotices::CrossThreadNotices(UserNotices& target, QObject* uiObject)
    : target_(target), ui_(uiObject) {}

CrossThreadNotices::~CrossThreadNotices() {
    cancel();
}

void CrossThreadNotices::cancel() {
    std::lock_guard lock(shared_->mutex);
    shared_->cancelled = true;
    shared_->done.notify_all();
}

bool CrossThreadNotices::cancelled() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->cancelled;
}

bool CrossThreadNotices::runOnUiThread(const std::function<void()>& work) const {
    if (!ui_ || QThread::currentThread() == ui_->thread()) {
        if (cancelled()) return false;
        work();
        return true;
    }
    // The request outlives this call when cancel() wakes the worker first: it keeps its own
    // state and does nothing once the answer is no longer awaited.
    struct Request {
        std::function<void()> work;
        bool finished = false;
    };
    auto request = std::make_shared<Request>(Request{work, false});
    std::shared_ptr<Shared> shared = shared_;
    {
        std::lock_guard lock(shared->mutex);
        if (shared->cancelled) return false;
    }
    QMetaObject::invokeMethod(
        ui_.data(),
        [request, shared] {
            {
                std::lock_guard lock(shared->mutex);
                if (shared->cancelled) return;
            }
            request->work();
            std::lock_guard lock(shared->mutex);
            request->finished = true;
            shared->done.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(shared->mutex);
    shared->done.wait(lock, [&] { return request->finished || shared->cancelled; });
    return request->finished;
}

bool CrossThreadNotices::show(const Notice& notice) {
    // The answer is written on the user-interface thread before `finished` is set under the lock.
    auto result = std::make_shared<bool>(false);
    return runOnUiThread([this, notice, result] { *result = target_.show(notice); }) && *result;
}

std::string CrossThreadNotices::text(std::string_view key) const {
    auto result = std::make_shared<std::string>();
    const std::string k(key);
    runOnUiThread([this, k, result] { *result = target_.text(k); });
    return *result;
}

}  // namespace z408
