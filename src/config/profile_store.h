// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The five profiles on disk: the table, the active profile, switching, saving after an upload,
// default re-creation, import and export.
#include <filesystem>
#include <optional>

#include "common/file_io.h"
#include "common/user_notices.h"
#include "config/profile_settings.h"
#include "config/profile_table.h"

namespace z408 {

enum class ProfileLoadResult : int { NotOpened = 0, Loaded = 1, Invalid = 255 };

inline constexpr const char* kInvalidProfileText = "%s is an invaild Profile!";
inline constexpr const char* kImportSuccessText = "%s import success!";
inline constexpr const char* kExportSuccessText = "%s export success!";
inline constexpr const char* kExportFailedText = "%s export failed!";

class ProfileStore {
  public:
    ProfileStore(std::filesystem::path dataDirectory, UserNotices& notices);

    std::filesystem::path tablePath() const;
    std::filesystem::path profilePath(int entry) const;  // entry 0..4

    ProfileSettings& active() { return active_; }
    const ProfileSettings& active() const { return active_; }
    ProfileTable& table() { return table_; }
    const ProfileTable& table() const { return table_; }
    int activeEntry() const { return activeEntry_; }
    // The working macro ids of the active profile's buttons.
    MacroIdList& macroIdList() { return macroIds_; }
    const MacroIdList& macroIdList() const { return macroIds_; }

    // Reads a profile file into the active profile. A missing file with reportMissing set is
    // reported and re-created with defaults.
    ProfileLoadResult loadProfileFile(const std::filesystem::path& path, bool reportMissing);

    // Writes a default profile to `path` and makes the defaults the active profile.
    bool createDefaultProfileFile(const std::filesystem::path& path);

    // Start-up: the table, then the first entry marked active whose file is valid (others are
    // re-created with defaults), else profile 1. Fills the working macro ids.
    void loadTableAndActiveProfile();

    // Makes entry i active when its file loads. On failure the previous profile stays active in
    // memory and nothing else changes. The entry's macro ids come from the table as stored now.
    bool selectProfile(int entry);

    // A dialog opened for entry `entry` (the function picker, an import) can end after z408ctl
    // switched the window to another profile: true while `entry` is still the active one, else
    // the person is told that nothing was done to the other profile.
    bool stillActive(int entry);

    // The table as it stands on disk (z408ctl changes entries behind the window's back), with the
    // paths filled in; the table in memory when the file cannot be read.
    ProfileTable storedTable() const;
    // Entry `entry`'s profile as its file holds it; nothing when the file is missing or invalid.
    std::optional<ProfileSettings> storedProfile(int entry) const;

    // After a successful upload: the working macro ids into the active entry, the profile file and
    // the table written. The other entries are written as they stand on disk at that moment. False
    // when a file could not be written (reported to the user).
    bool saveAfterUpload();

    // Writes entry `entry`'s profile file and the table with `ids` as its macro ids, together and
    // under the data folder's lock; the table in memory follows on success. On failure neither
    // file changed and `failedFile` names the one that failed (the folder when it was busy).
    FileResult writeEntry(int entry, const ProfileSettings& profile, const MacroIdList& ids,
                          std::filesystem::path& failedFile);

    // Whether memory holds edits of entry `entry` that its files lack: only the active entry can,
    // when its profile or macro ids differ from the profile file and the table on disk.
    bool unsavedEdits(int entry) const;

    // Replaces the active profile with a file that carries the profile magic.
    bool importProfile(const std::filesystem::path& path);
    FileResult exportProfile(const std::filesystem::path& path) const;

  private:
    // `table` with the entries other than `keep` (their magic and macro ids) as the file holds
    // them now; the active flags and `keep`'s ids stay as given. Unchanged where the file cannot
    // be read whole.
    ProfileTable otherEntriesAsStored(ProfileTable table, int keep) const;

    std::filesystem::path dataDirectory_;
    UserNotices& notices_;
    ProfileSettings active_;
    ProfileTable table_;
    int activeEntry_ = 0;
    MacroIdList macroIds_{};
};

}  // namespace z408
