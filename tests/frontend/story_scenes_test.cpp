// The story, the galaxy interlude and the Hall of Fame page driven through
// the real game: a new game's intro, the change of quest set after quest 12,
// the ending after quest 24 with its save, and the page's file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "areas/area_session.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "frontend/galaxy_animation.h"
#include "frontend/galaxy_scene.h"
#include "frontend/hall_of_fame_scene.h"
#include "frontend/hall_of_fame_screen.h"
#include "frontend/story_cutscene.h"
#include "frontend/story_scene.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "platform/data_blob.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/sprite_sheet.h"
#include "shell/game_state.h"
#include "shell/hall_of_fame_file.h"
#include "frontend/name_entry_scene.h"

namespace {

constexpr uint32_t kMsPerFrame = 16;
constexpr uint32_t FramesFor(uint32_t ms) { return ms / kMsPerFrame; }
const uint8_t kZed[] = {27, 6, 5, 1, 0};

class StoryGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver.Start());
        driver.RunFrames(2);
        driver.TapKey(key::kReturn);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    }
    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    const StoryCutscene* Cutscene() { return driver.SceneAs<StoryScene>(SceneId::Story).Cutscene(); }
    const HallOfFameScreen& Page() { return *driver.SceneAs<HallOfFameScene>(SceneId::HallOfFame).Screen(); }

    // A new game named "zed", stopped before the intro's first frame.
    void NameAGame() {
        driver.TapKey(key::kN);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::NameEntry, 10));
        for (uint8_t letter : {key::kZ, key::kE, key::kD}) driver.TapKey(letter);
        driver.PressKey(key::kReturn);
        driver.RunFrames(1);
        driver.ReleaseKey(key::kReturn);
        ASSERT_EQ(App().sceneFrame, SceneId::Story);
    }
    // A key on the intro's first frame: the named game starts at once.
    void ToHomeBase() {
        NameAGame();
        driver.TapKey(key::kEscape);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));
    }
    void PointAt(int32_t x, int32_t y) { driven_play::PointAt(driver, x, y); }
    void Click() { driven_play::Click(driver); }
    uint32_t FramesUntilLeft(SceneId scene, uint32_t limit) {
        const uint32_t start = driver.FrameNumber();
        while (App().sceneFrame == scene && driver.FrameNumber() - start < limit) driver.RunFrames(1);
        return driver.FrameNumber() - start;
    }
    void LoseAndRestoreDevice() {
        driver.LoseDevice();
        driver.RunFrames(3);
        driver.RestoreDevice();
        driver.RunFrames(2);
    }
    // Screenshot to look at; returns the share of pixels in the rectangle that are not black.
    double Shot(const std::string& name, int x0 = 0, int y0 = 0, int width = 800, int height = 600) {
        const char* out = std::getenv("GAME_TEST_OUT");
        driver.Screenshot(std::string(out ? out : "/tmp") + "/" + name + ".png");
        Image picture;
        App().graphics.ReadBackBuffer(picture);
        int lit = 0;
        for (int y = y0; y < y0 + height; ++y) {
            for (int x = x0; x < x0 + width; ++x) lit += (picture.At(x, y) & 0xFFFFFFu) != 0;
        }
        return static_cast<double>(lit) / (width * height);
    }

    GameDriver driver;
};

