// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// File access with the failure causes the program reports to the user, and atomic replacement:
// every file the program writes goes through a temporary file, fsync and rename, so a crash or a
// full disk never leaves a half-written file behind.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace z408 {

enum class FileError {
    None,
    NotFound,      // the file or a folder of its path does not exist
    AccessDenied,  // permissions, read-only file system
    Other,         // anything else (disk full, I/O error, a folder where a file should be)
};

struct FileResult {
    FileError error = FileError::None;
    int sysErrno = 0;
    explicit operator bool() const { return error == FileError::None; }
    std::string describe() const;  // the system's text for the cause
};

FileResult fileResultFromErrno(int err);

// Reads at most `maxBytes` bytes from the start of the file into `out` (resized to what was read).
FileResult readFilePrefix(const std::filesystem::path& path, size_t maxBytes,
                          std::vector<uint8_t>& out);

// Reads the whole file into `out`; a file of more than `maxBytes` bytes is an error (EFBIG, `out`
// left empty), refused unread when its size says so.
FileResult readWholeFile(const std::filesystem::path& path, size_t maxBytes,
                         std::vector<uint8_t>& out);

// Replaces the file with `bytes` atomically. The temporary file lives in the same folder.
FileResult writeFileAtomic(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// The two halves of writeFileAtomic, for replacing several files together: the contents written
// and synced to a temporary file beside `path` (its name in `temporary`), then renamed into place.
FileResult writeFileStaged(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                           std::string& temporary);
FileResult commitStagedFile(const std::string& temporary, const std::filesystem::path& path);

// Copies a file unless the target exists (never overwrites); written atomically.
FileResult copyFileNoOverwrite(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace z408
