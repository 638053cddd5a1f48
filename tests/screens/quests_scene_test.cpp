// The Quests page driven through the real game: allies bought with favors
// reaching the record at once, the quest given on entry in both sets, the
// updated marks and ally flags written on leaving, the advisor's hints and
// its switching off, panels closed before the page is left, a device loss
// with the ally panel open, and a bought ally waiting in its quest's area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <fstream>
#include <sstream>
#include <string>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "screens/quests_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

struct At {
    int32_t x, y;
};
At FavorButton(int box) { return {60 + 200 * ((box - 1) % 4), 80 + 165 * ((box - 1) / 4)}; }
At BoxBody(int box) { return {100 + 200 * ((box - 1) % 4), 180 + 165 * ((box - 1) / 4)}; }
At Agree(int ally) { return {520, 270 + 87 * (ally - 1)}; }
constexpr At kBriefingExit{395, 415};

constexpr int kFavors = GameState::kFavors;
// The three robots of quest 1's first ally fly in these slots.
constexpr int kFirstAllySlots = 3;

class QuestsGame : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    QuestsScene& Scene() { return driver.SceneAs<QuestsScene>(SceneId::Quests); }
    const QuestsScreen& Screen() { return *Scene().Screen(); }
    const AdvisorBubble& Advisor() { return *App().advisor; }

    void Open() {
        driver.TapKey(key::kQ);
        ASSERT_TRUE(App().IsCurrent(SceneId::Quests));
    }
    void Leave(SceneId area = SceneId::HomeBase) {
        driver.TapKey(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(area));
    }
    // Esc with the ally panel open closes it only; the second Esc leaves.
    void CloseAndLeave(SceneId area = SceneId::HomeBase) {
        driver.TapKey(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::Quests));
        ASSERT_EQ(Screen().selectedQuest, 0);
        Leave(area);
    }
    void ClickAt(At at) {
        PointAt(driver, at.x, at.y);
        Click(driver);
    }
    void Buy(int box, int ally) {
        ClickAt(FavorButton(box));
        ASSERT_EQ(Screen().selectedQuest, box);
        ClickAt(Agree(ally));
    }

    GameDriver driver;
};

