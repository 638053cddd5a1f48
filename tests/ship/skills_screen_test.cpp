#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "quest_skill_test_support.h"
#include "ship/skills_screen.h"

namespace quest_skill_test {
namespace {

At Arrow(int k) { return {160 + 200 * (k % 4), 130 + 200 * (k / 4)}; }
At Cell(int k) { return {100 + 200 * (k % 4), 70 + 200 * (k / 4)}; }
constexpr At kYes{320, 345};
constexpr At kNo{440, 345};
constexpr At kExit{380, 450};
constexpr At kInfo{20, 20};

constexpr int kHardShields = 2, kExtraArmor = 5, kElectron = 8, kNeutron = 9;

// A new game's skill levels: Emergency Escape at 1.
std::array<int32_t, kSkillCount> NewGameLevels() { return {1}; }

// A visit to the Skills screen, driven as the Skills scene drives it: input,
// the answer, the animation and the click resolution (which runs whether or
// not the frame is drawn).
class SkillsVisit {
public:
    SkillsVisit(ManualClock& clock, int32_t level, uint32_t points,
                std::array<int32_t, kSkillCount> levels = NewGameLevels())
        : clock_(clock) {
        screen.level = level;
        screen.skillPoints = points;
        std::copy(levels.begin(), levels.end(), screen.levels);
        screen.highestSkill = 1;
        screen.FormatInfoTexts();
    }
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        screen.HitTest(at.x, at.y);
        screen.OnClick(at.x, at.y, device);
        screen.ArmWhenButtonsUp(device);
        const int k = screen.SettleAnswer(device);
        if (k >= 0) raised.push_back(k);
        screen.Animate();
        screen.ResolveClick();
        clock_.Advance(16);
    }
    void Click(At at, int button = 0) { ClickThrough(*this, mouse, at, button); }

