// Device loss on any frame of any scene: whatever scene the loss starts in
// and whatever scene runs when the device comes back, the pictures it draws
// from are loaded on the renderer that now draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/image_codec.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/file_picker.h"

namespace {

// Every picture the sheet holds was made on the current renderer, and it
// holds at least one.
bool Live(const SpriteSheet* sheet) {
    if (!sheet || !sheet->images) return false;
    int loaded = 0;
    for (int i = 0; i < sheet->imageCount; ++i) {
        const Texture& image = sheet->images[i];
        if (!image.texture) continue;
        if (image.generation != GraphicsDevice::RendererGeneration()) return false;
        ++loaded;
    }
    return loaded > 0;
}

// The sheets of every shared object that exists.
::testing::AssertionResult SharedArtIsLive(const GameApp& app) {
    struct Named {
        const char* name;
        const SpriteSheet* sheet;
        bool exists;
    };
    const BattleEngine* engine = app.battleEngine.get();
    const std::vector<Named> sheets = {
        {"cursor", app.cursor ? app.cursor->sheet.get() : nullptr, app.cursor != nullptr},
        {"shared menu", app.sharedArt ? app.sharedArt->menuSheet : nullptr, app.sharedArt != nullptr},
        {"shared space", app.sharedArt ? app.sharedArt->spaceSheet : nullptr, app.sharedArt != nullptr},
        {"engine shots", engine ? engine->shotsSheet.get() : nullptr, engine != nullptr},
        {"engine ship", engine ? engine->shipSheet.get() : nullptr, engine != nullptr},
        {"engine buildings", engine ? engine->buildingsSheet.get() : nullptr, engine != nullptr},
        {"panel", app.controlPanel ? app.controlPanel->sheet : nullptr, app.controlPanel != nullptr},
        {"slot picker", app.filePicker ? app.filePicker->sheet.get() : nullptr, app.filePicker != nullptr},
    };
    for (const Named& named : sheets) {
        if (named.exists && !Live(named.sheet)) return ::testing::AssertionFailure() << named.name << " art missing";
    }
    return ::testing::AssertionSuccess();
}

// Pixels of the back buffer that are not black, the cursor's corner left out:
// a scene whose art is gone draws little more than its cursor.
int DrawnPixels(GameApp& app) {
    Image picture;
    if (!app.graphics.ReadBackBuffer(picture)) return 0;
    constexpr int kCursorBox = 64;
    const int cursorX = app.cursor ? app.cursor->drawX : -kCursorBox;
    const int cursorY = app.cursor ? app.cursor->drawY : -kCursorBox;
    int drawn = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const bool onCursor = x >= cursorX && x < cursorX + kCursorBox && y >= cursorY && y < cursorY + kCursorBox;
            if (!onCursor && (picture.pixels[static_cast<size_t>(y * picture.width + x)] & 0xFFFFFFu) != 0) ++drawn;
        }
    }
    return drawn;
}

// A scene whose art is gone draws nothing but its cursor; the smallest
// stand-in still draws two lines of text.
constexpr int kDrawnAtLeast = 100;

}  // namespace

// A shortcut key on the frame of the loss: the key's screen comes back after
// the reset, and the home base behind it still finds every picture.
TEST(DeviceLoss, AShortcutKeyOnTheFrameOfTheLossLeavesNoSceneWithoutItsArt) {
    GameDriver driver;
    ASSERT_TRUE(driver.NewGameToHomeBase());
    driver.RunFrames(5);
    driver.PressKey(key::kY);
    driver.LoseDevice();
    driver.RunFrames(1);
    driver.ReleaseKey(key::kY);
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(3);
    ASSERT_TRUE(driver.App().IsCurrent(SceneId::YourShip));
    EXPECT_EQ(driver.App().deviceLost, 0);
    EXPECT_TRUE(SharedArtIsLive(driver.App())) << "the screen chosen by the key";
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    driver.RunFrames(3);
    EXPECT_TRUE(SharedArtIsLive(driver.App())) << "back in the area";
    EXPECT_GT(DrawnPixels(driver.App()), kDrawnAtLeast);
}

