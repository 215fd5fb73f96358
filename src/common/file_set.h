// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Several files of the data folder replaced together, all or nothing even across a kill: every
// new content is written to a temporary file first, then a journal naming the temporaries is
// written, then the temporaries are renamed into place and the journal removed. A start that
// finds a journal completes the renames; temporaries without a journal are dropped.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "common/file_io.h"

namespace z408 {

// The journal's name in the data folder.
inline constexpr const char* kReplacementJournal = "z408.journal";

struct FileReplacement {
    std::filesystem::path target;  // inside the data folder
    std::span<const uint8_t> bytes;
};

// Replaces `files`, all inside `folder`, together. On failure `failed` is the index of the file
// that failed, and every file holds its old content again. The caller holds the folder's lock.
// `afterStep`, for tests, is called after each step (1: temporaries written, 2: journal written,
// 3..: each rename, then one after the journal is removed).
FileResult replaceFilesTogether(const std::filesystem::path& folder,
                                std::span<const FileReplacement> files, size_t& failed,
                                const std::function<void(int step)>& afterStep = {});

// At a start, under the folder's lock: completes a replacement that a kill interrupted after its
// journal was written, and removes temporaries of the folder and its Profile folder that no
// writer can still be using (older than `staleAfterSeconds`).
void recoverInterruptedReplacement(const std::filesystem::path& folder, int staleAfterSeconds = 60);

}  // namespace z408
