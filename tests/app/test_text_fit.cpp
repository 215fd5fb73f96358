// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Every text the window shows fits its place in every interface language: the window, each page
// (the macro page with its event editor open), the hint line, the popup menus, the function
// picker's pages, the information box with each of the program's notices and the progress
// window are painted with the window's fonts while a TextCutWatch listens for any text that is
// cut or runs out of its place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/dlg_info.h"
#include "app/dlg_progress.h"
#include "app/z119k_driver_dlg.h"
#include "common/program_texts.h"
#include "common/text.h"
#include "functions/function_catalogue.h"
#include "functions/keyboard_layout.h"
#include "i18n/languages.h"
#include "macros/macro_fixtures.h"
#include "macros/macro_store.h"
#include "pages/dlg_macro.h"
#include "pages/macro_event_editor.h"
#include "pages/setting_dlg.h"
#include "pages/skin_page.h"
#include "temp_dir.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/menu_ex_a.h"
#include "widgets/preset_menu.h"
#include "widgets/text_fit.h"
#include "widgets/xp_menu.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

constexpr int kOwnPreset = 21;
// A macro name as long as people give them (20 characters, capitals and digits among them).
constexpr char16_t kLongMacroName[] = u"Rocket Jump Combo 12";

// Fair worst cases for the %s of the notices the information box shows.
struct NoticeCase {
    ProgramText text;
    std::vector<std::string> args;
};
std::vector<NoticeCase> noticeCases(int32_t language) {
    const std::string file = "/home/firstname.lastname/.local/share/z408/Profile/Profile5.ini";
    const std::string reason = "No space left on device";
    const std::string node = "/dev/input/by-id/usb-Tarvo_Z408-event-mouse";
    std::string buttons;  // every button a macro can sit on, in the language
    for (ProgramText b :
         {ProgramText::ButtonLeft, ProgramText::ButtonMiddle, ProgramText::ButtonRight,
          ProgramText::ButtonForward, ProgramText::ButtonBack, ProgramText::ButtonWheelUp,
          ProgramText::ButtonWheelDown})
        buttons += (buttons.empty() ? "" : ", ") + std::string(programText(b, language));
    const std::string name = utf16ToUtf8(kLongMacroName);
    return {
        {ProgramText::CouldNotRead, {file, reason}},
        {ProgramText::CouldNotSave, {file, reason}},
        {ProgramText::ButtonHeldByAnotherProgram, {}},
        {ProgramText::NoUpdateServer, {}},
        {ProgramText::NoWebSite, {}},
        {ProgramText::UpdateCheckFailed, {"Could not resolve host: update.tarvo-gaming.example"}},
        {ProgramText::UpdateServerSilent, {}},
        {ProgramText::MacroLibraryFull, {}},
        {ProgramText::MacroCutToSlot, {}},
        {ProgramText::PathTooLong, {}},
        {ProgramText::MacroMissing, {}},
        {ProgramText::EvdevNoMouseNode, {}},
        {ProgramText::EvdevNodeNotReadable, {node, "Permission denied"}},
        {ProgramText::EvdevNoUinput, {"/dev/uinput"}},
        {ProgramText::EvdevUinputNotWritable, {"/dev/uinput", "Permission denied"}},
        {ProgramText::EvdevUinputFailed, {"/dev/uinput", "Inappropriate ioctl for device"}},
        {ProgramText::EvdevGrabBusy, {node}},
        {ProgramText::EvdevGrabFailed, {node, "Device or resource busy"}},
        {ProgramText::EvdevWatchFailed, {"Too many open files"}},
        {ProgramText::NoFirmwareBurner, {}},
        {ProgramText::NoProgramUpdater, {}},
        {ProgramText::MacroGoneFromButtons, {buttons}},
        {ProgramText::ProfileSwitchedWhileOpen, {}},
        {ProgramText::RecordedMacroDeleted, {}},
        {ProgramText::MacroCutInMouse, {name, "1998"}},
        {ProgramText::MacroRecordingFull, {}},
        {ProgramText::MacroReleasesAdded, {}},
        {ProgramText::MacroKeysWithoutCode, {"Print Screen, Scroll Lock, Pause, Num Lock, Menu"}},
        {ProgramText::MacroNameBlank, {}},
        {ProgramText::MacroNameTaken, {name}},
        {ProgramText::MouseNoAccess, {node}},
        {ProgramText::RecordBusyKey, {}},
        {ProgramText::RecordBusyDelay, {}},
        {ProgramText::MacroInUse, {}},
        {ProgramText::MouseFound, {}},
        {ProgramText::MouseMissing, {}},
        {ProgramText::RefusedLeftClick, {}},
        {ProgramText::RefusedSniper, {}},
        {ProgramText::RestoreDefaultsAsk, {}},
        {ProgramText::ResetStatisticsAsk, {}},
        {ProgramText::FirmwareNewVersion, {}},
        {ProgramText::FirmwareLatest, {}},
        {ProgramText::FirmwareDownloadFailed, {}},
    };
}

