// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The input hook's source from the mouse's own event nodes inside the program, for sessions
// where X11 sees nothing of the desktop's input (Wayland, no display): button and wheel events
// handed to the hook on the user-interface thread in the order they happened, the mouse's motion
// moving the statistics' virtual pointer, and the person told once, with cause and fix, of each
// kind of problem that keeps the buttons from being taken from other programs.
#include <QObject>

#include <memory>
#include <vector>

#include "common/user_notices.h"
#include "desktop/evdev_hook_input.h"
#include "shell/input_hook.h"
#include "stats/motion_cursor.h"

namespace z408 {

class EvdevHookSource final : public QObject, public InputSource {
    Q_OBJECT
  public:
    explicit EvdevHookSource(UserNotices& notices, QObject* parent = nullptr);
    ~EvdevHookSource() override;

    // The hook events are delivered to; set before start().
    void setHook(InputHook* hook) { hook_ = hook; }
    // Opens the mouse's nodes; a mouse that cannot be read is told to the person.
    bool start() override;
    void stop() override;
    // Takes the buttons the hook now swallows (after an upload changed its list).
    void syncIntercepts();
    // The virtual pointer the mouse's motion moves: where the statistics read the travel.
    std::shared_ptr<const MotionPosition> motion() const { return motion_; }

    // What the source's thread calls, in its order; any thread. Public so that the tests can
    // play a mouse without the kernel's devices.
    void deliver(const InputEvent& event);
    void moved(int32_t dx, int32_t dy) { motion_->move(dx, dy); }
    void problemArose(const desktop::EvdevProblem& problem);

  private:
    // On the user-interface thread, behind the events already handed over.
    void tellLater(const desktop::EvdevProblem& problem);
    void tell(const desktop::EvdevProblem& problem);

    UserNotices& notices_;
    InputHook* hook_ = nullptr;
    std::vector<desktop::EvdevIssue> told_;
    std::shared_ptr<MotionPosition> motion_ = std::make_shared<MotionPosition>();
    desktop::EvdevHookInput evdev_;  // last: its thread calls into everything above
};

}  // namespace z408
