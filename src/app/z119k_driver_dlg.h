// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The program's one top-level window: a frameless skinned window with five tabs and their pages,
// five profile buttons, Apply, the language button, minimise and close, a hint line and a tray
// icon. It owns the pages and the progress dialog and is the hub of the program's messages.
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dlg_info.h"
#include "functions/assignment_rules.h"
#include "i18n/language_context.h"
#include "shell/device_bring_up.h"
#include "shell/device_session.h"
#include "shell/input_hook.h"
#include "shell/software_function_dispatcher.h"
#include "shell/window_directory.h"
#include "widgets/menu_ex_a.h"
#include "widgets/message_event.h"

class QAction;
class QLabel;

namespace z408 {

class AppContext;
class CDlgMainSet;
class CDlgLEDSet;
class CDlgMacro;
class CDlgProgress;
class CDlgSts;
class CDlgSupport;
class CrossThreadNotices;
class UpdateChecker;
class UpdateDownloader;
class CGDIBitmapBtn;
class CIrrButton;
class CSkinPage;
class CXPMenu;
class KeyboardLayout;
class MacroPageHook;
class CursorSource;

// What the hook's source can see of the desktop, which the pages that take keys or count travel
// must know.
struct HookSourceView {
    // The hook hears the keys typed into other programs' windows (X11); otherwise the key
    // capture and the macro recorder take the keys of the program's own window.
    bool keysFromHook = true;
    // Where the statistics read the pointer travel; null: the X server's pointer position.
    std::function<std::unique_ptr<CursorSource>()> travel;
};

class CZ119KDriverDlg : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTabCount = 5;
    static constexpr int kProfileCount = 5;

    explicit CZ119KDriverDlg(AppContext& context, QWidget* parent = nullptr);
    ~CZ119KDriverDlg() override;

    // Start-up up to the language choice (files, skins, controls, pages, tray, profiles).
    void initialise();
    // The device half of start-up: the window is shown first (unless `shown` is false: a start
    // hidden in the tray), then the bootloader test and the mouse search run from the event
    // loop, and their end starts the workers or ends the program. `platform` must outlive it.
    void bringUp(BringUpPlatform& platform, bool shown = true);
    // While the start-up search for the mouse runs (the hint line says so; Apply waits for it).
    bool searchingMouse() const { return search_ != nullptr; }
    // Tests: every pause of the search this long instead of its own length (negative: its own).
    void setBringUpPauseMs(int ms) { bringUpPauseMs_ = ms; }
    // The box that says the mouse is missing or closed to us, while it is open (tests close it).
    QWidget* bringUpBox() const { return bringUpBox_; }

    // The hook's number for this window.
    static constexpr WindowId kWindowId = WindowId{1};
    // The hook's number for the macro page, which records through it.
    static constexpr WindowId kMacroPageId = WindowId{3};
    // Where the hook's messages for one of its windows go; null for a window that is gone.
    MessageSink* hookSink(WindowId window) { return hookWindows_.sinkOf(window); }
    // The hook's windows: this window, its macro page, and the picker's key page while it is open.
    WindowDirectory& hookWindows() { return hookWindows_; }

    MessageSink& sink() { return sink_; }
    // The system-wide input hook (none where the desktop offers none) and what to call when the
    // upload has changed the intercepted buttons.
    void setInputHook(InputHook* hook, std::function<void()> interceptsChanged);
    // Before initialise(): what the hook's source sees (by default all of an X11 desktop).
    void setHookSourceView(HookSourceView view) { hookView_ = std::move(view); }
    void setSoftwareFunctions(SoftwareFunctionDispatcher* dispatcher) { dispatcher_ = dispatcher; }
    // The hook's windows, where the function picker enters its key page while it is open.
    CDlgProgress& progressDialog() { return *progress_; }

