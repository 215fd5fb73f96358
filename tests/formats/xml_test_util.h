// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Helpers for loading XML from literal bytes in the reader's tests.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "formats/xml_document.h"

namespace z408::test {

inline std::span<const uint8_t> bytesOf(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

inline std::vector<uint8_t> utf16Bytes(std::u16string_view s, bool bigEndian, bool mark = true) {
    std::vector<uint8_t> out;
    if (mark) {
        out.push_back(bigEndian ? 0xFE : 0xFF);
        out.push_back(bigEndian ? 0xFF : 0xFE);
    }
    for (const char16_t c : s) {
        const auto lo = static_cast<uint8_t>(c & 0xFF);
        const auto hi = static_cast<uint8_t>(c >> 8);
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    }
    return out;
}

inline std::string utf8(std::u16string_view s) {
    return utf16ToUtf8(s);
}

// The text of the first top-level element, as the language loader would fetch a child's text.
inline std::string rootText(XmlDocument& doc) {
    doc.ResetPosition();
    if (!doc.FindElement(u"")) return "<no root>";
    return utf8(doc.ElementText(doc.CurrentPosition()));
}

}  // namespace z408::test
