// z408: the configurator's window. One instance per user; a second start shows the first one's
// window and ends.
#include <QApplication>

#include "app/app_context.h"
#include "app/desktop_software_launcher.h"
#include "app/linux_bring_up_platform.h"
#include "app/presence_watcher.h"
#include "app/program_endings.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "app/x11_hook_source.h"
#include "app/z119k_driver_dlg.h"
#include "common/directories.h"
#include "desktop/pointer_settings_adapter.h"
#include "device/mouse_transport.h"
#include "platform/hidraw_backend.h"

using namespace z408;

namespace {

// The hook's windows: the main window and the pages it names.
class MainWindowSinks final : public WindowSinks {
  public:
    explicit MainWindowSinks(CZ119KDriverDlg& window) : window_(window) {}
    MessageSink* sinkOf(WindowId id) override { return window_.hookSink(id); }

  private:
    CZ119KDriverDlg& window_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("z408"));
    QApplication::setDesktopFileName(QStringLiteral("z408"));
    // The window hides to the tray; only "Exit" (and its equivalents) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QStringLiteral("Z408Driver.exe"));
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
                     [&window] { window.sink().post(Msg::TrayNotify, 0, 515); });
    QObject::connect(&window, &CZ119KDriverDlg::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    TerminationSignals signals_;
    connectProgramEndings(app, signals_, window);

    // The system-wide hook on X11; its events come to the window, which runs the buttons'
    // computer-side functions (the counting goes to the statistics page through the window).
    MainWindowSinks sinks(window);
    X11HookSource hookSource(context->notices());
    InputHook hook(context->intercepts(), sinks, hookSource);
    hookSource.setHook(&hook);
    window.setInputHook(&hook, [&hookSource] { hookSource.syncIntercepts(); });
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
        LinuxBringUpPlatform platform(*context->driver(), context->programDirectory());
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
