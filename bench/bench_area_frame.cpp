// A whole frame of the real game flying in area 2 of the first region:
// input, the backdrop, the battle, the radar, the panel and the present,
// driven by the game driver the tests use.
//
// BM_AreaFrame runs headless (offscreen video unless SDL_VIDEODRIVER says
// otherwise) on the renderer chosen by --renderer or SDL_RENDER_DRIVER.
// When an X server answers, BM_WindowFrame runs the game full screen in a
// real window on it, on the renderer the game picks itself ("default") and on
// each one forced; its real time includes the wait for the display. It runs on
// each display BENCH_DISPLAYS lists (say two Xvfb servers, one 1024x768 and
// one 1920x1080), else on $DISPLAY; without an X server it is not run.
//
// Every run's CPU time is the whole process's, every thread counted; five
// repetitions unless --benchmark_repetitions says otherwise.
//
//   bench_area_frame [--renderer=software|opengl|...] [benchmark options]
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "areas/region_scene.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"
#include "shell/scene_id.h"
#include "support/allocation_counter.h"
#include "support/frame_timing.h"
#include "support/renderer_choice.h"

namespace {

constexpr int kLoopFrames = 60;  // the cursor moves on to the next corner of its loop
constexpr int kLoopPoints[4][2] = {{400, 150}, {650, 300}, {400, 450}, {150, 300}};
constexpr const char* kWindowRenderers[] = {"default", "software", "opengl"};

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

    // The renderer the game drew with, and the GL driver it weighed.
    std::string Renderer() {
        const GraphicsDevice& graphics = driver.App().graphics;
        std::string name = RendererName(graphics.Device());
        if (!graphics.GlRenderer().empty()) name += " (GL: " + graphics.GlRenderer() + ")";
        return name;
    }

    // The window's size in pixels.
    std::string WindowSize() {
        int w = 0, h = 0;
        SDL_GetWindowSize(driver.App().window, &w, &h);
        return std::to_string(w) + "x" + std::to_string(h);
    }

    GameDriver driver;
    bool ready = false;
    int frame = 0;
};

// Where a flight runs: the video driver, the X display (empty for none) and
// the renderer asked for (empty: the game's own choice).
struct Setting {
    std::string video, display, renderer;
    bool operator==(const Setting&) const = default;
};

// One flight at a time: a run in another setting ends the last one first.
Flight& FlightIn(const Setting& setting) {
    static std::unique_ptr<Flight> flight;
    static Setting current;
    if (flight && current == setting) return *flight;
    flight.reset();
    setenv("SDL_VIDEODRIVER", setting.video.c_str(), 1);
    if (!setting.display.empty()) setenv("DISPLAY", setting.display.c_str(), 1);
    // Set, even when empty, so that the driver's own default does not apply.
    setenv("SDL_RENDER_DRIVER", setting.renderer.c_str(), 1);
    current = setting;
    flight = std::make_unique<Flight>();
    return *flight;
}

Setting g_headless;

void RunFlight(benchmark::State& state, const Setting& setting) {
    Flight& flight = FlightIn(setting);
    if (!flight.ready) {
        state.SkipWithError("the game did not reach the area");
        return;
    }
    state.SetLabel(flight.Renderer() + " " + flight.WindowSize());
    allocation_counter::Start();
    for (auto _ : state) flight.Frame();
    const allocation_counter::Counts counts = allocation_counter::Stop();
    state.counters["allocs/frame"] =
        benchmark::Counter(static_cast<double>(counts.all), benchmark::Counter::kAvgIterations);
}

void BM_AreaFrame(benchmark::State& state) { RunFlight(state, g_headless); }
BENCHMARK(BM_AreaFrame)->Apply(TimeFrames);

// The X displays to run in: those BENCH_DISPLAYS lists (separated by
// spaces or commas), else $DISPLAY; with the size of each one's screen.
// None answers without an X server.
std::vector<std::pair<std::string, std::string>> XDisplays() {
    std::vector<std::pair<std::string, std::string>> displays;
    const char* listed = std::getenv("BENCH_DISPLAYS");
    if (!listed || !*listed) listed = std::getenv("DISPLAY");
    if (!listed) return displays;
    const char* video = std::getenv("SDL_VIDEODRIVER");
    const std::string keptVideo = video ? video : "";
    const char* display = std::getenv("DISPLAY");
    const std::string keptDisplay = display ? display : "";
    setenv("SDL_VIDEODRIVER", "x11", 1);
    std::string list = listed;
    for (char& c : list) c = c == ',' ? ' ' : c;
    size_t at = 0;
    while ((at = list.find_first_not_of(' ', at)) != std::string::npos) {
        const size_t end = std::min(list.find(' ', at), list.size());
        const std::string name = list.substr(at, end - at);
        at = end;
        setenv("DISPLAY", name.c_str(), 1);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) continue;
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0)
            displays.emplace_back(name, std::to_string(mode.w) + "x" + std::to_string(mode.h));
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    setenv("SDL_VIDEODRIVER", keptVideo.c_str(), 1);
    if (keptDisplay.empty()) {
        unsetenv("DISPLAY");
    } else {
        setenv("DISPLAY", keptDisplay.c_str(), 1);
    }
    return displays;
}

void RegisterWindowRuns() {
    for (const auto& [display, size] : XDisplays()) {
        for (const char* renderer : kWindowRenderers) {
            const Setting setting{"x11", display, std::string(renderer) == "default" ? "" : renderer};
            const std::string name = std::string("BM_WindowFrame/") + renderer + "/" + size;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [setting](benchmark::State& state) { RunFlight(state, setting); })
                ->Apply(TimeFrames);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    ChooseRenderer(argc, argv);
    setenv("GAME_DIR", GAME_DIR_DEFAULT, 0);
    const char* video = std::getenv("SDL_VIDEODRIVER");
    const char* renderer = std::getenv("SDL_RENDER_DRIVER");
    g_headless = Setting{video ? video : "offscreen", "", renderer ? renderer : ""};
    if (!InitializeBenchmarks(argc, argv)) return 1;
    RegisterWindowRuns();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