    Mouse mouse;
    SkillsScreen screen;
    std::vector<int> raised;

private:
    ManualClock& clock_;
};

class SkillsScreenTest : public ::testing::Test {
protected:
    ManualTime time;
};

TEST_F(SkillsScreenTest, ThreeRaisesSpendThreePointsAndFlashTheCell) {
    SkillsVisit visit(time.clock, 5, 3);
    SkillsScreen& screen = visit.screen;
    for (int i = 0; i < 3; ++i) {
        visit.Click(Arrow(kHardShields));
        ASSERT_EQ(screen.selection, SkillsScreen::kFirstArrow + kHardShields);
        visit.Click(kYes);
        EXPECT_EQ(screen.selection, 0);
    }
    EXPECT_EQ(visit.raised, (std::vector<int>{kHardShields, kHardShields, kHardShields}));
    EXPECT_EQ(screen.levels[kHardShields], 3);
    EXPECT_EQ(screen.benefits[kHardShields], 3 * Skill(kHardShields).raiseAmount);
    EXPECT_EQ(screen.skillPoints, 0u);
    EXPECT_EQ(screen.raiseSoundRequest, 1);
    for (int k = 0; k < kSkillCount; ++k) EXPECT_FALSE(screen.ArrowShown(k)) << k;
    // The flash rises to its peak, then fades out by itself without rising again.
    int peak = 0, last = 0;
    bool fading = false;
    for (int frame = 0; frame < 1000 && screen.cellFlash[kHardShields] != 0; ++frame) {
        visit.Frame({0, 0});
        const int now = screen.cellFlash[kHardShields];
        if (now < last) fading = true;
        if (fading) {
            EXPECT_LE(now, last) << "frame " << frame;
        }
        peak = std::max(peak, now);
        last = now;
    }
    EXPECT_GE(peak, 175);
    EXPECT_LE(peak, 190);
    EXPECT_EQ(screen.cellFlash[kHardShields], 0);
    // With no points left an arrow position only opens the description.
    visit.Click(Arrow(kHardShields));
    EXPECT_EQ(screen.selection, SkillsScreen::kFirstCell + kHardShields);
}

// A held Yes answers on its release, once, however long it is held.
TEST_F(SkillsScreenTest, AHeldYesRaisesOnceOnItsRelease) {
    SkillsVisit visit(time.clock, 5, 3);
    SkillsScreen& screen = visit.screen;
    visit.Click(Arrow(kHardShields));
    ASSERT_EQ(screen.selection, SkillsScreen::kFirstArrow + kHardShields);
    visit.Frame(kYes);
    visit.mouse.Press();
    for (int frame = 0; frame < 5; ++frame) visit.Frame(kYes);
    EXPECT_TRUE(visit.raised.empty()) << "nothing while the button is down";
    EXPECT_EQ(screen.skillPoints, 3u);
    visit.mouse.Release();
    for (int frame = 0; frame < 3; ++frame) visit.Frame(kYes);
    EXPECT_EQ(visit.raised, (std::vector<int>{kHardShields}));
    EXPECT_EQ(screen.skillPoints, 2u);
    EXPECT_EQ(screen.selection, 0);
}

TEST_F(SkillsScreenTest, HighestSkillGoesToARaiseThatReachesEveryOtherLevel) {
    struct Case {
        int32_t before;  // Extra Armor's level; Hard Armor stands at 3
        uint8_t highest;
    };
    const Case cases[] = {{1, 5}, {2, kExtraArmor + 1}, {3, kExtraArmor + 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SkillsVisit visit(time.clock, 20, 1, {1, 0, 0, 0, 3, c.before});
        visit.screen.highestSkill = 5;
        visit.Click(Arrow(kExtraArmor));
        visit.Click(kYes);
        EXPECT_EQ(visit.screen.levels[kExtraArmor], c.before + 1);
        EXPECT_EQ(visit.screen.highestSkill, c.highest);
    }
}

TEST_F(SkillsScreenTest, NoOrYesOverADescriptionChangesNothing) {
    SkillsVisit visit(time.clock, 5, 2);
    SkillsScreen& screen = visit.screen;
    visit.Click(Arrow(kHardShields));
    visit.Click(kNo);
    EXPECT_EQ(screen.selection, 0);
    visit.Click(Cell(kHardShields));
    EXPECT_EQ(screen.selection, SkillsScreen::kFirstCell + kHardShields);
    visit.Click(kYes);
    EXPECT_EQ(screen.selection, 0) << "Yes only closes a description";
    EXPECT_TRUE(visit.raised.empty());
    EXPECT_EQ(screen.skillPoints, 2u);
    EXPECT_EQ(screen.levels[kHardShields], 0);
    EXPECT_EQ(screen.benefits[kHardShields], 0);
    EXPECT_EQ(screen.raiseSoundRequest, 0);
}

TEST_F(SkillsScreenTest, RefusalsNameWhatIsMissingWhileThePressIsHeld) {
    struct Case {
        int k;
        int32_t shipLevel;
        int32_t prerequisiteLevel;
        bool arrow;
        bool levelLine, prerequisiteLine;  // false, false: the dialog opens
    };
    const Case cases[] = {
        {kNeutron, 7, 0, true, false, true},   {kNeutron, 6, 0, false, true, true},
        {kNeutron, 7, 1, true, false, false},  {kNeutron, 6, 1, false, true, false},
        {1, 0, 0, false, true, false},         {0, 0, 0, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "skill " << c.k << " at level " << c.shipLevel);
        std::array<int32_t, kSkillCount> levels = NewGameLevels();
        levels[kElectron] = c.prerequisiteLevel;
        SkillsVisit visit(time.clock, c.shipLevel, 4, levels);
        SkillsScreen& screen = visit.screen;
        EXPECT_EQ(screen.ArrowShown(c.k), c.arrow);
        visit.Frame(Arrow(c.k));
        visit.mouse.Press();
        visit.Frame(Arrow(c.k));
        char lines[SkillsScreen::kRefusalLines][SkillsScreen::kRefusalLineSize];
        const int shown = screen.RefusalLines(lines);
        const bool refused = c.levelLine || c.prerequisiteLine;
        EXPECT_EQ(shown, refused ? 1 + c.levelLine + c.prerequisiteLine : 0);
        EXPECT_EQ(lines[1][0] != '\0', c.levelLine);
        EXPECT_EQ(lines[2][0] != '\0', c.prerequisiteLine);
        if (c.levelLine) {
            EXPECT_NE(std::string(lines[1]).find(std::to_string(Skill(c.k).levelNeeded)), std::string::npos);
        }
        if (c.prerequisiteLine) {
            EXPECT_NE(std::string(lines[2]).find(Skill(kElectron).title), std::string::npos);
        }
        EXPECT_EQ(screen.selection, refused ? 0 : SkillsScreen::kFirstArrow + c.k);
        visit.mouse.Release();
        visit.Frame(Arrow(c.k));
        EXPECT_EQ(screen.refusal, 0) << "the box goes with the press";
        EXPECT_EQ(screen.skillPoints, 4u);
    }
}

// Each skill's arrow comes at the ship level it needs; below it the press is
// refused with the level line. The last three explosions also need the one
// before them, whatever the ship's level.
TEST_F(SkillsScreenTest, EachSkillNeedsItsLevelAndTheLastThreeTheExplosionBefore) {
    const int32_t needs[kSkillCount] = {0, 1, 5, 14, 3, 4, 10, 10, 1, 7, 13, 21};
    std::array<int32_t, kSkillCount> allKnown;
    allKnown.fill(1);
    auto refusal = [&](int k, int32_t shipLevel, const std::array<int32_t, kSkillCount>& levels) {
        SkillsVisit visit(time.clock, shipLevel, 1, levels);
        visit.Frame(Arrow(k));
        visit.mouse.Press();
        visit.Frame(Arrow(k));
        char lines[SkillsScreen::kRefusalLines][SkillsScreen::kRefusalLineSize];
        visit.screen.RefusalLines(lines);
        const bool opened = visit.screen.selection == SkillsScreen::kFirstArrow + k;
        visit.mouse.Release();
        visit.Frame(Arrow(k));
        return opened ? std::string("opened") : std::string(lines[1]) + "|" + lines[2];
    };
    for (int k = 0; k < kSkillCount; ++k) {
        SCOPED_TRACE(k);
        SkillsVisit at(time.clock, needs[k], 1, allKnown);
        EXPECT_TRUE(at.screen.ArrowShown(k));
        EXPECT_EQ(refusal(k, needs[k], allKnown), "opened");
        if (needs[k] == 0) continue;
        SkillsVisit below(time.clock, needs[k] - 1, 1, allKnown);
        EXPECT_FALSE(below.screen.ArrowShown(k));
        EXPECT_EQ(refusal(k, needs[k] - 1, allKnown),
                  "You need to be at level " + std::to_string(needs[k]) + " or higher.|");
    }
    const char* before[] = {"Electron Explosion", "Neutron Explosion", "Proton Explosion"};
    for (int k = kNeutron; k < kSkillCount; ++k) {
        SCOPED_TRACE(k);
        std::array<int32_t, kSkillCount> levels = allKnown;
        levels[k - 1] = 0;
        EXPECT_EQ(refusal(k, 30, levels), std::string("|You need the ") + before[k - kNeutron] + " first.");
    }
}

TEST_F(SkillsScreenTest, ArrowsWinOverCellsAndAClosingPressMustBeLetGo) {
    SkillsVisit visit(time.clock, 10, 1);
    SkillsScreen& screen = visit.screen;
    visit.Frame({0, 0});
    const struct {
        At at;
        uint8_t code;
    } hovers[] = {
        {Arrow(kExtraArmor), SkillsScreen::kFirstArrow + kExtraArmor},
        {{Arrow(kExtraArmor).x - 11, Arrow(kExtraArmor).y}, SkillsScreen::kFirstCell + kExtraArmor},
        {kInfo, SkillsScreen::kInfoButton},
        {{-150, 700}, SkillsScreen::kFirstCell + 8},  // the border cells reach off screen
    };
    for (const auto& h : hovers) {
        screen.HitTest(h.at.x, h.at.y);
        EXPECT_EQ(screen.hoverCode, h.code) << h.at.x << "," << h.at.y;
    }
    // Open a description, hide it with a right press, close it with Exit;
    // the Exit press held on does not open the cell beneath it.
    visit.Click(Cell(kExtraArmor));
    EXPECT_EQ(screen.selection, SkillsScreen::kFirstCell + kExtraArmor);
    visit.Click(Cell(kExtraArmor), 1);
    EXPECT_EQ(screen.selection, SkillsScreen::kFirstCell + kExtraArmor);
    EXPECT_EQ(screen.leftPressed, 0) << "hidden, not closed";
    visit.Frame(kExit);
    visit.mouse.Press();
    for (int frame = 0; frame < 5; ++frame) visit.Frame(kExit);
    EXPECT_EQ(screen.selection, 0);
    visit.mouse.Release();
    visit.Frame(kExit);
    EXPECT_EQ(screen.selection, 0);
    // The Info panel: arrows are ignored while it is open.
    visit.Click(kInfo);
    EXPECT_EQ(screen.infoOpen, 1);
    visit.Click(Arrow(kExtraArmor));
    EXPECT_EQ(screen.selection, 0);
    visit.Click(kExit);
    EXPECT_EQ(screen.infoOpen, 0);
}

class SkillsScreenArt : public ScreenCanvas {
protected:
    Image Draw(SkillsScreen& screen) {
        graphics_.Clear(0xFF000000u, 1.0f);
        graphics_.BeginScene();
        screen.Draw(art_.menuSheet);
        graphics_.EndScene();
        return Shot();
    }
    ManualTime time;
};

TEST_F(SkillsScreenArt, RaiseDialogOverTheGridWithAFlashingCell) {
    ASSERT_TRUE(HasArt()) << "no stand-in art";
    SkillsVisit visit(time.clock, 14, 2, {1, 3, 0, 0, 12, 0, 0, 0, 1, 0, 0, 0});
    visit.screen.LoadArt(&graphics_);
    visit.Click(Arrow(kElectron));
    visit.Click(kYes);
    for (int frame = 0; frame < 20; ++frame) visit.Frame({0, 0});
    visit.Click(Arrow(kHardShields));
    visit.Frame(kYes);
    EXPECT_TRUE(MatchesReference(Draw(visit.screen), "skills_raise_dialog"));
}

TEST_F(SkillsScreenArt, RefusalBoxWhileThePressIsHeld) {
    ASSERT_TRUE(HasArt()) << "no stand-in art";
    SkillsVisit visit(time.clock, 6, 1);
    visit.screen.LoadArt(&graphics_);
    visit.Frame(Arrow(kNeutron));
    visit.mouse.Press();
    visit.Frame(Arrow(kNeutron));
    EXPECT_TRUE(MatchesReference(Draw(visit.screen), "skills_refusal"));
}

}  // namespace
}  // namespace quest_skill_test
