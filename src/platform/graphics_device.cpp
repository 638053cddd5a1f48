#include "platform/graphics_device.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/app_framework.h"
#include "platform/camera.h"
#include "platform/clock.h"
#include "platform/image_codec.h"
#include "platform/matrix4.h"
#include "platform/picture_signal.h"
#include "platform/renderer_probe.h"
#include "platform/software_canvas.h"
#include "platform/texture_atlas.h"

namespace {

constexpr float kFieldOfView = 0.7853982f;
constexpr float kNearZ = 1.0f;
constexpr float kFarZ = 10000.0f;
constexpr double kFrameMs = 1000.0 / 60.0;
// Displays faster than this still get the game's 60 frames a second.
constexpr int kMaxTrustedRefresh = 65;
// After a stall this long, pacing starts afresh instead of racing to catch up.
constexpr double kPacingSlackMs = 100.0;

struct FormatBitsEntry {
    uint32_t format;
    int bits;
};
constexpr FormatBitsEntry kFormatBits[] = {
    {kFormatR8G8B8, 24},   {kFormatA8R8G8B8, 32}, {kFormatX8R8G8B8, 32}, {kFormatR5G6B5, 16}, {kFormatX1R5G5B5, 16},
    {kFormatA1R5G5B5, 16}, {kFormatA4R4G4B4, 16}, {kFormatA8P8, 8},      {kFormatP8, 8},
};

// Bits per pixel of the desktop, as the game's format table would name it.
int DesktopBits(uint32_t sdlFormat) {
    int bytes = SDL_BYTESPERPIXEL(sdlFormat);
    return bytes == 4 ? 32 : bytes == 3 ? 24 : bytes == 2 ? 16 : bytes == 1 ? 8 : 0;
}

bool DriverPresentsWithoutDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

uint32_t g_rendererGeneration = 1;

// Where SDL's logical size puts a copy of the whole width x height back
// buffer in an outW x outH window: the viewport it centres, and the copy's
// size cut to whole pixels as its software renderer cuts it.
SDL_Rect LetterboxOf(int outW, int outH, int width, int height) {
    const float want = static_cast<float>(width) / static_cast<float>(height);
    const float real = static_cast<float>(outW) / static_cast<float>(outH);
    float scale = 1.0f;
    SDL_Rect viewport{0, 0, outW, outH};
    if (std::fabs(want - real) < 0.0001f) {
        scale = static_cast<float>(outW) / static_cast<float>(width);
    } else if (want > real) {
        scale = static_cast<float>(outW) / static_cast<float>(width);
        viewport.h = static_cast<int>(std::floor(static_cast<float>(height) * scale));
        viewport.y = (outH - viewport.h) / 2;
    } else {
        scale = static_cast<float>(outH) / static_cast<float>(height);
        viewport.w = static_cast<int>(std::floor(static_cast<float>(width) * scale));
        viewport.x = (outW - viewport.w) / 2;
    }
    // The copy covers the viewport as read back in logical pixels, rounded
    // up, and scaled again.
    const int logicalW = static_cast<int>(std::ceil(static_cast<float>(viewport.w) / scale));
    const int logicalH = static_cast<int>(std::ceil(static_cast<float>(viewport.h) / scale));
    return SDL_Rect{viewport.x, viewport.y, static_cast<int>(static_cast<float>(logicalW) * scale),
                    static_cast<int>(static_cast<float>(logicalH) * scale)};
}

// Paints what lies outside `inner` black.
void ClearAround(SDL_Surface* surface, const SDL_Rect& inner) {
    const SDL_Rect bars[4] = {{0, 0, surface->w, inner.y},
                              {0, inner.y + inner.h, surface->w, surface->h - inner.y - inner.h},
                              {0, inner.y, inner.x, inner.h},
                              {inner.x + inner.w, inner.y, surface->w - inner.x - inner.w, inner.h}};
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, 0);
}

}  // namespace

uint32_t GraphicsDevice::RendererGeneration() { return g_rendererGeneration; }

GraphicsDevice::GraphicsDevice() : atlas_(std::make_unique<TextureAtlas>()) {}

GraphicsDevice::~GraphicsDevice() { Release(); }

int GraphicsDevice::CreateDirect3D() {
    Release();
    StartRendererProbe();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "graphics: cannot start video: %s\n", SDL_GetError());
        return 0;
    }
    videoReady_ = true;
    return 1;
}

int GraphicsDevice::FormatBits(uint32_t format) {
    for (const FormatBitsEntry& e : kFormatBits)
        if (e.format == format) return e.bits;
    return 0;
}

