// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/binary.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace z408 {
namespace {
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}
}  // namespace

namespace {

// Widens the ASCII bytes at the start of in[0, n) into o; returns how many there were. Sixteen
// bytes at a time: text of the data files is mostly ASCII. Writes up to 15 units past the count,
// so the caller keeps room for n units at o.
size_t widenAscii(const uint8_t* in, size_t n, char16_t* o) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    while (n - i >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i + 8), _mm_unpackhi_epi8(v, zero));
        const int high = _mm_movemask_epi8(v);
        if (high != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(high)));
        i += 16;
    }
#endif
    for (; i < n && in[i] < 0x80; ++i) o[i] = in[i];
    return i;
}

}  // namespace

void appendUtf8AsUtf16(std::span<const uint8_t> bytes, std::u16string& out) {
    // UTF-8 never needs more units than bytes: size the output once and trim at the end.
    const size_t n = bytes.size();
    const size_t base = out.size();
    out.resize(base + n);
    char16_t* o = out.data() + base;
    const uint8_t* in = bytes.data();
    size_t i = 0;
    while (i < n) {
        // o never runs ahead of i, so the n - i units from o are inside the buffer.
        const size_t ascii = widenAscii(in + i, n - i, o);
        i += ascii;
        o += ascii;
        // Then the run of multi-byte characters up to the next ASCII byte (a word of Cyrillic,
        // CJK and the like), without going back to the ASCII scan between characters.
        while (i < n && in[i] >= 0x80) {
            const uint8_t b0 = in[i];
            if ((b0 & 0xE0) == 0xC0 && n - i >= 2 && (in[i + 1] & 0xC0) == 0x80 && b0 >= 0xC2) {
                *o++ = static_cast<char16_t>(((b0 & 0x1Fu) << 6) | (in[i + 1] & 0x3Fu));
                i += 2;
                continue;
            }
            if ((b0 & 0xF0) == 0xE0 && n - i >= 3 && (in[i + 1] & 0xC0) == 0x80 &&
                (in[i + 2] & 0xC0) == 0x80) {
                const uint32_t c =
                    ((b0 & 0x0Fu) << 12) | ((in[i + 1] & 0x3Fu) << 6) | (in[i + 2] & 0x3Fu);
                if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF)) {
                    *o++ = static_cast<char16_t>(c);
                    i += 3;
                    continue;
                }
            }
            size_t need = 0;
            uint32_t c = 0;
            uint32_t min = 0;
            if ((b0 & 0xE0) == 0xC0) {
                need = 1, c = b0 & 0x1Fu, min = 0x80;
            } else if ((b0 & 0xF0) == 0xE0) {
                need = 2, c = b0 & 0x0Fu, min = 0x800;
            } else if ((b0 & 0xF8) == 0xF0) {
                need = 3, c = b0 & 0x07u, min = 0x10000;
            }
            bool ok = need > 0 && need < n - i;
            for (size_t k = 1; ok && k <= need; ++k) {
                const uint8_t bk = in[i + k];
                if ((bk & 0xC0) != 0x80) ok = false;
                c = (c << 6) | (bk & 0x3Fu);
            }
            if (!ok || c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
                *o++ = u'\uFFFD';
                ++i;
                continue;
            }
            i += need + 1;
            if (c >= 0x10000) {
                c -= 0x10000;
                *o++ = static_cast<char16_t>(0xD800 | (c >> 10));
                *o++ = static_cast<char16_t>(0xDC00 | (c & 0x3FF));
            } else {
                *o++ = static_cast<char16_t>(c);
            }
        }
    }
    out.resize(static_cast<size_t>(o - out.data()));
}

std::u16string utf8ToUtf16(std::string_view s) {
    std::u16string out;
    appendUtf8AsUtf16({reinterpret_cast<const uint8_t*>(s.data()), s.size()}, out);
    return out;
}

std::string utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00u);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string codepointToUtf8(char32_t c) {
    std::string out;
    appendUtf8(out, c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? kReplacement : c);
    return out;
}

std::u16string readUtf16Field(std::span<const uint8_t> image, size_t off, size_t units) {
    std::u16string out;
    for (size_t i = 0; i + 1 < units; ++i) {
        const char16_t u = le::get16(image, off + 2 * i);
        if (u == 0) break;
        out.push_back(u);
    }
    return out;
}

bool writeUtf16Field(std::span<uint8_t> image, size_t off, size_t units, std::u16string_view text) {
    const size_t n = std::min(text.size(), units - 1);
    for (size_t i = 0; i < units; ++i) le::put16(image, off + 2 * i, i < n ? text[i] : 0);
    return n == text.size();
}

std::string formatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                if (next != args.end()) out += *next++;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
        }
        out.push_back(format[i]);
    }
    return out;
}

bool containsNoCase(std::string_view text, std::string_view needle) {
    const auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    const auto it = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                [&](char a, char b) { return upper(a) == upper(b); });
    return it != text.end() || needle.empty();
}

std::string terminalSafe(std::u16string_view text) {
    std::string out;
    size_t runStart = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char16_t c = i < text.size() ? text[i] : u' ';
        const bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
        const bool bidi = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        if (i < text.size() && !control && !bidi) continue;
        out += utf16ToUtf8(text.substr(runStart, i - runStart));
        runStart = i + 1;
        if (i == text.size()) break;
        char buf[8];
        std::snprintf(buf, sizeof buf, c < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(c));
        out += buf;
    }
    return out;
}

std::string terminalSafe(std::string_view utf8) {
    return terminalSafe(utf8ToUtf16(utf8));
}

}  // namespace z408