TEST_F(StoryGame, TheIntroStartsTheNewGameWithTheTypedNameTheOptionVolumesAndAFullySeededEngine) {
    NameAGame();
    // Only the intro reads these: the title's reading went with the name entry.
    std::ofstream("Saves/Options/MusicVolume.txt") << 0;
    std::ofstream("Saves/Options/SoundsVolume.txt") << 64;
    driver.RunFrames(FramesFor(3000));
    EXPECT_NEAR(600 - Cutscene()->objY[0], 70 * 3, 8) << "the picture rises at 70 px/s";
    const AdvisorBubble& advisor = *App().advisor;
    EXPECT_EQ(std::vector<int>({advisor.advisorX, advisor.bubbleShown, advisor.arrowShown}), std::vector<int>({50, 0, 0}));
    LoseAndRestoreDevice();
    EXPECT_EQ(Cutscene()->sheet->images[0].generation, GraphicsDevice::RendererGeneration());
    driver.RunFrames(FramesFor(2000));
    EXPECT_GT(Shot("story_intro", 150, 0, 500, 400), 0.9) << "the menu backdrop is back after the reset";

    Click();
    ASSERT_EQ(App().sceneFrame, SceneId::HomeBase);
    const GameState& state = State();
    EXPECT_TRUE(std::equal(std::begin(kZed), std::end(kZed), state.playerName));
    EXPECT_EQ(std::vector<uint32_t>({state.musicOn, state.musicVolume, state.soundsOn, state.soundVolume}),
              std::vector<uint32_t>({0, 0, 1, 64}));
    EXPECT_EQ(state.freshGame, 1);
    EXPECT_EQ(driver.SceneAs<NameEntryScene>(SceneId::NameEntry).Panel(), nullptr);
    // Every skill, also those the home base does not copy over.
    const BattleEngine& engine = *App().battleEngine;
    for (int k = 0; k < GameState::kSkillCount; ++k) {
        EXPECT_EQ(engine.skillFullCharges[k], static_cast<int32_t>(state.skillBenefits[k])) << "skill " << k;
    }
    EXPECT_EQ(engine.skillValues[11], state.skillCharges[11]);
}

// Quest 12 done in the first region: the interlude, the second set and its
// region; quest 24 done there: the interlude again, then the ending.
TEST_F(StoryGame, TheFirstSetEndsThroughTheInterludeInTheSecondAndTheSecondInTheEnding) {
    ToHomeBase();
    GameState& state = State();
    // In the last area of the first set, its waves fought off, a second before quest 12 is done.
    App().areaBackdrop->areaNumber = 28;
    state.currentArea = 28;
    std::fill(std::begin(state.questStates), std::end(state.questStates), uint8_t{2});
    state.questStates[11] = 1;
    App().SwitchScene(SceneId::EarthSystem);
    driver.RunFrames(1);
    BattleEngine& engine = *App().battleEngine;
    std::fill(std::begin(engine.waveFired), std::end(engine.waveFired), uint8_t{1});
    std::fill(std::begin(engine.enemy.active), std::end(engine.enemy.active), uint8_t{0});
    driver.SceneAs<RegionScene>(SceneId::EarthSystem).Session().clockMark = 30;
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Galaxy, FramesFor(1500)));

    // No shortcut key leaves the interlude; it ends on its seventh second.
    driver.RunFrames(FramesFor(3000));
    driver.TapKey(key::kY);
    EXPECT_GT(Shot("galaxy_interlude"), 0.5);
    const uint32_t frames = FramesUntilLeft(SceneId::Galaxy, FramesFor(8000)) + FramesFor(3000) + 2;
    EXPECT_NEAR(frames * kMsPerFrame, 7000, 2 * kMsPerFrame);
    ASSERT_EQ(App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(state.questSet, 2u);
    EXPECT_EQ(state.questStates[0], 1);
    driver.RunFrames(5);
    ASSERT_TRUE(driven_play::FlyToThirdRow(driver, SceneId::Invasions));
    driver.RunFrames(5);
    Shot("second_region");
    LoseAndRestoreDevice();

    // Quest 24 done: the second region hands over to the hall-of-fame writer.
    App().SwitchScene(SceneId::WriteHallOfFame);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Galaxy, 2));
    const GalaxyAnimation& galaxy = *driver.SceneAs<GalaxyScene>(SceneId::Galaxy).Animation();
    EXPECT_GT(galaxy.galaxyScaleX, 1.5f) << "goes on from where the first interlude stopped";
    const auto alive = [&galaxy] { return galaxy.sheet->images[11].generation == GraphicsDevice::RendererGeneration(); };
    EXPECT_TRUE(alive()) << "back after the reset in the second region";
    LoseAndRestoreDevice();
    EXPECT_TRUE(alive()) << "and after one here";
    driver.RunFrames(FramesFor(1000));
    Click();
    EXPECT_EQ(App().sceneFrame, SceneId::Galaxy) << "a click skips only after the second second";
    driver.RunFrames(FramesFor(2000));
    Click();
    ASSERT_EQ(App().sceneFrame, SceneId::Story);
    EXPECT_EQ(Cutscene()->stage, StoryCutscene::kEnding);
}