int GraphicsDevice::Create(SDL_Window* win, int isWindowed, int wantDepth, int w, int h, int bits) {
    window = win;
    if (!window || !videoReady_) return 0;

    SDL_DisplayMode mode;
    int display = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) != 0) return 0;
    displayRefresh_ = mode.refresh_rate;

    windowed = isWindowed;
    int clientW = 0, clientH = 0;
    SDL_GetWindowSize(window, &clientW, &clientH);
    width = w != 0 ? w : (windowed == 1 ? clientW : mode.w);
    height = h != 0 ? h : (windowed == 1 ? clientH : mode.h);
    if (width <= 0 || height <= 0) return 0;

    bitsPerPixel = static_cast<uint8_t>(bits & 0xFF);
    if (bitsPerPixel == 0 || windowed == 1) {
        bitsPerPixel = static_cast<uint8_t>(DesktopBits(mode.format));
        if (bitsPerPixel == 0) return 0;
    }
    if (windowed == 1) {
        if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window, 0);
        SizeWindowClient(window, width, height);
    } else {
        // Desktop full screen with a fixed logical size works on any monitor.
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }

    // A 2D renderer has no depth buffer: the refused-depth-buffer path, always.
    (void)wantDepth;
    depthBuffer = 0;

    if (createDevice == 1 || !windowRenderer_) {
        if (!CreateRenderer()) return 0;
    }
    ApplySetup();
    if (!CreateBackBuffer()) return 0;
    if (!watching_) {
        SDL_AddEventWatch(WatchEvents, this);
        watching_ = true;
    }
    lost_ = false;
    return 1;
}

int GraphicsDevice::CreateRenderer() {
    if (windowRenderer_) ReleaseDevice();
    // The software renderer's window surface is the window system's own
    // pixels: SDL would otherwise put a GL renderer behind it, which on a
    // machine without a GPU costs more than all the drawing.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const bool named = RenderDriverNamed();
    const RendererReport report = named ? RendererReport{} : RendererProbeReport();
    glRenderer_ = report.glRenderer;
    // Without a GPU, drawing into memory ourselves is cheaper.
    if (ChooseRenderer(named, report) != RendererKind::Software) windowRenderer_ = CreateAcceleratedRenderer(window);
    if (!windowRenderer_)
        windowRenderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    if (!windowRenderer_) {
        std::fprintf(stderr, "graphics: cannot create a renderer: %s\n", SDL_GetError());
        return 0;
    }
    renderer_ = windowRenderer_;
    SDL_RendererInfo info;
    SDL_GetRendererInfo(windowRenderer_, &info);
    hardware = (info.flags & SDL_RENDERER_ACCELERATED) ? 1 : 0;
    bool vsync = hardware && (info.flags & SDL_RENDERER_PRESENTVSYNC) && !DriverPresentsWithoutDisplay();
    paced_ = !vsync || displayRefresh_ > kMaxTrustedRefresh;
    nextPresentMs_ = 0.0;
    return 1;
}

