// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The whole configuration in one file: the data directory's profiles, profile table, macros,
// statistics and language choice, for `z408ctl backup` and `z408ctl restore`.
//
// Layout, little-endian: the 8 bytes "Z408BKUP", the format version (u32, 1), the number of
// files (u32), then per file its name relative to the data directory (u16 length, UTF-8, '/'
// between folders) and its contents (u32 length, bytes), and last the CRC-32 of everything
// before it (u32). Reading checks all of it before anything is used.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/file_io.h"

namespace z408 {

inline constexpr std::array<uint8_t, 8> kBackupMagic = {'Z', '4', '0', '8', 'B', 'K', 'U', 'P'};
inline constexpr uint32_t kBackupVersion = 1;
// Far above the largest data file (the macro library, about 2 MB).
inline constexpr size_t kBackupMaxFileBytes = 16u << 20;

struct BackupFile {
    std::string name;  // one of kSeedFiles
    std::vector<uint8_t> bytes;
    friend bool operator==(const BackupFile&, const BackupFile&) = default;
};

// CRC-32 as zlib computes it (reflected polynomial 0xEDB88320).
uint32_t crc32(std::span<const uint8_t> bytes);

std::vector<uint8_t> encodeBackup(const std::vector<BackupFile>& files);
// The files of an archive; nothing, with the reason in `error`, for anything damaged, foreign or
// unexpected (a name outside the data files, a name twice, a length past the end).
std::optional<std::vector<BackupFile>> decodeBackup(std::span<const uint8_t> archive,
                                                    std::string& error);

// The data files present in `dataDirectory`; `missing` gets the names of those that are not.
FileResult collectBackupFiles(const std::filesystem::path& dataDirectory,
                              std::vector<BackupFile>& out, std::vector<std::string>& missing,
                              std::string& failedName);

// Whether the files of an archive are what the program's loaders take: none empty, none longer
// than its record (the library at most `macroLibraryBytes`), every profile with its magic. The
// first problem, naming the file, or nothing.
std::optional<std::string> backupContentProblem(const std::vector<BackupFile>& files,
                                                size_t macroLibraryBytes);

// Writes every file into `dataDirectory` (creating its folders), all or nothing, even across a
// kill (see common/file_set.h); should a rename fail, the files already replaced get their
// previous contents back. The caller holds the data folder's lock.
FileResult restoreBackupFiles(const std::filesystem::path& dataDirectory,
                              const std::vector<BackupFile>& files, std::string& failedName);

}  // namespace z408