// Lost while the save question shows, and answered No after the reset: the
// area it returns to draws with its panel, its shared sheets and the engine's.
TEST(DeviceLoss, ALossUnderTheSaveQuestionLeavesTheAreaItsArt) {
    GameDriver driver;
    ASSERT_TRUE(driver.NewGameToHomeBase());
    driver.RunFrames(3);
    driver.TapKey(key::kEscape);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::SaveQuit, 5));
    driver.LoseDevice();
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(2);
    ASSERT_EQ(driver.App().deviceLost, 0);
    driver.TapKey(key::kN);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5));
    driver.RunFrames(3);
    EXPECT_TRUE(SharedArtIsLive(driver.App()));
    EXPECT_GT(DrawnPixels(driver.App()), kDrawnAtLeast);
}

namespace {

// Seeded random play on one game: keys that open and leave scenes, mouse
// moves and clicks, and the device lost and restored at random frames. A
// few frames after each return, and after each switch, the shared art must
// be live and the scene must draw.
class Soak {
public:
    explicit Soak(uint32_t seed) : rng_(seed) {}

    // Runs up to `frames` frames of a game (fewer when it quits).
    void Play(GameDriver& driver, uint32_t frames) {
        releases_.clear();
        lost_ = false;
        checkAt_ = 0;
        lastScene_ = driver.App().sceneFrame;
        for (uint32_t k = 0; k < frames && !driver.QuitRequested() && !::testing::Test::HasFatalFailure(); ++k) {
            Step(driver);
        }
    }

    uint32_t losses = 0;
    uint32_t checks = 0;
    std::vector<SceneId> scenesSeen;

private:
    static constexpr uint8_t kKeys[] = {key::kReturn, key::kEscape, key::kBack, key::kN,     key::kL,
                                        key::kY,      key::kB,      key::kQ,    key::kC,     key::kM,
                                        key::kO,      key::kH,      key::kE,    key::kSpace, key::k1,
                                        key::k2,      key::kF1,     key::kF,    key::kDown,  key::kR};
    static constexpr uint32_t kCheckAfter = 3;  // frames after a return or a switch
    // Each reset reloads every shared picture; this keeps a soak's time in
    // bounds under the sanitizers.
    static constexpr uint32_t kMaxLosses = 7;

    bool Chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }

    void Step(GameDriver& driver) {
        GameApp& app = driver.App();
        const uint32_t now = driver.FrameNumber();
        ReleaseDueKeys(driver, now);
        bool pressed = false;
        if (Chance(25)) {
            const uint8_t code = kKeys[rng_() % std::size(kKeys)];
            // Esc on the title or the menu (and Q on the menu) ends the run;
            // the soak wants the scenes.
            const bool quits = (code == key::kEscape && app.IsCurrent(SceneId::Title)) ||
                               ((code == key::kEscape || code == key::kQ) && app.IsCurrent(SceneId::MainMenu));
            if (!quits) {
                driver.PressKey(code);
                releases_.emplace_back(now + 1 + rng_() % 3, code);
                pressed = true;
            }
        }
        if (Chance(30)) driver.MoveMouse(static_cast<int>(rng_() % 241) - 120, static_cast<int>(rng_() % 181) - 90);
        if (Chance(8)) driver.PressButton(static_cast<int>(rng_() % 4 == 0));
        if (Chance(8)) driver.ReleaseButton(static_cast<int>(rng_() % 2));
        // Mostly on a frame whose key may switch the scene: the loss then ends
        // one scene's frame and the reset comes back in another.
        if (!lost_ && checkAt_ == 0 && losses < kMaxLosses && (pressed ? rng_() % 1000 < 60 : rng_() % 1000 < 3)) {
            driver.LoseDevice();
            lost_ = true;
            restoreAt_ = now + 1 + rng_() % 6;
            ++losses;
        }
        if (lost_ && now >= restoreAt_) {
            driver.RestoreDevice();
            lost_ = false;
            checkAt_ = now + kCheckAfter;
        }
        driver.RunFrames(1);
        if (std::find(scenesSeen.begin(), scenesSeen.end(), app.sceneFrame) == scenesSeen.end()) {
            scenesSeen.push_back(app.sceneFrame);
        }
        // A scene entered after a loss elsewhere must find its art as well.
        if (app.sceneFrame != lastScene_ && checkAt_ == 0 && !lost_) checkAt_ = driver.FrameNumber() + kCheckAfter;
        lastScene_ = app.sceneFrame;
        if (checkAt_ != 0 && driver.FrameNumber() >= checkAt_ && !app.deviceLost) Check(app, now);
    }

