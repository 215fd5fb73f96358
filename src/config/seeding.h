// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include <filesystem>

namespace z408 {

// The files copied from the program directory into a new data directory, in copy order.
inline constexpr const char* kSeedFiles[] = {
    "Macro.cfg",
    "Language.cfg",
    "Sts.cfg",
    "Profile/ConfigInfo.cfg",
    "Profile/Profile1.cfg",
    "Profile/Profile2.cfg",
    "Profile/Profile3.cfg",
    "Profile/Profile4.cfg",
    "Profile/Profile5.cfg",
};

// First run: when the data directory does not exist, creates it (closed to others) with its
// Profile folder and copies the seed files into it, never overwriting. In an existing data
// directory missing files are left to their loaders; a change of several files that a kill
// interrupted is completed and stale temporaries are removed. Returns true on a first run.
bool seedDataDirectory(const std::filesystem::path& programDirectory,
                       const std::filesystem::path& dataDirectory);

}  // namespace z408
