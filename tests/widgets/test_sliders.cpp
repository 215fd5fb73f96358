// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"
#include "widgets/png_h_progress_bar.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"

namespace z408 {
namespace {

// A 10 × 16 thumb on a transparent field with a 1-pixel transparent margin.
QImage thumbImage() {
    QImage img(10, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 9; ++x) img.setPixel(x, y, qRgba(200, 160, 20, 255));
    return img;
}

TEST(CPngHSliderBar, ClickValueTableWithTopEndSnapping) {
    struct Case {
        int d, width, min, max, expected;
    };
    const Case cases[] = {
        {195, 200, 1, 10, 10},  // e = 9.775 snaps to the end
        {190, 200, 1, 10, 9},    {0, 200, 1, 10, 1},  {200, 200, 1, 5, 5},
        {0, 200, 1, 5, 1},       {191, 200, 1, 5, 5},  // e = 4.82 snaps to the end
        {180, 200, 1, 5, 4},                           // e = 4.6
        {150, 200, 1, 3, 2},                           // e = 2.5
        {190, 200, 1, 3, 3},                           // e = 2.9
        {-20, 200, 1, 20, 1},                          // left of the track clamps to the minimum
        {260, 200, 0, 255, 255}, {100, 0, 1, 10, 1},   // no track: the minimum, no division by zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(CPngHSliderBar::valueAt(c.d, c.width, c.min, c.max), c.expected)
            << c.d << " of " << c.width;
}

struct Bar : ::testing::Test {
    QWidget page;
    CPngHSliderBar* bar = new CPngHSliderBar(&page);

    void SetUp() override {
        page.resize(400, 100);
        bar->Create(thumbImage(), 100, 40, 300, 56, &page, 2560);
        bar->SetRange(1, 10);
        bar->SetTrackRect(100, 40, 300, 56);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
};

TEST_F(Bar, ClickNearTheEndReportsTheEndValue) {
    QSignalSpy moved(bar, &CPngHSliderBar::sliderMoved);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(195, 8));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 10);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 2560);
    EXPECT_EQ(bar->value(), 10);
    EXPECT_EQ(bar->thumb()->x(), 200 - 10);  // at the right end

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(190, 8));
    EXPECT_EQ(moved.at(1).at(0).toInt(), 9);
}

TEST_F(Bar, OutOfRangePositionsBecomeTheMinimumAtTheLeftEnd) {
    bar->SetPos(0);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(bar->thumb()->x(), 0);
    EXPECT_EQ(bar->thumb()->y(), 16 - 16);  // bottom on the track's bottom
    bar->SetPos(11);
    EXPECT_EQ(bar->value(), 1);
    bar->SetPos(10);
    EXPECT_EQ(bar->thumb()->x(), 190);
}

TEST_F(Bar, DraggingPastEitherEndStaysAtTheEndWithTheEndValue) {
    QSignalSpy moved(bar, &CPngHSliderBar::sliderMoved);
    CPngHSlider* thumb = bar->thumb();
    bar->SetPos(5);
    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(thumb->dragging());
    QMouseEvent far(QEvent::MouseMove, QPointF(5 + 500, 8), thumb->mapToGlobal(QPointF(505, 8)),
                    Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(thumb, &far);
    EXPECT_EQ(bar->value(), 10);
    EXPECT_EQ(thumb->x(), 190);
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(0).toInt(), 10);
    EXPECT_EQ(moved.last().at(1).toInt(), 2560);
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(thumb->dragging());
    EXPECT_EQ(bar->value(), 10);  // the kept value is the one shown

    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 8));
    QMouseEvent back(QEvent::MouseMove, QPointF(5 - 900, 8), thumb->mapToGlobal(QPointF(-895, 8)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(thumb, &back);
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(thumb->x(), 0);
}

TEST_F(Bar, DisabledBarAndUnsetTrackIgnoreClicks) {
    QSignalSpy moved(bar, &CPngHSliderBar::sliderMoved);
    bar->Enable(false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(100, 8));
    EXPECT_EQ(moved.count(), 0);
    bar->Enable(true);
    bar->SetTrackRect(0, 0, 0, 0);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(100, 8));
    EXPECT_EQ(moved.count(), 0);
}