    // What the controls and the message table do (public so the tests can drive them).
    void showTab(int tab);            // 1..5
    void selectProfile(int profile);  // 1..5
    // z408ctl asks before it changes profile entry `entry` (0..4) on disk.
    bool hasUnsavedEdits(int entry) const;
    // z408ctl changed entry `entry` or the table on disk: the active profile is read again when
    // it is the one changed or another became active, and the pages show it.
    void profilesChangedOnDisk(int entry);
    // z408ctl changed Macro.cfg: the library is read again and the macro page shows it.
    void macrosChangedOnDisk();
    void apply();
    void restoreDefaults();
    void hideToTray();
    void showFromTray();
    // A click on the tray icon or a second start of the program: the window comes back.
    void trayActivated();
    // The tray's menu at the pointer.
    void openTrayMenu();
    // Whether a hidden window can be found again through the tray.
    bool canHideToTray() const { return trayUsable(); }
    // The tray menu's switch: writes or removes the autostart entry.
    void setStartAtLogin(bool on);
    QAction* startAtLoginItem() const { return autostartItem_; }
    // Lets go of the page images and caches a hidden window does not need.
    void releaseWhileHidden();
    QString backgroundPath() const;
    // Every way of ending ("Exit", the signals, the session's end, the mouse removed) comes here:
    // open dialogs and menus are closed, and once their loops have returned the shutdown
    // sequence runs once and finished() is emitted.
    void requestExit();
    bool exitRequested() const { return exitRequested_; }
    // main() runs the window inside QApplication::exec(): the loop level where shutting down
    // leaves no modal loop on the stack (0, the default, where no loop runs at all).
    void setMainLoopLevel(int level) { mainLoopLevel_ = level; }
    // The desktop session asks for the data to be saved; the program goes on.
    void saveForSessionEnd();
    // A USB device interface came or went; `path` is its interface path text.
    void deviceArrived(const QString& path);
    void deviceRemoved(const QString& path);

