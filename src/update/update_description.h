// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The update description the maker's server publishes: the newest firmware version and the
// address of its image, under a "firmware" element of any root.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace z408 {

struct UpdateDescription {
    uint32_t current = 0;  // the newest firmware version (tens × 10 + units); 0 when absent
    std::string newFile;   // the full address of the firmware image; empty when absent
    // The image's SHA-256 from the optional "sha256" element, lower-case hex; empty when absent
    // (older descriptions). Anything but 64 hex digits is kept as given and matches no image.
    std::string imageSha256;
};

// Loads the description; a missing, unreadable or broken file gives version 0 and no address.
UpdateDescription readUpdateDescription(const std::filesystem::path& file);

// The same from text already in memory.
UpdateDescription parseUpdateDescription(std::string_view xml);

// The integer value of a text: leading white space skipped, an optional sign, decimal digits as
// far as they go (no digits gives 0), taken as an unsigned 32-bit number the way the versions
// are compared. Values beyond the 32-bit signed range are clamped to it.
uint32_t integerValueOfText(std::string_view text);

// A firmware number (decimal text) as the user sees it: "Unknown" when the mouse did not answer
// or the text is not a number; the last two digits are the minor parts and whatever precedes
// them the major one ("12" -> "V 0.1.2", "2805" -> "V 28.0.5").
std::string firmwareVersionDisplay(std::string_view text);

}  // namespace z408
