// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The input hook's platform source on X11, shared by the program and z408ctl: every button,
// wheel and key event of the desktop in the hook's vocabulary, and the buttons the hook swallows
// taken from other programs by grabs, chosen by the hook's own rule.
#include <functional>
#include <string>
#include <vector>

#include "desktop/x11_input_source.h"
#include "shell/input_hook.h"

namespace z408::desktop {

class X11HookInput final : public z408::InputSource {
  public:
    // Called on the source's thread for every event, in server order. The hook's state belongs to
    // one thread: the caller hands the event over (or serialises the calls) from here.
    using Deliver = std::function<void(const InputEvent&)>;

    explicit X11HookInput(Deliver deliver) : deliver_(std::move(deliver)) {}
    ~X11HookInput() override { stop(); }
    X11HookInput(const X11HookInput&) = delete;
    X11HookInput& operator=(const X11HookInput&) = delete;

    bool start() override;
    void stop() override;
    // Why the last start() failed, in words for the user.
    const std::string& error() const { return error_; }
    bool running() const { return x11_.running(); }
    // False once the X server has gone away.
    bool alive() const { return x11_.alive(); }

    // Grabs exactly the buttons whose presses `hook` takes from other programs now, and lets go
    // of the rest. Returns the buttons another program already holds.
    std::vector<unsigned> syncGrabs(const InputHook& hook);

  private:
    Deliver deliver_;
    std::string error_;
    X11InputSource x11_;
};

}  // namespace z408::desktop
