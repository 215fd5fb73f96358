// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common/directories.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace z408 {
namespace {

constexpr const char* kSettingsFile = "z408.ini";

// A folder the program's data was built into: the build tree keeps the language files beside the
// executable, an installation never does.
bool holdsProgramData(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir / "Language", ec);
}

std::filesystem::path homeDirectory() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw ? pw->pw_dir : "/tmp";
    }
    return home;
}

// An XDG base folder: the variable when it holds an absolute path (XDG's base-directory rules
// ignore relative ones), else the fallback under the home folder.
std::filesystem::path xdgDirectory(const char* variable, const char* fallback) {
    if (const char* xdg = std::getenv(variable); xdg && *xdg == '/') return xdg;
    return homeDirectory() / fallback;
}

}  // namespace

namespace layout {

std::filesystem::path programDirectory(const std::filesystem::path& executableDirectory) {
    if (holdsProgramData(executableDirectory)) return executableDirectory;
    const std::filesystem::path shared = executableDirectory.parent_path() / "share" / "z408";
    return holdsProgramData(shared) ? shared : executableDirectory;
}

std::filesystem::path helperDirectory(const std::filesystem::path& executableDirectory) {
    if (holdsProgramData(executableDirectory)) return executableDirectory;
    return executableDirectory.parent_path() / "libexec" / "z408";
}

std::filesystem::path programSettingsFile(const std::filesystem::path& executableDirectory,
                                          const std::filesystem::path& configDirectory,
                                          const std::filesystem::path& systemConfigDirectory) {
    std::error_code ec;
    const std::filesystem::path own = configDirectory / kSettingsFile;
    if (std::filesystem::is_regular_file(own, ec)) return own;
    // Only a /usr installation puts its settings under /etc; any other prefix keeps them with
    // its data, so that a local installation never reads or shadows the system's file.
    if (executableDirectory == "/usr/bin") return systemConfigDirectory / "z408" / kSettingsFile;
    return programDirectory(executableDirectory) / kSettingsFile;
}

}  // namespace layout

std::filesystem::path executableDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path programDirectory() {
    return layout::programDirectory(executableDirectory());
}

std::filesystem::path helperDirectory() {
    return layout::helperDirectory(executableDirectory());
}

std::filesystem::path dataDirectory() {
    return xdgDirectory("XDG_DATA_HOME", ".local/share") / "TARVO" / "Z408";
}

std::filesystem::path configDirectory() {
    return xdgDirectory("XDG_CONFIG_HOME", ".config") / "z408";
}

std::filesystem::path programSettingsFile() {
    return layout::programSettingsFile(executableDirectory(), configDirectory(), "/etc");
}

ProgramFolders ProgramFolders::installed() {
    return {programDirectory(), helperDirectory(), programSettingsFile()};
}

ProgramFolders ProgramFolders::inOneFolder(const std::filesystem::path& folder) {
    return {folder, folder, folder / kSettingsFile};
}

}  // namespace z408
