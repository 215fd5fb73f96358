// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The messages the program shows when one of its data files cannot be read or written.
#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "common/user_notices.h"

namespace z408 {

inline constexpr const char* kMissingFileText =
    "Failed to open file, check whether there is a %s path?";

// "Could not read <file>: <reason>" or "Could not save ...", in the interface language; `text`
// is ProgramText::CouldNotRead or ProgramText::CouldNotSave.
std::string fileFailureText(const UserNotices& notices, ProgramText text,
                            const std::filesystem::path& path, const FileResult& r);

// The information box for a data file that is missing where it should be.
void reportMissingFile(UserNotices& notices, const std::filesystem::path& path);

// A save that failed: the language's "str_msg2" (with the path) when the file or its folder is
// missing, "str_msg5" when writing is not allowed, and the system's reason otherwise. Returns
// r's success so callers can write `ok = reportSaveFailure(...)`.
bool reportSaveFailure(UserNotices& notices, const std::filesystem::path& path,
                       const FileResult& r);

}  // namespace z408
