#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/scratch_folder.h"

// A scratch folder in memory that a test works in, with the "Saves" folder
// the game writes to (the fuzz tests write thousands of files).
class ShellScratchDir : public ScratchFolder {
public:
    ShellScratchDir() : ScratchFolder(kWorkInside | kInMemory, "shell-test") {
        if (Ok()) std::filesystem::create_directories("Saves");
    }

    // A DataBlob file: the length word, then the body.
    static std::vector<uint8_t> BlobFile(const std::vector<uint8_t>& body) {
        const uint32_t n = static_cast<uint32_t>(body.size());
        std::vector<uint8_t> file(4 + body.size());
        for (int b = 0; b < 4; ++b) file[b] = static_cast<uint8_t>(n >> (8 * b));
        for (size_t k = 0; k < body.size(); ++k) file[4 + k] = body[k];
        return file;
    }
};
