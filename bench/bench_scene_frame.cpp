// Whole frames of two of the busiest screens outside the areas, driven by
// the game driver the tests use, headless on the renderer chosen by
// --renderer or SDL_RENDER_DRIVER:
//   BM_MainMenuFrame   the main menu: clouds, rocks, the flying ship and its
//                      rings, the bar, with the cursor moving over the rows;
//   BM_RobotsPageFrame the Robots page with all 100 robots made (through the
//                      Make Robots page), the cursor moving over its rows.
//
// CPU time is the whole process's, every thread counted; five repetitions
// unless --benchmark_repetitions says otherwise.
//
//   bench_scene_frame [--renderer=software|opengl|...] [benchmark options]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/scene_id.h"
#include "support/allocation_counter.h"
#include "support/frame_timing.h"
#include "support/renderer_choice.h"

namespace {

constexpr int kLoopFrames = 30;  // the cursor moves on to the next point of its loop
constexpr int kMenuPoints[4][2] = {{400, 250}, {420, 330}, {400, 410}, {380, 330}};
constexpr int kRobotRowPoints[4][2] = {{300, 117}, {500, 217}, {300, 317}, {500, 417}};
// The Make Robots page: the Grunt's row, then Yes.
constexpr int kGruntRow[2] = {100, 127};
constexpr int kYes[2] = {335, 351};

// A scene reached through real input, then run frame by frame with the
// cursor going round a loop of points.
class SceneRun {
public:
    explicit SceneRun(const int (&points)[4][2]) : points_(points) {}
    virtual ~SceneRun() = default;

    void Frame() {
        if (frame_++ % kLoopFrames == 0) {
            const int* to = points_[(frame_ / kLoopFrames) % 4];
            driven_play::PointAt(driver, to[0], to[1]);
            return;  // PointAt ran the frame
        }
        driver.RunFrames(1);
    }

    std::string Renderer() { return RendererName(driver.App().graphics.Device()); }

    GameDriver driver;
    bool ready = false;

private:
    const int (&points_)[4][2];
    int frame_ = 0;
};

class MainMenuRun : public SceneRun {
public:
    MainMenuRun() : SceneRun(kMenuPoints) {
        ready = driver.ToMainMenu();
        // Long enough for the ship to be flying with its rings.
        for (int k = 0; k < 8 * kLoopFrames && ready; ++k) Frame();
        ready = ready && driver.App().sceneFrame == SceneId::MainMenu;
    }
};

class RobotsPageRun : public SceneRun {
public:
    RobotsPageRun() : SceneRun(kRobotRowPoints) {
        if (!driven_play::NewGameAtHomeBase(driver)) return;
        GameState& state = *driver.App().gameState;
        // Room and material for the table's 100; the robots themselves are made one by one.
        state.maxRobotCount = 120;
        state.resources[GameState::kRobotMaterial] = 1000000;
        while (state.robotCount < GameState::kRobotSlots) {
            if (!MakeGrunt()) return;
        }
        driver.TapKey(key::kR);
        ready = driver.App().sceneFrame == SceneId::Robots;
        for (int k = 0; k < 4 * kLoopFrames && ready; ++k) Frame();
    }

private:
    bool MakeGrunt() {
        const uint8_t before = driver.App().gameState->robotCount;
        driver.TapKey(key::kM);
        driven_play::PointAt(driver, kGruntRow[0], kGruntRow[1]);
        driven_play::Click(driver);
        driven_play::PointAt(driver, kYes[0], kYes[1]);
        driven_play::Click(driver);
        return driver.App().sceneFrame == SceneId::HomeBase && driver.App().gameState->robotCount == before + 1;
    }
};

template <class Run>
void RunScene(benchmark::State& state) {
    static std::unique_ptr<Run> run;
    if (!run) run = std::make_unique<Run>();
    if (!run->ready) {
        state.SkipWithError("the game did not reach the scene");
        return;
    }
    state.SetLabel(run->Renderer());
    allocation_counter::Start();
    for (auto _ : state) run->Frame();
    const allocation_counter::Counts counts = allocation_counter::Stop();
    state.counters["allocs/frame"] =
        benchmark::Counter(static_cast<double>(counts.all), benchmark::Counter::kAvgIterations);
}

void BM_MainMenuFrame(benchmark::State& state) { RunScene<MainMenuRun>(state); }
BENCHMARK(BM_MainMenuFrame)->Apply(TimeFrames);

void BM_RobotsPageFrame(benchmark::State& state) { RunScene<RobotsPageRun>(state); }
BENCHMARK(BM_RobotsPageFrame)->Apply(TimeFrames);

}  // namespace

int main(int argc, char** argv) {
    ChooseRenderer(argc, argv);
    setenv("GAME_DIR", GAME_DIR_DEFAULT, 0);
    if (!InitializeBenchmarks(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
