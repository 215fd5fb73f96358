// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/profile_store.h"

#include "common/clock.h"
#include "common/data_folder_lock.h"
#include "common/file_messages.h"
#include "common/file_set.h"
#include "common/program_texts.h"
#include "common/text.h"

namespace z408 {

ProfileStore::ProfileStore(std::filesystem::path dataDirectory, UserNotices& notices)
    : dataDirectory_(std::move(dataDirectory)), notices_(notices) {}

std::filesystem::path ProfileStore::tablePath() const {
    return dataDirectory_ / "Profile" / "ConfigInfo.cfg";
}

std::filesystem::path ProfileStore::profilePath(int entry) const {
    return dataDirectory_ / "Profile" / ("Profile" + std::to_string(entry + 1) + ".cfg");
}

ProfileLoadResult ProfileStore::loadProfileFile(const std::filesystem::path& path,
                                                bool reportMissing) {
    std::vector<uint8_t> bytes;
    const FileResult r = readFilePrefix(path, kProfileSize, bytes);
    if (r) {
        active_.assign(bytes);
        if (!active_.hasMagic()) {
            notices_.message(formatText(kInvalidProfileText, {path.string()}));
            return ProfileLoadResult::Invalid;
        }
        return ProfileLoadResult::Loaded;
    }
    if (r.error == FileError::NotFound && reportMissing) {
        reportMissingFile(notices_, path);
        createDefaultProfileFile(path);
    }
    return ProfileLoadResult::NotOpened;
}

bool ProfileStore::createDefaultProfileFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::create_directories(dataDirectory_ / "Profile", ec);
    const ProfileSettings defaults = ProfileSettings::defaults(notices_.chinese());
    const FileResult r = writeFileAtomic(path, defaults.image());
    if (!r) {
        if (r.error == FileError::AccessDenied) {
            notices_.info(notices_.text("str_msg4"));
        } else {
            // Not being able to write is never silent: the user would lose the profile later.
            // A plain message box: the path and the reason are read whole there.
            notices_.message(fileFailureText(notices_, ProgramText::CouldNotSave, path, r));
        }
        return false;
    }
    active_ = defaults;
    return true;
}

void ProfileStore::loadTableAndActiveProfile() {
    std::vector<uint8_t> bytes;
    table_.clear();
    const FileResult r = readFilePrefix(tablePath(), kTableSize, bytes);
    if (r) {
        table_.assign(bytes);
    } else if (r.error == FileError::NotFound) {
        reportMissingFile(notices_, tablePath());
    }
    for (int e = 0; e < kProfileCount; ++e) table_.setPath(e, utf8ToUtf16(profilePath(e).string()));

    int found = -1;
    for (int e = 0; e < kProfileCount && found < 0; ++e) {
        if (table_.entryMagic(e) != kEntryMagic || table_.activeFlag(e) == 0) continue;
        if (loadProfileFile(profilePath(e), true) == ProfileLoadResult::Loaded) {
            found = e;
        } else {
            table_.setActiveFlag(e, 0);
            createDefaultProfileFile(profilePath(e));
        }
    }
    if (found < 0) {
        if (loadProfileFile(profilePath(0), false) != ProfileLoadResult::Loaded &&
            !createDefaultProfileFile(profilePath(0))) {
            // Nothing on disk could be read or written: work on defaults in memory.
            active_.fillDefaults(notices_.chinese());
        }
        table_.setActiveFlag(0, 1);
        found = 0;
    }
    activeEntry_ = found;
    macroIds_ = table_.macroIds(activeEntry_);
}

bool ProfileStore::selectProfile(int entry) {
    if (entry < 0 || entry >= kProfileCount) return false;
    const ProfileSettings previous = active_;
    if (loadProfileFile(profilePath(entry), true) != ProfileLoadResult::Loaded) {
        active_ = previous;
        return false;
    }
    // Before the switch: the chosen entry's ids are taken as stored now, not as first read.
    table_ = otherEntriesAsStored(table_, activeEntry_);
    activeEntry_ = entry;
    macroIds_ = table_.macroIds(entry);
    for (int e = 0; e < kProfileCount; ++e) table_.setActiveFlag(e, e == entry ? 1 : 0);
    return true;
}

