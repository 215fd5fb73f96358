// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The settings page and the function picker worked from the keyboard alone, on Qt's offscreen
// platform: the order Tab walks, the focus mark that only the keyboard shows, Space, Enter and
// the arrows storing into the profile exactly what the same clicks store, and the picker's key
// capture, which keeps every key until a keyboard user's combination is whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>

#include "common/user_notices.h"
#include "config/profile_store.h"
#include "functions/key_tables.h"
#include "i18n/language_context.h"
#include "macros/macro_library.h"
#include "pages/dlg_main_set.h"
#include "pages/picker_harness.h"
#include "pages/setting_single_combo_dlg.h"
#include "shell/hook_fakes.h"
#include "temp_dir.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/keyboard_focus.h"
#include "widgets/png_h_slider_bar.h"

namespace z408 {
namespace {

// What the page stores, for comparing two ways of getting there.
struct Stored {
    std::array<uint32_t, kDpiLevelCount> dpi{};
    uint32_t rate = 0, precision = 0, speed = 0, height = 0;
    int wheelLines = 0;
    bool operator==(const Stored&) const = default;
};

class KeyboardPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(language.LoadLanguageFile("Language/en.xml"));
        store.active().fillDefaults(false);
        page = std::make_unique<CDlgMainSet>(QStringLiteral(Z408_PROGRAM_DIR), false, language,
                                             store, macros, notices, nullptr, nullptr);
        chainTabOrder(page->tabChain());
        page->refreshFromProfile();
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }
    void TearDown() override { KeyboardFocus::setKeyboardLeads(false); }

    Stored stored() const {
        const ProfileSettings& p = store.active();
        Stored s;
        for (int i = 0; i < kDpiLevelCount; ++i) s.dpi[static_cast<size_t>(i)] = p.dpiLevel(i);
        s.rate = p.reportRateCode();
        s.precision = p.enhancePrecision();
        s.speed = p.pointerSpeed();
        s.height = p.heightSlider();
        s.wheelLines = p.wheelLines();
        return s;
    }
    void resetProfile() {
        store.active().fillDefaults(false);
        page->refreshFromProfile();
    }
    // A key typed at whatever holds the focus, as the window system would deliver it.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, mods);
    }
    void focusByKeyboard(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }

    test::TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    RecordingNotices notices;
    ProfileStore store{dir.path(), notices};
    MacroLibrary macros;
    std::unique_ptr<CDlgMainSet> page;
};

TEST_F(KeyboardPageTest, TabWalksThePageSectionBySectionAndBack) {
    CDlgMainSet& p = *page;
    std::vector<QWidget*> expected;
    for (int i = 0; i < kDpiChoiceCount; ++i) expected.push_back(p.dpiButton(i));
    expected.insert(expected.end(), {p.speedSlider(), p.precisionButton(), p.heightSlider()});
    for (int i = 0; i < kReportRateChoiceCount; ++i) expected.push_back(p.reportRateButton(i));
    expected.insert(expected.end(), {p.scrollLinesButton(), p.lineCountEdit(), p.lineUpButton(),
                                     p.lineDownButton(), p.scrollScreenButton()});
    for (int i = 0; i < kButtonCount; ++i) expected.push_back(p.buttonTab(i));

    focusByKeyboard(expected.front());
    std::vector<QWidget*> walked{QApplication::focusWidget()};
    for (size_t i = 1; i < expected.size(); ++i) {
        key(Qt::Key_Tab);  // also out of the line-count field, which used to keep it
        walked.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(walked, expected);
    for (size_t i = expected.size() - 1; i-- > 0;) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "back to " << i;
    }

    // Scrolling by screen: the line count and its arrows cannot be used and are passed over.
    QTest::mouseClick(p.scrollScreenButton(), Qt::LeftButton);
    focusByKeyboard(p.scrollLinesButton());
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), p.scrollScreenButton());
}

