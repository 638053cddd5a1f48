// Runs every scene the game has, headless, and checks that each file it
// asked for is one of the stand-ins. New scenes are covered as they come.
#include <gtest/gtest.h>

#include <set>

#include "harness/game_driver.h"
#include "manifest_check.h"
#include "platform/game_path.h"
#include "shell/scene_entries.h"

namespace {

// Every scene but those that write the record away or end the run.
constexpr SceneThunk kScenes[] = {
    scenes::Title,     scenes::MainMenu,   scenes::Options,   scenes::Credits,   scenes::HallOfFame,
    scenes::Help,      scenes::LoadGamePicker, scenes::NewGameSlot, scenes::NameEntry, scenes::Story,
    scenes::Galaxy,    scenes::HomeBase,   scenes::EarthSystem, scenes::Invasions, scenes::Buildings,
    scenes::Construct, scenes::MakeRobots, scenes::Robots,    scenes::Awards,    scenes::Wealth,
    scenes::Notes,     scenes::YourShip,   scenes::Skills,    scenes::Store,     scenes::Quests,
    scenes::SaveQuit,
};
constexpr uint32_t kFramesPerScene = 20;

TEST(StandinScenes, EveryFileTheScenesAskForIsAStandIn) {
    ClearRequestedGamePaths();
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(kFramesPerScene);
    for (SceneThunk scene : kScenes) {
        SCOPED_TRACE(scenes::Name(scene));
        driver.App().SwitchScene(scene);
        driver.RunFrames(kFramesPerScene);
        if (driver.QuitRequested()) break;
    }
    driver.Finish();
    const std::vector<std::string> requested = RequestedGamePaths();
    EXPECT_FALSE(requested.empty());
    EXPECT_EQ(standin::NamesMissingFromRepoManifest(requested), std::vector<std::string>{});
    std::set<std::string> kinds;
    for (const std::string& name : requested) kinds.insert(name.substr(0, 4));
    EXPECT_TRUE(kinds.count("Art\\") || kinds.count("Art/")) << "no picture was asked for";
}

}  // namespace
