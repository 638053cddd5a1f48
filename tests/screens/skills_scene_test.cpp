// The Skills page driven through the real game: raises by mouse and keys
// reaching the record and the battle engine at once with the highest skill,
// answers that change nothing, refusals, the description opened from an
// arrow without points, a device loss with the question open, and what the
// page looks like.
#include <gtest/gtest.h>

#include <string>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "screens/skills_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

constexpr int kHardShields = 2, kHardArmor = 4, kNeutron = 9, kArmageddon = 11;

struct At {
    int32_t x, y;
};
At Arrow(int k) { return {160 + 200 * (k % 4), 130 + 200 * (k / 4)}; }
constexpr At kYes{320, 345};
constexpr At kNo{440, 345};
constexpr At kInfo{20, 20};

class SkillsGame : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    const BattleEngine& Engine() { return *driver.App().battleEngine; }
    SkillsScene& Scene() { return driver.SceneAs<SkillsScene>(SceneId::Skills); }
    const SkillsScreen& Screen() { return *Scene().Screen(); }

    // The record as a game might have it, then S from the home base.
    void Open(const char* points, const char* level, const char* levels = nullptr, const char* benefits = nullptr) {
        ASSERT_TRUE(driver.SetField("skillPoints", points));
        ASSERT_TRUE(driver.SetField("level", level));
        if (levels) {
            ASSERT_TRUE(driver.SetField("skillLevels", levels));
        }
        if (benefits) {
            ASSERT_TRUE(driver.SetField("skillBenefits", benefits));
        }
        driver.TapKey(key::kS);
        ASSERT_TRUE(App().IsCurrent(SceneId::Skills));
    }
    void ClickAt(At at) {
        PointAt(driver, at.x, at.y);
        Click(driver);
    }
    void AskToRaise(int k) {
        ASSERT_TRUE(App().IsCurrent(SceneId::Skills));
        ClickAt(Arrow(k));
        ASSERT_EQ(Screen().selection, SkillsScreen::kFirstArrow + k);
    }

    GameDriver driver;
};

// Hard Armor stands at 3: the first two raises of Hard Shields leave the
// highest skill alone, the third ties and takes it.
TEST_F(SkillsGame, ThreeRaisesByMouseYAndEnterSpendThreePointsInRecordAndEngineAtOnce) {
    ASSERT_TRUE(driver.SetField("highestSkill", "5"));
    Open("3", "5", "1 0*3 3 0*7");
    const uint8_t answers[] = {0, key::kY, key::kReturn};  // 0: the Yes button
    const uint8_t highest[] = {kHardArmor + 1, kHardArmor + 1, kHardShields + 1};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        AskToRaise(kHardShields);
        if (answers[i] == 0) {
            ClickAt(kYes);
        } else {
            driver.TapKey(answers[i]);
        }
        ASSERT_TRUE(App().IsCurrent(SceneId::Skills)) << "Y answers; it does not open Your Ship";
        EXPECT_EQ(Screen().selection, 0);
        EXPECT_EQ(State().skillPoints, 2u - i);
        EXPECT_EQ(State().skillLevels[kHardShields], 1u + i);
        EXPECT_EQ(State().skillBenefits[kHardShields], 10u * (i + 1));
        EXPECT_EQ(Engine().skillBenefits[kHardShields], 10 * (i + 1));
        EXPECT_EQ(State().highestSkill, highest[i]);
        EXPECT_EQ(Scene().Sounds().own, 1u + i) << "the raise sound";
    }
    for (int k = 0; k < kSkillCount; ++k) EXPECT_FALSE(Screen().ArrowShown(k)) << k;
    ClickAt(kInfo);
    EXPECT_EQ(Screen().infoOpen, 1);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "skills_no_points_info"));
}

// Every skill raised once at level 21, in order so that each explosion finds
// the one before it: the level, the benefit by the skill's own step in the
// record and the engine at once, a point each; Emergency Escape at 2 stays
// the highest skill.
TEST_F(SkillsGame, EachSkillRisesByItsOwnStepInRecordAndEngine) {
    const uint32_t steps[kSkillCount] = {1, 10, 10, 10, 10, 10, 10, 10, 10, 20, 30, 40};
    Open("12", "21");
    for (int k = 0; k < kSkillCount; ++k) {
        SCOPED_TRACE(k);
        const uint32_t level = State().skillLevels[k];
        const uint32_t benefit = State().skillBenefits[k];
        AskToRaise(k);
        ClickAt(kYes);
        EXPECT_EQ(State().skillPoints, 11u - k);
        EXPECT_EQ(State().skillLevels[k], level + 1);
        EXPECT_EQ(State().skillBenefits[k], benefit + steps[k]);
        EXPECT_EQ(Engine().skillBenefits[k], static_cast<int32_t>(benefit + steps[k]));
        if (k >= 8) {
            EXPECT_EQ(Engine().skillValues[k], benefit + steps[k]) << "the explosion's power";
        }
        EXPECT_EQ(State().highestSkill, 1);
    }
}