TEST_F(KeyboardPageTest, FocusMarkOnlyWhileTheKeyboardLeads) {
    CGDIBitmapBtn* first = page->dpiButton(0);
    focusByKeyboard(first);
    key(Qt::Key_Tab);
    CGDIBitmapBtn* second = page->dpiButton(1);
    EXPECT_TRUE(KeyboardFocus::markShown(second));
    EXPECT_FALSE(KeyboardFocus::markShown(first));
    // A click elsewhere: the focus stays, its mark goes, and the click takes no focus itself.
    QTest::mouseClick(page->reportRateButton(0), Qt::LeftButton);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_FALSE(KeyboardFocus::markShown(second));
    key(Qt::Key_Right);
    EXPECT_TRUE(KeyboardFocus::markShown(page->dpiButton(2)));
    // The mark is drawn in the skin's accent inside the control's edge.
    const QImage look = page->dpiButton(2)->grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() / 2, 1), QColor(0x3C, 0xC8, 0xFF));
}

TEST_F(KeyboardPageTest, KeysStoreWhatTheSameClicksStore) {
    struct Step {
        const char* what;
        std::function<QWidget*(CDlgMainSet&)> control;
    };
    // DPI: the seventh level cannot join until one goes; precision twice; a report rate; the
    // wheel by screen and back; the line count up.
    const std::vector<Step> steps = {
        {"dpi 13", [](CDlgMainSet& p) { return p.dpiButton(13); }},
        {"dpi 1", [](CDlgMainSet& p) { return p.dpiButton(1); }},
        {"dpi 13 again", [](CDlgMainSet& p) { return p.dpiButton(13); }},
        {"precision", [](CDlgMainSet& p) { return p.precisionButton(); }},
        {"rate 250", [](CDlgMainSet& p) { return p.reportRateButton(1); }},
        {"by screen", [](CDlgMainSet& p) { return p.scrollScreenButton(); }},
        {"by lines", [](CDlgMainSet& p) { return p.scrollLinesButton(); }},
        {"line up", [](CDlgMainSet& p) { return p.lineUpButton(); }},
    };
    for (const Step& s : steps) QTest::mouseClick(s.control(*page), Qt::LeftButton);
    const Stored byClicks = stored();
    ASSERT_NE(byClicks, (resetProfile(), stored()));

    for (size_t i = 0; i < steps.size(); ++i) {
        focusByKeyboard(steps[i].control(*page));
        key(i % 2 ? Qt::Key_Return : Qt::Key_Space);
    }
    EXPECT_EQ(stored(), byClicks);
}

TEST_F(KeyboardPageTest, ArrowsMoveInRowsAndSliders) {
    // DPI: the arrows only move (two lines of seven); Space turns the reached one on or off.
    const Stored before = stored();
    focusByKeyboard(page->dpiButton(2));
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), page->dpiButton(10));
    key(Qt::Key_Up);
    key(Qt::Key_Home);
    EXPECT_EQ(QApplication::focusWidget(), page->dpiButton(0));
    EXPECT_EQ(stored(), before);

    // Report rate: one of four, chosen by reaching it, as a click on it would.
    focusByKeyboard(page->reportRateButton(3));
    key(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), page->reportRateButton(2));
    EXPECT_EQ(store.active().reportRateCode(), kReportRateChoices[2].code);
    EXPECT_TRUE(page->reportRateButton(2)->latched());
    EXPECT_FALSE(page->reportRateButton(3)->latched());
    key(Qt::Key_Home);
    EXPECT_EQ(store.active().reportRateCode(), kReportRateChoices[0].code);

    // Pointer speed: a step, a larger step, the ends; the thumb and the profile agree.
    CPngHSliderBar* speed = page->speedSlider();
    speed->SetPos(10);
    focusByKeyboard(speed);
    key(Qt::Key_Right);
    EXPECT_EQ(store.active().pointerSpeed(), 11u);
    key(Qt::Key_PageDown);
    EXPECT_EQ(store.active().pointerSpeed(), 9u);
    key(Qt::Key_End);
    EXPECT_EQ(store.active().pointerSpeed(), static_cast<uint32_t>(kPointerSpeedMax));
    EXPECT_EQ(speed->value(), kPointerSpeedMax);
    key(Qt::Key_Home);
    EXPECT_EQ(store.active().pointerSpeed(), static_cast<uint32_t>(kPointerSpeedMin));

    // Escape and Enter on the page itself close nothing and change nothing.
    const Stored now = stored();
    focusByKeyboard(page->lineCountEdit());
    key(Qt::Key_Escape);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(stored(), now);
}

