// Every scene of the table loses the device once and must come back with its
// art: the picture after the reset is compared with the one taken before it.
// Each scene is reached as a player reaches it, or, deep in a game, from a
// prepared record as the driver's set and scene lines do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/sprite_draw.h"
#include "platform/sprite_sheet.h"
#include "shell/game_state.h"

namespace {

using WayIn = std::function<bool(GameDriver&)>;

constexpr double kScreenDrift = 0.025;
constexpr double kAreaDrift = 0.25;

// How a scene is met. A passing scene does its work in one frame and draws
// nothing of its own: the device is lost in that frame and the scene it
// hands over to is compared with the same frame of a run without the loss.
enum class Kind { Drawn, Passing };

struct SceneCase {
    SceneId scene;
    Kind kind;
    WayIn wayIn;      // ends with the scene current (for a passing one: due in the next frame)
    uint32_t settle;  // frames run in the scene before the picture is taken
    // Share of the pixels that stand still without the loss that may differ
    // after it: the advisor's rise is a step ahead after a return, and the
    // areas' backdrop drifts with it.
    double drift = kScreenDrift;
};

bool Menu(GameDriver& driver) { return driver.ToMainMenu(); }

bool FromMenu(GameDriver& driver, uint8_t code, SceneId scene) {
    if (!driver.ToMainMenu()) return false;
    driver.TapKey(code);
    return driver.RunUntilScene(scene, 20);
}

bool HomeBase(GameDriver& driver) { return driven_play::NewGameAtHomeBase(driver); }

bool FromHomeBase(GameDriver& driver, uint8_t code, SceneId scene) {
    if (!HomeBase(driver)) return false;
    driver.TapKey(code);
    return driver.RunUntilScene(scene, 20);
}

// From a new game, the record as a later stage of the game leaves it.
bool Prepared(GameDriver& driver, std::initializer_list<std::pair<const char*, const char*>> fields, SceneId scene) {
    if (!HomeBase(driver)) return false;
    for (const auto& [name, values] : fields) {
        if (!driver.SetField(name, values)) return false;
    }
    driver.SwitchToScene(scene);
    return driver.RunUntilScene(scene, 20);
}

// Up to the frame before a passing scene: `last`, the key that leads into
// it, is pressed (and stays held).
bool BeforePassing(GameDriver& driver, uint8_t last) {
    driver.PressKey(last);
    return true;
}

std::vector<SceneCase> Cases() {
    using S = SceneId;
    return {
        {S::Title, Kind::Drawn, [](GameDriver& d) { return d.Start(); }, 5},
        {S::MainMenu, Kind::Drawn, Menu, 240},
        {S::NewGameSlot, Kind::Drawn,
         [](GameDriver& d) {
             if (!d.Start()) return false;
             GameState record;
             record.NewGame();
             for (int slot = 1; slot <= GameState::kSlotCount; ++slot) {
                 if (!d.WriteSaveSlot(slot, record)) return false;
             }
             if (!Menu(d)) return false;
             d.TapKey(key::kN);
             return d.RunUntilScene(S::NewGameSlot, 20);
         },
         30},
        {S::LoadGamePicker, Kind::Drawn, [](GameDriver& d) { return FromMenu(d, key::kL, S::LoadGamePicker); }, 30},
        {S::NameEntry, Kind::Drawn, [](GameDriver& d) { return FromMenu(d, key::kN, S::NameEntry); }, 30},
        {S::Story, Kind::Drawn,
         [](GameDriver& d) {
             if (!FromMenu(d, key::kN, S::NameEntry)) return false;
             d.TapKey(key::kReturn);
             return d.RunUntilScene(S::Story, 5);
         },
         60},
        {S::Galaxy, Kind::Drawn,
         [](GameDriver& d) { return Prepared(d, {{"questStates", "1 0*99"}, {"musicCue", "1"}}, S::Galaxy); }, 60},
        {S::SaveQuit, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kEscape, S::SaveQuit); }, 20},
        {S::SaveGame, Kind::Passing,
         [](GameDriver& d) {
             if (!FromHomeBase(d, key::kEscape, S::SaveQuit)) return false;
             d.RunFrames(5);
             return BeforePassing(d, key::kY);
         },
         40},
        {S::LoadGame, Kind::Passing,
         [](GameDriver& d) {
             // A game in slot 1 to load, there before the picker reads the slots.
             if (!d.Start()) return false;
             GameState record;
             record.NewGame();
             record.saveSlot = 1;
             if (!d.WriteSaveSlot(1, record)) return false;
             return FromMenu(d, key::kL, S::LoadGamePicker) && BeforePassing(d, key::k1);
         },
         40},
        {S::WriteHallOfFame, Kind::Passing,
         [](GameDriver& d) {
             if (!HomeBase(d) || !d.SetField("questSet", "2") || !d.SetField("level", "37") ||
                 !d.SetField("musicCue", "2")) {
                 return false;
             }
             d.SwitchToScene(S::WriteHallOfFame);
             return true;
         },
         60},
        {S::HallOfFame, Kind::Drawn, [](GameDriver& d) { return FromMenu(d, key::kH, S::HallOfFame); }, 30},
        {S::Help, Kind::Drawn, [](GameDriver& d) { return FromMenu(d, key::kI, S::Help); }, 30},
        {S::Credits, Kind::Drawn, [](GameDriver& d) { return FromMenu(d, key::kC, S::Credits); }, 30},
        {S::Options, Kind::Drawn, [](GameDriver& d) { return FromMenu(d, key::kO, S::Options); }, 30},
        {S::HomeBase, Kind::Drawn, HomeBase, 30, kAreaDrift},
        {S::EarthSystem, Kind::Drawn,
         [](GameDriver& d) { return HomeBase(d) && driven_play::FlyToBorderArea(d); }, 30, kAreaDrift},
        {S::Invasions, Kind::Drawn,
         [](GameDriver& d) {
             return Prepared(d, {{"questSet", "2"}, {"questStates", "2 2 1 0*97"}, {"currentArea", "8"}},
                             S::Invasions);
         },
         30, kAreaDrift},
        {S::Store, Kind::Drawn,
         [](GameDriver& d) { return HomeBase(d) && driven_play::FlyToTravelRow(d, 2, S::Store); }, 30},
        {S::Construct, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kC, S::Construct); }, 30},
        {S::YourShip, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kY, S::YourShip); }, 30},
        {S::Buildings, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kB, S::Buildings); }, 30},
        {S::Robots, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kR, S::Robots); }, 30},
        {S::Quests, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kQ, S::Quests); }, 30},
        {S::Awards, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kA, S::Awards); }, 30},
        {S::Wealth, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kW, S::Wealth); }, 30},
        {S::Skills, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kS, S::Skills); }, 30},
        {S::Notes, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kN, S::Notes); }, 30},
        {S::MakeRobots, Kind::Drawn, [](GameDriver& d) { return FromHomeBase(d, key::kM, S::MakeRobots); }, 30},
    };
}

