// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl autostart on|off|status: the entry that starts the program hidden in the tray at login,
// the same switch as the tray menu's.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "desktop/autostart.h"

namespace z408::cli {
namespace {

int runAutostart(const Args& args) {
    ArgScanner scan(args);
    std::vector<std::string> words;
    std::string error;
    if (!scan.positionals(words, error)) return fail("autostart", error, kExitBadInput);
    if (words.size() != 1 || (words[0] != "on" && words[0] != "off" && words[0] != "status"))
        return fail("autostart", "needs one of on, off, status", kExitBadInput);
    const std::string entry = desktop::autostartEntryPath().string();
    if (words[0] == "on") {
        if (!desktop::enableAutostart(desktop::installedProgram(), error))
            return fail("autostart", error, kExitFailed);
        std::printf("autostart: on (%s)\n", entry.c_str());
    } else if (words[0] == "off") {
        if (!desktop::disableAutostart(error)) return fail("autostart", error, kExitFailed);
        std::printf("autostart: off\n");
    } else {
        const bool on = desktop::autostartEnabled();
        std::printf("autostart: %s", on ? "on" : "off");
        if (on) std::printf(" (%s)", entry.c_str());
        std::printf("\n");
    }
    return kExitOk;
}

}  // namespace

void registerAutostartCommands(CommandRegistry& registry) {
    registry.add({"autostart", "on|off|status", "start the program hidden in the tray at login",
                  "on writes the XDG autostart entry z408.desktop to $XDG_CONFIG_HOME/autostart\n"
                  "(by default ~/.config/autostart), starting the z408 beside this z408ctl with\n"
                  "--hidden; off removes it; status tells whether it is there. The tray menu's\n"
                  "\"Start at login\" item is the same switch.",
                  runAutostart, [](const Args& before) -> std::vector<std::string> {
                      if (before.empty()) return {"on", "off", "status"};
                      return {};
                  }});
}

}  // namespace z408::cli
