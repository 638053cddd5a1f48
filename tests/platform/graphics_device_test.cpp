#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/camera.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/matrix4.h"
#include "platform/mesh_renderer.h"
#include "platform/renderer_probe.h"
#include "platform/software_canvas.h"
#include "support/scratch_folder.h"
#include "test_support.h"

namespace {
constexpr float kPi = 3.14159265f;
}

TEST(Camera, LookAtFromAboveGivesYawZeroAndPitchMinusHalfPi) {
    Camera camera;
    ASSERT_EQ(camera.LookAt(0, -20, -1, 0, 0, -1), 1);
    EXPECT_FLOAT_EQ(camera.angleY, 0.0f);
    EXPECT_NEAR(camera.angleX, -kPi / 2, 1e-6);
    EXPECT_FLOAT_EQ(camera.x, 0.0f);
    EXPECT_FLOAT_EQ(camera.y, -20.0f);
    // The view takes the eye to the origin and looks along +y: the target
    // (0, 0, -1) ends up 20 units straight ahead.
    Vector4 target = TransformPoint(0, 0, -1, *camera.ViewMatrix());
    EXPECT_NEAR(target.x, 0.0f, 1e-4);
    EXPECT_NEAR(target.y, 0.0f, 1e-4);
    EXPECT_NEAR(target.z, 20.0f, 1e-4);
    Vector4 eye = TransformPoint(0, -20, -1, camera.view);
    EXPECT_NEAR(eye.x * eye.x + eye.y * eye.y + eye.z * eye.z, 0.0f, 1e-8);
}

class GraphicsDeviceTest : public DeviceTest {
protected:
    void SetUp() override { Open(800, 600); }
};

TEST_F(GraphicsDeviceTest, RingVertexProjectsWhereTheMatricesSay) {
    Camera camera;
    camera.LookAt(0, -20, -1, 0, 0, -1);
    ASSERT_EQ(graphics_.SetViewTransform(&camera), 1);
    // Worked by hand: (10, 0, 0) is 10 right, 1 below and 20 ahead of the eye.
    // x = 400 + 400 * (10 * 0.75 * cot(pi/8)) / 20, y = 300 + 300 * cot(pi/8) / 20.
    const float c = 1.0f / std::tan(kPi / 8);
    float sx = 0, sy = 0;
    ASSERT_TRUE(ProjectVertex(graphics_, MatrixIdentity(), 10, 0, 0, sx, sy));
    EXPECT_NEAR(sx, 400 + 400 * (10 * 0.75f * c) / 20, 0.01);
    EXPECT_NEAR(sy, 300 + 300 * c / 20, 0.01);
    // A world scaling of 2 on x doubles the offset from the centre.
    ASSERT_TRUE(ProjectVertex(graphics_, MatrixScaling(2, 1, 2), 10, 0, 0, sx, sy));
    EXPECT_NEAR(sx, 400 + 400 * (20 * 0.75f * c) / 20, 0.01);
    // Behind the eye or nearer than the near plane: not drawable.
    EXPECT_FALSE(ProjectVertex(graphics_, MatrixIdentity(), 0, -30, 0, sx, sy));
    EXPECT_FALSE(ProjectVertex(graphics_, MatrixIdentity(), 0, -19.5f, -1, sx, sy));
}

