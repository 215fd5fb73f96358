// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/gdi_bitmap_btn.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>
#include <tuple>

#include "widget_test_support.h"

namespace z408 {
namespace {

using test::MoveRecorder;
using test::solidImage;
using Look = CGDIBitmapBtn::LookKind;

const QSize kPage(200, 100);
const QRect kRect(40, 30, 60, 24);
const QColor kNormal(10, 10, 10), kHover(20, 20, 20), kPressed(30, 30, 30), kDisabled(40, 40, 40),
    kAltNormal(50, 50, 50), kAltPressed(60, 60, 60);

struct Fixture : ::testing::Test {
    MoveRecorder page;
    CGDIBitmapBtn* button = new CGDIBitmapBtn(&page);
    QImage altNormal = solidImage(kPage, kAltNormal), altPressed = solidImage(kPage, kAltPressed);

    void SetUp() override {
        page.resize(kPage);
        button->SetBitmaps(kRect, solidImage(kPage, kNormal), solidImage(kPage, kHover),
                           solidImage(kPage, kPressed), solidImage(kPage, kDisabled), &altNormal,
                           &altPressed);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        test::moveTo(&page, QPoint(190, 90));  // the pointer starts away from the button
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }
    QColor shown() { return QColor(button->grab().toImage().pixel(2, 2)); }
};

TEST_F(Fixture, CutsItsLooksFromThePageImagesAtItsRectangle) {
    EXPECT_EQ(button->geometry(), kRect);
    EXPECT_EQ(button->sizeHint(), kRect.size());
    EXPECT_EQ(shown(), kNormal);
    // A piece from the right place: the image's pixel at the rectangle's corner.
    CGDIBitmapBtn other(&page);
    const QImage pos = test::positionImage(kPage);
    other.SetBitmaps(kRect, pos, pos, pos, pos);
    EXPECT_EQ(other.grab().toImage().pixel(0, 0), pos.pixel(kRect.topLeft()));
}

TEST_F(Fixture, ChoosesItsLookByStateFirstMatchWins) {
    EXPECT_EQ(button->currentLook(), Look::Normal);
    button->setUseAltNormal(true);
    EXPECT_EQ(button->currentLook(), Look::AltNormal);
    EXPECT_EQ(shown(), kAltNormal);
    button->setUseAltNormal(false);

    button->setEnabled(false);
    EXPECT_EQ(button->currentLook(), Look::Disabled);
    EXPECT_EQ(shown(), kDisabled);
    EXPECT_EQ(button->currentTextColor(), QColor(38, 42, 39));
    button->setEnabled(true);

    test::moveTo(button, QPoint(5, 5));
    EXPECT_TRUE(button->hovering());
    EXPECT_EQ(shown(), kHover);
    EXPECT_EQ(button->currentTextColor(), QColor(255, 255, 255));
    button->setHoverLooksEnabled(false);
    EXPECT_EQ(button->currentLook(), Look::Normal);
    button->setHoverLooksEnabled(true);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->currentLook(), Look::Pressed);
    EXPECT_EQ(shown(), kPressed);
    EXPECT_EQ(button->currentTextColor(), QColor(38, 29, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));

