// The game's own loader on the stand-ins: sizes, grids and colour keys.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "manifest_check.h"
#include "platform/game_path.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "platform/texture_pixels.h"
#include "standin_test_util.h"

namespace {

using standin::ManifestEntry;

struct LoaderKey {
    uint32_t flag;
    uint32_t argb;
};
constexpr LoaderKey kKeys[] = {{standin::KeyNone, 0},
                               {standin::KeyBlack, 0xFF000000u},
                               {standin::KeyRed, 0xFFFF0000u},
                               {standin::KeyGreen, 0xFF00FF00u},
                               {standin::KeyWhite, 0xFFFFFFFFu}};

// Every image, under every key it is loaded with, comes out of the game's
// texture preparation unstretched, transparent exactly where the key was
// painted and opaque everywhere else.
TEST(StandinGameLoader, EveryImageKeysExactlyItsBackground) {
    int loads = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (!e.IsImage()) continue;
        SCOPED_TRACE(e.name);
        ::Image picture;
        ASSERT_TRUE(LoadImageFile(GamePath(e.name).string(), picture));
        ASSERT_EQ(picture.width, e.width);
        ASSERT_EQ(picture.height, e.height);
        for (const LoaderKey& key : kKeys) {
            if (!(e.keys & key.flag)) continue;
            ::Image texture;
            ASSERT_TRUE(PrepareTexturePixels(picture, key.argb, kFormatA1R5G5B5, texture));
            ASSERT_EQ(texture.width, e.width);
            ASSERT_EQ(texture.height, e.height);
            int transparent = 0, mismatched = 0;
            for (int y = 0; y < e.height; ++y)
                for (int x = 0; x < e.width; ++x) {
                    const bool clear = (texture.At(x, y) >> 24) == 0;
                    const bool painted = key.argb != 0 && (picture.At(x, y) | 0xFF000000u) == key.argb;
                    transparent += clear;
                    mismatched += clear != painted;
                }
            EXPECT_EQ(mismatched, 0) << "key " << std::hex << key.argb;
            if (!e.HasBackgroundKey()) {
                EXPECT_EQ(transparent, 0) << "key " << std::hex << key.argb;
            }
            ++loads;
        }
    }
    EXPECT_GE(loads, 310);
}

class StandinDevice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(graphics_.CreateDirect3D(), 1);
        window_ = SDL_CreateWindow("standin", 0, 0, 256, 256, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        ASSERT_EQ(graphics_.Create(window_, 1, 0, 256, 256, 0), 1);
    }
    void TearDown() override {
        graphics_.Release();
        if (window_) SDL_DestroyWindow(window_);
    }
    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
};

// Through SpriteSheet, as the screens load them: the grid the manifest states.
TEST_F(StandinDevice, SpriteSheetsCutEveryImageIntoTheStatedGrid) {
    SpriteSheet sheet;
    ASSERT_EQ(sheet.Init(&graphics_, 1), 1);
    int loaded = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (!e.IsImage()) continue;
        SCOPED_TRACE(e.name);
        const uint32_t key = e.HasBackgroundKey() ? (e.keys == standin::KeyBlack ? 0xFF000000u
                                                    : e.keys == standin::KeyRed  ? 0xFFFF0000u
                                                    : e.keys == standin::KeyGreen ? 0xFF00FF00u
                                                                                  : 0xFFFFFFFFu)
                                                  : 0u;
        const std::string path = GamePath(e.name).string();
        ASSERT_EQ(sheet.LoadImage(0, path.c_str(), static_cast<int16_t>(e.frameWidth), static_cast<int16_t>(e.frameHeight),
                                  key, kFormatA1R5G5B5),
                  1);
        EXPECT_EQ(sheet.images[0].Width(), e.width);
        EXPECT_EQ(sheet.images[0].Height(), e.height);
        EXPECT_EQ(sheet.framesPerRow[0], e.FramesPerRow());
        EXPECT_GE(sheet.framesPerRow[0] * (sheet.images[0].Height() / sheet.frameHeight[0]), e.frames);
        ++loaded;
    }
    EXPECT_GE(loaded, 300);
}

bool NearColour(uint32_t argb, uint32_t want, int tolerance) {
    for (int shift : {16, 8, 0})
        if (std::abs(static_cast<int>((argb >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// Drawn by the game, the ship's nose is at the top at heading 0 and at the
// bottom when turned half round; the keyed ground lets the backdrop through.
TEST_F(StandinDevice, ShipNoseShowsTheHeadingOnScreen) {
    constexpr uint32_t kBackdrop = 0xFF203040, kNose = 0xFFFAF078;
    SpriteSheet sheet;
    ASSERT_EQ(sheet.Init(&graphics_, 1), 1);
    sheet.SetAlphaTest(1);
    const std::string ship = GamePath("Art\\Ship\\Ship1.bmp").string();
    ASSERT_EQ(sheet.LoadImage(0, ship.c_str(), 64, 64, 0xFF000000u, kFormatA1R5G5B5), 1);
    graphics_.Clear(kBackdrop, 1.0f);
    graphics_.BeginScene();
    sheet.Draw(0, 0, 32, 32, 0xFFFFFFFF, 1, 1, 32, 0.0f);
    sheet.Draw(0, 0, 160, 32, 0xFFFFFFFF, 1, 1, 32, 3.14159265f);
    graphics_.EndScene();
    ::Image shot;
    ASSERT_EQ(graphics_.ReadBackBuffer(shot), 1);
    if (const char* out = std::getenv("GAME_TEST_OUT")) {
        std::filesystem::create_directories(out);
        SavePngFile(std::string(out) + "/standin_ship_headings.png", shot);
    }
    auto noses = [&](int x0, int y0) {
        int n = 0;
        for (int y = y0; y < y0 + 21; ++y)
            for (int x = x0; x < x0 + 64; ++x) n += NearColour(shot.At(x, y), kNose, 16);
        return n;
    };
    EXPECT_GT(noses(32, 32), 0);        // heading 0: top third
    EXPECT_EQ(noses(32, 32 + 43), 0);   // not the bottom third
    EXPECT_GT(noses(160, 32 + 43), 0);  // turned round: bottom third
    EXPECT_EQ(noses(160, 32), 0);
    EXPECT_TRUE(NearColour(shot.At(33, 33), kBackdrop, 4));  // keyed corner
    sheet.Release();
}

// The shared art and the cursor load every one of their images from the
// stand-ins, and every name they ask for is in the manifest.
TEST_F(StandinDevice, SharedArtAndCursorFindEveryFileTheyName) {
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(GameDir());  // read only: the game resolves names from its directory
    ClearRequestedGamePaths();
    SharedArt art;
    art.LoadArt(&graphics_);
    art.LoadMoreArt(&graphics_);
    int slots = 0;
    for (SpriteSheet* sheet : {art.menuSheet, art.spaceSheet, art.dustSheet, art.cloudsSheet})
        for (int i = 0; sheet && i < sheet->imageCount; ++i) slots += sheet->images[i].texture ? 1 : 0;
    MouseCursor cursor;
    const int cursorLoaded = cursor.LoadArt(&graphics_);
    const std::vector<std::string> requested = RequestedGamePaths();
    cursor.FreeSheet();
    art.ReleaseArt();
    std::filesystem::current_path(old);
    EXPECT_EQ(slots, 83);
    EXPECT_EQ(cursorLoaded, 1);
    EXPECT_EQ(requested.size(), 85u);
    EXPECT_EQ(standin::NamesMissingFromRepoManifest(requested), std::vector<std::string>{});
}

}  // namespace
