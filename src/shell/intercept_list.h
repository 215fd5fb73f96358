// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The button events the computer takes over: filled by the settings upload (on its thread), read
// by the input hook for every event (on the user-interface thread). Each entry is one atomic
// 32-bit value, so the two never see a torn code.
#include <array>
#include <atomic>
#include <cstdint>

namespace z408 {

class InterceptList {
  public:
    static constexpr size_t kCapacity = 12;

    // remove: clears the entry holding the code. Add: stores the code in the first free entry
    // unless it is there already; a full list stays unchanged.
    void update(uint32_t code, bool remove);
    bool contains(uint32_t code) const;
    void clear();
    std::array<uint32_t, kCapacity> snapshot() const;

  private:
    std::array<std::atomic<uint32_t>, kCapacity> entries_{};
};

}  // namespace z408
