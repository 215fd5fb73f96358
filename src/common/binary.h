// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Little-endian field access on byte images. Records stay byte arrays; these helpers read and
// write one field at a time so nothing depends on struct layout or host byte order.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace z408::le {

inline uint32_t get32(std::span<const uint8_t> b, size_t off) {
    return static_cast<uint32_t>(b[off]) | static_cast<uint32_t>(b[off + 1]) << 8 |
           static_cast<uint32_t>(b[off + 2]) << 16 | static_cast<uint32_t>(b[off + 3]) << 24;
}
inline uint16_t get16(std::span<const uint8_t> b, size_t off) {
    return static_cast<uint16_t>(b[off] | b[off + 1] << 8);
}
inline void put32(std::span<uint8_t> b, size_t off, uint32_t v) {
    b[off] = static_cast<uint8_t>(v);
    b[off + 1] = static_cast<uint8_t>(v >> 8);
    b[off + 2] = static_cast<uint8_t>(v >> 16);
    b[off + 3] = static_cast<uint8_t>(v >> 24);
}
inline void put16(std::span<uint8_t> b, size_t off, uint16_t v) {
    b[off] = static_cast<uint8_t>(v);
    b[off + 1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace z408::le
