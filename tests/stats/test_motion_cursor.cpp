// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <limits>
#include <thread>
#include <vector>

#include "common/file_io.h"
#include "stats/cursor_sampler.h"
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

// The sampling thread wakes the page only when the pointer has moved: at rest nothing is posted
// after the first reading, and the travel the page adds up is the same.
TEST(CursorSampler, TellsTheOwnerOnlyOfMoves) {
    struct Source : CursorSource {
        std::atomic<int> x{5}, reads{0};
        bool position(int& ox, int& oy) override {
            ox = x.load();
            oy = 7;
            ++reads;
            return true;
        }
    } source;
    struct Sink : MessageSink {
        std::atomic<int> posts{0};
        void post(Msg, uintptr_t, intptr_t) override { ++posts; }
    } sink;
    const auto waitReads = [&](int n) {
        for (int i = 0; i < 5000 && source.reads.load() < n; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    CursorSampler sampler(source, sink, std::chrono::milliseconds(1));
    waitReads(5);
    EXPECT_EQ(sink.posts.load(), 1);  // the starting point only
    source.x = 9;
    waitReads(source.reads.load() + 5);
    EXPECT_EQ(sink.posts.load(), 2);
    EXPECT_EQ(sampler.latest().x, 9);
    EXPECT_EQ(sampler.latest().y, 7);
}

}  // namespace
}  // namespace z408