class KeyboardPickerTest : public ::testing::Test,
                           public test::PickerHarness<test::FakeInputSource> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(language.LoadLanguageFile("Language/en.xml"));
        ASSERT_TRUE(hook.install(test::kMainWindow));
        hook.setForwarding(HookInputs::Neither);
    }
    void TearDown() override { KeyboardFocus::setKeyboardLeads(false); }

    // Opened without a hook, so the picker's own key events are the capture's.
    std::unique_ptr<CSettingDlg> open(bool byKeyboard) {
        KeyboardFocus::setKeyboardLeads(byKeyboard);
        auto picker = std::make_unique<CSettingDlg>(context(false), 3, QStringLiteral("Forward"));
        picker->show();
        picker->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(picker.get()));
        return picker;
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, mods);
    }
};

TEST_F(KeyboardPickerTest, KeyboardUserTypesACombinationThenConfirmsWithSpace) {
    auto picker = open(true);
    CSetting_SingleComboDlg* combo = picker->comboPage();
    // Tab, an arrow and Space are keys for the capture while it listens: nothing moves.
    key(Qt::Key_Tab);
    EXPECT_EQ(combo->keyText(), QStringLiteral("Tab"));
    EXPECT_EQ(QApplication::focusWidget(), picker->okButton());  // a whole combination
    // Listening again from the key page's tab; Ctrl+A is typed as a person does.
    picker->tab(PickerPage::KeyCombination)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    key(Qt::Key_A, Qt::ControlModifier);  // Ctrl down, A down and up, Ctrl up
    EXPECT_EQ(combo->keyText(), QStringLiteral("A"));
    EXPECT_TRUE(combo->box(KeyCapture::Ctrl)->latched());
    ASSERT_EQ(QApplication::focusWidget(), picker->okButton());
    EXPECT_TRUE(KeyboardFocus::markShown(picker->okButton()));
    key(Qt::Key_Space);
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_EQ(picker->choice().value, makeComboCode(modifier::Ctrl, 0x04));
}

TEST_F(KeyboardPickerTest, PointerUserKeepsCapturingNavigationKeys) {
    auto picker = open(false);
    CSetting_SingleComboDlg* combo = picker->comboPage();
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return}) {
        key(k);
        EXPECT_TRUE(picker->isVisible());
        EXPECT_NE(QApplication::focusWidget(), picker->okButton());
    }
    EXPECT_EQ(combo->keyText(), QStringLiteral("Enter"));
    EXPECT_FALSE(KeyboardFocus::keyboardLeads());
}

TEST_F(KeyboardPickerTest, CtrlTabSwitchesPagesOnceTheCaptureIsDone) {
    auto picker = open(true);
    key(Qt::Key_B);  // the capture ends with this whole "combination"
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(picker->currentPage(), PickerPage::Macro);
    EXPECT_EQ(QApplication::focusWidget(), picker->tab(PickerPage::Macro));
    // Back over the key page, which shows without listening on the way.
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(picker->currentPage(), PickerPage::KeyCombination);
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(picker->currentPage(), PickerPage::Advanced);
    EXPECT_EQ(picker->comboPage()->keyText(), QStringLiteral("B"));
    // Tab walks on from the tab into the page; Escape closes nothing.
    key(Qt::Key_Escape);
    EXPECT_TRUE(picker->isVisible());
    key(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), picker->tab(PickerPage::Advanced));
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    EXPECT_EQ(picker->currentPage(), PickerPage::Basic);
}

}  // namespace
}  // namespace z408
