#include <gtest/gtest.h>

#include "harness/game_driver.h"
#include "shell/scene_id.h"

namespace {
// The scenes that only read or write a file and choose the next scene.
bool ShowsNoPicture(SceneId id) {
    return id == SceneId::SaveGame || id == SceneId::LoadGame || id == SceneId::WriteHallOfFame;
}

struct FrameCounts {
    uint32_t runs, ended, leftOpen;
};

FrameCounts Counts(const GameApp& app) { return {app.sceneRuns, app.picturesEnded, app.picturesLeftOpen}; }
}  // namespace

// Every scene of the table, entered and then kept, ends each frame it draws
// with the end step (device test and present); the file-only scenes draw no
// picture at all.
TEST(SceneFrameOrder, EveryScenesFrameEndsThePictureItBegins) {
    GameDriver driver;
    ASSERT_TRUE(driver.NewGameToHomeBase());
    GameApp& app = driver.App();
    for (int k = 0; k < kSceneCount; ++k) {
        const auto id = static_cast<SceneId>(k);
        SCOPED_TRACE(scenes::Name(id));
        ASSERT_NE(app.SceneFor(id), nullptr);
        driver.SwitchToScene(id);
        ASSERT_TRUE(app.IsCurrent(id)) << "the switch did not take";
        for (int frame = 0; frame < 2 && app.IsCurrent(id); ++frame) {
            const FrameCounts before = Counts(app);
            driver.RunFrames(1);
            const FrameCounts after = Counts(app);
            ASSERT_EQ(after.runs, before.runs + 1);
            EXPECT_EQ(after.leftOpen, before.leftOpen) << "frame " << frame << " began a picture and never ended it";
            EXPECT_EQ(after.ended, before.ended + (ShowsNoPicture(id) ? 0u : 1u)) << "frame " << frame;
        }
    }
}
