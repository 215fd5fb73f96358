// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The support page on Qt's offscreen platform, against the skins and language files of the
// build's program directory: its widgets, versions, profile import and export, restoring the
// defaults, the update button with a real update check, and the hover hints.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <tuple>

#include "common/text.h"
#include "config/profile_store.h"
#include "i18n/language_context.h"
#include "pages/dlg_support.h"
#include "pages/hint_recorder.h"
#include "shared_notices.h"
#include "spin_until.h"
#include "temp_dir.h"
#include "update/update_checker.h"
#include "widgets/gdi_bitmap_btn.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

using test::spinUntil;

std::vector<uint8_t> readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeAll(const fs::path& p, const std::vector<uint8_t>& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A download that waits until released (or stopped), then fails.
class BlockingDownloader : public UpdateDownloader {
  public:
    bool download(const std::string&, const fs::path&, std::stop_token stop,
                  std::string& error) override {
        std::unique_lock lock(mutex_);
        ++calls_;
        wake_.wait(lock, stop, [this] { return released_; });
        error = "the server hung up";
        return false;
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        wake_.notify_all();
    }
    int calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    bool released_ = false;
    int calls_ = 0;
};

// The page with its file dialog and program start replaced.
class TestSupportPage : public CDlgSupport {
  public:
    using CDlgSupport::CDlgSupport;
    QString nextFile;
    std::vector<bool> dialogs;  // save flag of each dialog shown
    std::vector<std::vector<std::string>> started;

    void moveTo(QPoint pos) {
        QMouseEvent e(QEvent::MouseMove, QPointF(pos), mapToGlobal(QPointF(pos)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &e);
    }

  protected:
    QString chooseFile(bool save) override {
        dialogs.push_back(save);
        return nextFile;
    }
    bool startProgram(const std::vector<std::string>& argv) override {
        started.push_back(argv);
        return true;
    }
};

class SupportPageTest : public ::testing::Test {
  protected:
    SupportPageTest() {
        store.active().fillDefaults(false);
        hints.follow(page);
        QObject::connect(&page, &CDlgSupport::restoreDefaultsRequested,
                         [this] { ++restoreRequests; });
    }

    std::vector<Notice> messages() const { return notices.shown; }
    QString path(const std::string& rel) const {
        return QString::fromStdString((dir / rel).string());
    }

    const QString programDir = QStringLiteral(Z408_PROGRAM_DIR);
    test::TempDir dir;
    LanguageContext language{Z408_PROGRAM_DIR, dir.path()};
    const bool languageLoaded = language.LoadLanguageFile("Language/en.xml");  // before the page
    RecordingNotices notices;
    ProfileStore store{dir.path(), notices};
    TestSupportPage page{programDir, false, language, notices, store, nullptr};
    // What the page asked of the window.
    test::HintRecorder hints;
    int restoreRequests = 0;
};

Notice messageBox(const std::string& text) {
    return Notice{NoticeStyle::MessageBox, text, "Info", false};
}
Notice infoBox(const std::string& text, bool withCancel = false) {
    return Notice{NoticeStyle::InfoBox, text, "Info", withCancel};
}
void expectNotices(const std::vector<Notice>& got, const std::vector<Notice>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].style, want[i].style) << i;
        EXPECT_EQ(got[i].text, want[i].text) << i;
        EXPECT_EQ(got[i].caption, want[i].caption) << i;
        EXPECT_EQ(got[i].withCancel, want[i].withCancel) << i;
    }
}

