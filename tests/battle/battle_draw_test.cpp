// The battle view drawn headless: what shows, where, and what is culled.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "headless_device.h"
#include "platform/camera.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kBackground = 0xFF102030;
constexpr int32_t kCamX = 200;
constexpr int32_t kCamY = -3000;

// A picture of `frames` frames side by side, frame f filled with colours[f].
Image SolidFrames(int frameSize, int frames, const uint32_t* colours) {
    Image img;
    img.Resize(frameSize * frames, frameSize);
    for (int f = 0; f < frames; ++f) {
        for (int y = 0; y < frameSize; ++y) {
            for (int x = 0; x < frameSize; ++x) img.At(f * frameSize + x, y) = colours[f];
        }
    }
    return img;
}

void LoadSolid(SpriteSheet* sheet, int image, int frameSize, int frames, const uint32_t* colours) {
    sheet->LoadImagePixels(image, SolidFrames(frameSize, frames, colours), static_cast<int16_t>(frameSize),
                           static_cast<int16_t>(frameSize), 0, kFormatA8R8G8B8);
}

// Sixteen frames keep the picture a power of two wide, so it is not scaled.
constexpr uint32_t kDigitColours[16] = {0xFF000080, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFFFF00FF,
                                        0xFF00FFFF, 0xFF808000, 0xFF800080, 0xFF008080, 0xFF111111, 0xFF222222,
                                        0xFF333333, 0xFF444444, 0xFF555555, 0xFF666666};

class BattleDraw : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(device.Ready());
        graphics = device.Graphics();
        engine = std::make_unique<BattleEngine>();
        {
            ScopedGameDir inGame(GameDir());
            engine->LoadArt(graphics);
        }
        shared.Init(graphics, SharedArt::kMenuImages);
        panel.Init(graphics, 20);
        LoadSolid(&shared, 24, 16, 16, kDigitColours);
        const uint32_t bar = 0xFF404040, meter = 0xFFFFFFFF;
        const uint32_t icons[16] = {0xFFAA0000, 0xFF00AA00, 0xFF0000AA, 0xFFAAAA00, 0xFFAA00AA, 0xFF00AAAA,
                                    0xFF555555, 0xFFAAAAAA, 0xFF550000, 0xFF005500, 0xFF000055, 0xFF555500,
                                    0xFF005555, 0xFF550055, 0xFF777777, 0xFF999999};
        LoadSolid(&shared, 14, 32, 1, &bar);
        LoadSolid(&panel, 12, 32, 16, icons);
        LoadSolid(&panel, 13, 4, 1, &meter);
    }
    void TearDown() override { engine->ReleaseArt(); }

    Image DrawFrame(int32_t areaId = 2, uint8_t inBase = 0) {
        graphics->BeginScene();
        graphics->ClearTarget(kBackground);
        engine->Draw(graphics, kCamX, kCamY, &shared, inBase, nullptr, &panel, areaId);
        graphics->EndScene();
        Image out;
        graphics->ReadBackBuffer(out);
        return out;
    }

    HeadlessDevice device{800, 600};
    GraphicsDevice* graphics = nullptr;
    std::unique_ptr<BattleEngine> engine;
    SpriteSheet shared, panel;
};

TEST_F(BattleDraw, UnitsAtTheScreenEdgeAreCulledPastMinus63) {
    // A pickup image larger than the margin, so a culled draw would still show.
    const uint32_t green = 0xFF00FF00;
    LoadSolid(engine->shipSheet, 5, 128, 1, &green);
    engine->AddPickup(-63 + kCamX, 200 + kCamY, 0, 10);
    Image drawn = DrawFrame();
    EXPECT_EQ(drawn.At(10, 250), green);
    engine->pickup.x[0] = -64 + kCamX;
    drawn = DrawFrame();
    EXPECT_EQ(drawn.At(10, 250), kBackground);
    // The same on the top edge.
    engine->pickup.x[0] = 300 + kCamX;
    engine->pickup.y[0] = -63 + kCamY;
    drawn = DrawFrame();
    EXPECT_EQ(drawn.At(310, 10), green);
    engine->pickup.y[0] = -64 + kCamY;
    drawn = DrawFrame();
    EXPECT_EQ(drawn.At(310, 10), kBackground);
}

