#include "i18n/xml_tokenizer.h"

#include <string>

namespace z408 {
namespace {

constexpr size_t npos = std::u16string_view::npos;

XmlToken unterminatedUnit(XmlToken t, const char* kind, size_t textSize) {
    t.type = NodeType::Error;
    t.errorWhat = kind;
    t.unterminated = true;
    t.length = textSize - t.start;
    return t;
}

// A malformed unit runs to the next '>' (or the end).
XmlToken incorrectUnit(XmlToken t, const char* what, std::u16string_view s) {
    t.type = NodeType::Error;
    t.errorWhat = what;
    const size_t gt = s.find(u'>', t.start + 1);
    t.length = (gt == npos ? s.size() : gt + 1) - t.start;
    return t;
}

// A unit ended by `terminator`, searched from `from`.
XmlToken delimitedUnit(XmlToken t, NodeType type, std::u16string_view terminator, size_t from,
                       const char* kind, std::u16string_view s) {
    const size_t at = from <= s.size() ? s.find(terminator, from) : npos;
    if (at == npos) return unterminatedUnit(t, kind, s.size());
    t.type = type;
    t.length = at + terminator.size() - t.start;
    return t;
}

size_t nameEnd(std::u16string_view s, size_t i) {
    while (i < s.size() && !isXmlSpace(s[i]) && s[i] != u'/' && s[i] != u'>') ++i;
    return i;
}

size_t skipQuoted(std::u16string_view s, size_t quotePos) {
    const size_t close = s.find(s[quotePos], quotePos + 1);
    return close == npos ? npos : close + 1;
}

// "<!DOCTYPE ...>": quoted strings and the bracketed internal subset, with its own declarations
// and comments, belong to the unit.
XmlToken doctypeUnit(XmlToken t, std::u16string_view s) {
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
            return t;
        } else {
            ++i;
        }
    }
    return unterminatedUnit(t, "Doctype", n);
}

XmlToken startTagUnit(XmlToken t, std::u16string_view s) {
    const size_t n = s.size();
    t.nameStart = t.start + 1;
    const size_t nameStop = nameEnd(s, t.nameStart);
    t.nameLength = nameStop - t.nameStart;
    size_t closingQuote = npos;
    size_t i = nameStop;
    while (i < n) {
        const char16_t c = s[i];
        if (c == u'>') break;
        ++i;
        if (c != u'=') continue;
        // A quoted value after '=' may contain '>'.
        while (i < n && isXmlSpace(s[i])) ++i;
        if (i < n && (s[i] == u'"' || s[i] == u'\'')) {
            const size_t close = s.find(s[i], i + 1);
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
    return t;
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
        // Text runs to the next '<'; it is white space when nothing else is in it.
        const size_t lt = s.find(u'<', pos);
        const size_t end = lt == npos ? n : lt;
        t.type = NodeType::WhiteSpace;
        for (size_t i = pos; i < end; ++i) {
            if (!isXmlSpace(s[i])) {
                t.type = NodeType::Text;
                break;
            }
        }
        t.length = end - pos;
        return t;
    }
    if (pos + 1 >= n) return unterminatedUnit(t, "tag", n);
    const char16_t c = s[pos + 1];
    if (c == u'/') {
        t.nameStart = pos + 2;
        t.nameLength = nameEnd(s, t.nameStart) - t.nameStart;
        const size_t gt = s.find(u'>', t.nameStart + t.nameLength);
        if (gt == npos) return unterminatedUnit(t, "Element end tag", n);
        t.type = NodeType::EndTag;
        t.length = gt + 1 - pos;
        return t;
    }
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u':' || c == u'_' ||
        c >= u'{')
        return startTagUnit(t, s);
    if (c == u'?')
        return delimitedUnit(t, NodeType::ProcessingInstruction, u"?>", pos + 2,
                             "Processing instruction", s);
    if (c != u'!') return incorrectUnit(t, "tag name character", s);
    if (pos + 2 >= n) return unterminatedUnit(t, "tag", n);
    switch (s[pos + 2]) {
        case u'-':
            if (pos + 3 >= n) return unterminatedUnit(t, "Comment", n);
            if (s[pos + 3] != u'-') return incorrectUnit(t, "comment tag", s);
            return delimitedUnit(t, NodeType::Comment, u"-->", pos + 4, "Comment", s);
        case u'[':
            if (pos + 3 >= n) return unterminatedUnit(t, "tag", n);
            if (s[pos + 3] != u'C') return incorrectUnit(t, "tag", s);
            return delimitedUnit(t, NodeType::CData, u"]]>", pos + 4, "CDATA Section", s);
        case u'D':
            return doctypeUnit(t, s);
        case u'E':
        case u'A':
        case u'N':
            return delimitedUnit(t, NodeType::Declaration, u">", pos + 3, "tag", s);
        default:
            return incorrectUnit(t, "! tag", s);
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
