// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "formats/xml_tokenizer.h"

#include <array>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace z408 {
namespace {

constexpr size_t npos = std::u16string_view::npos;

// The first unit at or after pos equal to a or b, or npos. Eight units at a time: text and
// attribute values are most of a document.
size_t findEither(std::u16string_view s, size_t pos, char16_t a, char16_t b) {
    const size_t n = s.size();
    const char16_t* d = s.data();
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi16(static_cast<short>(a));
    const __m128i vb = _mm_set1_epi16(static_cast<short>(b));
    while (pos < n && n - pos >= 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + pos));
        const int hit =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)));
        if (hit != 0)
            return pos + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(hit))) / 2;
        pos += 8;
    }
#endif
    for (; pos < n; ++pos)
        if (d[pos] == a || d[pos] == b) return pos;
    return npos;
}

size_t findLessThan(std::u16string_view s, size_t pos) {
    return findEither(s, pos, u'<', u'<');
}

void unterminatedUnit(XmlToken& t, const char* kind, size_t textSize) {
    t.type = NodeType::Error;
    t.errorWhat = kind;
    t.unterminated = true;
    t.length = textSize - t.start;
}

// A malformed unit runs to the next '>' (or the end).
void incorrectUnit(XmlToken& t, const char* what, std::u16string_view s) {
    t.type = NodeType::Error;
    t.errorWhat = what;
    const size_t gt = s.find(u'>', t.start + 1);
    t.length = (gt == npos ? s.size() : gt + 1) - t.start;
}

// A unit ended by `terminator`, searched from `from`.
void delimitedUnit(XmlToken& t, NodeType type, std::u16string_view terminator, size_t from,
                   const char* kind, std::u16string_view s) {
    const size_t at = from <= s.size() ? s.find(terminator, from) : npos;
    if (at == npos) return unterminatedUnit(t, kind, s.size());
    t.type = type;
    t.length = at + terminator.size() - t.start;
}

// Units below 0x80 that end a tag name: white space, '/' and '>'.
constexpr std::array<bool, 0x80> kEndsTagName = [] {
    std::array<bool, 0x80> t{};
    for (const char c : {' ', '\t', '\n', '\r', '/', '>'}) t[static_cast<size_t>(c)] = true;
    return t;
}();

size_t nameEnd(std::u16string_view s, size_t i) {
    const size_t n = s.size();
    const char16_t* d = s.data();
    while (i < n && !(d[i] < 0x80 && kEndsTagName[d[i]])) ++i;
    return i;
}

size_t skipQuoted(std::u16string_view s, size_t quotePos) {
    const size_t close = s.find(s[quotePos], quotePos + 1);
    return close == npos ? npos : close + 1;
}

// "<!DOCTYPE ...>": quoted strings and the bracketed internal subset, with its own declarations
// and comments, belong to the unit.
void doctypeUnit(XmlToken& t, std::u16string_view s) {
    const size_t n = s.size();
    size_t i = t.start + 3;
    while (i < n) {
        const char16_t c = s[i];
        if (c == u'"' || c == u'\'') {
            i = skipQuoted(s, i);
            if (i == npos) break;
        } else if (c == u'[') {
            ++i;
            while (i < n && s[i] != u']') {
                const char16_t d = s[i];
                if (d == u'"' || d == u'\'') {
                    i = skipQuoted(s, i);
                    if (i == npos) break;
                } else if (d == u'<' && s.substr(i, 4) == u"<!--") {
                    const size_t close = s.find(u"-->", i + 4);
                    i = close == npos ? npos : close + 3;
                    if (i == npos) break;
                } else if (d == u'<') {
                    ++i;
                    while (i < n && s[i] != u'>') {
                        if (s[i] == u'"' || s[i] == u'\'') {
                            i = skipQuoted(s, i);
                            if (i == npos) break;
                        } else {
                            ++i;
                        }
                    }
                    if (i == npos || i >= n) break;
                    ++i;
                } else {
                    ++i;
                }
            }
            if (i == npos || i >= n) break;
            ++i;  // the ']'
        } else if (c == u'>') {
            t.type = NodeType::Declaration;
            t.length = i + 1 - t.start;
            return;
        } else {
            ++i;
        }
    }
    return unterminatedUnit(t, "Doctype", n);
}

