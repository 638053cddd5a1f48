#include <gtest/gtest.h>

#include <string>

#include "screen_test_support.h"
#include "screens/bonuses_screen.h"

namespace {

TEST(BonusesRows, SentencesFollowTheValue) {
    const struct {
        int row;
        uint32_t value;
        const char* sentence;
        int x;
    } cases[] = {
        {0, 5, "gold every time gold found.", 343},
        {2, 1, "favor every time favors found.", 343},
        {2, 2, "favors every time favors found.", 343},
        {2, 7, "favors every time favors found.", 343},
        {2, 9, "favors every time favors found.", 343},
        {2, 10, "favors whenever some gained.", 354},
        {2, 250, "favors whenever some gained.", 366},
        {10, 120, "material when some found.", 366},
        {4, 1000, "cheaper ship upgrades.", 378},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(BonusesScreen::RowSentence(c.row, c.value), c.sentence) << c.row << " " << c.value;
        EXPECT_EQ(BonusesScreen::SentenceX(c.value), c.x) << c.value;
    }
}

TEST(BonusesRows, ShowElevenValuesOfTheBlockButNotTheBuildingUpgradeDiscount) {
    BonusesScreen screen;
    for (int word = 0; word < BonusBlock::kWordCount; ++word) screen.bonuses.Word(word) = 100 + word;
    const int shownWords[BonusesScreen::kRows] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int row = 0; row < BonusesScreen::kRows; ++row) EXPECT_EQ(screen.RowValue(row), 100u + shownWords[row]);
}

class BonusesTest : public ClockedTest {
protected:
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        screen.OnClick(x, y, mouse.Device());
        if (MouseButtonsUp(mouse.Device())) screen.Rearm();
        sounds.Add(TakeInterfaceSounds(screen.stampSound, screen.hoverEnabled, screen.helpClickSound,
                                       screen.hoverSound, screen.lastHoverSound));
    }

    TestMouse mouse;
    BonusesScreen screen;
    PlayedSounds sounds;
};

TEST_F(BonusesTest, ARightClickPeeksTheNotesOnlyWhileHeld) {
    Frame(500, 500);
    mouse.Press(kRight);
    for (int frame = 0; frame < 3; ++frame) {
        Frame(500, 500);
        EXPECT_EQ(screen.notesPeek, 1) << frame;
    }
    mouse.Release(kRight);
    Frame(500, 500);
    EXPECT_EQ(screen.notesPeek, 0);
    EXPECT_EQ(screen.notesOpen, 0);
}

TEST_F(BonusesTest, ALeftClickOpensTheNotesUntilTheirExit) {
    Frame(500, 500);
    mouse.Press(kLeft);
    Frame(500, 500);
    mouse.Release(kLeft);
    Frame(500, 500);
    ASSERT_EQ(screen.notesOpen, 1);
    EXPECT_EQ(sounds.boxes, 1);
    Frame(410, 325);
    EXPECT_EQ(screen.hoverCode, BonusesScreen::kCodeExit);
    EXPECT_EQ(sounds.hovers, 1);
    mouse.Press(kLeft);
    Frame(410, 325);
    Frame(410, 325);
    EXPECT_EQ(screen.notesOpen, 0);
    EXPECT_EQ(sounds.stamps, 1);
    mouse.Release(kLeft);
    Frame(500, 500);
    EXPECT_EQ(screen.notesOpen, 0) << "the release opens nothing";
}

}  // namespace
