// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/file_messages.h"

#include "common/text.h"

namespace z408 {

std::string fileFailureText(const UserNotices& notices, ProgramText text,
                            const std::filesystem::path& path, const FileResult& r) {
    return formatText(notices.programText(text), {path.string(), r.describe()});
}

void reportMissingFile(UserNotices& notices, const std::filesystem::path& path) {
    notices.info(formatText(kMissingFileText, {path.string()}));
}

bool reportSaveFailure(UserNotices& notices, const std::filesystem::path& path,
                       const FileResult& r) {
    switch (r.error) {
        case FileError::None:
            return true;
        case FileError::NotFound:
            notices.message(formatText(notices.text("str_msg2"), {path.string()}));
            break;
        case FileError::AccessDenied:
            notices.message(notices.text("str_msg5"));
            break;
        case FileError::Other:
            // Disk full and the like: never silent, or the user would believe the data was kept.
            notices.message(fileFailureText(notices, ProgramText::CouldNotSave, path, r));
            break;
    }
    return false;
}

}  // namespace z408