SceneCase CaseFor(SceneId scene) {
    for (const SceneCase& c : Cases()) {
        if (c.scene == scene) return c;
    }
    return {scene, Kind::Drawn, nullptr, 0};
}

Image BackBuffer(GameDriver& driver) {
    Image picture;
    EXPECT_TRUE(driver.App().graphics.ReadBackBuffer(picture));
    return picture;
}

// Pixels that would have to change colour (in 8 levels a channel) for one
// picture's colours to be the other's: moving things keep their colours, a
// missing picture takes its colours away.
long ColoursMoved(const Image& a, const Image& b) {
    std::vector<long> bins(512, 0);
    auto bin = [](uint32_t p) { return (p >> 21 & 7) << 6 | (p >> 13 & 7) << 3 | (p >> 5 & 7); };
    for (uint32_t p : a.pixels) ++bins[bin(p)];
    for (uint32_t p : b.pixels) --bins[bin(p)];
    long moved = 0;
    for (long n : bins) moved += std::abs(n);
    return moved / 2;
}

// Pixels that stay the same in every frame of the run without the loss, and
// of those the ones the picture after the return draws otherwise.
long ChangedWhereStill(const std::vector<Image>& frames, const Image& kept, const Image& after, long& still) {
    long changed = 0;
    still = 0;
    for (size_t i = 0; i < kept.pixels.size(); ++i) {
        const bool stands = std::all_of(frames.begin(), frames.end(),
                                        [&](const Image& f) { return f.pixels[i] == kept.pixels[i]; });
        if (!stands) continue;
        ++still;
        changed += after.pixels[i] != kept.pixels[i];
    }
    return changed;
}

