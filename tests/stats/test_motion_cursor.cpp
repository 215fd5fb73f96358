#include <gtest/gtest.h>

#include <limits>
#include <thread>
#include <vector>

#include "common/file_io.h"
#include "stats/motion_cursor.h"
#include "stats/statistics.h"

namespace z408 {
namespace {

struct Move {
    int32_t dx, dy;
};

// Travel counted by the page from a virtual pointer: the moves between two readings, then one
// reading, as the sampling thread does every half second.
TEST(MotionCursor, TravelOfRelativeMotionBetweenSamples) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kLimit = MotionPosition::kLimit;
    struct Case {
        const char* what;
        std::vector<std::vector<Move>> samples;  // moves before each reading
        uint32_t travel;
    } cases[] = {
        {"still", {{}, {}}, 0},
        {"30 right, 40 down", {{{30, 0}, {0, 40}}}, 70},
        {"each reading adds its own distance", {{{5, -5}}, {{-10, 0}}, {{0, 3}}}, 23},
        // As with the sampled screen position, a movement undone before the next reading is
        // not seen.
        {"there and back within one sample", {{{50, 20}, {-50, -20}}}, 0},
        {"stops at the edge like a screen", {{{kLimit, 0}, {kLimit, 0}}}, uint32_t(kLimit)},
        {"extreme deltas from a device", {{{kMax, kMin}}}, 2u * kLimit},
        {"back from the edge counts at once", {{{kMax, 0}}, {{-10, 0}}}, kLimit + 10u},
    };
    for (const auto& c : cases) {
        auto position = std::make_shared<MotionPosition>();
        MotionCursorSource source(position);
        RecordingNotices notices;
        Statistics stats(notices);
        int x = 0, y = 0;
        ASSERT_TRUE(source.position(x, y));
        stats.setLastPoint(x, y);
        for (const auto& moves : c.samples) {
            for (const Move& m : moves) position->move(m.dx, m.dy);
            ASSERT_TRUE(source.position(x, y));
            EXPECT_LE(std::abs(x), kLimit) << c.what;
            EXPECT_LE(std::abs(y), kLimit) << c.what;
            stats.sample(x, y);
        }
        EXPECT_EQ(stats.record().pointerTravel, c.travel) << c.what;
    }
}

// The reader thread moves the pointer while the sampling thread reads it: no movement is lost.
TEST(MotionCursor, MovesFromTwoThreadsAllArrive) {
    MotionPosition position;
    auto mover = [&position](int32_t step) {
        for (int i = 0; i < 20000; ++i) position.move(step, -step);
    };
    std::thread a(mover, 1), b(mover, 2);
    a.join();
    b.join();
    EXPECT_EQ(position.x(), 60000);
    EXPECT_EQ(position.y(), -60000);
}

}  // namespace
}  // namespace z408
