// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <fstream>

#include "common/file_io.h"
#include "stats/statistics.h"
#include "temp_dir.h"

namespace z408 {
namespace {

TEST(Statistics, TrophyLevelBounds) {
    struct Case {
        uint32_t total;
        int level;
    } cases[] = {{0, 0},        {99999, 0},     {100000, 1},     {499999, 1},   {500000, 2},
                 {1500000, 4},  {2999999, 6},   {3000000, 7},    {7999999, 10}, {8000000, 11},
                 {9999999, 11}, {10000000, 12}, {0xFFFFFFFF, 12}};
    for (const auto& c : cases) EXPECT_EQ(trophyLevelFor(c.total), c.level) << c.total;
    EXPECT_EQ(levelBarWidth(0), 21);
    EXPECT_EQ(levelBarWidth(1), 42);
    EXPECT_EQ(levelBarWidth(12), 273);
}

TEST(Statistics, CountsButtonAndWheelEventsOnly) {
    RecordingNotices notices;
    Statistics s(notices);
    const uint32_t codes[] = {0x201,   0x201,   0x207,   0x204,   0x20A01,
                              0x20A00, 0x20A00, 0x1020B, 0x2020B, 0x202};
    int counted = 0;
    for (uint32_t c : codes) counted += s.count(c);
    EXPECT_EQ(counted, 7);
    const auto& r = s.record();
    EXPECT_EQ(r.leftClicks, 2u);
    EXPECT_EQ(r.middleClicks, 1u);
    EXPECT_EQ(r.rightClicks, 1u);
    EXPECT_EQ(r.wheelForward, 1u);
    EXPECT_EQ(r.wheelBackward, 2u);
    EXPECT_EQ(r.clickTotal(), 4u);
}

TEST(Statistics, PointerTravelAndItsDisplay) {
    RecordingNotices notices;
    Statistics s(notices);
    s.setLastPoint(100, 100);
    s.sample(130, 140);
    EXPECT_EQ(s.record().pointerTravel, 70u);
    s.sample(100, 100);
    EXPECT_EQ(s.record().pointerTravel, 140u);
    EXPECT_EQ(formatTravel(123456), "12.35");
    EXPECT_EQ(formatTravel(0), "0.00");
}

TEST(Statistics, TotalsOfCountersNearTheirLimitDoNotWrap) {
    const StatisticsRecord r{0xFFFFFFFF, 2, 0, 0xFFFFFFFF, 1, 0};
    EXPECT_EQ(r.clickTotal(), 0x100000001u);
    EXPECT_EQ(r.wheelTotal(), 0x100000000u);
    EXPECT_EQ(trophyLevelFor(r.clickTotal()), 12);
}

TEST(Statistics, LevelNeverDecreasesAndUsesTheHigherTotal) {
    test::TempDir dir;
    RecordingNotices notices;
    Statistics s(notices);
    StatisticsRecord r;
    r.leftClicks = 99999;
    r.wheelForward = 100000;
    ASSERT_TRUE(writeFileAtomic(dir / "Sts.cfg", r.encode()));
    s.load(dir / "Sts.cfg");
    EXPECT_EQ(s.updateTrophyLevel(), 1);
    notices.reply = true;
    ASSERT_TRUE(s.reset(dir / "Sts.cfg"));
    EXPECT_EQ(s.trophyLevel(), 0);
}

TEST(Statistics, ShortFileLoadsTheCountersPresent) {
    test::TempDir dir;
    RecordingNotices notices;
    Statistics s(notices);
    const std::vector<uint8_t> twelve = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    ASSERT_TRUE(writeFileAtomic(dir / "Sts.cfg", twelve));
    s.load(dir / "Sts.cfg");
    EXPECT_EQ(s.record(), (StatisticsRecord{1, 2, 3, 0, 0, 0}));
    EXPECT_TRUE(notices.shown.empty());
}

TEST(Statistics, MissingFileIsReportedAndCountingStartsFromZero) {
    test::TempDir dir;
    RecordingNotices notices;
    Statistics s(notices);
    s.load(dir / "Sts.cfg");
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "Failed to open file, check whether there is a " +
                                         (dir / "Sts.cfg").string() + " path?");
    EXPECT_EQ(s.record(), StatisticsRecord{});
}

TEST(Statistics, ResetAsksAndOnlyAConfirmedResetClears) {
    test::TempDir dir;
    RecordingNotices notices;
    Statistics s(notices);
    s.count(0x201);
    notices.reply = false;
    EXPECT_FALSE(s.reset(dir / "Sts.cfg"));
    EXPECT_EQ(s.record().leftClicks, 1u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Sts.cfg"));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "Do you want to reset trophy data ?");
    EXPECT_TRUE(notices.shown[0].withCancel);

    notices.reply = true;
    notices.language = 10;  // the question follows the interface language
    EXPECT_TRUE(s.reset(dir / "Sts.cfg"));
    EXPECT_EQ(notices.shown.back().text, "Сбросить трофеи и статистику?");
    EXPECT_EQ(s.record(), StatisticsRecord{});
    std::ifstream in(dir / "Sts.cfg", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, std::vector<uint8_t>(24, 0));
}

TEST(Statistics, SaveWritesTheRecordAndReportsFailures) {
    test::TempDir dir;
    RecordingNotices notices;
    Statistics s(notices);
    for (int i = 0; i < 258; ++i) s.count(0x204);
    ASSERT_TRUE(s.save(dir / "Sts.cfg"));
    std::ifstream in(dir / "Sts.cfg", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[9], 1);
    EXPECT_FALSE(s.save(dir / "gone" / "Sts.cfg"));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "Failed to open " + (dir / "gone" / "Sts.cfg").string());
}

}  // namespace
}  // namespace z408
