// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/external_programs.h"

#include <unistd.h>

#include <QProcess>
#include <QString>

namespace z408 {
namespace {

QString qpath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

HelperStart start(const std::filesystem::path& program, const QStringList& arguments) {
    if (::access(program.c_str(), X_OK) != 0) return HelperStart::NotInstalled;
    return QProcess::startDetached(qpath(program), arguments, qpath(program.parent_path()))
               ? HelperStart::Started
               : HelperStart::Failed;
}

}  // namespace

std::filesystem::path firmwareBurnerPath(const std::filesystem::path& helperDirectory) {
    return helperDirectory / "FWUpdate" / "TarvoFlash.exe";
}

std::filesystem::path programUpdaterPath(const std::filesystem::path& helperDirectory) {
    return helperDirectory / "tarvo_update" / "TarvoUpdate.exe";
}

HelperStart startFirmwareBurner(const std::filesystem::path& helperDirectory, bool chinese,
                                const std::filesystem::path& image) {
    QStringList arguments{chinese ? QStringLiteral("1") : QStringLiteral("0")};
    // The image lies in the user's data directory, not beside the burner.
    if (!image.empty()) arguments << qpath(image);
    return start(firmwareBurnerPath(helperDirectory), arguments);
}

HelperStart startProgramUpdater(const std::filesystem::path& helperDirectory) {
    return start(programUpdaterPath(helperDirectory), {});
}

}  // namespace z408