TEST_F(BattleDraw, RobotCountersShowTheirDigits) {
    engine->robotTypeCounts[2] = 12;
    engine->robotTypeCounts[0] = 7;
    engine->robotTypeCounts[3] = 105;  // the last two digits
    const Image drawn = DrawFrame();
    EXPECT_EQ(drawn.At(2 * 60 + 26 + 4, 15), kDigitColours[1]);
    EXPECT_EQ(drawn.At(2 * 60 + 41 + 4, 15), kDigitColours[2]);
    EXPECT_EQ(drawn.At(35 + 4, 15), kDigitColours[7]);
    EXPECT_EQ(drawn.At(3 * 60 + 35 + 4, 15), kDigitColours[5]);
    EXPECT_EQ(drawn.At(60 + 35 + 4, 15), kBackground) << "no robots of type 1: no counter";
}

TEST_F(BattleDraw, AreaTwentySixShowsOnlyItsFirstTwentyEnemies) {
    const uint32_t red = 0xFFFF0000;
    const uint32_t frames[8] = {red, red, red, red, red, red, red, red};
    LoadSolid(engine->enemiesSheet, 0, 32, 8, frames);
    for (int e : {5, 20}) {
        engine->enemy.active[e] = 1;
        engine->enemy.mobile[e] = 1;
        engine->enemy.w[e] = engine->enemy.h[e] = 32;
        engine->enemy.x[e] = kCamX + 100 + 10 * e;
        engine->enemy.y[e] = kCamY + 300 + 10 * e;
    }
    Image drawn = DrawFrame(26);
    EXPECT_EQ(drawn.At(150 + 16, 350 + 16), red);
    EXPECT_EQ(drawn.At(300 + 16, 500 + 16), kBackground);
    drawn = DrawFrame(2);
    EXPECT_EQ(drawn.At(300 + 16, 500 + 16), red);
    // In the home base no enemy is drawn at all.
    drawn = DrawFrame(2, 1);
    EXPECT_EQ(drawn.At(150 + 16, 350 + 16), kBackground);
}

TEST_F(BattleDraw, SkillsColumnMeterIsEmptyWithoutAFullValue) {
    engine->skillValues[kSkillShieldsRecharge] = 5;
    engine->skillFullCharges[kSkillShieldsRecharge] = 0;
    const int32_t row = 42 + 40 * 3;
    Image drawn = DrawFrame();
    const uint32_t withoutMeter = drawn.At(44, row + 10);
    EXPECT_NE(drawn.At(12, row + 10), kBackground) << "the skill's icon";
    engine->skillFullCharges[kSkillShieldsRecharge] = 5;
    drawn = DrawFrame();
    EXPECT_NE(drawn.At(44, row + 10), withoutMeter) << "a full meter covers the bar";
    EXPECT_EQ(drawn.At(12, 42 + 10), kBackground) << "skill 0 is not running";
}