bool ProfileStore::stillActive(int entry) {
    if (entry == activeEntry_) return true;
    notices_.info(notices_.programText(ProgramText::ProfileSwitchedWhileOpen));
    return false;
}

ProfileTable ProfileStore::storedTable() const {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(tablePath(), kTableSize, bytes)) return table_;
    ProfileTable stored;
    stored.assign(bytes);
    for (int e = 0; e < kProfileCount; ++e) stored.setPath(e, table_.path(e));
    return stored;
}

std::optional<ProfileSettings> ProfileStore::storedProfile(int entry) const {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(profilePath(entry), kProfileSize, bytes)) return std::nullopt;
    ProfileSettings stored;
    stored.assign(bytes);
    if (!stored.hasMagic()) return std::nullopt;
    return stored;
}

ProfileTable ProfileStore::otherEntriesAsStored(ProfileTable table, int keep) const {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(tablePath(), kTableSize, bytes) || bytes.size() != kTableSize) return table;
    ProfileTable onDisk;
    onDisk.assign(bytes);
    for (int e = 0; e < kProfileCount; ++e) {
        if (e == keep) continue;
        table.setEntryMagic(e, onDisk.entryMagic(e));
        table.setMacroIds(e, onDisk.macroIds(e));
    }
    return table;
}

FileResult ProfileStore::writeEntry(int entry, const ProfileSettings& profile,
                                    const MacroIdList& ids, std::filesystem::path& failedFile) {
    DataFolderLock lock;
    failedFile = dataDirectory_;
    // A folder where no lock can be made is left to the writes to report.
    if (FileResult r = lock.acquire(dataDirectory_, SystemClock::instance()); isBusy(r)) return r;
    // Read under the lock: the other entries' macro ids as the last writer left them, not as
    // this program read them at its start.
    ProfileTable table = otherEntriesAsStored(table_, entry);
    table.setMacroIds(entry, ids);
    const auto profileImage = profile.image();
    const auto tableImage = table.image();
    // The profile names its macros by the ids in the table: both change, or neither.
    const FileReplacement files[] = {{profilePath(entry), profileImage}, {tablePath(), tableImage}};
    size_t failed = 0;
    if (FileResult r = replaceFilesTogether(dataDirectory_, files, failed); !r) {
        if (failed < std::size(files)) failedFile = files[failed].target;
        return r;
    }
    table_ = table;
    return {};
}

bool ProfileStore::saveAfterUpload() {
    std::filesystem::path failedFile;
    const FileResult r = writeEntry(activeEntry_, active_, macroIds_, failedFile);
    // The working ids are the entry's even when the files could not take them.
    table_.setMacroIds(activeEntry_, macroIds_);
    return reportSaveFailure(notices_, failedFile, r);
}

bool ProfileStore::unsavedEdits(int entry) const {
    if (entry != activeEntry_) return false;
    std::vector<uint8_t> bytes;
    ProfileSettings onDisk;
    if (readFilePrefix(profilePath(entry), kProfileSize, bytes)) onDisk.assign(bytes);
    if (!(onDisk == active_)) return true;
    ProfileTable table;
    if (readFilePrefix(tablePath(), kTableSize, bytes)) table.assign(bytes);
    return table.macroIds(entry) != macroIds_;
}

bool ProfileStore::importProfile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    ProfileSettings scratch;
    if (readFilePrefix(path, kProfileSize, bytes)) scratch.assign(bytes);
    if (!scratch.hasMagic()) {
        notices_.message(formatText(kInvalidProfileText, {path.string()}));
        return false;
    }
    active_ = scratch;
    return true;
}

FileResult ProfileStore::exportProfile(const std::filesystem::path& path) const {
    return writeFileAtomic(path, active_.image());
}

}  // namespace z408
