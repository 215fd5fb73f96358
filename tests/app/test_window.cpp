// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window, its dialogs and their reactions, on Qt's offscreen platform with the simulated mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "app/app_context.h"
#include "app/dlg_info.h"
#include "app/dlg_progress.h"
#include "app/linux_bring_up_platform.h"
#include "app/program_endings.h"
#include "app/termination_signals.h"
#include "app/z119k_driver_dlg.h"
#include "common/file_io.h"
#include "common/program_texts.h"
#include "common/text.h"
#include "config/profile_table.h"
#include "desktop/child_process.h"
#include "device/simulated_mouse.h"
#include "device/usb_driver.h"
#include "i18n/language_file.h"
#include "i18n/languages.h"
#include "macros/macro_fixtures.h"
#include "macros/macro_store.h"
#include "pages/dlg_led_set.h"
#include "pages/dlg_macro.h"
#include "pages/dlg_main_set.h"
#include "pages/dlg_sts.h"
#include "pages/dlg_support.h"
#include "pages/setting_dlg.h"
#include "pages/setting_single_combo_dlg.h"
#include "pages/skin_page.h"
#include "shell/device_bring_up.h"
#include "shell/input_hook.h"
#include "spin_until.h"
#include "stats/motion_cursor.h"
#include "temp_dir.h"
#include "update/update_checker.h"
#include "widgets/bitmap_edit.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/list_box_ex.h"
#include "widgets/menu_ex_a.h"
#include "widgets/png_h_progress_bar.h"
#include "widgets/png_h_slider.h"
#include "widgets/png_h_slider_bar.h"
#include "widgets/skin_image.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

using test::spinUntil;

// Runs `action` on the next window that `find` returns (polled from the event loop, so it also
// works while a caller sits in exec()).
void onNextWindow(std::function<QWidget*()> find, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, find, action] {
        QWidget* w = find();
        if (!w || !w->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        action(w);
    });
    poll->start(10);
}

// The same for the next modal dialog; with `infoBoxOnly` only an information box counts.
void onNextModal(std::function<void(QWidget*)> action, bool infoBoxOnly = false) {
    onNextWindow(
        [infoBoxOnly]() -> QWidget* {
            QWidget* w = QApplication::activeModalWidget();
            return infoBoxOnly && !qobject_cast<CDlgInfo*>(w) ? nullptr : w;
        },
        std::move(action));
}

std::vector<uint8_t> readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QPoint centreOf(const QWidget* w) {
    return w->rect().center();
}

// ---------------------------------------------------------------------------------------------
// Information box

struct InfoCase {
    const char* name;
    InfoButtons buttons;
    std::function<void(CDlgInfo&)> act;
    int expected;
};

TEST(CDlgInfo, EachWayOfClosingGivesItsResult) {
    const InfoCase cases[] = {
        {"OK button", InfoButtons::Ok,
         [](CDlgInfo& d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); }, QDialog::Accepted},
        {"close button", InfoButtons::Ok,
         [](CDlgInfo& d) { QTest::mouseClick(d.closeButton(), Qt::LeftButton); },
         QDialog::Rejected},
        {"Cancel button", InfoButtons::OkCancel,
         [](CDlgInfo& d) { QTest::mouseClick(d.cancelButton(), Qt::LeftButton); },
         QDialog::Rejected},
        {"OK of two", InfoButtons::OkCancel,
         [](CDlgInfo& d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); }, QDialog::Accepted},
        {"Enter", InfoButtons::OkCancel, [](CDlgInfo& d) { QTest::keyClick(&d, Qt::Key_Return); },
         QDialog::Accepted},
        {"Escape", InfoButtons::Ok, [](CDlgInfo& d) { QTest::keyClick(&d, Qt::Key_Escape); },
         QDialog::Rejected},
    };
    for (const InfoCase& c : cases) {
        SCOPED_TRACE(c.name);
        CDlgInfo box(QStringLiteral("Message"), c.buttons, InfoCountdown::None, 2);
        box.setResult(-1);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        c.act(box);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), c.expected);
    }
}

TEST(CDlgInfo, ButtonsSitWhereTheFormPutsThem) {
    CDlgInfo one(QStringLiteral("x"), InfoButtons::Ok, InfoCountdown::None, 2);
    EXPECT_EQ(one.cancelButton(), nullptr);
    EXPECT_EQ(one.okButton()->geometry(), QRect(240, 127, 66, 32));
    EXPECT_EQ(one.closeButton()->geometry(), QRect(300, 0, 29, 29));
    CDlgInfo two(QStringLiteral("x"), InfoButtons::OkCancel, InfoCountdown::None, 1);
    EXPECT_EQ(two.okButton()->geometry(), QRect(178, 127, 66, 32));
    EXPECT_EQ(two.cancelButton()->geometry(), QRect(245, 127, 66, 32));
    EXPECT_EQ(two.okCaption(), QStringLiteral("确定"));
    EXPECT_EQ(two.cancelButton()->text(), QStringLiteral("取消"));
}

// The caption and the buttons follow the interface language, not only Chinese and English.
TEST(CDlgInfo, CaptionAndButtonsFollowTheLanguage) {
    struct Case {
        int64_t language;
        QString caption, ok, cancel;
    } cases[] = {
        {1, QStringLiteral("提示"), QStringLiteral("确定"), QStringLiteral("取消")},
        {2, QStringLiteral("Tips"), QStringLiteral("OK"), QStringLiteral("Cancel")},
        {10, QStringLiteral("Сообщение"), QStringLiteral("ОК"), QStringLiteral("Отмена")},
        {5, QStringLiteral("Hinweis"), QStringLiteral("OK"), QStringLiteral("Abbruch")},
        {0, QStringLiteral("Tips"), QStringLiteral("OK"),
         QStringLiteral("Cancel")},  // none read yet
    };
    for (const auto& c : cases) {
        CDlgInfo box(QStringLiteral("x"), InfoButtons::OkCancel, InfoCountdown::None, c.language);
        EXPECT_EQ(box.caption(), c.caption) << c.language;
        EXPECT_EQ(box.okCaption(), c.ok) << c.language;
        EXPECT_EQ(box.cancelButton()->text(), c.cancel) << c.language;
    }
    const QFontMetrics fm(skinFont(14, QFont::Light));
    for (int64_t id = 1; id <= kProgramTextLanguages; ++id) {  // the caption's place: 90 pixels
        CDlgInfo box(QStringLiteral("x"), InfoButtons::Ok, InfoCountdown::None, id);
        EXPECT_LE(fm.horizontalAdvance(box.caption()), 90) << id;
    }
}

TEST(CDlgInfo, CountdownShowsFiveFiveFourThreeTwoOneThenClosesLikeTheCross) {
    for (bool chinese : {false, true}) {
        CDlgInfo box(QStringLiteral("The Z408 gaming mouse is found."), InfoButtons::Ok,
                     InfoCountdown::Closes, chinese ? 1 : 2);
        box.countdownTimer().stop();  // ticked by hand below
        box.show();
        const QString ok = chinese ? QStringLiteral("确定") : QStringLiteral("OK");
        EXPECT_EQ(box.okCaption(), ok + QStringLiteral(" (5s)"));
        for (int shown : {5, 4, 3, 2, 1}) {
            box.countdownTick();
            EXPECT_EQ(box.okCaption(), QStringLiteral("%1 (%2s)").arg(ok).arg(shown));
            EXPECT_TRUE(box.isVisible());
        }
        box.countdownTick();
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Rejected);
    }
}

