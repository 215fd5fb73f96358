// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Lowers this process's descriptor limit to the lowest free descriptor for its lifetime, so the
// next open(), socket() or eventfd() fails with EMFILE: the way to make a resource failure
// happen on demand. Nothing else may open descriptors meanwhile; keep the scope short.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace z408::test {

class NoFreeDescriptors {
  public:
    NoFreeDescriptors() {
        const int probe = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (probe < 0 || ::getrlimit(RLIMIT_NOFILE, &old_) != 0) return;
        ::close(probe);
        rlimit tight = old_;
        tight.rlim_cur = static_cast<rlim_t>(probe);
        active_ = ::setrlimit(RLIMIT_NOFILE, &tight) == 0;
    }
    ~NoFreeDescriptors() {
        if (active_) ::setrlimit(RLIMIT_NOFILE, &old_);
    }
    NoFreeDescriptors(const NoFreeDescriptors&) = delete;
    NoFreeDescriptors& operator=(const NoFreeDescriptors&) = delete;
    bool active() const { return active_; }

  private:
    rlimit old_{};
    bool active_ = false;
};

}  // namespace z408::test
