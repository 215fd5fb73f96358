// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408: the configurator's window. One instance per user; a second start shows the first one's
// window and ends.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/desktop_software_launcher.h"
#include "app/evdev_hook_source.h"
#include "app/linux_bring_up_platform.h"
#include "app/presence_watcher.h"
#include "app/program_endings.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "app/x11_hook_source.h"
#include "app/z119k_driver_dlg.h"
#include "common/directories.h"
#include "common/program_version.h"
#include "desktop/input_source_choice.h"
#include "desktop/pointer_settings_adapter.h"
#include "device/mouse_transport.h"
#include "platform/hidraw_backend.h"

using namespace z408;

namespace {

constexpr const char* kUsage =
    "usage: z408 [--hidden]\n"
    "       z408 --help | --version\n\n"
    "The configurator of the Tarvo Z408 gaming mouse: its window, and its tray icon while it\n"
    "runs. One copy runs per user; starting it again shows the running copy's window.\n\n"
    "options:\n"
    "  --hidden    start in the tray without showing the window (as at login); without a\n"
    "              tray to go to, the window is shown\n"
    "  --help      print this text and end\n"
    "  --version   print the version and end\n\n"
    "z408ctl does the same work from a terminal; 'z408ctl autostart on' starts the program\n"
    "hidden at login. Exit status: 0, or 1 when there is no display, 2 for a bad option.\n";

// Qt ends the process with an abort when its platform cannot start (no X server behind
// DISPLAY, say); while the application object is made, that becomes a plain message and status 1.
bool gMakingApplication = false;
QtMessageHandler gPreviousHandler = nullptr;

void startUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && gMakingApplication) {
        const char* x11 = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        std::fprintf(stderr,
                     "z408: cannot open the display (DISPLAY=%s, WAYLAND_DISPLAY=%s); start it "
                     "from a graphical session.\n",
                     x11 ? x11 : "", wayland ? wayland : "");
        (void)text;  // Qt has already said why, as warnings
        std::_Exit(1);
    }
    if (gPreviousHandler) gPreviousHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // The program's own options are answered before any display is needed.
    bool hidden = false;
    bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("z408 %s\n", kProgramVersion);
            return 0;
        }
        if (arg == "--hidden") {
            hidden = true;
        } else if (arg == "-platform" || arg == "--platform") {
            platformChosen = true;  // one of Qt's own options
        } else if (arg.starts_with("--")) {
            std::fprintf(stderr, "z408: unknown option '%s'\n\n%s", argv[i], kUsage);
            return 2;
        }
    }
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    if (!platformChosen && !set("DISPLAY") && !set("WAYLAND_DISPLAY")) {
        std::fputs(
            "z408: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Start it from a "
            "graphical session; z408ctl works without one.\n",
            stderr);
        return 1;
    }
    gPreviousHandler = qInstallMessageHandler(startUpMessages);
    gMakingApplication = true;
    QApplication app(argc, argv);
    gMakingApplication = false;
    QApplication::setApplicationName(QStringLiteral("z408"));
    QApplication::setDesktopFileName(QStringLiteral("z408"));
    // The window hides to the tray; only "Exit" (and its equivalents) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QString::fromLatin1(kInstanceKey));
    if (!instance.claim()) return 0;

    installHidrawTransport();
    desktop::installDesktopPointerSettings();
    auto context = std::make_unique<AppContext>(ProgramFolders::installed(), dataDirectory(),
                                                SystemClock::instance(),
                                                openMouseTransport(SystemClock::instance()));
    // The Chinese texts first, so that texts exist before the language choice is read.
    context->language().LoadLanguageFile("Language/sc.xml");

    CZ119KDriverDlg window(*context);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &CZ119KDriverDlg::trayActivated);
    instance.setUnsavedEditsQuery([&window](int entry) { return window.hasUnsavedEdits(entry); });
    QObject::connect(&instance, &SingleInstance::profilesChanged, &window,
                     &CZ119KDriverDlg::profilesChangedOnDisk);
    QObject::connect(&instance, &SingleInstance::macrosChanged, &window,
                     &CZ119KDriverDlg::macrosChangedOnDisk);
    QObject::connect(&window, &CZ119KDriverDlg::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    TerminationSignals signals_;
    connectProgramEndings(app, signals_, window);

    // The system-wide hook, on X11 or, where X11 sees nothing of the desktop's input, on the
    // mouse's own event nodes; its events come to the window, which runs the buttons'
    // computer-side functions (the counting goes to the statistics page through the window).
    // The main window and its macro page for the whole run; the function picker adds its key
    // page while it is open.
    const desktop::InputSourceKind sourceKind = desktop::chooseInputSource();
    if (std::getenv("Z408_DEBUG"))
        std::fprintf(stderr, "z408: input source: %s\n",
                     std::string(desktop::inputSourceName(sourceKind)).c_str());
    std::unique_ptr<X11HookSource> x11Source;
    std::unique_ptr<EvdevHookSource> evdevSource;
    InputSource* hookSource = nullptr;
    if (sourceKind == desktop::InputSourceKind::Evdev) {
        evdevSource = std::make_unique<EvdevHookSource>(context->notices());
        hookSource = evdevSource.get();
        window.setHookSourceView({false, [motion = evdevSource->motion()] {
                                      return std::unique_ptr<CursorSource>(
                                          std::make_unique<MotionCursorSource>(motion));
                                  }});
    } else {
        x11Source = std::make_unique<X11HookSource>(context->notices());
        hookSource = x11Source.get();
    }
    InputHook hook(context->intercepts(), window.hookWindows(), *hookSource);
    auto wire = [&hook, &window](auto& source) {
        source.setHook(&hook);
        window.setInputHook(&hook, [&source] { source.syncIntercepts(); });
    };
    if (evdevSource)
        wire(*evdevSource);
    else
        wire(*x11Source);
    DesktopSoftwareLauncher launcher;
    SoftwareFunctionDispatcher dispatcher(launcher, window.sink());
    window.setSoftwareFunctions(&dispatcher);

    window.initialise();
    PresenceWatcher presence;
    QObject::connect(&presence, &PresenceWatcher::arrived, &window,
                     &CZ119KDriverDlg::deviceArrived);
    QObject::connect(&presence, &PresenceWatcher::removed, &window,
                     &CZ119KDriverDlg::deviceRemoved);

    // Hidden only where the tray can bring the window back; otherwise it would be unreachable.
    const bool shown = !hidden || !window.canHideToTray();
    if (!shown) window.releaseWhileHidden();
    std::unique_ptr<LinuxBringUpPlatform> platform;
    if (context->driver()) {
        platform = std::make_unique<LinuxBringUpPlatform>(
            *context->driver(), context->helperDirectory(), context->notices());
        window.bringUp(*platform, shown);
    } else if (shown) {
        window.show();
    }
    int status = 0;
    if (!window.exitRequested()) {
        window.setMainLoopLevel(1);
        status = QApplication::exec();
        window.setMainLoopLevel(0);
    }
    // Whatever ended the loop, shut down while the hook and the workers' receivers still exist.
    window.requestExit();
    return status;
}