    int currentTab() const { return currentTab_; }
    // What the hint line shows.
    QString hintText() const;
    // The hint as the hint line shows it, line by line.
    QStringList hintLines() const;
    CIrrButton* tabButton(int tab) const { return tabs_[static_cast<size_t>(tab - 1)]; }
    CIrrButton* profileButton(int profile) const {
        return profiles_[static_cast<size_t>(profile - 1)];
    }
    CIrrButton* applyButton() const { return apply_; }
    CGDIBitmapBtn* closeButton() const { return close_; }
    CGDIBitmapBtn* minimiseButton() const { return minimise_; }
    CGDIBitmapBtn* languageButton() const { return language_; }
    // The flag of the language in force.
    QLabel* languageFlag() const { return flag_; }
    // The language popup while it is open.
    CMenuExA* languagePopup() const { return languagePopup_; }
    CSkinPage* page(int tab) const { return pages_[static_cast<size_t>(tab - 1)]; }
    CDlgMainSet* settingsPage() const { return mainSet_; }
    CDlgLEDSet* lightingPage() const { return ledSet_; }
    CDlgSts* statisticsPage() const { return stats_; }
    CDlgMacro* macroPage() const { return macro_; }
    CDlgSupport* supportPage() const { return support_; }
    // The firmware update check; null when no update server is configured.
    UpdateChecker* updateChecker() const { return updateChecker_.get(); }
    // Starts the program updater once, 3 s after the mouse was found at start-up.
    QTimer& programUpdaterTimer() { return programUpdaterTimer_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    QTimer& arrivalRetryTimer() { return arrivalRetry_; }
    bool shutDown() const { return shutDown_; }
    // The notice box currently shown for an arrival or removal (tests close it).
    CDlgInfo* presenceBox() const { return presenceBox_; }

  signals:
    // The shutdown sequence has run; the program may end.
    void finished();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void onMessage(Msg msg, uintptr_t wParam, intptr_t lParam);
    void createControls();
    void createPages();
    void createTrayIcon();
    void setApplyLooks();
    void setTooltips();
    void setHint(int number);
    void pointerMovedTo(const QPoint& pos);
    void refreshPages();
    bool uploading() const;
    // Reads the profiles again when z408ctl changed them during an upload.
    void reloadDeferredProfiles();
    void requestUpload();
    void showPresenceBox(const QString& text);
    bool trayUsable() const;
    void shutdown();
    void installHooks();
    void removeHooks();
    void forwardingOff();
    void applyLanguage(LanguageRequest request, int32_t languageId);
    // Runs `action` from the event loop, after what is under way, unless the window is ending.
    void later(std::function<void()> action);
    void createUpdateCheck();
    // The mouse's firmware version, for the support page.
    void readFirmwareVersion();
    // Runs the function picker for a settings-page button; nothing when left without a choice.
    std::optional<PickerChoice> runPicker(int button, const QString& currentFunction);
    void handOverToFirmwareBurner();
    // One step of the start-up search, and what follows its end.
    void bringUpStep();
    void bringUpFinished(BringUpOutcome outcome, const std::string& refusedNode);

    AppContext& ctx_;
    QtMessageSink sink_;
    QImage normal_;  // the background; let go while hidden in the tray
    bool hasBackground_ = false;
    int applyLooks_ = 0;  // the resource of the Apply button's pictures set, 0 before
    CGDIBitmapBtn* minimise_ = nullptr;
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* language_ = nullptr;
    QLabel* flag_ = nullptr;
    std::array<CIrrButton*, kTabCount> tabs_{};
    std::array<CIrrButton*, kProfileCount> profiles_{};
    CIrrButton* apply_ = nullptr;
    std::array<CSkinPage*, kTabCount> pages_{};
    bool reloadAfterUpload_ = false;
    bool reloadMacrosAfterUpload_ = false;
    // Macros the upload under way sent only in part; told when the upload ends.
    std::vector<std::string> macroCutTexts_;
    CDlgMainSet* mainSet_ = nullptr;
    // Names the keys of combinations the settings page assigns.
    std::unique_ptr<KeyboardLayout> keyboardLayout_;
    CDlgLEDSet* ledSet_ = nullptr;
    CDlgSts* stats_ = nullptr;
    CDlgMacro* macro_ = nullptr;
    std::unique_ptr<MacroPageHook> macroHook_;
    CDlgSupport* support_ = nullptr;
    // The update check's worker asks its questions through the window's thread.
    std::unique_ptr<CrossThreadNotices> workerNotices_;
    std::unique_ptr<UpdateDownloader> downloader_;
    std::unique_ptr<UpdateChecker> updateChecker_;
    QTimer programUpdaterTimer_;
    std::unique_ptr<CDlgProgress> progress_;
    QSystemTrayIcon* tray_ = nullptr;
    CXPMenu* trayMenu_ = nullptr;
    QAction* autostartItem_ = nullptr;
    QPointer<CMenuExA> languagePopup_;
    QString hint_;
    QRect hintRect_;
    QRect flagRect_;
    int hintNumber_ = 0;  // what hint_ shows, so a language switch can show it anew
    int currentTab_ = 1;
    QPoint dragOffset_;
    bool dragging_ = false;
    QTimer arrivalRetry_;
    QPointer<CDlgInfo> presenceBox_;
    class SessionActions;
    std::unique_ptr<SessionActions> sessionActions_;
    DeviceSession session_;
    InputHook* hook_ = nullptr;
    WindowDirectory hookWindows_;
    std::function<void()> interceptsChanged_;
    HookSourceView hookView_;
    SoftwareFunctionDispatcher* dispatcher_ = nullptr;
    bool shutDown_ = false;
    bool exitRequested_ = false;
    int mainLoopLevel_ = 0;
    int exitRetries_ = 0;
    std::unique_ptr<BringUpSearch> search_;
    QTimer bringUpTimer_;
    QPointer<QWidget> bringUpBox_;
    bool uploadAfterSearch_ = false;  // Apply was pressed while the mouse was searched
    int bringUpPauseMs_ = -1;
};

}  // namespace z408