TEST_F(SupportPageTest, WidgetsSitAtTheirRectanglesWithTheirTooltips) {
    struct Case {
        CDlgSupport::Widget widget;
        QRect rect;  // left, top, right, bottom as the table gives them
        const char16_t* tooltipKey;
    };
    const Case cases[] = {
        {CDlgSupport::Update, QRect(QPoint(405, 264), QPoint(519, 292)), u"str_update"},
        {CDlgSupport::WebSite, QRect(QPoint(711, 264), QPoint(825, 292)), u"str_tarvoWeb"},
        {CDlgSupport::Import, QRect(QPoint(134, 389), QPoint(223, 419)), u"str_importFile"},
        {CDlgSupport::Export, QRect(QPoint(234, 389), QPoint(323, 419)), u"str_exportFile"},
        {CDlgSupport::RestoreDefaults, QRect(QPoint(785, 388), QPoint(872, 416)),
         u"str_defaultname"},
        {CDlgSupport::DriverVersion, QRect(QPoint(77, 110), QPoint(273, 140)), nullptr},
        {CDlgSupport::FirmwareVersion, QRect(QPoint(380, 113), QPoint(558, 139)), nullptr},
    };
    ASSERT_TRUE(languageLoaded);
    page.show();
    ASSERT_EQ(page.size(), QSize(925, 452));
    for (const char* file : {"Language/en.xml", "Language/sc.xml"}) {
        ASSERT_TRUE(language.LoadLanguageFile(file));
        page.refreshTooltips();
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << file << " widget " << c.widget);
            CGDIBitmapBtn* b = page.widget(c.widget);
            EXPECT_EQ(b->geometry(), c.rect);
            EXPECT_TRUE(b->isVisible());
            EXPECT_TRUE(b->text().isEmpty());
            const QString tip =
                c.tooltipKey ? QString::fromStdU16String(language.strings().text(c.tooltipKey))
                             : QString();
            EXPECT_EQ(b->toolTip(), tip);
            if (c.tooltipKey) {
                EXPECT_FALSE(tip.isEmpty());
            }
            // The version areas only display: a click neither latches them nor does anything.
            EXPECT_EQ(b->checkMode(), c.tooltipKey == nullptr);
            if (!c.tooltipKey) {
                QTest::mouseClick(b, Qt::LeftButton);
                EXPECT_FALSE(b->latched());
            }
        }
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(hints.hints.empty());
    EXPECT_EQ(restoreRequests, 0);
}

TEST_F(SupportPageTest, ImportReplacesTheProfileOnlyWithTheMagic) {
    ProfileSettings other = ProfileSettings::defaults(false);
    other.setDpiLevel(0, 400);
    other.setLightingMode(6);
    const std::vector<uint8_t> valid(other.image().begin(), other.image().end());
    std::vector<uint8_t> wrongMagic = valid;
    wrongMagic[0] ^= 1;
    const std::vector<uint8_t> shortFile = {0x80, 0x02, 0x80, 0x80, 7, 0, 0, 0};
    ProfileSettings shortProfile;
    shortProfile.assign(shortFile);

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool replaced;
        const char* message;
    };
    const Case cases[] = {
        {"valid.cfg", valid, true, kImportSuccessText},
        {"wrong-magic.cfg", wrongMagic, false, kInvalidProfileText},
        {"short.cfg", shortFile, true, kImportSuccessText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.active().fillDefaults(false);
        notices.shown.clear();
        writeAll(dir / c.name, c.bytes);
        page.nextFile = path(c.name);
        page.widget(CDlgSupport::Import)->click();
        ProfileSettings expected = ProfileSettings::defaults(false);
        if (c.replaced) expected.assign(c.bytes);
        EXPECT_TRUE(store.active() == expected);
        expectNotices(messages(), {messageBox(formatText(c.message, {(dir / c.name).string()}))});
    }
    EXPECT_TRUE(shortProfile == store.active());
    EXPECT_EQ(store.active().dpiLevel(1), 0u);  // the missing rest is zero

    notices.shown.clear();
    page.nextFile.clear();  // cancelled
    page.widget(CDlgSupport::Import)->click();
    EXPECT_TRUE(shortProfile == store.active());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(page.dialogs, (std::vector<bool>{false, false, false, false}));
}

TEST_F(SupportPageTest, ExportReportsSuccessOnlyWhenTheFileWasWritten) {
    store.active().setDpiLevel(3, 3200);
    struct Case {
        std::string rel;
        const char* message;
    };
    const Case cases[] = {
        {"out/profile.cfg", kExportSuccessText},
        {"missing-folder/profile.cfg", kExportFailedText},
    };
    fs::create_directories(dir / "out");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rel);
        notices.shown.clear();
        page.nextFile = path(c.rel);
        page.widget(CDlgSupport::Export)->click();
        expectNotices(messages(), {messageBox(formatText(c.message, {(dir / c.rel).string()}))});
    }
    // The round trip: the exported file imports as the same profile.
    const std::vector<uint8_t> written = readAll(dir / "out/profile.cfg");
    EXPECT_TRUE(std::equal(written.begin(), written.end(), store.active().image().begin(),
                           store.active().image().end()));
    const ProfileSettings exported = store.active();
    store.active().fillDefaults(false);
    page.nextFile = path("out/profile.cfg");
    page.widget(CDlgSupport::Import)->click();
    EXPECT_TRUE(store.active() == exported);
    EXPECT_FALSE(fs::exists(dir / "missing-folder"));

    notices.shown.clear();
    page.nextFile.clear();  // cancelled
    page.widget(CDlgSupport::Export)->click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(page.dialogs, (std::vector<bool>{true, true, false, true}));
}

