#include "platform/renderer_probe.h"

#include <SDL.h>

#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/child_answer.h"

namespace {

// Loading and starting a GL driver takes a fraction of a second; one that
// hangs must not hold the game up for long.
constexpr int kProbeWaitMs = 5000;

ChildAnswer& Probe() {
    static ChildAnswer probe;
    return probe;
}

std::string& GpuDeviceRoot() {
    static std::string root = "/dev";
    return root;
}

std::optional<RendererReport>& KeptReport() {
    static std::optional<RendererReport> report;
    return report;
}

// Runs in the child: a hidden window, the accelerated renderer on it, and
// the names they give. The child ends right after; nothing is released.
std::string AskAcceleratedRenderer() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return FormatRendererReply("", "");
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer = window ? CreateAcceleratedRenderer(window) : nullptr;
    SDL_RendererInfo info;
    if (!renderer || SDL_GetRendererInfo(renderer, &info) != 0) return FormatRendererReply("", "");
    return FormatRendererReply(info.name, GlRendererString(renderer));
}

}  // namespace

bool RenderDriverNamed() {
    const char* driver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    return driver && *driver;
}

void StartRendererProbe() {
    if (KeptReport() || Probe().Asking() || RenderDriverNamed() || SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (!HasGpuDevice(GpuDeviceRoot())) {
        RendererReport report;
        report.outcome = RendererReport::Outcome::NoGpuDevice;
        KeptReport() = report;
        return;
    }
    Probe().Ask(AskAcceleratedRenderer);
}

bool HasGpuDevice(const std::string& deviceRoot) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(fs::path(deviceRoot) / "nvidiactl", error)) return true;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(deviceRoot) / "dri", error))
        if (entry.path().filename().string().rfind("renderD", 0) == 0) return true;
    return false;
}

void SetGpuDeviceRoot(const std::string& deviceRoot) { GpuDeviceRoot() = deviceRoot; }

void ForgetRendererReport() {
    if (Probe().Asking()) Probe().Collect(0);
    KeptReport().reset();
}

RendererReport RendererProbeReport() {
    if (KeptReport()) return *KeptReport();
    // Nothing asked (video was already up): no answer to keep either, so a
    // later start with video down can still ask.
    if (!Probe().Asking()) return RendererReport{};
    const ChildAnswer::Reply reply = Probe().Collect(kProbeWaitMs);
    RendererReport report;
    if (reply.timedOut) {
        report.outcome = RendererReport::Outcome::TimedOut;
    } else if (reply.complete) {
        report = ParseRendererReply(reply.text);
    }
    KeptReport() = report;
    return report;
}

SDL_Renderer* CreateAcceleratedRenderer(SDL_Window* window) {
    return SDL_CreateRenderer(window, -1,
                              SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC | SDL_RENDERER_TARGETTEXTURE);
}

std::string GlRendererString(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return {};
    using GetString = const unsigned char*(SDLCALL*)(unsigned int);
    constexpr unsigned int kGlRenderer = 0x1F01;
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : "";
}