TEST_F(BattleDraw, DrawCountsRobotsRebuildsTheRadarAndRaisesOverlayEvents) {
    for (int r = 0; r < 3; ++r) {
        engine->robot.active[r] = 1;
        engine->robot.x[r] = kCamX + engine->shipX + 130 * (r + 1);
        engine->robot.y[r] = kCamY + engine->shipY - 26 * r;
    }
    engine->enemy.active[9] = 1;
    engine->enemy.x[9] = kCamX + engine->shipX - 13 * 97;  // dx / 13 = -97: inside the radar
    engine->enemy.y[9] = kCamY + engine->shipY + 13 * 10 + 12;
    engine->enemy.active[10] = 1;
    engine->enemy.x[10] = kCamX + engine->shipX - 13 * 98;  // -98: outside
    engine->enemy.y[10] = kCamY + engine->shipY;
    engine->robotProtectionFade = 30;
    engine->skillValues[kSkillParticleShields] = 40;
    DrawFrame();
    EXPECT_EQ(engine->activeRobotCount, 3u);
    EXPECT_EQ(engine->radar.robotCount, 3);
    EXPECT_EQ(engine->radar.robotX[2], 698 + 30);
    EXPECT_EQ(engine->radar.robotY[1], 62 - 2);
    EXPECT_EQ(engine->radar.enemyCount, 1);
    EXPECT_EQ(engine->radar.enemyX[0], 698 - 97);
    EXPECT_EQ(engine->radar.enemyY[0], 62 + 10);
    EXPECT_EQ(engine->overlayEvents[kOverlayRobotProtection], 1);
    EXPECT_EQ(engine->overlayEvents[kOverlayParticleShields], 1);
    EXPECT_EQ(engine->overlayEvents[kOverlayExtraArmor], 0);
    // In the base the enemies leave the radar.
    DrawFrame(2, 1);
    EXPECT_EQ(engine->radar.enemyCount, 0);
}

TEST_F(BattleDraw, QuestItemStillShowsAfterTheArtIsReloaded) {
    engine->questItem.enabled = 1;
    engine->questItem.kind[0] = 1;
    engine->questItem.x[0] = kCamX + 100;
    engine->questItem.y[0] = kCamY + 100;
    engine->questItem.kind[1] = 2;
    engine->questItem.x[1] = kCamX + 300;
    engine->questItem.y[1] = kCamY + 100;
    auto visible = [](const Image& img, int x0, int y0) {
        int count = 0;
        for (int y = y0; y < y0 + 38; ++y) {
            for (int x = x0; x < x0 + 38; ++x) count += img.At(x, y) != kBackground;
        }
        return count;
    };
    Image drawn = DrawFrame();
    const int before = visible(drawn, 100, 100);
    EXPECT_GT(before, 100);
    EXPECT_GT(visible(drawn, 300, 100), 50);
    EXPECT_EQ(engine->questItem.shown[0], 1);

    // A device reset releases and loads the art again.
    engine->ReleaseArt();
    {
        ScopedGameDir inGame(GameDir());
        engine->LoadArt(graphics);
    }
    drawn = DrawFrame();
    EXPECT_EQ(visible(drawn, 100, 100), before);
}