TEST(CDlgInfo, TimedBoxEndsByItselfAndOkBeforeThatEndsItAtOnce) {
    {
        CDlgInfo box(QStringLiteral("gone"), InfoButtons::Ok, InfoCountdown::Closes, 2);
        box.countdownTimer().setInterval(5);
        EXPECT_EQ(box.exec(), QDialog::Rejected);
    }
    {
        CDlgInfo box(QStringLiteral("found"), InfoButtons::Ok, InfoCountdown::Closes, 2);
        QTimer::singleShot(0, &box, [&] { QTest::mouseClick(box.okButton(), Qt::LeftButton); });
        EXPECT_EQ(box.exec(), QDialog::Accepted);
        EXPECT_FALSE(box.countdownTimer().isActive());
    }
}

// The program's own notices that come in the information box are read whole in every language.
TEST(CDlgInfo, TheProgramsOwnNoticesFitTheBoxInEveryLanguage) {
    for (ProgramText text :
         {ProgramText::NoUpdateServer, ProgramText::NoWebSite, ProgramText::UpdateServerSilent,
          ProgramText::ButtonHeldByAnotherProgram, ProgramText::ProfileSwitchedWhileOpen,
          ProgramText::RecordedMacroDeleted}) {
        for (int32_t id = 1; id <= kProgramTextLanguages; ++id) {
            const QString shown = QString::fromUtf8(programText(text, id));
            EXPECT_TRUE(CDlgInfo::messageFits(shown)) << shown.toStdString();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Progress dialog

TEST(CDlgProgress, ClosesAfterReachingOneHundredAndIgnoresEveryOtherWayOut) {
    CDlgProgress dlg(QStringLiteral(Z408_PROGRAM_DIR), 2);
    bool closedEarly = false;
    QTimer::singleShot(0, &dlg, [&] {
        QTest::keyClick(&dlg, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QTest::keyClick(&dlg, Qt::Key_Return);
        QTest::keyClick(&dlg, Qt::Key_Space);
        dlg.close();  // what a window manager's close does
        closedEarly = !dlg.isVisible();
        for (int p = 10; p < 100; p += 10) dlg.setProgress(p);
        EXPECT_EQ(dlg.bar()->value(), 90);
        EXPECT_TRUE(dlg.isVisible());
        dlg.setProgress(100);
        EXPECT_TRUE(dlg.closeTimer().isActive());
    });
    dlg.run();
    EXPECT_FALSE(closedEarly);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.progress(), 100);
    // The next run starts again from 0.
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_EQ(dlg.progress(), 0);
        dlg.finish();
    });
    dlg.run();
}

// ---------------------------------------------------------------------------------------------
// Main window

// The hook's platform side, recorded; the hook posts to the window under test.
class RecordingSource : public InputSource {
  public:
    int starts = 0, stops = 0;
    bool start() override {
        ++starts;
        return true;
    }
    void stop() override { ++stops; }
};
class OneWindow : public WindowSinks {
  public:
    explicit OneWindow(CZ119KDriverDlg& w) : window(w) {}
    MessageSink* sinkOf(WindowId id) override {
        return id == CZ119KDriverDlg::kWindowId ? &window.sink() : nullptr;
    }
    CZ119KDriverDlg& window;
};

// Every window the hook may post to, as the program's own table has them.
class HookWindows : public WindowSinks {
  public:
    explicit HookWindows(CZ119KDriverDlg& w) : window(w) {}
    MessageSink* sinkOf(WindowId id) override { return window.hookSink(id); }
    CZ119KDriverDlg& window;
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        data_ = fs::temp_directory_path() /
                ("z408-window-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(data_);
    }
    void TearDown() override {
        window_.reset();
        context_.reset();
        fs::remove_all(data_);
    }

    // The window on a fresh data directory; `withMouse` gives it a simulated mouse (real pauses).
    void start(bool withMouse) {
        std::unique_ptr<HidTransport> transport;
        if (withMouse) {
            auto sim = std::make_unique<SimulatedMouse>(SystemClock::instance());
            mouse_ = sim.get();
            transport = std::move(sim);
        }
        context_ = std::make_unique<AppContext>(ProgramFolders::inOneFolder(programDir_), data_,
                                                SystemClock::instance(), std::move(transport));
        context_->language().LoadLanguageFile("Language/sc.xml");
        window_ = std::make_unique<CZ119KDriverDlg>(*context_);
        QObject::connect(window_.get(), &CZ119KDriverDlg::finished, [this] { finished_ = true; });
        window_->setHookSourceView(view_);
        window_->initialise();
        QCoreApplication::processEvents();  // the posted language choice
        if (withMouse) {
            ASSERT_TRUE(context_->driver()->Open());
            context_->startUploader(window_->sink());
        }
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    size_t keyMapWrites() const {
        size_t n = 0;
        for (const SimulatedReport& r : mouse_->reports())
            if (r.kind == 'F' && r.bytes.size() > 1 && r.bytes[1] == cmd::KeyMap) ++n;
        return n;
    }

    QString text(std::u16string_view key) const {
        const std::u16string& t = context_->language().strings().text(key);
        return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
    }

    fs::path programDir_ = Z408_PROGRAM_DIR;
    fs::path data_;
    HookSourceView view_;  // what start() tells the window of the hook's source
    SimulatedMouse* mouse_ = nullptr;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<CZ119KDriverDlg> window_;
    bool finished_ = false;
};

TEST_F(WindowTest, ControlsSitAtTheirPlaces) {
    start(false);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Tarvo Z408 Gaming Mouse Driver"));
    EXPECT_EQ(window_->size(), QSize(960, 650));
    EXPECT_EQ(window_->minimiseButton()->geometry(), QRect(887, 2, 34, 31));
    EXPECT_EQ(window_->closeButton()->geometry(), QRect(922, 2, 34, 31));
    EXPECT_EQ(window_->tabButton(1)->geometry(), QRect(30, 85, 181, 37));
    EXPECT_EQ(window_->profileButton(3)->geometry(), QRect(513, 608, 116, 28));
    EXPECT_EQ(window_->applyButton()->geometry(), QRect(806, 591, 135, 42));
    EXPECT_EQ(window_->languageButton()->geometry(), QRect(15, 617, 42, 18));
    EXPECT_EQ(window_->languageFlag()->geometry(), QRect(19, 592, 36, 23));  // inside its frame
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(window_->page(t)->geometry(), QRect(15, 128, 925, 452));
    // Each page shows its own skin.
    EXPECT_FALSE(window_->page(1)->normalImage().isNull());
    EXPECT_NE(window_->page(1)->normalImage(), window_->page(2)->normalImage());
    // The pressed and hover images the page's controls are cut from, read on demand.
    CSkinPage* lighting = window_->page(2);
    EXPECT_EQ(lighting->downImage().size(), lighting->normalImage().size());
    EXPECT_NE(lighting->downImage(), lighting->normalImage());
    EXPECT_NE(lighting->overImage(), lighting->normalImage());
    lighting->releaseStateImages();
    EXPECT_FALSE(lighting->downImage().isNull());
}

TEST_F(WindowTest, TabsShowTheirPageAndOnlyTheFirstTwoAllowProfilesAndApply) {
    start(false);
    for (int tab : {3, 1, 4, 2, 5}) {
        SCOPED_TRACE(tab);
        CIrrButton* b = window_->tabButton(tab);
        QTest::mouseClick(b, Qt::LeftButton, {},
                          b->boundingBox().center() - b->boundingBox().topLeft());
        EXPECT_EQ(window_->currentTab(), tab);
        for (int t = 1; t <= 5; ++t) {
            EXPECT_EQ(window_->page(t)->isVisible(), t == tab);
            EXPECT_EQ(window_->tabButton(t)->latched(), t == tab);
        }
        const bool editable = tab <= 2;
        for (int p = 1; p <= 5; ++p) EXPECT_EQ(window_->profileButton(p)->isEnabled(), editable);
        EXPECT_EQ(window_->applyButton()->isEnabled(), editable);
    }
}

TEST_F(WindowTest, ImagesLetGoInTheTrayComeBackTheSameWhenShownAgain) {
    start(false);
    std::array<QImage, 6> before;
    for (int tab = 1; tab <= 5; ++tab) {
        window_->showTab(tab);
        before[static_cast<size_t>(tab)] = window_->grab().toImage();
    }
    const QImage lightingNormal = window_->page(2)->normalImage();
    window_->hide();
    window_->releaseWhileHidden();
    window_->showFromTray();
    for (int tab : {5, 2, 1, 4, 3}) {
        SCOPED_TRACE(tab);
        window_->showTab(tab);
        EXPECT_EQ(window_->grab().toImage(), before[static_cast<size_t>(tab)]);
    }
    // The colour wheel picks from the page image, read again when asked for.
    EXPECT_EQ(window_->page(2)->normalImage(), lightingNormal);
}

TEST_F(WindowTest, HoveringAControlShowsItsHintAndMovingOffClearsIt) {
    start(false);
    ASSERT_FALSE(text(u"str_profile3").isEmpty());
    const struct {
        QWidget* control;
        std::u16string_view key;
    } cases[] = {
        {window_->profileButton(3), u"str_profile3"},
        {window_->tabButton(2), u"str_led_title"},
        {window_->applyButton(), u"str_ok"},
    };
    for (const auto& c : cases) {
        QTest::mouseMove(c.control, centreOf(c.control));
        ASSERT_TRUE(spinUntil([&] { return window_->hintText() == text(c.key); }, 2000))
            << window_->hintText().toStdString();
        QTest::mouseMove(window_.get(), QPoint(480, 40));
        EXPECT_TRUE(spinUntil([&] { return window_->hintText().isEmpty(); }, 2000));
    }
}

// The pointer over a slider's bar or thumb shows the slider's hint, and a hint longer than a
// line takes the hint line's second line whole.
TEST_F(WindowTest, SlidersShowTheirHintsAndALongHintWrapsToTheSecondLine) {
    start(false);
    window_->showTab(1);
    CDlgMainSet* page = window_->settingsPage();
    const QString height = text(u"str_sheight");
    ASSERT_GT(QFontMetrics(skinFont(14, QFont::Light)).horizontalAdvance(height), 233)
        << "the test needs a hint longer than one line";
    QWidget* const targets[] = {page->heightSlider(), page->heightSlider()->thumb()};
    for (QWidget* target : targets) {
        QTest::mouseMove(window_.get(), QPoint(480, 40));
        ASSERT_TRUE(spinUntil([&] { return window_->hintText().isEmpty(); }, 2000));
        QTest::mouseMove(target, target == targets[0] ? QPoint(target->width() - 4, 3)
                                                      : target->rect().center());
        ASSERT_TRUE(spinUntil([&] { return window_->hintText() == height; }, 2000))
            << window_->hintText().toStdString();
        const QStringList lines = window_->hintLines();
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines.join(QLatin1Char(' ')), height);
    }
}

TEST_F(WindowTest, EnterAndEscapeDoNothingAndWithoutATrayClosingEndsTheProgram) {
    start(false);
    QTest::keyClick(window_.get(), Qt::Key_Return);
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(finished_);
    // The offscreen platform has no tray: a hidden window could never come back.
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    QTest::keyClick(window_.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(finished_);
    EXPECT_TRUE(window_->shutDown());
}

TEST_F(WindowTest, ApplyPressedTwiceMakesOneUploadAndSavesTheProfile) {
    start(true);
    const fs::path profile = data_ / "Profile" / "Profile1.cfg";
    fs::remove(profile);
    CIrrButton* apply = window_->applyButton();
    int progressRuns = 0;
    onNextModal([&](QWidget* w) {
        ++progressRuns;
        EXPECT_EQ(w, &window_->progressDialog());
        // The second press, while the first upload runs.
        QTest::mouseClick(apply, Qt::LeftButton, {}, QPoint(60, 20));
    });
    QTest::mouseClick(apply, Qt::LeftButton, {}, QPoint(60, 20));
    ASSERT_TRUE(spinUntil([&] {
        return context_->uploader()->uploadReady() && !window_->progressDialog().isVisible() &&
               progressRuns == 1;
    }));
    QCoreApplication::processEvents();
    EXPECT_EQ(keyMapWrites(), 1u);
    EXPECT_EQ(progressRuns, 1);
    const auto& image = context_->profiles().active().image();
    EXPECT_EQ(readAll(profile), std::vector<uint8_t>(image.begin(), image.end()));
}

TEST_F(WindowTest, SettingsPageFollowsTheProfileAndApplyTakesTheTypedLineCount) {
    start(true);
    CDlgMainSet* page = window_->settingsPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(window_->page(1), page);
    // Refreshed once the profiles are loaded: the default report rate 1000 is on.
    EXPECT_TRUE(page->reportRateButton(3)->latched());

    // Profile 2 on disk reports at 125 per second and scrolls by screen.
    ProfileSettings second = ProfileSettings::defaults(true);
    second.setReportRateCode(8);
    second.setWheelLines(-1);
    const fs::path secondFile = data_ / "Profile" / "Profile2.cfg";
    std::ofstream(secondFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(second.image().data()),
               static_cast<std::streamsize>(second.image().size()));
    window_->selectProfile(2);
    EXPECT_TRUE(page->reportRateButton(0)->latched());
    EXPECT_TRUE(page->scrollScreenButton()->latched());
    window_->selectProfile(1);
    EXPECT_TRUE(page->reportRateButton(3)->latched());
    EXPECT_TRUE(page->scrollLinesButton()->latched());

    // Typed but not yet committed by the page's timer: Apply commits it before the upload.
    page->lineCountEdit()->setText(QStringLiteral("045"));
    window_->apply();
    ASSERT_TRUE(spinUntil([&] {
        return context_->uploader()->uploadReady() && !window_->progressDialog().isVisible();
    }));
    QCoreApplication::processEvents();
    EXPECT_EQ(page->lineCountEdit()->text(), QStringLiteral("30"));
    const std::vector<uint8_t> saved = readAll(data_ / "Profile" / "Profile1.cfg");
    ASSERT_EQ(saved.size(), kProfileSize);
    ProfileSettings stored;
    stored.assign(saved);
    EXPECT_EQ(stored.wheelLines(), 30);
}

TEST_F(WindowTest, TheLightingPageFollowsTheProfileWhereverTheWindowShowsItAgain) {
    start(true);
    CDlgLEDSet* page = window_->lightingPage();
    ASSERT_EQ(window_->page(2), page);
    auto shownMode = [&] {
        for (int m = 1; m <= 6; ++m)
            if (page->modeButton(m)->latched()) return m;
        return 0;
    };
    EXPECT_EQ(shownMode(), 5);
    ProfileSettings& active = context_->profiles().active();
    active.setLightingMode(1);
    window_->showTab(2);
    EXPECT_EQ(shownMode(), 1);
    active.setLightingMode(3);
    window_->showFromTray();  // what the tray's double click and "Config" do
    EXPECT_EQ(shownMode(), 3);
    window_->selectProfile(2);  // a default profile: mode 5
    EXPECT_EQ(shownMode(), 5);
    context_->profiles().active().setLightingMode(2);
    window_->showTab(2);
    ASSERT_EQ(shownMode(), 2);
    int shownDuringUpload = 0;
    onNextModal([&](QWidget*) { shownDuringUpload = shownMode(); });
    window_->restoreDefaults();
    ASSERT_TRUE(spinUntil([&] {
        return context_->uploader()->uploadReady() && !window_->progressDialog().isVisible();
    }));
    EXPECT_EQ(shownDuringUpload, 5);
    EXPECT_EQ(shownMode(), 5);
}

TEST_F(WindowTest, ApplyWithoutADeviceLinkSaysSoInsteadOfWaitingForever) {
    start(false);
    QString shown;
    onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<CDlgInfo*>(w)) {
            shown = box->message();
            box->accept();
        } else {
            w->close();
        }
    });
    window_->apply();
    EXPECT_EQ(shown, QStringLiteral("The Z408 gaming mouse cannot be found."));
    EXPECT_FALSE(window_->progressDialog().isVisible());
}

