// The second region's quests: each check row's edges, the failure notices,
// the convoy, the completion with its gifts and bonuses, and the victory.
#include <gtest/gtest.h>

#include <cstring>

#include "areas/area_session.h"
#include "areas/invasions_quests.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
class InvasionsQuestTest : public RegionTest {
protected:
    void SetUp() override {
        regionScene_ = SceneId::Invasions;
        RegionTest::SetUp();
        ASSERT_TRUE(driver_.SetField("questSet", "2"));
    }
    // In the quest's area with quest q of the set active and the area's
    // battle as the check will find it: no enemy, no ally.
    void Prepare(int area, int q) {
        EnterArea(area, 200, -600);
        BattleEngine& engine = Engine();
        for (int e = 0; e < EnemyTable::kSlots; ++e) engine.enemy.active[e] = 0;
        for (int a = 0; a < AllyTable::kSlots; ++a) engine.ally.active[a] = 0;
        for (uint8_t& s : State().questStates) s = 0;
        State().questStates[q - 1] = 1;
        engine.QuestDoneEvent = 0;
    }
    // One check at T seconds in the area; the quest it reports done.
    uint8_t Check(uint32_t seconds) {
        Area().secondsInArea = seconds;
        Engine().QuestDoneEvent = 0;
        Panel().questFailed = 0;
        App().sceneFrame = SceneId::Invasions;
        CheckInvasionsQuests(App(), Region());
        return Engine().QuestDoneEvent;
    }
};

struct TimedRow {
    int area, q;
    uint32_t seconds;
};
// Quests 13, 15 and 18 to 23: more than so many seconds and no enemy alive.
constexpr TimedRow kTimed[] = {{2, 1, 4},   {7, 3, 13},  {13, 6, 30},  {14, 7, 8},
                               {16, 8, 3},  {17, 9, 7},  {18, 10, 31}, {19, 11, 6}};

TEST_F(InvasionsQuestTest, TimedQuestsFinishOnlyAfterTheirSecondsWithNoEnemyLeft) {
    for (const TimedRow& row : kTimed) {
        SCOPED_TRACE(row.area);
        Prepare(row.area, row.q);
        EXPECT_EQ(Check(row.seconds), 0) << "the time must be strictly greater";
        EXPECT_EQ(State().questStates[row.q], 0);
        Engine().enemy.active[99] = 1;
        EXPECT_EQ(Check(row.seconds + 1), 0) << "an enemy is left";
        Engine().enemy.active[99] = 0;
        EXPECT_EQ(Check(0xFFFFFFFFu), row.q) << "the seconds are unsigned";
        EXPECT_EQ(Check(row.seconds + 1), row.q);
        EXPECT_EQ(State().questStates[row.q], 1) << "the check gives the next quest";
        EXPECT_EQ(Panel().questFailed, 0);
        Prepare(row.area == 2 ? 3 : 2, row.q);
        EXPECT_EQ(Check(row.seconds + 1), 0) << "only in the quest's own area";
    }
}

TEST_F(InvasionsQuestTest, VexmoorsQuestEndsTheGameAfterFortySixSecondsWithNoEnemyLeft) {
    Prepare(20, 12);
    State().musicCue = 0;
    EXPECT_EQ(Check(46), 0);
    EXPECT_EQ(App().sceneFrame, SceneId::Invasions);
    Engine().enemy.active[40] = 1;
    EXPECT_EQ(Check(47), 0);
    Engine().enemy.active[40] = 0;
    App().leaveScene = 0;
    EXPECT_EQ(Check(47), 12) << "the done handler pays it in this frame";
    EXPECT_EQ(App().sceneFrame, SceneId::WriteHallOfFame);
    EXPECT_EQ(App().leaveScene, 1);
    EXPECT_EQ(State().musicCue, 1);
    EXPECT_EQ(Region().victory, 1);
}

TEST_F(InvasionsQuestTest, TheColonyNeedsOneOfAllies30To41AfterSixtyFiveSeconds) {
    Prepare(5, 2);
    BattleEngine& engine = Engine();
    for (int ally : {29, 42}) {
        engine.ally.active[ally] = 1;
        EXPECT_EQ(Check(66), 0) << "ally " << ally << " does not count";
        EXPECT_EQ(Panel().questFailed, 2) << "and the notice shows";
        engine.ally.active[ally] = 0;
    }
    for (int ally : {30, 41}) {
        engine.ally.active[ally] = 1;
        EXPECT_EQ(Check(65), 0);
        EXPECT_EQ(Check(66), 2) << "ally " << ally;
        engine.enemy.active[0] = 1;
        EXPECT_EQ(Check(66), 0) << "an enemy is left";
        engine.enemy.active[0] = 0;
        engine.ally.active[ally] = 0;
    }
    EXPECT_EQ(Check(65), 0);
    EXPECT_EQ(Panel().questFailed, 0) << "no notice before 66 seconds";
    EXPECT_EQ(Check(66), 0);
    EXPECT_EQ(Panel().questFailed, 2);
    EXPECT_EQ(State().questStates[1], 1) << "a failed quest stays active";
}

