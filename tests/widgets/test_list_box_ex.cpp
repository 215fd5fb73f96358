// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "widgets/list_box_ex.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "widget_test_support.h"

namespace z408 {
namespace {

struct List : ::testing::Test {
    QWidget page;
    CListBoxEx* list = new CListBoxEx(&page);

    void SetUp() override {
        page.resize(300, 300);
        list->setGeometry(10, 10, 200, 200);
        list->setControlId(256);
        list->SetItemHeight(18);
        list->SetBackgroundColour(QColor(20, 20, 20), QColor(37, 37, 37));
        list->SetTextColours(QColor(83, 97, 103), QColor(21, 140, 185));
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    QPoint centreOf(int row) { return list->visualItemRect(list->item(row)).center(); }
};

TEST_F(List, ItemDataCarriesTheIconKindInTheTopByte) {
    struct Case {
        uint32_t kind, data, stored;
    };
    const Case cases[] = {
        {3, 0x12345678, 0x03345678},  // the caller's top byte gives way to the kind
        {0, 0x12345678, 0x12345678},  // no icon: the data unchanged, whatever its top byte
        {4, 500, 0x040001F4},
    };
    for (const Case& c : cases) {
        const int index = list->AddItem(c.kind, QStringLiteral("row"), c.data);
        EXPECT_EQ(list->itemData(index), c.stored);
        EXPECT_EQ(list->currentSelection(), index);  // adding selects
        EXPECT_EQ(list->iconsOn(), c.kind != 0);
    }
}

TEST_F(List, InsertReplaceAndDeleteKeepOrderAndSelect) {
    for (int i = 0; i < 3; ++i) list->AddItem(0, QString::number(i), static_cast<uint32_t>(i));
    list->InsertItem(1, 2, QStringLiteral("up"), 7);
    EXPECT_EQ(list->itemText(1), QStringLiteral("up"));
    EXPECT_EQ(list->itemData(1), 0x02000007u);
    EXPECT_EQ(list->currentSelection(), 1);
    list->ReplaceItem(3, 0, QStringLiteral("two"), 22);
    EXPECT_EQ(list->itemText(3), QStringLiteral("two"));
    EXPECT_EQ(list->itemData(3), 22u);
    EXPECT_EQ(list->currentSelection(), 3);
    list->DeleteItem(0);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("up"));
    list->DeleteItem(10);  // out of range: nothing
    EXPECT_EQ(list->count(), 3);
}

TEST_F(List, OnlyTheUsersSelectionIsReported) {
    QSignalSpy selected(list, &CListBoxEx::listSelected);
    for (int i = 0; i < 4; ++i) list->AddItem(0, QString::number(i), static_cast<uint32_t>(i));
    EXPECT_EQ(selected.count(), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(1));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 256);
    EXPECT_EQ(selected.at(0).at(1).toInt(), 1);
}

TEST_F(List, RenameCommitsWithEnterKeepingDataAndPlace) {
    list->AddItem(0, QStringLiteral("first"), 11);
    list->AddItem(3, QStringLiteral("New Macro"), 0x15ABCDEF);
    list->AddItem(0, QStringLiteral("last"), 33);
    list->setRenameOnDoubleClick(true);
    QSignalSpy edited(list, &CListBoxEx::listEdited);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(1));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centreOf(1));
    QLineEdit* edit = list->renameEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("New Macro"));
    EXPECT_EQ(edit->maxLength(), 20);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("New Macro"));
    EXPECT_EQ(edit->geometry(), list->visualItemRect(list->item(1)));

    edit->setText(QStringLiteral("Grenade throw combo"));
    QTest::keyPress(edit, Qt::Key_Return);
    EXPECT_EQ(edited.count(), 0);  // committed on the key's release
    QTest::keyRelease(edit, Qt::Key_Return);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toInt(), 256);
    EXPECT_EQ(edited.at(0).at(1).toInt(), 1);
    EXPECT_EQ(list->itemText(1), QStringLiteral("Grenade throw combo"));
    EXPECT_EQ(list->itemData(1), 0x03ABCDEFu);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentSelection(), 1);
    EXPECT_EQ(list->renameEdit(), nullptr);
}

TEST_F(List, TwentyCharactersLimitTypingNotANameAlreadyLonger) {
    const QString longName = QStringLiteral("Grenade throw combo, long");  // 25 characters
    list->AddItem(0, longName, 1);
    list->AddItem(0, QStringLiteral("short"), 2);
    QSignalSpy edited(list, &CListBoxEx::listEdited);

    // Opened and left without an edit (focus goes elsewhere): the name stays whole.
    ASSERT_TRUE(list->StartRename(0));
    EXPECT_EQ(list->renameEdit()->text(), longName);
    QFocusEvent away(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(list->renameEdit(), &away);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(list->itemText(0), longName);

    // Typing at the end of a long name adds nothing; shortening it takes.
    ASSERT_TRUE(list->StartRename(0));
    QLineEdit* edit = list->renameEdit();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    EXPECT_EQ(edit->text(), longName);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    EXPECT_EQ(edit->text(), longName.left(24));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(list->itemText(0), longName.left(24));

    // A short name still grows to 20 characters at most.
    ASSERT_TRUE(list->StartRename(1));
    edit = list->renameEdit();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral(" and a much longer tail"));
    EXPECT_EQ(edit->text(), QStringLiteral("short and a much lon"));
    QTest::keyClick(edit, Qt::Key_Escape);
}

TEST_F(List, EscapeCancelsWithoutNotification) {
    list->AddItem(0, QStringLiteral("keep"), 1);
    list->AddItem(0, QStringLiteral("other"), 2);
    QSignalSpy edited(list, &CListBoxEx::listEdited);
    ASSERT_TRUE(list->StartRename(0));
    list->renameEdit()->setText(QStringLiteral("changed"));
    QTest::keyClick(list->renameEdit(), Qt::Key_Escape);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(list->itemText(0), QStringLiteral("keep"));
    EXPECT_EQ(list->currentSelection(), 0);
    EXPECT_EQ(list->renameEdit(), nullptr);
}

TEST_F(List, OnlyOneRenameEditInTheWholeProgram) {
    CListBoxEx other(&page);
    other.AddItem(0, QStringLiteral("x"), 1);
    list->AddItem(0, QStringLiteral("y"), 2);
    ASSERT_TRUE(list->StartRename(0));
    EXPECT_FALSE(other.StartRename(0));
    // Adding an item closes the open edit without committing.
    QSignalSpy edited(list, &CListBoxEx::listEdited);
    list->renameEdit()->setText(QStringLiteral("lost"));
    list->AddItem(0, QStringLiteral("z"), 3);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(list->itemText(0), QStringLiteral("y"));
    EXPECT_TRUE(other.StartRename(0));
}

TEST_F(List, PaintsSelectionAndTextColours) {
    list->AddItem(0, QStringLiteral("a"), 1);
    list->AddItem(0, QStringLiteral("b"), 2);
    const QImage img = list->viewport()->grab().toImage();
    const QRect first = list->visualItemRect(list->item(0));
    const QRect second = list->visualItemRect(list->item(1));
    EXPECT_EQ(first.height(), 18);
    EXPECT_EQ(QColor(img.pixel(first.right() - 2, first.center().y())), QColor(20, 20, 20));
    EXPECT_EQ(QColor(img.pixel(second.right() - 2, second.center().y())), QColor(37, 37, 37));
}

}  // namespace
}  // namespace z408
