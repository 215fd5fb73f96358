// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Language.cfg, the stored interface language. Checks: the id is the file's bytes over the
// default 1 (a short file keeps the default's high bytes); an id outside the twelve languages
// finds none rather than a table entry past the end; the id written back reads the same.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "i18n/language_choice.h"
#include "i18n/languages.h"

using namespace z408;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto dir = fuzz::scratchFolder() / "language";
    fuzz::writeInput(dir / kLanguageChoiceFile, std::span<const uint8_t>(data, size));

    RecordingNotices notices;
    const int32_t id = ReadLanguageChoice(dir, notices);
    FUZZ_CHECK(notices.shown.empty());
    uint32_t expected = 1;
    for (size_t i = 0; i < size && i < 4; ++i) {
        const unsigned shift = 8u * static_cast<unsigned>(i);
        expected = (expected & ~(0xFFu << shift)) | uint32_t{data[i]} << shift;
    }
    FUZZ_CHECK(static_cast<uint32_t>(id) == expected);
    const LanguageInfo* info = languageById(id);
    FUZZ_CHECK((id >= 1 && id <= 12) == (info != nullptr));
    if (info) FUZZ_CHECK(info->id == id && !info->file.empty());

    FUZZ_CHECK(SaveLanguageChoice(dir, id, notices));
    FUZZ_CHECK(ReadLanguageChoice(dir, notices) == id);
    return 0;
}
