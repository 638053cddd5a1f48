// The first region's quest checks, completion, gifts and the change of quest set.
#include <gtest/gtest.h>

#include <string>

#include "areas/area_session.h"
#include "areas/quest_progress.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "region_test_support.h"
#include "shell/game_state.h"

namespace {
class QuestTest : public RegionTest {
protected:
    // In the quest's area with the quest active, nothing else going on.
    void Prepare(int area, int quest) {
        EnterArea(area, 200, -600);
        BattleEngine& engine = Engine();
        for (int e = 0; e < EnemyTable::kSlots; ++e) engine.enemy.active[e] = 0;
        for (int a = 0; a < AllyTable::kSlots; ++a) engine.ally.active[a] = 0;
        for (uint8_t& s : State().questStates) s = 0;
        State().questStates[quest - 1] = 1;
        engine.QuestDoneEvent = 0;
        Panel().questFailed = 0;
    }
    // One check at T seconds in the area; returns the quest event raised.
    uint8_t Check(uint32_t seconds) {
        Area().secondsInArea = seconds;
        Engine().QuestDoneEvent = 0;
        Panel().questFailed = 0;
        CheckEarthSystemQuests(App(), Region());
        return Engine().QuestDoneEvent;
    }
};
}  // namespace

TEST_F(QuestTest, DefendedColoniesFinishOnlyAfterTheirTimeWithAnAllyLeftAndNoEnemy) {
    for (auto [area, quest] : {std::pair{8, 2}, std::pair{24, 9}}) {
        Prepare(area, quest);
        Engine().ally.active[41] = 1;
        EXPECT_EQ(Check(38), 0) << "T must be more than 38";
        EXPECT_EQ(Check(39), quest);
        Engine().enemy.active[99] = 1;
        EXPECT_EQ(Check(60), 0) << "an enemy left";
        Engine().enemy.active[99] = 0;
        Engine().ally.active[41] = 0;
        EXPECT_EQ(Check(38), 0);
        EXPECT_EQ(Panel().questFailed, 0) << "no notice before the time is up";
        EXPECT_EQ(Check(39), 0);
        EXPECT_NE(Panel().questFailed, 0);
    }
}

TEST_F(QuestTest, TimedAreasFinishOneSecondAfterTheirMarkAndMakeTheNextQuestActive) {
    struct Row { int area, quest, seconds, next; };
    for (Row row : {Row{18, 7, 22, 8}, Row{21, 8, 27, 9}}) {
        Prepare(row.area, row.quest);
        EXPECT_EQ(Check(row.seconds), 0);
        EXPECT_EQ(State().questStates[row.next - 1], 0);
        EXPECT_EQ(Check(row.seconds + 1), row.quest);
        EXPECT_EQ(State().questStates[row.next - 1], 1);
    }
    Prepare(10, 3);
    EXPECT_EQ(Check(0), 3) << "the prison needs no time";
}

TEST_F(QuestTest, StationNeedsSlot30AndFailsAtOnceWithoutIt) {
    Prepare(16, 6);
    Engine().ally.active[31] = 1;
    EXPECT_EQ(Check(50), 0);
    EXPECT_NE(Panel().questFailed, 0) << "slot 30 gone fails at any time";
    Engine().ally.active[30] = 1;
    EXPECT_EQ(Check(38), 0);
    EXPECT_EQ(Panel().questFailed, 0);
    EXPECT_EQ(Check(39), 6);
    EXPECT_EQ(State().questStates[6], 1);
}