// The owner shows a hint while the pointer is over the slider: a move without a button over the
// bar or its thumb must reach it, in its own coordinates; a drag stays with the thumb.
TEST(CPngHSliderBar, PointerMovesOverBarAndThumbReachTheOwner) {
    test::MoveRecorder owner;
    owner.resize(400, 100);
    auto* bar = new CPngHSliderBar(&owner);
    bar->Create(thumbImage(), 100, 40, 300, 56, &owner, 2560);
    bar->SetRange(1, 10);
    bar->SetTrackRect(100, 40, 300, 56);
    bar->SetPos(5);
    CPngHSlider* thumb = bar->thumb();
    auto move = [](QWidget* w, QPoint local, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, QPointF(local), w->mapToGlobal(QPointF(local)),
                      Qt::NoButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    };
    move(bar, QPoint(190, 8), Qt::NoButton);
    move(thumb, QPoint(5, 8), Qt::NoButton);
    ASSERT_EQ(owner.moves.size(), 2u);
    EXPECT_EQ(owner.moves[0], QPoint(290, 48));
    EXPECT_EQ(owner.moves[1], thumb->mapTo(&owner, QPoint(5, 8)));
    bar->Enable(false);  // a disabled slider keeps its hint
    move(bar, QPoint(20, 8), Qt::NoButton);
    EXPECT_EQ(owner.moves.size(), 3u);
    bar->Enable(true);

    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 8));
    owner.moves.clear();
    move(thumb, QPoint(25, 8), Qt::LeftButton);
    EXPECT_TRUE(owner.moves.empty());
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(25, 8));
}

TEST(CPngHSlider, ShapeCutsTheTopLeftPixelsColour) {
    CPngHSlider thumb;
    thumb.SetImage(thumbImage());
    EXPECT_EQ(thumb.size(), QSize(10, 16));
    EXPECT_FALSE(thumb.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(thumb.mask().contains(QPoint(9, 15)));
    EXPECT_TRUE(thumb.mask().contains(QPoint(5, 8)));
}

TEST(CPngHSlider, SingleValueRangeStaysAtTheLeft) {
    CPngHSlider thumb;
    thumb.SetImage(thumbImage());
    thumb.SetTrack(0, 0, 100, 16);
    thumb.SetRange(3, 3);
    thumb.SetPos(3);
    EXPECT_EQ(thumb.x(), 0);
    EXPECT_EQ(thumb.value(), 3);
}

struct Progress : ::testing::Test {
    QWidget page;
    CPngHProgressBar* bar = new CPngHProgressBar(&page);
    QImage background = test::solidImage({400, 100}, QColor(20, 20, 20));
    QImage fill = test::positionImage({400, 100});

    void SetUp() override {
        page.resize(400, 100);
        bar->Create(QRect(100, 40, 200, 10), &page, 777);
        bar->SetImages(100, 40, 200, 10, background, fill);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
};

TEST_F(Progress, FillsExactlyItsShareFromTheLeft) {
    bar->SetPos(5);
    EXPECT_EQ(bar->fillWidth(), 100);
    const QImage img = bar->grab().toImage();
    EXPECT_EQ(img.pixel(0, 2), fill.pixel(100, 42));
    EXPECT_EQ(img.pixel(99, 2), fill.pixel(199, 42));
    EXPECT_EQ(QColor(img.pixel(100, 2)), QColor(20, 20, 20));
    bar->SetPos(11);  // outside the range: the minimum
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->fillWidth(), 0);
}

TEST_F(Progress, DraggingReportsTheValueAtTheRelease) {
    QSignalSpy dragged(bar, &CPngHProgressBar::progressDragged);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_TRUE(bar->dragging());
    test::moveTo(bar, QPoint(120, 5));
    EXPECT_EQ(bar->value(), 6);
    EXPECT_EQ(dragged.count(), 0);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(150, 5));
    ASSERT_EQ(dragged.count(), 1);
    EXPECT_EQ(dragged.at(0).at(0).toInt(), 7);
    EXPECT_EQ(dragged.at(0).at(1).toInt(), 777);
}

TEST_F(Progress, ReadOnlyBarCannotBeDragged) {
    QSignalSpy dragged(bar, &CPngHProgressBar::progressDragged);
    bar->SetReadOnly(true);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(dragged.count(), 0);
    EXPECT_EQ(bar->value(), 0);
}

}  // namespace
}  // namespace z408
