// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The statistics page on Qt's offscreen platform, against the skins and language files of the
// build's program directory, with a scripted pointer instead of the X server.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <atomic>
#include <fstream>
#include <memory>
#include <semaphore>
#include <thread>

#include "common/binary.h"
#include "common/file_io.h"
#include "i18n/language_context.h"
#include "i18n/languages.h"
#include "pages/dlg_sts.h"
#include "pages/hint_recorder.h"
#include "temp_dir.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/skin_image.h"
#include "widgets/trophy_caption.h"
#include "widgets/widget_test_support.h"

namespace z408 {
namespace {

using Texts = std::array<QString, CDlgSts::kValueCount>;

// What a scripted pointer hands out, shared with the test, which sees it after the page (and with
// it the source) is gone. A stepped script waits for the test's go-ahead before each position.
struct CursorScript {
    std::vector<CursorPoint> points;
    bool stepped = false;
    std::atomic<size_t> readings{0};
    std::counting_semaphore<> go{0};
};

class ScriptedCursor final : public CursorSource {
  public:
    explicit ScriptedCursor(std::shared_ptr<CursorScript> script) : script_(std::move(script)) {}
    bool position(int& x, int& y) override {
        const size_t i = script_->readings.fetch_add(1);
        if (i >= script_->points.size()) return false;
        if (script_->stepped) script_->go.acquire();
        x = script_->points[i].x;
        y = script_->points[i].y;
        return true;
    }

  private:
    std::shared_ptr<CursorScript> script_;
};

std::vector<uint8_t> fileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QImage trophyImage(int level) {
    return LoadSkinImage(skinPath(QString::fromUtf8(Z408_PROGRAM_DIR),
                                  QStringLiteral("trophy/trophy%1Down.bmp").arg(level)))
        .convertToFormat(QImage::Format_RGB32);
}

// The picture of `level` with its rank name and level line in `languageId`.
QImage trophyWithTexts(int level, int64_t languageId) {
    QImage image = trophyImage(level);
    QPainter p(&image);
    paintTrophyTexts(p, level, languageId);
    return image;
}

QImage shownTrophy(const CDlgSts& page) {
    return page.trophyPicture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class StatsPage : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(language_.LoadLanguageFile("Language/en.xml")); }

    std::unique_ptr<CDlgSts> makePage(std::unique_ptr<CursorSource> cursor = nullptr,
                                      bool chineseLayout = false) {
        auto page = std::make_unique<CDlgSts>(QString::fromUtf8(Z408_PROGRAM_DIR), dir_.path(),
                                              chineseLayout, language_, notices_, std::move(cursor),
                                              nullptr);
        hints_.follow(*page);
        return page;
    }
    std::unique_ptr<CDlgSts> openPage(const StatisticsRecord& file, bool chineseLayout = false) {
        writeFile(file);
        auto page = makePage(nullptr, chineseLayout);
        page->initialise();
        return page;
    }
    void writeFile(const StatisticsRecord& r) {
        ASSERT_TRUE(writeFileAtomic(stsFile(), r.encode()));
    }
    std::filesystem::path stsFile() const { return dir_ / "Sts.cfg"; }

    static void post(CDlgSts& page, uintptr_t code) {
        page.sink().post(Msg::ClickEvent, code, 0);
        QCoreApplication::processEvents();
    }
    // The level, the lit trophies, the bar and the large picture agree with `level`.
    static void expectLevelShown(CDlgSts& page, int level) {
        EXPECT_EQ(page.shownLevel(), level);
        for (int i = 0; i < kTrophyCount; ++i)
            EXPECT_EQ(page.trophyButton(i)->latched(), i <= level) << "trophy " << i;
        EXPECT_TRUE(page.levelBar()->latched());
        EXPECT_EQ(page.levelBar()->geometry(), QRect(631, 62, levelBarWidth(level), 15));
        EXPECT_EQ(shownTrophy(page), trophyWithTexts(level, kLanguageEnglish));
    }

