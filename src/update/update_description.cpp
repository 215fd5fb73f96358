// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "update/update_description.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "common/file_io.h"
#include "common/text.h"
#include "formats/xml_document.h"

namespace z408 {
namespace {

// Descriptions are a few hundred bytes; anything far larger is not one.
constexpr size_t kMaxDescriptionBytes = 256 * 1024;

}  // namespace

uint32_t integerValueOfText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    value = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<uint32_t>(static_cast<int32_t>(value));
}

std::string firmwareVersionDisplay(std::string_view text) {
    // The number comes from the mouse as a 32-bit value: at most ten digits.
    constexpr size_t kMaxDigits = 10;
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.empty() || text.size() > kMaxDigits || !digitsOnly) return "Unknown";
    std::string digits(text);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    std::string major = digits.substr(0, digits.size() - 2);
    major.erase(0, std::min(major.find_first_not_of('0'), major.size() - 1));
    return "V " + major + '.' + digits[digits.size() - 2] + '.' + digits.back();
}

UpdateDescription parseUpdateDescription(std::string_view xml) {
    // A document of its own: the worker must not share the language texts' document.
    XmlDocument doc;
    doc.LoadBytes(std::span(reinterpret_cast<const uint8_t*>(xml.data()), xml.size()));
    UpdateDescription d;
    // The mouse's numbers are never negative: a negative "current" would compare as a number
    // near 2^32 and force the offer on every check. It counts as absent.
    const std::string current = utf16ToUtf8(LookUpText(doc, u"firmware", u"current"));
    const uint32_t value = integerValueOfText(current);
    d.current = static_cast<int32_t>(value) < 0 ? 0 : value;
    d.newFile = utf16ToUtf8(LookUpText(doc, u"firmware", u"newfile"));
    std::string sum = utf16ToUtf8(LookUpText(doc, u"firmware", u"sha256"));
    const auto first = sum.find_first_not_of(" \t\r\n");
    const auto last = sum.find_last_not_of(" \t\r\n");
    sum = first == std::string::npos ? std::string() : sum.substr(first, last - first + 1);
    for (char& c : sum)
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    d.imageSha256 = std::move(sum);
    return d;
}

UpdateDescription readUpdateDescription(const std::filesystem::path& file) {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(file, kMaxDescriptionBytes, bytes)) return {};
    return parseUpdateDescription(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace z408
