#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// A fresh directory that a test works in (the game's file names are
// relative to the working directory); removed at the end.
class ShellScratchDir {
public:
    ShellScratchDir() {
        // In memory where the machine has it: the fuzz tests write thousands of files.
        const bool shm = std::filesystem::is_directory("/dev/shm");
        char pattern[64];
        std::snprintf(pattern, sizeof pattern, "%s/shell-test-XXXXXX", shm ? "/dev/shm" : "/tmp");
        const char* made = mkdtemp(pattern);
        path_ = made ? made : "";
        previous_ = std::filesystem::current_path().string();
        if (!path_.empty() && chdir(path_.c_str()) != 0) path_.clear();
        std::filesystem::create_directories("Saves");
    }
    ~ShellScratchDir() {
        if (chdir(previous_.c_str()) != 0) return;
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ShellScratchDir(const ShellScratchDir&) = delete;
    ShellScratchDir& operator=(const ShellScratchDir&) = delete;

    bool Ok() const { return !path_.empty(); }

    static void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        if (!file) return;
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    static std::vector<uint8_t> Read(const std::string& name) {
        std::vector<uint8_t> bytes;
        std::FILE* file = std::fopen(name.c_str(), "rb");
        if (!file) return bytes;
        int c;
        while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
        std::fclose(file);
        return bytes;
    }
    // A DataBlob file: the length word, then the body.
    static std::vector<uint8_t> BlobFile(const std::vector<uint8_t>& body) {
        const uint32_t n = static_cast<uint32_t>(body.size());
        std::vector<uint8_t> file(4 + body.size());
        for (int b = 0; b < 4; ++b) file[b] = static_cast<uint8_t>(n >> (8 * b));
        for (size_t k = 0; k < body.size(); ++k) file[4 + k] = body[k];
        return file;
    }

private:
    std::string path_;
    std::string previous_;
};
