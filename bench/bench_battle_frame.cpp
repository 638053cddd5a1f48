// One full battle frame with every table near full: the engine's per-frame
// operations in the order an area scene runs them, and the battle view drawn
// on a headless renderer; beside it the very same sprite draws made with bare
// SDL calls, so the cost of our layer shows (the drawing runs all draw one
// simulated frame). A drawing run waits for the renderer to finish at the
// end of each frame, and CPU time is the whole process's, every thread
// counted, so a GL driver's own threads and its lag are in the figures. Every
// run also counts the process's heap allocations per frame; five repetitions
// unless --benchmark_repetitions says otherwise.
//
//   bench_battle_frame [--renderer=software|opengl|...] [benchmark options]
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/motion_stepper.h"
#include "platform/shared_art.h"
#include "platform/software_canvas.h"
#include "platform/sprite_draw.h"
#include "platform/texture_atlas.h"
#include "support/allocation_counter.h"
#include "support/frame_timing.h"
#include "support/renderer_choice.h"

namespace {

constexpr uint32_t kFrameMs = 16;
constexpr int kPlayerShotsInFlight = 500;
constexpr int kEnemyShotsInFlight = 500;
constexpr int kExplosionsAlive = 60;
constexpr int kFragileEnemies = 10;  // die and come back every frame
constexpr uint32_t kTough = 1000000000;
constexpr int kWarmUpFrames = 120;  // fill the kept frames before timing

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
        camera.LookAt(0, -20, -1, 0, 0, -1);
        graphics.SetViewTransform(&camera);
        for (MotionStepper& stepper : steppers) stepper.Reset();
        Populate();
        for (int k = 0; k < kWarmUpFrames; ++k) {
            TopUp();
            Simulate();
            DrawView();
        }
        ready = true;
    }
    ~Battle() {
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
        frozen = false;
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
        engine->Draw(&graphics, camX, camY, shared.menuSheet, 0, &font, panel.sheet.get(), areaId);
        graphics.EndScene();
        WaitForRenderer(graphics.Device());
    }

    // The sprite draws the view makes now, as SDL is asked for them.
    std::vector<SpriteCall> RecordView() {
        std::vector<SpriteCall> calls;
        RecordSpriteCalls(&calls);
        DrawView();
        RecordSpriteCalls(nullptr);
        return calls;
    }

    // The same draws straight through SDL: texture, colour, alpha and copy
    // for each, as our drawing did before it had ways of its own.
    void DrawBare(const std::vector<SpriteCall>& calls) {
        SDL_Renderer* renderer = graphics.Device();
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        for (const SpriteCall& c : calls) {
            const SDL_Rect source{c.sourceX, c.sourceY, c.sourceW, c.sourceH};
            const SDL_FRect target{c.x, c.y, c.w, c.h};
            const SDL_FPoint pivot{c.pivotX, c.pivotY};
            SDL_SetTextureColorMod(c.texture, (c.colour >> 16) & 0xFF, (c.colour >> 8) & 0xFF, c.colour & 0xFF);
            SDL_SetTextureAlphaMod(c.texture, c.colour >> 24);
            SDL_RenderCopyExF(renderer, c.texture, &source, &target, c.degrees, &pivot,
                              static_cast<SDL_RendererFlip>(c.flip));
        }
        WaitForRenderer(renderer);
    }

    // One simulated frame that every drawing run draws, ours and bare SDL's
    // alike, made on the first such run after anything else simulated.
    void FreezeFrame() {
        if (frozen) return;
        TopUp();
        Simulate();
        frozen = true;
    }

    // Keeps every table near full between frames.
    void TopUp() {
        frozen = false;
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

    // Rings off for a run without them, and back on after.
    void SetRings(bool on) {
        for (int k = 0; k < kRingCount; ++k) {
            if (!on) savedRings[k] = engine->ring[k].state;
            engine->ring[k].state = on ? savedRings[k] : 0;
        }
    }

    SDL_Renderer* Renderer() const { return graphics.Device(); }
    int KeptFrames() const { return graphics.Canvas() ? graphics.Canvas()->Frames().Frames() : 0; }
    int AtlasPages() { return graphics.Atlas().Pages(); }

    bool ready = false;

private:
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
    uint8_t savedRings[kRingCount] = {};
    bool frozen = false;
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

// Heap allocations of the whole process per timed frame, and frames kept.
class CountAllocations {
public:
    explicit CountAllocations(benchmark::State& state) : state_(state) { allocation_counter::Start(); }
    ~CountAllocations() {
        const allocation_counter::Counts counts = allocation_counter::Stop();
        auto perFrame = [](uint64_t n) {
            return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations);
        };
        state_.counters["allocs/frame"] = perFrame(counts.all);
        state_.counters["new/frame"] = perFrame(counts.cppNew);
        state_.counters["sdl/frame"] = perFrame(counts.sdl);
        state_.counters["kept_frames"] = TheBattle().KeptFrames();
        state_.counters["atlas_pages"] = TheBattle().AtlasPages();
    }

private:
    benchmark::State& state_;
};

void BM_BattleFrameSimulation(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    CountAllocations count(state);
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
    battle.FreezeFrame();
    state.counters["sprites"] = static_cast<double>(battle.RecordView().size());
    CountAllocations count(state);
    for (auto _ : state) battle.DrawView();
}

// The rings are the only 3D geometry and cover much of the screen; without
// them the view is the sprites alone, as the bare SDL run draws.
void BM_BattleFrameDrawingWithoutRings(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    battle.FreezeFrame();
    battle.SetRings(false);
    state.counters["sprites"] = static_cast<double>(battle.RecordView().size());
    {
        CountAllocations count(state);
        for (auto _ : state) battle.DrawView();
    }
    battle.SetRings(true);
}

void BM_BareSdlSameSprites(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    battle.FreezeFrame();
    battle.SetRings(false);
    const std::vector<SpriteCall> calls = battle.RecordView();
    battle.SetRings(true);
    state.counters["sprites"] = static_cast<double>(calls.size());
    CountAllocations count(state);
    for (auto _ : state) battle.DrawBare(calls);
}

void BM_BattleFrame(benchmark::State& state) {
    Battle* ready = ReadyBattle(state);
    if (!ready) return;
    Battle& battle = *ready;
    CountAllocations count(state);
    for (auto _ : state) {
        state.PauseTiming();
        battle.TopUp();
        state.ResumeTiming();
        battle.Simulate();
        battle.DrawView();
    }
}

BENCHMARK(BM_BattleFrameSimulation)->Apply(TimeFrames);
BENCHMARK(BM_BattleFrameDrawing)->Apply(TimeFrames);
BENCHMARK(BM_BattleFrameDrawingWithoutRings)->Apply(TimeFrames);
BENCHMARK(BM_BareSdlSameSprites)->Apply(TimeFrames);
BENCHMARK(BM_BattleFrame)->Apply(TimeFrames);

}  // namespace

int main(int argc, char** argv) {
    ChooseRenderer(argc, argv);
    if (!InitializeBenchmarks(argc, argv)) return 1;
    benchmark::AddCustomContext("renderer", RendererName(TheBattle().Renderer()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
