#include "quest_skill_test_support.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace quest_skill_test {

namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

int Channel(uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
    }
    return true;
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

void ScreenCanvas::SetUp() {
    oldDir_ = fs::current_path().string();
    const std::string gameDir = EnvOr("GAME_DIR", "game");
    std::error_code ec;
    if (fs::is_directory(gameDir, ec)) fs::current_path(gameDir);
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("ship", 0, 0, 800, 600, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 800, 600, 0), 1);
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
}

void ScreenCanvas::TearDown() {
    art_.ReleaseArt();
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    if (!oldDir_.empty()) fs::current_path(oldDir_);
}

bool ScreenCanvas::HasArt() const {
    return art_.menuSheet != nullptr && art_.menuSheet->images[33].texture != nullptr;
}

Image ScreenCanvas::Shot() {
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    return image;
}

::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name, int tolerance,
                                            double maxMismatch) {
    const std::string refPath = EnvOr("GAME_SOURCE_DIR", ".") + "/tests/ship/ref/" + name + ".png";
    const std::string outDir = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    fs::create_directories(outDir);
    const std::string outPath = outDir + "/" + name + ".png";
    SavePngFile(outPath, actual);
    if (EnvOr("GAME_UPDATE_REFS", "") == "1") {
        fs::create_directories(fs::path(refPath).parent_path());
        if (!SavePngFile(refPath, actual)) return ::testing::AssertionFailure() << "cannot write " << refPath;
        return ::testing::AssertionSuccess();
    }
    Image expected;
    if (!LoadImageFile(refPath, expected)) {
        return ::testing::AssertionFailure() << "no reference " << refPath << "; actual picture in " << outPath;
    }
    if (expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "size differs from " << refPath;
    }
    long mismatched = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) mismatched += !Near(actual.pixels[i], expected.pixels[i], tolerance);
    const double share = static_cast<double>(mismatched) / static_cast<double>(actual.pixels.size());
    if (share > maxMismatch) {
        return ::testing::AssertionFailure() << mismatched << " pixels differ from " << refPath << "; actual in "
                                             << outPath;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace quest_skill_test
