#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "harness/game_driver.h"
#include "platform/image_codec.h"

// Screens of the shell compared with tests/shell/ref/<name>.png: a pixel
// matches when every channel is within the tolerance; a small share may
// differ. The actual picture goes to GAME_TEST_OUT/<name>.png; with
// GAME_UPDATE_REFS=1 the reference is rewritten instead.
inline ::testing::AssertionResult ScreenMatches(GameDriver& driver, const std::string& name, int tolerance = 24,
                                               double maxMismatch = 0.005) {
    auto env = [](const char* key, const char* fallback) {
        const char* value = std::getenv(key);
        return std::string(value ? value : fallback);
    };
    const std::string outDir = env("GAME_TEST_OUT", "test-out");
    std::filesystem::create_directories(outDir);
    const std::string outPath = outDir + "/" + name + ".png";
    if (!driver.Screenshot(outPath)) return ::testing::AssertionFailure() << "no screenshot";
    const std::string refPath = env("GAME_SOURCE_DIR", ".") + "/tests/shell/ref/" + name + ".png";
    Image actual, expected;
    if (!LoadImageFile(outPath, actual)) return ::testing::AssertionFailure() << "cannot read " << outPath;
    if (env("GAME_UPDATE_REFS", "") == "1") {
        std::filesystem::create_directories(std::filesystem::path(refPath).parent_path());
        std::filesystem::copy_file(outPath, refPath, std::filesystem::copy_options::overwrite_existing);
        return ::testing::AssertionSuccess();
    }
    if (!LoadImageFile(refPath, expected)) return ::testing::AssertionFailure() << "no reference " << refPath;
    if (expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "size differs from " << refPath;
    }
    long mismatched = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int a = static_cast<int>(actual.pixels[i] >> shift & 0xFF);
            const int e = static_cast<int>(expected.pixels[i] >> shift & 0xFF);
            if (std::abs(a - e) > tolerance) {
                ++mismatched;
                break;
            }
        }
    }
    if (mismatched > static_cast<long>(maxMismatch * static_cast<double>(actual.pixels.size()))) {
        return ::testing::AssertionFailure() << mismatched << " pixels differ from " << refPath << "; see " << outPath;
    }
    return ::testing::AssertionSuccess();
}
