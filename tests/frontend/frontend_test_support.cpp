#include "frontend_test_support.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace frontend_test {

namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

Mouse::Mouse() {
    system_.Create(nullptr, nullptr);
    device_.Create(&system_, InputDevice::kMouse, 0);
}

InputDevice* Mouse::Poll() {
    device_.Poll();
    return &device_;
}

void Canvas::SetUp() {
    oldDir_ = fs::current_path().string();
    const std::string gameDir = EnvOr("GAME_DIR", "game");
    std::error_code ec;
    if (fs::is_directory(gameDir, ec)) fs::current_path(gameDir);
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("frontend", 0, 0, 800, 600, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 800, 600, 0), 1);
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
}

void Canvas::TearDown() {
    art_.ReleaseArt();
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    if (!oldDir_.empty()) fs::current_path(oldDir_);
}

void Canvas::Begin() {
    graphics_.BeginScene();
    graphics_.Clear(0, 1.0f);
}

Image Canvas::Shot() {
    graphics_.EndScene();
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    return image;
}

Image Crop(const Image& image, int x, int y, int width, int height) {
    Image out;
    out.Resize(width, height);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) out.At(col, row) = image.At(x + col, y + row);
    return out;
}

::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name) {
    const std::string refPath = EnvOr("GAME_SOURCE_DIR", ".") + "/tests/frontend/ref/" + name + ".png";
    const std::string outDir = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    fs::create_directories(outDir);
    const std::string outPath = outDir + "/" + name + ".png";
    SavePngFile(outPath, actual);
    if (EnvOr("GAME_UPDATE_REFS", "") == "1" && !SavePngFile(refPath, actual)) {
        return ::testing::AssertionFailure() << "cannot write " << refPath;
    }
    Image expected;
    if (!LoadImageFile(refPath, expected) || expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "no reference of this size " << refPath << "; actual in " << outPath;
    }
    long mismatched = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = static_cast<int>((actual.pixels[i] >> shift) & 0xFF) -
                          static_cast<int>((expected.pixels[i] >> shift) & 0xFF);
            if (std::abs(d) > 24) {
                ++mismatched;
                break;
            }
        }
    }
    if (mismatched * 200 > static_cast<long>(actual.pixels.size())) {
        return ::testing::AssertionFailure() << mismatched << " pixels differ from " << refPath << "; actual in "
                                             << outPath;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace frontend_test
