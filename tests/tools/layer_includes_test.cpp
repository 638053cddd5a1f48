// Only the platform layer sees SDL and the image libraries. The layers'
// include paths already hide them, but the system folder still offers
// <SDL2/...>, <png.h> and <jpeglib.h> to anyone, so the sources are read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

TEST(LayerIncludes, OnlyThePlatformIncludesSdlOrTheImageLibraries) {
    const char* root = std::getenv("GAME_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    const fs::path src = fs::path(root) / "src";
    ASSERT_TRUE(fs::is_directory(src / "platform"));
    const std::regex outside(R"(^\s*#\s*include\s*[<"](SDL|png\.h|pngconf\.h|jpeglib\.h|zlib\.h))");
    int read = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), src);
        const std::string extension = entry.path().extension().string();
        if (*relative.begin() == "platform" || (extension != ".cpp" && extension != ".h")) continue;
        ++read;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            EXPECT_FALSE(std::regex_search(line, outside)) << relative.string() << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(read, 100) << "the layers' sources were found";
}
