#include "support/scratch_folder.h"

#include <stdlib.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

fs::path BaseFolder(unsigned options) {
    std::error_code error;
    if ((options & ScratchFolder::kInMemory) && fs::is_directory("/dev/shm", error)) return "/dev/shm";
    const char* out = std::getenv("GAME_TEST_OUT");
    return out && *out ? fs::path(out) : fs::temp_directory_path();
}

}  // namespace

ScratchFolder::ScratchFolder(unsigned options, const std::string& prefix) {
    const fs::path base = BaseFolder(options);
    std::error_code error;
    fs::create_directories(base, error);
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) {
        ADD_FAILURE() << "cannot make a scratch folder in " << base;
        return;
    }
    path_ = pattern;
    if (!(options & kWorkInside)) return;
    previous_ = fs::current_path(error);
    fs::current_path(path_, error);
    if (error) {
        ADD_FAILURE() << "cannot work in " << path_;
        fs::remove_all(path_, error);
        path_.clear();
        previous_.clear();
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    if (!previous_.empty()) {
        fs::current_path(previous_, error);
        // Never remove the folder still being worked in.
        if (error) return;
    }
    if (!path_.empty()) fs::remove_all(path_, error);
}

void ScratchFolder::WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path parent = fs::path(name).parent_path();
    std::error_code error;
    if (!parent.empty()) fs::create_directories(parent, error);
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::vector<uint8_t> ScratchFolder::ReadBytes(const std::string& name) {
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
    return bytes;
}
