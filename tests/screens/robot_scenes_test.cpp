// The Make Robots and Robots pages driven through the real game: a make
// from the click on a rank to the robot flying out of the factory, the
// rules that refuse one, the full table, upgrades of one robot and of all
// of them, the copy back to the record and the engine, and a device loss.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "screens/make_robots_scene.h"
#include "screens/robots_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

enum Rank { kGrunt = 0, kSarge, kCaptain, kGeneral };
constexpr int kMaterial = GameState::kRobotMaterial;

class RobotScenes : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    BattleEngine& Engine() { return *driver.App().battleEngine; }
    MakeRobotsScene& MakeScene() { return driver.SceneAs<MakeRobotsScene>(SceneId::MakeRobots); }
    const MakeRobotsScreen& MakePage() { return *MakeScene().Screen(); }
    RobotsScene& RobotsOf() { return driver.SceneAs<RobotsScene>(SceneId::Robots); }
    const RobotsScreen& RobotsPage() { return *RobotsOf().Screen(); }

    void Open(uint8_t key, SceneId scene) {
        driver.TapKey(key);
        ASSERT_TRUE(App().IsCurrent(scene));
    }
    void ClickAt(int32_t x, int32_t y) {
        PointAt(driver, x, y);
        Click(driver);
    }
    void ClickRank(int rank) { ClickAt(100, 127 + 135 * rank); }
    void ClickYes() { ClickAt(335, 351); }
    void ClickNo() { ClickAt(450, 351); }
    // From an area: the page, the rank, Yes. True once back at the home base.
    bool MakeOne(int rank) {
        driver.TapKey(key::kM);
        ClickRank(rank);
        if (!MakePage().confirmRank) return false;
        ClickYes();
        return App().IsCurrent(SceneId::HomeBase);
    }
    // Grunts at quality 1, a Sarge at 2, a Captain and a General at 3, in
    // slots 0 to 6, 7, 8 and 9, as factory upgrades between makes give them.
    void MakeOneOfEachRank() {
        State().maxRobotCount = 20;
        State().resources[kMaterial] = 100000;
        for (int grunt = 0; grunt < 6; ++grunt) ASSERT_TRUE(MakeOne(kGrunt));
        State().maxRobotQuality = 2;
        ASSERT_TRUE(MakeOne(kSarge));
        State().maxRobotQuality = 3;
        ASSERT_TRUE(MakeOne(kCaptain));
        ASSERT_TRUE(MakeOne(kGeneral));
    }
    void ClickArrow(int pageRow) { ClickAt(720, 117 + 50 * pageRow); }
    void UpgradeAllConfirmed() {
        ClickAt(600, 20);
        ClickYes();
    }
    void EscBack() {
        driver.TapKey(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    }

    GameDriver driver;
};

