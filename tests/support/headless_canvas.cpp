#include "support/headless_canvas.h"

#include <cstdlib>
#include <filesystem>

#include "platform/sprite_sheet.h"
#include "support/headless_device.h"

namespace fs = std::filesystem;

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
}  // namespace

void HeadlessCanvas::SetUp() {
    oldDir_ = fs::current_path().string();
    // The art is looked up relative to the game directory, as the game runs;
    // by hand from build/ it is "game".
    const char* env = std::getenv("GAME_DIR");
    const std::string gameDir = env && *env ? env : "game";
    std::error_code error;
    if (fs::is_directory(gameDir, error)) fs::current_path(gameDir);
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("canvas", 0, 0, kWidth, kHeight, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, kWidth, kHeight, 0), 1);
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
}

void HeadlessCanvas::TearDown() {
    art_.ReleaseArt();
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    if (!oldDir_.empty()) fs::current_path(oldDir_);
}

bool HeadlessCanvas::HasArt() const {
    // The radar piece is among the last images the shared art loads.
    return art_.menuSheet != nullptr && art_.menuSheet->images[35].texture != nullptr &&
           art_.spaceSheet != nullptr && art_.spaceSheet->images[3].texture != nullptr;
}

Image HeadlessCanvas::ReadBack() {
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    return image;
}

Image HeadlessCanvas::ReadBack(const std::string& name) {
    Image image = ReadBack();
    SavePngFile(TestOutPath(name + ".png"), image);
    return image;
}
