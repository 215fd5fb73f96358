// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The function picker on Qt's offscreen platform, against the skins and language files of the
// build's program directory: its tabs and pages, what OK, default, the disable box and close
// give, the key page fed by the input hook or by the picker's own key events, and the forwarding
// that every way out switches off.
#include <gtest/gtest.h>

#include <QListWidgetItem>
#include <QTest>
#include <memory>

#include "common/program_texts.h"
#include "functions/key_tables.h"
#include "pages/setting_advance_dlg.h"
#include "pages/setting_base_dlg.h"
#include "pages/setting_dlg.h"
#include "pages/setting_macro_dlg.h"
#include "pages/setting_single_combo_dlg.h"
#include "picker_harness.h"
#include "shell/hook_fakes.h"
#include "spin_until.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/keyboard_focus.h"
#include "widgets/list_box_ex.h"

namespace z408 {
namespace {

constexpr uint32_t kPress = 0, kRelease = 0x80;

MacroEntry macro(uint8_t preset, uint32_t tick, std::u16string_view name) {
    MacroEntry m;
    m.setRecordSize(4104);
    m.setTag(0xE8E80010u);
    m.setId(makeMacroId(preset, tick));
    m.setName(name);
    return m;
}

class PickerTest : public ::testing::Test, public test::PickerHarness<test::FakeInputSource> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(language.LoadLanguageFile("Language/en.xml"));
        // Player's own group: two macros, the second one last in slot order; game 3: one.
        library.slot(4) = macro(21, 100, u"Own first");
        library.slot(9) = macro(3, 200, u"Game three");
        library.slot(12) = macro(21, 300, u"Own last");
        ASSERT_TRUE(hook.install(test::kMainWindow));
        hook.setForwarding(HookInputs::Neither);
        // Opened by a click unless a test says otherwise.
        KeyboardFocus::setKeyboardLeads(false);
    }

    std::unique_ptr<CSettingDlg> open(int button, bool withHook = true, QWidget* parent = nullptr) {
        return std::make_unique<CSettingDlg>(context(withHook), button, QStringLiteral("Click"),
                                             parent);
    }

    // Keys as the hook sees them anywhere on the desktop, delivered to the picker's thread.
    void hookKeys(std::initializer_list<std::pair<uint32_t, uint32_t>> keys) {
        for (const auto& [key, flags] : keys) hook.keyboardEvent(key, flags);
        QCoreApplication::processEvents();
    }
};

TEST_F(PickerTest, TabsShowOnePageAndForwardKeysOnlyToTheKeyPage) {
    auto picker = open(0);
    auto shown = [&] {
        std::vector<int> pages;
        for (int p = 1; p <= 4; ++p)
            if (!picker->page(static_cast<PickerPage>(p))->isHidden()) pages.push_back(p);
        return pages;
    };
    auto latched = [&] {
        std::vector<int> tabs;
        for (int p = 1; p <= 4; ++p)
            if (picker->tab(static_cast<PickerPage>(p))->latched()) tabs.push_back(p);
        return tabs;
    };
    // Opens on the key page, with the keyboard forwarded to it.
    EXPECT_EQ(shown(), std::vector<int>{1});
    EXPECT_EQ(latched(), std::vector<int>{1});
    EXPECT_EQ(hook.target(), CSettingDlg::kKeyPageWindowId);
    EXPECT_TRUE(hook.keyboardForwarding());
    EXPECT_FALSE(hook.mouseForwarding());

    for (int p : {2, 3, 4}) {
        QTest::mouseClick(picker->tab(static_cast<PickerPage>(p)), Qt::LeftButton);
        EXPECT_EQ(shown(), std::vector<int>{p});
        EXPECT_EQ(latched(), std::vector<int>{p});
        EXPECT_TRUE(forwardingOff()) << p;
    }
    QTest::mouseClick(picker->tab(PickerPage::KeyCombination), Qt::LeftButton);
    EXPECT_EQ(shown(), std::vector<int>{1});
    EXPECT_TRUE(hook.keyboardForwarding());

    // The disable box hides every page and leaves the forwarding as it was; off again shows
    // the key page.
    QTest::mouseClick(picker->disableBox(), Qt::LeftButton);
    EXPECT_TRUE(picker->disabled());
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(latched().empty());
    EXPECT_TRUE(hook.keyboardForwarding());
    QTest::mouseClick(picker->tab(PickerPage::Basic), Qt::LeftButton);
    EXPECT_TRUE(shown().empty());
    QTest::mouseClick(picker->disableBox(), Qt::LeftButton);
    EXPECT_EQ(shown(), std::vector<int>{1});
}

