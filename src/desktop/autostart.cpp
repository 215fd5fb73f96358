// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/autostart.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/directories.h"

namespace z408::desktop {
namespace {

constexpr std::string_view kEntryName = "z408.desktop";
constexpr size_t kMaxEntryBytes = 64 * 1024;

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home == '/') return home;
    const passwd* pw = ::getpwuid(::getuid());
    return pw ? pw->pw_dir : "/tmp";
}

// One argument of an Exec line: quoted when it holds a reserved character, with the quoting
// rules' escapes, then the string escapes every value of the file gets ("\\" for "\").
std::string execArgument(const std::string& arg) {
    constexpr std::string_view kReserved = " \t\"'\\><~|&;$*?#()`=%";
    std::string quoted;
    if (arg.find_first_of(kReserved) == std::string::npos) {
        quoted = arg;
    } else {
        quoted = "\"";
        for (const char c : arg) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    std::string out;
    for (const char c : quoted) {
        if (c == '\\') out += '\\';
        if (c == '%') out += '%';  // a literal percent sign is doubled in Exec
        out += c;
    }
    return out;
}

}  // namespace

std::filesystem::path autostartDirectory() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return std::filesystem::path(xdg) / "autostart";
    return homeDirectory() / ".config" / "autostart";
}

std::filesystem::path autostartEntryPath() {
    return autostartDirectory() / kEntryName;
}

std::string autostartEntryText(const std::filesystem::path& program) {
    const std::string path = program.string();
    if (path.find_first_of("\r\n") != std::string::npos) return {};
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tarvo Z408\n"
           "Comment=Keeps the Z408 gaming mouse's computer-side buttons and statistics working\n"
           "Exec=" +
           execArgument(path) +
           " --hidden\n"
           "Icon=z408\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool autostartEnabled(const std::filesystem::path& entry) {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(entry, kMaxEntryBytes, bytes)) return false;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // A desktop's own switch sets Hidden=true instead of removing the file.
    return text.find("\nHidden=true") == std::string_view::npos;
}

bool enableAutostart(const std::filesystem::path& program, std::string& error,
                     const std::filesystem::path& entry) {
    const std::string text = autostartEntryText(program);
    if (text.empty()) {
        error = "the program's path " + program.string() + " cannot be written into an entry";
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(entry.parent_path(), ec);
    if (ec) {
        error = "cannot create " + entry.parent_path().string() + ": " + ec.message();
        return false;
    }
    const FileResult r = writeFileAtomic(
        entry, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!r) {
        error = "cannot write " + entry.string() + ": " + r.describe();
        return false;
    }
    return true;
}

bool disableAutostart(std::string& error, const std::filesystem::path& entry) {
    std::error_code ec;
    std::filesystem::remove(entry, ec);
    if (ec) {
        error = "cannot remove " + entry.string() + ": " + ec.message();
        return false;
    }
    return true;
}

std::filesystem::path installedProgram() {
    return programDirectory() / "z408";
}

}  // namespace z408::desktop
