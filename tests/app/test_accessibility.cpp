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
#include "config/settings_page_rules.h"
#include "functions/keyboard_layout.h"
#include "functions/picker_rules.h"
#include "i18n/languages.h"
#include "macros/macro_fixtures.h"
#include "macros/macro_store.h"
#include "pages/dlg_led_set.h"
#include "pages/dlg_macro.h"
#include "pages/dlg_main_set.h"
#include "pages/setting_dlg.h"
#include "spin_until.h"
#include "widgets/bitmap_edit.h"
#include "widgets/color_btn.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/list_box_ex.h"
#include "widgets/menu_ex_a.h"
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

QString program(ProgramText t, int64_t languageId) {
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

    QString text(std::u16string_view key) const {
        return QString::fromStdU16String(context_->language().strings().text(key));
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

// The cases the screen reader reported: each control reads as what it stands for, with the role
// and state that fit it, and without a description shared by a whole group.
TEST_F(AccessibilityTest, ControlsReadAsWhatTheyStandFor) {
    CDlgMainSet* settings = window_->settingsPage();
    CDlgLEDSet* lighting = window_->lightingPage();
    const struct {
        const char* what;
        QWidget* widget;
        QString name;
        QAccessible::Role role;
        QString description;
    } cases[] = {
        {"apply", window_->applyButton(), QStringLiteral("Apply"), QAccessible::PushButton, {}},
        // The caption the tab shows, and its tooltip's longer title beside it.
        {"tab", window_->tabButton(1), QStringLiteral("Settings"), QAccessible::PageTab,
         QStringLiteral("Main settings")},
        {"profile",
         window_->profileButton(2),
         QStringLiteral("Profile 2"),
         QAccessible::RadioButton,
         {}},
        {"close", window_->closeButton(), QStringLiteral("Close"), QAccessible::PushButton, {}},
        {"dpi", settings->dpiButton(3), QStringLiteral("DPI 1250"), QAccessible::CheckBox, {}},
        {"rate",
         settings->reportRateButton(2),
         QStringLiteral("500 Hz"),
         QAccessible::RadioButton,
         {}},
        {"speed", settings->speedSlider(), QStringLiteral("Pointer speed"), QAccessible::Slider,
         text(u"str_mouseSpeed")},
        {"line count",
         settings->lineCountEdit(),
         QStringLiteral("Lines per notch"),
         QAccessible::EditableText,
         {}},
        {"forward",
         settings->buttonTab(3),
         QStringLiteral("Forward button: Forward"),
         QAccessible::PushButton,
         {}},
        {"marker", settings->marker(0), {}, QAccessible::Graphic, {}},
        {"swatch",
         lighting->swatch(2),
         QStringLiteral("Colour 3 #F87901"),
         QAccessible::RadioButton,
         {}},
        {"red",
         lighting->slider(LightingSlider::Red),
         QStringLiteral("Red"),
         QAccessible::Slider,
         {}},
        {"proximity", lighting->proximityButton(true), QStringLiteral("Proximity sensing: On"),
         QAccessible::RadioButton, text(u"str_proximity_sensing")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QAccessibleInterface* iface = of(c.widget);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(iface->text(QAccessible::Description), c.description);
    }

    // States follow the page: the tab shown is selected, the active profile and the rate in
    // force are checked, a page's hidden controls say so.
    window_->showTab(1);
    EXPECT_TRUE(of(window_->tabButton(1))->state().selected);
    EXPECT_FALSE(of(window_->tabButton(2))->state().selected);
    EXPECT_TRUE(of(window_->profileButton(1))->state().checked);
    EXPECT_FALSE(of(window_->profileButton(2))->state().checked);
    settings->clickReportRate(1);
    EXPECT_TRUE(of(settings->reportRateButton(1))->state().checked);
    EXPECT_FALSE(of(settings->reportRateButton(2))->state().checked);
    EXPECT_TRUE(of(lighting->swatch(0))->state().invisible);
    settings->clickScrollScreen();
    EXPECT_TRUE(of(settings->lineUpButton())->state().disabled);
    EXPECT_TRUE(of(settings->lineCountEdit())->state().disabled);

    // A slider tells its value and range, and one set through the screen reader reaches the
    // profile as a drag would.
    QAccessibleValueInterface* speed = of(settings->speedSlider())->valueInterface();
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->minimumValue().toInt(), kPointerSpeedMin);
    EXPECT_EQ(speed->maximumValue().toInt(), kPointerSpeedMax);
    speed->setCurrentValue(kPointerSpeedMax + 5);
    EXPECT_EQ(speed->currentValue().toInt(), kPointerSpeedMax);
    EXPECT_EQ(context_->profiles().active().pointerSpeed(),
              static_cast<uint32_t>(kPointerSpeedMax));

    // Pressing through the screen reader is a click: a DPI level that is on goes off and on
    // again.
    int on = 0;
    while (on < kDpiChoiceCount && !settings->dpiButton(on)->latched()) ++on;
    ASSERT_LT(on, kDpiChoiceCount);
    QAccessibleInterface* dpi = of(settings->dpiButton(on));
    ASSERT_TRUE(dpi->state().checked);
    // The press comes from the event loop, so that a dialog it opens does not hold the caller.
    dpi->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(test::spinUntil([&] { return !dpi->state().checked; }, 2000));
    dpi->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(test::spinUntil([&] { return dpi->state().checked; }, 2000));
    // A picture takes no presses.
    EXPECT_TRUE(of(settings->marker(0))->actionInterface()->actionNames().isEmpty() ||
                !of(settings->marker(0))
                     ->actionInterface()
                     ->actionNames()
                     .contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(AccessibilityTest, NamesFollowALanguageSwitch) {
    constexpr int kGerman = 5;
    QTest::mouseClick(window_->languageButton(), Qt::LeftButton);
    CMenuExA* popup = window_->languagePopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const CMenuEx::Item& item = popup->items()[kGerman - 1];
    QTest::mouseMove(popup, item.rect.center());
    QTest::mouseClick(popup, Qt::LeftButton, {}, item.rect.center());
    ASSERT_TRUE(test::spinUntil([&] { return window_->languagePopup() == nullptr; }, 2000));
    ASSERT_EQ(context_->language().languageId(), kGerman);

    EXPECT_EQ(of(window_->applyButton())->text(QAccessible::Name),
              program(ProgramText::CaptionApply, kGerman));
    EXPECT_EQ(of(window_->tabButton(1))->text(QAccessible::Name),
              program(ProgramText::CaptionTabSettings, kGerman));
    EXPECT_EQ(of(window_->tabButton(1))->text(QAccessible::Description), text(u"str_main"));
    EXPECT_NE(text(u"str_main"), QStringLiteral("Main settings"));
    EXPECT_TRUE(of(window_->settingsPage()->buttonTab(3))
                    ->text(QAccessible::Name)
                    .startsWith(program(ProgramText::ButtonForward, kGerman) + ": "));
    EXPECT_EQ(of(window_->settingsPage()->speedSlider())->text(QAccessible::Name),
              program(ProgramText::CaptionPointerSpeed, kGerman));
    EXPECT_TRUE(of(window_->lightingPage()->swatch(2))
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Farbe 3 ")));
}

// The rows of a skinned list: named (by what a row says when it reads differently), selected,
// and not showing while the list is hidden.
TEST(SkinListAccessibility, RowsAreNamedSelectedAndHiddenWithTheirList) {
    installSkinAccessibility();
    QWidget page;
    page.resize(200, 200);
    auto* list = new CListBoxEx(&page);
    list->setGeometry(0, 0, 200, 200);
    list->AddItem(CListBoxEx::Down, QStringLiteral("A"), 0x41);
    list->AddItem(CListBoxEx::Up, QStringLiteral("A"), 0x41);
    list->item(0)->setData(Qt::AccessibleTextRole, QStringLiteral("Press A"));
    list->setCurrentRow(1);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    QAccessibleInterface* iface = of(list);
    EXPECT_EQ(iface->role(), QAccessible::List);
    ASSERT_EQ(iface->childCount(), 2);
    QAccessibleInterface* first = iface->child(0);
    QAccessibleInterface* second = iface->child(1);
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Press A"));
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("A"));
    EXPECT_FALSE(first->state().selected);
    EXPECT_TRUE(second->state().selected);
    EXPECT_FALSE(first->state().invisible);
    EXPECT_EQ(iface->indexOfChild(second), 1);
    EXPECT_EQ(first->parent(), iface);

    // Choosing a row through the screen reader is the person's choice.
    int reported = -1;
    QObject::connect(list, &CListBoxEx::listSelected, [&](int, int row) { reported = row; });
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(reported, 0);
    EXPECT_TRUE(first->state().selected);

    list->hide();
    EXPECT_TRUE(first->state().invisible);
    EXPECT_TRUE(second->state().invisible);
    list->DeleteItem(1);
    EXPECT_EQ(iface->childCount(), 1);
    EXPECT_EQ(iface->child(1), nullptr);
}

TEST_F(AccessibilityTest, ThePickersPagesTheInformationBoxAndTheProgressWindowToo) {
    const PickerContext context{QStringLiteral(Z408_PROGRAM_DIR),
                                context_->language(),
                                context_->macros().library(),
                                nullptr,
                                nullptr,
                                context_->notices(),
                                UsKeyboardLayout::instance()};
    CSettingDlg picker(context, 3, QStringLiteral("Forward"), window_.get());
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    for (int page = 1; page <= kPickerPageCount; ++page) {
        SCOPED_TRACE(page);
        picker.showPage(static_cast<PickerPage>(page));
        EXPECT_EQ(joined(faults(of(&picker))), "");
        EXPECT_TRUE(of(picker.tab(static_cast<PickerPage>(page)))->state().selected);
    }
    picker.hide();

    CDlgInfo box(QStringLiteral("Restore the default settings?"), InfoButtons::OkCancel,
                 InfoCountdown::None, 2);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(joined(faults(of(&box))), "");
    box.hide();

    CDlgProgress progress(QStringLiteral(Z408_PROGRAM_DIR), 2);
    progress.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&progress));
    EXPECT_EQ(joined(faults(of(&progress))), "");
}

}  // namespace
}  // namespace z408