TEST_F(PickerTest, EveryWayOutGivesItsChoiceAndEndsForwarding) {
    struct Case {
        const char* what;
        int button;
        std::function<void(CSettingDlg&)> act;
        int result;
        uint32_t value, kind;
    };
    const Case cases[] = {
        {"OK on the basic page as first shown: its last entry", 2,
         [](CSettingDlg& d) {
             QTest::mouseClick(d.tab(PickerPage::Basic), Qt::LeftButton);
             QTest::mouseClick(d.okButton(), Qt::LeftButton);
         },
         QDialog::Accepted, fn::Fire, 0},
        {"OK with the disable box on, after the macro page", 1,
         [](CSettingDlg& d) {
             QTest::mouseClick(d.tab(PickerPage::Macro), Qt::LeftButton);
             QTest::mouseClick(d.disableBox(), Qt::LeftButton);
             QTest::mouseClick(d.okButton(), Qt::LeftButton);
         },
         QDialog::Accepted, 7, fn::Disable},
        {"default on the wheel", 5,
         [](CSettingDlg& d) { QTest::mouseClick(d.defaultButton(), Qt::LeftButton); },
         QDialog::Accepted, fn::ScrollUp, 0},
        {"OK on the empty key page", 0,
         [](CSettingDlg& d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); }, QDialog::Rejected,
         0, fn::KeyCombination},
        {"close after choosing a basic entry", 0,
         [](CSettingDlg& d) {
             QTest::mouseClick(d.tab(PickerPage::Basic), Qt::LeftButton);
             QTest::mouseClick(d.closeButton(), Qt::LeftButton);
         },
         QDialog::Rejected, 0, 0},
        {"the window closed by the desktop", 0, [](CSettingDlg& d) { d.reject(); },
         QDialog::Rejected, 0, 0},
        {"OK on the macro page: the player's last macro", 3,
         [](CSettingDlg& d) {
             QTest::mouseClick(d.tab(PickerPage::Macro), Qt::LeftButton);
             QTest::mouseClick(d.okButton(), Qt::LeftButton);
         },
         QDialog::Accepted, makeMacroId(21, 300), fn::Macro},
    };
    for (const Case& c : cases) {
        auto picker = open(c.button);
        picker->show();
        c.act(*picker);
        EXPECT_FALSE(picker->isVisible()) << c.what;
        EXPECT_EQ(picker->result(), c.result) << c.what;
        EXPECT_EQ(picker->choice().button, c.button) << c.what;
        EXPECT_EQ(picker->choice().value, c.value) << c.what;
        EXPECT_EQ(picker->choice().kind, c.kind) << c.what;
        EXPECT_TRUE(forwardingOff()) << c.what;
    }
    // A picker that goes away without being ended also lets the keyboard go.
    open(0).reset();
    EXPECT_TRUE(forwardingOff());
    EXPECT_EQ(windows.sinkOf(CSettingDlg::kKeyPageWindowId), nullptr);
}

