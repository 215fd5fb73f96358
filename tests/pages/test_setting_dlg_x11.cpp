// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The function picker's key page on a real X server (run by tests/gui/run_picker_xvfb.sh under
// Xvfb): keys typed on the desktop reach it through the X11 input hook, and without a hook they
// come from the picker's own window; either way each key counts once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "app/x11_hook_source.h"
#include "functions/key_tables.h"
#include "pages/setting_advance_dlg.h"
#include "pages/setting_dlg.h"
#include "pages/setting_single_combo_dlg.h"
#include "picker_harness.h"
#include "spin_until.h"
#include "widgets/gdi_bitmap_btn.h"

namespace z408 {
namespace {

// Types on the X server as a keyboard would (XTest), not into one window.
void type(const char* keys) {
    const std::string command = std::string("xdotool key --delay 20 ") + keys;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

class PickerX11Test : public ::testing::Test, public test::PickerHarness<X11HookSource> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(language.LoadLanguageFile("Language/en.xml"));
        source.setHook(&hook);
    }

    std::unique_ptr<CSettingDlg> open(bool withHook) {
        auto picker =
            std::make_unique<CSettingDlg>(context(withHook), 3, QStringLiteral("Forward"));
        picker->show();
        picker->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(picker.get()));
        // Without a window manager the keyboard follows the pointer.
        const QPoint centre = picker->geometry().center();
        const std::string move =
            "xdotool mousemove " + std::to_string(centre.x()) + " " + std::to_string(centre.y());
        EXPECT_EQ(std::system(move.c_str()), 0);
        return picker;
    }

    void expectCtrlShiftF(CSettingDlg& picker) {
        CSetting_SingleComboDlg* page = picker.comboPage();
        ASSERT_TRUE(test::spinUntil([&] { return page->capture().key() == 0x46; }));
        // Late copies of the same keys (the hook's, or the window's) would toggle the boxes
        // again; give them time to arrive.
        QTest::qWait(500);
        EXPECT_TRUE(page->box(KeyCapture::Ctrl)->latched());
        EXPECT_TRUE(page->box(KeyCapture::Shift)->latched());
        EXPECT_FALSE(page->box(KeyCapture::Alt)->latched());
        if (const char* shot = std::getenv("Z408_PICKER_SHOT")) picker.grab().save(shot);
        picker.pressOk();
        EXPECT_EQ(picker.result(), QDialog::Accepted);
        EXPECT_EQ(picker.choice().value, makeComboCode(modifier::Ctrl | modifier::Shift, 0x09));
    }
};

TEST_F(PickerX11Test, DesktopKeysReachTheKeyPageThroughTheHook) {
    ASSERT_TRUE(hook.install(test::kMainWindow));
    auto picker = open(true);
    type("ctrl+shift+f");
    expectCtrlShiftF(*picker);
    EXPECT_EQ(picker->comboPage()->keySource(), CSetting_SingleComboDlg::KeySource::Hook);
    EXPECT_FALSE(hook.keyboardForwarding());
    hook.remove();
}

TEST_F(PickerX11Test, WithoutAHookTheWindowsOwnKeysAreTaken) {
    auto picker = open(false);
    type("ctrl+shift+f");
    expectCtrlShiftF(*picker);
    // The Windows key of the desktop is Super.
    auto second = open(false);
    type("Super_L alt+d");
    CSetting_SingleComboDlg* page = second->comboPage();
    ASSERT_TRUE(test::spinUntil([&] { return page->capture().key() == 0x44; }));
    EXPECT_TRUE(page->box(KeyCapture::Win)->latched());
    EXPECT_TRUE(page->box(KeyCapture::Alt)->latched());
    EXPECT_FALSE(page->box(KeyCapture::Ctrl)->latched());
}

// The advanced page's own chooser: it opens in /usr/bin over the picker, and the program chosen
// in it becomes the row's path.
TEST_F(PickerX11Test, TheProgramChooserOpensInTheProgramsFolder) {
    auto picker = open(false);
    picker->showPage(PickerPage::Advanced);
    QString folder;
    QTimer answer;  // answers the dialog once it is up
    answer.setInterval(50);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        answer.stop();
        folder = dialog->directory().absolutePath();
        // Accepted as a person's OK would be, without QFileDialog's own existence check: that
        // reads the folder on a thread of its own and, when it has not yet, shows a "File not
        // found" box that would wait for a person.
        // Typed as a person would, whole, into the name box (selectFile() is applied later,
        // once the dialog's folder thread has read the folder).
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("/usr/bin/env"));
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    answer.start();
    QTest::mouseClick(picker->advancedPage()->browseButton(1), Qt::LeftButton);
    EXPECT_EQ(folder, QStringLiteral("/usr/bin"));
    EXPECT_EQ(picker->advancedPage()->path(1), QStringLiteral("/usr/bin/env"));
    picker->pressOk();
    EXPECT_EQ(QString::fromStdU16String(picker->choice().path), QStringLiteral("/usr/bin/env"));
    EXPECT_EQ(picker->choice().softwareKindIndex, 1);
}

}  // namespace
}  // namespace z408

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("SKIP: no X server (run through tests/gui/run_picker_xvfb.sh)");
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
