// The playthrough script plays a new game through the first quest with real
// input, saves it, loads it back and goes on from prepared records to the
// Hall of Fame. Here it is followed step by step: the quest done in the
// Green Domain, the save file that holds it, the loaded record, the end.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/data_blob.h"
#include "shell/game_state.h"
#include "shell/save_file.h"

namespace {

constexpr uint32_t kScriptFrames = 8210;  // the script's "# frames:"
constexpr int32_t kGreenDomain = 5;

bool BossAlive(const BattleEngine& engine) {
    for (int e = 0; e < EnemyTable::kSlots; ++e) {
        if (engine.enemy.active[e] && engine.enemy.questDrop[e]) return true;
    }
    return false;
}

TEST(PlaythroughScript, TheFirstQuestIsDoneSavedAndLoadedOnTheWayToTheHallOfFame) {
    const std::vector<DriverAction> actions = HarnessScript("playthrough.txt");
    ASSERT_FALSE(actions.empty());
    GameDriver driver;
    driver.AddActions(actions);
    ASSERT_TRUE(driver.Start());
    GameApp& app = driver.App();

    // Up to the quest's completion, frame by frame; the boss is met on the way.
    bool bossSeen = false;
    while (driver.FrameNumber() < kScriptFrames && app.gameState->questStates[0] != 2) {
        driver.RunFrames(1);
        if (app.sceneFrame == SceneId::EarthSystem && BossAlive(*app.battleEngine)) bossSeen = true;
    }
    ASSERT_EQ(app.gameState->questStates[0], 2) << "quest 1 was never done";
    ASSERT_EQ(app.sceneFrame, SceneId::EarthSystem);
    EXPECT_EQ(app.areaBackdrop->areaNumber, kGreenDomain);
    EXPECT_TRUE(bossSeen);
    EXPECT_FALSE(BossAlive(*app.battleEngine)) << "the boss fell before the quest was done";
    EXPECT_EQ(app.battleEngine->questItem.kind[0], 0) << "the ship has picked its drop up";
    EXPECT_EQ(app.gameState->questStates[1], 1) << "quest 2 is given";
    EXPECT_EQ(app.controlPanel->giftQuest, 1u);
    EXPECT_GT(app.gameState->shipArmor, 0u) << "the ship came through the fight";
    const uint32_t experience = app.gameState->experience;

    // Esc and Yes save it in slot 1 and leave for the main menu.
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 200));
    DataBlob blob;
    const uint8_t* body = save_file::ReadValidSlot(1, blob);
    ASSERT_NE(body, nullptr) << "slot 1 holds no game";
    auto saved = std::make_unique<GameState>();
    ASSERT_TRUE(save_file::Decode(body, save_file::kBodyBytes, *saved));
    EXPECT_EQ(saved->questStates[0], 2);
    EXPECT_EQ(saved->questStates[1], 1);
    EXPECT_EQ(saved->experience, experience);

    // L and 1 load it back, before any prepared record.
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 200));
    for (const DriverAction& action : actions) {
        const bool prepared =
            action.kind == DriverAction::Kind::SetField || action.kind == DriverAction::Kind::SwitchScene;
        EXPECT_FALSE(prepared && action.frame < driver.FrameNumber()) << "a prepared record before the load";
    }
    const GameState& state = *app.gameState;
    EXPECT_EQ(state.loadSucceeded, 1);
    EXPECT_EQ(state.questStates[0], 2);
    EXPECT_EQ(state.questStates[1], 1);
    EXPECT_EQ(state.experience, experience);

    // On from the prepared records to the Hall of Fame.
    driver.RunFrames(kScriptFrames - driver.FrameNumber());
    ASSERT_EQ(app.sceneFrame, SceneId::HallOfFame);
    EXPECT_EQ(state.saveSlot, 1);
    EXPECT_EQ(state.questSet, 2);
    EXPECT_EQ(state.storyStage, 2);
    EXPECT_EQ(state.hallOfFame.used[0], 1);
    EXPECT_EQ(state.hallOfFame.used[1], 0);
    EXPECT_EQ(state.hallOfFame.values[0], 37);
    EXPECT_EQ(std::memcmp(state.hallOfFame.names[0], state.playerName, 4), 0);
    EXPECT_EQ(state.playerName[0], 27) << "the name typed, \"zed\"";
    EXPECT_EQ(state.experience, experience) << "what the first quest brought is still there";
}

}  // namespace
