#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "frontend/hall_of_fame_screen.h"
#include "platform/key_codes.h"
#include "story_test_support.h"

namespace story_test {
namespace {

TEST(HallOfFameLayout, NumbersShowTheirLowestFiveDigitsNamesAreCentredOnTheirLastCell) {
    const std::tuple<int, uint32_t, std::vector<std::pair<int, int>>> cases[] = {
        // entry, value, x offset and digit from the ones up
        {1, 0, {{39, 0}}},
        {2, 7, {{39, 7}}},
        {3, 42, {{47, 2}, {30, 4}}},
        {1, 305, {{58, 5}, {39, 0}, {22, 3}}},
        {4, 1234, {{65, 4}, {48, 3}, {31, 2}, {14, 1}}},
        {5, 98765, {{74, 5}, {57, 6}, {40, 7}, {23, 8}, {6, 9}}},
        {1, 12345, {{74, 5}, {57, 4}, {40, 3}, {23, 2}, {8, 1}}},  // a leading 1 sits further right
        {2, 19999, {{74, 9}, {57, 9}, {40, 9}, {23, 9}, {9, 1}}},
        {1, 100000, {{39, 0}}},
        {3, 100420, {{58, 0}, {39, 2}, {22, 4}}},
        {1, 123456, {{74, 6}, {57, 5}, {40, 4}, {23, 3}, {6, 2}}},
    };
    for (const auto& [entry, value, expected] : cases) {
        SCOPED_TRACE(value);
        int32_t x[5];
        uint8_t d[5];
        std::vector<std::pair<int, int>> placed;
        for (int i = 0, n = HallOfFameScreen::PlaceValue(entry, value, 350, x, d); i < n; ++i)
            placed.emplace_back(x[i] - 350, d[i]);
        EXPECT_EQ(placed, expected);
    }
    // "Admiral" (a capital over two cells, the end marker last), one letter, only spaces.
    uint8_t used[5] = {1, 1, 1}, names[5][21] = {{28, 29, 5, 14, 10, 19, 2, 13, 1}, {2}};
    const int32_t values[5] = {};
    HallOfFameScreen screen;
    screen.CopyEntries(used, values, names);
    EXPECT_EQ(HallOfFameScreen::NameCellX(0, screen.lastCell[0]), 390 - 88);
    EXPECT_EQ(HallOfFameScreen::NameCellX(8, screen.lastCell[0]), 390 + 88);
    EXPECT_EQ(HallOfFameScreen::NameCellX(0, screen.lastCell[1]), 390);
    EXPECT_EQ(HallOfFameScreen::NameCellX(20, screen.lastCell[2]), 390 + 20 * 22);
}

// The scene's frame with the cursor at (x, y).
struct HallVisit {
    void Frame(int32_t x, int32_t y) {
        player.Poll();
        screen.CheckKeys(&player.keyboard);
        screen.HandleBack(x, y, &player.mouse);
        hoverSounds += screen.HoverSoundDue();
        screen.ResetHover();
    }
    HallOfFameScreen screen;
    Player player;
    int hoverSounds = 0;
};

TEST(HallOfFameBack, HoldingKeepsThePageReleasingOrSlidingOffLeavesHoverSoundsOncePerArrival) {
    for (bool slideOff : {false, true}) {
        SCOPED_TRACE(slideOff);
        HallVisit visit;
        visit.Frame(750, 15);
        EXPECT_EQ(visit.screen.backFrame, HallOfFameScreen::kBackLit);
        visit.player.PressButton(0);
        for (int f = 0; f < 5; ++f) visit.Frame(750, 15);
        EXPECT_EQ(visit.screen.backFrame, HallOfFameScreen::kBackPressed);
        EXPECT_EQ(visit.screen.leaveRequested, 0);
        if (!slideOff) visit.player.ReleaseButton(0);
        visit.Frame(750, slideOff ? 60 : 15);
        EXPECT_EQ(visit.screen.leaveRequested, 1);
        EXPECT_EQ(visit.screen.backHeld + visit.screen.backClicked, 0);
    }
    HallVisit visit;  // Back holds (727, 3) to (790, 34)
    for (auto [x, y, sounds] : {std::tuple{727, 3, 1}, {790, 34, 1}, {791, 20, 1}, {760, 35, 1}, {760, 20, 2}}) {
        visit.Frame(x, y);
        EXPECT_EQ(visit.hoverSounds, sounds) << x << ", " << y;
    }
    for (auto [code, leaves] : {std::pair{key::kReturn, 0}, {key::kEscape, 1}, {key::kBack, 1}}) {
        HallVisit keys;
        keys.player.Press(code);
        keys.Frame(100, 100);
        EXPECT_EQ(keys.screen.leaveRequested, leaves) << int(code);
    }
}

}  // namespace
}  // namespace story_test
