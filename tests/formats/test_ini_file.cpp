// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <fstream>

#include "formats/ini_file.h"
#include "temp_dir.h"

namespace z408 {
namespace {

// The string reader as the program settings use it: sections and keys without case, the value
// trimmed but otherwise whole, the first matching key of the section winning.
TEST(IniFile, ReadsStringsByTheUsualRules) {
    struct Case {
        const char* text;
        std::optional<std::string> host;
    };
    const Case cases[] = {
        {"[Update]\nHost=example.net\n", "example.net"},
        {"[update]\r\n  host =  a b ; kept \r\n", "a b ; kept"},
        {"[Update]\nHost=\n", ""},
        {"[Update]\nHost=\f\v x.\fy \f\n", "x.\fy"},
        {"[Update]\nHost=first\nHost=second\n", "first"},
        {"; Host=no\n[Other]\nHost=no\n[Update]\n#Host=no\nPort=1\n", std::nullopt},
        {"[Update\nHost=x\n", std::nullopt},  // an unclosed header opens no section
        {"Host=x\n", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        test::TempDir dir;
        std::ofstream(dir / "z408.ini", std::ios::binary) << c.text;
        EXPECT_EQ(ReadIniString(dir / "z408.ini", "Update", "Host"), c.host);
    }
    test::TempDir empty;
    EXPECT_EQ(ReadIniString(empty / "z408.ini", "Update", "Host"), std::nullopt);
    EXPECT_EQ(ReadIniInteger(empty / "z408.ini", "Update", "Port", -7), -7);
}

}  // namespace
}  // namespace z408
