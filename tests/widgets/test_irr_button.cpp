// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/irr_button.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"

namespace z408 {
namespace {

using Look = CIrrButton::LookKind;

struct Triangle : ::testing::Test {
    QWidget page;
    CIrrButton* button = new CIrrButton(&page);
    // Right triangle with its right angle at the top-left of the box (50,40)-(150,140).
    QPolygon shape{QVector<QPoint>{{50, 40}, {150, 40}, {50, 140}}};
    QImage normal = test::positionImage({300, 200});
    QImage pressed = test::solidImage({300, 200}, QColor(200, 0, 0));
    QImage hover = test::solidImage({300, 200}, QColor(0, 200, 0));
    QImage disabled = test::solidImage({300, 200}, QColor(0, 0, 200));

    void SetUp() override {
        page.resize(300, 200);
        button->Create(QString(), shape, &page);
        button->SetImages(normal, hover, pressed, disabled);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
};

TEST_F(Triangle, WindowIsTheShapesBoundingBox) {
    EXPECT_EQ(button->geometry(), QRect(50, 40, 101, 101));
    EXPECT_EQ(button->sizeHint(), QSize(101, 101));
    EXPECT_TRUE(button->hitTest(QPoint(5, 5)));
    EXPECT_FALSE(button->hitTest(QPoint(95, 95)));  // beyond the hypotenuse
}

TEST_F(Triangle, ReactsOnlyInsideTheShapeAndCommandsOnThePress) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(clicks.count(), 0);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);  // before the release
    EXPECT_EQ(button->currentLook(), Look::Pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    // A double click counts as a second press.
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));  // leaves the button up again
    EXPECT_GE(clicks.count(), 2);
}

TEST_F(Triangle, HoverFollowsTheShapeNotTheBox) {
    test::moveTo(button, QPoint(10, 10));
    EXPECT_TRUE(button->hovering());
    test::moveTo(button, QPoint(95, 95));
    EXPECT_FALSE(button->hovering());
}

TEST_F(Triangle, ShowsThePageImageUnderItsBox) {
    const QImage img = button->grab().toImage();
    EXPECT_EQ(img.pixel(3, 4), normal.pixel(53, 44));
    button->setCheckMode(true);
    button->setLatched(true);
    EXPECT_EQ(button->currentLook(), Look::Pressed);
    EXPECT_EQ(button->grab().toImage().pixel(3, 4), pressed.pixel(0, 0));
    // Disabled in check mode (the profile buttons on some tabs): still its look, but dimmed
    // (blended with what lies behind it).
    button->setEnabled(false);
    const QRgb dimmed = button->grab().toImage().pixel(3, 4);
    EXPECT_NE(dimmed, pressed.pixel(0, 0));
    button->setEnabled(true);
    button->setLatched(false);
    button->setCheckMode(false);
    button->setEnabled(false);
    EXPECT_EQ(button->currentLook(), Look::Disabled);
}

}  // namespace
}  // namespace z408
