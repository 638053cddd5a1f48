// The kept-frame arena wraps round many times: every frame it still holds
// keeps the pixels it was given, and the newest frames are always there.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "platform/frame_cache.h"

namespace {

FrameKey KeyFor(uint64_t n) {
    FrameKey key;
    key.picture = n / 7 + 1;
    key.sourceX = static_cast<int16_t>(n % 7);
    key.turned = static_cast<uint8_t>(n & 1);
    key.degreesBits = n * 0x9E3779B97F4A7C15ull;
    return key;
}

uint32_t PixelOf(uint64_t n, int i) { return static_cast<uint32_t>(n * 2654435761u) ^ static_cast<uint32_t>(i); }

}  // namespace

TEST(FrameCache, WrappingKeepsEveryHeldFrameIntactAndTheNewestFound) {
    FrameCache cache;
    std::mt19937 random(5);
    std::deque<std::pair<uint64_t, int>> recent;  // key number, pixels
    uint64_t recentPixels = 0;
    constexpr uint64_t kFrames = 40000;
    for (uint64_t n = 0; n < kFrames; ++n) {
        // Mostly sprite-sized frames, now and then one the size of the screen.
        const int w = n % 97 == 0 ? 800 : static_cast<int>(random() % 120) + 1;
        const int h = n % 97 == 0 ? 576 : static_cast<int>(random() % 120) + 1;
        ASSERT_EQ(cache.Find(KeyFor(n)), nullptr);
        const PreparedFrame* frame = nullptr;
        uint32_t* out = cache.Insert(KeyFor(n), w, h, 3, -2, &frame);
        ASSERT_NE(out, nullptr);
        for (int i = 0; i < w * h; ++i) out[i] = PixelOf(n, i);
        recent.emplace_back(n, w * h);
        recentPixels += static_cast<uint64_t>(w) * h;
        // The newest frames filling at most half the arena are all held.
        while (recentPixels > FrameCache::kArenaPixels / 2 || recent.size() > FrameCache::kMaxFrames / 2) {
            recentPixels -= static_cast<uint64_t>(recent.front().second);
            recent.pop_front();
        }
        if (n % 500 != 0) continue;
        for (const auto& [k, pixels] : recent) ASSERT_NE(cache.Find(KeyFor(k)), nullptr) << "frame " << k << " at " << n;
        // Whatever is still held, old or new, has its own pixels.
        for (uint64_t k = 0; k <= n; k += 3) {
            const PreparedFrame* held = cache.Find(KeyFor(k));
            if (!held) continue;
            ASSERT_EQ(held->offsetX, 3);
            for (int i = 0; i < held->w * held->h; i += 17) ASSERT_EQ(held->pixels[i], PixelOf(k, i)) << k;
        }
    }
    EXPECT_LE(cache.Frames(), FrameCache::kMaxFrames);
    EXPECT_EQ(cache.Insert(KeyFor(kFrames), 4096, 2048, 0, 0, nullptr), nullptr) << "larger than the arena";
}
