#include "story_test_support.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace story_test {

namespace {

int Distance(uint32_t a, uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return sum;
}

int CountFar(const Image& a, const Image* b, int x, int y, int width, int height) {
    int count = 0;
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px) count += Distance(a.At(px, py), b ? b->At(px, py) : 0) > 24;
    return count;
}

}  // namespace

Player::Player() {
    system_.Create(nullptr, nullptr);
    keyboard.Create(&system_, InputDevice::kKeyboard, 0);
    mouse.Create(&system_, InputDevice::kMouse, 0);
}

void Canvas::SetUp() {
    oldDir_ = fs::current_path().string();
    const char* env = std::getenv("GAME_DIR");
    const std::string gameDir = env && *env ? env : "game";  // run by hand from build/
    std::error_code ec;
    if (fs::is_directory(gameDir, ec)) fs::current_path(gameDir);
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("story", 0, 0, 800, 600, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 800, 600, 0), 1);
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
    Clear();
}

void Canvas::TearDown() {
    art_.ReleaseArt();
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    fs::current_path(oldDir_);
}

Image Canvas::Shot(const std::string& name) {
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    const char* out = std::getenv("GAME_TEST_OUT");
    const fs::path dir = out ? out : fs::temp_directory_path().string();
    fs::create_directories(dir);
    SavePngFile((dir / (name + ".png")).string(), image);
    return image;
}

int LitPixels(const Image& image, int x, int y, int width, int height) {
    return CountFar(image, nullptr, x, y, width, height);
}

int ChangedPixels(const Image& a, const Image& b, int x, int y, int width, int height) {
    return CountFar(a, &b, x, y, width, height);
}

}  // namespace story_test
