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

TEST(HallOfFameBack, HoldingOnBackKeepsThePageUntilReleasedSlidingOffLeavesAtOnce) {
    for (bool slideOff : {false, true}) {
        SCOPED_TRACE(slideOff);
        HallVisit visit;
        visit.Frame(750, 15);
        EXPECT_EQ(visit.screen.backFrame, HallOfFameScreen::kBackLit);
        visit.player.PressButton(0);
        for (int f = 0; f < 5; ++f) {
            visit.Frame(750, 15);
            EXPECT_EQ(visit.screen.backFrame, HallOfFameScreen::kBackPressed);
            EXPECT_EQ(visit.screen.leaveRequested, 0);
        }
        if (!slideOff) visit.player.ReleaseButton(0);
        visit.Frame(750, slideOff ? 60 : 15);
        EXPECT_EQ(visit.screen.leaveRequested, 1);
        EXPECT_EQ(visit.screen.backHeld + visit.screen.backClicked, 0);
    }
}

TEST(HallOfFameBack, HoverSoundOncePerArrivalKeysEscAndBackspaceLeave) {
    HallVisit visit;
    // Back holds (727, 3) to (790, 34).
    const std::pair<int32_t, int32_t> path[] = {{700, 15}, {727, 3},  {790, 34}, {791, 20}, {760, 20},
                                                {760, 35}, {760, 34}, {760, 21}, {400, 300}};
    std::vector<int> sounds;
    for (auto [x, y] : path) {
        visit.Frame(x, y);
        sounds.push_back(visit.hoverSounds);
    }
    EXPECT_EQ(sounds, (std::vector<int>{0, 1, 1, 1, 2, 2, 3, 3, 3}));
    for (auto [code, leaves] : {std::pair{key::kReturn, 0}, {key::kEscape, 1}, {key::kBack, 1}}) {
        HallVisit keys;
        keys.player.Press(code);
        keys.Frame(100, 100);
        EXPECT_EQ(keys.screen.leaveRequested, leaves) << int(code);
    }
}

using HallOfFameDrawing = Canvas;

TEST_F(HallOfFameDrawing, UnusedEntriesDrawNothingUsedOnesTheirNameWithTheNumberAbove) {
    uint8_t used[5] = {1, 1, 1, 1, 1}, names[5][21] = {};
    int32_t values[5] = {12345, 2048, 300, 47, 7};
    const uint8_t admiral[] = {28, 29, 5, 14, 10, 19, 2, 13, 1}, bob[] = {30, 31, 16, 3, 1};
    for (int k = 0; k < 5; ++k) std::copy_n(k % 2 ? bob : admiral, k % 2 ? 5 : 9, names[k]);
    const auto page = [&](const char* name) {
        HallOfFameScreen screen;
        screen.LoadArt(&graphics_);
        screen.CopyEntries(used, values, names);
        Clear();
        screen.Draw(art_.menuSheet);
        return Shot(name);
    };
    const Image full = page("hall_of_fame_full");
    used[3] = 0;
    const Image without = page("hall_of_fame_without_fourth");
    values[3] = 99999;
    std::fill_n(names[3], 21, 30);
    EXPECT_EQ(ChangedPixels(without, page("hall_of_fame_other_unused"), 0, 0, 800, 600), 0);
    // Entry 4: its name row (64 px glyphs at 0.7 from y 399) and its number just above.
    const int nameRow = ChangedPixels(full, without, 0, 399, 800, 45);
    const int number = ChangedPixels(full, without, 350, 366, 100, 25);
    EXPECT_GT(nameRow, 100);
    EXPECT_GT(number, 50);
    EXPECT_EQ(ChangedPixels(full, without, 0, 0, 800, 600), nameRow + number);
}

}  // namespace
}  // namespace story_test
