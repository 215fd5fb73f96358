// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/external_programs.h"
#include "temp_dir.h"

namespace z408 {
namespace {

namespace fs = std::filesystem;

// A package carries no helpers: a missing or unusable one must be told apart from one that was
// started, so that the window says so instead of ending for a burner that never comes.
TEST(ExternalPrograms, OnlyAnInstalledHelperIsStarted) {
    enum class Prepared { Missing, NotExecutable, Executable };
    struct Case {
        Prepared prepared;
        HelperStart expected;
    } cases[] = {
        {Prepared::Missing, HelperStart::NotInstalled},
        {Prepared::NotExecutable, HelperStart::NotInstalled},
        {Prepared::Executable, HelperStart::Started},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.prepared));
        test::TempDir dir;
        for (const fs::path& helper :
             {firmwareBurnerPath(dir.path()), programUpdaterPath(dir.path())}) {
            if (c.prepared == Prepared::Missing) continue;
            fs::create_directories(helper.parent_path());
            std::ofstream(helper) << "#!/bin/sh\nexit 0\n";
            if (c.prepared == Prepared::Executable)
                fs::permissions(helper, fs::perms::owner_all, fs::perm_options::replace);
            else
                fs::permissions(helper, fs::perms::owner_read | fs::perms::owner_write,
                                fs::perm_options::replace);
        }
        EXPECT_EQ(startFirmwareBurner(dir.path(), false), c.expected);
        EXPECT_EQ(startProgramUpdater(dir.path()), c.expected);
    }
}

}  // namespace
}  // namespace z408