QString noticeText(const NoticeCase& c, int32_t language) {
    std::vector<std::string_view> args(c.args.begin(), c.args.end());
    std::string text(programText(c.text, language));
    // formatText takes its arguments as a list; at most two are used.
    if (args.size() == 1) text = formatText(text, {args[0]});
    if (args.size() == 2) text = formatText(text, {args[0], args[1]});
    return QString::fromStdString(text);
}

std::string describe(const std::vector<TextCut>& cuts) {
    std::string out;
    for (const TextCut& c : cuts)
        out += "  " + c.control.toStdString() + ": \"" + c.text.toStdString() + "\" needs " +
               std::to_string(c.needed) + " px, has " + std::to_string(c.room) + "\n";
    return out;
}

// The window on a fresh data directory in one language, without a mouse.
class WindowInLanguage {
  public:
    explicit WindowInLanguage(const LanguageInfo& language) {
        context_ = std::make_unique<AppContext>(ProgramFolders::inOneFolder(Z408_PROGRAM_DIR),
                                                data(), SystemClock::instance(), nullptr);
        window_ = std::make_unique<CZ119KDriverDlg>(*context_);
        HookSourceView view;
        view.keysFromHook = false;  // the macro page's note on keys typed into the window shows
        window_->setHookSourceView(view);
        window_->initialise();
        QCoreApplication::processEvents();  // the posted language choice
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        // The language as a person chooses it, from the popup.
        QTest::mouseClick(window_->languageButton(), Qt::LeftButton);
        CMenuExA* popup = window_->languagePopup();
        EXPECT_NE(popup, nullptr);
        if (popup) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(popup));
            const QPoint at = popup->items()[language.id - 1].rect.center();
            QTest::mouseMove(popup, at);
            QTest::mouseClick(popup, Qt::LeftButton, {}, at);
        }
        for (int i = 0; i < 100 && window_->languagePopup(); ++i) QTest::qWait(10);
        EXPECT_EQ(context_->language().languageId(), language.id);
        // A macro with a long name in the player's own group, listed on the macro page.
        EXPECT_TRUE(context_->macros().library().placeMacro(test::macroRecord(
            makeMacroId(kOwnPreset, 1), {test::keyDown(0x41), test::delay(250), test::keyUp(0x41)},
            kLongMacroName)));
        window_->macroPage()->fillForPreset(kOwnPreset);
    }
    ~WindowInLanguage() {
        window_.reset();
        context_.reset();
    }

    CZ119KDriverDlg& window() { return *window_; }
    AppContext& context() { return *context_; }

  private:
    // A data folder the program makes itself, as at a first start.
    fs::path data() const { return dir_.path() / "data"; }

    test::TempDir dir_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<CZ119KDriverDlg> window_;
};

void paint(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QCoreApplication::processEvents();
    (void)w->grab();
}

