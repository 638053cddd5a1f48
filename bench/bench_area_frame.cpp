// A whole frame of the real game flying in area 2 of the first region:
// input, the backdrop, the battle, the radar, the panel and the present,
// driven headless by the game driver the tests use.
//
//   bench_area_frame [--renderer=software|opengl|...] [benchmark options]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "hud/area_backdrop.h"
#include "areas/region_scene.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/scene_id.h"
#include "support/allocation_counter.h"
#include "support/renderer_choice.h"

namespace {

constexpr int kLoopFrames = 60;  // the cursor moves on to the next corner of its loop
constexpr int kLoopPoints[4][2] = {{400, 150}, {650, 300}, {400, 450}, {150, 300}};

// A new game from the main menu, then the first region's area 2 at the
// place a flight through it starts, as the region tests enter it; the left
// button held, so the ship flies after the cursor.
class Flight {
public:
    Flight() {
        if (!driver.Start()) return;
        driver.RunFrames(2);
        driver.TapKey(key::kReturn);
        if (!driver.RunUntilScene(SceneId::MainMenu, 20)) return;
        GameApp& app = driver.App();
        app.gameState->NewGame();
        record_exchange::SeedNewAreaEngine(*app.battleEngine, *app.gameState);
        if (!app.areaBackdrop) app.areaBackdrop = std::make_unique<AreaBackdrop>();
        app.areaBackdrop->areaNumber = 2;
        app.areaBackdrop->viewX = 832;
        app.areaBackdrop->viewY = -4560;
        app.gameState->currentArea = 2;
        app.SwitchScene(SceneId::EarthSystem);
        driver.RunFrames(3);
        driver.PressButton(0);
        for (int k = 0; k < 4 * kLoopFrames; ++k) Frame();
        ready = app.sceneFrame == SceneId::EarthSystem;
    }

    void Frame() {
        if (frame++ % kLoopFrames == 0) {
            const int* to = kLoopPoints[(frame / kLoopFrames) % 4];
            const MouseCursor& cursor = *driver.App().cursor;
            driver.MoveMouse(to[0] - cursor.x, to[1] - cursor.y);
        }
        driver.RunFrames(1);
    }

    GameDriver driver;
    bool ready = false;
    int frame = 0;
};

Flight& TheFlight() {
    static Flight flight;
    return flight;
}

void BM_AreaFrame(benchmark::State& state) {
    Flight& flight = TheFlight();
    if (!flight.ready) {
        state.SkipWithError("the game did not reach the area");
        return;
    }
    allocation_counter::Start();
    for (auto _ : state) flight.Frame();
    const allocation_counter::Counts counts = allocation_counter::Stop();
    state.counters["allocs/frame"] =
        benchmark::Counter(static_cast<double>(counts.all), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AreaFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    ChooseRenderer(argc, argv);
    setenv("GAME_DIR", GAME_DIR_DEFAULT, 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::AddCustomContext("renderer", RendererName(TheFlight().driver.App().graphics.Device()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
