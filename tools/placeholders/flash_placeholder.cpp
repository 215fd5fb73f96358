// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Stands in for the firmware burner, which this build does not ship: it tells the user that the
// mouse's firmware was not changed and where the downloaded image lies. Arguments: "1" for
// Chinese texts, anything else for English; then the downloaded image's path, when there is one.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const bool chinese = argc > 1 && std::strcmp(argv[1], "1") == 0;
    // The image named by the configurator; without one, where an earlier build put it.
    const QString image = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                   : QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() +
                                         QStringLiteral("/new_version/TarvoGameDevice.bin");
    const bool haveImage = QFileInfo::exists(image);
    QString text = chinese ? QStringLiteral(
                                 "这是 Z408 固件烧录程序的替代程序：此版本不包含烧录程序，"
                                 "鼠标的固件没有被更改。")
                           : QStringLiteral(
                                 "This is a stand-in for the Z408 firmware burner: this "
                                 "build does not include the burner, so the mouse's "
                                 "firmware was not changed.");
    if (haveImage)
        text += (chinese ? QStringLiteral("\n\n已下载的固件：")
                         : QStringLiteral("\n\nDownloaded image: ")) +
                image;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    // Without a display the text on standard error is all there is.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return 0;
    QApplication app(argc, argv);
    QMessageBox::information(
        nullptr, chinese ? QStringLiteral("Z408 固件更新") : QStringLiteral("Z408 firmware update"),
        text);
    return 0;
}
