// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"
#include "widgets/menu_ex.h"
#include "widgets/menu_ex_a.h"
#include "widgets/preset_menu.h"
#include "widgets/xp_menu.h"

namespace z408 {
namespace {

QImage icon(QColor c) {
    return test::solidImage({19, 11}, c);
}

TEST(CMenuEx, LaysOutItemsAndSeparators) {
    CMenuEx menu;
    menu.Create(nullptr, QPoint(10, 10));
    for (int i = 0; i < 12; ++i) menu.AddItem(QString::number(i), icon(Qt::red), i + 1);
    EXPECT_EQ(menu.size(), QSize(116, 273));
    EXPECT_EQ(menu.items()[0].rect, QRect(6, 6, 104, 22));
    EXPECT_EQ(menu.items()[11].rect, QRect(6, 6 + 11 * 22, 104, 22));
    menu.AddSeparator();
    menu.AddItem(QStringLiteral("after"), icon(Qt::red), 99);
    EXPECT_EQ(menu.items()[12].rect.top(), 6 + 12 * 22 + 2);
    EXPECT_EQ(menu.items()[13].rect.top(), 6 + 12 * 22 + 4);
    EXPECT_EQ(menu.height(), 6 + 13 * 22 + 4 + 3);
}

struct Popup : ::testing::Test {
    QWidget owner;
    CMenuEx* menu = new CMenuEx(&owner);

    void SetUp() override {
        owner.resize(300, 300);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        menu->Create(&owner, owner.mapToGlobal(QPoint(20, 20)));
        menu->AddItem(QStringLiteral("One"), icon(Qt::red), 101);
        menu->AddSeparator();
        menu->AddItem(QStringLiteral("Two"), icon(Qt::green), 102);
        menu->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    }
};

TEST_F(Popup, PointerMakesItemsHotButNeverSeparators) {
    test::moveTo(menu, QPoint(50, 16));
    EXPECT_EQ(menu->hotItem(), 0);
    test::moveTo(menu, QPoint(50, 30));  // the separator
    EXPECT_EQ(menu->hotItem(), -1);
    test::moveTo(menu, QPoint(50, 40));
    EXPECT_EQ(menu->hotItem(), 2);
    // The hot item is drawn filled in the highlight colour.
    const QImage img = menu->render();
    EXPECT_EQ(QColor(img.pixel(100, 40)), QColor(0, 147, 209));
    EXPECT_EQ(QColor(img.pixel(100, 16)), QColor(Qt::white));
}

TEST_F(Popup, ChoosingAnItemReportsItsDataAndKeepsTheMenuOpen) {
    QSignalSpy chosen(menu, &CMenuEx::itemChosen);
    test::moveTo(menu, QPoint(50, 40));
    QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(50, 40));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<intptr_t>(), 102);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(Popup, ClosingIsReportedOnce) {
    QSignalSpy closing(menu, &CWndPopup::closing);
    menu->close();
    menu->close();
    EXPECT_EQ(closing.count(), 1);
}

TEST(CMenuExA, OffersTheTwelveLanguagesByNumber) {
    CMenuExA menu;
    menu.Create(nullptr, QPoint(0, 0));
    ASSERT_EQ(menu.items().size(), 12);
    EXPECT_EQ(menu.items()[0].text, QStringLiteral("Chinese"));
    EXPECT_EQ(menu.items()[11].text, QStringLiteral("Trad.Chinese"));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(menu.items()[i].data, i + 1);
        EXPECT_EQ(menu.items()[i].id, 130 + i);
    }
    EXPECT_EQ(menu.size(), QSize(116, 273));
}

TEST(CXPMenu, ItemsMeasure75By22AndReportTheirCommand) {
    CXPMenu menu;
    QAction* config =
        menu.AddItem(test::solidImage({16, 16}, Qt::blue), QStringLiteral("Config"), 0x6000);
    menu.AddItem(test::solidImage({16, 16}, Qt::red), QStringLiteral("Exit"), 0x6001);
    menu.popup(QPoint(50, 50));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_EQ(menu.actionGeometry(config).size(), QSize(75, 22));
    const QImage plain = menu.grab().toImage();
    const QRect r = menu.actionGeometry(config);
    EXPECT_EQ(QColor(plain.pixel(r.left() + 60, r.top() + 2)), QColor(219, 216, 209));
    menu.setActiveAction(config);
    const QImage selected = menu.grab().toImage();
    EXPECT_EQ(QColor(selected.pixel(r.left() + 60, r.top() + 2)), QColor(177, 185, 207));

    QSignalSpy chosen(&menu, &CXPMenu::commandChosen);
    config->trigger();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 0x6000);
}

}  // namespace
}  // namespace z408

namespace z408 {
namespace {

TEST(CPresetMenu, ItemsUnderThePointerLightAndAChoicePostsTheirId) {
    QWidget page;
    page.resize(400, 300);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    CPresetMenu menu(&page);
    const QImage looks[3] = {test::solidImage({302, 24}, QColor(30, 30, 30)),
                             test::solidImage({302, 24}, QColor(21, 140, 185)),
                             test::solidImage({302, 24}, QColor(10, 70, 100))};
    const QColor colours[3] = {QColor(83, 97, 103), Qt::white, QColor(21, 140, 185)};
    QVector<CPresetMenu::Item> items;
    for (int id = 1; id <= 21; ++id) items.push_back({id, QStringLiteral("Preset %1").arg(id)});
    menu.CreateMenuEx(&page, 24, page.mapToGlobal(QPoint(26, 72)), colours, looks, items);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_EQ(menu.size(), QSize(302, 21 * 24));

    test::moveTo(&menu, QPoint(100, 2 * 24 + 5));
    EXPECT_EQ(menu.hotItem(), 2);
    EXPECT_EQ(QColor(menu.grab().toImage().pixel(290, 2 * 24 + 2)), QColor(21, 140, 185));
    EXPECT_EQ(QColor(menu.grab().toImage().pixel(290, 5)), QColor(30, 30, 30));

    QSignalSpy chosen(&menu, &CPresetMenu::presetChosen);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(100, 2 * 24 + 5));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3);
    menu.DestroyMenuEx();
    EXPECT_FALSE(menu.isVisible());
}

}  // namespace
}  // namespace z408
