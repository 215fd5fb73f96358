// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The stored language choice ("Language.cfg" in the data directory: the LanguageId as a 4-byte
// little-endian integer) and the installation language ("skins/languagetype.ini").
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "common/user_notices.h"

namespace z408 {

inline constexpr const char* kLanguageChoiceFile = "Language.cfg";
inline constexpr const char* kLanguageTypeIni = "skins/languagetype.ini";

// The stored LanguageId. The bytes present (up to 4) replace the low bytes of the default 1, so
// an empty or unreadable file gives 1. A missing file or folder is reported to the user.
int32_t ReadLanguageChoice(const std::filesystem::path& dataDirectory, UserNotices& notices);

// Writes the id (as given, even outside 1..12) atomically; failures are reported to the user.
bool SaveLanguageChoice(const std::filesystem::path& dataDirectory, int32_t id,
                        UserNotices& notices);

// The installation language: 1 for Simplified Chinese, 0 (also when missing) otherwise.
int32_t ReadLanguageType(const std::filesystem::path& programDirectory);

}  // namespace z408
