// The second region's quests won in play: a quest's jingle against the
// event sounds with music on and off, the victory in Vexmoor that no hotkey
// of the same frame can undo, and the example script that plays the victory
// on to the Hall of Fame.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "areas/area_session.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr size_t kElectric = static_cast<size_t>(AreaSound::Electric);

class InvasionsWinTest : public RegionTest {
protected:
    void SetUp() override {
        regionScene_ = SceneId::Invasions;
        RegionTest::SetUp();
    }
    // A saved game as the loader takes it: quest q of the second set active,
    // the ones before it done, a sturdy ship and an Armageddon Attack that
    // destroys whatever is in the area.
    void LoadGameAtQuest(int q, uint8_t musicOn) {
        std::string states = q > 1 ? std::to_string(2) + "*" + std::to_string(q - 1) + " " : "";
        states += "1 0*" + std::to_string(100 - q);
        ASSERT_TRUE(driver_.SetField("questSet", "2"));
        ASSERT_TRUE(driver_.SetField("questStates", states));
        ASSERT_TRUE(driver_.SetField("skillLevels", "1 0*10 1"));
        ASSERT_TRUE(driver_.SetField("skillBenefits", "1 0*10 4000000000"));
        ASSERT_TRUE(driver_.SetField("skillCharges", "1 0*10 4000000000"));
        ASSERT_TRUE(driver_.SetField("energy", "500"));
        ASSERT_TRUE(driver_.SetField("energyMax", "500"));
        ASSERT_TRUE(driver_.SetField("shipArmor", "2000000"));
        ASSERT_TRUE(driver_.SetField("shipArmorMax", "2000000"));
        // No level-up flash from the reward: it would hold the sounds back too.
        ASSERT_TRUE(driver_.SetField("nextLevelExperience", "1000000"));
        State().musicOn = musicOn;
        record_exchange::SeedEngine(Engine(), State());
    }
    // F12 at `seconds`, then on until none is left: the blow falls about two
    // seconds later.
    void ClearTheAreaAfter(uint32_t seconds) {
        RunSeconds(seconds);
        Tap(key::kF12);
        for (int guard = 0; guard < 300 && LiveEnemies(Engine()) > 0; ++guard) RunFrames(1);
        ASSERT_EQ(LiveEnemies(Engine()), 0);
    }
    // Pluto's quest won in play with auto fire on; the frame it is paid ends.
    void WinPlutosQuest(uint8_t musicOn) {
        LoadGameAtQuest(1, musicOn);
        EnterArea(2, 200, -600);
        if (!Panel().autoFire) Tap(key::kF);
        ASSERT_EQ(Panel().autoFire, 1);
        ClearTheAreaAfter(2);  // the last wave comes after 3 seconds
        for (int guard = 0; guard < 600 && State().questStates[0] != 2; ++guard) RunFrames(1);
        ASSERT_EQ(State().questStates[0], 2);
        ASSERT_EQ(Area().secondsInArea, 5u) << "done on the first frame after four seconds";
    }
    uint32_t Volleys() { return Area().soundsPlayed[kElectric]; }
};

TEST_F(InvasionsWinTest, WithMusicOffTheJingleHoldsNothingBackAfterAQuest) {
    WinPlutosQuest(0);
    EXPECT_EQ(State().questJingle, 0) << "no track, no jingle";
    const uint32_t volleys = Volleys();
    RunFrames(30);
    EXPECT_GT(Volleys(), volleys) << "the volleys sound on at once";
}

TEST_F(InvasionsWinTest, WithMusicOnTheJingleHoldsTheEventSoundsBackUntilItsTrackEnds) {
    WinPlutosQuest(1);
    ASSERT_EQ(State().questJingle, 3) << "the jingle's track plays";
    uint32_t volleys = Volleys();
    int held = 0;
    bool volleyWaiting = false;
    // The mixer plays the track in real time, so its end is not a number of
    // frames: the track is paused (it still counts as playing) while the
    // frames run, then ended as its last note would end it.
    Mix_PauseMusic();
    constexpr int kHeldFrames = 60;
    for (int frame = 0; frame < kHeldFrames && State().questJingle != 0; ++frame) {
        RunFrames(1);
        if (State().questJingle == 0) break;
        ++held;
        EXPECT_EQ(Volleys(), volleys) << "no volley is heard under the jingle";
        volleyWaiting |= Panel().electricSound != 0;
    }
    EXPECT_EQ(held, kHeldFrames) << "the jingle's track is still playing";
    App().music.Stop();
    RunFrames(1);
    EXPECT_TRUE(volleyWaiting) << "the ship fires on, its volley waits for the jingle's end";
    ASSERT_EQ(State().questJingle, 0) << "the jingle ends with its track";
    volleys = Volleys();
    RunFrames(30);
    EXPECT_GT(Volleys(), volleys);
}