void startTagUnit(XmlToken& t, std::u16string_view s) {
    const size_t n = s.size();
    t.nameStart = t.start + 1;
    const size_t nameStop = nameEnd(s, t.nameStart);
    t.nameLength = nameStop - t.nameStart;
    size_t closingQuote = npos;
    size_t i = nameStop;
    while (i < n) {
        i = findEither(s, i, u'>', u'=');
        if (i == npos) i = n;
        if (i >= n || s[i] == u'>') break;
        ++i;
        // A quoted value after '=' may contain '>'.
        while (i < n && isXmlSpace(s[i])) ++i;
        if (i < n && (s[i] == u'"' || s[i] == u'\'')) {
            const size_t close = findEither(s, i + 1, s[i], s[i]);
            if (close == npos) return unterminatedUnit(t, "Element tag", n);
            closingQuote = close;
            i = close + 1;
        }
    }
    if (i >= n) return unterminatedUnit(t, "Element tag", n);
    t.type = NodeType::StartTag;
    t.length = i + 1 - t.start;
    if (s[i - 1] == u'/') {
        const size_t slash = i - 1;
        t.emptyElement = slash == nameStop || isXmlSpace(s[slash - 1]) || slash - 1 == closingQuote;
    }
}

}  // namespace

XmlToken readXmlToken(std::u16string_view s, size_t pos) {
    XmlToken t;
    t.start = pos;
    const size_t n = s.size();
    if (pos >= n) {
        t.start = n;
        return t;
    }
    if (s[pos] != u'<') {
        // Text runs to the next '<'; it is white space when nothing else is in it. Indentation
        // between tags is the common case and ends at its '<' without a second scan.
        size_t i = pos;
        while (i < n && isXmlSpace(s[i])) ++i;
        t.type = NodeType::WhiteSpace;
        if (i < n && s[i] != u'<') {
            t.type = NodeType::Text;
            i = findLessThan(s, i);
            if (i == npos) i = n;
        }
        t.length = i - pos;
        return t;
    }
    if (pos + 1 >= n) {
        unterminatedUnit(t, "tag", n);
        return t;
    }
    const char16_t c = s[pos + 1];
    if (c == u'/') {
        t.nameStart = pos + 2;
        t.nameLength = nameEnd(s, t.nameStart) - t.nameStart;
        const size_t gt = s.find(u'>', t.nameStart + t.nameLength);
        if (gt == npos) {
            unterminatedUnit(t, "Element end tag", n);
            return t;
        }
        t.type = NodeType::EndTag;
        t.length = gt + 1 - pos;
        return t;
    }
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u':' || c == u'_' ||
        c >= u'{') {
        startTagUnit(t, s);
        return t;
    }
    if (c == u'?') {
        delimitedUnit(t, NodeType::ProcessingInstruction, u"?>", pos + 2, "Processing instruction",
                      s);
        return t;
    }
    if (c != u'!') {
        incorrectUnit(t, "tag name character", s);
        return t;
    }
    if (pos + 2 >= n) {
        unterminatedUnit(t, "tag", n);
        return t;
    }
    switch (s[pos + 2]) {
        case u'-':
            if (pos + 3 >= n) {
                unterminatedUnit(t, "Comment", n);
                return t;
            }
            if (s[pos + 3] != u'-') {
                incorrectUnit(t, "comment tag", s);
                return t;
            }
            {
                delimitedUnit(t, NodeType::Comment, u"-->", pos + 4, "Comment", s);
                return t;
            }
        case u'[':
            if (pos + 3 >= n) {
                unterminatedUnit(t, "tag", n);
                return t;
            }
            if (s[pos + 3] != u'C') {
                incorrectUnit(t, "tag", s);
                return t;
            }
            {
                delimitedUnit(t, NodeType::CData, u"]]>", pos + 4, "CDATA Section", s);
                return t;
            }
        case u'D': {
            doctypeUnit(t, s);
            return t;
        }
        case u'E':
        case u'A':
        case u'N': {
            delimitedUnit(t, NodeType::Declaration, u">", pos + 3, "tag", s);
            return t;
        }
        default: {
            incorrectUnit(t, "! tag", s);
            return t;
        }
    }
}

std::u16string xmlTokenErrorText(const XmlToken& token) {
    std::string text;
    const std::string offset = std::to_string(token.start);
    if (token.unterminated)
        text = std::string(token.errorWhat) + " at offset " + offset + " unterminated";
    else
        text = "Incorrect " + std::string(token.errorWhat ? token.errorWhat : "tag") +
               " at offset " + offset;
    return std::u16string(text.begin(), text.end());
}

}  // namespace z408
