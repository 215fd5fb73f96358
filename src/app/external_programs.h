// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The two programs the configurator hands over to, both in the helper folder (only developer
// builds carry them): the firmware burner (FWUpdate/TarvoFlash.exe, given "1" for Chinese texts or
// "0", then the downloaded image's path when there is one) and the program updater
// (tarvo_update/TarvoUpdate.exe, no arguments). Both are started detached; whether they ran is not
// checked, as the user sees them for themselves. One that is not installed is not started: the
// caller says so instead.
#include <filesystem>

namespace z408 {

std::filesystem::path firmwareBurnerPath(const std::filesystem::path& helperDirectory);
std::filesystem::path programUpdaterPath(const std::filesystem::path& helperDirectory);

enum class HelperStart { Started, NotInstalled, Failed };

HelperStart startFirmwareBurner(const std::filesystem::path& helperDirectory, bool chinese,
                                const std::filesystem::path& image = {});
HelperStart startProgramUpdater(const std::filesystem::path& helperDirectory);

}  // namespace z408
