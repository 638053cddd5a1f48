#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "headless_device.h"
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
    for (const ShockWave& wave : engine->ring) {
        EXPECT_NE(wave.texture, nullptr);
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
