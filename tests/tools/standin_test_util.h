#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "manifest.h"


// The manifest in the repository, read once.
inline const standin::Manifest& RepoManifest() {
    static standin::Manifest manifest = [] {
        standin::Manifest m;
        std::string error;
        if (!standin::LoadRepoManifest(m, error)) ADD_FAILURE() << error;
        return m;
    }();
    return manifest;
}

// The game directory the build filled.
inline std::filesystem::path GameDir() {
    const char* dir = std::getenv("GAME_DIR");
    return dir ? dir : "game";
}

inline std::filesystem::path GamePath(const std::string& gameName) { return GameDir() / standin::DiskName(gameName); }

// A directory of its own for a test that writes files.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag) {
        const char* out = std::getenv("GAME_TEST_OUT");
        std::filesystem::path base = out ? out : std::filesystem::temp_directory_path();
        path_ = base / ("tools-" + tag + "-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                        std::to_string(reinterpret_cast<uintptr_t>(this)));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};
