// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "update/program_settings.h"

#include <cstdlib>

#include "formats/ini_file.h"
#include "update/update_checker.h"

namespace z408 {

ProgramSettings readProgramSettings(const std::filesystem::path& directory) {
    return readProgramSettingsFile(directory / kProgramSettingsFile);
}

ProgramSettings readProgramSettingsFile(const std::filesystem::path& file) {
    ProgramSettings s;
    s.updateHost = ReadIniString(file, "Update", "Host").value_or(std::string());
    s.webSite = ReadIniString(file, "Support", "WebSite").value_or(std::string());
    if (const char* server = std::getenv("Z408_UPDATE_SERVER")) s.updateHost = server;
    return s;
}

std::string updateDescriptionUrl(const std::string& host) {
    std::string base = host;
    while (!base.empty() && base.back() == '/') base.pop_back();
    if (base.empty()) return {};
    if (base.find("://") == std::string::npos) base = "http://" + base;
    return base + UpdateChecker::kDescriptionPath;
}

}  // namespace z408