// A full battle, drawn with the game's own art (the panel's skill icons
// stand in as solid squares), kept as a picture to look at.
TEST_F(BattleDraw, BattleSceneWithShotsExplosionRingAndRadar) {
    SharedArt sharedArt;
    Font font;
    Camera camera;
    {
        ScopedGameDir inGame(GameDir());
        sharedArt.LoadArt(graphics);
        sharedArt.LoadMoreArt(graphics);
        font.Create(graphics, "Arial", 14, 1, 0, 0, 0);
    }
    camera.LookAt(0, -20, -1, 0, 0, -1);
    graphics->SetViewTransform(&camera);

    const int32_t shipWorldX = kCamX + engine->shipX, shipWorldY = kCamY + engine->shipY;
    for (int e = 0; e < 6; ++e) {
        engine->enemy.active[e] = 1;
        engine->enemy.mobile[e] = 1;
        engine->enemy.art[e] = static_cast<uint8_t>(e);
        engine->enemy.w[e] = engine->enemy.h[e] = e >= 3 && e <= 4 ? 64 : 32;
        engine->enemy.x[e] = shipWorldX - 300 + 120 * e;
        engine->enemy.y[e] = shipWorldY - 260;
        engine->enemy.facing[e] = 4;
        engine->enemy.smokeLevel[e] = static_cast<uint8_t>(2 * e);
    }
    engine->enemy.drawStyle[1] = 1;
    for (int r = 0; r < 4; ++r) {
        engine->robot.active[r] = 1;
        engine->robot.type[r] = static_cast<uint8_t>(r);
        engine->robot.x[r] = shipWorldX - 100 + 60 * r;
        engine->robot.y[r] = shipWorldY + 110;
        ++engine->robotTypeCounts[r];
    }
    engine->ally.active[0] = 1;
    engine->ally.w[0] = engine->ally.h[0] = 32;
    engine->ally.x[0] = shipWorldX + 200;
    engine->ally.y[0] = shipWorldY + 40;
    for (int k = 0; k < 12; ++k) {
        engine->AddPlayerShot(shipWorldX + 20 + 8 * (k % 3), shipWorldY - 40 - 30 * (k / 3), 8, 8, 0, 8, 0, 0, 5, 0);
        engine->AddEnemyShot(shipWorldX - 200 + 25 * k, shipWorldY - 180 + 10 * k, 10, 10, 0, 8, 0, 1, 5,
                             static_cast<uint8_t>(k % 4), 1);
    }
    engine->AddKillExplosion(shipWorldX + 150, shipWorldY - 120, 32, 1, 2);
    engine->killExplosion.frame[0] = 4;
    engine->AddKillExplosion(shipWorldX - 250, shipWorldY - 60, 64, 2, 5);
    engine->killExplosion.frame[1] = 6;
    for (int p = 0; p < kDebrisParticles; ++p) {
        engine->killExplosion.debrisX[1][p] = shipWorldX - 230 + 14 * p;
        engine->killExplosion.debrisY[1][p] = shipWorldY - 40 - 9 * p;
    }
    engine->AddSpark(shipWorldX + 40, shipWorldY - 150);
    engine->AddHitFlash(shipWorldX - 100, shipWorldY - 100, 2);
    engine->AddPickup(shipWorldX + 120, shipWorldY + 60, kPickupCrystal, 10);
    engine->floatingText.active[0] = 1;
    engine->floatingText.value[0] = 130;
    engine->floatingText.x[0] = shipWorldX + 100;
    engine->floatingText.y[0] = shipWorldY + 20;
    engine->portal.exists[0] = 1;
    engine->portal.x[0] = shipWorldX + 900;
    engine->portal.y[0] = shipWorldY - 300;
    engine->ring[1].state = 1;
    engine->ring[1].drawScale = 0.6f;
    engine->skillValues[kSkillHardShields] = 20;
    engine->skillFullCharges[kSkillHardShields] = 40;
    engine->quickSkill = 9;
    engine->steering = 1;

    graphics->BeginScene();
    graphics->ClearTarget(0xFF000000);
    engine->Draw(graphics, kCamX, kCamY, sharedArt.menuSheet, 0, &font, &panel, 2);
    graphics->EndScene();
    const std::string path = TestOutPath("battle_view.png");
    ASSERT_EQ(graphics->SaveScreenshot(path.c_str()), 1);
    Image shot;
    ASSERT_TRUE(LoadImageFile(path, shot));

    auto litIn = [&](int x0, int y0, int w, int h) {
        int count = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) count += (shot.At(x, y) & 0x00FFFFFF) != 0;
        }
        return count;
    };
    EXPECT_GT(litIn(engine->shipX, engine->shipY, 64, 64), 200) << "the ship";
    EXPECT_GT(litIn(600, 0, 200, 128), 2000) << "the radar";
    EXPECT_GT(litIn(engine->shipX + 150 - kCamX + kCamX, engine->shipY - 120, 32, 32), 50) << "the explosion";
    EXPECT_GT(litIn(200, 100, 400, 400), 3000) << "the ring about the centre";
    EXPECT_GT(litIn(0, 0, 240, 30), 500) << "the robot counters";
    sharedArt.ReleaseArt();
    font.Release();
}

}  // namespace