// The new game's 80 favors buy the first ally of quest 1 (30) but not the
// second (100); 130 favors buy both and leave nothing for the third (160).
TEST_F(QuestsGame, FavorsBuyWhatTheyCoverAndTheRecordHasItAtOnce) {
    struct Case {
        const char* favors;
        uint32_t start;
        uint8_t secondBought;
        uint32_t left;
    };
    const Case cases[] = {{nullptr, 80, 0, 50}, {"1000 1000 130 200 900 300", 130, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        ASSERT_TRUE(driver.SetField("allyFlags", "0*300"));
        ASSERT_TRUE(driver.SetField("experience", "7"));
        if (c.favors) {
            ASSERT_TRUE(driver.SetField("resources", c.favors));
        }
        ASSERT_EQ(State().resources[kFavors], c.start);
        Open();
        const uint32_t own = Scene().Sounds().own;
        Buy(1, 1);
        EXPECT_EQ(State().resources[kFavors], c.start - 30) << "written before the page is left";
        EXPECT_EQ(State().experience, 37u);
        EXPECT_STREQ(Screen().favorsText, std::to_string(c.start - 30).c_str());
        EXPECT_EQ(Scene().Sounds().own, own + 2) << "YO, then TOOMUCH over it";
        ClickAt(Agree(2));
        EXPECT_EQ(Screen().allyFlags[1], c.secondBought);
        EXPECT_EQ(Screen().notEnoughBlink != 0, c.secondBought == 0) << "\"Not enough favors\"";
        ClickAt(Agree(3));
        EXPECT_EQ(Screen().allyFlags[2], 0);
        EXPECT_NE(Screen().notEnoughBlink, 0);
        EXPECT_EQ(State().resources[kFavors], c.left);
        EXPECT_EQ(State().experience, 7u + (c.start - c.left));
        EXPECT_EQ(State().allyFlags[0], 0) << "the flags wait for the leave";
        CloseAndLeave();
        if (HasFatalFailure()) return;
        EXPECT_EQ(State().allyFlags[0], 1);
        EXPECT_EQ(State().allyFlags[1], c.secondBought);
        EXPECT_EQ(State().allyFlags[2], 0);
        EXPECT_EQ(State().resources[kFavors], c.left);
    }
}

// Entries 3, 4 and 5 are quests 4-6 in set 1 and 16-18 in set 2: a done
// entry gives the next one, once per visit, before the boxes are copied.
TEST_F(QuestsGame, ADoneQuestOfTheChainGivesTheNextOneOnEntry) {
    struct Case {
        const char* set;
        const char* before;
        uint8_t entry4, entry5;
    };
    const Case cases[] = {
        {"1", "2 2 2 2 0 0 0*94", 1, 0},  // quest 5 given; quest 6 waits for the next visit
        {"1", "2 2 2 2 2 0 0*94", 2, 1},  // quest 6 given
        {"1", "2 2 2 1 0 0 0*94", 0, 0},  // quest 4 still active
        {"1", "2 2 2 2 1 0 0*94", 1, 0},  // quest 5 already active
        {"2", "2 2 2 2 0 0 0*94", 1, 0},  // quest 17 given
        {"2", "2 2 2 2 2 0 0*94", 2, 1},  // quest 18 given
        {"2", "2 2 2 0 2 0 0*94", 2, 1},  // only the done entry before counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("set ") + c.set + ": " + c.before);
        ASSERT_TRUE(driver.SetField("questSet", c.set));
        ASSERT_TRUE(driver.SetField("questStates", c.before));
        Open();
        EXPECT_EQ(State().questStates[4], c.entry4);
        EXPECT_EQ(State().questStates[5], c.entry5);
        EXPECT_EQ(State().questStates[6], 0);
        EXPECT_EQ(Screen().questStates[4], c.entry4) << "the box shows it on this visit";
        EXPECT_EQ(Screen().questStates[5], c.entry5);
        PointAt(driver, FavorButton(5).x, FavorButton(5).y);
        EXPECT_EQ(Screen().hover, c.entry4 == 1 ? 5 : 24) << "its Use Favors? button";
        Leave();
        Open();
        EXPECT_EQ(State().questStates[5], c.entry5) << "a quest just given is not done";
        Leave();
    }
}

// The second set's boxes hold quests 13 to 24 with their own costs, read
// from the first entries of the record that the first set used.
TEST_F(QuestsGame, TheInvasionsSetShowsItsOwnQuestsAndCosts) {
    ASSERT_TRUE(driver.SetField("questSet", "2"));
    ASSERT_TRUE(driver.SetField("questStates", "2 1 1 2 0*96"));
    ASSERT_TRUE(driver.SetField("resources", "1000 1000 3100 200 900 300"));
    Open();
    EXPECT_EQ(Screen().QuestInBox(1), 13);
    EXPECT_EQ(Screen().questStates[4], 1) << "quest 17 given on entry";
    PointAt(driver, BoxBody(1).x, BoxBody(1).y);
    driver.PressButton(1);
    driver.RunFrames(2);
    EXPECT_TRUE(driver.MatchesReference("screens", "quests_invasions_peek", 0, 0.0));
    driver.ReleaseButton(1);
    driver.RunFrames(2);
    Buy(2, 1);  // quest 14's droids: 3100
    EXPECT_EQ(State().resources[kFavors], 0u);
    EXPECT_EQ(State().experience, 3100u);
    ClickAt(Agree(2));
    EXPECT_NE(Screen().notEnoughBlink, 0);
    EXPECT_TRUE(driver.MatchesReference("screens", "quests_invasions_panel", 0, 0.0));
    CloseAndLeave();
    EXPECT_EQ(State().allyFlags[3], 1) << "box 2's first ally";
}

// A quest updated in an area flashes on the next visit with its sound and
// clears the control bar's notice; the visit marks it seen, and it does not
// flash again. The game is loaded as saved after that update.
TEST(QuestsLoadedGame, UpdatedMarksGoFromOneToTwoOnLeaving) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    GameState saved;
    saved.NewGame();
    saved.questStates[0] = 2;
    saved.questStates[1] = 1;
    const uint8_t marks[] = {1, 2, 0, 1};
    std::copy(std::begin(marks), std::end(marks), saved.questUpdated);
    saved.questsUpdatedAny = 1;
    ASSERT_TRUE(driver.WriteSaveSlot(1, saved));
    ASSERT_TRUE(driver.ToMainMenu());
    ASSERT_TRUE(driver.LoadSlot(1));
    driver.RunFrames(2);
    GameApp& app = driver.App();
    ASSERT_EQ(app.controlPanel->questUpdated, 1) << "the notice the area shows";
    QuestsScene& scene = driver.SceneAs<QuestsScene>(SceneId::Quests);
    driver.TapKey(key::kQ);
    ASSERT_TRUE(app.IsCurrent(SceneId::Quests));
    EXPECT_EQ(scene.Sounds().own, 1u) << "scifi070";
    EXPECT_EQ(scene.Screen()->questsUpdated, 1);
    EXPECT_EQ(app.controlPanel->questUpdated, 0) << "the notice is read";
    EXPECT_EQ(app.gameState->questUpdated[0], 1) << "nothing written while the page is open";
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(app.IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(app.gameState->questsUpdatedAny, 0);
    const uint8_t after[] = {2, 2, 0, 2, 0};
    for (int q = 0; q < 5; ++q) EXPECT_EQ(app.gameState->questUpdated[q], after[q]) << q;
    driver.TapKey(key::kQ);
    EXPECT_EQ(scene.Screen()->questsUpdated, 0);
    EXPECT_EQ(scene.Sounds().own, 1u);
    driver.TapKey(key::kEscape);
    EXPECT_EQ(app.gameState->questUpdated[0], 2);
}

// Entry, a selected quest, and the purchase that ends the tutorial for the
// run; a quest 1 already done ends it on sight.
TEST_F(QuestsGame, TheAdvisorPointsAtEachStepAndSwitchesItselfOff) {
    Open();
    EXPECT_EQ(Advisor().hintIndex, 16u);
    EXPECT_EQ(Advisor().advisorX, 716);
    EXPECT_EQ(Advisor().arrowX, 80);
    EXPECT_EQ(Advisor().arrowY, 20);
    EXPECT_GE(Advisor().advisorY, 515);
    EXPECT_LE(Advisor().advisorY, 543);
    ClickAt(FavorButton(1));
    EXPECT_EQ(Advisor().hintIndex, 17u);
    EXPECT_EQ(Advisor().arrowX, 530);
    EXPECT_EQ(Advisor().arrowY, 205);
    EXPECT_TRUE(driver.MatchesReference("screens", "quests_panel_advisor", 0, 0.0));
    ClickAt(Agree(2));  // refused: the tutorial goes on
    EXPECT_EQ(Advisor().advisorOn, 1);
    ClickAt(Agree(1));
    EXPECT_EQ(Advisor().advisorOn, 0);
    EXPECT_EQ(Advisor().bubbleShown, 0);
    CloseAndLeave();
    driver.RunFrames(5);
    EXPECT_EQ(Advisor().advisorOn, 0) << "for the rest of the run";
}

TEST_F(QuestsGame, TheDirectionsHintAndTheSwitchOffOnAFirstQuestDone) {
    // The first ally bought on an earlier visit, the advisor on again.
    ASSERT_TRUE(driver.SetField("allyFlags", "1 0*299"));
    Open();
    EXPECT_EQ(Advisor().hintIndex, 18u);
    EXPECT_EQ(Advisor().arrowX, 30);
    EXPECT_EQ(Advisor().arrowY, 500);
    EXPECT_EQ(Advisor().advisorOn, 1) << "no quest selected yet";
    Leave();
    ASSERT_TRUE(driver.SetField("allyFlags", "0*300"));
    ASSERT_TRUE(driver.SetField("questStates", "2 1 0*98"));
    Open();
    EXPECT_EQ(Advisor().advisorOn, 0);
}

// Esc, Backspace and Enter close the page's panels first and forget the
// chosen ally; only then does Esc leave.
TEST_F(QuestsGame, KeysClosePanelsBeforeLeaving) {
    Open();
    Buy(1, 2);  // refused, but chosen
    ASSERT_EQ(Screen().chosenAlly, 14);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::Quests));
    EXPECT_EQ(Screen().selectedQuest, 0);
    EXPECT_EQ(Screen().chosenAlly, 0);
    ClickAt(BoxBody(7));
    EXPECT_EQ(Screen().briefingOpen, 7);
    driver.TapKey(key::kReturn);
    EXPECT_EQ(Screen().briefingOpen, 0);
    ASSERT_TRUE(App().IsCurrent(SceneId::Quests));
    PointAt(driver, 400, 20);
    Click(driver);
    EXPECT_EQ(Screen().notesOpen, 1);
    driver.TapKey(key::kBack);
    ASSERT_TRUE(App().IsCurrent(SceneId::Quests));
    EXPECT_EQ(Screen().notesOpen, 0);
    Leave();
}

