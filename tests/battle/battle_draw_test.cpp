// The battle view drawn headless: what shows, where, and what is culled.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "support/headless_device.h"
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

void LoadSolid(const std::unique_ptr<SpriteSheet>& sheet, int image, int frameSize, int frames,
               const uint32_t* colours) {
    LoadSolid(sheet.get(), image, frameSize, frames, colours);
}

using SheetMember = std::unique_ptr<SpriteSheet> BattleEngine::*;
const SheetMember kSheets[] = {&BattleEngine::shotsSheet,  &BattleEngine::shipSheet,    &BattleEngine::buildingsSheet,
                               &BattleEngine::robotsSheet, &BattleEngine::favorsSheet, &BattleEngine::enemiesSheet,
                               &BattleEngine::questItemSheet};

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

TEST_F(BattleDraw, UnitsPastMinus63AreCulled) {
    // A pickup picture larger than the margin, so a culled draw would still show.
    const uint32_t green = 0xFF00FF00;
    LoadSolid(engine->shipSheet, 5, 128, 1, &green);
    const struct {
        int32_t x, y;
        bool drawn;
    } rows[] = {{-63, 200, true}, {-64, 200, false}, {300, -63, true}, {300, -64, false}};
    for (const auto& r : rows) {
        engine->pickup.active[0] = 0;
        engine->AddPickup(r.x + kCamX, r.y + kCamY, 0, 10);
        EXPECT_EQ(DrawFrame().At(std::max(r.x, 0) + 10, std::max(r.y, 0) + 10), r.drawn ? green : kBackground)
            << r.x << "," << r.y;
    }
}

TEST_F(BattleDraw, CountersSkillsColumnAndTheBossAreaShowWhatTheyHold) {
    engine->robotTypeCounts[2] = 12;
    engine->robotTypeCounts[0] = 7;
    engine->robotTypeCounts[3] = 105;  // the last two digits
    engine->skillValues[kSkillShieldsRecharge] = 5;  // a full value of 0: an empty meter
    const int32_t row = 42 + 40 * 3;
    Image drawn = DrawFrame();
    EXPECT_EQ(drawn.At(2 * 60 + 26 + 4, 15), kDigitColours[1]);
    EXPECT_EQ(drawn.At(2 * 60 + 41 + 4, 15), kDigitColours[2]);
    EXPECT_EQ(drawn.At(35 + 4, 15), kDigitColours[7]);
    EXPECT_EQ(drawn.At(3 * 60 + 35 + 4, 15), kDigitColours[5]);
    EXPECT_EQ(drawn.At(60 + 35 + 4, 15), kBackground) << "no robots of type 1: no counter";
    const uint32_t withoutMeter = drawn.At(44, row + 10);
    EXPECT_NE(drawn.At(12, row + 10), kBackground) << "the skill's icon";
    EXPECT_EQ(drawn.At(12, 42 + 10), kBackground) << "skill 0 is not running";
    engine->skillFullCharges[kSkillShieldsRecharge] = 5;
    EXPECT_NE(DrawFrame().At(44, row + 10), withoutMeter) << "a full meter covers the bar";

    // Area 26 draws only enemies 0-19; the home base none.
    const uint32_t red[8] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000,
                             0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
    LoadSolid(engine->enemiesSheet, 0, 32, 8, red);
    for (int e : {5, 20}) {
        engine->enemy.active[e] = engine->enemy.mobile[e] = 1;
        engine->enemy.w[e] = engine->enemy.h[e] = 32;
        engine->enemy.x[e] = kCamX + 300 + 10 * e;
        engine->enemy.y[e] = kCamY + 300 + 10 * e;
    }
    EXPECT_EQ(DrawFrame(26).At(366, 366), red[0]);
    EXPECT_EQ(DrawFrame(26).At(516, 516), kBackground);
    EXPECT_EQ(DrawFrame(2).At(516, 516), red[0]);
    EXPECT_EQ(DrawFrame(2, 1).At(366, 366), kBackground);
}

