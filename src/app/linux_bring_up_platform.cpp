#include "app/linux_bring_up_platform.h"

#include <QProcess>
#include <QString>

#include "device/usb_driver.h"
#include "platform/device_presence_monitor.h"

namespace z408 {

bool LinuxBringUpPlatform::bootloaderPresent() {
    return z408::bootloaderPresent();
}

bool LinuxBringUpPlatform::openDevice() {
    return driver_.Open();
}

void LinuxBringUpPlatform::startFirmwareTool(bool chinese) {
    const std::filesystem::path tool = programDirectory_ / "FWUpdate" / "TarvoFlash.exe";
    QProcess::startDetached(QString::fromStdString(tool.string()),
                            {chinese ? QStringLiteral("1") : QStringLiteral("0")},
                            QString::fromStdString((programDirectory_ / "FWUpdate").string()));
}

}  // namespace z408
