// z408: the configurator's window. One instance per user; a second start shows the first one's
// window and ends.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

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
#include "desktop/input_source_choice.h"
#include "desktop/pointer_settings_adapter.h"
#include "device/mouse_transport.h"
#include "platform/hidraw_backend.h"

using namespace z408;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("z408"));
    QApplication::setDesktopFileName(QStringLiteral("z408"));
    // The window hides to the tray; only "Exit" (and its equivalents) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QString::fromLatin1(kInstanceKey));
    if (!instance.claim()) return 0;

    installHidrawTransport();
    desktop::installDesktopPointerSettings();
    auto context =
        std::make_unique<AppContext>(programDirectory(), dataDirectory(), SystemClock::instance(),
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

    if (context->driver()) {
        LinuxBringUpPlatform platform(*context->driver(), helperDirectory(), context->notices());
        window.bringUp(platform);
    } else {
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