TEST_F(RobotScenes, AGruntAfterANewGameIsPaidEnteredAndFliesOutOfTheFactory) {
    GameState& state = State();
    ASSERT_EQ(state.resources[kMaterial], 300u);
    ASSERT_EQ(state.robotCount, 1);
    const uint8_t operational = state.operationalByRank[kGrunt];
    Open(key::kM, SceneId::MakeRobots);
    ClickRank(kGrunt);
    ASSERT_EQ(MakePage().confirmRank, 1);
    EXPECT_EQ(state.resources[kMaterial], 300u) << "nothing is paid before Yes";
    ClickYes();
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(MakeScene().Sounds().own, 1u) << "the make's own sound";
    EXPECT_EQ(state.resources[kMaterial], 200u);
    EXPECT_EQ(state.robotCount, 2);
    EXPECT_EQ(state.robotsByRank[kGrunt], 2);
    EXPECT_EQ(state.operationalByRank[kGrunt], operational + 1);
    EXPECT_EQ(state.robotMakeCosts[kGrunt], 200u);

    // Slot 1, the first free one, with the Grunt's gains and the maximum quality.
    using Values = std::vector<uint32_t>;
    EXPECT_EQ(Values({state.robotExists[1], state.robotActive[1], state.robotOperational[1], state.robotSlot[1],
                      state.robotVariant[1], state.robotRank[1], state.robotShields[1], state.robotShieldsMax[1],
                      state.robotArmor[1], state.robotArmorMax[1], state.robotProtection[1], state.robotAttack[1],
                      state.robotDefence[1], state.robotQuality[1]}),
              Values({1, 1, 1, 1, 0, kGrunt, 0, 0, 20, 20, 0, 6, 10, state.maxRobotQuality}));
    const BattleEngine& engine = Engine();
    EXPECT_EQ(Values({engine.robot.exists[1], engine.robot.active[1], engine.robot.type[1], engine.robot.shields[1],
                      engine.robot.armor[1], engine.robot.protection[1], engine.robot.damage[1],
                      engine.robot.defence[1], engine.robotTypeCounts[kGrunt]}),
              Values({1, 1, kGrunt, 0, 20, 0, 6, 10, state.operationalByRank[kGrunt]}));

    // The home base opens on the factory and the robot grows, then flies out.
    EXPECT_EQ(engine.newRobotSlot, 1);
    EXPECT_EQ(engine.newRobotType, kGrunt);
    const AreaBackdrop& view = *App().areaBackdrop;
    const int kStartingFactory = 2;
    ASSERT_EQ(state.buildingKinds[kStartingFactory], 11) << "the Robot Factory";
    const int32_t onScreenX = state.buildingX[kStartingFactory] - view.viewX;
    const int32_t onScreenY = state.buildingY[kStartingFactory] - view.viewY;
    EXPECT_TRUE(onScreenX >= 0 && onScreenX < 800 && onScreenY >= 0 && onScreenY < 600) << onScreenX << ", " << onScreenY;
    ASSERT_NE(engine.newRobotPending, 0);
    for (int frame = 0; frame < 600 && engine.newRobotPending; ++frame) driver.RunFrames(1);
    EXPECT_EQ(engine.newRobotPending, 0) << "the show ends";
    EXPECT_GT(engine.newRobotFlown, 140);
    EXPECT_NEAR(engine.robot.x[1], engine.newRobotX, 8) << "the robot takes off from where the show ended";
}

// Each case is a base the page opens on and the rank clicked; the refusals
// come in their order (grunts, count, material, factory), each with its
// message, and none pays or opens the question.
TEST_F(RobotScenes, TheMakeRulesRefuseInTheirOrderWithTheirMessages) {
    struct Case {
        const char* what;
        uint8_t factory, count, maxCount, grunts;
        uint32_t material;
        int rank;
        const char* rankLine;
        std::string messages;  // the timed boxes started: g grunts, c count, m material, f factory
    };
    const Case cases[] = {
        {"one grunt short", 1, 1, 5, 1, 5000, kSarge, "Can't build a Sarge. Need 1 more Grunt.", "g"},
        {"short of grunts at the count", 1, 2, 2, 1, 5000, kSarge,
         "Can't build a Sarge. Need a higher max count and 1 more Grunt.", "c"},
        {"at the count", 1, 2, 2, 2, 5000, kGrunt, "No Grunts can be built right now. Need higher max robot count.",
         "c"},
        {"short of material", 1, 1, 5, 1, 99, kGrunt, "You may build a Grunt.", "m"},
        {"no factory, short", 0, 1, 5, 1, 99, kGrunt,
         "No Grunts can be built right now. You don't have a Robot Factory.", "mf"},
        {"no factory", 0, 1, 5, 0, 5000, kCaptain, "You don't have a Robot Factory.", "f"},
    };
    GameState& state = State();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state.factoryBuilt = c.factory;
        state.robotCount = c.count;
        state.maxRobotCount = c.maxCount;
        state.robotsByRank[kGrunt] = c.grunts;
        state.resources[kMaterial] = c.material;
        Open(key::kM, SceneId::MakeRobots);
        ClickRank(c.rank);
        const MakeRobotsScreen& page = MakePage();
        std::string started;
        if (page.needMoreGrunts) started += 'g';
        if (page.maxCountReached) started += 'c';
        if (page.notEnoughMaterial) started += 'm';
        if (page.needFactory) started += 'f';
        EXPECT_EQ(started, c.messages);
        EXPECT_EQ(page.confirmRank, 0);
        char line[96];
        page.FormatRankMessage(c.rank, line, sizeof line);
        EXPECT_STREQ(line, c.rankLine);
        EXPECT_EQ(state.resources[kMaterial], c.material);
        EXPECT_EQ(state.robotCount, c.count);
        EscBack();
    }
}