TEST_F(BattleDraw, DrawCountsRobotsRebuildsTheRadarAndRaisesOverlayEvents) {
    for (int r = 0; r < 3; ++r) {
        engine->robot.active[r] = 1;
        engine->robot.x[r] = kCamX + engine->shipX + 130 * (r + 1);
        engine->robot.y[r] = kCamY + engine->shipY - 26 * r;
    }
    engine->enemy.active[9] = engine->enemy.active[10] = 1;
    engine->enemy.x[9] = kCamX + engine->shipX - 13 * 97;  // dx / 13 = -97: inside the radar
    engine->enemy.y[9] = kCamY + engine->shipY + 13 * 10 + 12;
    engine->enemy.x[10] = kCamX + engine->shipX - 13 * 98;  // -98: outside
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
    DrawFrame(2, 1);
    EXPECT_EQ(engine->radar.enemyCount, 0) << "in the base the enemies leave the radar";
}

TEST_F(BattleDraw, RadarKeepsDrivenAlliesAndFrameTheRestAndFlashesShowTheirType) {
    const int32_t ox = kCamX + engine->shipX, oy = kCamY + engine->shipY;
    // A driven ally shows wherever it is; a placed one (slot 30 up) only in the frame.
    for (int a : {0, 35, 36}) {
        engine->ally.active[a] = 1;
        engine->ally.x[a] = ox - 13 * 200;
        engine->ally.y[a] = oy;
    }
    engine->ally.x[36] = ox + 13 * 10;
    engine->ally.y[36] = oy + 13 * 64;  // the lowest row inside
    engine->enemy.active[0] = engine->enemy.active[1] = 1;
    engine->enemy.x[0] = engine->enemy.x[1] = ox;
    engine->enemy.y[0] = oy + 13 * 64;
    engine->enemy.y[1] = oy + 13 * 65;  // the first row outside
    DrawFrame();
    ASSERT_EQ(engine->radar.allyCount, 2);
    EXPECT_EQ(engine->radar.allyX[0], 698 - 200);
    EXPECT_EQ(engine->radar.allyX[1], 698 + 10);
    EXPECT_EQ(engine->radar.allyY[1], 62 + 64);
    EXPECT_EQ(engine->radar.enemyCount, 1);
    EXPECT_EQ(engine->radar.enemyY[0], 62 + 64);

    // Hit flashes: type 0-3 pick images 5, 8, 9 and 10.
    const uint32_t colours[4] = {0xFFFF0000, 0xFF0000FF, 0xFF00FF00, 0xFFFFFFFF};
    const int images[4] = {5, 8, 9, 10};
    for (int t = 0; t < 4; ++t) LoadSolid(engine->shotsSheet, images[t], 32, 1, &colours[t]);
    for (uint8_t t = 0; t < 3; ++t) engine->AddHitFlash(kCamX + 100 + 100 * t, kCamY + 450, t);
    const Image flashes = DrawFrame();
    for (int t = 0; t < 3; ++t) {
        const uint32_t p = flashes.At(110 + 100 * t, 460);
        const int channel[3] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                                static_cast<int>(p & 0xFF)};
        const int want = t == 0 ? 0 : (t == 1 ? 2 : 1);
        EXPECT_GT(channel[want], 150) << "type " << t;
        EXPECT_LT(channel[(want + 1) % 3] + channel[(want + 2) % 3], 120) << "type " << t;
    }

    // The quick skill's icon in the corner, only while one is chosen.
    EXPECT_EQ(flashes.At(690, 545), kBackground);
    engine->quickSkill = 3;
    EXPECT_NE(DrawFrame().At(690, 545), kBackground);
}

