#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "frontend/hall_of_fame_screen.h"
#include "platform/key_codes.h"
#include "story_test_support.h"

namespace story_test {
namespace {

constexpr int kCells = HallOfFameScreen::kNameCells;
// "Admiral" as the name entry codes it: a capital over two cells, then the end marker.
constexpr uint8_t kAdmiral[] = {28, 29, 5, 14, 10, 19, 2, 13, 1};

struct Entries {
    uint8_t used[5] = {};
    int32_t values[5] = {};
    uint8_t names[5][kCells] = {};
    void Set(int k, int32_t value, const uint8_t* name, int length) {
        used[k] = 1;
        values[k] = value;
        for (int i = 0; i < kCells; ++i) names[k][i] = i < length ? name[i] : 0;
    }
};

TEST(HallOfFameLayout, NumbersShowTheirLowestFiveDigitsPlacedByTheHighestNonZeroOne) {
    struct Case {
        int entry;
        uint32_t value;
        std::vector<std::pair<int, int>> offsetAndDigit;  // ones first
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "entry " << c.entry << " value " << c.value);
        int32_t x[5];
        uint8_t d[5];
        const int count = HallOfFameScreen::PlaceValue(c.entry, c.value, 350, x, d);
        std::vector<std::pair<int, int>> placed;
        for (int i = 0; i < count; ++i) placed.emplace_back(x[i] - 350, d[i]);
        EXPECT_EQ(placed, c.offsetAndDigit);
    }
}

TEST(HallOfFameLayout, NamesAreCentredByTheirLastNonZeroCell) {
    const uint8_t oneLetter[] = {2};
    Entries entries;
    entries.Set(0, 1, oneLetter, 1);
    entries.Set(1, 1, kAdmiral, 9);
    entries.used[2] = 1;  // a name of nothing but spaces
    HallOfFameScreen screen;
    screen.CopyEntries(entries.used, entries.values, entries.names);
    EXPECT_EQ(screen.lastCell[0], 0);
    EXPECT_EQ(screen.lastCell[1], 8);  // the end marker counts
    EXPECT_EQ(screen.lastCell[2], 0);
    EXPECT_EQ(HallOfFameScreen::NameCellX(0, screen.lastCell[0]), 390);
    // Symmetric about 390 with a 22 px pitch.
    EXPECT_EQ(HallOfFameScreen::NameCellX(0, screen.lastCell[1]), 390 - 88);
    EXPECT_EQ(HallOfFameScreen::NameCellX(8, screen.lastCell[1]), 390 + 88);
    EXPECT_EQ(HallOfFameScreen::NameCellX(20, screen.lastCell[2]), 390 + 20 * 22);
}

// The Hall of Fame scene's frame as it drives the page with the cursor at a point.
class HallVisit {
public:
    void Frame(int32_t x, int32_t y) {
        player.Poll();
        screen.CheckKeys(player.Keyboard());
        screen.HandleBack(x, y, player.Mouse());
        hoverSounds += screen.HoverSoundDue();
        screen.ResetHover();
    }
    HallOfFameScreen screen;
    Player player;
    int hoverSounds = 0;
};

constexpr int32_t kOnBackX = 750, kOnBackY = 15;

TEST(HallOfFameBack, HoldingOnBackKeepsThePageUntilReleasedSlidingOffLeavesAtOnce) {
    for (bool slideOff : {false, true}) {
        SCOPED_TRACE(slideOff ? "slide off" : "release");
        HallVisit visit;
        HallOfFameScreen& s = visit.screen;
        visit.Frame(100, 100);
        EXPECT_EQ(s.backFrame, HallOfFameScreen::kBackNormal);
        visit.Frame(kOnBackX, kOnBackY);
        EXPECT_EQ(s.backFrame, HallOfFameScreen::kBackLit);
        visit.player.PressButton(0);
        for (int f = 0; f < 5; ++f) {
            visit.Frame(kOnBackX, kOnBackY);
            EXPECT_EQ(s.backFrame, HallOfFameScreen::kBackPressed);
            EXPECT_EQ(s.leaveRequested, 0);
        }
        if (slideOff) {
            visit.Frame(kOnBackX, 60);  // still holding
        } else {
            visit.player.ReleaseButton(0);
            visit.Frame(kOnBackX, kOnBackY);
        }
        EXPECT_EQ(s.leaveRequested, 1);
        EXPECT_EQ(s.backHeld, 0);
        EXPECT_EQ(s.backClicked, 0);
        EXPECT_EQ(visit.hoverSounds, 1);
    }
}

TEST(HallOfFameBack, HoverSoundPlaysOncePerVisitOfThePointer) {
    HallVisit visit;
    const std::pair<int32_t, int32_t> path[] = {{700, 15}, {727, 3},  {790, 34}, {791, 20}, {760, 20},
                                                {760, 35}, {760, 34}, {760, 21}, {400, 300}};
    std::vector<int> soundsAfter;
    for (auto [x, y] : path) {
        visit.Frame(x, y);
        soundsAfter.push_back(visit.hoverSounds);
    }
    // The rectangle holds (727, 3) to (790, 34); x 791 and y 35 are off it.
    EXPECT_EQ(soundsAfter, (std::vector<int>{0, 1, 1, 1, 2, 2, 3, 3, 3}));
    EXPECT_EQ(visit.screen.leaveRequested, 0);
}

TEST(HallOfFameBack, EscOrBackspaceLeaveEnterDoesNot) {
    for (auto [code, leaves] : {std::pair{key::kEscape, 1}, {key::kBack, 1}, {key::kReturn, 0}}) {
        SCOPED_TRACE(int(code));
        HallVisit visit;
        visit.Frame(100, 100);
        visit.player.Press(code);
        visit.Frame(100, 100);
        EXPECT_EQ(visit.screen.leaveRequested, leaves);
    }
}

class HallOfFameDrawing : public Canvas {
protected:
    Image Page(const Entries& entries, const std::string& name) {
        HallOfFameScreen screen;
        screen.LoadArt(&graphics_);
        screen.CopyEntries(entries.used, entries.values, entries.names);
        Clear();
        screen.Draw(art_.menuSheet);
        return Shot(name);
    }
};

TEST_F(HallOfFameDrawing, UnusedEntriesDrawNothingUsedOnesTheirNameAndNumber) {
    const uint8_t bob[] = {30, 31, 16, 3, 1};  // "Bob": a capital over two cells, two small letters
    Entries full;
    full.Set(0, 12345, kAdmiral, 9);
    full.Set(1, 2048, bob, 4);
    full.Set(2, 300, kAdmiral, 9);
    full.Set(3, 47, bob, 4);
    full.Set(4, 7, kAdmiral, 9);
    Entries withoutFourth = full;
    withoutFourth.used[3] = 0;
    Entries otherUnusedFourth = withoutFourth;
    otherUnusedFourth.values[3] = 99999;
    for (uint8_t& c : otherUnusedFourth.names[3]) c = 30;
    const Image page = Page(full, "hall_of_fame_full");
    const Image without = Page(withoutFourth, "hall_of_fame_without_fourth");
    const Image other = Page(otherUnusedFourth, "hall_of_fame_other_unused");
    EXPECT_EQ(ChangedPixels(without, other, 0, 0, 800, 600), 0);
    // Entry 4's name row and its number just above it are all that change.
    const int nameRow = ChangedPixels(page, without, 0, 399, 800, 45);  // 64 px glyphs at 0.7
    const int number = ChangedPixels(page, without, 350, 366, 100, 25);
    EXPECT_GT(nameRow, 100);
    EXPECT_GT(number, 50);
    EXPECT_EQ(ChangedPixels(page, without, 0, 0, 800, 600), nameRow + number);
}

}  // namespace
}  // namespace story_test