// N and Y are also shortcut keys (Notes, Your Ship): with the question open
// they answer it instead. A discount above the cost makes the robot free.
TEST_F(RobotScenes, TheQuestionIsAnsweredByButtonsAndKeysAndOnlyYesMakes) {
    State().bonusBlock.robotMakeDiscount = 150;
    Open(key::kM, SceneId::MakeRobots);
    for (uint8_t answer : {uint8_t{0}, key::kEscape, key::kBack, key::kN}) {
        ClickRank(kGrunt);
        ASSERT_EQ(MakePage().confirmRank, 1);
        if (answer == 0) ClickNo();
        else driver.TapKey(answer);
        EXPECT_EQ(MakePage().confirmRank, 0) << int{answer};
        EXPECT_TRUE(App().IsCurrent(SceneId::MakeRobots)) << int{answer};
    }
    EXPECT_EQ(State().robotCount, 1);
    EXPECT_EQ(State().resources[kMaterial], 300u);
    ClickRank(kGrunt);
    EXPECT_EQ(MakePage().chosenCost, 0u);
    driver.TapKey(key::kY);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(State().robotCount, 2);
    EXPECT_EQ(State().resources[kMaterial], 300u);
    EXPECT_EQ(State().robotMakeCosts[kGrunt], 200u);
}

// A record whose count says 1 while every entry holds a robot: the page
// allows the make, and the scene finds no entry before it pays.
TEST_F(RobotScenes, AFullTableRefusesTheMakeWithoutPayment) {
    GameState& state = State();
    for (uint8_t& exists : state.robotExists) exists = 1;
    Open(key::kM, SceneId::MakeRobots);
    ClickRank(kGrunt);
    ASSERT_EQ(MakePage().confirmRank, 1);
    ClickYes();
    EXPECT_TRUE(App().IsCurrent(SceneId::MakeRobots));
    EXPECT_NE(MakePage().maxCountReached, 0);
    EXPECT_EQ(MakePage().confirmRank, 0);
    EXPECT_EQ(state.resources[kMaterial], 300u);
    EXPECT_EQ(state.robotCount, 1);
    EXPECT_EQ(state.robotMakeCosts[kGrunt], 100u);
    EXPECT_EQ(MakeScene().Sounds().own, 0u);
}

// Each make raises the next cost of its own rank only: Grunt by 100, Sarge
// by 200, Captain by 400, General by 700; each robot is paid at the cost of
// its moment.
TEST_F(RobotScenes, EachMakeRaisesItsOwnRanksCostByTheRanksStep) {
    const GameState& state = State();
    const std::vector<uint32_t> before(std::begin(state.robotMakeCosts), std::end(state.robotMakeCosts));
    MakeOneOfEachRank();
    const std::vector<uint32_t> after(std::begin(state.robotMakeCosts), std::end(state.robotMakeCosts));
    EXPECT_EQ(after, std::vector<uint32_t>({before[kGrunt] + 6 * 100, before[kSarge] + 200, before[kCaptain] + 400,
                                            before[kGeneral] + 700}));
    const uint32_t grunts = 6 * before[kGrunt] + 100 * (0 + 1 + 2 + 3 + 4 + 5);
    EXPECT_EQ(state.resources[kMaterial],
              100000u - grunts - before[kSarge] - before[kCaptain] - before[kGeneral]);
}

// Rank factor x quality less 25: a Grunt at 1 (10) for nothing, the Sarge
// at 2 (40), the Captain at 3 (120), the General at 3 (210) on page 2.
TEST_F(RobotScenes, OneStepCostsRankFactorTimesQualityLessTheDiscount) {
    MakeOneOfEachRank();
    State().maxRobotQuality = 5;
    State().bonusBlock.robotUpgradeDiscount = 25;
    State().resources[kMaterial] = 1000;
    Open(key::kR, SceneId::Robots);
    std::vector<uint32_t> material;
    for (int pageRow : {0, 7, 8}) {
        ClickArrow(pageRow);
        material.push_back(RobotsPage().material);
    }
    driver.TapKey(key::kDown);
    ClickArrow(0);
    material.push_back(RobotsPage().material);
    EXPECT_EQ(material, std::vector<uint32_t>({1000, 985, 890, 705}));
    EXPECT_EQ(RobotsOf().Sounds().own, 4u) << "an upgrade sound each";
    EscBack();
    EXPECT_EQ(State().robotQuality[9], 4);
    EXPECT_EQ(Engine().robot.damage[9], State().robotStatGains[kGeneral][3] + 7);
}

