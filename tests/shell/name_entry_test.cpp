#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "platform/clock.h"
#include "shell/name_entry.h"

namespace {

constexpr uint8_t kSmallA = 2;
constexpr uint8_t kCapitalA = 28;
constexpr uint8_t kCapitalI = 28 + 8;
constexpr uint8_t kCapitalJ = 28 + 9;
constexpr uint8_t kCapitalK = 28 + 10;
constexpr uint8_t kCapitalZ = 53;

// One key per frame, as the scene clears the change flag each frame.
void Type(NameEntry& panel, std::initializer_list<uint8_t> codes) {
    for (uint8_t code : codes) {
        panel.AddLetter(code);
        panel.letterTaken = 0;
    }
}

void TypeRepeated(NameEntry& panel, uint8_t code, int times) {
    for (int i = 0; i < times; ++i) Type(panel, {code});
}

std::vector<uint8_t> Cells(const NameEntry& panel) { return {panel.nameCells, panel.nameCells + NameEntry::kCells}; }

std::vector<uint8_t> Name(std::initializer_list<uint8_t> glyphs) {
    std::vector<uint8_t> cells(glyphs);
    cells.push_back(NameEntry::kEndMarker);
    cells.resize(NameEntry::kCells, 0);
    return cells;
}

}  // namespace

TEST(NameEntryLetters, CapitalsTakeTwoCellsExceptIAndJ) {
    NameEntry panel;
    EXPECT_EQ(Cells(panel), Name({}));
    Type(panel, {kCapitalA, kCapitalI, kCapitalJ, kCapitalK, kCapitalZ, kSmallA, NameEntry::kSpaceCode,
                 NameEntry::kFullStopCode});
    EXPECT_EQ(Cells(panel), Name({28, 29, 44, 45, 46, 47, 76, 77, 2, 0, 78}));
}

TEST(NameEntryLetters, TheNameHoldsTwentyCells) {
    NameEntry panel;
    TypeRepeated(panel, kSmallA + 1, 21);
    std::vector<uint8_t> twenty(20, kSmallA + 1);
    twenty.push_back(NameEntry::kEndMarker);
    EXPECT_EQ(Cells(panel), twenty);

    NameEntry capitals;
    TypeRepeated(capitals, kCapitalA, 10);
    EXPECT_EQ(capitals.MarkerIndex(), 20);
    Type(capitals, {kCapitalA});
    EXPECT_EQ(capitals.MarkerIndex(), 20);

    NameEntry mixed;
    TypeRepeated(mixed, kCapitalA, 9);
    Type(mixed, {kSmallA, kSmallA});
    EXPECT_EQ(mixed.MarkerIndex(), 20);
    EXPECT_EQ(mixed.nameCells[19], kSmallA);
}

// With 19 cells typed a small letter or a space still fits, but even the
// one-cell capitals and the full stop need a spare cell.
TEST(NameEntryLetters, TheLastCellTakesOnlySmallLettersAndSpace) {
    for (uint8_t refused : {kCapitalI, kCapitalJ, NameEntry::kFullStopCode, kCapitalA}) {
        NameEntry panel;
        TypeRepeated(panel, kSmallA, 19);
        Type(panel, {refused});
        EXPECT_EQ(panel.MarkerIndex(), 19) << int(refused);
    }
    for (uint8_t taken : {kSmallA, NameEntry::kSpaceCode}) {
        NameEntry panel;
        TypeRepeated(panel, kSmallA, 19);
        Type(panel, {taken});
        EXPECT_EQ(panel.MarkerIndex(), 20) << int(taken);
    }
}

TEST(NameEntryDelete, RemovesOneGlyphWhateverItsWidth) {
    NameEntry panel;
    Type(panel, {kCapitalA, kSmallA + 1});
    Type(panel, {NameEntry::kDeleteCode});
    EXPECT_EQ(Cells(panel), Name({28, 29}));
    Type(panel, {NameEntry::kDeleteCode});
    EXPECT_EQ(Cells(panel), Name({}));

    Type(panel, {kCapitalJ, kCapitalI, NameEntry::kFullStopCode});
    Type(panel, {NameEntry::kDeleteCode});
    EXPECT_EQ(Cells(panel), Name({45, 44}));
    Type(panel, {NameEntry::kDeleteCode});
    EXPECT_EQ(Cells(panel), Name({45}));
}

