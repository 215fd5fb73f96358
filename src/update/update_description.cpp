#include "update/update_description.h"

#include <pugixml.hpp>

#include <cstring>
#include <limits>
#include <vector>

#include "common/file_io.h"

namespace z408 {
namespace {

// Descriptions are a few hundred bytes; anything far larger is not one.
constexpr size_t kMaxDescriptionBytes = 256 * 1024;

// The text directly inside an element (its character data and CDATA, in order); empty when the
// element has child elements.
std::string childText(const pugi::xml_node& element) {
    std::string text;
    for (const pugi::xml_node& n : element.children()) {
        if (n.type() == pugi::node_element) return {};
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
    }
    return text;
}

// The first child named `section` of the root, then its first child named `key`; when the
// section has no such key, a section nested in it is searched the same way.
std::string lookUpText(const pugi::xml_document& doc, const char* section, const char* key) {
    pugi::xml_node current = doc.document_element();
    for (int depth = 0; depth < 64 && current; ++depth) {
        const pugi::xml_node sectionNode = current.child(section);
        if (!sectionNode) return {};
        if (const pugi::xml_node keyNode = sectionNode.child(key)) return childText(keyNode);
        current = sectionNode;
    }
    return {};
}

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

UpdateDescription parseUpdateDescription(std::string_view xml) {
    pugi::xml_document doc;
    doc.load_buffer(xml.data(), xml.size());  // a broken document keeps what was read
    UpdateDescription d;
    d.current = integerValueOfText(lookUpText(doc, "firmware", "current"));
    d.newFile = lookUpText(doc, "firmware", "newfile");
    return d;
}

UpdateDescription readUpdateDescription(const std::filesystem::path& file) {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(file, kMaxDescriptionBytes, bytes)) return {};
    return parseUpdateDescription(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace z408