TEST_F(PickerTest, KeysFromTheHookMakeTheCombination) {
    auto picker = open(0);
    CSetting_SingleComboDlg* page = picker->comboPage();
    hookKeys({{0xA2, kPress}, {0xA2, kRelease}, {0x41, kPress}, {0x41, kRelease}});
    EXPECT_TRUE(page->box(KeyCapture::Ctrl)->latched());
    EXPECT_EQ(page->keyText(), QStringLiteral("A"));
    EXPECT_EQ(page->keySource(), CSetting_SingleComboDlg::KeySource::Hook);
    // The same keys also reach the picker's own window: they are not counted twice.
    QTest::keyClick(picker.get(), Qt::Key_Control);
    QTest::keyClick(picker.get(), Qt::Key_B);
    EXPECT_TRUE(page->box(KeyCapture::Ctrl)->latched());
    EXPECT_EQ(page->keyText(), QStringLiteral("A"));
    // A click on a box toggles it too.
    QTest::mouseClick(page->box(KeyCapture::Shift), Qt::LeftButton);
    picker->pressOk();
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_EQ(picker->choice().value, makeComboCode(modifier::Ctrl | modifier::Shift, 0x04));
    EXPECT_EQ(picker->choice().kind, fn::KeyCombination);

    // Keys while another page is shown go nowhere.
    auto second = open(0);
    QTest::mouseClick(second->tab(PickerPage::Basic), Qt::LeftButton);
    hookKeys({{0x42, kPress}});
    EXPECT_EQ(second->comboPage()->capture().key(), 0u);
}

TEST_F(PickerTest, WithoutAHookTheKeysComeFromThePickersOwnKeyEvents) {
    auto picker = open(0, false);
    picker->show();
    CSetting_SingleComboDlg* page = picker->comboPage();
    EXPECT_EQ(page->keySource(), CSetting_SingleComboDlg::KeySource::OwnEvents);
    QTest::keyClick(picker.get(), Qt::Key_Control);
    QTest::keyClick(picker.get(), Qt::Key_Shift);
    QTest::keyClick(picker.get(), Qt::Key_Shift);  // on and off again
    // Keys sent to a control of the picker count the same, once.
    QTest::keyClick(page->box(KeyCapture::Alt), Qt::Key_F);
    EXPECT_TRUE(page->box(KeyCapture::Ctrl)->latched());
    EXPECT_FALSE(page->box(KeyCapture::Shift)->latched());
    EXPECT_EQ(page->keyText(), QStringLiteral("F"));
    // Enter and Escape are keys for the page and end nothing.
    QTest::keyClick(picker.get(), Qt::Key_Escape);
    EXPECT_TRUE(picker->isVisible());
    QTest::keyClick(picker.get(), Qt::Key_Return);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(page->keyText(), QStringLiteral("Enter"));
    QTest::keyClick(picker.get(), Qt::Key_F4);
    picker->pressOk();
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_EQ(picker->choice().value, makeComboCode(modifier::Ctrl, 0x3D));
}

TEST_F(PickerTest, AHookThatSeesNothingHandsTheKeysToThePickersWindow) {
    auto picker = open(0);
    CSetting_SingleComboDlg* page = picker->comboPage();
    page->hookWaitTimer().setInterval(0);
    QTest::keyClick(picker.get(), Qt::Key_Control);
    QTest::keyClick(picker.get(), Qt::Key_Q);
    // Nothing is taken while the hook may still report the keys.
    EXPECT_EQ(page->capture().key(), 0u);
    ASSERT_TRUE(test::spinUntil(
        [&] { return page->keySource() == CSetting_SingleComboDlg::KeySource::OwnEvents; }));
    EXPECT_TRUE(page->box(KeyCapture::Ctrl)->latched());
    EXPECT_EQ(page->keyText(), QStringLiteral("Q"));
    // A late report of the hook is not counted again.
    hookKeys({{0xA2, kPress}, {0x57, kPress}});
    EXPECT_TRUE(page->box(KeyCapture::Ctrl)->latched());
    EXPECT_EQ(page->keyText(), QStringLiteral("Q"));

    // The hook answering within the wait wins, and the window's copies are dropped.
    auto second = open(0);
    CSetting_SingleComboDlg* p2 = second->comboPage();
    QTest::keyClick(second.get(), Qt::Key_Alt);
    hookKeys({{0xA4, kPress}, {0xA4, kRelease}});
    EXPECT_EQ(p2->keySource(), CSetting_SingleComboDlg::KeySource::Hook);
    EXPECT_FALSE(p2->hookWaitTimer().isActive());
    EXPECT_TRUE(p2->box(KeyCapture::Alt)->latched());
}

