// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Sts.cfg loaded the way the statistics page and `z408ctl stats` load it. Checks: the counters are
// the file's first 24 bytes (missing bytes zero); the trophy level, the level bar and the travel
// text stay within what the page draws; the file written back loads to the same counters.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "stats/statistics.h"

using namespace z408;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = fuzz::scratchFolder() / "stats" / "Sts.cfg";
    fuzz::writeInput(file, std::span<const uint8_t>(data, size));

    RecordingNotices notices;
    Statistics stats(notices);
    stats.load(file);
    FUZZ_CHECK(notices.shown.empty());
    std::array<uint8_t, kStatisticsSize> expected{};
    std::copy_n(data, std::min(size, kStatisticsSize), expected.begin());
    FUZZ_CHECK(stats.record().encode() == expected);

    const int level = stats.updateTrophyLevel();
    FUZZ_CHECK(level >= 0 && level < kTrophyCount);
    const int bar = levelBarWidth(level);
    FUZZ_CHECK(bar >= 0 && bar <= 273);
    const std::string travel = formatTravel(stats.record().pointerTravel);
    FUZZ_CHECK(!travel.empty() && travel.size() < 16);
    FUZZ_CHECK(std::all_of(travel.begin(), travel.end(),
                           [](char c) { return (c >= '0' && c <= '9') || c == '.'; }));

    FUZZ_CHECK(stats.save(file));
    Statistics again(notices);
    again.load(file);
    FUZZ_CHECK(again.record() == stats.record());
    return 0;
}
