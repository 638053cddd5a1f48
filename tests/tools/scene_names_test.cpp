// Runs every scene the game has, headless, and checks that each file it
// asked for is one of the stand-ins. New scenes are covered as they come.
#include <gtest/gtest.h>

#include <iterator>
#include <set>

#include "harness/game_driver.h"
#include "manifest_check.h"
#include "platform/game_path.h"
#include "shell/scene_id.h"

namespace {

// Every scene but those that write the record away or end the run.
constexpr SceneId kScenes[] = {
    SceneId::Title,     SceneId::MainMenu,   SceneId::Options,   SceneId::Credits,   SceneId::HallOfFame,
    SceneId::Help,      SceneId::LoadGamePicker, SceneId::NewGameSlot, SceneId::NameEntry, SceneId::Story,
    SceneId::Galaxy,    SceneId::HomeBase,   SceneId::EarthSystem, SceneId::Invasions, SceneId::Buildings,
    SceneId::Construct, SceneId::MakeRobots, SceneId::Robots,    SceneId::Awards,    SceneId::Wealth,
    SceneId::Notes,     SceneId::YourShip,   SceneId::Skills,    SceneId::Store,     SceneId::Quests,
    SceneId::SaveQuit,
};
constexpr uint32_t kFramesPerScene = 20;

TEST(StandinScenes, EveryFileTheScenesAskForIsAStandIn) {
    ClearRequestedGamePaths();
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(kFramesPerScene);
    // The table serves every scene of the game.
    for (int k = 0; k < kSceneCount; ++k) {
        EXPECT_NE(driver.App().SceneFor(static_cast<SceneId>(k)), nullptr) << scenes::Name(static_cast<SceneId>(k));
    }
    size_t visited = 0;
    for (SceneId scene : kScenes) {
        SCOPED_TRACE(scenes::Name(scene));
        driver.App().SwitchScene(scene);
        driver.RunFrames(kFramesPerScene);
        ++visited;
        if (driver.QuitRequested()) break;
    }
    EXPECT_EQ(visited, std::size(kScenes)) << "the run ended early: the scenes after it went unchecked";
    driver.Finish();
    const std::vector<std::string> requested = RequestedGamePaths();
    EXPECT_FALSE(requested.empty());
    EXPECT_EQ(standin::NamesMissingFromRepoManifest(requested), std::vector<std::string>{});
    std::set<std::string> kinds;
    for (const std::string& name : requested) kinds.insert(name.substr(0, 4));
    EXPECT_TRUE(kinds.count("Art\\") || kinds.count("Art/")) << "no picture was asked for";
}

}  // namespace
