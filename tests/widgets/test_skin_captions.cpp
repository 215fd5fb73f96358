// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The texts of the skin controls: the images carry no words of a language, every language text
// fits its place in every language and both layouts at the size its style asks for, and a page
// draws its texts in the language it is told, following a switch.
#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QImage>
#include <set>

#include "common/program_texts.h"
#include "i18n/languages.h"
#include "pages/skin_page.h"
#include "skin/skin_layout.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/skin_caption.h"
#include "widgets/trophy_caption.h"

namespace z408 {
namespace {

using skin::Control;
using skin::Layout;
using skin::Look;
using skin::PageSkin;

constexpr Layout kLayouts[] = {Layout::English, Layout::Chinese};

bool carriesText(Look look) {
    return look == Look::Label || look == Look::Text || look == Look::Check ||
           look == Look::Radio || look == Look::Logo;
}

TEST(SkinCaptions, TheImagesCarryNoWordsOfALanguage) {
    // Key names and colour channels read the same in every language.
    const std::set<std::string> universal = {"Ctrl", "Alt", "Shift", "Win", "R", "G", "B"};
    for (Layout layout : kLayouts)
        for (const PageSkin& page : skin::pageSkins(layout))
            for (const Control& c : page.controls) {
                if (!carriesText(c.look)) continue;
                EXPECT_TRUE(c.caption.empty() || universal.count(c.caption))
                    << page.id << ": " << c.name << " carries \"" << c.caption << '"';
                EXPECT_FALSE(!c.caption.empty() && c.text != ProgramText::Count)
                    << page.id << ": " << c.name << " has a caption and a language text";
            }
}

TEST(SkinCaptions, EveryLanguageTextFitsItsPlaceInEveryLanguageAndLayout) {
    for (Layout layout : kLayouts)
        for (const PageSkin& page : skin::pageSkins(layout))
            for (const Control& c : page.controls) {
                if (c.text == ProgramText::Count) continue;
                for (int64_t language = 1; language <= kProgramTextLanguages; ++language) {
                    const QString text = captionText(c, language);
                    const std::string where = page.id +
                                              (layout == Layout::Chinese ? " (zh) " : " ") +
                                              c.name + " in language " + std::to_string(language) +
                                              ": \"" + text.toStdString() + '"';
                    ASSERT_FALSE(text.isEmpty()) << where;
                    // The state changes only the colour.
                    const CaptionStyle s = captionStyle(c, text, CaptionState::Normal);
                    const QFontMetricsF m(s.font);
                    EXPECT_DOUBLE_EQ(s.textWidth, m.horizontalAdvance(text)) << where;
                    // A heading's rule after the text keeps at least a short stretch.
                    const double room = s.rule ? s.rect.width() - 8 - 12 : s.rect.width() - 4;
                    EXPECT_LE(s.textWidth, room) << where;
                    // Fitting may take off a pixel, not make the text small.
                    EXPECT_GE(s.font.pixelSize(), s.fullPx - 1) << where;
                    EXPECT_LE(m.ascent() + m.descent(), s.rect.height() + 4) << where;
                }
            }
}

// The statistics page draws the large trophy's rank name and level line over the picture, which
// has the same size and place in both layouts.
TEST(SkinCaptions, EveryTrophyTextFitsItsPlaceInEveryLanguageAndLayout) {
    for (Layout layout : kLayouts) {
        const skin::PageSkin page = skin::pageSkin("stats", layout);
        const Control* trophy = skin::findControl(page, "trophy");
        ASSERT_NE(trophy, nullptr);
        EXPECT_EQ(trophy->rect.width(), skin::kTrophyWidth);
        EXPECT_EQ(trophy->rect.height(), skin::kTrophyHeight);
    }
    for (int64_t language = 1; language <= kProgramTextLanguages; ++language)
        for (int level = 0; level < kTrophyLevels; ++level)
            for (TrophyText which : {TrophyText::Rank, TrophyText::Level}) {
                const QString text = trophyText(which, level, language);
                const std::string where = "level " + std::to_string(level) + " in language " +
                                          std::to_string(language) + ": \"" + text.toStdString() +
                                          '"';
                ASSERT_FALSE(text.isEmpty()) << where;
                EXPECT_FALSE(text.contains(QStringLiteral("%s"))) << where;
                const TrophyTextStyle s = trophyTextStyle(which, level);
                const QFontMetricsF m(s.font);
                // Clear of the stage's dark edges on both sides.
                EXPECT_LE(m.horizontalAdvance(text), s.rect.width() - 2 * 24) << where;
                EXPECT_LE(m.ascent() + m.descent(), s.rect.height() + 4) << where;
            }
    // Every level has its own rank name in every language.
    for (int64_t language = 1; language <= kProgramTextLanguages; ++language) {
        std::set<QString> names;
        for (int level = 0; level < kTrophyLevels; ++level)
            names.insert(trophyText(TrophyText::Rank, level, language));
        EXPECT_EQ(names.size(), size_t{kTrophyLevels}) << "language " << language;
    }
}

TEST(SkinCaptions, TheHeadingLookFollowsCaseNotLanguage) {
    const PageSkin macro = skin::pageSkin("macro", Layout::English);
    const Control* title = skin::findControl(macro, "editorTitle");
    ASSERT_NE(title, nullptr);
    struct Case {
        const char* text;
        bool heading;
    };
    const Case cases[] = {{"EVENT EDITOR", true},       {"ИЗМЕНИТЬ СОБЫТИЕ", true},
                          {"ÉDITER L’ÉVÉNEMENT", true}, {"编辑事件", false},
                          {"이벤트 편집", false},       {"Event editor", false}};
    for (const Case& k : cases)
        EXPECT_EQ(captionStyle(*title, QString::fromUtf8(k.text), CaptionState::Normal).rule,
                  k.heading)
            << k.text;
}

// The part of a widget's picture inside a rectangle of the page.
QImage part(QWidget& w, const skin::Rect& r) {
    return w.grab(QRect(r.left, r.top, r.width(), r.height())).toImage();
}

TEST(SkinCaptions, APageDrawsItsTextsInTheLanguageItIsToldAndFollowsASwitch) {
    for (Layout layout : kLayouts) {
        const bool zh = layout == Layout::Chinese;
        CSkinPage page(QStringLiteral("settings"), QStringLiteral(Z408_PROGRAM_DIR), zh, nullptr);
        const PageSkin skin = skin::pageSkin("settings", layout);
        const Control* label = skin::findControl(skin, "label1");
        const Control* check = skin::findControl(skin, "precision");
        ASSERT_TRUE(label && check);
        auto* precision = makeSkinButton(&page, skin, "precision", page.normalImage(),
                                         page.downImage(), page.overImage());
        int64_t language = kLanguageEnglish;
        page.setCaptionLanguage([&language] { return language; });
        EXPECT_EQ(precision->skinCaption(), QStringLiteral("Precision"));

        // What the page shows is the image with the text drawn over it in the caption's style.
        auto expected = [&](const Control& c, int64_t id) {
            QImage img = page.normalImage().copy();
            QPainter p(&img);
            paintCaption(p, c, captionText(c, id), CaptionState::Normal);
            p.end();
            return img.copy(c.rect.left, c.rect.top, c.rect.width(), c.rect.height());
        };
        const QImage english = part(page, label->rect);
        EXPECT_EQ(english.convertToFormat(QImage::Format_RGB32),
                  expected(*label, kLanguageEnglish).convertToFormat(QImage::Format_RGB32));
        const QImage englishCheck = part(page, check->rect);

        language = 5;  // German
        EXPECT_EQ(precision->skinCaption(), QStringLiteral("Präzision"));
        const QImage german = part(page, label->rect);
        EXPECT_NE(german, english);
        EXPECT_EQ(german.convertToFormat(QImage::Format_RGB32),
                  expected(*label, 5).convertToFormat(QImage::Format_RGB32));
        EXPECT_NE(part(page, check->rect), englishCheck);
    }
}

}  // namespace
}  // namespace z408