// A macro the upload sent only in part is named, with the steps it needs, once the upload ends.
TEST_F(WindowTest, AMacroSentInPartIsToldWhenTheUploadEnds) {
    start(false);
    constexpr uint32_t kId = 0x15000077;
    MacroEntry longOne = test::macroRecord(kId, {}, u"Long");
    for (size_t i = 0; i < 300; ++i)
        longOne.setEvent(i, i % 2 ? test::keyUp(0x41) : test::keyDown(0x41));
    longOne.setEventCount(300);
    ASSERT_TRUE(context_->macros().library().placeMacro(longOne));
    QString shown;
    onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<CDlgInfo*>(w)) {
            shown = box->message();
            box->accept();
        } else {
            w->close();
        }
    });
    window_->sink().post(Msg::MacroCut, 3, kId);
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown.isEmpty());  // not while the upload still runs
    window_->sink().post(Msg::UploadDone, 0, 0);
    ASSERT_TRUE(spinUntil([&] { return !shown.isEmpty(); }));
    EXPECT_TRUE(shown.contains(QStringLiteral("Long"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("300"))) << shown.toStdString();
}

TEST_F(WindowTest, AFailedUploadClosesTheProgressDialogAndShowsTheStep) {
    start(true);
    SimulatedMouseFaults faults;
    faults.failFeature = 1;  // the key map's command
    mouse_->setFaults(faults);
    const fs::path profile = data_ / "Profile" / "Profile1.cfg";
    const auto before = readAll(profile);
    QString shown;
    bool progressOpenUnderBox = true;
    onNextModal(
        [&](QWidget* w) {
            auto* box = qobject_cast<CDlgInfo*>(w);
            shown = box->message();
            progressOpenUnderBox = window_->progressDialog().isVisible();
            box->accept();
        },
        true);
    window_->apply();
    ASSERT_TRUE(spinUntil([&] { return !shown.isEmpty(); }));
    EXPECT_EQ(shown.toStdString(), std::string(uploadErrorText(0)));
    EXPECT_FALSE(progressOpenUnderBox);
    EXPECT_TRUE(spinUntil([&] { return context_->uploader()->uploadReady(); }));
    EXPECT_EQ(readAll(profile), before);  // nothing saved after a failure
}

