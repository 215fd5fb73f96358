// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "common/program_texts.h"
#include "common/user_notices.h"

namespace z408 {
namespace {

// The %s placeholders, in order: a translation that drops or adds one would print garbage.
std::string placeholders(std::string_view text) {
    std::string out;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%') out += text[++i];
    return out;
}

TEST(ProgramTexts, EveryLanguageHasEachTextWithTheSamePlaceholders) {
    for (int t = 0; t < static_cast<int>(ProgramText::Count); ++t) {
        const auto text = static_cast<ProgramText>(t);
        const std::string english = placeholders(programText(text, 2));
        for (int id = 1; id <= kProgramTextLanguages; ++id) {
            const std::string_view s = programText(text, id);
            EXPECT_FALSE(s.empty()) << "text " << t << " language " << id;
            EXPECT_EQ(placeholders(s), english) << "text " << t << " language " << id;
        }
    }
}

TEST(ProgramTexts, FollowTheNoticesLanguageAndFallBackToEnglish) {
    RecordingNotices notices;
    EXPECT_EQ(notices.programText(ProgramText::CouldNotSave), "Could not save %s: %s");
    notices.chineseText = true;
    EXPECT_EQ(notices.programText(ProgramText::CouldNotSave), "无法保存 %s：%s");
    notices.language = 5;
    EXPECT_EQ(notices.programText(ProgramText::CouldNotRead), "%s konnte nicht gelesen werden: %s");
    EXPECT_EQ(programText(ProgramText::CouldNotRead, 0), "Could not read %s: %s");
    EXPECT_EQ(programText(ProgramText::CouldNotRead, 13), "Could not read %s: %s");
}

}  // namespace
}  // namespace z408
