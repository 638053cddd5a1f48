// The Your Ship screen drawn headless from the stand-in art.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "ship_rig.h"

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

class ShipDraw : public ::testing::Test {
protected:
    void SetUp() override {
        oldDir_ = fs::current_path();
        fs::current_path(Env("GAME_DIR", "game"));
        ASSERT_EQ(graphics_.CreateDirect3D(), 1);
        window_ = SDL_CreateWindow("ship", 0, 0, 800, 600, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        ASSERT_EQ(graphics_.Create(window_, 1, 0, 800, 600, 0), 1);
        art_.LoadArt(&graphics_);
        art_.LoadMoreArt(&graphics_);
    }
    void TearDown() override {
        art_.ReleaseArt();
        graphics_.Release();
        if (window_) SDL_DestroyWindow(window_);
        fs::current_path(oldDir_);
    }

    Image Draw(ShipScreen& screen) {
        graphics_.Clear(0xFF000000, 1.0f);
        graphics_.BeginScene();
        screen.DrawPanels(art_.menuSheet);
        screen.DrawItems(art_.menuSheet);
        screen.DrawName(670, 6, art_.menuSheet);
        graphics_.EndScene();
        Image shot;
        EXPECT_EQ(graphics_.ReadBackBuffer(shot), 1);
        return shot;
    }

    fs::path oldDir_;
    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
    SharedArt art_;
};

// The picture goes to the test output; GAME_UPDATE_REFS=1 makes it the
// reference. A pixel matches when every channel is within 24; 0.5% may differ.
::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name) {
    const fs::path ref = fs::path(Env("GAME_SOURCE_DIR", ".")) / "tests/ship/ref" / (name + ".png");
    const fs::path out = fs::path(Env("GAME_TEST_OUT", fs::temp_directory_path().string())) / (name + ".png");
    fs::create_directories(out.parent_path());
    SavePngFile(out.string(), actual);
    if (Env("GAME_UPDATE_REFS", "") == "1") return ::testing::AssertionResult(SavePngFile(ref.string(), actual));
    Image expected;
    if (!LoadImageFile(ref.string(), expected) || expected.pixels.size() != actual.pixels.size())
        return ::testing::AssertionFailure() << "no reference of that size: " << ref;
    long differing = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            const int d = int((actual.pixels[i] >> shift) & 0xFF) - int((expected.pixels[i] >> shift) & 0xFF);
            if (d > 24 || d < -24) {
                ++differing;
                break;
            }
        }
    }
    if (differing * 200 > long(actual.pixels.size())) return ::testing::AssertionFailure() << differing << " pixels differ; see " << out;
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST_F(ShipDraw, EveryImageTheScreenLoadsIsAStandIn) {
    ShipScreen screen;
    EXPECT_EQ(screen.LoadArt(&graphics_), 1);
    int loaded = 0;
    for (int image : {0, 2, 5, 6}) loaded += screen.shipSheet->images[image].texture != nullptr;
    for (const auto& sheet : screen.iconSheets)
        for (int i = 0; i < sheet->imageCount; ++i) loaded += sheet->images[i].texture != nullptr;
    EXPECT_EQ(loaded, 4 + 6 + 6 + 5 + 4);
    screen.FreeArt();
    EXPECT_EQ(screen.shipSheet, nullptr);
    EXPECT_EQ(screen.font, nullptr);
}

// A new game at the base with storage 1 open and a cube on the cursor.
TEST_F(ShipDraw, TheScreenMatchesItsPicture) {
    ShipRig rig;
    rig.s().LoadArt(&graphics_);
    rig.Click(50, 580);
    rig.Click(HoldCell(3).x, HoldCell(3).y);
    rig.MoveTo(470, 330);
    EXPECT_TRUE(MatchesReference(Draw(rig.s()), "ship_holding"));
}
