// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Reading keys of INI files: the installation language beside the skins and the program's own
// settings both keep theirs in this format.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace z408 {

// A key of an INI file, with the usual rules: [section] headers and key names compare without
// regard to case, white space around names and values is ignored (a ';' after a value is part of
// it); nullopt when the file, the section or the key is missing.
std::optional<std::string> ReadIniString(const std::filesystem::path& file,
                                         std::string_view section, std::string_view key);

// The same for an integer: the value's leading integer counts, and a missing file, section or key
// gives `fallback`.
int32_t ReadIniInteger(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, int32_t fallback);

}  // namespace z408