TEST_F(GraphicsDeviceTest, MeshDrawsTexturedTrianglesAndDropsThoseBehindTheEye) {
    Camera camera;
    camera.LookAt(0, -20, -1, 0, 0, -1);
    graphics_.SetViewTransform(&camera);
    graphics_.Clear(0xFF000000, 1.0f);
    // A flat square in the ring's plane, 10 units each side of the centre line.
    const uint32_t green = 0xFF00FF00;
    MeshVertex quad[6] = {{-5, 0, -6, green, 0, 0}, {5, 0, -6, green, 1, 0}, {-5, 0, 4, green, 0, 1},
                          {5, 0, -6, green, 1, 0},  {5, 0, 4, green, 1, 1},  {-5, 0, 4, green, 0, 1}};
    ASSERT_EQ(DrawMesh(&graphics_, MatrixIdentity(), quad, 6, nullptr), 1);
    EXPECT_PRED3(Near, Pixel(400, 300), green, 2);
    EXPECT_EQ(Pixel(50, 50), 0xFF000000u);

    graphics_.Clear(0xFF000000, 1.0f);
    Matrix4 behind = MatrixTranslation(0, -40, 0);  // moved behind the camera
    ASSERT_EQ(DrawMesh(&graphics_, behind, quad, 6, nullptr), 1);
    Image shot = Shot();
    for (uint32_t p : shot.pixels) ASSERT_EQ(p, 0xFF000000u);
    EXPECT_EQ(DrawMesh(&graphics_, MatrixIdentity(), quad, kMaxMeshVertices + 3, nullptr), 0);

    // A shock-wave ring as the engine builds it (20 segments, radius 10, width
    // 1.5) scaled by 0.5 circles the ship: 181 px across each way.
    MeshVertex ring[120];
    int n = 0;
    for (float a = 0; a < 360 && n < 120; a += 361.0f / 20) {
        float b = a + 361.0f / 20;
        float ra = a * 0.017444445f, rb = b * 0.017444445f;
        auto at = [](float angle, float r, float u, float v) {
            return MeshVertex{std::cos(angle) * r, 0, std::sin(angle) * r, 0xFFFFFFFF, u, v};
        };
        MeshVertex innerA = at(ra, 8.5f, 0, 1), outerA = at(ra, 10, 0, 0), innerB = at(rb, 8.5f, 1, 1),
                   outerB = at(rb, 10, 1, 0);
        for (const MeshVertex& v : {innerA, outerA, innerB, outerA, outerB, innerB}) ring[n++] = v;
    }
    ASSERT_EQ(n, 120);
    graphics_.Clear(0xFF000000, 1.0f);
    ASSERT_EQ(DrawMesh(&graphics_, MatrixScaling(0.5f, 1, 0.5f), ring, n, nullptr), 1);
    const float c = 1.0f / std::tan(kPi / 8);
    const int rx = static_cast<int>(9.25f * 0.5f * 0.75f * c / 20 * 400);  // mid-band radius
    const int ry = static_cast<int>(9.25f * 0.5f * c / 20 * 300);
    const int cy = static_cast<int>(300 + 300 * c / 20);
    EXPECT_EQ(Pixel(400 + rx, cy), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(400 - rx, cy), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(400, cy - ry), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(400, cy + ry), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(400, cy), 0xFF000000u) << "the middle stays clear";
}

TEST_F(GraphicsDeviceTest, LostNotResetUsableCycleThroughTheHook) {
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Usable);
    graphics_.ForceState(DeviceState::Lost);
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Lost);
    EXPECT_EQ(graphics_.Present(), 0) << "a lost device does not present";
    graphics_.ForceState(DeviceState::NotReset);
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::NotReset);
    ASSERT_EQ(graphics_.Reset(), 1);
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Usable);
    EXPECT_NE(graphics_.Device(), nullptr);
    EXPECT_EQ(graphics_.width, 800);
    EXPECT_EQ(graphics_.ClearTarget(0xFF336699), 1);
    EXPECT_EQ(Pixel(10, 10), 0xFF336699u);
    EXPECT_EQ(graphics_.Present(), 1);

    // The renderer's reset event asks for the same reset.
    SDL_Event reset;
    SDL_zero(reset);
    reset.type = SDL_RENDER_DEVICE_RESET;
    SDL_PushEvent(&reset);
    SDL_PumpEvents();
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::NotReset) << "the window is visible, so it can be reset";
    ASSERT_EQ(graphics_.Reset(), 1);
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Usable);
}

TEST_F(GraphicsDeviceTest, HidingTheFullScreenWindowLosesTheDeviceUntilItShowsAgain) {
    // Windowed, the window may come and go without touching the device.
    SDL_HideWindow(window_);
    SDL_PumpEvents();
    SDL_ShowWindow(window_);
    SDL_PumpEvents();
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Usable);

    ASSERT_EQ(graphics_.Create(window_, 0, 0, 800, 600, 0), 1);
    ASSERT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Usable);
    SDL_HideWindow(window_);
    SDL_PumpEvents();
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Lost) << "hidden while full screen";
    EXPECT_EQ(graphics_.Present(), 0);
    SDL_ShowWindow(window_);
    SDL_PumpEvents();
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::NotReset) << "visible again: ready to reset";
    ASSERT_EQ(graphics_.Reset(), 1);
    EXPECT_EQ(graphics_.TestCooperativeLevel(), DeviceState::Usable);
    EXPECT_EQ(graphics_.Present(), 1);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

TEST_F(GraphicsDeviceTest, PresentUnderTheManualClockDoesNotWait) {
    ASSERT_TRUE(graphics_.PacesFrames());
    ManualClock manual;
    Clock::Install(&manual);
    for (int i = 0; i < 30; ++i) ASSERT_EQ(graphics_.Present(), 1);
    Clock::Install(nullptr);
    EXPECT_EQ(graphics_.PacingWaits(), 0u);
}

