// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Reads one markup unit of an XML text: a tag, text, white space, a comment and so on. The
// reader never fails: malformed markup is a unit of type Error that says what is wrong.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace z408 {

enum class NodeType : int {
    EndOfDocument = -2,
    Error = -1,
    EndTag = 0,
    StartTag = 1,
    Text = 2,
    WhiteSpace = 4,
    CData = 8,
    ProcessingInstruction = 16,
    Comment = 32,
    Declaration = 64,  // document type and other <!...> declarations
};

struct XmlToken {
    NodeType type = NodeType::EndOfDocument;
    size_t start = 0;   // offset of the first unit ('<' for markup)
    size_t length = 0;  // units up to and including the closing '>'
    size_t nameStart = 0;
    size_t nameLength = 0;      // start and end tags only
    bool emptyElement = false;  // "<x/>"
    // Errors only: what was wrong, and whether the document ended inside the unit.
    const char* errorWhat = nullptr;
    bool unterminated = false;

    size_t end() const { return start + length; }
    std::u16string_view name(std::u16string_view text) const {
        return text.substr(nameStart, nameLength);
    }
};

inline bool isXmlSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The unit that begins at pos (type EndOfDocument at the end of the text).
XmlToken readXmlToken(std::u16string_view text, size_t pos);

// "Incorrect tag name character at offset 12" or "Comment at offset 40 unterminated".
std::u16string xmlTokenErrorText(const XmlToken& token);

}  // namespace z408
