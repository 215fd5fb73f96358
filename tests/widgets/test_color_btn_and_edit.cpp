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

}  // namespace
}  // namespace z408