TEST_F(InvasionsQuestTest, TheStationNeedsAlly30AndItsLossShowsAtAnyTime) {
    Prepare(12, 5);
    BattleEngine& engine = Engine();
    engine.ally.active[31] = 1;
    EXPECT_EQ(Check(0), 0);
    EXPECT_EQ(Panel().questFailed, 2) << "ally 30 lost shows at once";
    EXPECT_EQ(Check(100), 0);
    EXPECT_EQ(Panel().questFailed, 2);
    engine.ally.active[30] = 1;
    EXPECT_EQ(Check(65), 0);
    EXPECT_EQ(Panel().questFailed, 0);
    EXPECT_EQ(Check(66), 5);
    EXPECT_EQ(State().questStates[5], 1);
}

TEST_F(InvasionsQuestTest, TheConvoyFinishesPastItsLineWithAnyShipLeftAndIsGuardedEarlier) {
    Prepare(8, 4);
    BattleEngine& engine = Engine();
    engine.enemy.active[5] = 1;  // enemies do not matter here
    for (int a = 30; a <= 32; ++a) engine.ally.armor[a] = 77;
    engine.ally.active[31] = 1;
    engine.ally.y[32] = -9300;
    EXPECT_EQ(Check(0), 0);
    EXPECT_EQ(engine.ally.armor[31], 77u) << "not guarded at -9300";
    engine.ally.y[32] = -9301;
    EXPECT_EQ(Check(0), 0);
    EXPECT_EQ(engine.ally.armor[31], 500u) << "guarded beyond -9300";
    EXPECT_EQ(engine.ally.armor[30], 77u) << "a lost ship keeps its armor";
    engine.ally.y[32] = -9900;
    EXPECT_EQ(Check(0), 0) << "the line is -9900, strictly";
    engine.ally.y[32] = -9901;
    EXPECT_EQ(Check(0), 4);
    EXPECT_EQ(State().questStates[4], 1);
    engine.ally.active[31] = 0;
    engine.ally.active[33] = 1;
    EXPECT_EQ(Check(0), 0) << "ally 33 is not in the convoy";
    EXPECT_EQ(Panel().questFailed, 2) << "the convoy lost shows";
}

TEST_F(InvasionsQuestTest, ACompletionPaysTwoHundredOfEachAndTheGiftSkillWithTenTimesEachBonus) {
    struct Bonus {
        const char* field;
        uint32_t rate;
    };
    Prepare(18, 10);  // quest 22: Armageddon Attack, step 40
    GameState& state = State();
    const uint32_t before[6] = {state.resources[0], state.resources[1], state.resources[2],
                                state.resources[3], state.resources[4], state.resources[5]};
    const uint32_t experience = state.experience;
    const uint32_t level = state.skillLevels[11];
    const uint32_t charges = state.skillCharges[11];
    const uint32_t engineCharges = Engine().skillValues[11];
    state.bonusBlock.goldBonus = 1;
    state.bonusBlock.crystalBonus = 2;
    state.bonusBlock.reservedBonus = 3;
    state.bonusBlock.favorsBonus = 4;
    state.bonusBlock.shipMaterialBonus = 5;
    state.bonusBlock.robotMaterialBonus = 6;
    state.bonusBlock.buildingMaterialBonus = 7;
    state.questJingle = 0;
    Engine().QuestDoneEvent = 10;
    CompleteInvasionsQuest(App(), Region());

    const ControlPanel& panel = Panel();
    // The panel's order: gold, crystal, favors, ship, robot, building material.
    const uint32_t gifts[6] = {210, 220, 240, 250, 260, 270};
    const int resourceOf[6] = {GameState::kGold,         GameState::kCrystal,       GameState::kFavors,
                               GameState::kShipMaterial, GameState::kRobotMaterial, GameState::kBuildingMaterial};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(panel.giftResources[k], gifts[k]) << k;
        EXPECT_EQ(state.resources[resourceOf[k]], before[resourceOf[k]] + gifts[k]) << k;
    }
    EXPECT_EQ(panel.giftExperience, 3030u);
    EXPECT_EQ(state.experience, experience + 3030u);
    EXPECT_STREQ(panel.giftTexts[0], "210");
    EXPECT_STREQ(panel.giftTexts[6], "3030");
    EXPECT_EQ(panel.giftSkill, 12);
    EXPECT_EQ(state.skillLevels[11], level + 1);
    EXPECT_EQ(state.skillCharges[11], charges + 40);
    EXPECT_EQ(Engine().skillValues[11], engineCharges + 40);
    EXPECT_EQ(state.questStates[9], 2);
    EXPECT_EQ(state.questJingle, 1);
    EXPECT_EQ(panel.questGifts, 1);
    EXPECT_EQ(panel.giftQuest, 10u);
    EXPECT_EQ(state.questUpdated[9], 1);
    EXPECT_EQ(Engine().QuestDoneEvent, 0);
}

