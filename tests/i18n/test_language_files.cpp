// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The language files that ship with the program, checked as the program reads them.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/text.h"
#include "i18n/language_file.h"
#include "i18n/languages.h"

namespace z408 {
namespace {

const std::filesystem::path kLanguageDir = std::filesystem::path(Z408_SOURCE_DIR) / "data/Language";

std::vector<std::filesystem::path> shippedFiles() {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(kLanguageDir, ec))
        if (entry.path().extension() == ".xml") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

size_t count(std::string_view text, std::string_view what) {
    size_t n = 0;
    for (size_t p = text.find(what); p != std::string_view::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

TEST(ShippedLanguageFiles, EveryFileIsCleanAndComplete) {
    const auto files = shippedFiles();
    if (files.empty()) GTEST_SKIP() << "no language files in " << kLanguageDir;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        XmlDocument doc;
        LanguageStrings strings;
        EXPECT_TRUE(LoadLanguage(doc, strings, file)) << utf16ToUtf8(doc.ResultText());
        for (size_t i = 0; i < kLanguageKeyCount; ++i)
            EXPECT_FALSE(strings.text(i).empty()) << "no text for " << languageKeyName(i);
        // The path of the file goes into the one %s.
        EXPECT_EQ(count(strings.utf8(u"str_msg2"), "%s"), 1u);
        EXPECT_EQ(count(strings.utf8(u"str_msg2"), "%"), 1u);
    }
}

TEST(ShippedLanguageFiles, EveryLanguageHasItsFile) {
    if (shippedFiles().empty()) GTEST_SKIP() << "no language files in " << kLanguageDir;
    for (const auto& lang : kLanguages)
        EXPECT_TRUE(std::filesystem::exists(kLanguageDir.parent_path() / std::string(lang.file)))
            << lang.file;
}

}  // namespace
}  // namespace z408
