// One full battle frame with every table near full: the engine's per-frame
// operations in the order an area scene runs them, and the battle view drawn
// on the offscreen renderer; beside it the same number of sprites drawn with
// bare SDL calls, so the cost of our layer shows.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "areas/control_panel.h"
#include "battle/battle_engine.h"
#include "platform/camera.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/game_path.h"
#include "platform/image_codec.h"
#include "platform/texture_pixels.h"
#include "platform/graphics_device.h"
#include "platform/motion_stepper.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace {

constexpr uint32_t kFrameMs = 16;
constexpr int kPlayerShotsInFlight = 500;
constexpr int kEnemyShotsInFlight = 500;
constexpr int kExplosionsAlive = 60;
constexpr int kFragileEnemies = 10;  // die and come back every frame
constexpr uint32_t kTough = 1000000000;

class Battle {
public:
    Battle() {
        const char* dir = std::getenv("GAME_DIR");
        std::error_code error;
        std::filesystem::current_path(dir ? dir : GAME_DIR_DEFAULT, error);
        Clock::Install(&clock);
        if (graphics.CreateDirect3D() != 1) return;
        window = SDL_CreateWindow("bench", 0, 0, 800, 600, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
        if (!window || graphics.Create(window, 1, 0, 800, 600, 0) != 1) return;
        engine = std::make_unique<BattleEngine>();
        engine->LoadArt(&graphics);
        shared.LoadArt(&graphics);
        shared.LoadMoreArt(&graphics);
        panel.LoadArt(&graphics);
        font.Create(&graphics, "Arial", 14, 1, 0, 0, 0);
        MakeBareTexture();
        camera.LookAt(0, -20, -1, 0, 0, -1);
        graphics.SetViewTransform(&camera);
        for (MotionStepper& stepper : steppers) stepper.Reset();
        Populate();
        ready = true;
    }
    ~Battle() {
        if (bareTexture && graphics.Device()) SDL_DestroyTexture(bareTexture);
        if (engine) engine->ReleaseArt();
        panel.ReleaseArt();
        shared.ReleaseArt();
        font.Release();
        graphics.Release();
        if (window) SDL_DestroyWindow(window);
        Clock::Install(nullptr);
    }

    // The scene's update, in its order.
    void Simulate() {
        BattleEngine& e = *engine;
        clock.Advance(kFrameMs);
        e.TickAnimations();
        e.TickEffects(0);
        e.TickSlowAnimations(areaId);
        uint8_t s[13];
        const int32_t speeds[13] = {50,  30, e.shipVelocityX, e.shipVelocityY, 70, 140, 210, 280, 350, 420, 490,
                                    560, 90};
        for (int k = 0; k < 13; ++k) s[k] = steppers[k].StepAdaptive(speeds[k], kFrameMs);
        e.MoveShotsAndWaves(camX, camY, s[4], s[5], s[6], s[7], s[8], s[9], s[10], s[11]);
        e.steering = 0;
        e.shipVelocityX = e.shipVelocityY = 0;
        e.MoveKillDebris(s[1], s[0], s[4], s[12], s[5], s[6]);
        // The mouse circles the ship, so the heading keeps turning.
        ++turn;
        const int32_t mouseX = 400 + ((turn / 20) % 2 ? 150 : -150);
        const int32_t mouseY = 342 + ((turn / 40) % 2 ? 120 : -120);
        e.SteerShip(camX, camY, mouseX, mouseY, s[2], s[3]);
        e.ThinkRobots(camX, camY, s[4], s[6]);
        e.ThinkAllies(camX, camY, s[4], s[6]);
        e.ThinkEnemies(camX, camY, s[0], s[4]);
        if (e.fireReady) {
            e.fireReady = 0;
            e.FirePlayerShots(camX, camY);
        }
        e.FireAllyShots(camX, camY);
        e.FireRobotShots(camX, camY);
        e.FireEnemyShots(camX, camY);
        e.ResolveCombat(camX, camY, &experience, &shields, &armor);
        e.TestPortals(camX, camY, mouseX, mouseY);
        e.CollectPickups(camX, camY, &resources[0], &resources[1], &resources[2], &resources[3], &resources[4],
                         &resources[5]);
        e.dropRoll = e.dropRoll + 1 > e.rollLimit ? 1 : e.dropRoll + 1;
        e.dropKindRoll = e.dropKindRoll + 10 > e.rollLimit ? 1 : e.dropKindRoll + 10;
    }

    void DrawView() {
        graphics.BeginScene();
        graphics.ClearTarget(0xFF000000);
        engine->Draw(&graphics, camX, camY, shared.menuSheet, 0, &font, panel.sheet, areaId);
        graphics.EndScene();
        SDL_RenderFlush(graphics.Device());
    }

    // The same sprites as the view, straight through SDL: each visible
    // thing at its own size and turn, one texture, colour and alpha set per
    // copy. Returns the number of copies.
    int DrawBare(bool draw) {
        const BattleEngine& e = *engine;
        SDL_Renderer* renderer = graphics.Device();
        SDL_Texture* texture = bareTexture;
        if (draw) {
            SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
            SDL_RenderClear(renderer);
        }
        int copies = 0;
        auto copy = [&](int32_t worldX, int32_t worldY, float size, double degrees, bool cull) {
            const float x = static_cast<float>(worldX - camX), y = static_cast<float>(worldY - camY);
            if (cull && !(x >= -63 && x < 800 && y >= -63 && y < 600)) return;
            ++copies;
            if (!draw) return;
            const SDL_Rect source{0, 0, 32, 32};
            const SDL_FRect target{x, y, size, size};
            const SDL_FPoint centre{size / 2, size / 2};
            SDL_SetTextureColorMod(texture, 255, 255, 255);
            SDL_SetTextureAlphaMod(texture, 200);
            SDL_RenderCopyExF(renderer, texture, &source, &target, degrees, &centre, SDL_FLIP_NONE);
        };
        for (int i = 0; i < kPickupSlots; ++i) {
            if (e.pickup.active[i]) copy(e.pickup.x[i], e.pickup.y[i], 16, 0, true);
        }
        for (int i = 0; i < kEnemyShotSlots; ++i) {
            if (e.enemyShot.active[i]) copy(e.enemyShot.x[i], e.enemyShot.y[i], 12, 0, true);
        }
        for (int i = 0; i < kPlayerShotSlots; ++i) {
            if (e.playerShot.active[i]) copy(e.playerShot.x[i], e.playerShot.y[i], 12, 0, true);
        }
        for (int i = 0; i < kAllySlots; ++i) {
            if (e.ally.active[i]) copy(e.ally.x[i], e.ally.y[i], e.ally.w[i], e.ally.facing[i] * -45.0, true);
        }
        for (int i = 0; i < kRobotSlots; ++i) {
            if (e.robot.active[i]) copy(e.robot.x[i], e.robot.y[i], 32, e.robot.facing[i] * -45.0, true);
        }
        for (int i = 0; i < kEnemySlots; ++i) {
            if (!e.enemy.active[i]) continue;
            copy(e.enemy.x[i], e.enemy.y[i], e.enemy.w[i], e.enemy.mobile[i] ? e.enemy.facing[i] * -45.0 : 0, true);
            for (int p = 0; p < (e.enemy.smokeLevel[i] + 2) / 3; ++p) copy(e.enemy.x[i], e.enemy.y[i], 14, 0, true);
        }
        copy(e.shipX + camX, e.shipY + camY, 64, e.heading * -5.625, false);
        copy(e.shipX + camX + 20, e.shipY + camY + 62, 23, e.heading * -5.625, false);
        for (int i = 0; i < kKillExplosionSlots; ++i) {
            if (e.killExplosion.frame[i] == 0) continue;
            if (e.killExplosion.frame[i] < 9) copy(e.killExplosion.x[i], e.killExplosion.y[i], 64, 0, false);
            const int debris = e.killExplosion.kind[i] == 1 ? 4 : 7;
            for (int p = 0; p < debris; ++p)
                copy(e.killExplosion.debrisX[i][p], e.killExplosion.debrisY[i][p], 13, 0, false);
        }
        for (int i = 0; i < kSparkSlots; ++i) {
            if (e.spark.frame[i]) copy(e.spark.x[i], e.spark.y[i], 32, 0, false);
        }
        for (int i = 0; i < kHitFlashSlots; ++i) {
            if (e.hitFlash.frame[i]) copy(e.hitFlash.x[i], e.hitFlash.y[i], 32, 0, false);
        }
        const int radarDots = e.radar.robotCount + e.radar.allyCount + e.radar.enemyCount + 4;
        for (int k = 0; k < radarDots; ++k) copy(camX + 698 + k % 90, camY + 62 + k % 60, 2, 0, false);
        copy(camX + 600, camY, 200, 0, false);                                       // the radar's back, scaled up
        for (int k = 0; k < 12; ++k) copy(camX + 60 * (k % 4), camY, 30, 0, false);  // robot counters
        if (draw) SDL_RenderFlush(renderer);
        return copies;
    }

    // Keeps every table near full between frames.
    void TopUp() {
        BattleEngine& e = *engine;
        e.emergencyEscape = 0;
        e.shipShields = shields = kTough;
        e.shipArmor = armor = kTough;
        const int32_t shipWorldX = e.shipX + camX, shipWorldY = e.shipY + camY;
        for (int i = 0; i < kEnemySlots; ++i) {
            if (!e.enemy.active[i]) PlaceEnemy(i, shipWorldX, shipWorldY);
        }
        for (int i = 0; i < kRobotSlots; ++i) {
            e.robot.active[i] = 1;
            e.robot.armor[i] = kTough;
        }
        for (int i = 0; i < kAllySlots; ++i) {
            e.ally.active[i] = 1;
            e.ally.armor[i] = kTough;
        }
        int playerShots = 0, enemyShots = 0, explosions = 0;
        for (int i = 0; i < kPlayerShotSlots; ++i) playerShots += e.playerShot.active[i];
        for (int i = 0; i < kEnemyShotSlots; ++i) enemyShots += e.enemyShot.active[i];
        for (int i = 0; i < kKillExplosionSlots; ++i) explosions += e.killExplosion.frame[i] != 0;
        for (int k = 0; playerShots < kPlayerShotsInFlight; ++k, ++playerShots) {
            e.AddPlayerShot(shipWorldX - 400 + (k * 37) % 800, shipWorldY - 300 + (k * 53) % 600, 8, 8, k % 9,
                            8 - k % 9, static_cast<uint8_t>(k & 1), static_cast<uint8_t>((k >> 1) & 1), 3, 0);
        }
        for (int k = 0; enemyShots < kEnemyShotsInFlight; ++k, ++enemyShots) {
            e.AddEnemyShot(shipWorldX - 400 + (k * 41) % 800, shipWorldY - 300 + (k * 29) % 600, 10, 10, k % 9,
                           8 - k % 9, static_cast<uint8_t>(k & 1), static_cast<uint8_t>((k >> 1) & 1), 1,
                           static_cast<uint8_t>(k % 4), 1);
        }
        for (int k = 0; explosions < kExplosionsAlive; ++k, ++explosions) {
            e.AddKillExplosion(shipWorldX - 380 + (k * 61) % 760, shipWorldY - 280 + (k * 47) % 560, k % 3 ? 32 : 64,
                               static_cast<uint8_t>(1 + k % 3), static_cast<uint8_t>(k % 7));
        }
        for (int k = 0; k < kRingCount; ++k) {
            if (e.ring[k].state == 0) {
                e.ring[k].state = 1;
                e.ring[k].drawScale = 0.0001f;
            }
        }
    }

    bool ready = false;
    BattleEngine* Engine() { return engine.get(); }

private:
    // The ship's picture as a texture of its own, made the plain SDL way.
    void MakeBareTexture() {
        Image file, pixels;
        if (!LoadImageFile(ResolveGamePath("Art\\Ship\\Ship1.bmp"), file)) return;
        if (!PrepareTexturePixels(file, 0xFF000000, kFormatA1R5G5B5, pixels)) return;
        bareTexture = SDL_CreateTexture(graphics.Device(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                        pixels.width, pixels.height);
        if (!bareTexture) return;
        SDL_UpdateTexture(bareTexture, nullptr, pixels.pixels.data(), pixels.width * 4);
        SDL_SetTextureBlendMode(bareTexture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(bareTexture, SDL_ScaleModeLinear);
    }

    void PlaceEnemy(int i, int32_t shipWorldX, int32_t shipWorldY) {
        BattleEngine& e = *engine;
        const bool large = i % 7 == 0;
        e.enemy.active[i] = 1;
        e.enemy.mobile[i] = i % 11 != 0;
        e.enemy.art[i] = static_cast<uint8_t>(large ? 3 : i % 3);
        e.enemy.w[i] = e.enemy.h[i] = large ? 64 : 32;
        e.enemy.x[i] = shipWorldX - 700 + (i % 10) * 140;
        e.enemy.y[i] = shipWorldY - 500 + (i / 10) * 100;
        e.enemy.shields[i] = i < kFragileEnemies ? 0 : kTough;
        e.enemy.armor[i] = i < kFragileEnemies ? 1 : kTough;
        e.enemy.shotDamage[i] = 1;
        e.enemy.shotType[i] = static_cast<uint8_t>(i % 4);
        e.enemy.volley[i] = static_cast<uint8_t>(i % 3 == 0 ? 5 : (i % 3 == 1 ? 3 : 1));
        e.enemy.fireGroup[i] = static_cast<uint8_t>(i % 3 + 1);
        e.enemy.keepOffX[i] = e.enemy.keepOffY[i] = 60;
        e.enemy.reward[i] = 5;
        e.enemy.smokeLevel[i] = static_cast<uint8_t>(i % 11);
        e.enemy.dropKind[i] = static_cast<uint8_t>(i % 2);
    }

    void Populate() {
        BattleEngine& e = *engine;
        e.AreaBounds[kBoundYMin] = -9760;
        e.AreaBounds[kBoundYMax] = -536;
        e.AreaBounds[kBoundXMin] = -64;
        e.AreaBounds[kBoundXMax] = 2274;
        e.engineLevel = 8;
        e.volleySize = 5;
        e.fireMode = 2;
        for (int b = 0; b < kBarrels; ++b) {
            e.barrelPresent[b] = 1;
            e.barrelDamage[b] = 4;
        }
        const int32_t shipWorldX = e.shipX + camX, shipWorldY = e.shipY + camY;
        for (int i = 0; i < kRobotSlots; ++i) {
            e.robot.exists[i] = 1;
            e.robot.type[i] = static_cast<uint8_t>(i % 4);
            e.robot.x[i] = shipWorldX - 300 + (i % 10) * 60;
            e.robot.y[i] = shipWorldY + 60 + (i / 10) * 40;
            e.robot.damage[i] = 3;
            ++e.robotTypeCounts[i % 4];
        }
        for (int i = 0; i < kAllySlots; ++i) {
            e.ally.exists[i] = 1;
            e.ally.w[i] = e.ally.h[i] = i < 30 ? 32 : 64;
            e.ally.frame[i] = static_cast<uint8_t>(i < 30 ? (i % 2 ? 5 : 0) : 3);
            e.ally.x[i] = shipWorldX - 350 + (i % 10) * 70;
            e.ally.y[i] = shipWorldY - 100 + (i / 10) * 50;
            e.ally.damage[i] = 3;
            e.ally.fireGroup[i] = static_cast<uint8_t>(i % 3 + 1);
        }
        for (int k = 0; k < kRingCount; ++k) {
            e.skillValues[kSkillElectronExplosion + k] = 50;
            e.ring[k].progress = k * 1.0f;
        }
        e.skillValues[kSkillHardShields] = 10;
        e.skillFullCharges[kSkillHardShields] = 20;
        e.skillValues[kSkillParticleShields] = 5;
        e.skillFullCharges[kSkillParticleShields] = 20;
        e.portal.exists[0] = 1;
        e.portal.x[0] = shipWorldX + 500;
        e.portal.y[0] = shipWorldY - 200;
        TopUp();
    }

    ManualClock clock{10000};
    SDL_Window* window = nullptr;
    GraphicsDevice graphics;
    SDL_Texture* bareTexture = nullptr;
    std::unique_ptr<BattleEngine> engine;
    SharedArt shared;
    ControlPanel panel;
    Font font;
    Camera camera;
    MotionStepper steppers[13];
    int32_t camX = 600, camY = -2000;
    int32_t areaId = 4;
    int turn = 0;
    uint32_t experience = 0, shields = 0, armor = 0;
    uint32_t resources[6] = {};
};

Battle& TheBattle() {
    static Battle battle;
    return battle;
}

// The shared battle, or null with the run skipped when no device opened.
Battle* ReadyBattle(benchmark::State& state) {
    Battle& battle = TheBattle();
    if (battle.ready) return &battle;
    state.SkipWithError("no graphics device");
    return nullptr;
}

void BM_BattleFrameSimulation(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    for (auto _ : state) {
        state.PauseTiming();
        battle.TopUp();
        state.ResumeTiming();
        battle.Simulate();
    }
}

void BM_BattleFrameDrawing(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    battle.TopUp();
    battle.Simulate();
    for (auto _ : state) battle.DrawView();
    state.counters["sprites"] = battle.DrawBare(false);
}

// The rings are the only 3D geometry and cover most of the screen; without
// them the view is the sprites alone, as the bare SDL run draws.
void BM_BattleFrameDrawingWithoutRings(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    battle.TopUp();
    battle.Simulate();
    uint8_t states[kRingCount];
    for (int k = 0; k < kRingCount; ++k) {
        states[k] = battle.Engine()->ring[k].state;
        battle.Engine()->ring[k].state = 0;
    }
    for (auto _ : state) battle.DrawView();
    state.counters["sprites"] = battle.DrawBare(false);
    for (int k = 0; k < kRingCount; ++k) battle.Engine()->ring[k].state = states[k];
}

void BM_BareSdlSameSprites(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    battle.TopUp();
    battle.Simulate();
    battle.DrawView();  // fills the radar's lists as the view does
    int sprites = 0;
    for (auto _ : state) sprites = battle.DrawBare(true);
    state.counters["sprites"] = sprites;
}

void BM_BattleFrame(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    for (auto _ : state) {
        state.PauseTiming();
        battle.TopUp();
        state.ResumeTiming();
        battle.Simulate();
        battle.DrawView();
    }
}

BENCHMARK(BM_BattleFrameSimulation)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BattleFrameDrawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BattleFrameDrawingWithoutRings)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareSdlSameSprites)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BattleFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
