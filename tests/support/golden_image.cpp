#include "support/golden_image.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

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

GoldenFiles GoldenFilesFor(const std::string& suite, const std::string& name) {
    const fs::path source = EnvOr("GAME_SOURCE_DIR", ".");
    const fs::path out = EnvOr("GAME_TEST_OUT", fs::temp_directory_path().string());
    return {(source / "tests" / suite / "ref" / (name + ".png")).string(), (out / (name + ".png")).string()};
}

::testing::AssertionResult MatchesGolden(const Image& actual, const GoldenFiles& files, int tolerance,
                                         double maxMismatch) {
    std::error_code error;
    fs::create_directories(fs::path(files.actual).parent_path(), error);
    SavePngFile(files.actual, actual);
    if (EnvOr("GAME_UPDATE_REFS", "") == "1") {
        fs::create_directories(fs::path(files.reference).parent_path(), error);
        if (!SavePngFile(files.reference, actual)) {
            return ::testing::AssertionFailure() << "cannot write " << files.reference;
        }
        return ::testing::AssertionSuccess() << "reference rewritten";
    }
    Image expected;
    if (!LoadImageFile(files.reference, expected)) {
        return ::testing::AssertionFailure() << "no reference " << files.reference << "; actual in " << files.actual;
    }
    if (expected.width != actual.width || expected.height != actual.height) {
        return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height << " differs from "
                                             << expected.width << "x" << expected.height << " of " << files.reference;
    }
    long mismatched = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i) mismatched += !Near(actual.pixels[i], expected.pixels[i], tolerance);
    const double share = static_cast<double>(mismatched) / static_cast<double>(actual.pixels.size());
    if (share > maxMismatch) {
        return ::testing::AssertionFailure() << mismatched << " pixels differ from " << files.reference << "; actual in "
                                             << files.actual;
    }
    return ::testing::AssertionSuccess() << mismatched << " pixels differ";
}

::testing::AssertionResult MatchesGolden(const Image& actual, const std::string& suite, const std::string& name,
                                         int tolerance, double maxMismatch) {
    return MatchesGolden(actual, GoldenFilesFor(suite, name), tolerance, maxMismatch);
}