TEST_F(GraphicsDeviceTest, PresentPacesToSixtyFramesOnTheSystemClock) {
    ASSERT_TRUE(graphics_.PacesFrames()) << "offscreen presentation never waits for a display";
    // The first present sets the beat; twelve more each wait for their own
    // 16.7 ms slot. A slow machine only makes the run longer, and no single
    // wait is ever asked for more than one frame.
    uint32_t start = NowMs();
    for (int i = 0; i < 13; ++i) graphics_.Present();
    uint32_t elapsed = NowMs() - start;
    EXPECT_GE(elapsed, 199u);
    EXPECT_LE(graphics_.LongestPacingWaitMs(), 17u);
}

TEST_F(GraphicsDeviceTest, ZeroSizeTakesTheClientOrTheDesktopSize) {
    SDL_SetWindowSize(window_, 640, 480);
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 0, 0, 0), 1);
    EXPECT_EQ(graphics_.width, 640);
    EXPECT_EQ(graphics_.height, 480);
    SDL_DisplayMode desktop;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    ASSERT_EQ(graphics_.Create(window_, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(graphics_.width, desktop.w);
    EXPECT_EQ(graphics_.height, desktop.h);
}

TEST_F(GraphicsDeviceTest, FullScreenKeepsAnExactBackBufferAndScreenshotsIt) {
    ASSERT_EQ(graphics_.Create(window_, 0, 0, 800, 600, 0), 1);
    EXPECT_EQ(graphics_.windowed, 0);
    EXPECT_NE(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
    graphics_.Clear(0xFF204080, 1.0f);
    Image shot = Shot();
    EXPECT_EQ(shot.width, 800);
    EXPECT_EQ(shot.height, 600);
    EXPECT_EQ(shot.At(799, 599), 0xFF204080u);

    ScratchFolder dir;
    ASSERT_EQ(graphics_.SaveScreenshot(dir.File("shot.png").c_str()), 1);
    Image back;
    ASSERT_TRUE(LoadImageFile(dir.File("shot.png"), back));
    EXPECT_EQ(back.pixels, shot.pixels);
    EXPECT_EQ(graphics_.SaveScreenshot(dir.File("no/such/dir/shot.png").c_str()), 0);
}

TEST_F(GraphicsDeviceTest, MouseEventsArriveInBackBufferPixelsWhenScaled) {
    // A window twice the back buffer's size, as full screen on a larger desktop would be.
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 400, 300, 0), 1);
    SDL_SetWindowSize(window_, 800, 600);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_Event motion;
    SDL_zero(motion);
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = SDL_GetWindowID(window_);
    motion.motion.x = 600;
    motion.motion.y = 150;
    SDL_PushEvent(&motion);
    SDL_Event got;
    bool found = false;
    while (SDL_PollEvent(&got))
        if (got.type == SDL_MOUSEMOTION) {
            found = true;
            EXPECT_EQ(got.motion.x, 300);
            EXPECT_EQ(got.motion.y, 75);
        }
    EXPECT_TRUE(found);
}

namespace {
// The window's pixels as they stand.
std::vector<uint32_t> WindowPixels(SDL_Window* window) {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    std::vector<uint32_t> pixels;
    if (!screen) return pixels;
    for (int y = 0; y < screen->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(screen->pixels) + y * screen->pitch);
        for (int x = 0; x < screen->w; ++x) pixels.push_back(row[x] & 0xFFFFFF);
    }
    return pixels;
}
}  // namespace