TEST_F(SkillsGame, ArmageddonStrikesWithEightyInTheEngineOnceRaised) {
    Open("1", "21", "1 0*9 1 0", "1 0*9 30 40");
    EXPECT_EQ(Engine().skillValues[kArmageddon], 40u);
    AskToRaise(kArmageddon);
    ClickAt(kYes);
    EXPECT_EQ(Engine().skillValues[kArmageddon], 80u) << "at once, not only on leaving";
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    // Leaving writes every explosion's benefit as its power, raised or not.
    EXPECT_EQ(State().skillBenefits[kArmageddon], 80u);
    EXPECT_EQ(State().skillLevels[kArmageddon], 1u);
    for (int k = 8; k < kSkillCount; ++k) {
        EXPECT_EQ(State().skillCharges[k], State().skillBenefits[k]) << k;
        EXPECT_EQ(Engine().skillValues[k], State().skillBenefits[k]) << k;
    }
}

// Leaving without a raise still gives the engine the explosions' power as
// the record holds it.
TEST_F(SkillsGame, LeavingWithoutARaiseStillWritesTheExplosionsPower) {
    Open("0", "21", "1 0*7 1*4", "1 0*7 50 60 70 80");
    EXPECT_NE(Engine().skillValues[kArmageddon], 80u) << "the engine still has the new game's";
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    for (int k = 8; k < kSkillCount; ++k) {
        const uint32_t power = 50u + 10 * (k - 8);
        EXPECT_EQ(Engine().skillValues[k], power) << k;
        EXPECT_EQ(Engine().skillBenefits[k], static_cast<int32_t>(power)) << k;
        EXPECT_EQ(State().skillCharges[k], power) << k;
    }
}

TEST_F(SkillsGame, NoEscAndAYesHeldWhileTheQuestionClosesChangeNothing) {
    Open("2", "5");
    const std::string before = driver.DumpState();
    AskToRaise(kHardShields);
    ClickAt(kNo);
    AskToRaise(kHardShields);
    driver.TapKey(key::kN);
    ASSERT_TRUE(App().IsCurrent(SceneId::Skills)) << "N answers; it does not open Notes";
    AskToRaise(kHardShields);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::Skills)) << "Esc closes the question first";
    // Yes pressed with the right button and the question closed while it is
    // held: the next question still waits for its own answer.
    AskToRaise(kHardShields);
    PointAt(driver, kYes.x, kYes.y);
    driver.PressButton(1);
    driver.RunFrames(1);
    driver.TapKey(key::kEscape);
    driver.ReleaseButton(1);
    driver.RunFrames(2);
    AskToRaise(kHardShields);
    driver.RunFrames(3);
    ASSERT_TRUE(App().IsCurrent(SceneId::Skills)) << "the held Yes neither answered nor left the page";
    EXPECT_EQ(Screen().selection, SkillsScreen::kFirstArrow + kHardShields);
    EXPECT_EQ(driver.DumpState(), before);
    EXPECT_EQ(Scene().Sounds().own, 0u);
}

TEST_F(SkillsGame, NeutronIsRefusedForWhatIsMissingWhileThePressIsHeld) {
    struct Case {
        const char* level;
        bool arrow;
        const char* levelLine;
        const char* shot;
    };
    const Case cases[] = {{"7", true, "", "skills_refusal_electron"},
                          {"6", false, "You need to be at level 7 or higher.", "skills_refusal_both"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        Open("2", c.level);
        EXPECT_EQ(Screen().ArrowShown(kNeutron), c.arrow);
        PointAt(driver, Arrow(kNeutron).x, Arrow(kNeutron).y);
        driver.PressButton(0);
        driver.RunFrames(2);
        char lines[SkillsScreen::kRefusalLines][SkillsScreen::kRefusalLineSize];
        Screen().RefusalLines(lines);
        EXPECT_STREQ(lines[0], "Can't raise the Neutron Explosion skill.");
        EXPECT_STREQ(lines[1], c.levelLine);
        EXPECT_STREQ(lines[2], "You need the Electron Explosion first.");
        EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", c.shot));
        driver.ReleaseButton(0);
        driver.RunFrames(2);
        EXPECT_EQ(Screen().refusal, 0);
        EXPECT_EQ(Screen().selection, 0);
        EXPECT_EQ(State().skillPoints, 2u);
        driver.TapKey(key::kEscape);
    }
}

TEST_F(SkillsGame, WithoutPointsAnArrowOpensTheDescription) {
    Open("0", "21", "1 0*10 1", "1 0*10 80");
    ClickAt(Arrow(kArmageddon));
    EXPECT_EQ(Screen().selection, SkillsScreen::kFirstCell + kArmageddon);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "skills_description"));
    driver.TapKey(key::kReturn);
    EXPECT_EQ(Screen().selection, 0);
    EXPECT_EQ(State().skillLevels[kArmageddon], 1u);
}

// The question stays open through a device loss, and Yes pressed while the
// device is lost answers it once the device is back.
TEST_F(SkillsGame, TheQuestionSurvivesADeviceLossAndAPressMadeMeanwhileAnswersIt) {
    Open("1", "5");
    AskToRaise(kHardShields);
    PointAt(driver, kYes.x, kYes.y);
    const uint32_t loadings = App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(2);
    driver.PressButton(0);
    driver.RunFrames(2);
    EXPECT_EQ(State().skillPoints, 1u);
    driver.RestoreDevice();
    driver.RunFrames(1);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    EXPECT_EQ(Scene().ScreensMade(), 1u);
    EXPECT_EQ(State().skillLevels[kHardShields], 1u);
    EXPECT_EQ(State().skillPoints, 0u);
}

}  // namespace