TEST_F(WindowTest, ArrivalRetriesFromTheEventLoopAndRemovalEndsTheProgram) {
    start(true);
    RecordingSource source;
    OneWindow sinks(*window_);
    InputHook hook(context_->intercepts(), sinks, source);
    window_->setInputHook(&hook, {});
    context_->driver()->Close();
    SimulatedMouseFaults unplugged;
    unplugged.unplugged = true;
    mouse_->setFaults(unplugged);

    // Not the mouse (a flash drive) and not a device interface: nothing happens.
    window_->deviceArrived(QStringLiteral("USB#VID_0781&PID_5567#1-3"));
    EXPECT_FALSE(window_->arrivalRetryTimer().isActive());

    window_->arrivalRetryTimer().setInterval(20);
    window_->deviceArrived(QStringLiteral("usb#vid_3f1c&pid_7a52#1-2"));  // any case matches
    // The first open failed: the call returned and the window goes on while it retries.
    EXPECT_TRUE(window_->arrivalRetryTimer().isActive());
    QTest::qWait(60);
    EXPECT_FALSE(context_->driver()->IsOpen());

    QString greeting;
    onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<CDlgInfo*>(w)) greeting = box->message();
        w->close();
    });
    mouse_->setFaults(SimulatedMouseFaults{});
    ASSERT_TRUE(spinUntil([&] { return !greeting.isEmpty(); }));
    EXPECT_EQ(greeting, QStringLiteral("The Z408 gaming mouse is found."));
    EXPECT_TRUE(context_->driver()->IsOpen());
    EXPECT_FALSE(window_->arrivalRetryTimer().isActive());
    EXPECT_TRUE(hook.installed());
    // Another interface of the same mouse announcing itself changes nothing.
    window_->deviceArrived(QStringLiteral("HID#VID_3F1C&PID_7A52#hidraw4"));
    EXPECT_FALSE(window_->arrivalRetryTimer().isActive());
    EXPECT_EQ(source.starts, 1);

    QString farewell;
    onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<CDlgInfo*>(w)) farewell = box->message();
        w->close();
    });
    window_->deviceRemoved(QStringLiteral("HID#VID_3F1C&PID_7A52#hidraw3"));
    EXPECT_EQ(farewell, QStringLiteral("The Z408 gaming mouse cannot be found."));
    EXPECT_TRUE(finished_);
    EXPECT_FALSE(context_->driver()->IsOpen());
    EXPECT_EQ(context_->uploader(), nullptr);  // the worker was joined
    EXPECT_FALSE(hook.installed());
    window_->setInputHook(nullptr, {});
}

TEST_F(WindowTest, EachLanguageFromThePopupReachesHintsAndTooltipsAndSurvivesARestart) {
    start(false);
    for (const LanguageInfo& language : kLanguages) {
        SCOPED_TRACE(std::string(language.menuText));
        // What the language's own file says (the file reader is tested on its own).
        XmlDocument doc;
        LanguageStrings expected;
        ASSERT_TRUE(LoadLanguage(doc, expected, fs::path(Z408_PROGRAM_DIR) / language.file));
        const QString mainText = QString::fromStdU16String(expected.text(u"str_main"));
        const QString applyText = QString::fromStdU16String(expected.text(u"str_ok"));

        // The hint shown while switching follows too: it names tab 1 before and after.
        QTest::mouseMove(window_->tabButton(1), QPoint(60, 18));
        ASSERT_TRUE(spinUntil([&] { return !window_->hintText().isEmpty(); }, 2000));
        QTest::mouseClick(window_->languageButton(), Qt::LeftButton);
        CMenuExA* popup = window_->languagePopup();
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
        const CMenuEx::Item& item = popup->items()[language.id - 1];
        EXPECT_EQ(item.data, language.id);
        QTest::mouseMove(popup, item.rect.center());
        QTest::mouseClick(popup, Qt::LeftButton, {}, item.rect.center());
        ASSERT_TRUE(spinUntil([&] { return window_->languagePopup() == nullptr; }, 2000));

        EXPECT_EQ(window_->tabButton(1)->toolTip(), mainText);
        EXPECT_EQ(window_->applyButton()->toolTip(), applyText);
        EXPECT_TRUE(spinUntil([&] { return window_->hintText() == mainText; }, 2000))
            << window_->hintText().toStdString();
        EXPECT_EQ(context_->chinese(), language.chineseText);

        // The choice is kept: a new start speaks the same language.
        window_.reset();
        context_.reset();
        start(false);
        EXPECT_EQ(window_->tabButton(1)->toolTip(), mainText);
        EXPECT_EQ(context_->chinese(), language.chineseText);
    }
}

// The bring-up outcomes seen from the window.
class ScriptedPlatform : public BringUpPlatform {
  public:
    bool bootloader = false;
    bool mousePresent = true;
    int toolStarts = 0;
    CUSBDriver* driver = nullptr;
    bool bootloaderPresent() override { return bootloader; }
    bool openDevice() override { return mousePresent && driver->Open(); }
    void startFirmwareTool(bool) override { ++toolStarts; }
};