TEST_F(GraphicsDeviceTest, SoftwareBackBufferReachesTheWindowAsTheWindowRendererStretchesIt) {
    ASSERT_NE(graphics_.Canvas(), nullptr) << "the tests run on the software renderer";
    // Every pixel its own colour, so a pixel out of place or a different
    // filter shows.
    uint32_t* pixels = graphics_.Canvas()->Pixels();
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            pixels[y * graphics_.Canvas()->Pitch() + x] = 0xFF000000u | ((x * 37 + y * 11) & 0xFF) << 16 |
                                                          ((x * 5) & 0xFF) << 8 | ((y * 3 + (x & 1) * 128) & 0xFF);
    const Image before = Shot();
    // Same shape, pillarboxed, letterboxed, an odd size, and as large as a
    // window gets on a wide screen.
    const int sizes[][2] = {{800, 600}, {1024, 768}, {1366, 768}, {1000, 900}, {1001, 601}, {1920, 1080}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size[0]) + "x" + std::to_string(size[1]));
        SDL_SetWindowSize(window_, size[0], size[1]);
        SDL_PumpEvents();
        // Whatever the window showed before is covered, bars included.
        SDL_Surface* screen = SDL_GetWindowSurface(window_);
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->w, size[0]);
        SDL_FillRect(screen, nullptr, 0xFFFFFFFF);
        graphics_.UseDirectPresent(true);
        ASSERT_EQ(graphics_.Present(), 1);
        EXPECT_TRUE(graphics_.LastPresentWasDirect());
        const std::vector<uint32_t> direct = WindowPixels(window_);
        SDL_FillRect(SDL_GetWindowSurface(window_), nullptr, 0xFF808080);
        graphics_.UseDirectPresent(false);
        ASSERT_EQ(graphics_.Present(), 1);
        EXPECT_FALSE(graphics_.LastPresentWasDirect());
        const std::vector<uint32_t> throughSdl = WindowPixels(window_);
        ASSERT_EQ(direct.size(), throughSdl.size());
        size_t differ = 0, first = 0;
        for (size_t i = 0; i < direct.size(); ++i) {
            if (direct[i] != throughSdl[i] && differ++ == 0) first = i;
        }
        EXPECT_EQ(differ, 0u) << "first at " << first % size[0] << "," << first / size[0] << ": "
                              << Hex(direct[first]) << " against " << Hex(throughSdl[first]);
    }
    graphics_.UseDirectPresent(true);
    const Image after = Shot();
    EXPECT_EQ(before.pixels, after.pixels) << "presenting leaves the back buffer alone";
}

namespace {
std::string ReadWholeFile(const char* path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs with SDL_RENDER_DRIVER set to `driver` ("" as if never set), then
// gives the environment's value back.
class RenderDriverHint {
public:
    explicit RenderDriverHint(const char* driver) {
        SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, driver, SDL_HINT_OVERRIDE);
    }
    ~RenderDriverHint() { SDL_ResetHint(SDL_HINT_RENDER_DRIVER); }
};

// Runs as a process that has asked nothing yet, on a machine with a GPU
// device (a render node) or with none, then gives the real devices back.
class GpuDevices {
public:
    explicit GpuDevices(bool present) {
        if (present) folder_.Write("dri/renderD128", {});
        SetGpuDeviceRoot(folder_.Path().string());
        ForgetRendererReport();
    }
    ~GpuDevices() {
        ForgetRendererReport();
        SetGpuDeviceRoot("/dev");
    }

private:
    ScratchFolder folder_;
};
}  // namespace

TEST(RendererProbe, GpuDevicesAreRenderNodesOrTheNvidiaControlDevice) {
    const struct {
        const char* what;
        std::vector<const char*> files;
        bool gpu;
    } cases[] = {
        {"nothing", {}, false},
        {"a display-only card", {"dri/card0", "dri/by-path/pci-card"}, false},
        {"a render node", {"dri/card0", "dri/renderD128"}, true},
        {"a second render node only", {"dri/renderD129"}, true},
        {"NVIDIA's control device", {"nvidiactl", "nvidia0"}, true},
        {"a render node's name elsewhere", {"renderD128", "dri0/renderD128"}, false},
    };
    for (const auto& c : cases) {
        ScratchFolder root;
        for (const char* file : c.files) root.Write(file, {});
        EXPECT_EQ(HasGpuDevice(root.Path().string()), c.gpu) << c.what;
    }
}

TEST_F(GraphicsDeviceTest, WithoutAGpuDeviceNothingIsAskedAndTheSoftwareRendererDraws) {
    GpuDevices none(false);
    RenderDriverHint unset("");
    Open(800, 600);
    EXPECT_EQ(RendererProbeReport().outcome, RendererReport::Outcome::NoGpuDevice);
    EXPECT_EQ(graphics_.hardware, 0);
    EXPECT_NE(graphics_.Canvas(), nullptr);
    EXPECT_EQ(graphics_.GlRenderer(), "");
}

TEST(RendererProbe, ChildReportsTheAcceleratedRendererOnceForTheProcess) {
    GpuDevices gpu(true);
    RenderDriverHint unset("");
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "the child must not share an open display";
    StartRendererProbe();
    const RendererReport report = RendererProbeReport();
    EXPECT_EQ(report.outcome, RendererReport::Outcome::Answered);
    EXPECT_NE(report.renderer, "software") << "asked with no driver named, only accelerated ones answer";
    if (!report.glRenderer.empty()) {
        EXPECT_EQ(report.renderer.compare(0, 6, "opengl"), 0) << report.renderer;
    }
    const RendererReport again = RendererProbeReport();
    EXPECT_EQ(again.outcome, report.outcome);
    EXPECT_EQ(again.glRenderer, report.glRenderer);
}

