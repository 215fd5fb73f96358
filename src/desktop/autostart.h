// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Starting the program at login: an XDG autostart entry in the user's autostart folder that starts
// it hidden in the tray. Written and removed by the tray menu's switch and `z408ctl autostart`.
#include <filesystem>
#include <string>

#include "common/file_io.h"

namespace z408::desktop {

// $XDG_CONFIG_HOME/autostart, by default ~/.config/autostart.
std::filesystem::path autostartDirectory();
// The entry in that folder.
std::filesystem::path autostartEntryPath();
// The entry's text for the program at `program` (an absolute path found at run time, so an
// installation anywhere starts the same binary). Empty when the path cannot be written into an
// Exec line (a line break in it).
std::string autostartEntryText(const std::filesystem::path& program);

// Whether an entry of ours is there and not switched off by the desktop (Hidden=true).
bool autostartEnabled(const std::filesystem::path& entry = autostartEntryPath());
// Writes the entry (atomically, creating the folder); false with the reason in `error`.
bool enableAutostart(const std::filesystem::path& program, std::string& error,
                     const std::filesystem::path& entry = autostartEntryPath());
// Removes the entry; an entry already absent is success.
bool disableAutostart(std::string& error,
                      const std::filesystem::path& entry = autostartEntryPath());

// The z408 program beside the running executable (z408 itself or z408ctl).
std::filesystem::path installedProgram();

}  // namespace z408::desktop
