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
constexpr uint8_t kSpace = NameEntry::kSpaceCode;
constexpr uint8_t kStop = NameEntry::kFullStopCode;
constexpr uint8_t kDelete = NameEntry::kDeleteCode;

// One key per frame, as the scene clears the change flag each frame.
void Type(NameEntry& panel, std::initializer_list<uint8_t> codes, int times = 1) {
    for (int i = 0; i < times; ++i) {
        for (uint8_t code : codes) {
            panel.AddLetter(code);
            panel.letterTaken = 0;
        }
    }
}

std::vector<uint8_t> Cells(const NameEntry& panel) { return {panel.nameCells, panel.nameCells + NameEntry::kCells}; }

std::vector<uint8_t> Name(std::initializer_list<uint8_t> glyphs) {
    std::vector<uint8_t> cells(glyphs);
    cells.push_back(NameEntry::kEndMarker);
    cells.resize(NameEntry::kCells, 0);
    return cells;
}

}  // namespace

TEST(NameEntryLetters, CapitalsTakeTwoCellsExceptIAndJAndDeleteRemovesAWholeGlyph) {
    NameEntry panel;
    Type(panel, {kCapitalA, kCapitalI, kCapitalJ, kCapitalK, kCapitalZ, kSmallA, kSpace, kStop});
    EXPECT_EQ(Cells(panel), Name({28, 29, 44, 45, 46, 47, 76, 77, 2, 0, 78}));
    Type(panel, {kDelete}, 5);
    EXPECT_EQ(Cells(panel), Name({28, 29, 44, 45})) << "one cell each for . space a, two for Z and K";
    Type(panel, {kDelete});
    EXPECT_EQ(Cells(panel), Name({28, 29, 44})) << "one cell for J";
    Type(panel, {kDelete});
    EXPECT_EQ(Cells(panel), Name({28, 29})) << "one cell for I";
    Type(panel, {kDelete});
    EXPECT_EQ(Cells(panel), Name({}));
    Type(panel, {kDelete});
    EXPECT_EQ(Cells(panel), Name({})) << "a delete on the empty name does nothing";
    EXPECT_EQ(panel.letterTaken, 0) << "and does not use up the frame";
}

// Twenty cells at most: the last one free takes only a small letter or a space.
TEST(NameEntryLetters, TheNameHoldsTwentyCells) {
    struct Case {
        uint8_t fill;
        int fillTimes;
        uint8_t last;
        int markerAfter;
    };
    const Case cases[] = {
        {kSmallA, 20, kSmallA, 20}, {kCapitalA, 10, kCapitalA, 20}, {kCapitalA, 9, kSmallA, 19},
        {kSmallA, 19, kCapitalI, 19}, {kSmallA, 19, kCapitalJ, 19},  {kSmallA, 19, kStop, 19},
        {kSmallA, 19, kCapitalA, 19}, {kSmallA, 19, kSmallA, 20},    {kSmallA, 19, kSpace, 20},
    };
    for (const Case& c : cases) {
        NameEntry panel;
        Type(panel, {c.fill}, c.fillTimes);
        Type(panel, {c.last});
        EXPECT_EQ(panel.MarkerIndex(), c.markerAfter) << int(c.fill) << " x" << c.fillTimes << " then " << int(c.last);
    }
}

TEST(NameEntryLetters, OneChangePerFrameAndUnhandledCodesChangeNothing) {
    NameEntry panel;
    panel.AddLetter(kSmallA);
    panel.AddLetter(kSmallA + 1);
    panel.AddLetter(kDelete);
    EXPECT_EQ(Cells(panel), Name({kSmallA}));

    // Clear uses the frame's change: a letter of that frame is lost, and a
    // letter first keeps Clear from happening.
    panel.letterTaken = 0;
    panel.Clear();
    panel.AddLetter(kSmallA + 2);
    EXPECT_EQ(Cells(panel), Name({}));
    panel.letterTaken = 0;
    panel.AddLetter(kSmallA + 2);
    panel.Clear();
    EXPECT_EQ(Cells(panel), Name({kSmallA + 2}));

    NameEntry other;
    for (uint8_t code : {1, 66, 200}) EXPECT_EQ(other.AddLetter(code), code);
    EXPECT_EQ(other.letterTaken, 0);
    EXPECT_EQ(other.AddLetter(55), 1);
    EXPECT_EQ(Cells(other), Name({80, 81})) << "the further pairs of cells";
}

TEST(NameEntryMotion, TheCursorBlinksEveryFourHundredMilliseconds) {
    ManualClock clock;
    Clock::Install(&clock);
    NameEntry panel;
    panel.BlinkCursor();  // arms
    const struct {
        uint32_t advance;
        uint8_t phase;
    } steps[] = {{0, 0}, {400, 0}, {1, 1}, {400, 1}, {1, 0}};
    for (const auto& step : steps) {
        clock.Advance(step.advance);
        panel.BlinkCursor();
        panel.BlinkCursor();
        EXPECT_EQ(panel.blinkPhase, step.phase) << "after " << step.advance;
    }
    Clock::Install(nullptr);
}
