#include "story_test_support.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace story_test {

namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

int Distance(uint32_t a, uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return sum;
}

constexpr int kNoise = 24;

}  // namespace

Player::Player() {
    system_.Create(nullptr, nullptr);
    keyboard_.Create(&system_, InputDevice::kKeyboard, 0);
    mouse_.Create(&system_, InputDevice::kMouse, 0);
}

void Player::Poll() {
    keyboard_.Poll();
    mouse_.Poll();
}

void Canvas::SetUp() {
    oldDir_ = fs::current_path().string();
    const std::string gameDir = EnvOr("GAME_DIR", "game");
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
    window_ = nullptr;
    if (!oldDir_.empty()) fs::current_path(oldDir_);
}

void Canvas::Clear() { graphics_.Clear(0, 1.0f); }

Image Canvas::Shot(const std::string& name) {
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    const std::string outDir = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    fs::create_directories(outDir);
    SavePngFile(outDir + "/" + name + ".png", image);
    return image;
}

int LitPixels(const Image& image, int x, int y, int width, int height) {
    int lit = 0;
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px) lit += Distance(image.At(px, py), 0) > kNoise;
    return lit;
}

int ChangedPixels(const Image& a, const Image& b, int x, int y, int width, int height) {
    int changed = 0;
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px) changed += Distance(a.At(px, py), b.At(px, py)) > kNoise;
    return changed;
}

}  // namespace story_test
