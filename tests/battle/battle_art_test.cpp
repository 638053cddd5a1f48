#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "support/headless_device.h"
#include "platform/game_path.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

TEST(BattleArtLifecycle, LoadMakesEverySheetAndRingAndReleaseClearsThem) {
    HeadlessDevice device(64, 64);
    ASSERT_TRUE(device.Ready());
    ScopedGameDir inGame(GameDir());
    auto engine = std::make_unique<BattleEngine>();
    engine->LoadArt(device.Graphics());
    engine->LoadArt(device.Graphics());  // a second load replaces the art (the sanitizer build catches a leak)
    SpriteSheet* sheets[] = {engine->shotsSheet.get(),  engine->shipSheet.get(),   engine->buildingsSheet.get(),
                             engine->robotsSheet.get(), engine->favorsSheet.get(), engine->enemiesSheet.get()};
    for (SpriteSheet* sheet : sheets) ASSERT_NE(sheet, nullptr);
    // The stand-in art is cut into the frames the engine asks for.
    EXPECT_EQ(engine->enemiesSheet->frameWidth[20], 16) << "the smoke puffs are 16 x 32";
    EXPECT_EQ(engine->enemiesSheet->frameHeight[20], 32);
    for (const ShockWave& wave : engine->ring) {
        ASSERT_NE(wave.texture, nullptr);
        EXPECT_GT(wave.texture->Width(), 0);
        ASSERT_NE(wave.vertexBuffer, nullptr);
    }
    engine->ReleaseArt();
    engine->ReleaseArt();  // twice: nothing happens
    for (SpriteSheet* sheet : {engine->shotsSheet.get(), engine->shipSheet.get(), engine->buildingsSheet.get(),
                               engine->robotsSheet.get(), engine->favorsSheet.get(), engine->enemiesSheet.get(),
                               engine->questItemSheet.get()}) {
        EXPECT_EQ(sheet, nullptr);
    }
    for (const ShockWave& wave : engine->ring) {
        EXPECT_EQ(wave.vertexBuffer, nullptr);
        EXPECT_EQ(wave.texture, nullptr);
    }
}

TEST(BattleArtLifecycle, EveryEngineImageHasAStandIn) {
    const std::string gameDir = GameDir();
    ASSERT_FALSE(gameDir.empty());
    ASSERT_GT(BattleEngine::ArtFileCount(), 50);
    for (int i = 0; i < BattleEngine::ArtFileCount(); ++i) {
        const ArtFileEntry entry = BattleEngine::ArtFileAt(i);
        EXPECT_TRUE(std::filesystem::is_regular_file(gameDir + "/" + ResolveGamePathIn(gameDir, entry.file)))
            << entry.file;
    }
}
