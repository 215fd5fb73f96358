// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "formats/xml_document.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/file_io.h"
#include "formats/code_pages.h"
#include "formats/xml_references.h"

namespace z408 {
namespace {

std::u16string ascii(std::string_view s) {
    return std::u16string(s.begin(), s.end());
}

std::u16string number(int64_t v) {
    return ascii(std::to_string(v));
}

bool equalsIgnoringCase(std::u16string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t c = a[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        char d = b[i];
        if (d >= 'A' && d <= 'Z') d = static_cast<char>(d - 'A' + 'a');
        if (c != static_cast<unsigned char>(d)) return false;
    }
    return true;
}

// The value of attribute `name` in the markup between `from` and `to`; false when absent.
bool findAttribute(std::u16string_view s, size_t from, size_t to, std::string_view name,
                   std::u16string_view& value) {
    size_t i = from;
    while (i < to) {
        while (i < to && isXmlSpace(s[i])) ++i;
        const size_t nameStart = i;
        while (i < to && !isXmlSpace(s[i]) && s[i] != u'=') ++i;
        const std::u16string_view attr = s.substr(nameStart, i - nameStart);
        while (i < to && isXmlSpace(s[i])) ++i;
        if (i >= to || s[i] != u'=') {
            if (i == nameStart) ++i;
            continue;
        }
        ++i;
        while (i < to && isXmlSpace(s[i])) ++i;
        size_t valueStart = i;
        size_t valueEnd = i;
        if (i < to && (s[i] == u'"' || s[i] == u'\'')) {
            const char16_t quote = s[i];
            valueStart = ++i;
            while (i < to && s[i] != quote) ++i;
            valueEnd = i;
            if (i < to) ++i;
        } else {
            while (i < to && !isXmlSpace(s[i]) && s[i] != u'>') ++i;
            valueEnd = i;
        }
        if (equalsIgnoringCase(attr, name)) {
            value = s.substr(valueStart, valueEnd - valueStart);
            return true;
        }
    }
    return false;
}

// "text/html; charset=gb2312" -> "gb2312".
bool charsetOf(std::u16string_view content, std::u16string_view& word) {
    constexpr std::string_view kCharset = "charset";
    for (size_t at = 0; at + kCharset.size() <= content.size(); ++at) {
        if (!equalsIgnoringCase(content.substr(at, kCharset.size()), kCharset)) continue;
        size_t i = at + kCharset.size();
        while (i < content.size() && isXmlSpace(content[i])) ++i;
        if (i >= content.size() || content[i] != u'=') continue;
        ++i;
        while (i < content.size() && isXmlSpace(content[i])) ++i;
        const size_t start = i;
        while (i < content.size() && !isXmlSpace(content[i]) && content[i] != u';' &&
               content[i] != u'"' && content[i] != u'\'')
            ++i;
        word = content.substr(start, i - start);
        return true;
    }
    return false;
}

// The encoding named by an XML declaration or an HTML meta tag at the start of the text.
std::u16string declaredEncoding(std::u16string_view s) {
    bool sawTag = false;
    size_t pos = 0;
    for (;;) {
        const XmlToken t = readXmlToken(s, pos);
        switch (t.type) {
            case NodeType::EndOfDocument:
                return {};
            case NodeType::ProcessingInstruction: {
                if (sawTag) return {};
                // "<?xml" followed by the end of the name.
                size_t nameStop = t.start + 2;
                while (nameStop < t.end() - 2 && !isXmlSpace(s[nameStop])) ++nameStop;
                if (!equalsIgnoringCase(s.substr(t.start + 2, nameStop - t.start - 2), "xml"))
                    return {};
                std::u16string_view value;
                if (findAttribute(s, nameStop, t.end() - 2, "encoding", value))
                    return std::u16string(value);
                return {};
            }
            case NodeType::StartTag: {
                const std::u16string_view name = t.name(s);
                if (!sawTag) {
                    sawTag = true;
                    if (!equalsIgnoringCase(name, "html")) return {};
                    break;
                }
                if (!equalsIgnoringCase(name, "meta")) break;
                const size_t to = t.end() - (t.emptyElement ? 2 : 1);
                std::u16string_view equiv;
                std::u16string_view content;
                if (!findAttribute(s, t.nameStart + t.nameLength, to, "http-equiv", equiv) ||
                    !equalsIgnoringCase(equiv, "content-type") ||
                    !findAttribute(s, t.nameStart + t.nameLength, to, "content", content))
                    break;
                std::u16string_view word;
                if (charsetOf(content, word)) return std::u16string(word);
                return {};
            }
            case NodeType::EndTag:
                if (sawTag && equalsIgnoringCase(t.name(s), "head")) return {};
                break;
            default:
                break;
        }
        pos = t.end();
    }
}

}  // namespace

void XmlDocument::clear() {
    text_.clear();
    resultText_.clear();
    readSummary_.clear();
    firstError_.clear();
    errorOffset_ = -1;
    documentFlags_ = 0;
    read_ = false;
    parsed_ = false;
    index_.clear();
    tags_.clear();
    deepTags_.clear();
    ResetPosition();
}

bool XmlDocument::Load(const std::filesystem::path& path) {
    clear();
    std::vector<uint8_t> bytes;
    if (const FileResult r = readWholeFile(path, kMaxDocumentBytes, bytes); !r) {
        resultText_ = ascii(r.describe());
        return false;
    }
    return LoadBytes(bytes);
}

bool XmlDocument::LoadBytes(std::span<const uint8_t> bytes) {
    clear();
    if (bytes.size() > kMaxDocumentBytes) {
        resultText_ = ascii(std::strerror(EFBIG));
        return false;
    }
    read_ = true;
    decode(bytes);
    parse();
    const bool wellFormed = firstError_.empty();
    resultText_ = readSummary_;
    if (!wellFormed) resultText_ += u" " + firstError_;
    return wellFormed;
}

void XmlDocument::decode(std::span<const uint8_t> bytes) {
    std::u16string encoding;
    std::u16string summary;
    size_t markLength = 0;
    bool utf16 = false;
    const auto startsWith = [&](std::initializer_list<uint8_t> mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    if (bytes.empty()) {
        readSummary_ = u"0 length";
        return;
    }
    if (startsWith({0xEF, 0xBB, 0xBF})) {
        encoding = u"UTF-8", markLength = 3, documentFlags_ |= kUtf8Mark;
    } else if (startsWith({0xFF, 0xFE})) {
        encoding = u"UTF-16LE", markLength = 2, utf16 = true, documentFlags_ |= kUtf16LeMark;
    } else if (startsWith({0xFE, 0xFF})) {
        encoding = u"UTF-16BE", markLength = 2, utf16 = true, documentFlags_ |= kUtf16BeMark;
    } else {
        std::u16string head;
        appendUtf8AsUtf16(bytes.first(std::min<size_t>(bytes.size(), 1024)), head);
        encoding = declaredEncoding(head);
        if (encoding.empty() && bytes[0] == '<') encoding = u"UTF-8";
    }
    if (!encoding.empty()) summary = encoding + (markLength ? u" BOM + " : u" ");

    const std::span<const uint8_t> body = bytes.subspan(markLength);
    size_t nulls = 0;
    if (utf16) {
        const bool swap = documentFlags_ & kUtf16BeMark;
        const size_t units = body.size() / 2;
        text_.reserve(body.size() / 2 + body.size() / 200 + 1);
        for (size_t i = 0; i < units; ++i) {
            const uint8_t lo = body[2 * i];
            const uint8_t hi = body[2 * i + 1];
            const auto unit = static_cast<char16_t>(swap ? (lo << 8) | hi : (hi << 8) | lo);
            if (unit == 0) {
                ++nulls;
                continue;
            }
            text_.push_back(unit);
        }
        summary += u"length " + number(static_cast<int64_t>(units)) + u" ";
        if (nulls) summary += u"(" + number(static_cast<int64_t>(nulls)) + u" nulls removed) ";
        if (swap) summary += u"endian swap ";
    } else {
        // Zero bytes are dropped; most files have none and are used as they are.
        std::vector<uint8_t> withoutZeros;
        std::span<const uint8_t> kept = body;
        if (std::memchr(body.data(), 0, body.size()) != nullptr) {
            withoutZeros.reserve(body.size());
            for (const uint8_t b : body)
                if (b != 0) withoutZeros.push_back(b);
            nulls = body.size() - withoutZeros.size();
            kept = withoutZeros;
        }
        bool detected = false;
        if (encoding.empty() && passesUtf8Test(kept)) {
            encoding = u"UTF-8";
            detected = true;
        }
        if (summary.empty()) summary = encoding.empty() ? u"ANSI " : encoding + u" ";
        text_.reserve(kept.size() + kept.size() / 100 + 1);
        appendCodePageAsUtf16(kept, encoding.empty() ? kCodePageAnsi : codePageFromName(encoding),
                              text_);
        summary += u"length " + number(static_cast<int64_t>(body.size())) + u" ";
        if (nulls) summary += u"(" + number(static_cast<int64_t>(nulls)) + u" nulls removed) ";
        if (detected) summary += u"(used UTF-8 detection) ";
        summary += u"to " + number(static_cast<int64_t>(text_.size())) + u" wide chars ";
    }
    while (!summary.empty() && summary.back() == u' ') summary.pop_back();
    readSummary_ = std::move(summary);
}

void XmlDocument::recordError(std::u16string message, int64_t offset) {
    if (!firstError_.empty()) return;
    firstError_ = std::move(message);
    errorOffset_ = offset;
}

void XmlDocument::pushTag(uint32_t element, const XmlToken& tag) {
    if (tags_.size() == tags_.capacity()) tags_.reserve(tags_.capacity() * 2 + 6);
    if (tags_.size() >= kShallowTags) ++deepTags_[tag.name(text_)];
    tags_.push_back(
        {element, static_cast<uint32_t>(tag.nameStart), static_cast<uint32_t>(tag.nameLength)});
}

void XmlDocument::popTags(size_t newSize) {
    for (size_t i = std::max(newSize, kShallowTags); i < tags_.size(); ++i) {
        const auto it = deepTags_.find(
            std::u16string_view(text_).substr(tags_[i].nameStart, tags_[i].nameLength));
        if (it != deepTags_.end() && --it->second == 0) deepTags_.erase(it);
    }
    tags_.resize(newSize);
}

bool XmlDocument::tagOpen(std::u16string_view name) const {
    const std::u16string_view text(text_);
    const size_t shallow = std::min(tags_.size(), kShallowTags);
    for (size_t i = 0; i < shallow; ++i)
        if (text.substr(tags_[i].nameStart, tags_[i].nameLength) == name) return true;
    return deepTags_.count(name) != 0;
}

void XmlDocument::parse() {
    index_.reset(text_.size() / 64 + 8);
    tags_.clear();
    tags_.reserve(6);
    deepTags_.clear();
    parsed_ = true;
    ElementRecord& document = index_[index_.append()];
    document.length = static_cast<int32_t>(text_.size());

    uint32_t parent = 0;
    size_t pos = 0;
    for (;;) {
        const XmlToken t = readXmlToken(text_, pos);
        if (t.type == NodeType::EndOfDocument) break;
        pos = t.end();
        switch (t.type) {
            case NodeType::StartTag: {
                const uint32_t e = index_.append();
                ElementRecord& rec = index_[e];
                rec.start = static_cast<int32_t>(t.start);
                rec.startTagLength = static_cast<int32_t>(t.length);
                rec.length = rec.startTagLength;
                rec.level = static_cast<int32_t>(tags_.size());
                rec.parent = parent;
                ElementRecord& p = index_[parent];
                if (p.firstChild == 0) {
                    p.firstChild = e;
                    rec.previousSibling = e;
                    rec.flags |= ElementRecord::kFirstChild;
                } else {
                    ElementRecord& first = index_[p.firstChild];
                    index_[first.previousSibling].nextSibling = e;
                    rec.previousSibling = first.previousSibling;
                    first.previousSibling = e;
                }
                if (!t.emptyElement) {
                    pushTag(e, t);
                    parent = e;
                }
                break;
            }
            case NodeType::EndTag:
                closeByEndTag(t, parent);
                break;
            case NodeType::Error:
                index_[0].flags |= ElementRecord::kIllFormed;
                index_[parent].flags |= ElementRecord::kChildError;
                recordError(xmlTokenErrorText(t), static_cast<int64_t>(t.start));
                break;
            default:
                break;  // text and the like are found again when text is extracted
        }
    }
    if (!tags_.empty()) {
        const OpenTag& top = tags_.back();
        const ElementRecord& rec = index_[top.element];
        recordError(u"Element '" + text_.substr(top.nameStart, top.nameLength) + u"' at offset " +
                        number(rec.start) + u" not ended",
                    rec.start);
        closeNotEnded(0, parent);
    }
    if (text_.empty())
        recordError(u"Empty document", 0);
    else if (index_.size() == 1)
        recordError(u"No root element", 0);
    else if (index_[index_[0].firstChild].nextSibling != 0)
        recordError(u"Root element has sibling",
                    index_[index_[index_[0].firstChild].nextSibling].start);
    tags_.clear();
    tags_.shrink_to_fit();
    deepTags_.clear();
}

void XmlDocument::closeTop(const XmlToken& tag, uint32_t& parent) {
    ElementRecord& rec = index_[tags_.back().element];
    rec.length = static_cast<int32_t>(tag.end()) - rec.start;
    rec.endTagLength = static_cast<int32_t>(tag.length);
    popTags(tags_.size() - 1);
    parent = rec.parent;
}

void XmlDocument::closeByEndTag(const XmlToken& tag, uint32_t& parent) {
    const std::u16string_view name = tag.name(text_);
    const std::u16string_view text(text_);
    const auto nameAt = [&](size_t i) {
        return text.substr(tags_[i].nameStart, tags_[i].nameLength);
    };
    if (!tags_.empty() && nameAt(tags_.size() - 1) == name) {
        closeTop(tag, parent);
        return;
    }
    if (!tagOpen(name)) {
        index_[0].flags |= ElementRecord::kIllFormed;
        index_[parent].flags |= ElementRecord::kChildError;
        recordError(u"No start tag for end tag '" + std::u16string(name) + u"' at offset " +
                        number(static_cast<int64_t>(tag.start)),
                    static_cast<int64_t>(tag.start));
        return;
    }
    // Every element above the match is closed as not ended; the walk is paid for by the
    // elements it closes.
    size_t match = tags_.size() - 1;
    while (nameAt(match) != name) --match;
    const OpenTag& top = tags_.back();
    const ElementRecord& unended = index_[top.element];
    recordError(u"End tag '" + std::u16string(name) + u"' at offset " +
                    number(static_cast<int64_t>(tag.start + 1)) + u" does not match start tag '" +
                    std::u16string(nameAt(tags_.size() - 1)) + u"' at offset " +
                    number(unended.start),
                static_cast<int64_t>(tag.start));
    closeNotEnded(match + 1, parent);
    closeTop(tag, parent);
}

void XmlDocument::closeNotEnded(size_t from, uint32_t& parent) {
    index_[0].flags |= ElementRecord::kIllFormed;
    // An error inside an element passes to each enclosing one as they close from the inside out.
    bool childError = false;
    for (size_t i = tags_.size(); i-- > from;) {
        ElementRecord& rec = index_[tags_[i].element];
        if (childError) rec.flags |= ElementRecord::kChildError;
        childError = rec.has(ElementRecord::kChildError);
    }
    // Closing from the outside in moves each child once: the children of an unended element
    // become its following siblings, and the next unended element is among them.
    for (size_t i = from; i < tags_.size(); ++i) {
        const uint32_t e = tags_[i].element;
        ElementRecord& rec = index_[e];
        rec.flags |= ElementRecord::kNotEnded;
        rec.length = rec.startTagLength;
        const uint32_t first = rec.firstChild;
        if (first == 0) continue;
        ElementRecord& p = index_[rec.parent];
        const uint32_t last = index_[first].previousSibling;
        for (uint32_t c = first; c != 0; c = index_[c].nextSibling) {
            index_[c].parent = rec.parent;
            index_[c].level = rec.level;
        }
        index_[first].flags &= ~ElementRecord::kFirstChild;
        index_[first].previousSibling = e;
        rec.nextSibling = first;
        rec.firstChild = 0;
        index_[p.firstChild].previousSibling = last;
    }
    const uint32_t outer = tags_[from].element;
    parent = index_[outer].parent;
    if (childError) index_[parent].flags |= ElementRecord::kChildError;
    popTags(from);
}

void XmlDocument::ResetPosition() {
    parent_ = current_ = child_ = 0;
    nodeType_ = 0;
}

namespace {

// Characters that end an element name when searching.
bool endsName(char16_t c) {
    if (c >= 0x40) return c == u'\\';  // the common case: letters
    switch (c) {
        case u' ':
        case u'\t':
        case u'\n':
        case u'\r':
        case u'<':
        case u'>':
        case u'=':
        case u'/':
        case u'?':
        case u'!':
        case u'"':
        case u'\'':
        case u';':
            return true;
        default:
            return false;
    }
}

// A caller's name that can only match an element name exactly: no name-ending character and
// none of the characters after which the rest of the caller's name is ignored.
bool isPlainName(std::u16string_view name) {
    return std::none_of(name.begin(), name.end(),
                        [](char16_t c) { return endsName(c) || c == u'[' || c == u']'; });
}

}  // namespace

std::u16string_view XmlDocument::ElementName(uint32_t element) const {
    if (element == 0 || element >= index_.size()) return {};
    const std::u16string_view s(text_);
    size_t i = static_cast<size_t>(index_[element].start) + 1;
    while (i < s.size() && isXmlSpace(s[i])) ++i;
    const size_t start = i;
    while (i < s.size() && !endsName(s[i])) ++i;
    return s.substr(start, i - start);
}

bool XmlDocument::nameMatches(uint32_t element, std::u16string_view name, bool plain) const {
    if (name.empty()) return true;
    const size_t n = text_.size();
    const char16_t* t = text_.data();
    size_t i = static_cast<size_t>(index_[element].start) + 1;
    while (i < n && isXmlSpace(t[i])) ++i;
    // A name of plain characters matches when the document has exactly it, then a name end.
    if (plain) {
        const size_t len = name.size();
        if (n - i < len) return false;
        // Cheap rejections first: a longer or shorter element name, a different last character.
        if (i + len < n && !endsName(t[i + len])) return false;
        if (t[i + len - 1] != name[len - 1]) return false;
        return std::memcmp(t + i, name.data(), (len - 1) * sizeof(char16_t)) == 0;
    }
    // Otherwise the caller's name may go on after the element's with one of " =/[]".
    size_t k = 0;
    while (k < name.size() && i < n && t[i] == name[k] && !endsName(t[i])) ++i, ++k;
    if (i < n && !endsName(t[i])) return false;  // the element's name goes on
    if (k == name.size()) return true;
    const char16_t next = name[k];
    return next == u' ' || next == u'=' || next == u'/' || next == u'[' || next == u']';
}

bool XmlDocument::FindElement(std::u16string_view name) {
    if (!parsed_) return false;
    const bool plain = isPlainName(name);
    uint32_t e = current_ ? index_[current_].nextSibling : index_[parent_].firstChild;
    for (; e != 0; e = index_[e].nextSibling) {
        if (!nameMatches(e, name, plain)) continue;
        current_ = e;
        parent_ = index_[e].parent;
        child_ = 0;
        nodeType_ = 1;
        return true;
    }
    return false;
}

bool XmlDocument::FindChildElement(std::u16string_view name) {
    if (!parsed_) return false;
    if (current_ == 0 && !FindElement(u"")) return false;
    const bool plain = isPlainName(name);
    uint32_t e = child_ ? index_[child_].nextSibling : index_[current_].firstChild;
    for (; e != 0; e = index_[e].nextSibling) {
        if (!nameMatches(e, name, plain)) continue;
        child_ = e;
        return true;
    }
    return false;
}

bool XmlDocument::EnterElement() {
    if (current_ == 0 || nodeType_ != 1) return false;
    parent_ = current_;
    current_ = child_;
    child_ = 0;
    nodeType_ = current_ ? 1 : 0;
    return true;
}

std::u16string XmlDocument::ChildText() const {
    return child_ ? ElementText(child_) : u"";
}

std::u16string XmlDocument::ElementText(uint32_t element) const {
    std::u16string out;
    if (element == 0 || element >= index_.size()) return out;
    const ElementRecord& rec = index_[element];
    if (rec.firstChild != 0 || rec.endTagLength == 0) return out;
    const auto from = static_cast<size_t>(rec.start) + static_cast<size_t>(rec.startTagLength);
    const auto to = static_cast<size_t>(rec.start) + static_cast<size_t>(rec.length) -
                    static_cast<size_t>(rec.endTagLength);
    if (to <= from || to > text_.size()) return out;
    const std::u16string_view content = std::u16string_view(text_).substr(from, to - from);
    if (content.find(u'<') == std::u16string_view::npos) {
        appendDecodedReferences(content, out);
        return out;
    }
    for (size_t pos = 0;;) {
        const XmlToken t = readXmlToken(content, pos);
        if (t.type == NodeType::EndOfDocument) break;
        pos = t.end();
        if (t.type == NodeType::Text) {
            appendDecodedReferences(content.substr(t.start, t.length), out);
        } else if (t.type == NodeType::CData && t.length >= 12) {
            out.append(content.substr(t.start + 9, t.length - 12));  // inside <![CDATA[ ... ]]>
        }
    }
    return out;
}

std::u16string LookUpText(XmlDocument& document, std::u16string_view section,
                          std::u16string_view key) {
    document.ResetPosition();
    // Each round enters one more level of nested sections; the loop ends at the innermost one.
    while (document.FindChildElement(section)) {
        document.EnterElement();
        if (document.FindChildElement(key)) return document.ChildText();
    }
    return {};
}

}  // namespace z408
