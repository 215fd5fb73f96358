// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The input hook's platform source on X11 inside the program: every button, wheel and key event
// of the desktop, handed to the hook on the user-interface thread in the order it happened, and
// the buttons the hook swallows taken from other programs by grabs.
#include <QObject>

#include <vector>

#include "common/user_notices.h"
#include "desktop/x11_hook_input.h"
#include "shell/input_hook.h"

namespace z408 {

class X11HookSource final : public QObject, public InputSource {
    Q_OBJECT
  public:
    // `notices` hears of buttons another program holds, so their clicks cannot be kept from it.
    explicit X11HookSource(UserNotices& notices, QObject* parent = nullptr);
    ~X11HookSource() override;

    // The hook events are delivered to; set before start().
    void setHook(InputHook* hook) { hook_ = hook; }
    bool start() override;
    void stop() override;
    // Grabs the buttons the hook now swallows (after an upload changed its list); tells the
    // person once about each button that another program holds.
    void syncIntercepts();

  private:
    UserNotices& notices_;
    InputHook* hook_ = nullptr;
    std::vector<unsigned> heldElsewhere_;  // already told
    desktop::X11HookInput x11_;
};

}  // namespace z408
