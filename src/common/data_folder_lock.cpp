// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/data_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <mutex>

namespace z408 {
namespace {

// Short enough that a waiting writer follows soon after the first; each try is one system call.
constexpr uint32_t kRetryMs = 20;

// The locks this process holds: a second open of the lock file would conflict with our own
// first, so nested holders share one descriptor and count.
struct Held {
    int fd = -1;
    int holders = 0;
};
std::mutex heldMutex;
std::map<std::string, Held> heldLocks;

}  // namespace

FileResult DataFolderLock::acquire(const std::filesystem::path& dir, Clock& clock,
                                   uint32_t waitMs) {
    release();
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(dir, ec);
    const std::string key = (ec ? dir : canonical).lexically_normal().string();
    {
        std::lock_guard guard(heldMutex);
        if (auto it = heldLocks.find(key); it != heldLocks.end()) {
            ++it->second.holders;
            key_ = key;
            return {};
        }
    }
    const std::filesystem::path file = dir / kDataFolderLockFile;
    // Never through a link planted in place of the lock file.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return fileResultFromErrno(errno);
    const uint64_t start = clock.nowMs();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::lock_guard guard(heldMutex);
            heldLocks[key] = Held{fd, 1};
            key_ = key;
            return {};
        }
        const int err = errno;
        if (err == EINTR) continue;
        const uint64_t waited = clock.nowMs() - start;
        if (err != EWOULDBLOCK || waited >= waitMs) {
            ::close(fd);
            return fileResultFromErrno(err);
        }
        clock.sleepMs(static_cast<uint32_t>(std::min<uint64_t>(kRetryMs, waitMs - waited)));
    }
}

void DataFolderLock::release() {
    if (key_.empty()) return;
    std::lock_guard guard(heldMutex);
    if (auto it = heldLocks.find(key_); it != heldLocks.end() && --it->second.holders == 0) {
        ::close(it->second.fd);  // closing drops the lock
        heldLocks.erase(it);
    }
    key_.clear();
}

}  // namespace z408