void SavePicture(const Image& picture, const std::string& name) {
    const char* out = std::getenv("GAME_TEST_OUT");
    if (!out) return;
    const std::filesystem::path dir = std::filesystem::path(out) / "device-loss";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    SavePngFile((dir / (name + ".png")).string(), picture);
}

// Lost at the end of the next frame, two frames without a device, then back:
// the frame of the return shows "L O A D I N G" and runs the scene again.
void LoseAndRestore(GameDriver& driver) {
    GameApp& app = driver.App();
    const uint32_t loading = app.loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(3);
    EXPECT_EQ(app.deviceLost, 1) << "the loss was seen";
    driver.RestoreDevice();
    driver.RunFrames(1);
    EXPECT_EQ(app.deviceLost, 0);
    EXPECT_EQ(app.loadingScreens, loading + 1) << "the device came back through the loading frame";
}

class SceneDeviceLoss : public ::testing::TestWithParam<int> {};

// Runs the scene's way in and its settling frames; with `lose`, the device is
// lost and comes back in the frames after. The pictures of the last frame
// before the loss and of the frame kFramesAfter later.
struct Pictures {
    Image before, after;
    std::vector<Image> frames;
    SceneId endScene = SceneId::Title;
    bool visited = false;  // the scene was current between two frames of the run without the loss
    size_t drawsAfter = 0;  // sprite draws that reached the renderer in the frame of `after`
};

// Runs one frame, counting the sprite draws that reach the renderer: a draw
// from a picture that was not made again after a loss never does.
size_t DrawsOfAFrame(GameDriver& driver) {
    std::vector<SpriteCall> calls;
    RecordSpriteCalls(&calls);
    driver.RunFrames(1);
    RecordSpriteCalls(nullptr);
    return calls.size();
}

constexpr uint32_t kFramesAfter = 6;  // three lost, the return, two more
constexpr uint32_t kFramesBeyond = 12;  // the loss's run may be ahead in a moving scene
// A moving scene's picture keeps its colours but for what moves: the areas'
// drifting backdrop and their dust change up to about 5% of the pixels'
// colours between nearby frames.
constexpr double kMovingShare = 0.06;

