#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "headless_device.h"
#include "platform/game_path.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

TEST(BattleArtLifecycle, LoadMakesEverySheetAndRingAndReleaseClearsThem) {
    HeadlessDevice device(64, 64);
    ASSERT_TRUE(device.Ready());
    ScopedGameDir inGame(GameDir());
    auto engine = std::make_unique<BattleEngine>();
    engine->LoadArt(device.Graphics());
    SpriteSheet* sheets[] = {engine->shotsSheet,   engine->shipSheet,    engine->buildingsSheet,
                             engine->robotsSheet, engine->favorsSheet, engine->enemiesSheet};
    const int imageCounts[] = {13, 14, 12, 4, 12, 28};
    for (int k = 0; k < 6; ++k) {
        ASSERT_NE(sheets[k], nullptr) << k;
        EXPECT_EQ(sheets[k]->imageCount, imageCounts[k]) << k;
    }
    // The stand-in art is cut into the frames the engine asks for.
    EXPECT_EQ(engine->enemiesSheet->frameWidth[20], 16) << "the smoke puffs are 16 x 32";
    EXPECT_EQ(engine->enemiesSheet->frameHeight[20], 32);
    EXPECT_EQ(engine->shipSheet->frameWidth[0], 64);
    EXPECT_EQ(engine->shotsSheet->images[12].Width(), 0) << "the last shots image stays empty";
    for (const ShockWave& wave : engine->ring) {
        ASSERT_NE(wave.texture, nullptr);
        EXPECT_GT(wave.texture->Width(), 0);
        ASSERT_NE(wave.vertexBuffer, nullptr);
        EXPECT_FLOAT_EQ(wave.vertexBuffer[1].x, 10.0f);
    }

    // A second load replaces the art (the sanitizer build catches a leak).
    engine->LoadArt(device.Graphics());
    EXPECT_NE(engine->shipSheet, nullptr);

    engine->ReleaseArt();
    EXPECT_EQ(engine->shotsSheet, nullptr);
    EXPECT_EQ(engine->enemiesSheet, nullptr);
    for (const ShockWave& wave : engine->ring) {
        EXPECT_EQ(wave.texture, nullptr);
        EXPECT_EQ(wave.vertexBuffer, nullptr);
    }
    engine->ReleaseArt();  // released twice: nothing happens
    EXPECT_EQ(engine->shipSheet, nullptr);
}

TEST(BattleArtLifecycle, EveryEngineImageHasAStandIn) {
    const std::string gameDir = GameDir();
    ASSERT_FALSE(gameDir.empty());
    for (int i = 0; i < BattleEngine::ArtFileCount(); ++i) {
        const ArtFileEntry entry = BattleEngine::ArtFileAt(i);
        const std::string path = gameDir + "/" + ResolveGamePathIn(gameDir, entry.file);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << entry.file;
    }
}