// Everything the window and its dialogs show in `language`, painted under `watch`.
void paintEverything(WindowInLanguage& session, const LanguageInfo& language) {
    CZ119KDriverDlg& window = session.window();
    AppContext& context = session.context();
    for (int tab = 1; tab <= CZ119KDriverDlg::kTabCount; ++tab) {
        window.showTab(tab);
        paint(&window);
    }
    // The macro page with its event editor open, for a key and for a delay.
    window.showTab(3);
    CDlgMacro* macro = window.macroPage();
    macro->editor().openKey(true);
    paint(&window);
    macro->editor().openDelay(true);
    paint(&window);
    // The record button's caption while recording, on the same button.
    macro->recordButton()->SetText(
        QString::fromUtf8(programText(ProgramText::RecordStop, language.id)));
    paint(&window);
    macro->refreshTexts();
    macro->onPresetButton();
    paint(macro->presetMenu());
    if (macro->presetMenu()) macro->presetMenu()->close();
    window.showTab(1);

    // Every hint the hint line shows.
    for (int number = 1; number < 100; ++number) {
        emit window.page(1)->hintRequested(number);
        paint(&window);
    }

    // The language popup and the tray's menu.
    QTest::mouseClick(window.languageButton(), Qt::LeftButton);
    paint(window.languagePopup());
    if (window.languagePopup()) window.languagePopup()->close();
    for (CXPMenu* menu : window.findChildren<CXPMenu*>()) {
        menu->adjustSize();
        paint(menu);
    }

    // The function picker's four pages.
    const PickerContext picker{QString::fromStdString(context.programDirectory().string()),
                               context.language(),
                               context.macros().library(),
                               nullptr,
                               nullptr,
                               context.notices(),
                               UsKeyboardLayout::instance()};
    CSettingDlg dlg(picker, 0, QStringLiteral("Click"), &window);
    dlg.show();
    for (int page = 1; page <= kPickerPageCount; ++page) {
        dlg.showPage(static_cast<PickerPage>(page));
        paint(&dlg);
    }
    dlg.hide();
    // Its current-function line with every built-in name, as this language shows it.
    for (const CatalogueEntry& f : functionCatalogue()) {
        if (f.englishName.empty()) continue;
        const std::u16string key = utf8ToUtf16(f.pickerKey);
        const std::u16string text =
            key.empty() ? std::u16string() : context.language().strings().text(key);
        CSettingDlg named(picker, 0,
                          QString::fromStdU16String(shownFunctionName(
                              f.type, utf8ToUtf16(f.englishName), language.id, text)),
                          &window);
        paint(&named);
    }

    // The information box with each notice, and the progress window.
    for (const NoticeCase& c : noticeCases(language.id)) {
        CDlgInfo box(noticeText(c, language.id), InfoButtons::OkCancel, InfoCountdown::None,
                     language.id);
        paint(&box);
    }
    CDlgInfo timed(QStringLiteral("x"), InfoButtons::Ok, InfoCountdown::Closes, language.id);
    timed.countdownTimer().stop();
    paint(&timed);
    CDlgProgress progress(QString::fromStdString(context.programDirectory().string()), language.id);
    paint(&progress);
}

TEST(TextFit, EveryTextFitsItsPlaceInEveryLanguage) {
    for (const LanguageInfo& language : kLanguages) {
        SCOPED_TRACE(std::string(language.menuText));
        TextCutWatch watch;
        {
            WindowInLanguage session(language);
            paintEverything(session, language);
        }
        EXPECT_TRUE(watch.cuts.empty())
            << language.menuText << ": " << watch.cuts.size() << " texts do not fit\n"
            << describe(watch.cuts);
    }
}

// The cases that were found cut: the event editor's OK buttons and the notices of a macro cut
// short or not saved, which lost their advice after three lines.
TEST(TextFit, TheEventEditorsButtonsAndTheMacroNoticesAreWhole) {
    struct Row {
        int32_t language;
        QString keyOk, delayOk;
    };
    const Row rows[] = {
        {kLanguageEnglish, QStringLiteral("Key"), QStringLiteral("Delay")},
        {5, QStringLiteral("Taste"), QStringLiteral("Pause")},
        {10, QStringLiteral("Клавиша"), QStringLiteral("Задержка")},
    };
    for (const Row& row : rows) {
        const LanguageInfo& language = kLanguages[static_cast<size_t>(row.language - 1)];
        SCOPED_TRACE(std::string(language.menuText));
        WindowInLanguage session(language);
        MacroEventEditor& editor = session.window().macroPage()->editor();
        EXPECT_EQ(editor.keyOk()->shownCaption(), row.keyOk);
        EXPECT_EQ(editor.delayOk()->shownCaption(), row.delayOk);

        for (const NoticeCase& c : noticeCases(row.language)) {
            if (c.text != ProgramText::MacroCutInMouse && c.text != ProgramText::MacroCutToSlot &&
                c.text != ProgramText::MacroLibraryFull)
                continue;
            const QString text = noticeText(c, row.language);
            CDlgInfo box(text, InfoButtons::Ok, InfoCountdown::None, row.language);
            EXPECT_TRUE(CDlgInfo::messageFits(text)) << text.toStdString();
            EXPECT_EQ(box.shownLines(), CDlgInfo::messageLines(text));
            // The box grew by the lines beyond three and its OK button moved down with them.
            EXPECT_GT(box.height(), 170) << text.toStdString();
            EXPECT_EQ(box.okButton()->geometry().bottom(), box.height() - 12);
        }
    }
}

}  // namespace
}  // namespace z408
