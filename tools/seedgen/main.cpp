// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Writes the seed data files into the folder given as the only argument.
#include <cstdio>
#include <filesystem>
#include <vector>

#include "common/binary.h"
#include "common/file_io.h"
#include "config/profile_settings.h"
#include "config/profile_table.h"

namespace {

constexpr size_t kMacroLibrarySize = 500 * 4104;  // 500 free slots
constexpr int32_t kEnglish = 2;

bool write(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const auto r = z408::writeFileAtomic(path, bytes);
    if (!r)
        std::fprintf(stderr, "seedgen: cannot write %s: %s\n", path.c_str(), r.describe().c_str());
    return static_cast<bool>(r);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: z408_seedgen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out / "Profile", ec);

    bool ok = true;
    const auto profile = z408::ProfileSettings::defaults(false);
    for (int i = 1; i <= z408::kProfileCount; ++i)
        ok &= write(out / "Profile" / ("Profile" + std::to_string(i) + ".cfg"), profile.image());

    z408::ProfileTable table;
    for (int e = 0; e < z408::kProfileCount; ++e) table.setEntryMagic(e, z408::kEntryMagic);
    table.setActiveFlag(0, 1);
    ok &= write(out / "Profile" / "ConfigInfo.cfg", table.image());

    ok &= write(out / "Macro.cfg", std::vector<uint8_t>(kMacroLibrarySize, 0));
    ok &= write(out / "Sts.cfg", std::vector<uint8_t>(24, 0));
    std::array<uint8_t, 4> language{};
    z408::le::put32(language, 0, static_cast<uint32_t>(kEnglish));
    ok &= write(out / "Language.cfg", language);
    return ok ? 0 : 1;
}
