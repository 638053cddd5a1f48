#include "support/headless_device.h"

#include <cstdlib>
#include <filesystem>

HeadlessDevice::HeadlessDevice(int width, int height) {
    if (graphics_.CreateDirect3D() != 1) return;
    window_ = SDL_CreateWindow("battle", 0, 0, width, height, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    if (!window_) return;
    ready_ = graphics_.Create(window_, 1, 0, width, height, 0) == 1;
}

HeadlessDevice::~HeadlessDevice() {
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
}

ScopedGameDir::ScopedGameDir(const std::string& dir) {
    old_ = std::filesystem::current_path().string();
    std::error_code error;
    if (!dir.empty() && std::filesystem::is_directory(dir, error)) std::filesystem::current_path(dir, error);
}

ScopedGameDir::~ScopedGameDir() {
    std::error_code error;
    std::filesystem::current_path(old_, error);
}

std::string GameDir() {
    const char* dir = std::getenv("GAME_DIR");
    return dir ? dir : "";
}

std::string TestOutPath(const std::string& name) {
    const char* out = std::getenv("GAME_TEST_OUT");
    const std::filesystem::path dir = out ? out : "/tmp";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}
