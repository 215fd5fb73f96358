// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Click, wheel and pointer-travel counters ("Sts.cfg": six little-endian 32-bit counters) and
// the trophy levels they earn.
#include <array>
#include <cstdint>
#include <filesystem>

#include "common/event_codes.h"
#include "common/file_io.h"
#include "common/user_notices.h"

namespace z408 {

inline constexpr size_t kStatisticsSize = 24;
inline constexpr int kTrophyCount = 13;
inline constexpr int kNoLevelShown = 800;  // forces the trophy images to be loaded again

struct StatisticsRecord {
    uint32_t leftClicks = 0;
    uint32_t middleClicks = 0;
    uint32_t rightClicks = 0;
    uint32_t wheelForward = 0;
    uint32_t wheelBackward = 0;
    uint32_t pointerTravel = 0;  // pixels, |dx| + |dy| summed over samples

    // Wider than the counters: counters near their limit must not add up to a small total.
    uint64_t clickTotal() const { return uint64_t{leftClicks} + middleClicks + rightClicks; }
    uint64_t wheelTotal() const { return uint64_t{wheelForward} + wheelBackward; }

    std::array<uint8_t, kStatisticsSize> encode() const;
    // Up to 24 bytes; missing bytes read as zero.
    static StatisticsRecord decode(std::span<const uint8_t> bytes);
    friend bool operator==(const StatisticsRecord&, const StatisticsRecord&) = default;
};

// The trophy level 0..12 a total earns.
int trophyLevelFor(uint64_t total);
// Width in pixels of the level bar for a level.
int levelBarWidth(int level);
// The travel value as the page shows it: pixels × 0.0001 with two decimals.
std::string formatTravel(uint32_t pointerTravel);

class Statistics {
  public:
    explicit Statistics(UserNotices& notices) : notices_(notices) {}

    const StatisticsRecord& record() const { return record_; }
    // The highest level reached since start-up or the last reset; never decreases.
    int trophyLevel() const { return trophyLevel_; }

    // Counts one hook event; true when the code was counted.
    bool count(uint32_t eventCode);
    // Adds the pointer movement between the last sample and this one.
    void sample(int x, int y);
    void setLastPoint(int x, int y) { lastX_ = x, lastY_ = y; }
    // Raises the trophy level from the current totals; returns the level.
    int updateTrophyLevel();

    // Loads the file; a missing file is reported and the counters start at zero.
    void load(const std::filesystem::path& file);
    // Writes the file atomically; failures are reported and the counters stay in memory.
    bool save(const std::filesystem::path& file);
    // Asks the user; on OK everything goes to zero and the file is written.
    bool reset(const std::filesystem::path& file);

  private:
    UserNotices& notices_;
    StatisticsRecord record_;
    int trophyLevel_ = 0;
    int lastX_ = 0, lastY_ = 0;
};

}  // namespace z408
