// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The profile table (Profile/ConfigInfo.cfg) at start-up, with the five profile files on disk (the
// input's first byte says which of them are valid). Checks: the active entry is one of the five
// and its profile file loads; the working macro ids are the active entry's; every path is the
// program's own; the table the program writes back after an upload loads again to the same table.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "common/text.h"
#include "config/profile_settings.h"
#include "config/profile_store.h"
#include "config/profile_table.h"
#include "fuzz_support.h"

using namespace z408;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t valid = data[0];
    const std::span<const uint8_t> table(data + 1, size - 1);
    const auto dir = fuzz::scratchFolder() / "table";
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);

    RecordingNotices notices;
    ProfileStore store(dir, notices);
    fuzz::writeInput(store.tablePath(), table);
    ProfileSettings good = ProfileSettings::defaults(false);
    good.setPointerSpeed(7);  // tells a profile file from the defaults re-created in its place
    const std::array<uint8_t, 4> bad{1, 2, 3, 4};
    for (int e = 0; e < kProfileCount; ++e) {
        if (valid & (1u << e))
            fuzz::writeInput(store.profilePath(e), good.image());
        else if (valid & (1u << (e + 3)))  // bits 3..7 overlap on purpose: some files missing
            fuzz::writeInput(store.profilePath(e), bad);
    }

    store.loadTableAndActiveProfile();
    const int active = store.activeEntry();
    FUZZ_CHECK(active >= 0 && active < kProfileCount);
    FUZZ_CHECK(store.active().hasMagic());
    FUZZ_CHECK(store.macroIdList() == store.table().macroIds(active));
    for (int e = 0; e < kProfileCount; ++e) {
        FUZZ_CHECK(store.table().path(e) == utf8ToUtf16(store.profilePath(e).string()));
        FUZZ_CHECK(store.table().path(e).size() < kPathUnits);
    }
    // A profile chosen from the table is one whose file was valid; the others were re-created.
    if (store.table().shownSelected(active) && (valid & (1u << active)))
        FUZZ_CHECK(store.active() == good);

    // Written back after an upload and loaded again: the same table and the same active profile.
    FUZZ_CHECK(store.saveAfterUpload());
    ProfileStore again(dir, notices);
    again.loadTableAndActiveProfile();
    FUZZ_CHECK(again.table().image() == store.table().image());
    FUZZ_CHECK(again.activeEntry() == store.activeEntry());
    FUZZ_CHECK(again.active() == store.active());
    return 0;
}