// From a record at the end of quest 24: the ending's music on its cue, its
// seventeen seconds, the save and the Hall of Fame with the new entry.
TEST_F(StoryGame, TheEndingPlaysItsSeventeenSecondsSavesAndShowsTheNewEntry) {
    ToHomeBase();
    GameState& state = State();
    state.questSet = 2;
    state.level = 37;
    state.musicCue = StoryCutscene::kCueEndingDue;
    App().SwitchScene(SceneId::WriteHallOfFame);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Galaxy, 2));
    driver.TapKey(key::kReturn);
    ASSERT_EQ(App().sceneFrame, SceneId::Story);

    driver.RunFrames(FramesFor(2000));
    EXPECT_EQ(state.musicCue, StoryCutscene::kCueEndingPlaying);
    EXPECT_EQ(App().music.loadedFile, StoryCutscene::kEndingMusic);
    EXPECT_EQ(App().music.volume, 50u);
    EXPECT_EQ(App().advisor->advisorOn, 0) << "off for the rest of the run";
    Shot("story_ending");
    const uint32_t ending = FramesUntilLeft(SceneId::Story, FramesFor(18000)) + FramesFor(2000) + 1;
    EXPECT_NEAR(ending * kMsPerFrame, 17000, 3 * kMsPerFrame);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HallOfFame, 2));
    driver.RunFrames(2);
    Shot("hall_of_fame_after_ending");

    DataBlob saved, blob;
    EXPECT_NE(saved.ReadFile("Saves\\1.save"), nullptr);
    HallOfFameRecord onDisk;
    ASSERT_TRUE(hall_of_fame_file::Read(blob, onDisk));
    EXPECT_EQ(onDisk.values[0], 37);
    EXPECT_TRUE(std::equal(std::begin(kZed), std::end(kZed), onDisk.names[0]));
    EXPECT_EQ(Page().used[0], 1);
    EXPECT_EQ(Page().values[0], 37u);
    EXPECT_TRUE(std::equal(std::begin(kZed), std::end(kZed), Page().names[0]));
    EXPECT_EQ(state.musicCue, 0);
    EXPECT_EQ(App().music.loadedFile, "Data\\Music.mid");
    EXPECT_EQ(App().music.volume, state.musicVolume);
    EXPECT_TRUE(App().music.IsPlaying());

    // Back held keeps the page; let go, the main menu.
    PointAt(HallOfFameScreen::kBackX + 30, HallOfFameScreen::kBackY + 15);
    driver.PressButton(0);
    driver.RunFrames(3);
    EXPECT_EQ(App().sceneFrame, SceneId::HallOfFame);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(App().sceneFrame, SceneId::MainMenu);
}

TEST_F(StoryGame, TheHallOfFamePageReadsItsFileOnEveryVisitAndKeepsTheRecordWithoutAWholeOne) {
    // The record holds the entry of a game won in this run; the file another.
    HallOfFameRecord& table = State().hallOfFame;
    table.used[0] = 1;
    table.values[0] = 12;
    HallOfFameRecord written = table;
    written.values[0] = 90;
    std::vector<uint8_t> body(hall_of_fame_file::kBodyBytes);
    hall_of_fame_file::Encode(written, body.data());
    const std::string music = App().music.loadedFile;

    // File bytes (0: no file), then the first entry's value shown.
    for (const auto& [bytes, shown] : {std::pair{0u, 12u}, std::pair{496u, 12u}, std::pair{600u, 90u}}) {
        SCOPED_TRACE(bytes);
        if (bytes) {
            std::ofstream file("Saves/HallOfFame.save", std::ios::binary);
            file.write(reinterpret_cast<const char*>(&bytes), 4);
            file.write(reinterpret_cast<const char*>(body.data()), bytes);
        }
        driver.TapKey(key::kH);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::HallOfFame, 3));
        EXPECT_EQ(Page().values[0], shown);
        EXPECT_EQ(App().music.loadedFile, music) << "the menu's music goes on";
        driver.TapKey(key::kEscape);
        ASSERT_EQ(App().sceneFrame, SceneId::MainMenu);
    }
}

}  // namespace
