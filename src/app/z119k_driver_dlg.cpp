// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/z119k_driver_dlg.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdio>

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmapCache>
#include <QThread>
#include <QWindow>
#include <utility>

#include "app/app_context.h"
#include "app/cross_thread_notices.h"
#include "app/dlg_info.h"
#include "app/dlg_progress.h"
#include "app/external_programs.h"
#include "app/hint_texts.h"
#include "app/open_dialogs.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "common/program_texts.h"
#include "common/resource_numbers.h"
#include "common/text.h"
#include "config/seeding.h"
#include "desktop/autostart.h"
#include "desktop/curl_downloader.h"
#include "desktop/x11_cursor_source.h"
#include "desktop/x11_keyboard_layout.h"
#include "i18n/language_choice.h"
#include "i18n/languages.h"
#include "macros/game_presets.h"
#include "macros/macro_usage.h"
#include "pages/dlg_led_set.h"
#include "pages/dlg_macro.h"
#include "pages/dlg_main_set.h"
#include "pages/dlg_sts.h"
#include "pages/dlg_support.h"
#include "pages/macro_page_hook.h"
#include "pages/setting_dlg.h"
#include "pages/skin_controls.h"
#include "pages/skin_page.h"
#include "platform/device_ids.h"
#include "update/program_settings.h"
#include "update/update_checker.h"
#include "upload/settings_uploader.h"
#include "widgets/gdi_bitmap_btn.h"
#include "widgets/irr_button.h"
#include "widgets/keyboard_focus.h"
#include "widgets/menu_ex_a.h"
#include "widgets/skin_accessible.h"
#include "widgets/skin_caption.h"
#include "widgets/skin_image.h"
#include "widgets/xp_menu.h"

namespace z408 {
namespace {

// Freed blocks stay with the process until the heap is trimmed: after building the window (the
// page images the controls were cut from) and when it goes to the tray.
void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

constexpr const char* kWindowTitle = "Tarvo Z408 Gaming Mouse Driver";
constexpr int kCommandConfig = 0x6000;
constexpr int kCommandExit = 0x6001;
constexpr int kCommandAutostart = 0x6002;
constexpr int kBalloonMs = 5000;
constexpr int kProgramUpdaterDelayMs = 3000;
// How often, and how many times, an exit waits for the loops of closed dialogs to return.
constexpr int kExitRetryMs = 10;
constexpr int kMaxExitRetries = 300;

constexpr int kPopupLeftOffset = 4;
constexpr int kPopupAboveBottom = 287;
// The flag and the hint text sit inside the sunken frames of their fields.
constexpr QMargins kFlagInset(2, 2, 2, 2);
constexpr QMargins kHintInset(3, 2, 3, 2);
// The hint's character cell: its box of 30 pixels holds two lines of it.
constexpr int kHintFontHeight = 14;

// The window's controls at their places in the skin layout, as the pages place theirs.
struct MainLayout {
    explicit MainLayout(bool chineseLayout)
        : skin_(skin::pageSkin("main",
                               chineseLayout ? skin::Layout::Chinese : skin::Layout::English)) {}
    QRect rect(std::string_view name) const {
        const skin::Control* c = skin::findControl(skin_, name);
        return c ? toQRect(c->rect) : QRect();
    }
    QPolygon quad(std::string_view name) const {
        const skin::Control* c = skin::findControl(skin_, name);
        return c ? toQPolygon(c->quad) : QPolygon();
    }
    const skin::Control& control(std::string_view name) const {
        static const skin::Control none;
        const skin::Control* c = skin::findControl(skin_, name);
        return c ? *c : none;
    }

