// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/skin_scroll_bar.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QTest>

#include "widgets/list_box_ex.h"
#include "widgets/skin_scroll_wnd.h"

namespace z408 {
namespace {

QImage skin12() {
    QImage img(9 * 12, 3 * 12, QImage::Format_RGB32);
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 3; ++row)
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 12; ++x)
                    img.setPixel(col * 12 + x, row * 12 + y, qRgb(col * 20, row * 60, 100));
    return img;
}

TEST(SkinScrollGeometry, PartsAlongTheBar) {
    struct Case {
        int length, cell, min, max, page, pos;
        SkinScrollGeometry expected;
    };
    const Case cases[] = {
        // 100 items of which 10 fit: the thumb is a tenth of the 176-pixel track.
        {200, 12, 0, 99, 10, 0, {12, 176, 17, 12}},
        {200, 12, 0, 99, 10, 90, {12, 176, 17, 12 + 159}},
        {200, 12, 0, 99, 10, 45, {12, 176, 17, 12 + 79}},
        // Long content: never thinner than 6 pixels.
        {200, 12, 0, 9999, 10, 0, {12, 176, 6, 12}},
        // Everything fits: no thumb, centred start.
        {200, 12, 0, 9, 10, 0, {12, 176, 0, 12 + 88}},
        // Too short for two arrows: each takes half, no track.
        {20, 12, 0, 99, 10, 0, {10, 0, 0, 10}},
        // A track of 5 pixels or less shows no thumb.
        {29, 12, 0, 99, 10, 0, {12, 5, 0, 12}},
    };
    for (const Case& c : cases) {
        const SkinScrollGeometry g =
            skinScrollGeometry(c.length, c.cell, c.min, c.max, c.page, c.pos);
        EXPECT_EQ(g.arrow, c.expected.arrow) << c.length << "/" << c.pos;
        EXPECT_EQ(g.track, c.expected.track) << c.length << "/" << c.pos;
        EXPECT_EQ(g.thumbLength, c.expected.thumbLength) << c.length << "/" << c.pos;
        EXPECT_EQ(g.thumbStart, c.expected.thumbStart) << c.length << "/" << c.pos;
    }
}

struct SkinnedList : ::testing::Test {
    QWidget page;
    CListBoxEx* list = new CListBoxEx(&page);
    CSkinScrollWnd* frame = nullptr;
    CSkinScrollBar* vbar = nullptr;

    void SetUp() override {
        page.resize(300, 300);
        list->setGeometry(0, 0, 200, 200);
        list->SetItemHeight(20);
        frame = SkinWndScroll(list, skin12());
        vbar = frame->verticalBar();
        ASSERT_NE(vbar, nullptr);
        for (int i = 0; i < 100; ++i)
            list->AddItem(0, QString::number(i), static_cast<uint32_t>(i));
        list->setCurrentRow(0);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        list->scrollToTop();
    }
    CSkinScrollBar* bar() { return vbar; }
};

TEST_F(SkinnedList, ReplacesTheListsBarAndMirrorsItsRange) {
    ASSERT_EQ(list->verticalScrollBar(), bar());
    EXPECT_EQ(bar()->cellSize(), 12);
    EXPECT_EQ(bar()->width(), 12);
    EXPECT_TRUE(bar()->isVisible());
    const SkinScrollGeometry g = bar()->currentGeometry();
    // About 10 of 100 rows fit, so the thumb is about a tenth of the track.
    EXPECT_NEAR(static_cast<double>(g.thumbLength) / g.track,
                static_cast<double>(list->viewport()->height() / 20) / 100.0, 0.02);
}

TEST_F(SkinnedList, ArrowsAndTrackScrollTheList) {
    const SkinScrollGeometry g = bar()->currentGeometry();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(6, bar()->height() - 3));
    EXPECT_EQ(bar()->value(), 1);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(6, g.thumbStart + g.thumbLength + 20));
    EXPECT_EQ(bar()->value(), 1 + bar()->pageStep());
    QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(6, 3));
    EXPECT_EQ(bar()->value(), bar()->pageStep());
}

TEST_F(SkinnedList, HeldArrowRepeatsUntilReleased) {
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(6, bar()->height() - 3));
    EXPECT_EQ(bar()->pressedPart(), CSkinScrollBar::Part::SecondArrow);
    QTest::qWait(900);  // the repeat starts after half a second
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(6, bar()->height() - 3));
    const int reached = bar()->value();
    EXPECT_GT(reached, 1);
    QTest::qWait(250);
    EXPECT_EQ(bar()->value(), reached);
}

TEST_F(SkinnedList, DraggedThumbScrollsOnRelease) {
    const SkinScrollGeometry g = bar()->currentGeometry();
    const QPoint grip(6, g.thumbStart + g.thumbLength / 2);
    QTest::mousePress(bar(), Qt::LeftButton, {}, grip);
    EXPECT_TRUE(bar()->thumbDragging());
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(0, 80)),
                     bar()->mapToGlobal(QPointF(grip + QPoint(0, 80))), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(bar(), &move);
    EXPECT_EQ(bar()->value(), 0);  // not yet
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, grip + QPoint(0, 80));
    EXPECT_GT(bar()->value(), 0);
    EXPECT_FALSE(bar()->thumbDragging());
}

TEST_F(SkinnedList, UnskinningGivesPlainBarsBack) {
    UnskinWndScroll(frame);
    EXPECT_EQ(dynamic_cast<CSkinScrollBar*>(list->verticalScrollBar()), nullptr);
    EXPECT_EQ(list->count(), 100);
}

TEST(CSkinScrollBar, DrawsItsCellsFromTheSkin) {
    CSkinScrollBar bar(Qt::Vertical, skin12());
    bar.resize(12, 100);
    bar.setRange(0, 90);
    bar.setPageStep(10);
    const QImage img = bar.grab().toImage();
    EXPECT_EQ(img.pixel(6, 6), skin12().pixel(6, 6));        // first arrow, column 0
    EXPECT_EQ(img.pixel(6, 95), skin12().pixel(12 + 6, 6));  // second arrow, column 1
    EXPECT_EQ(img.pixel(6, 60), skin12().pixel(24 + 6, 6));  // track, column 2
    EXPECT_EQ(img.pixel(6, 15), skin12().pixel(36 + 6, 6));  // thumb at the top, column 3
}

}  // namespace
}  // namespace z408
