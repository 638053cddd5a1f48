#include "screen_test_support.h"

#include <cstdlib>
#include <filesystem>

#include "platform/sprite_sheet.h"

namespace fs = std::filesystem;

namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

TestMouse::TestMouse() {
    system_.Create(nullptr, nullptr);
    device_.Create(&system_, InputDevice::kMouse, 1);
}

void ScreenDrawTest::SetUp() {
    ClockedTest::SetUp();
    oldDir_ = fs::current_path().string();
    const std::string gameDir = EnvOr("GAME_DIR", "game");
    std::error_code ec;
    if (fs::is_directory(gameDir, ec)) fs::current_path(gameDir);
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("screens", 0, 0, 800, 600, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 800, 600, 0), 1);
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
}

void ScreenDrawTest::TearDown() {
    art_.ReleaseArt();
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    if (!oldDir_.empty()) fs::current_path(oldDir_);
    ClockedTest::TearDown();
}

bool ScreenDrawTest::HasArt() const {
    return art_.menuSheet != nullptr && art_.menuSheet->images[33].texture != nullptr;
}

void ScreenDrawTest::Begin() {
    graphics_.Clear(0xFF000000, 1.0f);
    graphics_.BeginScene();
}

Image ScreenDrawTest::Finish(const std::string& name) {
    graphics_.EndScene();
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    const std::string outDir = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    fs::create_directories(outDir);
    SavePngFile(outDir + "/" + name + ".png", image);
    return image;
}

long DifferentPixelsIn(const Image& a, const Image& b, int x, int y, int width, int height) {
    if (a.width != b.width || a.height != b.height) return -1;
    long count = 0;
    for (int py = y; py < y + height && py < a.height; ++py) {
        for (int px = x; px < x + width && px < a.width; ++px) count += a.At(px, py) != b.At(px, py);
    }
    return count;
}
