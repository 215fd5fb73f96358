// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>
#include <QTest>

#include "widget_test_support.h"
#include "widgets/bitmap_edit.h"
#include "widgets/color_btn.h"

namespace z408 {
namespace {

TEST(CColorBtn, FillsWithItsColourAndFramesByState) {
    test::MoveRecorder page;
    page.resize(100, 100);
    auto* swatch = new CColorBtn(&page);
    swatch->setGeometry(10, 20, 30, 30);
    swatch->setColor(QColor(250, 18, 0));
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    test::moveTo(&page, QPoint(90, 90));  // the pointer starts away from the swatch
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(swatch, &leave);
    EXPECT_EQ(QColor(swatch->grab().toImage().pixel(0, 0)), QColor(250, 18, 0));  // no border yet

    swatch->setDrawBorder(true);
    EXPECT_EQ(swatch->borderColor().rgba(), 0xFF313439u);
    EXPECT_EQ(swatch->grab().toImage().pixel(0, 0), 0xFF313439u);
    EXPECT_EQ(QColor(swatch->grab().toImage().pixel(15, 15)), QColor(250, 18, 0));
    test::moveTo(swatch, QPoint(5, 5));
    EXPECT_EQ(swatch->borderColor().rgba(), 0xFFE8BE1Cu);
    QTest::mousePress(swatch, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(swatch->borderColor().rgba(), 0xFFD31814u);
    QTest::mouseRelease(swatch, Qt::LeftButton, {}, QPoint(5, 5));
    swatch->setCurrent(true);
    EXPECT_EQ(swatch->borderColor().rgba(), 0xFF393839u);  // current wins over every other state

    // Disabled, it keeps its colour but fades: darker, the same hue.
    swatch->setEnabled(false);
    const QColor faded(swatch->grab().toImage().pixel(15, 15));
    EXPECT_LT(faded.red(), 150);
    EXPECT_GT(faded.red(), 20);
    EXPECT_LT(faded.green(), faded.red());
}

TEST(CColorBtn, ForwardsMovesInThePagesCoordinates) {
    test::MoveRecorder page;
    page.resize(100, 100);
    auto* swatch = new CColorBtn(&page);
    swatch->setGeometry(10, 20, 30, 30);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    test::moveTo(swatch, QPoint(4, 6));
    QCoreApplication::processEvents();
    ASSERT_FALSE(page.moves.empty());
    EXPECT_EQ(page.moves.back(), QPoint(14, 26));
}

TEST(CBitmapEdit, DrawsOverItsPieceOfTheBackground) {
    QWidget page;
    auto* edit = new CBitmapEdit(&page, 14);
    const QImage bg = test::positionImage({200, 100});
    edit->setGeometry(50, 30, 24, 22);
    edit->SetBackground(50, 30, 24, 22, bg);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_EQ(edit->maxLength(), 256);
    EXPECT_FALSE(edit->hasFrame());
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(88, 95, 103));
    EXPECT_EQ(edit->font().weight(), QFont::Medium);
    EXPECT_EQ(edit->sizeHint(), QSize(24, 22));
    EXPECT_EQ(edit->grab().toImage().pixel(1, 1), bg.pixel(51, 31));
}

// A field that cannot take typing looks so: its text dims and its background fades into the
// page; it comes back whole when enabled again. Without the disabled look it stays as it was.
TEST(CBitmapEdit, DisabledFieldLooksDisabled) {
    QWidget page;
    const QColor panel(30, 32, 37), frame(120, 128, 140), text(21, 140, 185), dim(70, 76, 86);
    QImage bg = test::solidImage({200, 100}, panel);
    for (int x = 50; x < 74; ++x) bg.setPixel(x, 30, frame.rgb());  // the field's top edge
    auto* field = new CBitmapEdit(&page, 13);
    field->setGeometry(50, 30, 24, 22);
    field->SetBackground(50, 30, 24, 22, bg);
    QPalette pal = field->palette();
    pal.setColor(QPalette::Text, text);
    field->setPalette(pal);
    field->SetDisabledLook(dim);
    field->setText(QStringLiteral("7"));
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    field->clearFocus();  // the only field takes the focus when shown: its caret would blink
    const QImage live = field->grab().toImage();
    field->setEnabled(false);
    const QImage off = field->grab().toImage();
    EXPECT_EQ(field->palette().color(QPalette::Disabled, QPalette::Text), dim);
    EXPECT_EQ(field->palette().color(QPalette::Active, QPalette::Text), text);
    EXPECT_EQ(QColor(live.pixel(10, 0)), frame);
    EXPECT_LT(QColor(off.pixel(10, 0)).green(), frame.green());  // the edge recedes
    EXPECT_EQ(QColor(off.pixel(21, 19)), panel);                 // the inside stays the page's
    EXPECT_NE(live, off);
    field->setEnabled(true);
    EXPECT_EQ(field->grab().toImage(), live);

    auto* display = new CBitmapEdit(&page, 13);  // a display-only box keeps its look
    display->setGeometry(100, 30, 24, 22);
    display->SetBackground(100, 30, 24, 22, bg);
    const QImage shown = display->grab().toImage();
    display->setEnabled(false);
    EXPECT_EQ(display->grab().toImage(), shown);
}

}  // namespace
}  // namespace z408