    test::TempDir dir_;
    LanguageContext language_{Z408_PROGRAM_DIR, dir_.path()};
    RecordingNotices notices_;
    test::HintRecorder hints_;
};

TEST_F(StatsPage, PostedClickEventsAreCountedAndShown) {
    auto page = openPage({});
    // Side buttons and releases are not counted, nor a value wider than an event code.
    for (uint64_t code : {0x201ull, 0x201ull, 0x207ull, 0x204ull, 0x20A01ull, 0x20A00ull,
                          0x20A00ull, 0x1020Bull, 0x2020Bull, 0x202ull, 0x100000201ull})
        page->sink().post(Msg::ClickEvent, code, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(page->shownValues(), (Texts{"2", "1", "1", "4", "1", "2", "3", "0.00"}));
}

TEST_F(StatsPage, ShownValuesFromTheFile) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        Texts texts;
    };
    std::vector<uint8_t> large(24, 0);
    // Above 2^31 the counters still read as positive counts, and so do their totals.
    for (size_t off : {0u, 4u, 12u, 20u}) le::put32(large, off, 0xFFFFFFFF);
    le::put32(large, 8, 0x80000000);
    const Case cases[] = {
        {"twelve bytes",
         {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0},
         {"1", "2", "3", "6", "0", "0", "0", "0.00"}},
        {"above 2^31",
         large,
         {"4294967295", "4294967295", "2147483648", "10737418238", "4294967295", "0", "4294967295",
          "429496.73"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeFileAtomic(stsFile(), c.bytes));
        auto page = makePage();
        page->initialise();
        EXPECT_EQ(page->shownValues(), c.texts) << c.name;
    }
}

TEST_F(StatsPage, TrophyLevelLightsTrophiesAndTheBar) {
    struct Case {
        StatisticsRecord file;
        int level;
    } const cases[] = {
        {{}, 0},
        {{99999, 0, 0, 100000, 0, 0}, 1},
        {{10000000, 0, 0, 0, 0, 0}, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        auto page = openPage(c.file);
        expectLevelShown(*page, c.level);
    }
    // A click that crosses a bound brings the next trophy on at once.
    auto page = openPage({99999, 0, 0, 0, 0, 0});
    expectLevelShown(*page, 0);
    post(*page, 0x204);
    expectLevelShown(*page, 1);
}

TEST_F(StatsPage, PointerTravelComesFromTheSamplingThread) {
    writeFile({0, 0, 0, 0, 0, 123456 - 70});
    auto script = std::make_shared<CursorScript>();
    script->points = {{100, 100}, {130, 140}};
    script->stepped = true;
    auto page = makePage(std::make_unique<ScriptedCursor>(script));
    page->setSamplingInterval(std::chrono::milliseconds(1));
    page->initialise();
    // One position at a time: once the next reading has begun, this one has been posted.
    for (size_t i = 1; i <= script->points.size(); ++i) {
        script->go.release();
        while (script->readings.load() <= i) std::this_thread::yield();
        QCoreApplication::processEvents();
    }
    // The first reading is the starting point; 30 right and 40 down add 70.
    EXPECT_EQ(page->statistics().record().pointerTravel, 123456u);
    EXPECT_EQ(page->shownValues()[CDlgSts::PointerTravel], "12.35");
}

TEST_F(StatsPage, ResetClearsOnlyWhenConfirmed) {
    for (bool confirm : {true, false}) {
        SCOPED_TRACE(confirm);
        const StatisticsRecord before{10000000, 5, 6, 7, 8, 90000};
        auto page = openPage(before);
        const Texts shownBefore = page->shownValues();
        const auto bytesBefore = fileBytes(stsFile());
        notices_.reply = confirm;
        notices_.shown.clear();
        page->resetButton()->click();
        ASSERT_EQ(notices_.shown.size(), 1u);
        EXPECT_TRUE(notices_.shown[0].withCancel);
        if (confirm) {
            EXPECT_EQ(fileBytes(stsFile()), std::vector<uint8_t>(24, 0));
            EXPECT_EQ(page->shownValues(), (Texts{"0", "0", "0", "0", "0", "0", "0", "0.00"}));
            expectLevelShown(*page, 0);
        } else {
            EXPECT_EQ(fileBytes(stsFile()), bytesBefore);
            EXPECT_EQ(page->shownValues(), shownBefore);
            expectLevelShown(*page, 12);
        }
    }
}

TEST_F(StatsPage, DestructionStopsSamplingThenSavesWhatWasLoaded) {
    // The pause between readings is the real one: destruction must not wait it out.
    writeFile({7, 0, 0, 0, 0, 0});
    auto script = std::make_shared<CursorScript>();
    script->points.assign(1000, CursorPoint{5, 5});
    auto page = makePage(std::make_unique<ScriptedCursor>(script));
    page->initialise();
    post(*page, 0x201);
    post(*page, 0x207);
    page.reset();  // under the sanitizers a thread still reading the freed source would show
    EXPECT_EQ(StatisticsRecord::decode(fileBytes(stsFile())), (StatisticsRecord{8, 1, 0, 0, 0, 0}));

    // A page that never loaded the file holds zeros, which must not replace the user's counts.
    makePage().reset();
    EXPECT_EQ(StatisticsRecord::decode(fileBytes(stsFile())).leftClicks, 8u);
}

TEST_F(StatsPage, PointerOverTheTrophyOrResetAsksForItsHint) {
    auto page = openPage({});
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    struct Case {
        QPoint at;
        std::vector<int> hints;
    } const cases[] = {
        {{702, 378}, {kHintResetStatistics}},  // one pixel outside the button still counts
        {{767, 394}, {kHintResetStatistics}}, {{701, 394}, {}},
        {{450, 200}, {kHintTrophy}},          {{100, 100}, {}},
    };
    for (const auto& c : cases) {
        hints_.hints.clear();
        QMouseEvent move(QEvent::MouseMove, QPointF(c.at), page->mapToGlobal(QPointF(c.at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(page.get(), &move);
        EXPECT_EQ(hints_.hints, c.hints) << c.at.x() << "," << c.at.y();
    }
    // Over the button itself the move reaches the page through the button.
    hints_.hints.clear();
    test::moveTo(page->resetButton(), QPoint(20, 10));
    QCoreApplication::processEvents();
    ASSERT_FALSE(hints_.hints.empty());
    EXPECT_EQ(hints_.hints.back(), kHintResetStatistics);
}

TEST_F(StatsPage, TooltipsAndResetCaptionFollowTheLanguage) {
    auto page = openPage({});
    EXPECT_EQ(page->resetButton()->text(), QStringLiteral("Reset statistics"));
    EXPECT_EQ(page->resetButton()->toolTip(), page->resetButton()->text());
    EXPECT_EQ(page->trophyPicture()->toolTip(),
              QStringLiteral("Your trophy level rises as you click and scroll."));
    ASSERT_TRUE(language_.LoadLanguageFile("Language/sc.xml"));
    page->refreshTooltips();
    EXPECT_EQ(page->resetButton()->text(), QStringLiteral("重置统计"));
    EXPECT_EQ(page->resetButton()->toolTip(), QStringLiteral("重置统计"));
}

// The pictures hold no words: the page draws the rank name and level line over them in the
// language of the moment, and nothing else of the picture changes. With Z408_GRAB_DIR set the
// trophies are saved there for a look.
TEST_F(StatsPage, TrophyTextsAreDrawnInTheCurrentLanguage) {
    struct Case {
        int32_t languageId;
        const char* rank;
        const char* level;
    } const cases[] = {
        {5, "Meister", "STUFE 8 / 13"},
        {10, "Мастер", "УРОВЕНЬ 8 / 13"},
        {1, "大师", "等级 8 / 13"},
        {2, "Master", "LEVEL 8 / 13"},
    };
    auto page = openPage({3000000, 0, 0, 0, 0, 0});
    ASSERT_EQ(page->shownLevel(), 7);
    const QImage picture = trophyImage(7);
    QRect textArea;
    for (TrophyText which : {TrophyText::Rank, TrophyText::Level})
        textArea |= trophyTextStyle(which, 7).rect.toAlignedRect();
    QImage previous = shownTrophy(*page);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.languageId);
        ASSERT_TRUE(
            language_.ApplyLanguage(LanguageRequest::FromPopup, c.languageId, true, notices_)
                .handled);
        page->refreshTooltips();
        const QImage shown = shownTrophy(*page);
        EXPECT_EQ(trophyText(TrophyText::Rank, 7, c.languageId), QString::fromUtf8(c.rank));
        EXPECT_EQ(trophyText(TrophyText::Level, 7, c.languageId), QString::fromUtf8(c.level));
        EXPECT_EQ(shown, trophyWithTexts(7, c.languageId));
        EXPECT_EQ(page->trophyPicture()->accessibleDescription(),
                  QString::fromUtf8(c.rank) + QStringLiteral(", ") + QString::fromUtf8(c.level));
        // A switch shows at once, and only the text area differs from the bare picture.
        EXPECT_NE(shown, previous);
        int changed = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != picture.pixel(x, y)) {
                    ++changed;
                    EXPECT_TRUE(textArea.contains(x, y)) << x << "," << y;
                }
        EXPECT_GT(changed, 0);
        previous = shown;
        if (const QByteArray dir = qgetenv("Z408_GRAB_DIR"); !dir.isEmpty())
            for (int level = 0; level < kTrophyLevels; ++level)
                trophyWithTexts(level, c.languageId)
                    .save(QString::fromLocal8Bit(dir) +
                          QStringLiteral("/trophy%1-%2.png").arg(level).arg(c.languageId));
    }
}

// The painted numbers: light pixels around each field lie inside its value rectangle and reach
// its right edge. With Z408_GRAB_DIR set the pages are also saved there for a look.
TEST_F(StatsPage, ValuesArePaintedRightAlignedInTheirFields) {
    for (bool chinese : {false, true}) {
        SCOPED_TRACE(chinese);
        auto page = openPage({1203512, 80311, 398120, 520311, 498002, 45213700}, chinese);
        const QImage shot = page->grab().toImage();
        if (const QByteArray dir = qgetenv("Z408_GRAB_DIR"); !dir.isEmpty())
            shot.save(QString::fromLocal8Bit(dir) + (chinese ? QStringLiteral("/stats-page-zh.png")
                                                             : QStringLiteral("/stats-page.png")));
        for (int v = 0; v < CDlgSts::kValueCount; ++v) {
            const QRect rect = CDlgSts::valueRect(v, chinese);
            QRect ink;
            for (int y = rect.top() - 3; y <= rect.bottom() + 3; ++y)
                for (int x = rect.left() - 4; x <= rect.right() + 4; ++x)
                    if (qGray(shot.pixel(x, y)) > 150) ink |= QRect(x, y, 1, 1);
            ASSERT_FALSE(ink.isEmpty()) << "value " << v;
            EXPECT_TRUE(rect.contains(ink)) << "value " << v;
            EXPECT_GE(ink.right(), rect.right() - 3) << "value " << v;
        }
    }
}

}  // namespace
}  // namespace z408
