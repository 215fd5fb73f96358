// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Which platform source feeds the input hook: X11 where the session is X11 (RECORD sees every
// program's input there), the mouse's own event nodes on a Wayland session or without a display.
// One rule for the program and z408ctl. Qt-free.
#include <optional>
#include <string>
#include <string_view>

namespace z408::desktop {

enum class InputSourceKind { X11, Evdev };

// The session variables the choice reads.
struct SessionEnv {
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
};

SessionEnv sessionEnvFromProcess();
InputSourceKind chooseInputSource(const SessionEnv& env);
inline InputSourceKind chooseInputSource() {
    return chooseInputSource(sessionEnvFromProcess());
}

// "x11" and "evdev", the names z408ctl takes.
std::string_view inputSourceName(InputSourceKind kind);
std::optional<InputSourceKind> parseInputSourceName(std::string_view name);

}  // namespace z408::desktop
