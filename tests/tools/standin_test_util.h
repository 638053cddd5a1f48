#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "manifest.h"
#include "support/scratch_folder.h"


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
