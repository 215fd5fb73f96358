// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "formats/ini_file.h"

#include <cstdint>
#include <vector>

#include "common/file_io.h"

namespace z408 {
namespace {

std::string_view trim(std::string_view s) {
    // Every white space character: a host or address with a form feed around it names nothing.
    const auto space = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    while (!s.empty() && space(s.front())) s.remove_prefix(1);
    while (!s.empty() && space(s.back())) s.remove_suffix(1);
    return s;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Optional sign and decimal digits; anything after them is ignored, no digits give 0.
int32_t leadingInteger(std::string_view s) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int64_t v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > INT32_MAX) v = INT64_C(1) << 31;  // saturate; only the sign's range matters
    }
    v = negative ? -v : v;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    return static_cast<int32_t>(v);
}

}  // namespace

std::optional<std::string> ReadIniString(const std::filesystem::path& file,
                                         std::string_view section, std::string_view key) {
    std::vector<uint8_t> bytes;
    // Settings files are tiny; the cap only keeps a wrong path from reading something huge.
    if (!readFilePrefix(file, 1u << 20, bytes)) return std::nullopt;
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    bool inSection = false;
    for (size_t p = 0; p < text.size();) {
        size_t eol = text.find('\n', p);
        if (eol == std::string_view::npos) eol = text.size();
        const std::string_view line = trim(text.substr(p, eol - p));
        p = eol + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        equalsIgnoringCase(trim(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        if (equalsIgnoringCase(trim(line.substr(0, eq)), key))
            return std::string(trim(line.substr(eq + 1)));
    }
    return std::nullopt;
}

int32_t ReadIniInteger(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, int32_t fallback) {
    const std::optional<std::string> value = ReadIniString(file, section, key);
    return value ? leadingInteger(*value) : fallback;
}

}  // namespace z408
