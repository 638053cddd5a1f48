#include "support/renderer_choice.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

void ChooseRenderer(int& argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    constexpr const char* kOption = "--renderer=";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kOption, std::strlen(kOption)) == 0) {
            setenv("SDL_RENDER_DRIVER", argv[i] + std::strlen(kOption), 1);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
}

std::string RendererName(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (!renderer || SDL_GetRendererInfo(renderer, &info) != 0) return "none";
    return info.name;
}

void WaitForRenderer(SDL_Renderer* renderer) {
    const SDL_Rect corner{0, 0, 1, 1};
    uint32_t pixel = 0;
    SDL_RenderReadPixels(renderer, &corner, SDL_PIXELFORMAT_ARGB8888, &pixel, sizeof pixel);
}