TEST_F(BattleDraw, QuestItemStillShowsAfterTheArtIsReloaded) {
    engine->questItem.enabled = 1;
    engine->questItem.kind[0] = 1;
    engine->questItem.x[0] = kCamX + 100;
    engine->questItem.y[0] = kCamY + 100;
    auto visible = [](const Image& img) {
        int count = 0;
        for (int y = 100; y < 138; ++y) {
            for (int x = 100; x < 138; ++x) count += img.At(x, y) != kBackground;
        }
        return count;
    };
    const int before = visible(DrawFrame());
    EXPECT_GT(before, 100);
    EXPECT_EQ(engine->questItem.shown[0], 1);
    engine->ReleaseArt();  // as a device reset does
    {
        ScopedGameDir inGame(GameDir());
        engine->LoadArt(graphics);
    }
    EXPECT_EQ(visible(DrawFrame()), before);
}

TEST_F(BattleDraw, TheGlowingShipShowsAtTheFadeOfRechargeAndOfHardArmor) {
    const uint32_t clear = 0, blue = 0xFF0000FF;
    LoadSolid(engine->shipSheet, 0, 64, 1, &clear);
    LoadSolid(engine->shipSheet, 13, 64, 1, &blue);
    const struct {
        uint8_t recharge, hardArmor;
    } rows[] = {{0, 0}, {120, 0}, {0, 200}, {0, 60}};
    for (const auto& r : rows) {
        engine->shieldsRechargeFade = r.recharge;
        engine->hardArmorFade = r.hardArmor;
        const int alpha = r.recharge + r.hardArmor;
        const int want = (kBackground & 0xFF) + ((255 - static_cast<int>(kBackground & 0xFF)) * alpha) / 255;
        EXPECT_NEAR(DrawFrame().At(engine->shipX + 5, engine->shipY + 5) & 0xFF, want, 3)
            << int{r.recharge} << " " << int{r.hardArmor};
    }
}

