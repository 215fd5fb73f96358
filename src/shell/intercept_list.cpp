// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/intercept_list.h"

namespace z408 {

void InterceptList::update(uint32_t code, bool remove) {
    if (code == 0) return;  // 0 marks a free entry
    if (remove) {
        for (auto& e : entries_) {
            uint32_t expected = code;
            if (e.compare_exchange_strong(expected, 0)) return;
        }
        return;
    }
    if (contains(code)) return;
    for (auto& e : entries_) {
        uint32_t expected = 0;
        if (e.compare_exchange_strong(expected, code)) return;
    }
}

bool InterceptList::contains(uint32_t code) const {
    if (code == 0) return false;
    for (const auto& e : entries_)
        if (e.load(std::memory_order_relaxed) == code) return true;
    return false;
}

void InterceptList::clear() {
    for (auto& e : entries_) e.store(0);
}

std::array<uint32_t, InterceptList::kCapacity> InterceptList::snapshot() const {
    std::array<uint32_t, kCapacity> out{};
    for (size_t i = 0; i < kCapacity; ++i) out[i] = entries_[i].load();
    return out;
}

}  // namespace z408