TEST_F(WindowTest, BringUpStartsTheWorkerAndShowsTheWindowOrEndsTheProgram) {
    start(true);
    context_->stopDevice();
    window_->hide();
    ScriptedPlatform platform;
    platform.driver = context_->driver();
    platform.bootloader = true;
    window_->bringUp(platform);
    // The window comes first; the bootloader then hands over and the program ends.
    EXPECT_TRUE(window_->isVisible());
    ASSERT_TRUE(spinUntil([&] { return finished_; }));
    EXPECT_EQ(platform.toolStarts, 1);
    EXPECT_EQ(context_->uploader(), nullptr);
}

// The window is on screen and usable while the mouse is searched: the hint line says so, and
// Apply waits for the search and uploads once the mouse is found.
TEST_F(WindowTest, WindowComesFirstAndApplyWaitsForTheSearch) {
    start(true);
    context_->stopDevice();
    window_->hide();
    ScriptedPlatform platform;
    platform.driver = context_->driver();
    platform.mousePresent = false;
    window_->setBringUpPauseMs(1);
    window_->bringUp(platform);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->searchingMouse());
    EXPECT_EQ(window_->hintText().toStdString(),
              programText(ProgramText::MouseSearching, context_->notices().languageId()));
    QCoreApplication::processEvents();
    window_->apply();  // no "cannot be found" box: it waits
    const size_t before = mouse_->reports().size();
    platform.mousePresent = true;  // plugged in during the search
    ASSERT_TRUE(spinUntil([&] { return !window_->searchingMouse(); }));
    EXPECT_TRUE(window_->hintText().isEmpty());
    ASSERT_NE(context_->uploader(), nullptr);
    EXPECT_TRUE(spinUntil([&] { return mouse_->reports().size() > before + 10; }));
    EXPECT_FALSE(finished_);
    window_->requestExit();
}

// A mouse that is there but closed to us is not "cannot be found": the box names the node and
// the fix, in the interface language; no mouse at all gives the five-second box. Either ends.
TEST_F(WindowTest, SearchEndsWithTheBoxThatSaysWhy) {
    for (const bool denied : {true, false}) {
        SCOPED_TRACE(denied ? "denied" : "absent");
        finished_ = false;
        start(true);
        context_->stopDevice();
        window_->hide();
        mouse_->setFaults(denied ? SimulatedMouseFaults{.denied = true}
                                 : SimulatedMouseFaults{.unplugged = true});
        LinuxBringUpPlatform platform(*context_->driver(), programDir_, context_->notices());
        window_->setBringUpPauseMs(1);
        // The box runs its own loop inside the search's last step: it is answered from a timer.
        QString text;
        bool counting = false;
        onNextModal([&](QWidget* w) {
            EXPECT_EQ(w, window_->bringUpBox());
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                text = box->text();
                box->accept();
            } else if (auto* info = qobject_cast<CDlgInfo*>(w)) {
                text = info->message();
                counting = info->countdownTimer().isActive();
                info->reject();
            }
        });
        window_->bringUp(platform);
        ASSERT_TRUE(spinUntil([&] { return finished_; }, 10000));
        EXPECT_EQ(counting, !denied);  // only "cannot be found" closes by itself
        if (denied) {
            EXPECT_TRUE(text.contains(QStringLiteral("simulated mouse"))) << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("70-z408.rules"))) << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("udevadm trigger"))) << text.toStdString();
        } else {
            EXPECT_EQ(text, QString::fromUtf8(mouseMissingText(context_->chinese())));
        }
        ASSERT_TRUE(spinUntil([&] { return finished_; }));
        window_.reset();
        context_.reset();
    }
}