TEST_F(SupportPageTest, RestoreDefaultsAsksAndPostsOnlyOnOk) {
    const char* const english = "Do you want to restore the default setting?";
    const char* const chinese = "确定要恢复默认设置?";
    const char* const german = "Die Standardeinstellungen wiederherstellen?";
    const std::tuple<bool, int32_t, const char*> cases[] = {
        {true, 2, english},  {false, 2, english}, {true, 1, chinese},
        {false, 1, chinese}, {true, 5, german},
    };
    for (const auto& [reply, id, text] : cases) {
        SCOPED_TRACE(testing::Message() << "reply " << reply << " language " << id);
        notices.shown.clear();
        notices.reply = reply;
        notices.language = id;
        restoreRequests = 0;
        hints.hints.clear();
        page.widget(CDlgSupport::RestoreDefaults)->click();
        expectNotices(messages(), {infoBox(text, true)});
        EXPECT_EQ(restoreRequests, reply ? 1 : 0);
        EXPECT_TRUE(hints.hints.empty());
    }
}

TEST_F(SupportPageTest, UnconfiguredButtonsSayWhatIsMissing) {
    page.widget(CDlgSupport::Update)->click();
    page.widget(CDlgSupport::WebSite)->click();
    expectNotices(messages(), {infoBox(notices.programText(ProgramText::NoUpdateServer)),
                               infoBox(notices.programText(ProgramText::NoWebSite))});
    EXPECT_TRUE(page.started.empty());

    notices.shown.clear();
    page.setWebAddress(QStringLiteral(" https://example.com/z408 "));
    page.widget(CDlgSupport::WebSite)->click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(page.started,
              (std::vector<std::vector<std::string>>{{"xdg-open", "https://example.com/z408"}}));
}

TEST_F(SupportPageTest, VersionsArePaintedInTheirBoxes) {
    // Rendered twice, without and with a firmware number: only the firmware box may change, and
    // both boxes carry text in the version colour.
    page.setDeviceFirmwareVersionText(QString());
    const QImage unknown = page.grab().toImage();
    page.setDeviceFirmwareVersionText(QStringLiteral("12"));
    const QImage known = page.grab().toImage();
    auto countTextPixels = [](const QImage& img, const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n +=
                    std::abs(c.red() - 193) + std::abs(c.green() - 210) + std::abs(c.blue() - 238) <
                    60;
            }
        return n;
    };
    const QRect programLine(127, 169, 247, 24), firmwareLine(440, 169, 247, 24);
    EXPECT_GT(countTextPixels(known, programLine), 20);
    EXPECT_GT(countTextPixels(known, firmwareLine), 20);
    EXPECT_EQ(unknown.copy(programLine), known.copy(programLine));
    EXPECT_NE(unknown.copy(firmwareLine), known.copy(firmwareLine));
}

