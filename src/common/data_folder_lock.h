// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The data folder's writers lock. The window and z408ctl both read, change and write the same
// files; each writer holds this lock from its read to its last write, so a second writer reads
// what the first wrote instead of writing back what it read before.
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/clock.h"
#include "common/file_io.h"

namespace z408 {

// The lock file inside the data folder.
inline constexpr const char* kDataFolderLockFile = "z408.lock";
// How long a writer waits for another one to finish before giving up.
inline constexpr uint32_t kDataFolderLockWaitMs = 10000;

// True when acquire() gave up because another writer held the lock; other failures (a folder
// that is missing or read-only) leave the writes themselves to fail and report.
inline bool isBusy(const FileResult& r) {
    return r.sysErrno == EWOULDBLOCK;
}

class DataFolderLock {
  public:
    DataFolderLock() = default;
    ~DataFolderLock() { release(); }
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the lock of the data folder `dir`, waiting up to `waitMs` on `clock` while another
    // process holds it. EWOULDBLOCK when it stayed taken; the cause when the lock file cannot be
    // opened. The folder must exist. Within one process the lock nests: a store that locks its
    // own save inside a command that already holds the lock goes on at once.
    FileResult acquire(const std::filesystem::path& dir, Clock& clock,
                       uint32_t waitMs = kDataFolderLockWaitMs);
    void release();
    bool held() const { return !key_.empty(); }

  private:
    std::string key_;  // the folder whose lock this holds
};

}  // namespace z408
