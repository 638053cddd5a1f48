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

int Channel(uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

}  // namespace

void ScreenTest::SetUp() {
    oldDir_ = fs::current_path().string();
    // The art is looked up relative to the game directory, as the game runs.
    const std::string gameDir = EnvOr("GAME_DIR", "game");
    std::error_code ec;
    if (fs::is_directory(gameDir, ec)) fs::current_path(gameDir);
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("hud", 0, 0, 800, 600, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, 800, 600, 0), 1);
    art_.LoadArt(&graphics_);
    art_.LoadMoreArt(&graphics_);
}

void ScreenTest::TearDown() {
    art_.ReleaseArt();
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    if (!oldDir_.empty()) fs::current_path(oldDir_);
}

Image ScreenTest::Shot() {
    Image image;
    EXPECT_EQ(graphics_.ReadBackBuffer(image), 1);
    return image;
}

bool ScreenTest::HasArt() const {
    // The radar piece is among the last images the shared art loads.
    return art_.menuSheet != nullptr && art_.menuSheet->images[35].texture != nullptr &&
           art_.spaceSheet != nullptr && art_.spaceSheet->images[3].texture != nullptr;
}

void ScreenTest::Clear() { graphics_.Clear(0xFF000000, 1.0f); }

long DifferentPixels(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    long count = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i];
    return count;
}

::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name, int tolerance,
                                            double maxMismatch) {
    const std::string source = EnvOr("GAME_SOURCE_DIR", ".");
    const std::string refPath = source + "/tests/hud/ref/" + name + ".png";
    const std::string outDir = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    fs::create_directories(outDir);
    const std::string outPath = outDir + "/" + name + ".png";
    SavePngFile(outPath, actual);

    if (EnvOr("GAME_UPDATE_REFS", "") == "1") {
        fs::create_directories(fs::path(refPath).parent_path());
        if (!SavePngFile(refPath, actual)) return ::testing::AssertionFailure() << "cannot write " << refPath;
        return ::testing::AssertionSuccess() << "reference rewritten";
    }
    Image expected;
    if (!LoadImageFile(refPath, expected)) {
        return ::testing::AssertionFailure() << "no reference " << refPath << "; actual picture in " << outPath;
    }
    if (expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height << " differs from "
                                             << expected.width << "x" << expected.height;
    }
    long mismatched = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        const uint32_t a = actual.pixels[i];
        const uint32_t e = expected.pixels[i];
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(Channel(a, shift) - Channel(e, shift)) > tolerance) {
                ++mismatched;
                break;
            }
        }
    }
    const double share = static_cast<double>(mismatched) / static_cast<double>(actual.pixels.size());
    if (share > maxMismatch) {
        return ::testing::AssertionFailure() << mismatched << " pixels differ from " << refPath << "; actual in "
                                             << outPath;
    }
    return ::testing::AssertionSuccess();
}
