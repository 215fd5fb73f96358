// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The element records of a parsed document. Records live in pages of 65536 that are never
// reallocated, so a record keeps its address while the index grows; an index number's high 16
// bits select the page and its low 16 bits the record.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace z408 {

struct ElementRecord {
    enum Flags : uint32_t {
        kFirstChild = 1,  // the first child of its parent
        kNotEnded = 2,    // no end tag: the element is its start tag, its children were moved up
        kChildError = 4,  // an error occurred inside this element
        kIllFormed = 8,   // record 0 only: the document is not well formed
    };
    int32_t start;           // offset of the '<'
    int32_t length;          // up to the end of the end tag, or of the start tag without one
    int32_t startTagLength;  // including '<' and '>'
    int32_t endTagLength;    // 0 when there is none
    int32_t level;           // depth, top-level elements 0
    uint32_t flags;
    uint32_t parent;
    uint32_t firstChild;
    uint32_t nextSibling;
    // For a first child: the last sibling, so the last child is one step away.
    uint32_t previousSibling;

    bool has(Flags f) const { return (flags & f) != 0; }
};

class ElementIndex {
  public:
    static constexpr uint32_t kPageBits = 16;
    static constexpr size_t kPageSize = size_t{1} << kPageBits;

    // Forgets every record and makes room for `records`; pages beyond that are released.
    void reset(size_t records);
    // Forgets every record; the pages stay for the next document.
    void clear() { size_ = 0; }
    // A zeroed record at the end; grows the room by half of what is used when full.
    uint32_t append();
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }

    ElementRecord& operator[](uint32_t index) {
        return pages_[index >> kPageBits][index & (kPageSize - 1)];
    }
    const ElementRecord& operator[](uint32_t index) const {
        return pages_[index >> kPageBits][index & (kPageSize - 1)];
    }

  private:
    void ensurePages(size_t records);

    std::vector<std::unique_ptr<ElementRecord[]>> pages_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

}  // namespace z408
