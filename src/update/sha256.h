// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// SHA-256 of a byte string, for checking a downloaded firmware image against the checksum its
// description carries.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace z408 {

std::array<uint8_t, 32> sha256(std::span<const uint8_t> bytes);
// The digest as 64 lower-case hex digits.
std::string sha256Hex(std::span<const uint8_t> bytes);

}  // namespace z408