TEST_F(QuestTest, ConvoyFinishesBeyondMinus9900AndIsGuardedBeyondMinus9300) {
    for (auto [area, quest, armor] : {std::tuple{11, 4, 500u}, std::tuple{25, 10, 5000u}}) {
        Prepare(area, quest);
        BattleEngine& engine = Engine();
        engine.ally.active[30] = 1;
        engine.ally.armor[30] = 7;
        engine.ally.y[32] = -9300;
        EXPECT_EQ(Check(0), 0);
        EXPECT_EQ(engine.ally.armor[30], 7u) << "no guard at -9300";
        engine.ally.y[32] = -9301;
        Check(0);
        EXPECT_EQ(engine.ally.armor[30], armor);
        engine.ally.y[32] = -9900;
        EXPECT_EQ(Check(0), 0) << "-9900 exactly is not beyond";
        engine.ally.y[32] = -9901;
        EXPECT_EQ(Check(0), quest);
        EXPECT_EQ(State().questStates[quest], 1) << "the next quest is made active by the check";
        engine.ally.active[30] = 0;
        EXPECT_EQ(Check(0), 0);
        EXPECT_NE(Panel().questFailed, 0) << "a lost convoy fails at any time";
    }
}

// The monster quest needs only enemy slot 0 gone; a quest counts only in
// its own area and only while active.
TEST_F(QuestTest, TheMonsterQuestAndQuestsOutsideTheirAreaOrState) {
    Prepare(26, 11);
    Engine().enemy.active[0] = 1;
    Engine().enemy.active[5] = 1;
    EXPECT_EQ(Check(0), 0);
    Engine().enemy.active[0] = 0;
    EXPECT_EQ(Check(0), 11);
    Prepare(18, 7);
    State().questStates[6] = 2;
    EXPECT_EQ(Check(100), 0);
    Prepare(21, 7);
    EXPECT_EQ(Check(100), 0) << "quest 7 is checked in area 18 only";
}

TEST_F(QuestTest, CompletionPaysGiftsPlusTenTimesTheBonusesAndRaisesTheGiftSkill) {
    Prepare(10, 3);
    GameState& state = State();
    state.bonusBlock.goldBonus = 20;
    state.bonusBlock.crystalBonus = 1;
    state.bonusBlock.reservedBonus = 2;
    const uint32_t gold = state.resources[GameState::kGold];
    const uint32_t crystal = state.resources[GameState::kCrystal];
    const uint32_t favors = state.resources[GameState::kFavors];
    const uint32_t experience = state.experience;
    const uint32_t hardArmorLevel = state.skillLevels[4];
    const int32_t engineCharge = Engine().skillValues[4];
    Engine().QuestDoneEvent = 3;
    CompleteQuest(App(), Region());
    // Quest 3 of the first set: skill F5 (Hard Armor), 200 of each resource, 500 experience.
    EXPECT_EQ(state.resources[GameState::kGold], gold + 200 + 200);
    EXPECT_EQ(state.resources[GameState::kCrystal], crystal + 200 + 10);
    EXPECT_EQ(state.resources[GameState::kFavors], favors + 200);
    EXPECT_EQ(state.experience, experience + 500 + 20);
    EXPECT_EQ(state.skillLevels[4], hardArmorLevel + 1);
    EXPECT_EQ(Engine().skillValues[4], engineCharge + 10);
    const uint32_t benefit = state.skillBenefits[4];
    EXPECT_EQ(state.questStates[2], 2);
    EXPECT_EQ(state.questStates[3], 1) << "quest 4 follows quest 3";
    EXPECT_EQ(state.questUpdated[2], 1);
    EXPECT_EQ(state.questJingle, 1);
    EXPECT_EQ(Panel().questGifts, 1);

    // The same event again, the quest being done, changes nothing.
    const uint32_t goldAfter = state.resources[GameState::kGold];
    Engine().QuestDoneEvent = 3;
    CompleteQuest(App(), Region());
    EXPECT_EQ(state.resources[GameState::kGold], goldAfter);
    EXPECT_EQ(Engine().QuestDoneEvent, 0);

    // Leaving for a screen writes the engine's skills back without losing the gift.
    Tap(0x15);  // Y
    RunFrames(1);
    EXPECT_EQ(state.skillBenefits[4], benefit);
}

