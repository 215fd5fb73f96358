// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "config/seeding.h"

#include <sys/stat.h>

#include "common/clock.h"
#include "common/data_folder_lock.h"
#include "common/file_io.h"
#include "common/file_set.h"

namespace z408 {

bool seedDataDirectory(const std::filesystem::path& programDirectory,
                       const std::filesystem::path& dataDirectory) {
    std::error_code ec;
    if (std::filesystem::exists(dataDirectory, ec)) {
        // A writer at work holds the lock and finishes its own change: only a free folder is
        // mended.
        DataFolderLock lock;
        if (lock.acquire(dataDirectory, SystemClock::instance(), 0))
            recoverInterruptedReplacement(dataDirectory);
        return false;
    }
    // The folder holds keystrokes recorded from the whole desktop: ours alone. The folders above
    // it that exist already are left as they are.
    std::filesystem::create_directories(dataDirectory.parent_path().parent_path(), ec);
    for (const std::filesystem::path& dir :
         {dataDirectory.parent_path(), dataDirectory, dataDirectory / "Profile"})
        ::mkdir(dir.c_str(), 0700);
    for (const char* rel : kSeedFiles) {
        // A missing seed or a failed copy is left to the loader of that file.
        (void)copyFileNoOverwrite(programDirectory / rel, dataDirectory / rel);
    }
    return true;
}

}  // namespace z408
