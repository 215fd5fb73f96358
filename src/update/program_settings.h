// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The program's own settings, kept in "z408.ini" (shipped in /etc/z408 or with the program's data,
// overridden per user in ~/.config/z408): where updates come from and which web site the support
// page opens. Both are empty in a fresh installation.
#include <filesystem>
#include <string>

namespace z408 {

inline constexpr const char* kProgramSettingsFile = "z408.ini";

struct ProgramSettings {
    std::string updateHost;  // [Update] Host: "host", "host:port" or "http://host:port"
    std::string webSite;     // [Support] WebSite: the address the web-site button opens
};

// Reads the settings; a missing file or key leaves the value empty. Z408_UPDATE_SERVER in the
// environment, when set, replaces the update host (for trying a local server).
ProgramSettings readProgramSettingsFile(const std::filesystem::path& file);
// The same for the z408.ini inside `directory`.
ProgramSettings readProgramSettings(const std::filesystem::path& directory);

// The description's address on the host ("http://" added when no scheme is given); empty when
// no host is configured.
std::string updateDescriptionUrl(const std::string& host);

}  // namespace z408
