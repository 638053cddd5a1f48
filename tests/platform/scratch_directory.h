#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

// A fresh directory that the test works in, since the game's file names are
// relative to the working directory; the previous directory comes back and
// the scratch one is removed at the end.
class ScratchDirectory {
public:
    ScratchDirectory() : inside_(dir_.Path()) {}

    const std::string& path() const { return dir_.Path(); }

    // Relative to the working directory, parents made as needed.
    static void WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) {
        const std::filesystem::path parent = std::filesystem::path(name).parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent);
        std::FILE* file = std::fopen(name.c_str(), "wb");
        if (!file) return;
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    static std::vector<unsigned char> ReadBytes(const std::string& name) {
        std::vector<unsigned char> bytes;
        std::FILE* file = std::fopen(name.c_str(), "rb");
        if (!file) return bytes;
        int c;
        while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
        std::fclose(file);
        return bytes;
    }

private:
    TempDir dir_;
    ScopedChdir inside_;
};