::testing::AssertionResult Play(const SceneCase& c, bool lose, Pictures& run) {
    GameDriver driver;
    if (!c.wayIn(driver)) return ::testing::AssertionFailure() << "the scene did not come";
    if (c.kind == Kind::Drawn) {
        driver.RunFrames(c.settle);
        if (!driver.App().IsCurrent(c.scene)) return ::testing::AssertionFailure() << "left before the loss";
    }
    run.before = BackBuffer(driver);
    run.visited = driver.App().IsCurrent(c.scene);
    const uint32_t end = driver.FrameNumber() + kFramesAfter;
    if (lose) {
        LoseAndRestore(driver);
        driver.RunFrames(end - driver.FrameNumber() - 1);
        run.drawsAfter = DrawsOfAFrame(driver);
        run.after = BackBuffer(driver);
    } else {
        run.frames.push_back(run.before);
        for (uint32_t k = 0; k < kFramesAfter + kFramesBeyond; ++k) {
            if (driver.FrameNumber() + 1 == end) run.drawsAfter = DrawsOfAFrame(driver);
            else driver.RunFrames(1);
            run.visited |= driver.App().IsCurrent(c.scene);
            run.frames.push_back(BackBuffer(driver));
            if (driver.FrameNumber() == end) run.after = run.frames.back();
        }
    }
    run.endScene = driver.App().sceneFrame;
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(SceneDeviceLossTable, EverySceneHasAWayIn) {
    for (int id = 0; id < kSceneCount; ++id) {
        EXPECT_TRUE(CaseFor(static_cast<SceneId>(id)).wayIn) << scenes::Name(static_cast<SceneId>(id));
    }
}

// The same frames twice, once without the loss. A scene whose picture
// stands still must draw after the return exactly what it drew before. A
// moving one is compared with the frames around the same moment of the run
// without the loss: some frame of those must have (nearly) the colours of
// the picture after the return, which a missing picture cannot.
TEST_P(SceneDeviceLoss, ComesBackWithItsArt) {
    const SceneCase c = CaseFor(static_cast<SceneId>(GetParam()));
    ASSERT_TRUE(c.wayIn) << "no way into the scene";
    const std::string name = scenes::Name(c.scene);
    const int64_t pastGrid = SpriteSheet::DrawsPastGrid();
    Pictures kept, lost;
    ASSERT_TRUE(Play(c, false, kept));
    ASSERT_TRUE(Play(c, true, lost));
    SavePicture(lost.before, name + "-before");
    SavePicture(lost.after, name + "-after");
    SavePicture(kept.after, name + "-without-loss");
    EXPECT_EQ(lost.endScene, kept.endScene) << "ended in " << scenes::Name(lost.endScene);
    ASSERT_TRUE(kept.visited) << "the way in never reached the scene";
    if (c.kind == Kind::Drawn) {
        EXPECT_EQ(lost.endScene, c.scene);
    } else {
        EXPECT_NE(kept.endScene, c.scene) << "a passing scene hands over";
    }
    const bool still = std::all_of(kept.frames.begin(), kept.frames.end(),
                                   [&](const Image& f) { return f.pixels == kept.frames.front().pixels; });
    if (still) {
        EXPECT_TRUE(lost.after.pixels == lost.before.pixels) << ColoursMoved(lost.before, lost.after)
                                                             << " pixels changed colour over the loss";
        EXPECT_TRUE(lost.after.pixels == kept.after.pixels);
    } else {
        long nearest = static_cast<long>(lost.after.pixels.size());
        for (const Image& f : kept.frames) nearest = std::min(nearest, ColoursMoved(f, lost.after));
        EXPECT_LE(nearest, static_cast<long>(kMovingShare * static_cast<double>(lost.after.pixels.size())))
            << "pixels of other colours than any frame around the same moment without the loss";
        long stillPixels = 0;
        const long changed = ChangedWhereStill(kept.frames, kept.after, lost.after, stillPixels);
        EXPECT_LE(changed, static_cast<long>(c.drift * static_cast<double>(stillPixels)))
            << "of " << stillPixels << " pixels that stand still without the loss";
    }
    // Every picture made again: the frame draws as many sprites as without the loss.
    EXPECT_GT(kept.drawsAfter, 0u);
    EXPECT_EQ(lost.drawsAfter, kept.drawsAfter) << "sprite draws in the same frame without the loss";
    EXPECT_EQ(SpriteSheet::DrawsPastGrid(), pastGrid)
        << "frame " << SpriteSheet::LastDrawPastGrid().frame << " of image " << SpriteSheet::LastDrawPastGrid().image;
}

INSTANTIATE_TEST_SUITE_P(EveryScene, SceneDeviceLoss, ::testing::Range(0, kSceneCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(scenes::Name(static_cast<SceneId>(info.param)));
                         });
