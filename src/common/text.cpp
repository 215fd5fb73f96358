#include "common/text.h"

#include "common/binary.h"

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

std::u16string utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<uint8_t>(s[i]);
        char32_t c = kReplacement;
        size_t len = 1;
        if (b0 < 0x80) {
            c = b0;
        } else {
            size_t need = 0;
            char32_t min = 0;
            if ((b0 & 0xE0) == 0xC0) {
                need = 1, c = b0 & 0x1Fu, min = 0x80;
            } else if ((b0 & 0xF0) == 0xE0) {
                need = 2, c = b0 & 0x0Fu, min = 0x800;
            } else if ((b0 & 0xF8) == 0xF0) {
                need = 3, c = b0 & 0x07u, min = 0x10000;
            }
            if (need == 0 || i + need >= s.size()) {
                c = kReplacement;
            } else {
                bool ok = true;
                for (size_t k = 1; k <= need; ++k) {
                    const auto bk = static_cast<uint8_t>(s[i + k]);
                    if ((bk & 0xC0) != 0x80) {
                        ok = false;
                        break;
                    }
                    c = (c << 6) | (bk & 0x3Fu);
                }
                if (ok && c >= min && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF)) {
                    len = need + 1;
                } else {
                    c = kReplacement;
                }
            }
        }
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
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

}  // namespace z408