// A right button held on a box peeks at its briefing with one RIGHTDEF; a
// left press opens it, and its Exit closes it with a STAMP once let go.
TEST_F(QuestsGame, APeekLastsWhileHeldAndAnOpenBriefingWaitsForItsExit) {
    Open();
    const ManagementScene::SoundCounts before = Scene().Sounds();
    PointAt(driver, BoxBody(2).x, BoxBody(2).y);
    driver.PressButton(1);
    driver.RunFrames(4);
    EXPECT_EQ(Screen().briefingPeek, 2);
    EXPECT_EQ(Screen().noInfoShown, 1) << "quest 2 is not given: \"Unknown Quest\"";
    EXPECT_EQ(Scene().Sounds().box, before.box + 1) << "once per press";
    driver.ReleaseButton(1);
    driver.RunFrames(1);
    EXPECT_EQ(Screen().briefingPeek, 0);
    ClickAt(BoxBody(1));
    EXPECT_EQ(Screen().briefingOpen, 1);
    EXPECT_EQ(Screen().noInfoShown, 0);
    PointAt(driver, BoxBody(4).x, BoxBody(4).y);
    EXPECT_EQ(Screen().hover, 0) << "no box reacts under an open briefing";
    ClickAt(kBriefingExit);
    EXPECT_EQ(Screen().briefingOpen, 0);
    driver.RunFrames(2);
    EXPECT_EQ(Scene().Sounds().stamp, before.stamp + 1);
}