TEST_F(PickerTest, EnterEscapeAndSpaceAreDiscardedOnTheOtherPages) {
    auto picker = open(0);
    picker->show();
    QTest::mouseClick(picker->tab(PickerPage::Basic), Qt::LeftButton);
    CListBoxEx* list = picker->basePage()->list();
    list->setFocus();
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(list, k);
        QTest::keyClick(picker.get(), k);
        EXPECT_TRUE(picker->isVisible()) << k;
    }
    EXPECT_EQ(list->currentSelection(), 23);
    // Other keys still work the list.
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentSelection(), 22);
    picker->pressOk();
    EXPECT_EQ(picker->choice().value, fn::Snipe);
}

TEST_F(PickerTest, OpensCentredOnItsWindowAndMovesWithItsSurface) {
    QWidget window;
    window.setGeometry(100, 80, 960, 650);
    auto* page = new QWidget(&window);  // the settings page opens it
    window.show();
    auto picker = open(0, true, page);
    EXPECT_EQ(picker->size(), QSize(412, 300));
    EXPECT_EQ(picker->pos(), QPoint(100 + (960 - 412) / 2, 80 + (650 - 300) / 2));
    picker->show();
    const QPoint before = picker->pos();
    QTest::mousePress(picker.get(), Qt::LeftButton, {}, QPoint(150, 280));
    QTest::mouseMove(picker.get(), QPoint(180, 300));
    QTest::mouseRelease(picker.get(), Qt::LeftButton, {}, QPoint(180, 300));
    EXPECT_EQ(picker->pos(), before + QPoint(30, 20));
    // A control is not the surface.
    QTest::mousePress(picker->okButton(), Qt::LeftButton);
    QTest::mouseMove(picker->okButton(), QPoint(40, 40));
    EXPECT_EQ(picker->pos(), before + QPoint(30, 20));
}

TEST_F(PickerTest, BasicListIsLabelledInTheLanguageOfItsCreation) {
    auto picker = open(0);
    CListBoxEx* list = picker->basePage()->list();
    ASSERT_EQ(list->count(), 24);
    EXPECT_EQ(list->itemText(0).toStdU16String(), language.strings().text(u"str_close"));
    EXPECT_EQ(list->itemText(23).toStdU16String(), language.strings().text(u"str_fire"));
    EXPECT_FALSE(list->itemText(9).isEmpty());
}

TEST_F(PickerTest, MacroPageListsTheChosenGamesMacros) {
    auto picker = open(4);
    CSetting_MacroDlg* page = picker->macroPage();
    CListBoxEx* games = page->gameList();
    CListBoxEx* macros = page->macroList();
    ASSERT_EQ(games->count(), 21);
    EXPECT_EQ(games->currentSelection(), 20);
    EXPECT_EQ(games->itemData(20), 20u);
    ASSERT_EQ(macros->count(), 2);
    EXPECT_EQ(macros->itemText(0), QStringLiteral("Own first"));
    EXPECT_EQ(macros->currentSelection(), 1);

    picker->showPage(PickerPage::Macro);
    games->setCurrentRow(2);  // game 3
    ASSERT_EQ(macros->count(), 1);
    EXPECT_EQ(macros->itemData(0), makeMacroId(3, 200));
    games->setCurrentRow(0);  // a game without macros
    EXPECT_EQ(macros->count(), 0);
    picker->pressOk();
    EXPECT_EQ(picker->result(), QDialog::Rejected);

    // A macro deleted since the list was made is not chosen.
    auto again = open(4);
    again->showPage(PickerPage::Macro);
    library.slot(12) = MacroEntry();
    again->pressOk();
    EXPECT_EQ(again->result(), QDialog::Rejected);
    EXPECT_EQ(again->choice().value, 0u);
}