  private:
    skin::PageSkin skin_;
};

// The page skins in tab order, and the class each page grows into.
constexpr const char* kPageSkins[5] = {"settings", "lighting", "macro", "stats", "support"};
constexpr const char* kPageClasses[5] = {"CDlgMainSet", "CDlgLEDSet", "CDlgMacro", "CDlgSts",
                                         "CDlgSupport"};

constexpr std::u16string_view kTabTips[5] = {u"str_main", u"str_led_title", u"str_macro_manager",
                                             u"str_sts", u"str_about"};
constexpr std::u16string_view kProfileTips[5] = {u"str_profile1", u"str_profile2", u"str_profile3",
                                                 u"str_profile4", u"str_profile5"};

QString qs(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

// The macro page records through the system-wide hook, which sees the desktop's keys only when
// it runs, its source hears keys at all, and the window is not a native Wayland client (X11
// sees no Wayland input).
class WindowMacroPageHook final : public MacroPageHook {
  public:
    WindowMacroPageHook(InputHook*& hook, bool keysFromHook)
        : hook_(hook), keysFromHook_(keysFromHook) {}
    bool seesDesktopKeys() const override {
        return hook_ && keysFromHook_ && hook_->installed() &&
               !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
    void forwardKeysToPage() override {
        if (!hook_) return;
        hook_->setTarget(CZ119KDriverDlg::kMacroPageId);
        hook_->setForwarding(HookInputs::Keyboard);
    }
    void forwardingOff() override {
        if (hook_) hook_->setForwarding(HookInputs::Neither);
    }

  private:
    InputHook*& hook_;
    const bool keysFromHook_;
};

}  // namespace

// What the mouse's arrival and removal do in this window.
class CZ119KDriverDlg::SessionActions final : public DeviceSessionActions {
  public:
    explicit SessionActions(CZ119KDriverDlg& window) : w_(window) {}
    bool ending() override { return w_.exitRequested_; }
    bool isMousePath(std::string_view path) override { return isMousePathText(path); }
    int64_t languageId() override { return w_.ctx_.language().languageId(); }
    bool hasLink() override { return w_.ctx_.driver() != nullptr; }
    bool linkOpen() override { return w_.ctx_.driver() && w_.ctx_.driver()->IsOpen(); }
    bool openLink() override { return w_.ctx_.driver() && w_.ctx_.driver()->Open(); }
    void closeLink() override {
        if (w_.ctx_.driver()) w_.ctx_.driver()->Close();
    }
    void linkOpened() override {
        w_.readFirmwareVersion();
        w_.installHooks();
    }
    void removeHooks() override { w_.removeHooks(); }
    void closeOpenDialogs() override { z408::closeOpenDialogs(&w_); }
    void showNotice(std::string_view text) override {
        w_.showPresenceBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void requestExit() override { w_.requestExit(); }
    void startRetryTimer() override { w_.arrivalRetry_.start(); }
    void stopRetryTimer() override { w_.arrivalRetry_.stop(); }

  private:
    CZ119KDriverDlg& w_;
};

// The hook's windows share one directory: each needs a number of its own.
static_assert(CSettingDlg::kKeyPageWindowId != CZ119KDriverDlg::kMacroPageId &&
              CSettingDlg::kKeyPageWindowId != CZ119KDriverDlg::kWindowId &&
              CZ119KDriverDlg::kMacroPageId != CZ119KDriverDlg::kWindowId);

CZ119KDriverDlg::CZ119KDriverDlg(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ctx_(context),
      sink_(this),
      sessionActions_(std::make_unique<SessionActions>(*this)),
      session_(*sessionActions_) {
    // Before any control exists, so a screen reader never meets one described by Qt's defaults.
    installSkinAccessibility();
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setFixedSize(skin::kMainWidth, skin::kMainHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    arrivalRetry_.setInterval(kArrivalRetryMs);
    connect(&arrivalRetry_, &QTimer::timeout, this, [this] { session_.retryElapsed(); });
    programUpdaterTimer_.setSingleShot(true);
    programUpdaterTimer_.setInterval(kProgramUpdaterDelayMs);
    connect(&programUpdaterTimer_, &QTimer::timeout, this, [this] {
        // A packaged program is updated by the distribution: it carries no updater, and
        // says so on the terminal rather than in a box at every start.
        if (startProgramUpdater(ctx_.helperDirectory()) == HelperStart::NotInstalled)
            std::fprintf(stderr, "z408: %s\n",
                         ctx_.notices().programText(ProgramText::NoProgramUpdater).c_str());
    });
    bringUpTimer_.setSingleShot(true);
    connect(&bringUpTimer_, &QTimer::timeout, this, &CZ119KDriverDlg::bringUpStep);
    hookWindows_.add(kWindowId, &sink_);
}

CZ119KDriverDlg::~CZ119KDriverDlg() {
    shutdown();
    ctx_.notices().setParentWindow(nullptr);
}

void CZ119KDriverDlg::initialise() {
    const QImage icon = loadResourceImage(res::kTrayIcon);
    if (!icon.isNull()) setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    seedDataDirectory(ctx_.programDirectory(), ctx_.dataDirectory());
    const int installationFlag = ctx_.language().ApplyInstallationLanguage();
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    ctx_.notices().setParentWindow(this);
    ctx_.macros().loadMacroLibrary();
    {
        const SkinImageCache pictures;
        createControls();
        createPages();
    }
    createTrayIcon();
    ctx_.profiles().loadTableAndActiveProfile();
    refreshPages();  // also without a mouse, when no bring-up refreshes them
    // An entry without the entry magic (a table that was lost and re-made) shows unselected,
    // although its profile is the active one.
    for (int e = 0; e < kProfileCount; ++e)
        profiles_[static_cast<size_t>(e)]->setLatched(ctx_.profiles().table().shownSelected(e));
    // The working macro ids came with the active profile; the device notifications are watched
    // from main(), which feeds deviceArrived/deviceRemoved.
    flag_ = new QLabel(this);
    flag_->setGeometry(flagRect_);
    flag_->setScaledContents(true);
    // The installation language's flag stays when the saved choice names no language.
    flag_->setPixmap(QPixmap::fromImage(loadResourceImage(installationFlag)));
    const int32_t choice = ReadLanguageChoice(ctx_.dataDirectory(), ctx_.notices());
    later([this, choice] { applyLanguage(LanguageRequest::AtStartup, choice); });
    returnFreedMemory();
}

void CZ119KDriverDlg::createControls() {
    const QString dir = QString::fromStdString(ctx_.programDirectory().string());
    normal_ = LoadSkinImage(backgroundPath());
    hasBackground_ = !normal_.isNull();
    // Every control keeps its own cut of the pressed and hover looks: they go after this.
    const QImage down = LoadSkinImage(skinPath(dir, QStringLiteral("Main_Down.bmp")));
    const QImage over = LoadSkinImage(skinPath(dir, QStringLiteral("Main_Over.bmp")));
    const QImage disabled = dimmedImage(normal_);

    auto bitmapButton = [&](const QRect& r) {
        auto* b = new CGDIBitmapBtn(this);
        b->SetBitmaps(r, normal_, over, down, normal_);
        b->installEventFilter(this);
        return b;
    };
    const MainLayout layout(ctx_.language().ChineseLayoutFlag() != 0);
    flagRect_ = layout.rect("flag").marginsRemoved(kFlagInset);
    hintRect_ = layout.rect("hint").marginsRemoved(kHintInset);
    minimise_ = bitmapButton(layout.rect("minimise"));
    close_ = bitmapButton(layout.rect("close"));
    const QRect languageRect = layout.rect("language");
    language_ = bitmapButton(languageRect);
    connect(minimise_, &QAbstractButton::clicked, this, [this] {
        showMinimized();
        forwardingOff();
        macro_->leavePage();
    });
    connect(close_, &QAbstractButton::clicked, this, &CZ119KDriverDlg::hideToTray);
    connect(language_, &QAbstractButton::clicked, this, [this, languageRect] {
        if (languagePopup_) return;
        auto* menu = new CMenuExA(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        connect(menu, &CMenuEx::itemChosen, this, [this](intptr_t language) {
            later([this, language] {
                applyLanguage(LanguageRequest::FromPopup, static_cast<int32_t>(language));
            });
        });
        const QPoint anchor(languageRect.left() - kPopupLeftOffset,
                            languageRect.top() + languageRect.height() - kPopupAboveBottom);
        menu->Create(this, mapToGlobal(anchor));
        languagePopup_ = menu;
        setAccessiblePopup(language_, menu);
        menu->show();
    });

    auto irregular = [&](const std::string& name) {
        auto* b = new CIrrButton(this);
        b->Create(QString(), layout.quad(name), this);
        b->SetImages(normal_, over, down, disabled);
        b->installEventFilter(this);
        return b;
    };
    for (int i = 0; i < kTabCount; ++i) {
        CIrrButton* b = irregular("tab" + std::to_string(i + 1));
        b->setCheckMode(true);
        setAccessibleKind(b, AccessibleKind::PageTab);
        connect(b, &QAbstractButton::clicked, this, [this, i] { showTab(i + 1); });
        tabs_[static_cast<size_t>(i)] = b;
    }
    for (int i = 0; i < kProfileCount; ++i) {
        CIrrButton* b = irregular("profile" + std::to_string(i + 1));
        b->setCheckMode(true);
        // One profile is the active one.
        setAccessibleKind(b, AccessibleKind::RadioButton);
        connect(b, &QAbstractButton::clicked, this, [this, i] { selectProfile(i + 1); });
        profiles_[static_cast<size_t>(i)] = b;
    }
    apply_ = irregular("apply");
    setApplyLooks();
    // The buttons' texts are drawn over their pictures in the language of the moment.
    auto textOf = [this](const skin::Control& c) {
        return [this, c] { return captionText(c, ctx_.language().languageId()); };
    };
    language_->SetSkinCaption(layout.control("language"), textOf(layout.control("language")));
    for (int i = 0; i < kTabCount; ++i) {
        const skin::Control& c = layout.control("tab" + std::to_string(i + 1));
        tabs_[static_cast<size_t>(i)]->SetSkinCaption(c, textOf(c));
    }
    for (int i = 0; i < kProfileCount; ++i) {
        const skin::Control& c = layout.control("profile" + std::to_string(i + 1));
        profiles_[static_cast<size_t>(i)]->SetSkinCaption(c, textOf(c));
    }
    apply_->SetSkinCaption(layout.control("apply"), textOf(layout.control("apply")));
    // Apply runs a modal dialog: let the press finish first so the button does not stay down.
    connect(apply_, &QAbstractButton::clicked, this, &CZ119KDriverDlg::apply, Qt::QueuedConnection);
}

void CZ119KDriverDlg::setApplyLooks() {
    // The Apply button has pictures for each built-in text language (its caption is drawn over
    // them).
    const int base = ctx_.chinese() ? res::kApplyChinese : res::kApplyEnglish;
    // Three page-sized pictures to decode: not again for the language the button shows already.
    if (base == applyLooks_) return;
    applyLooks_ = base;
    const QImage normal = loadResourceImage(base);
    apply_->SetImages(normal, loadResourceImage(base + 2), loadResourceImage(base + 1),
                      dimmedImage(normal));
}

void CZ119KDriverDlg::createPages() {
    const QString dir = QString::fromStdString(ctx_.programDirectory().string());
    const bool chineseLayout = ctx_.language().ChineseLayoutFlag() != 0;
    for (int i = 0; i < kTabCount; ++i) {
        CSkinPage* page = nullptr;
        if (i == 0) {
            keyboardLayout_ = std::make_unique<desktop::X11KeyboardLayout>();
            mainSet_ = new CDlgMainSet(dir, chineseLayout, ctx_.language(), ctx_.profiles(),
                                       ctx_.macros().library(), ctx_.notices(),
                                       keyboardLayout_.get(), this);
            mainSet_->setPickerOpener(
                [this](int button, const QString& current) { return runPicker(button, current); });
            page = mainSet_;
        } else if (i == 1) {
            ledSet_ = new CDlgLEDSet(dir, chineseLayout, ctx_.language(), ctx_.profiles(), this);
            page = ledSet_;
        } else if (i == 3) {
            stats_ = new CDlgSts(dir, ctx_.dataDirectory(), chineseLayout, ctx_.language(),
                                 ctx_.notices(),
                                 hookView_.travel ? hookView_.travel()
                                                  : std::make_unique<desktop::X11CursorSource>(),
                                 this);
            page = stats_;
        } else if (i == 2) {
            macroHook_ = std::make_unique<WindowMacroPageHook>(hook_, hookView_.keysFromHook);
            macro_ =
                new CDlgMacro(dir, chineseLayout, ctx_.language(), ctx_.notices(), ctx_.macros(),
                              ctx_.profiles(), ctx_.clock(), macroHook_.get(), this);
            hookWindows_.add(kMacroPageId, &macro_->sink());
            page = macro_;
        } else if (i == 4) {
            support_ = new CDlgSupport(dir, chineseLayout, ctx_.language(), ctx_.notices(),
                                       ctx_.profiles(), this);
            connect(support_, &CDlgSupport::restoreDefaultsRequested, this,
                    [this] { later([this] { restoreDefaults(); }); });
            page = support_;
        } else {
            page = new CSkinPage(QString::fromLatin1(kPageSkins[i]), dir, chineseLayout, this);
        }
        page->setObjectName(QString::fromLatin1(kPageClasses[i]));
        page->setGeometry(toQRect(skin::kPagesRect));
        page->setVisible(i == 0);
        page->setMouseTracking(true);
        connect(page, &CSkinPage::hintRequested, this,
                [this](int number) { later([this, number] { setHint(number); }); });
        pages_[static_cast<size_t>(i)] = page;
    }
    stats_->initialise();
    macro_->fillForPreset(kCustomGamePreset);
    createUpdateCheck();
    progress_ = std::make_unique<CDlgProgress>(dir, ctx_.language().languageId(), this);
    // Tab goes through the page tabs, the shown page, then the bottom line (language, profiles,
    // Apply) and the window's own two buttons; a hidden page's controls are passed over.
    // The window heads the chain, so the first Tab lands on the first page tab.
    QList<QWidget*> chain{this};
    chain.append(QList<QWidget*>(tabs_.begin(), tabs_.end()));
    for (CSkinPage* page : pages_) chain.append(page->tabChain());
    chain << language_;
    chain.append(QList<QWidget*>(profiles_.begin(), profiles_.end()));
    chain << apply_ << minimise_ << close_;
    chainTabOrder(chain);
    makeKeyRow({tabs_.begin(), tabs_.end()}, kTabCount, false);
    makeKeyRow({profiles_.begin(), profiles_.end()}, kProfileCount, false);
    showTab(1);
    // The keyboard starts at the first page tab (unmarked until a key is pressed).
    tabs_[0]->setFocus(Qt::OtherFocusReason);
}

void CZ119KDriverDlg::createUpdateCheck() {
    const ProgramSettings settings = readProgramSettingsFile(ctx_.programSettingsFile());
    support_->setWebAddress(QString::fromStdString(settings.webSite));
    // The burner takes over the mouse: it is started from this thread, then the program ends.
    connect(support_, &CDlgSupport::firmwareBurnerRequested, this,
            &CZ119KDriverDlg::handOverToFirmwareBurner, Qt::QueuedConnection);
    const std::string url = updateDescriptionUrl(settings.updateHost);
    if (url.empty()) return;  // the update button says that no server is configured
    workerNotices_ = std::make_unique<CrossThreadNotices>(ctx_.notices(), this);
    downloader_ = std::make_unique<desktop::CurlDownloader>();
    updateChecker_ = std::make_unique<UpdateChecker>(ctx_.dataDirectory(), url, *downloader_,
                                                     *workerNotices_, *support_);
    support_->setUpdateChecker(updateChecker_.get());
}

void CZ119KDriverDlg::readFirmwareVersion() {
    uint32_t version = 0;
    const bool answered = ctx_.driver()->ReadFirmwareVersion(&version);
    // An unanswered question and a version of 0 both read as unknown.
    support_->setDeviceFirmwareVersionText(answered && version != 0 ? QString::number(version)
                                                                    : QString());
}

void CZ119KDriverDlg::handOverToFirmwareBurner() {
    if (shutDown_) return;
    std::filesystem::path image;
    std::error_code ec;
    if (updateChecker_ && std::filesystem::exists(updateChecker_->firmwareFile(), ec))
        image = updateChecker_->firmwareFile();
    if (startFirmwareBurner(ctx_.helperDirectory(), ctx_.chinese(), image) ==
        HelperStart::NotInstalled) {
        // Nothing takes the mouse over, so the program stays.
        ctx_.notices().info(ctx_.notices().programText(ProgramText::NoFirmwareBurner));
        return;
    }
    requestExit();
}

void CZ119KDriverDlg::createTrayIcon() {
    trayMenu_ = new CXPMenu(this);
    trayMenu_->AddItem(res::kMenuIconConfig, QStringLiteral("Config"), kCommandConfig);
    // The switch of the login start has no icon: its column shows the tick.
    autostartItem_ = trayMenu_->AddItem(QImage(), QString(), kCommandAutostart);
    autostartItem_->setCheckable(true);
    trayMenu_->AddItem(res::kMenuIconExit, QStringLiteral("Exit"), kCommandExit);
    // The entry may have been switched by z408ctl or the desktop since: read it as the menu opens.
    connect(trayMenu_, &QMenu::aboutToShow, this, [this] {
        autostartItem_->setText(
            QString::fromStdString(ctx_.notices().programText(ProgramText::StartAtLogin)));
        autostartItem_->setChecked(desktop::autostartEnabled());
    });
    connect(trayMenu_, &CXPMenu::commandChosen, this, [this](int command) {
        if (command == kCommandConfig) {
            showFromTray();
        } else if (command == kCommandExit) {
            requestExit();
        } else if (command == kCommandAutostart) {
            setStartAtLogin(autostartItem_->isChecked());
        }
    });
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setToolTip(QString::fromLatin1(kWindowTitle));
    tray_->setContextMenu(trayMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        // StatusNotifier hosts only report a plain activation, never a double click.
        if (r == QSystemTrayIcon::DoubleClick || r == QSystemTrayIcon::Trigger) trayActivated();
    });
    tray_->show();
    if (QSystemTrayIcon::isSystemTrayAvailable())
        tray_->showMessage(QStringLiteral("Running"), QString::fromLatin1(kWindowTitle),
                           QSystemTrayIcon::Information, kBalloonMs);
}

void CZ119KDriverDlg::bringUp(BringUpPlatform& platform, bool shown) {
    if (!ctx_.driver()) {
        // No way to the mouse at all: the window is still shown, without workers.
        if (shown) show();
        return;
    }
    // The window comes first, filled from the active profile; the search's pauses are spent in
    // the event loop, so it paints and answers while the mouse is looked for.
    search_ = std::make_unique<BringUpSearch>(platform, ctx_.chinese());
    if (shown) {
        show();
        raise();
        activateWindow();
    }
    update(hintRect_);
    bringUpTimer_.start(0);
}

void CZ119KDriverDlg::bringUpStep() {
    if (!search_ || exitRequested_) return;
    if (const auto pause = search_->step()) {
        const int ms = static_cast<int>(*pause);
        bringUpTimer_.start(bringUpPauseMs_ >= 0 && ms > 0 ? bringUpPauseMs_ : ms);
        return;
    }
    const BringUpOutcome outcome = *search_->outcome();
    const std::string refused = search_->refusedNode();
    search_.reset();
    update(hintRect_);
    bringUpFinished(outcome, refused);
}

void CZ119KDriverDlg::bringUpFinished(BringUpOutcome outcome, const std::string& refusedNode) {
    if (outcome == BringUpOutcome::FirmwareTool) {
        requestExit();
        return;
    }
    refreshPages();
    if (outcome == BringUpOutcome::NotFound) {
        CDlgInfo box(QString::fromUtf8(mouseMissingText(ctx_.language().languageId())),
                     InfoButtons::Ok, InfoCountdown::Closes, ctx_.language().languageId(),
                     isVisible() ? this : nullptr);
        bringUpBox_ = &box;
        box.exec();
        requestExit();
        return;
    }
    if (outcome == BringUpOutcome::NoAccess) {
        // The fix takes commands the person must read and copy: a box that stays until closed,
        // with selectable text, rather than the five-second one.
        const std::string text =
            formatText(ctx_.notices().programText(ProgramText::MouseNoAccess), {refusedNode});
        QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kWindowTitle),
                        QString::fromStdString(text), QMessageBox::Ok,
                        isVisible() ? this : nullptr);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        bringUpBox_ = &box;
        box.exec();
        requestExit();
        return;
    }
    ctx_.startUploader(sink_);
    if (updateChecker_) updateChecker_->startThread();
    readFirmwareVersion();
    installHooks();
    programUpdaterTimer_.start();
    if (uploadAfterSearch_) {
        uploadAfterSearch_ = false;
        requestUpload();
    }
}

void CZ119KDriverDlg::setInputHook(InputHook* hook, std::function<void()> interceptsChanged) {
    hook_ = hook;
    interceptsChanged_ = std::move(interceptsChanged);
}

std::optional<PickerChoice> CZ119KDriverDlg::runPicker(int button, const QString& currentFunction) {
    const PickerContext context{QString::fromStdString(ctx_.programDirectory().string()),
                                ctx_.language(), ctx_.macros().library(), hook_,
                                // No directory: the key page takes the picker's own keys.
                                hook_ && hookView_.keysFromHook ? &hookWindows_ : nullptr,
                                ctx_.notices(), *keyboardLayout_};
    CSettingDlg picker(context, button, currentFunction, mainSet_);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.choice();
}

void CZ119KDriverDlg::installHooks() {
    // A second arrival (another interface, a second mouse) keeps the hooks it has.
    if (!hook_ || hook_->installed()) return;
    hook_->install(kWindowId);
    hook_->setNotification(HookInputs::Mouse);
}

void CZ119KDriverDlg::removeHooks() {
    if (hook_ && hook_->installed()) hook_->remove();
}

void CZ119KDriverDlg::forwardingOff() {
    if (hook_) hook_->setForwarding(HookInputs::Neither);
}

bool CZ119KDriverDlg::event(QEvent* event) {
    if (event->type() == MessageEvent::eventType()) {
        const auto* m = static_cast<MessageEvent*>(event);
        onMessage(m->msg(), m->wParam(), m->lParam());
        return true;
    }
    return QWidget::event(event);
}

void CZ119KDriverDlg::onMessage(Msg msg, uintptr_t wParam, intptr_t lParam) {
    if (shutDown_) return;
    // While ending, only a finished upload still counts (its profile is saved); nothing opens.
    if (exitRequested_ && msg != Msg::UploadDone) return;
    switch (msg) {
        case Msg::UploadProgress:
            progress_->setProgress(static_cast<int>(wParam));
            break;
        case Msg::MacroCut: {
            std::string text = macroCutText(ctx_.macros().library(), static_cast<uint32_t>(lParam),
                                            ctx_.notices().languageId());
            if (!text.empty()) macroCutTexts_.push_back(std::move(text));
            break;
        }
        case Msg::UploadDone:
            if (interceptsChanged_) interceptsChanged_();
            ctx_.profiles().saveAfterUpload();
            if (ctx_.uploader()) ctx_.uploader()->uploadHandled();
            reloadDeferredProfiles();
            for (std::string& text : std::exchange(macroCutTexts_, {}))
                ctx_.notices().info(std::move(text));
            break;
        case Msg::UploadFailed: {
            // The dialog would otherwise wait for a 100 that never comes.
            progress_->finish();
            if (interceptsChanged_) interceptsChanged_();
            const std::string_view text = uploadErrorText(lParam);
            ctx_.notices().info(std::string(text));
            macroCutTexts_.clear();  // the failure is what the person needs to hear now
            if (ctx_.uploader()) ctx_.uploader()->uploadHandled();
            apply_->setDown(false);
            reloadDeferredProfiles();
            break;
        }
        case Msg::ClickEvent:
            // The button handling hands every event here first, to be counted.
            stats_->sink().post(Msg::ClickEvent, wParam, lParam);
            break;
        case Msg::ButtonEvent:
            if (dispatcher_)
                dispatcher_->handleButtonEvent(wParam, lParam, ctx_.profiles().active());
            break;
        default:
            break;
    }
}

void CZ119KDriverDlg::later(std::function<void()> action) {
    QMetaObject::invokeMethod(
        this,
        [this, action = std::move(action)] {
            // While ending nothing new opens, as for the workers' messages.
            if (!exitRequested_) action();
        },
        Qt::QueuedConnection);
}

void CZ119KDriverDlg::trayActivated() {
    later([this] { showFromTray(); });
}

void CZ119KDriverDlg::openTrayMenu() {
    later([this] {
        raise();
        trayMenu_->popup(QCursor::pos());
    });
}

void CZ119KDriverDlg::applyLanguage(LanguageRequest request, int32_t languageId) {
    const LanguageSwitch sw = ctx_.language().ApplyLanguage(
        request, languageId, !languagePopup_.isNull(), ctx_.notices());
    if (sw.indicatorResource != 0) {
        const QImage flag = loadResourceImage(sw.indicatorResource);
        flag_->setPixmap(QPixmap::fromImage(flag));
    }
    if (sw.refreshTooltips) setTooltips();
    if (sw.closePopup && languagePopup_) {
        languagePopup_->close();
        languagePopup_ = nullptr;
    }
    if (sw.handled) {
        setApplyLooks();
        progress_->setLanguage(ctx_.language().languageId());
        // Texts the window and the pages paint, and the hint shown now, follow at once.
        update();
        for (CSkinPage* page : pages_) page->update();
        if (hintNumber_ != 0) setHint(hintNumber_);
    }
}

void CZ119KDriverDlg::setTooltips() {
    const LanguageStrings& s = ctx_.language().strings();
    for (size_t i = 0; i < 5; ++i) {
        tabs_[i]->SetTooltip(qs(s.text(kTabTips[i])), true);
        profiles_[i]->SetTooltip(qs(s.text(kProfileTips[i])), true);
    }
    apply_->SetTooltip(qs(s.text(u"str_ok")), true);
    // The tooltip says "OK"; what the button does is written on it.
    const int64_t id = ctx_.language().languageId();
    apply_->setAccessibleName(QString::fromUtf8(programText(ProgramText::CaptionApply, id)));
    setDescribedByToolTip(apply_, false);
    minimise_->setAccessibleName(QString::fromUtf8(programText(ProgramText::AccessMinimise, id)));
    close_->setAccessibleName(QString::fromUtf8(programText(ProgramText::AccessClose, id)));
    language_->setAccessibleName(QString::fromUtf8(programText(ProgramText::AccessLanguage, id)));
    mainSet_->refreshTooltips();
    stats_->refreshTooltips();
    support_->refreshTooltips();
    macro_->refreshTexts();
    ledSet_->refreshTexts();
}

void CZ119KDriverDlg::setHint(int number) {
    const std::u16string_view key = hintKey(number);
    hintNumber_ = key.empty() ? 0 : number;
    hint_ = key.empty() ? QString() : qs(ctx_.language().strings().text(key));
    update(hintRect_);
}

QString CZ119KDriverDlg::hintText() const {
    // A control's hint wins while the pointer is on it; otherwise the search says it runs.
    if (hint_.isEmpty() && search_)
        return QString::fromStdString(ctx_.notices().programText(ProgramText::MouseSearching));
    return hint_;
}

void CZ119KDriverDlg::pointerMovedTo(const QPoint& pos) {
    if (!hint_.isEmpty()) {
        hint_.clear();
        hintNumber_ = 0;
        update(hintRect_);
    }
    std::array<QWidget*, 11> controls{};
    for (size_t i = 0; i < 5; ++i) {
        controls[i] = tabs_[i];
        controls[i + 5] = profiles_[i];
    }
    controls[10] = apply_;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->geometry().adjusted(-1, -1, 1, 1).contains(pos))
            later([this, i] { setHint(static_cast<int>(i + 1)); });
    }
}

void CZ119KDriverDlg::showTab(int tab) {
    if (tab < 1 || tab > kTabCount) return;
    if (tab != 3 && macro_) macro_->leavePage();
    for (int i = 1; i <= kTabCount; ++i) {
        tabs_[static_cast<size_t>(i - 1)]->setLatched(i == tab);
        pages_[static_cast<size_t>(i - 1)]->setVisible(i == tab);
    }
    currentTab_ = tab;
    const bool editsProfile = tab <= 2;
    for (CIrrButton* b : profiles_) b->setEnabled(editsProfile);
    apply_->setEnabled(editsProfile);
    if (editsProfile) refreshPages();
}

void CZ119KDriverDlg::selectProfile(int profile) {
    if (profile < 1 || profile > kProfileCount) return;
    // A profile whose file is missing or invalid is not taken: the buttons keep showing the
    // profile that stays active, the one the next Apply writes.
    if (!ctx_.profiles().selectProfile(profile - 1)) return;
    for (int i = 1; i <= kProfileCount; ++i)
        profiles_[static_cast<size_t>(i - 1)]->setLatched(i == profile);
    refreshPages();
}

bool CZ119KDriverDlg::hasUnsavedEdits(int entry) const {
    // An upload under way saves the active profile when it ends, over whatever was written.
    if (entry == ctx_.profiles().activeEntry() && uploading()) return true;
    return ctx_.profiles().unsavedEdits(entry);
}

bool CZ119KDriverDlg::uploading() const {
    return ctx_.uploader() && !ctx_.uploader()->uploadReady();
}

void CZ119KDriverDlg::profilesChangedOnDisk(int entry) {
    // The uploader reads the active profile until its upload is handled: read again afterwards.
    if (uploading()) {
        reloadAfterUpload_ = true;
        return;
    }
    ProfileStore& store = ctx_.profiles();
    ProfileTable onDisk;
    std::vector<uint8_t> bytes;
    if (readFilePrefix(store.tablePath(), kTableSize, bytes)) onDisk.assign(bytes);
    int activeOnDisk = store.activeEntry();
    for (int e = kProfileCount - 1; e >= 0; --e)
        if (onDisk.shownSelected(e)) activeOnDisk = e;
    // Another entry changed while this one stays active: it is read when it is chosen.
    if (entry != store.activeEntry() && activeOnDisk == store.activeEntry()) return;
    store.loadTableAndActiveProfile();
    for (int e = 0; e < kProfileCount; ++e)
        profiles_[static_cast<size_t>(e)]->setLatched(e == store.activeEntry());
    refreshPages();
}

void CZ119KDriverDlg::macrosChangedOnDisk() {
    // The uploader reads the library while it sends the macros: read it again afterwards.
    if (uploading()) {
        reloadMacrosAfterUpload_ = true;
        return;
    }
    ctx_.macros().loadMacroLibrary();
    if (macro_) macro_->libraryReloaded();
}

void CZ119KDriverDlg::reloadDeferredProfiles() {
    if (reloadMacrosAfterUpload_) {
        reloadMacrosAfterUpload_ = false;
        macrosChangedOnDisk();
    }
    if (!reloadAfterUpload_) return;
    reloadAfterUpload_ = false;
    profilesChangedOnDisk(ctx_.profiles().activeEntry());
}

void CZ119KDriverDlg::refreshPages() {
    // The settings and lighting pages redraw from the active profile.
    mainSet_->refreshFromProfile();
    if (ledSet_) ledSet_->refreshLightingPage();
}

void CZ119KDriverDlg::apply() {
    apply_->setDown(false);
    macro_->normaliseLoopCount();
    // A line count still being typed goes into the profile before it is written.
    if (ctx_.profiles().active().wheelLines() != -1) mainSet_->commitScrollLines();
    // Macro.cfg may have been changed behind the program's back: the mouse gets what it holds
    // now, and the person learns which buttons no longer have their macro.
    if (!uploading() && ctx_.macros().differsOnDisk()) macrosChangedOnDisk();
    const std::string lost = macroGoneNotice(
        buttonsWithoutTheirMacro(ctx_.profiles().active(), ctx_.profiles().macroIdList(),
                                 ctx_.macros().library()),
        ctx_.notices().languageId());
    // A plain message box: a list of up to seven buttons is read whole there.
    if (!lost.empty()) ctx_.notices().message(lost);
    requestUpload();
}

void CZ119KDriverDlg::restoreDefaults() {
    ctx_.profiles().active().fillDefaults(ctx_.chinese());
    ctx_.profiles().macroIdList().fill(0);
    refreshPages();
    requestUpload();
}

void CZ119KDriverDlg::requestUpload() {
    if (search_) {
        // The mouse is still being looked for: the upload follows when it is found.
        uploadAfterSearch_ = true;
        return;
    }
    SettingsUploader* uploader = ctx_.uploader();
    if (!uploader) {
        // Without a link to the mouse no upload can end: say so instead of a progress window
        // that would wait for ever.
        ctx_.notices().info(std::string(mouseMissingText(ctx_.language().languageId())));
        return;
    }
    // A request is only made while the previous one has been handled (UploadReady).
    if (!uploader->requestUpload()) return;
    progress_->run();
    apply_->setDown(false);
}

void CZ119KDriverDlg::hideToTray() {
    if (languagePopup_) languagePopup_->close();
    if (!trayUsable()) {
        // Without a tray a hidden window could never be found again: closing ends the program.
        requestExit();
        return;
    }
    hide();
    forwardingOff();
    // A recording cannot go on unseen: it ends and is kept.
    macro_->leavePage();
    releaseWhileHidden();
}

void CZ119KDriverDlg::releaseWhileHidden() {
    // The program spends most of a session in the tray: what only drawing needs goes until the
    // window is shown again, and the pages read their images back as they are drawn.
    normal_ = QImage();
    for (CSkinPage* page : pages_)
        if (page) page->releaseImages();
    QPixmapCache::clear();
    returnFreedMemory();
}

void CZ119KDriverDlg::showFromTray() {
    refreshPages();
    showNormal();
    raise();
    activateWindow();
}

void CZ119KDriverDlg::setStartAtLogin(bool on) {
    std::string error;
    const bool done = on ? desktop::enableAutostart(desktop::installedProgram(), error)
                         : desktop::disableAutostart(error);
    if (!done) ctx_.notices().info(error);
    if (autostartItem_) autostartItem_->setChecked(desktop::autostartEnabled());
}

bool CZ119KDriverDlg::trayUsable() const {
    return tray_ && tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void CZ119KDriverDlg::requestExit() {
    if (shutDown_) return;
    exitRequested_ = true;
    if (progress_) progress_->finish();
    closeOpenDialogs(this);
    // Called from inside a dialog's or a menu's loop, the shutdown would destroy widgets that are
    // still on the stack: wait until every loop over the main one has returned.
    if (QThread::currentThread()->loopLevel() > mainLoopLevel_) {
        if (++exitRetries_ > kMaxExitRetries) {
            // A loop that is not a dialog's: make every loop return.
            QCoreApplication::exit(0);
            return;
        }
        QTimer::singleShot(kExitRetryMs, this, &CZ119KDriverDlg::requestExit);
        return;
    }
    shutdown();
    emit finished();
}

void CZ119KDriverDlg::saveForSessionEnd() {
    if (stats_) stats_->saveStatistics();
}

void CZ119KDriverDlg::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    exitRequested_ = true;
    session_.stop();
    if (progress_) progress_->finish();
    if (languagePopup_) languagePopup_->close();
    if (tray_) {
        tray_->hide();
        delete tray_;
        tray_ = nullptr;
    }
    removeHooks();
    programUpdaterTimer_.stop();
    bringUpTimer_.stop();
    search_.reset();
    // The update worker goes first: it asks through this window and acts through the support
    // page. A question it is waiting on is answered "no".
    if (workerNotices_) workerNotices_->cancel();
    if (updateChecker_) updateChecker_->stopThread();
    if (support_) support_->setUpdateChecker(nullptr);
    updateChecker_.reset();
    // A recording still running is kept; the statistics page saves its counters as it goes.
    if (macro_) {
        macro_->leavePage();
        hookWindows_.remove(kMacroPageId, &macro_->sink());
    }
    for (CSkinPage*& page : pages_) {
        delete page;
        page = nullptr;
    }
    stats_ = nullptr;
    macro_ = nullptr;
    support_ = nullptr;
    ledSet_ = nullptr;
    ctx_.stopDevice();
    hide();
}

void CZ119KDriverDlg::deviceArrived(const QString& path) {
    // While the start-up search runs, its next attempt finds the mouse.
    if (search_) return;
    session_.arrived(path.toStdString());
}

void CZ119KDriverDlg::deviceRemoved(const QString& path) {
    if (search_) return;
    session_.removed(path.toStdString());
}

void CZ119KDriverDlg::showPresenceBox(const QString& text) {
    CDlgInfo box(text, InfoButtons::Ok, InfoCountdown::Closes, ctx_.language().languageId(),
                 isVisible() ? this : nullptr);
    presenceBox_ = &box;
    box.exec();
    presenceBox_ = nullptr;
}

QString CZ119KDriverDlg::backgroundPath() const {
    return skinPath(QString::fromStdString(ctx_.programDirectory().string()),
                    QStringLiteral("Main_Normal.bmp"));
}

void CZ119KDriverDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (normal_.isNull() && hasBackground_) normal_ = LoadSkinImage(backgroundPath());
    if (!normal_.isNull()) {
        p.drawImage(event->rect(), normal_, event->rect());
    } else {
        p.fillRect(event->rect(), QColor(24, 26, 31));
    }
    {
        const skin::PageSkin window = skin::pageSkin(
            "main", ctx_.language().ChineseLayoutFlag() != 0 ? skin::Layout::Chinese
                                                             : skin::Layout::English);
        paintLanguageCaptions(p, window, ctx_.language().languageId(), event->rect());
    }
    const QString shown = hintText();
    if (shown.isEmpty()) return;
    p.setFont(skinFont(kHintFontHeight, QFont::Light));
    p.setPen(QColor(0xBE, 0xBE, 0xBE));
    drawWrappedText(p, hintRect_, shown, kHintFontHeight);
}

QStringList CZ119KDriverDlg::hintLines() const {
    return wrappedLines(hintText(), skinFont(kHintFontHeight, QFont::Light), hintRect_.width(),
                        hintRect_.height() / kHintFontHeight);
}

bool CZ119KDriverDlg::eventFilter(QObject* watched, QEvent* event) {
    // Pointer moves over the window's own controls count as moves over the window for the hints.
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->parentWidget() == this) {
        if (event->type() == QEvent::MouseMove)
            pointerMovedTo(w->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint()));
        else if (event->type() == QEvent::Enter)
            pointerMovedTo(w->mapToParent(static_cast<QEnterEvent*>(event)->position().toPoint()));
    }
    return QWidget::eventFilter(watched, event);
}