// Vexmoor's last wave comes after 45 seconds; the quest is won on the first
// frame after 46 with the area clear. A hotkey held in that very frame leaves
// the way to the hall of fame as it is.
TEST_F(InvasionsWinTest, VictoryInVexmoorLeadsToTheHallOfFameWhateverHotkeyIsHeldInThatFrame) {
    LoadGameAtQuest(12, 1);
    EnterArea(20, 863, -1390);
    const uint32_t gold = State().resources[GameState::kGold];
    ClearTheAreaAfter(44);
    ASSERT_EQ(Area().secondsInArea, 46u) << "the last wave is out and cleared before the time is up";
    RunSeconds(47);
    ASSERT_EQ(App().sceneFrame, SceneId::Invasions);
    ASSERT_EQ(State().questStates[11], 1);

    driver_.PressKey(key::kW);  // the Wealth screen's hotkey
    RunFrames(1);
    driver_.ReleaseKey(key::kW);
    EXPECT_EQ(App().sceneFrame, SceneId::WriteHallOfFame);
    EXPECT_EQ(State().questStates[11], 2);
    EXPECT_EQ(State().resources[GameState::kGold], gold + 200) << "quest 24 is still paid";
    EXPECT_EQ(Panel().giftQuest, 12u);
    EXPECT_EQ(State().musicCue, 2) << "the victory music has started";
    EXPECT_EQ(State().questJingle, 0) << "instead of the quest's jingle";
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::Galaxy, 30));
}

// The ship waits on Vexmoor's home portal with the prompt's row held under
// the pointer; the button let go on the very frame the last quest is won
// leaves the way to the hall of fame as it is.
TEST_F(InvasionsWinTest, APromptLetGoOnTheFrameOfVictoryDoesNotTakeTheShipHome) {
    constexpr int kRight = 1;  // chooses without steering
    LoadGameAtQuest(12, 0);
    EnterArea(20, 832, -4642);
    ASSERT_TRUE(FlyOntoPortal(0));
    ClearTheAreaAfter(44);
    PointAt(400, 50);
    driver_.PressButton(kRight);
    for (int guard = 0; guard < 200 && Area().secondsInArea < 47; ++guard) RunFrames(1);
    ASSERT_EQ(Area().secondsInArea, 47u);
    ASSERT_EQ(App().sceneFrame, SceneId::Invasions) << "the quest is checked on the next frame";
    ASSERT_NE(Engine().portal.touched[0], 0);
    ASSERT_EQ(Panel().menuRowHover, 2);
    ASSERT_EQ(Engine().menuChoice, 2) << "the row is taken";
    driver_.ReleaseButton(kRight);
    RunFrames(1);
    EXPECT_EQ(App().sceneFrame, SceneId::WriteHallOfFame);
    EXPECT_EQ(State().questStates[11], 2);
    EXPECT_EQ(Backdrop().areaNumber, 20);
}

// The example script plays the end of quest 24 to the Hall of Fame.
TEST(InvasionsScript, TheVictoryExampleEndsInTheHallOfFameWithThePlayersLevel) {
    GameDriver driver;
    ASSERT_TRUE(driver.StartScript("example-victory.txt"));
    driver.RunFrames(2900);
    ASSERT_EQ(driver.App().sceneFrame, SceneId::Invasions);
    EXPECT_EQ(driver.App().areaBackdrop->areaNumber, 20);
    EXPECT_GT(LiveEnemies(*driver.App().battleEngine), 0) << "Vexmoor's waves are out";
    EXPECT_EQ(driver.App().gameState->skillCharges[11], 4000000000u) << "the Skills screen handed the power over";
    driver.RunFrames(2100);
    const GameState& state = *driver.App().gameState;
    ASSERT_EQ(driver.App().sceneFrame, SceneId::HallOfFame);
    for (int q = 0; q < 12; ++q) EXPECT_EQ(state.questStates[q], 2) << q;
    EXPECT_EQ(state.hallOfFame.used[0], 1);
    EXPECT_EQ(state.hallOfFame.values[0], static_cast<int32_t>(state.level));
    EXPECT_GE(state.level, 37u);
    EXPECT_EQ(state.hallOfFame.names[0][0], state.playerName[0]);
    EXPECT_EQ(state.musicCue, 0) << "the ending played its music";
    EXPECT_TRUE(std::filesystem::exists(driver.GameDir() + "/Saves/HallOfFame.save"));
}
}  // namespace
