#include <gtest/gtest.h>

#include <algorithm>

#include "screen_test_support.h"
#include "screens/awards_screen.h"

namespace {

// The Awards scene's side of a frame.
class AwardsTest : public ClockedTest {
protected:
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        screen.Click(x, y, mouse.Device());
        if (MouseButtonsUp(mouse.Device())) screen.Rearm();
        screen.Animate();
        if (screen.pickSound) {
            screen.pickSound = 0;
            ++pickSounds;
        }
    }
    void Click(int x, int y, int button = kLeft) { ClickThrough(mouse, button, [&] { Frame(x, y); }); }
    void ClickArrow(int row, int button = kLeft) { Click(260, 50 + 84 * row, button); }

    TestMouse mouse;
    AwardsScreen screen;
    int pickSounds = 0;
};

TEST_F(AwardsTest, EachPickRaisesItsRowsBonusByTen) {
    using B = BonusBlock;
    uint32_t B::*const rowBonus[AwardsScreen::kRows] = {
        &B::goldBonus,          &B::crystalBonus,          &B::favorsBonus, &B::shipMaterialBonus,
        &B::robotMaterialBonus, &B::buildingMaterialBonus, nullptr,  // the goodies bonus
    };
    screen.picks = 9;
    for (int row = 0; row < AwardsScreen::kRows; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const BonusBlock before = screen.bonuses;
        const uint32_t goodies = screen.goodiesBonus;
        ClickArrow(row);
        EXPECT_EQ(screen.awardCounts[row], 1u);
        EXPECT_EQ(screen.picks, 8u - row);
        BonusBlock expected = before;
        if (rowBonus[row]) expected.*rowBonus[row] += 10;
        for (int word = 0; word < BonusBlock::kWordCount; ++word) EXPECT_EQ(screen.bonuses.Word(word), expected.Word(word));
        EXPECT_EQ(screen.goodiesBonus, goodies + (rowBonus[row] ? 0 : 10));
    }
    EXPECT_EQ(pickSounds, AwardsScreen::kRows);
    EXPECT_EQ(screen.awardCounts[7], 0u);
}

// A pick adds 10 to its row's bonus, and the rows say so; the goodies row
// speaks of its chance in hundreds.
TEST(AwardsRows, ShowTenPerAwardAndTheGoodiesAHundred) {
    const struct {
        int row;
        uint32_t count;
        uint64_t shown;
    } cases[] = {{0, 1, 10}, {1, 3, 30}, {2, 12, 120}, {3, 7, 70}, {4, 2, 20}, {5, 10, 100}, {6, 1, 100}, {6, 10, 1000}};
    for (const auto& c : cases) EXPECT_EQ(AwardsScreen::ShownValue(c.row, c.count), c.shown) << "row " << c.row;
}

TEST_F(AwardsTest, APickTakesOnePressAndNeedsPicksLeft) {
    screen.picks = 2;
    Frame(260, 50);
    mouse.Press(kLeft);
    for (int frame = 0; frame < 5; ++frame) Frame(260, 50);
    mouse.Release(kLeft);
    Frame(260, 50);
    EXPECT_EQ(screen.picks, 1u);
    ClickArrow(0);
    EXPECT_EQ(screen.picks, 0u);
    EXPECT_EQ(screen.bonuses.goldBonus, 20u);
    Frame(260, 50);
    EXPECT_EQ(screen.hoverCode, AwardsScreen::kPickCodes[0]) << "the arrow's place still answers";
    ClickArrow(0);
    EXPECT_EQ(screen.awardCounts[0], 2u);
    EXPECT_EQ(screen.bonuses.goldBonus, 20u);
    EXPECT_EQ(screen.helpOpen, 0);
}

TEST_F(AwardsTest, ARightClickShowsTheHelpWhileHeldAndSpendsNothing) {
    screen.picks = 3;
    Frame(260, 50);
    mouse.Press(kRight);
    Frame(260, 50);
    Frame(260, 50);
    EXPECT_EQ(screen.helpHeld, 1);
    mouse.Release(kRight);
    Frame(260, 50);
    EXPECT_EQ(screen.helpHeld, 0);
    EXPECT_EQ(screen.helpOpen, 0);
    EXPECT_EQ(screen.picks, 3u);
    EXPECT_EQ(pickSounds, 0);
}

// With no picks left only the page's bands answer a right hold.
TEST_F(AwardsTest, WithNoPicksARightHoldOnThePageStillShowsTheHelp) {
    screen.picks = 0;
    Frame(600, 300);
    mouse.Press(kRight);
    Frame(600, 300);
    Frame(600, 300);
    EXPECT_EQ(screen.helpHeld, 1);
    mouse.Release(kRight);
    Frame(600, 300);
    EXPECT_EQ(screen.helpHeld, 0);
    EXPECT_EQ(screen.helpOpen, 0);
}

TEST_F(AwardsTest, ALeftClickOnEmptySpaceOpensTheHelpUntilItsExit) {
    screen.picks = 3;
    Click(600, 300);
    ASSERT_EQ(screen.helpOpen, 1);
    ClickArrow(1);
    EXPECT_EQ(screen.picks, 3u) << "the arrows rest while the help is open";
    Click(410, 325);
    EXPECT_EQ(screen.helpOpen, 0);
    ClickArrow(1);
    EXPECT_EQ(screen.picks, 2u);
}

}  // namespace