TEST_F(InvasionsQuestTest, WithNoBonusesAQuestPaysExactlyItsGiftsAndGivesTheNextOnlyUpToTheFifth) {
    struct Row {
        int q;
        uint8_t giftSkill;
        uint32_t step;
        bool givesNext;
    };
    for (Row row : {Row{1, 4, 10, true}, Row{4, 4, 10, true}, Row{5, 8, 10, false}, Row{9, 11, 30, false}}) {
        SCOPED_TRACE(row.q);
        Prepare(2, row.q);
        GameState& state = State();
        state.bonusBlock = {};
        const uint32_t gold = state.resources[GameState::kGold];
        const uint32_t experience = state.experience;
        const uint32_t charges = state.skillCharges[row.giftSkill - 1];
        Engine().QuestDoneEvent = static_cast<uint8_t>(row.q);
        CompleteInvasionsQuest(App(), Region());
        EXPECT_EQ(state.resources[GameState::kGold], gold + 200);
        EXPECT_EQ(state.experience, experience + 3000);
        EXPECT_EQ(Panel().giftSkill, row.giftSkill);
        EXPECT_EQ(state.skillCharges[row.giftSkill - 1], charges + row.step);
        EXPECT_EQ(state.questStates[row.q], row.givesNext ? 1 : 0);
    }
}

TEST_F(InvasionsQuestTest, ADoneEventForAQuestNotActiveChangesNothing) {
    for (uint8_t stateOfQuest : {0, 2}) {
        Prepare(2, 3);
        GameState& state = State();
        state.questStates[2] = stateOfQuest;
        const uint32_t gold = state.resources[GameState::kGold];
        Panel().questGifts = 0;
        state.questJingle = 0;
        Engine().QuestDoneEvent = 3;
        CompleteInvasionsQuest(App(), Region());
        EXPECT_EQ(Engine().QuestDoneEvent, 0) << "dropped";
        EXPECT_EQ(state.resources[GameState::kGold], gold);
        EXPECT_EQ(state.questStates[2], stateOfQuest);
        EXPECT_EQ(state.questStates[3], 0);
        EXPECT_EQ(Panel().questGifts, 0);
        EXPECT_EQ(state.questJingle, 0);
    }
}
}  // namespace

namespace {
// What each quest of the set gives, paid by the done handler of a real
// frame: one level of its gift skill and that skill's step in charges and
// benefit, in the record and the engine alike.
TEST_F(InvasionsQuestTest, EachQuestGivesItsSkillByThatSkillsStep) {
    struct Gift {
        int q;
        int skill;
        uint32_t step;
    };
    constexpr Gift kGifts[] = {
        {1, kSkillShieldsRecharge, 10},   {2, kSkillHardShields, 10},      {3, kSkillHardArmor, 10},
        {4, kSkillShieldsRecharge, 10},   {5, kSkillRobotProtection, 10},  {6, kSkillShieldsRecharge, 10},
        {7, kSkillNeutronExplosion, 20},  {8, kSkillExtraArmor, 10},       {9, kSkillProtonExplosion, 30},
        {10, kSkillArmageddon, 40},       {11, kSkillArmageddon, 40},      {12, kSkillArmageddon, 40},
    };
    for (const Gift& gift : kGifts) {
        SCOPED_TRACE(gift.q + 12);
        Prepare(3, gift.q);
        GameState& state = State();
        BattleEngine& engine = Engine();
        const int k = gift.skill;
        const uint32_t level = state.skillLevels[k], charges = state.skillCharges[k], benefit = state.skillBenefits[k];
        const int32_t engineCharges = engine.skillValues[k], engineBenefit = engine.skillBenefits[k];
        engine.QuestDoneEvent = static_cast<uint8_t>(gift.q);
        RunFrames(1);
        ASSERT_EQ(state.questStates[gift.q - 1], 2);
        EXPECT_EQ(Panel().giftSkill, k + 1);
        EXPECT_EQ(state.skillLevels[k], level + 1);
        EXPECT_EQ(state.skillCharges[k], charges + gift.step);
        EXPECT_EQ(state.skillBenefits[k], benefit + gift.step);
        EXPECT_EQ(engine.skillValues[k], engineCharges + static_cast<int32_t>(gift.step));
        EXPECT_EQ(engine.skillBenefits[k], engineBenefit + static_cast<int32_t>(gift.step));
    }
}

// Every frame the drop roll goes up by one and the kind roll by ten, each
// starting over at 1 once it would pass the engine's limit of 120.
TEST_F(InvasionsQuestTest, TheDropRollsStepEveryFrameAndStartOverPastTheirLimit) {
    EnterArea(3, 180, -650);
    const BattleEngine& engine = Engine();
    ASSERT_EQ(engine.rollLimit, 120);
    int kindWraps = 0;
    for (int frame = 0; frame < 150; ++frame) {
        const uint32_t roll = engine.dropRoll;
        const uint32_t kind = engine.dropKindRoll;
        RunFrames(1);
        EXPECT_EQ(engine.dropRoll, roll + 1 > 120 ? 1u : roll + 1) << "after " << roll;
        EXPECT_EQ(engine.dropKindRoll, kind + 10 > 120 ? 1u : kind + 10) << "after " << kind;
        kindWraps += engine.dropKindRoll == 1;
    }
    EXPECT_GE(kindWraps, 12) << "the kind roll comes round every twelve frames";
}
}  // namespace
