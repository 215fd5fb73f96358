// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Reading the data folder without changing it: the read commands show what is there and never
// set a folder up, so that a mistyped --data-dir is told rather than filled with default files.
#include <cstdio>

#include "cli/cli.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "config/profile_store.h"

namespace z408::cli {

std::optional<std::filesystem::path> existingDataFolder(std::string_view command,
                                                        const std::optional<std::string>& given,
                                                        int& code) {
    const std::filesystem::path dir = dataFolder(given);
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) return dir;
    code = fail(command,
                "the data folder " + dir.string() +
                    (std::filesystem::exists(dir, ec) ? " is not a folder" : " does not exist") +
                    "; check --data-dir, or start the z408 program once to set it up",
                kExitBadInput);
    return std::nullopt;
}

bool readStoredProfile(std::string_view command, const std::filesystem::path& dir,
                       int profileNumber, StoredProfile& out, int& code) {
    TerminalNotices notices;
    const ProfileStore paths(dir, notices);
    std::vector<uint8_t> bytes;
    if (readFilePrefix(paths.tablePath(), kTableSize, bytes)) out.table.assign(bytes);
    // The active entry as the program finds it at start: the first one flagged whose file is a
    // profile, else the first.
    const auto readEntry = [&](int entry, ProfileSettings& profile) {
        bytes.clear();
        if (!readFilePrefix(paths.profilePath(entry), kProfileSize, bytes)) return false;
        profile.assign(bytes);
        return profile.hasMagic();
    };
    out.entry = profileNumber - 1;
    if (profileNumber == 0) {
        out.entry = 0;
        for (int e = 0; e < kProfileCount; ++e) {
            ProfileSettings probe;
            if (out.table.entryMagic(e) == kEntryMagic && out.table.activeFlag(e) != 0 &&
                readEntry(e, probe)) {
                out.entry = e;
                break;
            }
        }
    }
    out.path = paths.profilePath(out.entry);
    out.macroIds = out.table.macroIds(out.entry);
    if (readEntry(out.entry, out.profile)) return true;
    std::error_code ec;
    code = fail(command,
                "profile " + std::to_string(out.entry + 1) + " (" + out.path.string() + ") " +
                    (std::filesystem::exists(out.path, ec)
                         ? "is no profile: 'z408ctl profile validate' tells what is wrong"
                         : "has no file yet; the window or 'z408ctl profile set' makes it"),
                kExitBadInput);
    return false;
}

}  // namespace z408::cli
