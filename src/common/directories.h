// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include <filesystem>

namespace z408 {

// The folder of the program's read-only data: seed files, language files, skins. In a build tree
// that is the executable's own folder (build/bin); installed, <prefix>/share/z408 beside the
// <prefix>/bin the executable runs from.
std::filesystem::path programDirectory();

// The folder the running executable lies in.
std::filesystem::path executableDirectory();

// The folder of the helper programs (firmware burner, program updater), which only developer
// builds carry: the executable's folder in a build tree, <prefix>/libexec/z408 installed.
std::filesystem::path helperDirectory();

// The per-user folder where every file the program writes lives:
// $XDG_DATA_HOME/TARVO/Z408, by default ~/.local/share/TARVO/Z408.
std::filesystem::path dataDirectory();

// The per-user settings folder: $XDG_CONFIG_HOME/z408, by default ~/.config/z408.
std::filesystem::path configDirectory();

// The program settings file in force: the person's own copy in configDirectory() when there is
// one, else the shipped one (/etc/z408 for a /usr installation, the data folder otherwise).
std::filesystem::path programSettingsFile();

// The read-only places of one installation, as the program uses them together.
struct ProgramFolders {
    std::filesystem::path data;      // programDirectory()
    std::filesystem::path helpers;   // helperDirectory()
    std::filesystem::path settings;  // programSettingsFile()

    // This installation's, found from the running executable.
    static ProgramFolders installed();
    // Everything in one folder, as a build tree holds it (tests use a folder of their own).
    static ProgramFolders inOneFolder(const std::filesystem::path& folder);
};

// The same choices, computed from given folders so that they can be tried without installing.
namespace layout {
std::filesystem::path programDirectory(const std::filesystem::path& executableDirectory);
std::filesystem::path helperDirectory(const std::filesystem::path& executableDirectory);
std::filesystem::path programSettingsFile(const std::filesystem::path& executableDirectory,
                                          const std::filesystem::path& configDirectory,
                                          const std::filesystem::path& systemConfigDirectory);
}  // namespace layout

}  // namespace z408
