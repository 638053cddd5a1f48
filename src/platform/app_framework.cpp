#include "platform/app_framework.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/renderer_probe.h"

AppFramework* theApp = nullptr;

AppFramework::AppFramework() {
    theApp = this;
    std::snprintf(className, sizeof className, "%s", "AppClass");
    std::snprintf(caption, sizeof caption, "%s", "Application Caption");
}

AppFramework::~AppFramework() {
    if (theApp == this) theApp = nullptr;
}

int AppFramework::MsgProc(const SDL_Event&) { return 0; }

void AppFramework::PostQuit() {
    SDL_Event quit;
    SDL_zero(quit);
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

namespace {

// SDL quietly falls back to an invisible display when no real one answers;
// only a caller who asked for it (tests, headless runs) gets one.
bool InvisibleDisplayNotAskedFor() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    bool invisible = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    return invisible && !(asked && *asked);
}

}  // namespace

int AppFramework::OpenWindow() {
    // The question goes to a child before this process opens the display.
    StartRendererProbe();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "game: no display available: %s\n", SDL_GetError());
        return 0;
    }
    if (InvisibleDisplayNotAskedFor()) {
        std::fprintf(stderr, "game: no display available (set DISPLAY, or SDL_VIDEODRIVER=offscreen to run "
                             "without one)\n");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return 0;
    }
    PlaceWindow();
    uint32_t flags = SDL_WINDOW_SHOWN;
    if (style & kStylePopup) flags |= SDL_WINDOW_BORDERLESS;
    window = SDL_CreateWindow(caption, x, y, width, height, flags);
    if (!window) {
        std::fprintf(stderr, "game: cannot open a window: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return 0;
    }
    ResizeClient(width, height);
    return 1;
}

int AppFramework::Pump() {
    SDL_Event event;
    if (SDL_PollEvent(&event)) {
        MsgProc(event);
        return event.type == SDL_QUIT ? 0 : 1;
    }
    return Frame() == 0 ? 0 : 1;
}

void AppFramework::CloseWindow() {
    if (!window) return;
    SDL_DestroyWindow(window);
    window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int AppFramework::Run() {
    if (!OpenWindow()) return 0;
    if (Init() == 1) {
        while (Pump()) {
        }
    }
    Cleanup();
    CloseWindow();
    return 1;
}

int AppFramework::ResizeClient(int clientWidth, int clientHeight) {
    // SDL sizes are client sizes already: borders never count.
    if (window) SizeWindowClient(window, clientWidth, clientHeight);
    return 1;
}

int AppFramework::CentreWindow(int outerWidth, int outerHeight) {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return 0;
    // Halved as unsigned values, as the desktop size is read.
    x = static_cast<int32_t>(static_cast<uint32_t>(desktop.w) / 2u) - outerWidth / 2;
    y = static_cast<int32_t>(static_cast<uint32_t>(desktop.h) / 2u) - outerHeight / 2;
    if (!window) return 1;
    int nowX = 0, nowY = 0;
    SDL_GetWindowPosition(window, &nowX, &nowY);
    if (nowX != x || nowY != y) SDL_SetWindowPosition(window, x, y);
    return 1;
}

void SizeWindowClient(SDL_Window* window, int clientWidth, int clientHeight) {
    int nowW = 0, nowH = 0;
    SDL_GetWindowSize(window, &nowW, &nowH);
    if (nowW != clientWidth || nowH != clientHeight) SDL_SetWindowSize(window, clientWidth, clientHeight);
}

int ShowMouseCursor(int show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    return 1;
}