// Exactly enough for every robot that can rise: a broken Grunt (broken in
// the engine, as a battle leaves it) and the Captain and General at the
// maximum are skipped; the Sarge gains 2 on every stat.
TEST_F(RobotScenes, UpgradeAllWithExactlyEnoughSkipsBrokenAndMaxedRobots) {
    MakeOneOfEachRank();
    GameState& state = State();
    Engine().robot.active[2] = 0;
    state.resources[kMaterial] = 99;  // six Grunts at 10 and the Sarge at 40
    Open(key::kR, SceneId::Robots);
    EXPECT_EQ(RobotsPage().operational[2], 0) << "shown broken";
    EXPECT_EQ(RobotsPage().brokenCount, 1);
    EXPECT_EQ(RobotsPage().operationalCount, 9);
    // The question's keys: N and Esc close it and keep the page; Enter confirms.
    for (uint8_t closer : {key::kN, key::kEscape}) {
        ClickAt(600, 20);
        ASSERT_EQ(RobotsPage().confirmAll, 1);
        driver.TapKey(closer);
        EXPECT_EQ(RobotsPage().confirmAll, 0);
        ASSERT_TRUE(App().IsCurrent(SceneId::Robots)) << int{closer};
    }
    ClickAt(600, 20);
    driver.TapKey(key::kReturn);
    EXPECT_NE(RobotsPage().shortMaterialAll, 0);
    EXPECT_STREQ(RobotsPage().totalText, "100");
    EXPECT_EQ(RobotsPage().quality[0], 1u);
    EscBack();
    EXPECT_EQ(state.robotOperational[2], 0);

    state.resources[kMaterial] = 100;
    const GameState before = state;
    Open(key::kR, SceneId::Robots);
    ClickAt(600, 20);
    driver.TapKey(key::kY);
    ASSERT_TRUE(App().IsCurrent(SceneId::Robots)) << "Y answers, it does not open Your Ship";
    EXPECT_NE(RobotsPage().upgradedAll, 0);
    EscBack();
    EXPECT_EQ(state.resources[kMaterial], 0u);
    const uint8_t quality[] = {2, 2, 1, 2, 2, 2, 2, 3, 3, 3};
    for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(state.robotQuality[slot], quality[slot]) << slot;
    auto stats = [](const GameState& s, int slot) {
        return std::vector<uint32_t>({s.robotShields[slot], s.robotShieldsMax[slot], s.robotArmor[slot],
                                      s.robotArmorMax[slot], s.robotProtection[slot], s.robotAttack[slot],
                                      s.robotDefence[slot]});
    };
    std::vector<uint32_t> sarge = stats(before, 7);
    for (uint32_t& stat : sarge) stat += 2;
    EXPECT_EQ(stats(state, 7), sarge);
    EXPECT_EQ(stats(state, 2), stats(before, 2)) << "broken";
    EXPECT_EQ(stats(state, 9), stats(before, 9)) << "at the maximum";
    EXPECT_EQ(Engine().robot.protection[7], state.robotProtection[7]);
}

// A save's maximum count above the table's 100: the makes stop at 100 without
// payment, and every one of the 100 slots can be upgraded, on any page.
TEST_F(RobotScenes, AllHundredSlotsFillAndEachCanBeUpgraded) {
    GameState& state = State();
    state.maxRobotCount = 120;
    state.resources[kMaterial] = 1000000;
    for (int made = 1; made < GameState::kRobotSlots; ++made) ASSERT_TRUE(MakeOne(kGrunt)) << made;
    EXPECT_EQ(state.robotCount, 100);
    for (int slot = 0; slot < GameState::kRobotSlots; ++slot) ASSERT_EQ(state.robotSlot[slot], slot);
    const uint32_t material = state.resources[kMaterial];
    EXPECT_EQ(material, 1000000u - 100u * 99 * 100 / 2) << "100, 200, ... 9900";
    EXPECT_FALSE(MakeOne(kGrunt));
    EXPECT_NE(MakePage().maxCountReached, 0);
    EscBack();
    EXPECT_EQ(state.resources[kMaterial], material);

    state.maxRobotQuality = 3;
    Open(key::kR, SceneId::Robots);
    UpgradeAllConfirmed();
    EXPECT_EQ(RobotsPage().material, material - 1000);
    for (int down = 0; down < 5; ++down) driver.TapKey(key::kDown);
    ClickArrow(5);  // slot 50
    for (int down = 0; down < 6; ++down) driver.TapKey(key::kNumpad2);
    ClickArrow(0);  // slot 99
    EscBack();
    for (int slot = 0; slot < GameState::kRobotSlots; ++slot) {
        EXPECT_EQ(state.robotQuality[slot], slot == 50 || slot == 99 ? 3 : 2) << slot;
    }
    EXPECT_EQ(state.resources[kMaterial], material - 1000 - 20 - 20);
    EXPECT_EQ(Engine().robot.armor[99], 22u);
}