TEST_F(QuestTest, QuestsTwoThreeAndFourEachMakeTheNextActive) {
    for (int quest = 2; quest <= 4; ++quest) {
        SCOPED_TRACE(quest);
        Prepare(10, quest);
        Engine().QuestDoneEvent = static_cast<uint8_t>(quest);
        CompleteQuest(App(), Region());
        EXPECT_EQ(State().questStates[quest - 1], 2);
        EXPECT_EQ(State().questStates[quest], 1);
    }
}

TEST_F(QuestTest, QuestFiveFollowsQuestFourAndQuestSixWaitsForALaterCompletion) {
    Prepare(11, 4);
    Engine().QuestDoneEvent = 4;
    CompleteQuest(App(), Region());
    EXPECT_EQ(State().questStates[4], 1);
    State().questStates[4] = 1;
    Engine().QuestDoneEvent = 5;
    CompleteQuest(App(), Region());
    EXPECT_EQ(State().questStates[4], 2);
    EXPECT_EQ(State().questStates[5], 0) << "finishing quest 5 leaves quest 6 for the Quests screen";
    State().questStates[6] = 1;
    Engine().QuestDoneEvent = 7;
    CompleteQuest(App(), Region());
    EXPECT_EQ(State().questStates[5], 1) << "a later completion finds quest 5 done";
}

TEST_F(QuestTest, QuestOneSetsTheReturnHintUntilTheNextAreaLoad) {
    Prepare(5, 1);
    Engine().QuestDoneEvent = 1;
    CompleteQuest(App(), Region());
    EXPECT_EQ(Region().returnHint, 1);
    EXPECT_EQ(State().questStates[1], 1);
    RunFrames(2);
    EXPECT_EQ(Region().returnHint, 1);
    EXPECT_TRUE(driver_.Screenshot(OutPath("region_return_hint.png")));
    Region().loadPending = 1;
    RunFrames(1);
    EXPECT_EQ(Region().returnHint, 0);
}

TEST_F(QuestTest, QuestDropsBecomeQuestItemsOnlyInTheirAreasWhileActive) {
    Prepare(5, 1);
    Engine().questDropPending = 1;
    Engine().questDropX = 700;
    Engine().questDropY = -900;
    PlaceQuestDrops(App(), Region());
    EXPECT_EQ(Engine().questItem.kind[0], 1);
    EXPECT_EQ(Engine().questItem.x[0], 700);
    EXPECT_EQ(Engine().questItem.enabled, 1);
    Engine().questDropPending = 1;
    Engine().questDropX = 1;
    PlaceQuestDrops(App(), Region());
    EXPECT_EQ(Engine().questItem.x[0], 700) << "an occupied slot keeps its item";

    Prepare(14, 1);
    Engine().questItem.kind[1] = 0;
    Engine().questDropPending = 1;
    PlaceQuestDrops(App(), Region());
    EXPECT_EQ(Engine().questItem.kind[1], 0) << "quest 5 is not active";
    EXPECT_EQ(Engine().questDropPending, 0);
}

TEST_F(QuestTest, TheLastQuestMovesOnToTheSecondQuestSetWithoutGifts) {
    Prepare(28, 12);
    State().allyFlags[30] = 1;
    State().questUpdated[3] = 1;
    const uint32_t gold = State().resources[GameState::kGold];
    EXPECT_EQ(Check(30), 0);
    EXPECT_EQ(App().sceneFrame, SceneId::EarthSystem);
    EXPECT_EQ(Check(31), 0) << "no quest event for quest 12";
    EXPECT_EQ(App().sceneFrame, SceneId::Galaxy);
    EXPECT_EQ(App().leaveScene, 1);
    EXPECT_EQ(State().musicCue, 1);
    EXPECT_EQ(State().questStates[0], 1);
    EXPECT_EQ(State().questStates[11], 0);
    EXPECT_EQ(State().allyFlags[30], 0);
    EXPECT_EQ(State().questUpdated[3], 0);
    EXPECT_EQ(State().resources[GameState::kGold], gold);
    EXPECT_EQ(Backdrop().viewX, 200);
    EXPECT_EQ(Backdrop().viewY, -600);
}

