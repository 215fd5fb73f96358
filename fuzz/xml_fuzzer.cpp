// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// libFuzzer target: any bytes loaded as a document, then every element visited through the
// position operations and its text fetched, the way the language loader does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "common/text.h"
#include "formats/xml_document.h"
#include "i18n/language_file.h"

namespace {

// Records must describe a consistent tree inside the text.
void checkIndex(const z408::XmlDocument& doc) {
    const auto& index = doc.Elements();
    const size_t textSize = doc.Text().size();
    for (uint32_t i = 1; i < index.size(); ++i) {
        const z408::ElementRecord& r = index[i];
        const bool sane =
            r.start >= 0 && r.length >= r.startTagLength && r.startTagLength > 0 &&
            static_cast<size_t>(r.start) + static_cast<size_t>(r.length) <= textSize &&
            r.parent < index.size() && r.firstChild < index.size() &&
            r.nextSibling < index.size() && r.previousSibling < index.size() && r.parent < i &&
            (r.firstChild == 0 || r.firstChild > i) && index[r.parent].firstChild != 0;
        if (!sane) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One document for every input, as the program reuses its one document: each load must
    // forget everything of the one before.
    static z408::XmlDocument doc;
    doc.LoadBytes(std::span<const uint8_t>(data, size));
    (void)z408::utf16ToUtf8(doc.ResultText());
    checkIndex(doc);

    // Walk the whole tree with the position operations, one level at a time.
    doc.ResetPosition();
    size_t steps = 0;
    while (doc.FindElement(u"") && steps < 100000) {
        ++steps;
        while (doc.FindChildElement(u"")) (void)doc.ChildText();
    }
    for (uint32_t i = 0; i < doc.Elements().size(); ++i) (void)doc.ElementText(i);
    (void)z408::LookUpText(doc, u"config", u"str_ok");
    return 0;
}