TEST_F(RobotScenes, TheRobotsPageSurvivesADeviceLossAndWritesBackBeforeMakeRobots) {
    State().maxRobotQuality = 2;
    Open(key::kR, SceneId::Robots);
    ClickArrow(0);
    ASSERT_EQ(RobotsPage().quality[0], 2u);
    PointAt(driver, 400, 400);
    driver.RunFrames(200);  // the stars have come and gone
    ASSERT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "robots_page"));
    driver.LoseDevice();
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(3);
    ASSERT_TRUE(App().IsCurrent(SceneId::Robots));
    EXPECT_EQ(RobotsOf().ScreensMade(), 1u);
    EXPECT_EQ(RobotsPage().quality[0], 2u);
    EXPECT_EQ(RobotsPage().material, 290u);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "robots_page"));
    EXPECT_EQ(State().robotQuality[0], 1) << "still the page's own";

    ClickAt(650, 570);  // Make Robots
    ASSERT_TRUE(App().IsCurrent(SceneId::MakeRobots));
    EXPECT_EQ(State().robotQuality[0], 2);
    EXPECT_EQ(State().resources[kMaterial], 290u);
    EXPECT_EQ(MakePage().material, 290u);
    ClickRank(kGrunt);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "make_robots_question"));
}

}  // namespace

namespace {

// Every rank's new robot takes the gains the page shows for its rank
// (shields, armor, protection, attack, defence), full shields and armor,
// its own slot and the factory's quality, in the record and the engine.
TEST_F(RobotScenes, EachRanksNewRobotTakesItsRanksGainsInRecordAndEngine) {
    MakeOneOfEachRank();
    const GameState& state = State();
    const BattleEngine& engine = Engine();
    const struct Made {
        int slot;
        int rank;
        uint8_t quality;
    } made[] = {{6, kGrunt, 1}, {7, kSarge, 2}, {8, kCaptain, 3}, {9, kGeneral, 3}};
    using Values = std::vector<uint32_t>;
    for (const Made& m : made) {
        SCOPED_TRACE(m.slot);
        const uint32_t* gains = state.robotStatGains[m.rank];  // shields, armor, protection, attack, defence
        const int s = m.slot;
        EXPECT_EQ(Values({state.robotExists[s], state.robotActive[s], state.robotOperational[s], state.robotSlot[s],
                          state.robotVariant[s], state.robotRank[s], state.robotQuality[s]}),
                  Values({1, 1, 1, uint32_t(s), 0, uint32_t(m.rank), m.quality}));
        EXPECT_EQ(Values({state.robotShields[s], state.robotShieldsMax[s], state.robotArmor[s], state.robotArmorMax[s],
                          state.robotProtection[s], state.robotAttack[s], state.robotDefence[s]}),
                  Values({gains[0], gains[0], gains[1], gains[1], gains[2], gains[3], gains[4]}));
        // (The engine turns its robots as they fly: the facing is its own.)
        EXPECT_EQ(Values({engine.robot.exists[s], engine.robot.active[s], engine.robot.type[s], engine.robot.shields[s],
                          engine.robot.armor[s], engine.robot.protection[s], engine.robot.damage[s],
                          engine.robot.defence[s]}),
                  Values({1, 1, uint32_t(m.rank), gains[0], gains[1], gains[2], gains[3], gains[4]}));
    }
}

}  // namespace