    // Latched in check mode wins over hovering; the alternative pressed look when asked for.
    button->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    button->setLatched(true);
    EXPECT_EQ(button->currentLook(), Look::Pressed);
    button->setUseAltPressed(true);
    EXPECT_EQ(shown(), kAltPressed);
}

// A disabled button looks disabled whatever else holds: latched (a ticked toggle) it shows its
// pressed look faded, never the live one; hovering changes nothing.
TEST_F(Fixture, DisabledWinsOverLatchedAndHovering) {
    button->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    struct Case {
        bool latched, hovered;
        Look look;
        QColor colour;
    } cases[] = {
        {false, false, Look::Disabled, kDisabled},
        {true, false, Look::DisabledLatched, kPressed},  // a solid look fades to itself
        {true, true, Look::DisabledLatched, kPressed},
        {false, true, Look::Disabled, kDisabled},
    };
    for (const auto& c : cases) {
        button->setLatched(c.latched);
        button->setEnabled(true);
        if (c.hovered) test::moveTo(button, QPoint(5, 5));
        button->setEnabled(false);
        EXPECT_EQ(button->currentLook(), c.look) << c.latched << c.hovered;
        EXPECT_EQ(shown(), c.colour) << c.latched << c.hovered;
        EXPECT_EQ(button->currentTextColor(), QColor(38, 42, 39));
        test::moveTo(&page, QPoint(190, 90));
    }
}

// The disabled look is the control's own picture faded into what surrounds it: the surroundings
// stay as they are (no darker block), the mark on it recedes, in the off and in the on look.
TEST(CGDIBitmapBtnLooks, DisabledLooksFadeIntoTheirSurroundings) {
    const QColor panel(34, 37, 43), mark(250, 214, 96);
    QImage normal = solidImage(kPage, panel);
    QImage pressed = solidImage(kPage, panel);
    for (int y = kRect.top() + 6; y < kRect.top() + 18; ++y)
        for (int x = kRect.left() + 4; x < kRect.left() + 16; ++x)
            pressed.setPixel(x, y, mark.rgb());
    MoveRecorder page;
    page.resize(kPage);
    auto* b = new CGDIBitmapBtn(&page);
    b->SetBitmaps(kRect, normal, normal, pressed, normal);
    b->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    b->setLatched(true);
    const QImage live = b->grab().toImage();
    b->setEnabled(false);
    const QImage off = b->grab().toImage();
    EXPECT_EQ(QColor(off.pixel(0, 0)), panel);  // the edge is the page's colour still
    const QColor faded(off.pixel(8, 10));
    EXPECT_EQ(QColor(live.pixel(8, 10)), mark);
    for (auto [got, from, to] : {std::tuple{faded.red(), panel.red(), mark.red()},
                                 {faded.green(), panel.green(), mark.green()},
                                 {faded.blue(), panel.blue(), mark.blue()}}) {
        // About a third of the mark's difference from the panel is left.
        EXPECT_GT(got, from + (to - from) / 5);
        EXPECT_LT(got, from + (to - from) / 2);
    }
}

TEST_F(Fixture, ToggleOnClickAlternatesLatchedOnEveryPress) {
    button->setCheckMode(CGDIBitmapBtn::CheckMode::Toggle);
    for (bool expected : {true, false, true}) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(button->latched(), expected);
        EXPECT_EQ(button->currentLook() == Look::Pressed, expected);
    }
}

TEST_F(Fixture, DisplayOnlyButtonChangesOnlyWhenTheProgramLatchesIt) {
    button->setCheckMode(CGDIBitmapBtn::CheckMode::Latch);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_NE(button->currentLook(), Look::Pressed);  // never pressed by itself
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->latched());
    EXPECT_EQ(clicks.count(), 1);
    button->setLatched(true);
    EXPECT_EQ(button->currentLook(), Look::Pressed);
}

TEST_F(Fixture, NotifiesPressAndReleaseWhenAsked) {
    QSignalSpy spy(button, &CGDIBitmapBtn::skinMouse);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 0);

    button->setNotifyPresses(true);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 513);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 514);
}

TEST_F(Fixture, ForwardsPointerMovesToThePageInPageCoordinates) {
    test::moveTo(button, QPoint(7, 9));
    QCoreApplication::processEvents();
    ASSERT_FALSE(page.moves.empty());
    EXPECT_EQ(page.moves.back(), kRect.topLeft() + QPoint(7, 9));
}

TEST_F(Fixture, LeavingOrLosingFocusClearsHovering) {
    test::moveTo(button, QPoint(5, 5));
    ASSERT_TRUE(button->hovering());
    test::moveTo(&page, QPoint(150, 90));
    EXPECT_FALSE(button->hovering());
}

TEST_F(Fixture, LongCaptionEndsInAnEllipsisAndShortOneIsKept) {
    button->SetText(QStringLiteral("OK"));
    EXPECT_EQ(button->shownCaption(), QStringLiteral("OK"));
    button->SetText(QStringLiteral("A caption far longer than the button is wide"));
    EXPECT_TRUE(button->shownCaption().endsWith(QChar(0x2026)));
    EXPECT_LT(button->shownCaption().size(), button->text().size());
    // The caption changes the drawing: some pixel is no longer the plain look.
    const QImage img = button->grab().toImage();
    bool drawn = false;
    for (int x = 0; x < img.width() && !drawn; ++x)
        drawn = QColor(img.pixel(x, img.height() / 2)) != kNormal;
    EXPECT_TRUE(drawn);
}

TEST_F(Fixture, TooltipIsSetOrClearedByTheActiveFlag) {
    button->SetTooltip(QStringLiteral("Pointer speed"), true);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Pointer speed"));
    button->SetTooltip(QStringLiteral("Pointer speed"), false);
    EXPECT_TRUE(button->toolTip().isEmpty());
}

}  // namespace
}  // namespace z408