int GraphicsDevice::CreateBackBuffer() {
    if (!hardware) return CreateMemoryBackBuffer();
    ReleaseBackBuffer();
    SDL_RenderSetLogicalSize(windowRenderer_, width, height);
    backBuffer_ = SDL_CreateTexture(windowRenderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (!backBuffer_) {
        std::fprintf(stderr, "graphics: cannot create a %d x %d back buffer: %s\n", width, height, SDL_GetError());
        return 0;
    }
    SDL_SetTextureBlendMode(backBuffer_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(backBuffer_, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(renderer_, backBuffer_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    return 1;
}

int GraphicsDevice::CreateMemoryBackBuffer() {
    SDL_RenderSetLogicalSize(windowRenderer_, width, height);
    // The drawing renderer, and every texture made with it, stays while the size holds.
    const bool keep = memory_ && memory_->w == width && memory_->h == height;
    if (!keep) {
        ReleaseBackBuffer();
        memory_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer_ = memory_ ? SDL_CreateSoftwareRenderer(memory_) : nullptr;
        // In the window's own format (the same bytes, alpha unused) the scaling
        // to the window is one pass, without a conversion through a temporary.
        const uint32_t windowFormat = SDL_GetWindowPixelFormat(window);
        const uint32_t format =
            windowFormat == SDL_PIXELFORMAT_RGB888 ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
        backBuffer_ = SDL_CreateTexture(windowRenderer_, format, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!memory_ || !renderer_ || !backBuffer_) {
            std::fprintf(stderr, "graphics: cannot create a %d x %d back buffer: %s\n", width, height,
                         SDL_GetError());
            ReleaseBackBuffer();
            return 0;
        }
        SDL_SetTextureBlendMode(backBuffer_, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(backBuffer_, SDL_ScaleModeLinear);
        canvas_ = std::make_unique<SoftwareCanvas>(renderer_, memory_);
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    return 1;
}

void GraphicsDevice::ReleaseBackBuffer() {
    if (backBuffer_) {
        if (!memory_) SDL_SetRenderTarget(windowRenderer_, nullptr);
        SDL_DestroyTexture(backBuffer_);
        backBuffer_ = nullptr;
    }
    canvas_.reset();
    if (memoryView_) {
        SDL_FreeSurface(memoryView_);
        memoryView_ = nullptr;
    }
    if (memory_) {
        if (renderer_ && renderer_ != windowRenderer_) {
            SDL_DestroyRenderer(renderer_);
            ++g_rendererGeneration;
        }
        renderer_ = windowRenderer_;
        SDL_FreeSurface(memory_);
        memory_ = nullptr;
    }
}

void GraphicsDevice::ApplySetup() {
    SetLighting(0);
    SetZEnable(depthBuffer);
    SetAlphaBlend(0, kBlendSrcAlpha, kBlendInvSrcAlpha);
    SetAlphaTest(0);
    SetAmbient(255, 255, 255);
    SetProjection(kFieldOfView, static_cast<float>(height) / static_cast<float>(width), kNearZ, kFarZ);
}

int GraphicsDevice::Release() {
    ReleaseDevice();
    if (watching_) {
        SDL_DelEventWatch(WatchEvents, this);
        watching_ = false;
    }
    if (videoReady_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        videoReady_ = false;
    }
    return 1;
}

int GraphicsDevice::ReleaseDevice() {
    ReleaseBackBuffer();
    if (windowRenderer_) {
        SDL_DestroyRenderer(windowRenderer_);
        windowRenderer_ = nullptr;
        ++g_rendererGeneration;
    }
    renderer_ = nullptr;
    return 1;
}

int GraphicsDevice::BeginScene() { return renderer_ ? 1 : 0; }

int GraphicsDevice::EndScene() { return renderer_ ? 1 : 0; }

void GraphicsDevice::PaceFrame() {
    Clock::Current().OnPresent();
    if (!paced_ || Clock::Current().IsManual()) return;
    double now = NowMs();
    if (nextPresentMs_ == 0.0 || now > nextPresentMs_ + kPacingSlackMs || now < nextPresentMs_ - 2 * kFrameMs) {
        nextPresentMs_ = now;
    }
    while (now < nextPresentMs_) {
        const auto wait = static_cast<uint32_t>(std::ceil(nextPresentMs_ - now));
        longestPacingWaitMs_ = std::max(longestPacingWaitMs_, wait);
        ++pacingWaits_;
        SDL_Delay(wait);
        now = NowMs();
    }
    nextPresentMs_ += kFrameMs;
}

int GraphicsDevice::Present() {
    if (!renderer_ || !backBuffer_) return 0;
    if (TestCooperativeLevel() != DeviceState::Usable) return 0;
    PaceFrame();
    lastPresentDirect_ = false;
    if (memory_) {
        SDL_RenderFlush(renderer_);
        lastPresentDirect_ = directPresent_ && PresentToWindowSurface();
        if (lastPresentDirect_) {
            SignalPicture();
            return 1;
        }
        SDL_UpdateTexture(backBuffer_, nullptr, memory_->pixels, memory_->pitch);
    } else {
        SDL_SetRenderTarget(windowRenderer_, nullptr);
    }
    SDL_SetRenderDrawColor(windowRenderer_, 0, 0, 0, 255);
    SDL_RenderClear(windowRenderer_);
    SDL_RenderCopy(windowRenderer_, backBuffer_, nullptr, nullptr);
    SDL_RenderPresent(windowRenderer_);
    if (!memory_) SDL_SetRenderTarget(windowRenderer_, backBuffer_);
    SignalPicture();
    return 1;
}

bool GraphicsDevice::PresentToWindowSurface() {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    if (!screen || SDL_MUSTLOCK(screen)) return false;
    // The back buffer's bytes are the window's when its pixels are 32-bit
    // with red, green and blue where ours are (the alpha byte goes unread).
    const uint32_t format = screen->format->format;
    if (format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888) return false;
    const SDL_Rect target = LetterboxOf(screen->w, screen->h, width, height);
    if (target.w <= 0 || target.h <= 0) return false;
    if (!memoryView_) {
        memoryView_ = SDL_CreateRGBSurfaceWithFormatFrom(memory_->pixels, width, height, 32, memory_->pitch, format);
        if (!memoryView_) return false;
        SDL_SetSurfaceBlendMode(memoryView_, SDL_BLENDMODE_NONE);
    } else if (memoryView_->format->format != format) {
        return false;
    }
    ClearAround(screen, target);
    // SDL's own filtered stretch, straight into the window's pixels: the
    // picture its renderer gave, without the copies on the way.
    SDL_Rect to = target;
    if (target.w == width && target.h == height) {
        if (SDL_BlitSurface(memoryView_, nullptr, screen, &to) != 0) return false;
    } else if (SDL_SoftStretchLinear(memoryView_, nullptr, screen, &to) != 0) {
        return false;
    }
    return SDL_UpdateWindowSurface(window) == 0;
}

int GraphicsDevice::Clear(uint32_t colour, float) { return ClearTarget(colour); }

int GraphicsDevice::ClearTarget(uint32_t colour) {
    if (!renderer_) return 0;
    SDL_SetRenderDrawColor(renderer_, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, 255);
    return SDL_RenderClear(renderer_) == 0 ? 1 : 0;
}

int GraphicsDevice::SetViewTransform(Camera* camera) {
    if (!renderer_ || !camera) return 0;
    view_ = *camera->ViewMatrix();
    return 1;
}

int GraphicsDevice::SetAmbient(uint8_t red, uint8_t green, uint8_t blue) {
    ambientRed = red;
    ambientGreen = green;
    ambientBlue = blue;
    return renderer_ ? 1 : 0;
}

int GraphicsDevice::SetProjection(float fieldOfView, float aspect, float nearZ, float farZ) {
    projection_ = MatrixPerspective(fieldOfView, aspect, nearZ, farZ);
    return renderer_ ? 1 : 0;
}

int GraphicsDevice::SetLighting(int flag) {
    if (!renderer_) return 0;
    lighting_ = flag;
    return 1;
}

int GraphicsDevice::SetZEnable(int) {
    // Without a depth buffer (always, here) the call does nothing.
    return (renderer_ && depthBuffer) ? 1 : 0;
}

int GraphicsDevice::SetAlphaBlend(int flag, uint32_t, uint32_t) {
    if (!renderer_) return 0;
    alphaBlend_ = flag;
    return 1;
}

int GraphicsDevice::SetAlphaTest(int flag) {
    if (!renderer_) return 0;
    alphaTest_ = flag;
    return 1;
}

DeviceState GraphicsDevice::TestCooperativeLevel() {
    if (forcedActive_) return forced_;
    if (!renderer_) return DeviceState::Lost;
    if (!lost_) return DeviceState::Usable;
    uint32_t flags = window ? SDL_GetWindowFlags(window) : 0;
    bool away = (flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
    return away ? DeviceState::Lost : DeviceState::NotReset;
}

int GraphicsDevice::Reset() {
    if (!window || !videoReady_) return 0;
    if (!CreateRenderer()) return 0;
    ApplySetup();
    if (!CreateBackBuffer()) return 0;
    lost_ = false;
    forcedActive_ = false;
    return 1;
}

void GraphicsDevice::ForceState(DeviceState state) {
    forced_ = state;
    forcedActive_ = state != DeviceState::Usable;
}

int GraphicsDevice::WatchEvents(void* self, SDL_Event* event) {
    auto* device = static_cast<GraphicsDevice*>(self);
    switch (event->type) {
        case SDL_RENDER_DEVICE_RESET:
        case SDL_RENDER_TARGETS_RESET:
            device->lost_ = true;
            break;
        case SDL_WINDOWEVENT:
            if (device->window && device->windowed != 1 && event->window.windowID == SDL_GetWindowID(device->window) &&
                (event->window.event == SDL_WINDOWEVENT_MINIMIZED || event->window.event == SDL_WINDOWEVENT_HIDDEN))
                device->lost_ = true;
            break;
        default:
            break;
    }
    return 1;
}

int GraphicsDevice::ReadBackBuffer(Image& out) {
    out = Image{};
    if (!renderer_ || !backBuffer_) return 0;
    out.Resize(width, height);
    SDL_Rect all{0, 0, width, height};
    if (SDL_RenderReadPixels(renderer_, &all, SDL_PIXELFORMAT_ARGB8888, out.pixels.data(), width * 4) != 0) {
        out = Image{};
        return 0;
    }
    for (uint32_t& p : out.pixels) p |= 0xFF000000u;
    return 1;
}

int GraphicsDevice::SaveScreenshot(const char* path) {
    if (!path) return 0;
    Image shot;
    if (!ReadBackBuffer(shot)) return 0;
    return SavePngFile(path, shot) ? 1 : 0;
}