void CZ119KDriverDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The background moves the window: the window manager's move where there is one.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CZ119KDriverDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    pointerMovedTo(event->position().toPoint());
}

void CZ119KDriverDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void CZ119KDriverDlg::keyPressEvent(QKeyEvent* event) {
    // Pages and profiles from the keyboard, as a click on their tab or button.
    const nav::WindowCommand command = nav::windowCommand(chordOf(*event), kProfileCount);
    switch (command.action) {
        case nav::WindowAction::NextPage:
        case nav::WindowAction::PreviousPage: {
            const int tab = nav::cyclePage(currentTab_, kTabCount,
                                           command.action == nav::WindowAction::NextPage ? 1 : -1);
            if (!tabButton(tab)->isEnabled()) return;
            showTab(tab);
            // The walk goes on from the page's tab, into the page just shown.
            tabButton(tab)->setFocus(Qt::TabFocusReason);
            return;
        }
        case nav::WindowAction::Profile:
            if (profileButton(command.profile)->isEnabled()) selectProfile(command.profile);
            return;
        case nav::WindowAction::None:
            break;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Space:
            return;
        case Qt::Key_F4:
            if (event->modifiers() & Qt::AltModifier) {
                hideToTray();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void CZ119KDriverDlg::keyReleaseEvent(QKeyEvent* event) {
    const int k = event->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape || k == Qt::Key_Space)
        return;
    QWidget::keyReleaseEvent(event);
}

void CZ119KDriverDlg::closeEvent(QCloseEvent* event) {
    if (shutDown_) {
        event->accept();
        return;
    }
    // The window manager's close (Alt+F4, a task bar's close) hides to the tray like the close
    // button; only "Exit" ends the program.
    event->ignore();
    hideToTray();
}

void CZ119KDriverDlg::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Minimised by the window manager (a shortcut, the task bar) as by the page's own button: a
    // recording cannot go on unseen, so it ends and is kept.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && macro_ && !shutDown_) {
        forwardingOff();
        macro_->leavePage();
    }
}

}  // namespace z408
