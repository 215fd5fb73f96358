// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "formats/element_index.h"

#include <new>

namespace z408 {

void ElementIndex::ensurePages(size_t records) {
    const size_t pages = (records + kPageSize - 1) / kPageSize;
    while (pages_.size() < pages)
        pages_.push_back(std::make_unique_for_overwrite<ElementRecord[]>(kPageSize));
}

void ElementIndex::reset(size_t records) {
    size_ = 0;
    capacity_ = records;
    const size_t pages = (records + kPageSize - 1) / kPageSize;
    if (pages_.size() > pages) pages_.resize(pages);
    ensurePages(records);
}

uint32_t ElementIndex::append() {
    if (size_ == capacity_) {
        capacity_ += size_ / 2 + 1;
        ensurePages(capacity_);
    }
    const auto index = static_cast<uint32_t>(size_++);
    (*this)[index] = ElementRecord{};
    return index;
}

}  // namespace z408
