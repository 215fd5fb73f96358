// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Replaces every global operator new and delete of the test binary: all allocations go through
// malloc and free (so sanitizers see matching pairs), and those of a counting thread are counted.
#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {

thread_local bool tCounting = false;
thread_local size_t tCount = 0;

void* allocate(size_t size) {
    if (tCounting) ++tCount;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* allocateAligned(size_t size, std::align_val_t align) {
    if (tCounting) ++tCount;
    const auto a = static_cast<size_t>(align);
    const size_t rounded = (size + a - 1) / a * a;
    if (void* p = std::aligned_alloc(a, rounded ? rounded : a)) return p;
    throw std::bad_alloc();
}

}  // namespace

namespace z408::test {
AllocationCounter::AllocationCounter() {
    tCount = 0;
    tCounting = true;
}
AllocationCounter::~AllocationCounter() {
    tCounting = false;
}
size_t AllocationCounter::count() const {
    return tCount;
}
}  // namespace z408::test

void* operator new(size_t size) {
    return allocate(size);
}
void* operator new[](size_t size) {
    return allocate(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(size_t size, std::align_val_t a) {
    return allocateAligned(size, a);
}
void* operator new[](size_t size, std::align_val_t a) {
    return allocateAligned(size, a);
}
void* operator new(size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    try {
        return allocateAligned(size, a);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    try {
        return allocateAligned(size, a);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
