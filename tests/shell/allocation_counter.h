// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Counts the heap allocations of the current thread while an instance lives, to show that a
// code path never allocates.
#include <cstddef>

namespace z408::test {

class AllocationCounter {
  public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;
    size_t count() const;
};

}  // namespace z408::test
