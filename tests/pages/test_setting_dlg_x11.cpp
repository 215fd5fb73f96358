// The function picker's key page on a real X server (run by tests/gui/run_picker_xvfb.sh under
// Xvfb): keys typed on the desktop reach it through the X11 input hook, and without a hook they
// come from the picker's own window; either way each key counts once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "app/x11_hook_source.h"
#include "functions/key_tables.h"
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
        auto picker = makePicker(withHook, 3, QStringLiteral("Forward"));
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