    void ReleaseDueKeys(GameDriver& driver, uint32_t now) {
        for (auto it = releases_.begin(); it != releases_.end();) {
            if (it->first > now) {
                ++it;
                continue;
            }
            driver.ReleaseKey(it->second);
            it = releases_.erase(it);
        }
    }

    void Check(GameApp& app, uint32_t frame) {
        checkAt_ = 0;
        ++checks;
        ASSERT_TRUE(SharedArtIsLive(app)) << "in " << scenes::Name(app.sceneFrame) << " at frame " << frame;
        ASSERT_GT(DrawnPixels(app), kDrawnAtLeast) << "in " << scenes::Name(app.sceneFrame) << " at frame " << frame;
    }

    std::mt19937 rng_;
    std::vector<std::pair<uint32_t, uint8_t>> releases_;  // frame, key
    uint32_t restoreAt_ = 0;
    uint32_t checkAt_ = 0;
    bool lost_ = false;
    SceneId lastScene_ = SceneId::Title;
};

// From the home base onto its portal with the left button held, then the
// travel menu's "3. Border Area".
bool FlyToTheFirstRegion(GameDriver& driver) {
    GameApp& app = driver.App();
    constexpr int32_t kPortalX = 532, kPortalY = -168;
    driver.PressButton(0);
    // On until well inside, so that the click does not steer it off.
    int inside = 0;
    for (int frame = 0; frame < 400 && inside < 40; ++frame) {
        if (app.battleEngine->portal.touched[0]) ++inside;
        const AreaBackdrop& view = *app.areaBackdrop;
        const int32_t x = std::clamp(kPortalX - view.viewX, 20, 780);
        const int32_t y = std::clamp(kPortalY - view.viewY, 20, 480);
        driver.MoveMouse(x - app.cursor->x, y - app.cursor->y);
        driver.RunFrames(1);
    }
    driver.ReleaseButton(0);
    driver.PointAt(400, 72);
    driver.PressButton(1);
    driver.RunFrames(1);
    driver.ReleaseButton(1);
    return driver.RunUntilScene(SceneId::EarthSystem, 5);
}

// A few thousand frames in all, in two games so that they run side by side:
// one from the title through the menus, the pickers, a new game and the
// home base; one flown into the first region, its areas, the screens and
// the save dialog.
constexpr uint32_t kSoakFrames = 1000;

void ExpectTheSoakWandered(const Soak& soak) {
    EXPECT_GE(soak.losses, 4u);
    EXPECT_GE(soak.checks, 30u);
    EXPECT_GE(soak.scenesSeen.size(), 8u) << "the soak should wander through the scenes";
}

}  // namespace

TEST(DeviceLoss, SeededSoakFromTheTitleKeepsEveryPictureLoaded) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    Soak soak(20240611);
    soak.Play(driver, kSoakFrames);
    if (HasFatalFailure()) return;
    ExpectTheSoakWandered(soak);
}

TEST(DeviceLoss, SeededSoakFromTheFirstRegionKeepsEveryPictureLoaded) {
    GameDriver driver;
    ASSERT_TRUE(driver.NewGameToHomeBase());
    ASSERT_TRUE(FlyToTheFirstRegion(driver));
    Soak soak(20240612);
    soak.Play(driver, kSoakFrames);
    if (HasFatalFailure()) return;
    ExpectTheSoakWandered(soak);
}