// Every layer of the battle view at the ship's spot, each given one solid
// picture. Drawing each layer over the one before it, only the later one's
// colour may show, so the list is the order Draw paints them in.
TEST_F(BattleDraw, LayersArePaintedInTheirFixedOrder) {
    const int32_t wx = kCamX + engine->shipX, wy = kCamY + engine->shipY;
    struct Layer {
        const char* name;
        SheetMember sheet;
        int image;
        void (*show)(BattleEngine&, int32_t, int32_t);
    };
    const Layer layers[] = {
        {"quest item", &BattleEngine::questItemSheet, 0,
         [](BattleEngine& e, int32_t x, int32_t y) {
             e.questItem.enabled = 1;
             e.questItem.kind[0] = 1;
             e.questItem.x[0] = x, e.questItem.y[0] = y;
         }},
        {"pickup", &BattleEngine::shipSheet, 5, [](BattleEngine& e, int32_t x, int32_t y) { e.AddPickup(x, y, 0, 1); }},
        {"enemy shot", &BattleEngine::shotsSheet, 1,
         [](BattleEngine& e, int32_t x, int32_t y) { e.AddEnemyShot(x, y, 10, 10, 0, 0, 0, 0, 1, 0, 1); }},
        {"player shot", &BattleEngine::shotsSheet, 0,
         [](BattleEngine& e, int32_t x, int32_t y) { e.AddPlayerShot(x, y, 8, 8, 0, 0, 0, 0, 1, 0); }},
        {"ally", &BattleEngine::favorsSheet, 0,
         [](BattleEngine& e, int32_t x, int32_t y) {
             e.ally.active[0] = 1;
             e.ally.w[0] = e.ally.h[0] = 64;
             e.ally.x[0] = x, e.ally.y[0] = y;
         }},
        {"robot", &BattleEngine::robotsSheet, 0,
         [](BattleEngine& e, int32_t x, int32_t y) {
             e.robot.active[0] = 1;
             e.robot.x[0] = x, e.robot.y[0] = y;
         }},
        {"enemy", &BattleEngine::enemiesSheet, 0,
         [](BattleEngine& e, int32_t x, int32_t y) {
             e.enemy.active[0] = e.enemy.mobile[0] = 1;
             e.enemy.w[0] = e.enemy.h[0] = 64;
             e.enemy.x[0] = x, e.enemy.y[0] = y;
         }},
        {"smoke", &BattleEngine::enemiesSheet, 20,
         [](BattleEngine& e, int32_t x, int32_t y) {
             e.enemy.active[1] = 1;
             e.enemy.w[1] = e.enemy.h[1] = 64;
             e.enemy.x[1] = x, e.enemy.y[1] = y;
             e.enemy.smokeLevel[1] = 1;
         }},
        {"ship", &BattleEngine::shipSheet, 0, [](BattleEngine&, int32_t, int32_t) {}},
        {"hard armor glow", &BattleEngine::shipSheet, 13, [](BattleEngine& e, int32_t, int32_t) { e.hardArmorFade = 250; }},
        {"extra armor", &BattleEngine::shipSheet, 9, [](BattleEngine& e, int32_t, int32_t) { e.extraArmorFade = 250; }},
        {"explosion", &BattleEngine::shotsSheet, 4,
         [](BattleEngine& e, int32_t x, int32_t y) { e.AddKillExplosion(x, y, 32, 1, 0); }},
        {"spark", &BattleEngine::shotsSheet, 3, [](BattleEngine& e, int32_t x, int32_t y) { e.AddSpark(x, y); }},
        {"armageddon", &BattleEngine::shipSheet, 8, [](BattleEngine& e, int32_t, int32_t) { e.armageddonTimeline = 250; }},
    };
    const uint32_t clear = 0x00000000, red = 0xFFFF0000, blue = 0xFF0000FF;
    for (const Layer& layer : layers) LoadSolid(engine.get()->*layer.sheet, layer.image, 64, 1, &clear);
    for (size_t i = 1; i < std::size(layers); ++i) {
        const Layer &below = layers[i - 1], &above = layers[i];
        // A fresh engine for each pair, with the art moved over.
        auto fresh = std::make_unique<BattleEngine>();
        for (SheetMember sheet : kSheets) std::swap(fresh.get()->*sheet, engine.get()->*sheet);
        engine->ReleaseArt();
        engine.swap(fresh);
        // The lower layer alone shows red (the ship is always drawn, so the
        // upper picture turns blue only after), so a layer that draws
        // nothing cannot pass for one drawn underneath.
        LoadSolid(engine.get()->*below.sheet, below.image, 64, 1, &red);
        below.show(*engine, wx, wy);
        const uint32_t alone = DrawFrame().At(engine->shipX + 35, engine->shipY + 30);
        EXPECT_GT((alone >> 16) & 0xFF, 150u) << below.name << " alone";
        EXPECT_GT((alone >> 16) & 0xFF, alone & 0xFF) << below.name << " alone";
        LoadSolid(engine.get()->*above.sheet, above.image, 64, 1, &blue);
        above.show(*engine, wx, wy);
        const uint32_t top = DrawFrame().At(engine->shipX + 35, engine->shipY + 30);
        EXPECT_GT(top & 0xFF, 150u) << above.name << " over " << below.name;
        EXPECT_GT(top & 0xFF, (top >> 16) & 0xFF) << above.name << " over " << below.name;
        LoadSolid(engine.get()->*below.sheet, below.image, 64, 1, &clear);
        LoadSolid(engine.get()->*above.sheet, above.image, 64, 1, &clear);
    }
}