TEST_F(WindowTest, BringUpWithTheMouseShowsTheWindowWithItsWorker) {
    start(true);
    context_->stopDevice();
    window_->hide();
    RecordingSource source;
    OneWindow sinks(*window_);
    InputHook hook(context_->intercepts(), sinks, source);
    int syncs = 0;
    window_->setInputHook(&hook, [&] { ++syncs; });
    ScriptedPlatform platform;
    platform.driver = context_->driver();
    window_->bringUp(platform);
    EXPECT_TRUE(window_->isVisible());
    ASSERT_TRUE(spinUntil([&] { return !window_->searchingMouse(); }));
    ASSERT_NE(context_->uploader(), nullptr);
    EXPECT_EQ(window_->supportPage()->deviceFirmwareVersionText(),
              QString::number(SimulatedMouseState{}.firmwareVersion));
    EXPECT_FALSE(finished_);
    // The hooks are in, reporting mouse events but no keys.
    EXPECT_TRUE(hook.installed());
    EXPECT_EQ(source.starts, 1);
    EXPECT_EQ(hook.target(), CZ119KDriverDlg::kWindowId);
    EXPECT_FALSE(hook.keyboardNotification());
    EXPECT_TRUE(hook.mouseNotification());
    // Minimising switches the forwarding off.
    hook.setForwarding(HookInputs::Both);
    QTest::mouseClick(window_->minimiseButton(), Qt::LeftButton);
    EXPECT_FALSE(hook.keyboardForwarding());
    EXPECT_FALSE(hook.mouseForwarding());
    // An upload may change the intercepted buttons: the grabs follow.
    window_->sink().post(Msg::UploadDone, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(syncs, 1);
    window_->requestExit();
    EXPECT_FALSE(hook.installed());
    EXPECT_EQ(source.stops, 1);
    window_->setInputHook(nullptr, {});
}

// Every way of ending, whatever is open: the dialogs and menus close first, their loops return,
// and the shutdown runs once with the statistics saved. Ending from inside a dialog's loop used
// to destroy the page that owned the dialog while the dialog was still on the stack.
TEST_F(WindowTest, EveryWayOfEndingClosesWhatIsOpenFirstAndSavesTheStatistics) {
    TerminationSignals termination;
    struct Opener {
        const char* name;
        std::function<void(CZ119KDriverDlg&)> open;  // returns once what it opened has closed
        bool runsALoop;
    };
    auto supportButton = [](CDlgSupport::Widget button) {
        return [button](CZ119KDriverDlg& w) {
            w.showTab(5);
            QTest::mouseClick(w.supportPage()->widget(button), Qt::LeftButton);
        };
    };
    const Opener openers[] = {
        {"Import's file dialog", supportButton(CDlgSupport::Import), true},
        {"restore defaults' question", supportButton(CDlgSupport::RestoreDefaults), true},
        {"a page's menu run with exec()",
         [](CZ119KDriverDlg& w) {
             QMenu menu(w.page(3));
             menu.addAction(QStringLiteral("item"));
             menu.exec(w.mapToGlobal(QPoint(300, 300)));
         },
         true},
        {"language popup",
         [](CZ119KDriverDlg& w) { QTest::mouseClick(w.languageButton(), Qt::LeftButton); }, false},
        {"tray menu",
         [](CZ119KDriverDlg& w) {
             w.openTrayMenu();
             QCoreApplication::processEvents();
         },
         false},
    };
    struct Ending {
        const char* name;
        std::function<void(CZ119KDriverDlg&)> end;
    };
    const Ending endings[] = {
        {"Exit", [](CZ119KDriverDlg& w) { w.requestExit(); }},
        {"SIGTERM", [](CZ119KDriverDlg&) { ::raise(SIGTERM); }},
        {"mouse removed",
         [](CZ119KDriverDlg& w) {
             onNextModal([](QWidget* box) { box->close(); }, true);
             w.deviceRemoved(QStringLiteral("HID#VID_3F1C&PID_7A52#hidraw3"));
         }},
    };
    for (const Opener& opener : openers) {
        for (const Ending& ending : endings) {
            SCOPED_TRACE(std::string(opener.name) + ", " + ending.name);
            window_.reset();
            context_.reset();
            finished_ = false;
            start(true);
            connectProgramEndings(*qApp, termination, *window_);
            fs::remove(data_ / "Sts.cfg");
            QPointer<QWidget> seen;  // null again once a dialog on the stack is gone
            bool reached = false;
            if (opener.runsALoop) {
                onNextWindow(
                    [] {
                        QWidget* modal = QApplication::activeModalWidget();
                        return modal ? modal : QApplication::activePopupWidget();
                    },
                    [&](QWidget* open) {
                        seen = open;
                        reached = true;
                        ending.end(*window_);
                    });
                opener.open(*window_);
                ASSERT_TRUE(reached);
            } else {
                opener.open(*window_);
                seen = QApplication::activePopupWidget();
                ASSERT_FALSE(seen.isNull());
                ending.end(*window_);
            }
            ASSERT_TRUE(spinUntil([&] { return finished_; }));
            EXPECT_TRUE(window_->shutDown());
            const QWidget* opened = seen.data();
            EXPECT_FALSE(opened != nullptr && opened->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_TRUE(fs::exists(data_ / "Sts.cfg"));
        }
    }
}

TEST_F(WindowTest, TheSessionsSaveRequestSavesTheStatisticsAndTheProgramGoesOn) {
    start(false);
    fs::remove(data_ / "Sts.cfg");
    window_->saveForSessionEnd();
    EXPECT_TRUE(fs::exists(data_ / "Sts.cfg"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(finished_);
    EXPECT_TRUE(window_->isVisible());
}

// The profile buttons show the profile the store holds active: at start-up only entries with
// the entry magic show, and a profile that cannot be loaded is never shown chosen.
TEST_F(WindowTest, ProfileButtonsShowTheActiveProfile) {
    start(false);
    auto latched = [this] {
        std::vector<int> on;
        for (int p = 1; p <= 5; ++p)
            if (window_->profileButton(p)->latched()) on.push_back(p);
        return on;
    };
    EXPECT_EQ(latched(), std::vector<int>{1});

    struct Broken {
        const char* name;
        std::function<void(const fs::path&)> spoil;
    };
    const Broken broken[] = {
        {"invalid", [](const fs::path& p) { std::ofstream(p, std::ios::binary) << "NOPE"; }},
        {"missing", [](const fs::path& p) { fs::remove(p); }},
    };
    for (const Broken& b : broken) {
        SCOPED_TRACE(b.name);
        b.spoil(data_ / "Profile" / "Profile3.cfg");
        onNextModal([](QWidget* box) { box->close(); });
        CIrrButton* third = window_->profileButton(3);
        QTest::mouseClick(third, Qt::LeftButton, {},
                          third->boundingBox().center() - third->boundingBox().topLeft());
        EXPECT_EQ(context_->profiles().activeEntry(), 0);
        EXPECT_EQ(latched(), std::vector<int>{1});
    }
    window_->selectProfile(2);  // a good one is taken
    EXPECT_EQ(context_->profiles().activeEntry(), 1);
    EXPECT_EQ(latched(), std::vector<int>{2});

    // A table without the entry magic: profile 1 is active, but no button shows it.
    window_.reset();
    context_.reset();
    std::ofstream(data_ / "Profile" / "ConfigInfo.cfg", std::ios::binary)
        .write(std::string(kTableSize, '\0').data(), kTableSize);
    start(false);
    EXPECT_EQ(context_->profiles().activeEntry(), 0);
    EXPECT_EQ(latched(), std::vector<int>{});
}

// The flag is the installation language's (English here) until a saved choice names another.
TEST_F(WindowTest, TheLanguageFlagShowsEvenWhenTheSavedChoiceNamesNoLanguage) {
    start(false);
    const struct {
        int32_t saved;
        int flag;
    } cases[] = {{0, 143}, {13, 143}, {-1, 143}, {3, languageById(3)->indicatorResource}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        window_.reset();
        context_.reset();
        std::ofstream(data_ / "Language.cfg", std::ios::binary)
            .write(reinterpret_cast<const char*>(&c.saved), 4);
        start(false);
        const QImage shown = window_->languageFlag()->pixmap().toImage();
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                  loadResourceImage(c.flag).convertToFormat(QImage::Format_RGB32));
    }
}

// A program directory of the test's own: the built one's files, with recording stand-ins for the
// firmware burner and the program updater and the given settings file.
class OwnProgramDirectory {
  public:
    explicit OwnProgramDirectory(const std::string& settings) {
        for (const auto& entry : fs::directory_iterator(Z408_PROGRAM_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name != "FWUpdate" && name != "tarvo_update" && name != "z408.ini")
                fs::create_directory_symlink(entry.path(), dir_ / name);
        }
        writeScript("FWUpdate/TarvoFlash.exe", "burner-args");
        writeScript("tarvo_update/TarvoUpdate.exe", "updater-args");
        std::ofstream(dir_ / "z408.ini") << settings;
    }
    const fs::path& path() const { return dir_.path(); }
    // What a stand-in was started with; empty while it has not run.
    std::string argumentsOf(const char* record) const {
        std::ifstream in(dir_ / record);
        std::string line;
        std::getline(in, line);
        return in ? line : std::string();
    }
    bool ran(const char* record) const { return fs::exists(dir_ / record); }

  private:
    void writeScript(const std::string& rel, const std::string& record) {
        const fs::path p = dir_ / rel;
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "#!/bin/sh\necho \"$@\" > \"" << (dir_ / record).string() << "\"\n";
        fs::permissions(p, fs::perms::owner_all);
    }
    test::TempDir dir_;
};

// The project's small HTTP server on 127.0.0.1, serving a folder.
class LocalHttpServer {
  public:
    bool start() {
        int fds[2];
        if (pipe(fds) != 0) return false;
        const bool ok = process_.start(
            {"python3", Z408_SOURCE_DIR "/tests/update/http_server.py", root_.path().string()},
            fds[1]);
        close(fds[1]);
        if (ok) port_ = test::readLine(fds[0], 20);
        close(fds[0]);
        return ok && !port_.empty();
    }
    std::string host() const { return "127.0.0.1:" + port_; }
    void put(const std::string& rel, const std::string& content) {
        fs::create_directories((root_ / rel).parent_path());
        std::ofstream(root_ / rel, std::ios::binary) << content;
    }

  private:
    test::TempDir root_;
    test::ChildProcess process_;
    std::string port_;
};

TEST_F(WindowTest, UpdateButtonAsksDownloadsTheImageAndHandsOverToTheBurner) {
    LocalHttpServer server;
    ASSERT_TRUE(server.start());
    unsetenv("Z408_UPDATE_SERVER");
    OwnProgramDirectory program("[Update]\nHost=" + server.host() + "\n");
    programDir_ = program.path();
    // The simulated mouse reports 12; the server offers 13.
    server.put("software/z408/update.xml",
               "<update><firmware><current>13</current><newfile>http://" + server.host() +
                   "/images/z408-13.bin</newfile></firmware></update>");
    server.put("images/z408-13.bin", "image 13");
    // Downloads go to the user's data directory: an installed program's folder is root's.
    const fs::path image = data_ / "FWUpdate/new_version/TarvoGameDevice.bin";

    struct Round {
        bool chinese;
        const char* question;
        const char* burnerArgument;
    };
    const Round rounds[] = {
        {false,
         "A new version of firmware is available for the gaming mouse, whether to update "
         "or not?",
         "0"},
        // Started again in Chinese: the description on disk is already newer than the mouse, so
        // the question comes at once and the burner starts without a new download.
        {true, "游戏鼠标固件有更新,是否更新到最新版本?", "1"},
    };
    for (const Round& round : rounds) {
        SCOPED_TRACE(round.chinese ? "Chinese" : "English");
        if (round.chinese) {
            window_.reset();
            context_.reset();
            std::ofstream(data_ / "Language.cfg", std::ios::binary).write("\x01\0\0\0", 4);
            fs::remove(program.path() / "burner-args");
            server.put("images/z408-13.bin", "image 14");
        }
        finished_ = false;
        start(true);
        context_->stopDevice();
        window_->hide();
        ScriptedPlatform platform;
        platform.driver = context_->driver();
        window_->programUpdaterTimer().setInterval(10);
        window_->bringUp(platform);
        ASSERT_TRUE(spinUntil([&] { return !window_->searchingMouse(); }));
        ASSERT_NE(window_->updateChecker(), nullptr);
        CDlgSupport* support = window_->supportPage();
        EXPECT_EQ(support->deviceFirmwareVersionText(), QStringLiteral("12"));
        // The program updater starts once, shortly after the start.
        EXPECT_TRUE(spinUntil([&] { return program.ran("updater-args"); }));

        window_->showTab(5);
        QString question;
        onNextModal(
            [&](QWidget* w) {
                auto* box = qobject_cast<CDlgInfo*>(w);
                question = box->message();
                box->accept();
            },
            true);
        QTest::mouseClick(support->widget(CDlgSupport::Update), Qt::LeftButton);
        ASSERT_TRUE(spinUntil([&] { return finished_; }, 10000));
        EXPECT_EQ(question, QString::fromUtf8(round.question));
        // The stand-in's file exists before its line is in it.
        EXPECT_TRUE(spinUntil([&] { return !program.argumentsOf("burner-args").empty(); }));
        EXPECT_EQ(program.argumentsOf("burner-args"),
                  std::string(round.burnerArgument) + " " + image.string());
        const std::string content = "image 13";
        EXPECT_EQ(readAll(image), std::vector<uint8_t>(content.begin(), content.end()));
        EXPECT_FALSE(fs::exists(program.path() / "FWUpdate/new_version"));
        EXPECT_TRUE(window_->shutDown());
    }
}

// The update button says what is missing at once: the server's address, or the mouse (the
// check used to wait for its time-out and then call the firmware the latest).
TEST_F(WindowTest, TheUpdateButtonSaysWhatIsMissing) {
    unsetenv("Z408_UPDATE_SERVER");
    const struct {
        const char* settings;
        int32_t language;  // the saved choice; the program's own texts follow it
        std::string said;
    } cases[] = {
        {"[Update]\nHost=\n", 2,
         "No update server is configured. Set Host in the [Update] "
         "section of z408.ini beside the program."},
        {"[Update]\nHost=\n", 5, std::string(programText(ProgramText::NoUpdateServer, 5))},
        {"[Update]\nHost=127.0.0.1:9\n", 2, "The Z408 gaming mouse cannot be found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.settings) + std::to_string(c.language));
        window_.reset();
        context_.reset();
        if (fs::exists(data_))
            std::ofstream(data_ / "Language.cfg", std::ios::binary)
                .write(reinterpret_cast<const char*>(&c.language), 4);
        OwnProgramDirectory program(c.settings);
        programDir_ = program.path();
        start(false);
        window_->showTab(5);
        QString shown;
        onNextModal([&](QWidget* w) {
            if (auto* box = qobject_cast<CDlgInfo*>(w)) shown = box->message();
            w->close();
        });
        QTest::mouseClick(window_->supportPage()->widget(CDlgSupport::Update), Qt::LeftButton);
        EXPECT_TRUE(spinUntil([&] { return !shown.isEmpty(); }));
        EXPECT_EQ(shown.toStdString(), c.said);
        EXPECT_FALSE(window_->supportPage()->updateTimeoutTimer().isActive());
    }
}
}  // namespace
}  // namespace z408

namespace z408 {
namespace {

TEST_F(WindowTest, MacroPageRecordsThroughTheHookAndEveryWayOffThePageKeepsTheRecording) {
    start(true);
    RecordingSource source;
    HookWindows windows(*window_);
    InputHook hook(context_->intercepts(), windows, source);
    window_->setInputHook(&hook, {});
    ASSERT_TRUE(hook.install(CZ119KDriverDlg::kWindowId));
    CDlgMacro* page = window_->macroPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->currentPreset(), 21);  // filled for the player's own macros at start-up

    window_->showTab(3);
    page->onNewMacro();
    const uint32_t id = page->macroList()->itemData(page->macroList()->currentSelection());
    auto storedEvents = [&] {
        std::vector<uint32_t> out;
        const auto slot = context_->macros().library().findMacroById(id);
        if (!slot) return out;
        const MacroEntry& m = context_->macros().library().slot(*slot);
        for (size_t i = 0; i < m.eventCount(); ++i) {
            // The pause is measured on the real clock: only its kind is compared.
            const uint32_t e = m.event(i);
            out.push_back(macroEventKind(e) == 0xA0 ? e & 0xFF000000u : e);
        }
        return out;
    };
    // Each way off the page: another tab, minimising.
    const std::pair<const char*, std::function<void()>> exits[] = {
        {"another tab", [&] { window_->showTab(1); }},
        {"minimised", [&] { window_->minimiseButton()->click(); }},
    };
    uint32_t key = 0x41;
    for (const auto& [what, leave] : exits) {
        window_->showTab(3);
        page->onRecord();
        ASSERT_TRUE(page->recording()) << what;
        EXPECT_EQ(hook.target(), CZ119KDriverDlg::kMacroPageId) << what;
        EXPECT_TRUE(hook.keyboardForwarding());
        EXPECT_FALSE(hook.mouseForwarding());
        hook.handleEvent(InputEvent::key(key, 0));
        hook.handleEvent(InputEvent::key(key, 0x80));
        ASSERT_TRUE(spinUntil([&] { return page->rows().size() == 3; })) << what;
        leave();
        EXPECT_FALSE(page->recording()) << what;
        EXPECT_EQ(hook.target(), CZ119KDriverDlg::kWindowId) << what;
        EXPECT_FALSE(hook.keyboardForwarding()) << what;
        EXPECT_EQ(storedEvents(),
                  (std::vector<uint32_t>{0xC0000000 | key, 0xA0000000, 0xE0000000 | key}))
            << what;
        ++key;
        window_->showNormal();
    }

    // Apply first tidies the macro page's loop count, as its timer would.
    window_->showTab(3);
    page->loopBox()->setText(QStringLiteral("0042"));
    window_->showTab(1);
    window_->apply();  // the progress dialog closes by itself when the upload is done
    EXPECT_EQ(page->loopBox()->text(), QStringLiteral("42"));
    ASSERT_TRUE(spinUntil([&] { return context_->uploader()->uploadReady(); }));
    hook.remove();
    window_->setInputHook(nullptr, {});
}

// With a source that hears no keys (the mouse's own event nodes), the recorder and the picker's
// key page take the window's own keys and never point the hook at themselves, and the statistics
// take the travel from the source's motion; on X11 the keys come through the hook as before.
TEST_F(WindowTest, PagesFollowWhatTheHooksSourceSees) {
    struct Case {
        const char* what;
        bool keysFromHook;
    } cases[] = {{"x11", true}, {"evdev", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window_.reset();
        context_.reset();
        auto motion = std::make_shared<MotionPosition>();
        view_ = {c.keysFromHook, nullptr};
        if (!c.keysFromHook)
            view_.travel = [motion] {
                return std::unique_ptr<CursorSource>(std::make_unique<MotionCursorSource>(motion));
            };
        start(false);
        RecordingSource source;
        HookWindows windows(*window_);
        InputHook hook(context_->intercepts(), windows, source);
        window_->setInputHook(&hook, {});
        ASSERT_TRUE(hook.install(CZ119KDriverDlg::kWindowId));
        hook.setForwarding(HookInputs::Neither);

        CDlgMacro* page = window_->macroPage();
        window_->showTab(3);
        page->onNewMacro();
        page->onRecord();
        ASSERT_TRUE(page->recording());
        EXPECT_EQ(page->takesWindowKeys(), !c.keysFromHook);
        EXPECT_EQ(hook.keyboardForwarding(), c.keysFromHook);
        EXPECT_EQ(hook.target(),
                  c.keysFromHook ? CZ119KDriverDlg::kMacroPageId : CZ119KDriverDlg::kWindowId);
        page->onRecord();
        window_->showTab(1);

        std::optional<CSetting_SingleComboDlg::KeySource> keys;
        WindowId pickerTarget = WindowId::None;
        onNextModal([&](QWidget* picker) {
            if (auto* combo = picker->findChild<CSetting_SingleComboDlg*>())
                keys = combo->keySource();
            pickerTarget = hook.target();
            static_cast<QDialog*>(picker)->reject();
        });
        window_->settingsPage()->openPicker(2);
        ASSERT_TRUE(keys.has_value());
        EXPECT_EQ(*keys, c.keysFromHook ? CSetting_SingleComboDlg::KeySource::Undecided
                                        : CSetting_SingleComboDlg::KeySource::OwnEvents);
        EXPECT_EQ(pickerTarget,
                  c.keysFromHook ? CSettingDlg::kKeyPageWindowId : CZ119KDriverDlg::kWindowId);

        if (!c.keysFromHook) {
            CDlgSts* stats = window_->statisticsPage();
            stats->sink().post(Msg::CursorSample, 0, 0);  // the starting point, still at rest
            QCoreApplication::processEvents();
            motion->move(30, 40);
            EXPECT_TRUE(
                spinUntil([&] { return stats->statistics().record().pointerTravel == 70; }));
        }
        hook.remove();
        window_->setInputHook(nullptr, {});
    }
}

// What z408ctl does while the window runs: it asks about unsaved edits, writes the files, and
// tells the window, which then shows what the files hold.
TEST_F(WindowTest, ProfilesChangedOnDiskAreShownAndUnsavedEditsAreOwned) {
    start(true);
    CDlgMainSet* settings = window_->settingsPage();
    CDlgLEDSet* lighting = window_->lightingPage();
    const fs::path table = data_ / "Profile" / "ConfigInfo.cfg";
    const auto write = [](const fs::path& file, std::span<const uint8_t> bytes) {
        ASSERT_TRUE(writeFileAtomic(file, bytes));
    };
    EXPECT_FALSE(window_->hasUnsavedEdits(0));

    // The active profile changed on disk: report rate 250, steady light.
    ProfileSettings changed = context_->profiles().active();
    changed.setReportRateCode(4);
    changed.setLightingMode(1);
    write(data_ / "Profile" / "Profile1.cfg", changed.image());
    EXPECT_TRUE(window_->hasUnsavedEdits(0));  // memory no longer matches the file
    window_->profilesChangedOnDisk(0);
    EXPECT_TRUE(settings->reportRateButton(1)->latched());
    EXPECT_TRUE(lighting->modeButton(1)->latched());
    EXPECT_FALSE(window_->hasUnsavedEdits(0));

    // Another profile changed while this one stays active: nothing to show, nothing dropped.
    context_->profiles().active().setPointerSpeed(3);  // an edit not yet applied
    window_->profilesChangedOnDisk(3);
    EXPECT_EQ(context_->profiles().active().pointerSpeed(), 3u);
    EXPECT_TRUE(window_->hasUnsavedEdits(0));
    EXPECT_FALSE(window_->hasUnsavedEdits(3));

    // Profile 3 made active in the table: the window switches to it.
    ProfileTable onDisk = context_->profiles().table();
    for (int e = 0; e < kProfileCount; ++e) {
        onDisk.setEntryMagic(e, kEntryMagic);
        onDisk.setActiveFlag(e, e == 2 ? 1 : 0);
    }
    write(table, onDisk.image());
    window_->profilesChangedOnDisk(2);
    EXPECT_EQ(context_->profiles().activeEntry(), 2);
    EXPECT_TRUE(window_->profileButton(3)->latched());
    EXPECT_FALSE(window_->profileButton(1)->latched());

    // During an upload the uploader reads the active profile: the window owns it (an upload's
    // end saves it) and reads the files only once the upload is handled.
    bool unsavedDuringUpload = false;
    uint32_t modeDuringUpload = 0;
    onNextModal([&](QWidget*) {
        unsavedDuringUpload = window_->hasUnsavedEdits(2);
        window_->profilesChangedOnDisk(2);
        modeDuringUpload = context_->profiles().active().lightingMode();
    });
    context_->profiles().active().setLightingMode(4);
    window_->apply();
    ASSERT_TRUE(spinUntil([&] {
        return context_->uploader()->uploadReady() && !window_->progressDialog().isVisible();
    }));
    EXPECT_TRUE(unsavedDuringUpload);
    EXPECT_EQ(modeDuringUpload, 4u);
    EXPECT_FALSE(window_->hasUnsavedEdits(2));
    EXPECT_TRUE(lighting->modeButton(4)->latched());
}

// z408ctl changed Macro.cfg while the window runs: the library is read again, the page lists the
// new macro, and the window's next save keeps it.
TEST_F(WindowTest, MacrosChangedOnDiskAreShown) {
    start(false);
    CDlgMacro* page = window_->macroPage();
    const int before = page->macroList()->count();
    auto library = test::emptyLibrary();
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFilePrefix(data_ / kMacroFileName, kMacroLibrarySize, bytes));
    library->assign(bytes);
    RecordingNotices notices;
    MacroStore store(*library, data_, notices, SystemClock::instance());
    constexpr uint32_t kId = 0x15000042;
    ASSERT_TRUE(store.storeMacro(
        test::macroRecord(kId, {test::keyDown(0x41), test::keyUp(0x41)}, u"From the terminal")));
    EXPECT_FALSE(context_->macros().library().findMacroById(kId));
    window_->macrosChangedOnDisk();
    EXPECT_EQ(page->macroList()->count(), before + 1);
    ASSERT_TRUE(context_->macros().library().findMacroById(kId));
    ASSERT_TRUE(context_->macros().saveMacroLibrary());
    ASSERT_TRUE(readFilePrefix(data_ / kMacroFileName, kMacroLibrarySize, bytes));
    library->assign(bytes);
    EXPECT_TRUE(library->findMacroById(kId));
}

// A macro deleted from Macro.cfg behind the program's back: Apply reads the file again instead of
// sending the macro from memory, and says which buttons lost their macro.
TEST_F(WindowTest, ApplyTellsWhichButtonsLostTheirMacro) {
    start(true);
    constexpr uint32_t kId = 0x15000077;
    ASSERT_TRUE(context_->macros().storeMacro(
        test::macroRecord(kId, {test::keyDown(0x41), test::keyUp(0x41)}, u"Gone")));
    for (int b : {1, 4}) {
        context_->profiles().active().button(b).setFunctionType(fn::Macro);
        context_->profiles().active().button(b).setMacroId(kId);
        context_->profiles().macroIdList()[static_cast<size_t>(b)] = kId;
    }
    auto behind = std::make_unique<MacroLibrary>(context_->macros().library());
    behind->clearMacro(kId);
    ASSERT_TRUE(writeFileAtomic(data_ / kMacroFileName, behind->image()));

    // A message box: a list of up to seven buttons is read whole there.
    QString shown;
    onNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) shown = box->text();
        w->close();
    });
    window_->apply();
    ASSERT_TRUE(spinUntil([&] {
        return context_->uploader()->uploadReady() && !window_->progressDialog().isVisible();
    }));
    EXPECT_FALSE(context_->macros().library().findMacroById(kId));
    EXPECT_EQ(shown, QStringLiteral("Middle button, Back button: the macro of these buttons is no "
                                    "longer in the macro library, so the mouse gets no function "
                                    "for them. Choose their function again."));
}

}  // namespace
}  // namespace z408
