// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "stats/statistics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/binary.h"
#include "common/file_messages.h"
#include "common/program_texts.h"
#include "common/text.h"

namespace z408 {

std::array<uint8_t, kStatisticsSize> StatisticsRecord::encode() const {
    std::array<uint8_t, kStatisticsSize> b{};
    const uint32_t v[] = {leftClicks,   middleClicks,  rightClicks,
                          wheelForward, wheelBackward, pointerTravel};
    for (size_t i = 0; i < 6; ++i) le::put32(b, 4 * i, v[i]);
    return b;
}

StatisticsRecord StatisticsRecord::decode(std::span<const uint8_t> bytes) {
    std::array<uint8_t, kStatisticsSize> b{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), b.size()), b.begin());
    return {le::get32(b, 0),  le::get32(b, 4),  le::get32(b, 8),
            le::get32(b, 12), le::get32(b, 16), le::get32(b, 20)};
}

int trophyLevelFor(uint64_t total) {
    static constexpr uint64_t kBounds[] = {100000,  500000,  1000000, 1500000, 2000000, 2500000,
                                           3000000, 4000000, 5000000, 6000000, 8000000, 10000000};
    for (int level = 0; level < 12; ++level)
        if (total < kBounds[level]) return level;
    return 12;
}

int levelBarWidth(int level) {
    const int lit = std::min(level + 1, kTrophyCount);
    return lit * 273 / kTrophyCount;
}

std::string formatTravel(uint32_t pointerTravel) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0.2f", pointerTravel * 0.0001);
    return buf;
}

bool Statistics::count(uint32_t eventCode) {
    switch (eventCode) {
        case event_code::LeftDown:
            ++record_.leftClicks;
            return true;
        case event_code::MiddleDown:
            ++record_.middleClicks;
            return true;
        case event_code::RightDown:
            ++record_.rightClicks;
            return true;
        case event_code::WheelUp:
            ++record_.wheelForward;
            return true;
        case event_code::WheelDown:
            ++record_.wheelBackward;
            return true;
        default:
            return false;
    }
}

void Statistics::sample(int x, int y) {
    const auto dx = static_cast<uint32_t>(std::abs(static_cast<int64_t>(x) - lastX_));
    const auto dy = static_cast<uint32_t>(std::abs(static_cast<int64_t>(y) - lastY_));
    record_.pointerTravel += dx + dy;
    lastX_ = x;
    lastY_ = y;
}

int Statistics::updateTrophyLevel() {
    trophyLevel_ = std::max(
        {trophyLevel_, trophyLevelFor(record_.clickTotal()), trophyLevelFor(record_.wheelTotal())});
    return trophyLevel_;
}

void Statistics::load(const std::filesystem::path& file) {
    std::vector<uint8_t> bytes;
    record_ = {};
    const FileResult r = readFilePrefix(file, kStatisticsSize, bytes);
    if (r) {
        record_ = StatisticsRecord::decode(bytes);
    } else if (r.error == FileError::NotFound) {
        reportMissingFile(notices_, file);
    }
}

bool Statistics::save(const std::filesystem::path& file) {
    return reportSaveFailure(notices_, file, writeFileAtomic(file, record_.encode()));
}

bool Statistics::reset(const std::filesystem::path& file) {
    const bool ok = notices_.info(
        std::string(programText(ProgramText::ResetStatisticsAsk, notices_.languageId())), true);
    if (!ok) return false;
    record_ = {};
    trophyLevel_ = 0;
    save(file);
    return true;
}

}  // namespace z408