TEST_F(GraphicsDeviceTest, GlDrivingThePixelsOnTheProcessorGivesWayToTheSoftwareRendererUnlessNamed) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the GL driver's own leaks at exit would fail the leak check";
#endif
    std::string glName;
    {
        GpuDevices gpu(true);
        RenderDriverHint unset("");
        Open(800, 600);
        glName = graphics_.GlRenderer();
        ASSERT_EQ(RendererProbeReport().outcome, RendererReport::Outcome::Answered) << "the device asked a child";
        EXPECT_EQ(glName, RendererProbeReport().glRenderer);
        if (glName.empty()) GTEST_SKIP() << "no GL renderer on this machine";
        const bool onProcessor = glName.find("llvmpipe") != std::string::npos ||
                                 glName.find("softpipe") != std::string::npos ||
                                 glName.find("Software Rasterizer") != std::string::npos;
        EXPECT_EQ(graphics_.Canvas() != nullptr, onProcessor) << glName;
        EXPECT_EQ(graphics_.hardware, onProcessor ? 0 : 1) << glName;
        if (onProcessor) {
            // Asked in a child: the driver that was not taken is not loaded here.
            const std::string maps = ReadWholeFile("/proc/self/maps");
            EXPECT_EQ(maps.find("/dri/"), std::string::npos);
            EXPECT_EQ(maps.find("libLLVM"), std::string::npos);
        }
        // A reset chooses the same way.
        graphics_.ForceState(DeviceState::NotReset);
        ASSERT_EQ(graphics_.Reset(), 1);
        EXPECT_EQ(graphics_.Canvas() != nullptr, onProcessor);
        EXPECT_EQ(graphics_.GlRenderer(), glName);
    }
    {
        // Named, the GL renderer is taken whatever draws behind it.
        RenderDriverHint named("opengl");
        Open(800, 600);
        EXPECT_EQ(graphics_.GlRenderer(), "") << "nothing asked";
        EXPECT_EQ(graphics_.hardware, 1);
        EXPECT_EQ(graphics_.Canvas(), nullptr);
        EXPECT_EQ(graphics_.ClearTarget(0xFF336699), 1);
        EXPECT_EQ(Pixel(10, 10), 0xFF336699u);
    }
    Open(800, 600);
    EXPECT_EQ(graphics_.hardware, 0) << "the tests' own SDL_RENDER_DRIVER is back";
}

namespace {
// Bytes waiting on a socket, without waiting for more.
size_t BytesWaiting(int socket) {
    char buffer[64];
    const ssize_t got = recv(socket, buffer, sizeof buffer, MSG_DONTWAIT);
    return got > 0 ? static_cast<size_t>(got) : 0;
}
}  // namespace

// A tool that times the start hears of every picture shown, whichever way
// it reaches the window, and of nothing else.
TEST_F(GraphicsDeviceTest, EveryPresentedPictureIsReportedOnTheNamedSocket) {
    int ends[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    ASSERT_EQ(setenv("GAME_PICTURE_FD", std::to_string(ends[1]).c_str(), 1), 0);
    for (bool direct : {true, false}) {
        graphics_.UseDirectPresent(direct);
        ASSERT_EQ(graphics_.Present(), 1);
        EXPECT_EQ(graphics_.LastPresentWasDirect(), direct);
        EXPECT_EQ(BytesWaiting(ends[0]), 1u) << (direct ? "direct" : "through the renderer");
        graphics_.ClearTarget(0xFF000000);
        EXPECT_EQ(BytesWaiting(ends[0]), 0u) << "drawing is no picture";
    }
    graphics_.ForceState(DeviceState::Lost);
    EXPECT_EQ(graphics_.Present(), 0);
    EXPECT_EQ(BytesWaiting(ends[0]), 0u) << "a lost device shows nothing";
    unsetenv("GAME_PICTURE_FD");
    graphics_.ForceState(DeviceState::Usable);
    graphics_.UseDirectPresent(true);
    ASSERT_EQ(graphics_.Present(), 1);
    EXPECT_EQ(BytesWaiting(ends[0]), 0u) << "nobody asked";
    close(ends[0]);
    close(ends[1]);
}
