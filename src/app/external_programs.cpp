#include "app/external_programs.h"

#include <QProcess>
#include <QString>

namespace z408 {
namespace {

QString qpath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

}  // namespace

std::filesystem::path firmwareBurnerPath(const std::filesystem::path& programDirectory) {
    return programDirectory / "FWUpdate" / "TarvoFlash.exe";
}

std::filesystem::path programUpdaterPath(const std::filesystem::path& programDirectory) {
    return programDirectory / "tarvo_update" / "TarvoUpdate.exe";
}

bool startFirmwareBurner(const std::filesystem::path& programDirectory, bool chinese,
                         const std::filesystem::path& image) {
    const std::filesystem::path burner = firmwareBurnerPath(programDirectory);
    QStringList arguments{chinese ? QStringLiteral("1") : QStringLiteral("0")};
    // The image lies in the user's data directory, not beside the burner.
    if (!image.empty()) arguments << qpath(image);
    return QProcess::startDetached(qpath(burner), arguments, qpath(burner.parent_path()));
}

bool startProgramUpdater(const std::filesystem::path& programDirectory) {
    const std::filesystem::path updater = programUpdaterPath(programDirectory);
    return QProcess::startDetached(qpath(updater), {}, qpath(updater.parent_path()));
}

}  // namespace z408
