// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// z408ctl stats show: the click, wheel and travel counters of Sts.cfg and the trophy level.
#include <cstdio>

#include <iterator>

#include "cli/cli.h"
#include "cli/json_out.h"
#include "common/directories.h"
#include "stats/statistics.h"

namespace z408::cli {
namespace {

int statsShow(const Args& args) {
    constexpr std::string_view kName = "stats show";
    ArgScanner scan(args);
    const bool json = scan.flag("--json");
    const auto dataDir = dataDirOption(scan);
    std::vector<std::string> rest;
    std::string error;
    if (!scan.positionals(rest, error) || !rest.empty())
        return fail(kName, error.empty() ? "takes no arguments" : error, kExitBadInput);
    // What is on disk, read only: a folder the program never set up is no folder of zeros.
    int code = kExitOk;
    const auto dir = existingDataFolder(kName, dataDir, code);
    if (!dir) return code;
    TerminalNotices notices;
    Statistics statistics(notices);
    const std::filesystem::path file = *dir / "Sts.cfg";
    statistics.load(file);  // a missing file is reported and shows zeros
    const StatisticsRecord& r = statistics.record();
    const int level = statistics.updateTrophyLevel();
    const std::pair<const char*, uint64_t> rows[] = {
        {"left clicks", r.leftClicks},     {"middle clicks", r.middleClicks},
        {"right clicks", r.rightClicks},   {"clicks in all", r.clickTotal()},
        {"wheel forward", r.wheelForward}, {"wheel backward", r.wheelBackward},
        {"wheel in all", r.wheelTotal()},
    };
    if (json) {
        constexpr const char* kKeys[] = {"leftClicks",   "middleClicks",  "rightClicks", "clicks",
                                         "wheelForward", "wheelBackward", "wheel"};
        Json doc = Json::document();
        doc.set("file", Json::string(file.string()));
        for (size_t i = 0; i < std::size(rows); ++i)
            doc.set(kKeys[i], Json::number(rows[i].second));
        doc.set("pointerTravel", Json::number(r.pointerTravel))
            .set("travelText", Json::string(formatTravel(r.pointerTravel)))
            .set("trophyLevel", Json::number(level + 1))
            .set("trophyCount", Json::number(kTrophyCount))
            .print();
        return kExitOk;
    }
    std::printf("Statistics in %s\n", file.string().c_str());
    for (const auto& [label, value] : rows)
        std::printf("%-15s %llu\n", label, static_cast<unsigned long long>(value));
    std::printf("%-15s %s (%u pixels)\n", "pointer travel", formatTravel(r.pointerTravel).c_str(),
                r.pointerTravel);
    std::printf("%-15s %d of %d\n", "trophy level", level + 1, kTrophyCount);
    return kExitOk;
}

}  // namespace

void registerStatsCommands(CommandRegistry& registry) {
    registry.add({"stats show", "[--data-dir DIR] [--json]",
                  "the click and wheel counters and the trophy",
                  "Shows the counters the statistics page keeps in Sts.cfg (the program writes\n"
                  "them when it ends and when they are reset): clicks of each button, wheel\n"
                  "notches each way, the pointer's travel (in 10 000 pixels, as the page shows\n"
                  "it) and the trophy level they earn. DIR replaces the data folder\n"
                  "(default ~/.local/share/TARVO/Z408); a folder that does not exist is an\n"
                  "error (exit 2), nothing is written. --json prints the same as JSON (see JSON\n"
                  "OUTPUT in z408ctl(1)).",
                  statsShow});
}

}  // namespace z408::cli
