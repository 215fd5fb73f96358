// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/input_source_choice.h"

#include <cstdlib>

namespace z408::desktop {
namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

}  // namespace

SessionEnv sessionEnvFromProcess() {
    return {env("DISPLAY"), env("WAYLAND_DISPLAY"), env("XDG_SESSION_TYPE")};
}

InputSourceKind chooseInputSource(const SessionEnv& e) {
    // Under a Wayland compositor an X11 client (XWayland included) sees only the input that goes
    // to X11 windows, so the mouse's own nodes are the only full view there.
    if (!e.waylandDisplay.empty() || e.sessionType == "wayland") return InputSourceKind::Evdev;
    return e.display.empty() ? InputSourceKind::Evdev : InputSourceKind::X11;
}

std::string_view inputSourceName(InputSourceKind kind) {
    return kind == InputSourceKind::X11 ? "x11" : "evdev";
}

std::optional<InputSourceKind> parseInputSourceName(std::string_view name) {
    if (name == "x11") return InputSourceKind::X11;
    if (name == "evdev") return InputSourceKind::Evdev;
    return std::nullopt;
}

}  // namespace z408::desktop