TEST_F(PickerTest, AdvancedPageChoosesARowWithItsPath) {
    struct Case {
        const char* what;
        std::function<void(CSetting_AdvanceDlg&)> act;
        uint32_t value;
        int32_t kindIndex;
        QString path;
    };
    const QString program = QStringLiteral("/usr/bin/gimp");
    const Case cases[] = {
        {"browse on the program row",
         [](CSetting_AdvanceDlg& p) { QTest::mouseClick(p.browseButton(1), Qt::LeftButton); },
         (0xD0u + 3) << 16 | 6, 1, program},
        {"double click on the folder field",
         [](CSetting_AdvanceDlg& p) { QTest::mouseDClick(p.pathField(3), Qt::LeftButton); },
         (0xF0u + 3) << 16 | 6, 3, program},
        {"a chosen row without a path",
         [](CSetting_AdvanceDlg& p) { QTest::mouseClick(p.choiceButton(2), Qt::LeftButton); }, 0, 0,
         QString()},
        {"a folder chosen, then the sound row",
         [](CSetting_AdvanceDlg& p) {
             p.browse(3);
             QTest::mouseClick(p.choiceButton(0), Qt::LeftButton);
         },
         0, 0, QString()},
        {"a single click on a field does nothing",
         [](CSetting_AdvanceDlg& p) { QTest::mouseClick(p.pathField(2), Qt::LeftButton); }, 0, 0,
         QString()},
    };
    for (const Case& c : cases) {
        auto picker = open(3);
        picker->showPage(PickerPage::Advanced);
        CSetting_AdvanceDlg* page = picker->advancedPage();
        page->setPathChooser([&](int) { return program; });
        c.act(*page);
        picker->pressOk();
        EXPECT_EQ(picker->choice().value, c.value) << c.what;
        EXPECT_EQ(picker->result(), c.value ? QDialog::Accepted : QDialog::Rejected) << c.what;
        if (c.value == 0) continue;
        EXPECT_EQ(picker->choice().kind, fn::Software) << c.what;
        EXPECT_EQ(picker->choice().softwareKindIndex, c.kindIndex) << c.what;
        EXPECT_EQ(QString::fromStdU16String(picker->choice().path), c.path) << c.what;
        EXPECT_EQ(page->pathField(c.kindIndex)->text(), c.path) << c.what;
    }

    // A cancelled chooser keeps what the field showed.
    auto picker = open(0);
    CSetting_AdvanceDlg* page = picker->advancedPage();
    page->setPathChooser([&](int) { return program; });
    page->browse(1);
    page->setPathChooser([](int) { return QString(); });
    page->browse(1);
    EXPECT_EQ(page->path(1), program);
    EXPECT_TRUE(notices.shown.empty());

    // A path a button cannot hold whole is refused with a notice; one that fits is taken.
    const QString tooLong = QStringLiteral("/") + QString(259, QLatin1Char('a'));
    page->setPathChooser([&](int) { return tooLong; });
    page->browse(1);
    EXPECT_EQ(page->path(1), program);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, programText(ProgramText::PathTooLong, 2));
    page->setPathChooser([&](int) { return tooLong.left(259); });
    page->browse(1);
    EXPECT_EQ(page->path(1).size(), 259);
    picker->showPage(PickerPage::Advanced);
    picker->pressOk();
    EXPECT_EQ(picker->choice().path.size(), 259u);
}

TEST_F(PickerTest, TextsFollowTheLanguage) {
    auto picker = open(0);
    EXPECT_EQ(picker->okButton()->text().toStdU16String(), language.strings().text(u"str_ok"));
    notices.reply = true;
    language.ApplyLanguage(LanguageRequest::AtStartup, 1, false, notices);  // Simplified Chinese
    picker->refreshTexts();
    EXPECT_EQ(picker->okButton()->text().toStdU16String(), language.strings().text(u"str_ok"));
    EXPECT_EQ(picker->tab(PickerPage::Basic)->toolTip().toStdU16String(),
              language.strings().text(u"str_basic"));
    // Game names follow the Chinese flag of the page's creation.
    auto chinese = open(0);
    EXPECT_NE(chinese->macroPage()->gameList()->itemText(0),
              picker->macroPage()->gameList()->itemText(0));
}

}  // namespace
}  // namespace z408
