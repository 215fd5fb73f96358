// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl backup / restore: the whole configuration of the data directory in one archive.
#include <cstdio>

#include "cli/cli.h"
#include "common/directories.h"
#include "common/file_io.h"
#include "config/backup_archive.h"
#include "config/seeding.h"
#include "macros/macro_entry.h"

namespace z408::cli {
namespace {

struct DirArgs {
    std::filesystem::path dir;
    bool force = false;
    std::string file;
};

bool scanDirArgs(std::string_view command, const Args& args, DirArgs& out, int& code) {
    ArgScanner scan(args);
    const auto dataDir = dataDirOption(scan);
    out.force = scan.flag("--force");
    std::vector<std::string> pos;
    std::string err;
    if (!scan.positionals(pos, err) || pos.size() != 1) {
        code = fail(command, err.empty() ? "expects FILE" : err, kExitBadInput);
        return false;
    }
    out.file = pos[0];
    out.dir = dataFolder(dataDir);
    return true;
}

int backup(const Args& args) {
    DirArgs a;
    int code = kExitOk;
    if (!scanDirArgs("backup", args, a, code)) return code;
    std::vector<BackupFile> files;
    std::vector<std::string> missing;
    std::string failedName;
    if (const FileResult r = collectBackupFiles(a.dir, files, missing, failedName); !r)
        return fail("backup", (a.dir / failedName).string() + ": " + r.describe(), kExitFailed);
    if (files.empty())
        return fail("backup", a.dir.string() + " holds none of the program's files", kExitFailed);
    if (windowIsRunning())
        std::fprintf(stderr,
                     "z408ctl backup: the z408 window is running; the backup holds the "
                     "files as it last saved them (changes not yet applied and the "
                     "statistics counted since are not in it)\n");
    for (const auto& name : missing)
        std::fprintf(stderr, "z408ctl backup: %s is missing and is not in the backup\n",
                     (a.dir / name).c_str());
    const auto archive = encodeBackup(files);
    if (const FileResult r = writeFileAtomic(a.file, archive); !r)
        return fail("backup", a.file + ": " + r.describe(), kExitFailed);
    std::printf("backed up %zu files of %s to %s\n", files.size(), a.dir.c_str(), a.file.c_str());
    return kExitOk;
}

int restore(const Args& args) {
    DirArgs a;
    int code = kExitOk;
    if (!scanDirArgs("restore", args, a, code)) return code;
    std::vector<uint8_t> archive;
    if (const FileResult r = readFilePrefix(a.file, 64u << 20, archive); !r)
        return fail("restore", a.file + ": " + r.describe(), kExitBadInput);
    std::string error;
    const auto files = decodeBackup(archive, error);
    if (!files)
        return fail("restore", a.file + ": " + error + "; nothing was changed", kExitBadInput);
    // Checked as the loaders will read them, before any file is replaced.
    if (const auto problem = backupContentProblem(*files, kMacroLibrarySize))
        return fail("restore", a.file + ": " + *problem + "; nothing was changed", kExitBadInput);
    if (const auto refused = refuseWhileWindowRuns("restore", a.force)) return *refused;
    seedDataDirectory(programDirectory(), a.dir);
    DataFolderLock lock;
    if (!lockDataFolder("restore", a.dir, lock, code)) return code;
    std::string failedName;
    if (const FileResult r = restoreBackupFiles(a.dir, *files, failedName); !r)
        return fail("restore",
                    (a.dir / failedName).string() + ": " + r.describe() + "; nothing was changed",
                    kExitFailed);
    std::printf("restored %zu files into %s\n", files->size(), a.dir.c_str());
    return kExitOk;
}

}  // namespace

void registerBackupCommands(CommandRegistry& registry) {
    registry.add({"backup", "FILE [--data-dir DIR]", "save the whole configuration in one file",
                  "Writes the profiles, the profile table, the macros, the statistics and the\n"
                  "language choice of the data folder (default ~/.local/share/TARVO/Z408) into\n"
                  "the archive FILE, with a checksum. 'z408ctl restore FILE' puts them back.",
                  backup});
    registry.add({"restore", "FILE [--data-dir DIR] [--force]",
                  "put back a configuration saved by backup",
                  "Checks the whole archive first (its mark, format, lengths and checksum), then\n"
                  "replaces the files of the data folder all together: either every file is\n"
                  "restored or none is changed. A damaged archive or another program's file is\n"
                  "refused (exit 2). Refused while the z408 window runs, since it keeps its own\n"
                  "copy of these files; --force restores anyway.",
                  restore});
}

}  // namespace z408::cli