// A battle drawn with the game's own art (the panel's skill icons stand in
// as solid squares), kept as a picture to look at.
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
    const int32_t x0 = kCamX + engine->shipX, y0 = kCamY + engine->shipY;
    for (int e = 0; e < 6; ++e) {
        engine->enemy.active[e] = engine->enemy.mobile[e] = 1;
        engine->enemy.art[e] = static_cast<uint8_t>(e);
        engine->enemy.w[e] = engine->enemy.h[e] = e == 3 || e == 4 ? 64 : 32;
        engine->enemy.x[e] = x0 - 300 + 120 * e;
        engine->enemy.y[e] = y0 - 260;
        engine->enemy.smokeLevel[e] = static_cast<uint8_t>(2 * e);
        engine->robot.active[e] = 1;
        engine->robot.type[e] = static_cast<uint8_t>(e % 4);
        engine->robot.x[e] = x0 - 100 + 60 * e;
        engine->robot.y[e] = y0 + 110;
        ++engine->robotTypeCounts[e % 4];
        engine->AddPlayerShot(x0 + 28, y0 - 40 - 30 * e, 8, 8, 0, 8, 0, 0, 5, 0);
        engine->AddEnemyShot(x0 - 200 + 25 * e, y0 - 180 + 10 * e, 10, 10, 0, 8, 0, 1, 5, e % 4, 1);
    }
    engine->AddKillExplosion(x0 + 150, y0 - 120, 32, 1, 2);
    engine->AddKillExplosion(x0 - 250, y0 - 60, 64, 2, 5);
    engine->AddHitFlash(x0 - 100, y0 - 100, 2);
    engine->floatingText.active[0] = 1;
    engine->floatingText.value[0] = 130;
    engine->floatingText.x[0] = x0 + 100;
    engine->floatingText.y[0] = y0 + 20;
    engine->ring[1].state = 1;
    engine->ring[1].drawScale = 0.6f;
    engine->skillValues[kSkillHardShields] = 20;
    engine->skillFullCharges[kSkillHardShields] = 40;
    engine->steering = 1;

    graphics->BeginScene();
    graphics->ClearTarget(0xFF000000);
    engine->Draw(graphics, kCamX, kCamY, sharedArt.menuSheet, 0, &font, &panel, 2);
    graphics->EndScene();
    const std::string path = TestOutPath("battle_view.png");
    ASSERT_EQ(graphics->SaveScreenshot(path.c_str()), 1);
    Image shot;
    ASSERT_TRUE(LoadImageFile(path, shot));
    auto litIn = [&](int left, int top, int w, int h) {
        int count = 0;
        for (int y = top; y < top + h; ++y) {
            for (int x = left; x < left + w; ++x) count += (shot.At(x, y) & 0x00FFFFFF) != 0;
        }
        return count;
    };
    EXPECT_GT(litIn(engine->shipX, engine->shipY, 64, 64), 200) << "the ship";
    EXPECT_GT(litIn(600, 0, 200, 128), 2000) << "the radar";
    EXPECT_GT(litIn(200, 100, 400, 400), 3000) << "the ring about the centre";
    EXPECT_GT(litIn(0, 0, 240, 30), 500) << "the robot counters";

    // The ring and the floating text each change their own part of the view:
    // the rest of the scene lights those parts too, so a count alone proves little.
    auto drawn = [&] {
        graphics->BeginScene();
        graphics->ClearTarget(0xFF000000);
        engine->Draw(graphics, kCamX, kCamY, sharedArt.menuSheet, 0, &font, &panel, 2);
        graphics->EndScene();
        Image out;
        graphics->ReadBackBuffer(out);
        return out;
    };
    auto changedIn = [&](const Image& other, int left, int top, int w, int h) {
        int count = 0;
        for (int y = top; y < top + h; ++y) {
            for (int x = left; x < left + w; ++x) count += shot.At(x, y) != other.At(x, y);
        }
        return count;
    };
    engine->ring[1].state = 0;
    EXPECT_GT(changedIn(drawn(), 180, 110, 440, 450), 30000) << "the ring";
    engine->ring[1].state = 1;
    engine->floatingText.active[0] = 0;
    const int textX = x0 + 100 - kCamX, textY = y0 + 20 - kCamY;
    EXPECT_GT(changedIn(drawn(), textX - 10, textY - 10, 50, 30), 20) << "the floating text";
    sharedArt.ReleaseArt();
    font.Release();
}

}  // namespace