TEST_F(QuestTest, TheConvoyMovesUpAtSeventyPixelsASecond) {
    EnterArea(11, 200, -600);
    Engine().ally.y[30] = -1000;
    Engine().ally.y[32] = -1000;
    RunFrames(125);  // two seconds
    EXPECT_NEAR(Engine().ally.y[32], -1000 - 140, 4);
    EXPECT_EQ(Engine().ally.y[30], Engine().ally.y[32]);
}

TEST_F(QuestTest, AQuestItemOnTheGroundOutlastsAVisitToAScreen) {
    Prepare(5, 1);
    Engine().questDropPending = 1;
    Engine().questDropX = 1500;
    Engine().questDropY = -3000;
    RunFrames(2);
    ASSERT_EQ(Engine().questItem.kind[0], 1);
    Tap(0x10);  // Q
    RunFrames(1);
    ASSERT_EQ(App().sceneFrame, SceneId::Quests);
    Tap(0x01);  // Esc: back to the area
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::EarthSystem, 5));
    RunFrames(1);
    EXPECT_EQ(Engine().questItem.kind[0], 1);
    EXPECT_EQ(Engine().questItem.x[0], 1500);
}

TEST_F(QuestTest, AfterTheLastQuestTheInterludeLeadsToTheSecondSetAtTheHomeBase) {
    Prepare(28, 12);
    for (uint8_t& fired : Engine().waveFired) fired = 1;  // the base's waves are over
    Area().clockMark = 31;
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::Galaxy, 5));
    Tap(0x1C);  // Return ends the interlude
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::HomeBase, 5));
    EXPECT_EQ(State().questSet, 2u);
    EXPECT_EQ(State().questStates[0], 1);
}

// A carrier destroyed by the engine's kill sweep drops its quest item only in
// the quest's own area while that quest is active: quest 1's in the Green
// Domain (slot 0), quest 5's in the Robot Lair (slot 1).
TEST_F(QuestTest, AQuestItemDropsOnlyInItsQuestsArea) {
    struct Drop {
        int area;
        int quest;
        int slot;  // -1: nothing dropped
    };
    constexpr Drop kDrops[] = {
        {5, 1, 0}, {14, 5, 1}, {14, 1, -1}, {5, 5, -1}, {13, 5, -1}, {15, 5, -1}, {4, 1, -1}, {6, 1, -1},
    };
    for (const Drop& drop : kDrops) {
        SCOPED_TRACE("area " + std::to_string(drop.area) + " quest " + std::to_string(drop.quest));
        Prepare(drop.area, drop.quest);
        BattleEngine& engine = Engine();
        for (int s = 0; s < 2; ++s) engine.questItem.kind[s] = 0;
        // A carrier with nothing left: the next frame's sweep destroys it.
        engine.enemy.active[0] = 1;
        engine.enemy.questDrop[0] = 1;
        engine.enemy.shields[0] = 0;
        engine.enemy.armor[0] = 0;
        engine.enemy.x[0] = 900;
        engine.enemy.y[0] = -1500;
        RunFrames(2);  // the sweep, then the drop on the frame after
        ASSERT_EQ(engine.enemy.active[0], 0);
        for (int s = 0; s < 2; ++s) EXPECT_EQ(engine.questItem.kind[s], s == drop.slot ? 1 : 0) << "slot " << s;
        if (drop.slot >= 0) {
            EXPECT_EQ(engine.questItem.x[drop.slot], 920);
            EXPECT_NEAR(engine.questItem.y[drop.slot], -1480, 2) << "where the carrier fell";
        }
    }
}
