// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Lets a worker thread ask the user through the window's notices: the box is shown by the
// user-interface thread while the worker waits for the answer. On the user-interface thread it
// is the target itself. cancel() (at shutdown, before the worker is joined) answers every waiting
// and later question with "no", so a worker never waits for a window that is going away.
#include <QPointer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "common/user_notices.h"

class QObject;

namespace z408 {

class CrossThreadNotices final : public UserNotices {
  public:
    // `uiObject` lives on the user-interface thread; the questions run in its event loop.
    CrossThreadNotices(UserNotices& target, QObject* uiObject);
    ~CrossThreadNotices() override;

    bool show(const Notice& notice) override;
    std::string text(std::string_view key) const override;
    // The flag is atomic on the target's side: read directly.
    bool chinese() const override { return target_.chinese(); }
    int32_t languageId() const override { return target_.languageId(); }

    void cancel();
    bool cancelled() const;

  private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool cancelled = false;
    };
    // Runs `work` on the user-interface thread and waits for it; false when cancelled first.
    bool runOnUiThread(const std::function<void()>& work) const;

    UserNotices& target_;
    QPointer<QObject> ui_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

}  // namespace z408