TEST(NameEntryDelete, OnTheEmptyNameChangesNothingAndDoesNotUseTheFrame) {
    NameEntry panel;
    panel.AddLetter(NameEntry::kDeleteCode);
    EXPECT_EQ(Cells(panel), Name({}));
    EXPECT_EQ(panel.letterTaken, 0);
}

TEST(NameEntryFrame, OneChangePerFrame) {
    NameEntry panel;
    panel.AddLetter(kSmallA);
    panel.AddLetter(kSmallA + 1);
    panel.AddLetter(NameEntry::kDeleteCode);
    EXPECT_EQ(Cells(panel), Name({kSmallA}));

    // A press on Clear uses the frame's change: a letter of that frame is lost.
    panel.letterTaken = 0;
    panel.Clear();
    panel.AddLetter(kSmallA + 2);
    EXPECT_EQ(Cells(panel), Name({}));

    // A letter first, then Clear in the same frame: the clear does not happen.
    panel.letterTaken = 0;
    panel.AddLetter(kSmallA + 2);
    panel.Clear();
    EXPECT_EQ(Cells(panel), Name({kSmallA + 2}));
}

TEST(NameEntryLetters, UnhandledCodesReturnThemselvesAndChangeNothing) {
    NameEntry panel;
    EXPECT_EQ(panel.AddLetter(1), 1);
    EXPECT_EQ(panel.AddLetter(66), 66);
    EXPECT_EQ(panel.AddLetter(200), 200);
    EXPECT_EQ(panel.letterTaken, 0);
    EXPECT_EQ(Cells(panel), Name({}));
    EXPECT_EQ(panel.AddLetter(55), 1);
    EXPECT_EQ(Cells(panel), Name({80, 81}));
}

TEST(NameEntryButtons, HalfOpenRectanglesAndThePressLock) {
    NameEntry panel;
    panel.HitTestReady(363, 488);
    EXPECT_EQ(panel.hoverCode, NameEntry::kHoverReady);
    EXPECT_EQ(panel.readyFrame, 1);
    panel.ResetHover();
    panel.HitTestReady(463, 488);
    EXPECT_EQ(panel.hoverCode, 0);
    EXPECT_EQ(panel.readyFrame, 0);
    panel.readyFrame = 2;
    panel.pressLock = 1;
    panel.HitTestReady(100, 100);
    EXPECT_EQ(panel.readyFrame, 2);
}

TEST(NameEntryMotion, TheFrameSlidesInToItsRestingPlaceAndTheBarGrowsTwice) {
    ManualClock clock;
    Clock::Install(&clock);
    NameEntry panel;
    for (int frame = 0; frame < 400; ++frame) {
        panel.SlideStrips(7);
        panel.SpreadHand2(7);
        panel.SlideHand3(7);
        panel.SlideHand5(7);
        panel.GrowHand4();
        clock.Advance(21);
        if (panel.stripsX > 233) {
            EXPECT_EQ(panel.hand2Spread, 16);  // spreads only once the strips rest
        }
    }
    EXPECT_EQ(panel.stripsX, 233);
    EXPECT_EQ(panel.hand2Spread, 336);
    EXPECT_EQ(panel.hand3X, 0);
    EXPECT_EQ(panel.hand5Y, 536);
    EXPECT_EQ(panel.growPhase, 3);
    Clock::Install(nullptr);
}

TEST(NameEntryMotion, TheCursorBlinksEveryFourHundredMilliseconds) {
    ManualClock clock;
    Clock::Install(&clock);
    NameEntry panel;
    panel.BlinkCursor();  // arms
    panel.BlinkCursor();
    EXPECT_EQ(panel.blinkPhase, 0);
    clock.Advance(400);
    panel.BlinkCursor();
    EXPECT_EQ(panel.blinkPhase, 0);  // not more than 400 ms yet
    clock.Advance(1);
    panel.BlinkCursor();
    panel.BlinkCursor();
    EXPECT_EQ(panel.blinkPhase, 1);
    clock.Advance(401);
    panel.BlinkCursor();
    panel.BlinkCursor();
    EXPECT_EQ(panel.blinkPhase, 0);
    Clock::Install(nullptr);
}