TEST_F(SupportPageTest, UpdateCheckUsesTimerFiveAndIgnoresClicksWhileRunning) {
    // The checker's notices are also used from its worker thread.
    test::TempDir checkDir;
    test::SharedNotices checkNotices;
    BlockingDownloader downloader;
    UpdateChecker checker(checkDir.path(), "http://127.0.0.1:9/software/z408/update.xml",
                          downloader, checkNotices, page);
    page.setDeviceFirmwareVersionText(QStringLiteral("12"));
    page.setUpdateChecker(&checker);
    checker.startThread();
    QTimer& timeout = page.updateTimeoutTimer();
    const std::string silent(programText(ProgramText::UpdateServerSilent, 2));
    const std::string failed = "Could not check for a firmware update: the server hung up";

    page.widget(CDlgSupport::Update)->click();
    EXPECT_TRUE(timeout.isActive());
    EXPECT_EQ(timeout.interval(), 2000);
    ASSERT_TRUE(spinUntil([&] { return downloader.calls() == 1; }));
    page.widget(CDlgSupport::Update)->click();  // a check is running: nothing happens
    EXPECT_FALSE(checker.idle());
    EXPECT_TRUE(checkNotices.shown().empty());

    timeout.start(0);  // hurry the timeout: the download is too slow
    ASSERT_TRUE(spinUntil([&] { return !checkNotices.shown().empty(); }));
    expectNotices(checkNotices.shown(), {infoBox(silent)});
    EXPECT_FALSE(timeout.isActive());
    EXPECT_TRUE(checker.idle());

    // A new click is accepted again; this time the worker answers first and its stop, posted to
    // the page's thread, ends the timeout timer (set far out so only the stop can end it).
    page.widget(CDlgSupport::Update)->click();
    ASSERT_TRUE(timeout.isActive());
    timeout.start(3600 * 1000);
    downloader.release();
    ASSERT_TRUE(spinUntil([&] { return checkNotices.shown().size() == 2 && !timeout.isActive(); }));
    expectNotices(checkNotices.shown(), {infoBox(silent), messageBox(failed)});
    checker.stopThread();
    EXPECT_TRUE(messages().empty());

    // A stop the worker posted for an earlier start never ends a later start of the timeout timer.
    page.stopTimeoutTimer();
    page.startTimeoutTimer(UpdateChecker::kTimeoutMs);
    QCoreApplication::processEvents();
    EXPECT_TRUE(timeout.isActive());
    page.stopTimeoutTimer();
    EXPECT_TRUE(timeout.isActive());  // only once the page's thread gets to it
    QCoreApplication::processEvents();
    EXPECT_FALSE(timeout.isActive());
}

TEST_F(SupportPageTest, NewerDescriptionOnDiskRequestsTheBurner) {
    for (const bool reply : {true, false}) {
        SCOPED_TRACE(reply);
        test::TempDir checkDir;
        std::string xml = "<update><firmware><current>13</current></firmware></update>";
        writeAll(checkDir / "FWUpdate/new_version/update.xml", {xml.begin(), xml.end()});
        BlockingDownloader downloader;
        notices.shown.clear();
        notices.reply = reply;
        UpdateChecker checker(checkDir.path(), "http://127.0.0.1:9/x", downloader, notices, page);
        checker.startThread();  // the mouse was found
        page.setUpdateChecker(&checker);
        page.setDeviceFirmwareVersionText(QStringLiteral("12"));
        QSignalSpy burner(&page, &CDlgSupport::firmwareBurnerRequested);
        page.widget(CDlgSupport::Update)->click();
        EXPECT_EQ(burner.count(), reply ? 1 : 0);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_TRUE(messages()[0].withCancel);
        EXPECT_FALSE(page.updateTimeoutTimer().isActive());
        EXPECT_EQ(downloader.calls(), 0);
        page.setUpdateChecker(nullptr);
    }
}

TEST_F(SupportPageTest, PointerOverAWidgetPostsItsHint) {
    struct Case {
        QPoint pos;
        std::vector<int> hints;
    };
    const Case cases[] = {
        {{450, 280}, {56}}, {{404, 263}, {56}},  // the rectangle grown by one pixel
        {{403, 263}, {}},   {{520, 293}, {56}}, {{521, 293}, {}},   {{760, 270}, {57}},
        {{150, 400}, {58}}, {{300, 400}, {59}}, {{800, 400}, {60}}, {{100, 120}, {89}},
        {{400, 120}, {90}}, {{600, 50}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pos.x() << "," << c.pos.y());
        hints.hints.clear();
        page.moveTo(c.pos);
        EXPECT_EQ(hints.hints, c.hints);
        EXPECT_EQ(restoreRequests, 0);
    }

    // Over the button itself: the button forwards the move to the page.
    page.show();
    hints.hints.clear();
    CGDIBitmapBtn* update = page.widget(CDlgSupport::Update);
    QTest::mouseMove(update, update->rect().center());
    ASSERT_TRUE(spinUntil([&] { return !hints.hints.empty(); }));
    EXPECT_EQ(hints.hints.front(), 56);
    EXPECT_EQ(update->toolTip(), QString::fromStdU16String(language.strings().text(u"str_update")));
}

}  // namespace
}  // namespace z408
