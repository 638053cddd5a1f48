// The shot grid finds the same first box, in slot order, as a scan of every
// box would: one shot edge strictly inside the box on each axis.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "battle/live_boxes.h"

namespace {

struct Box {
    int32_t x, y, w, h;
    bool live = true;
};

bool Inside(int64_t edge, int64_t start, int64_t end) { return start < edge && edge < end; }

int FirstByScan(const std::vector<Box>& boxes, int32_t x, int32_t w, int32_t y, int32_t h) {
    for (size_t k = 0; k < boxes.size(); ++k) {
        const Box& b = boxes[k];
        const bool acrossX = Inside(x, b.x, int64_t{b.x} + b.w) || Inside(int64_t{x} + w, b.x, int64_t{b.x} + b.w);
        const bool acrossY = Inside(y, b.y, int64_t{b.y} + b.h) || Inside(int64_t{y} + h, b.y, int64_t{b.y} + b.h);
        if (b.live && acrossX && acrossY) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace

TEST(LiveBoxes, FindsTheFirstTouchedBoxAsAScanDoes) {
    std::mt19937 random(3);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int hits = 0;
    // Units of the usual sizes; a few huge or inside-out boxes; shots wider
    // than a box (which pass through it); units destroyed between shots.
    // Every fifth round is all huge boxes, too many for the grid, so the
    // plain scan answers; half the boxes join after the first shots.
    for (int round = 0; round < 300; ++round) {
        const int spread = round % 3 == 0 ? 400 : 3000;
        const bool allHuge = round % 5 == 4;
        std::vector<Box> boxes(static_cast<size_t>(allHuge ? pick(60, 100) : pick(0, 100)));
        LiveBoxes live;
        auto add = [&](size_t from, size_t to) {
            for (size_t k = from; k < to; ++k) {
                const int size = allHuge                           ? pick(15000, 20000)
                                 : round % 10 == 0 && k == 0       ? 20000
                                 : pick(0, 9) == 0                 ? pick(-40, 0)
                                                                   : pick(16, 128);
                boxes[k] = Box{pick(-spread, spread), pick(-spread, spread), size, pick(0, 9) == 0 ? size / 2 : size};
                live.Add(static_cast<int>(k) + 7, boxes[k].x, boxes[k].y, boxes[k].w, boxes[k].h);
            }
        };
        const size_t half = boxes.size() / 2;
        add(0, half);
        for (int shot = 0; shot < 200; ++shot) {
            if (shot == 100) add(half, boxes.size());
            const std::vector<Box> known(boxes.begin(), boxes.begin() + static_cast<long>(shot < 100 ? half : boxes.size()));
            const int32_t size = shot % 7 == 0 ? 200 : pick(4, 16);
            const int32_t x = pick(-spread - 100, spread + 100), y = pick(-spread - 100, spread + 100);
            const int expected = FirstByScan(known, x, size, y, size);
            const int found = live.FirstTouched(x, size, y, size);
            ASSERT_EQ(found, expected) << "round " << round << " shot " << shot;
            if (found >= 0) {
                ++hits;
                EXPECT_EQ(live.Slot(found), found + 7);
                if (pick(0, 3) == 0) {
                    live.Remove(found);
                    boxes[static_cast<size_t>(found)].live = false;
                }
            }
        }
    }
    EXPECT_GT(hits, 5000) << "most rounds must find boxes, or the comparison proves little";
}
