// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The input hook's platform source where X11 cannot see the desktop's input (a Wayland session,
// no display at all): the mouse's own input event nodes, read on a thread of the source's own
// and found and followed through hot-plug by udev. Buttons the hook swallows are kept from other
// programs by grabbing the node and re-emitting every other event, in order, through a uinput
// device with the node's capabilities; without such buttons nothing is grabbed. Keys are never
// read here: only the mouse's pointer nodes are opened. Qt-free.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "desktop/evdev_access.h"
#include "shell/input_hook.h"

namespace z408::desktop {

class EvdevHookInput final : public z408::InputSource {
  public:
    // Called on the source's thread for every button and wheel event, in the order the node
    // gave them. The hook's state belongs to one thread: the caller hands the event over (or
    // serialises the calls) from here.
    using Deliver = std::function<void(const z408::InputEvent&)>;
    // Called on the source's thread with the mouse's relative motion of one report, in counts,
    // for the pointer travel of the statistics where the pointer position cannot be sampled.
    using Motion = std::function<void(int32_t dx, int32_t dy)>;
    // Called when a problem arises outside syncIntercepts(), on the source's thread (or in
    // start(), for a node that could not be opened beside others that could): a
    // re-plugged mouse that cannot be read or taken over again, or a take-over that had to wait
    // for the mouse's buttons to be let go and then failed. The source goes on without
    // swallowing.
    using Problem = std::function<void(const EvdevProblem&)>;

    explicit EvdevHookInput(Deliver deliver, Motion motion = {}, Problem problem = {});
    ~EvdevHookInput() override;
    EvdevHookInput(const EvdevHookInput&) = delete;
    EvdevHookInput& operator=(const EvdevHookInput&) = delete;

    // Opens the mouse's nodes present now and follows its hot-plug from then on. False when
    // nodes are present but none can be read, or udev cannot be watched: problem() and error()
    // say why. With no node present it runs and waits for the mouse.
    bool start() override;
    void stop() override;
    // Why the last start() failed: in English, and as a problem to put into the person's
    // language.
    const std::string& error() const { return error_; }
    const EvdevProblem& problem() const { return problem_; }
    bool running() const;
    // False once the source's thread has ended on its own (udev's monitor failed).
    bool alive() const;
    // How many of the mouse's nodes are open now.
    size_t openNodes() const;

    // Takes exactly the buttons whose presses `hook` takes from other programs now
    // (InputHook::takesOverXButton): grabs the nodes and starts re-emitting when there are some,
    // lets go when there are none. Call from the hook's thread. Returns the problem the person
    // must hear (empty when fine); on a problem nothing is swallowed and every event still
    // reaches other programs. While one of the mouse's buttons is held the change waits for its
    // release, so no program is left with a button held down.
    EvdevProblem syncIntercepts(const InputHook& hook);

  private:
    struct State;
    Deliver deliver_;
    Motion motion_;
    Problem problem_cb_;
    std::string error_;
    EvdevProblem problem_;
    std::unique_ptr<State> state_;
};

}  // namespace z408::desktop
