// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A tolerant XML reader for the program's small data files (language files, the update
// description). The whole file becomes one UTF-16 string with an index of its elements; markup
// errors never stop a load: the first one is recorded and the tree is built as far as it makes
// sense. Read-only: no writing, no attributes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/element_index.h"
#include "formats/xml_tokenizer.h"

namespace z408 {

class XmlDocument {
  public:
    // Larger files are refused unread: the data files are a few kilobytes, and offsets are 32-bit.
    static constexpr size_t kMaxDocumentBytes = size_t{64} << 20;

    enum DocumentFlags : uint32_t {
        kUtf16LeMark = 1,
        kUtf8Mark = 2,
        kUtf16BeMark = 4,
    };

    // Reads and parses the file. True only for a readable, well-formed document with exactly one
    // top-level element. When the file cannot be read the document is left empty.
    bool Load(const std::filesystem::path& path);
    // The same for bytes already in memory, as if they had been read from a file.
    bool LoadBytes(std::span<const uint8_t> bytes);

    // True when the last load got the file's bytes (whatever they held).
    bool WasRead() const { return read_; }
    // The encoding, the read summary and the first error.
    const std::u16string& ResultText() const { return resultText_; }
    // Offset (UTF-16 units) of the first markup error, -1 when there is none.
    int64_t ErrorOffset() const { return errorOffset_; }
    uint32_t DocumentFlags() const { return documentFlags_; }
    const std::u16string& Text() const { return text_; }

    // Position.
    void ResetPosition();
    bool FindElement(std::u16string_view name);
    bool FindChildElement(std::u16string_view name);
    bool EnterElement();
    std::u16string ChildText() const;

    // The index, for tools and tests: record 0 is the document, its children the top level.
    const ElementIndex& Elements() const { return index_; }
    uint32_t ParentPosition() const { return parent_; }
    uint32_t CurrentPosition() const { return current_; }
    uint32_t ChildPosition() const { return child_; }
    // The name of an element as searches see it, and its text content.
    std::u16string_view ElementName(uint32_t element) const;
    std::u16string ElementText(uint32_t element) const;

  private:
    struct OpenTag {
        uint32_t element;
        uint32_t nameStart;
        uint32_t nameLength;
    };

    void clear();
    void decode(std::span<const uint8_t> bytes);
    void parse();
    void closeByEndTag(const XmlToken& tag, uint32_t& parent);
    void closeTop(const XmlToken& tag, uint32_t& parent);
    void closeNotEnded(size_t from, uint32_t& parent);
    void pushTag(uint32_t element, const XmlToken& tag);
    void popTags(size_t newSize);
    bool tagOpen(std::u16string_view name) const;
    void recordError(std::u16string message, int64_t offset);
    // `plain`: the name has no character that ends an element name.
    bool nameMatches(uint32_t element, std::u16string_view name, bool plain) const;

    std::u16string text_;
    std::u16string resultText_;
    std::u16string readSummary_;
    std::u16string firstError_;
    int64_t errorOffset_ = -1;
    uint32_t documentFlags_ = 0;
    bool read_ = false;
    bool parsed_ = false;

    ElementIndex index_;
    std::vector<OpenTag> tags_;  // the tag stack while parsing
    // How many tags of each name sit deeper than the first kShallowTags entries of the stack, so
    // a stray end tag costs no walk down a deep stack.
    static constexpr size_t kShallowTags = 64;
    std::unordered_map<std::u16string_view, uint32_t> deepTags_;

    uint32_t parent_ = 0;
    uint32_t current_ = 0;
    uint32_t child_ = 0;
    int nodeType_ = 0;
};

// The text of the first element named `key` in the first `section` child of the root; when the
// section lacks it, a `section` nested in the section is tried, and so on. Empty when not found.
// Moves the document's position. Language files and the update description are read this way.
std::u16string LookUpText(XmlDocument& document, std::u16string_view section,
                          std::u16string_view key);

}  // namespace z408