TEST_F(QuestsGame, TheAllyPanelSurvivesADeviceLossAndBuysAfterIt) {
    Open();
    ClickAt(FavorButton(1));
    const uint32_t loadings = App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(2);
    driver.RestoreDevice();
    driver.RunFrames(2);
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    EXPECT_EQ(Scene().ScreensMade(), 1u);
    ASSERT_EQ(Screen().selectedQuest, 1);
    ClickAt(Agree(1));
    EXPECT_EQ(State().resources[kFavors], 50u);
    EXPECT_EQ(Advisor().advisorOn, 0);
}

// Steers the ship onto a forward portal of the area and picks its prompt.
bool FlyThroughPortal(GameDriver& driver, int slot, int32_t toArea) {
    GameApp& app = driver.App();
    int inside = 0;
    for (int frame = 0; frame < 2000 && inside < 40; ++frame) {
        const BattleEngine& engine = *app.battleEngine;
        if (engine.portal.touched[slot]) ++inside;
        const AreaBackdrop& view = *app.areaBackdrop;
        PointAt(driver, std::clamp(engine.portal.x[slot] - view.viewX, 20, 780),
                std::clamp(engine.portal.y[slot] - view.viewY, 60, 580));
        driver.PressButton(0);
    }
    driver.ReleaseButton(0);
    driver.RunFrames(3);
    PointAt(driver, 400, 47);
    Click(driver);
    driver.RunFrames(3);
    return app.areaBackdrop->areaNumber == toArea;
}

// Quest 1's first ally: three robots that wait at the Green Path, and come
// there once.
TEST_F(QuestsGame, ABoughtAllyIsWaitingInItsQuestsArea) {
    Open();
    Buy(1, 1);
    CloseAndLeave();
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    const BattleEngine& engine = *App().battleEngine;
    EXPECT_EQ(engine.ally.exists[0], 0) << "not in the Border Area";
    ASSERT_TRUE(FlyThroughPortal(driver, 1, 3));
    for (int s = 0; s < kFirstAllySlots; ++s) EXPECT_EQ(engine.ally.exists[s], 1) << s;
    EXPECT_EQ(engine.ally.exists[kFirstAllySlots], 0) << "allies 2 and 3 were not bought";
    EXPECT_EQ(engine.allyFlags[0], 2) << "used";
    EXPECT_EQ(State().allyFlags[0], 1) << "the record keeps it bought";
}

// The example script buys the ally, flies the way a player would and ends
// in the Green Path with the robots beside the ship.
TEST(QuestsScript, BuyAnAllyAndMeetItInTheGreenPath) {
    const std::vector<DriverAction> actions = HarnessScript("example-buy-ally.txt");
    ASSERT_FALSE(actions.empty());
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.AddActions(actions);
    driver.RunFrames(actions.back().frame + 30);
    GameApp& app = driver.App();
    ASSERT_TRUE(app.IsCurrent(SceneId::EarthSystem));
    EXPECT_EQ(app.areaBackdrop->areaNumber, 3);
    EXPECT_EQ(app.gameState->resources[kFavors], 50u);
    EXPECT_EQ(app.gameState->allyFlags[0], 1);
    EXPECT_EQ(app.battleEngine->allyFlags[0], 2);
    for (int s = 0; s < kFirstAllySlots; ++s) EXPECT_EQ(app.battleEngine->ally.exists[s], 1) << s;
}

}  // namespace
