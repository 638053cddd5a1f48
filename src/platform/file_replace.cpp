#include "platform/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kTemporarySuffix = ".tmp";

ReplaceRenameFn replaceRename = nullptr;
ReplaceSyncFn replaceSync = nullptr;

int Sync(int fd) { return replaceSync ? replaceSync(fd) : fsync(fd); }

// Makes the rename itself last: best effort, as not every file system can
// flush a folder, and the new file is already in place.
void SyncFolderOf(const std::string& path) {
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    Sync(fd);
    close(fd);
}
}  // namespace

void SetReplaceRenameForTesting(ReplaceRenameFn rename) { replaceRename = rename; }
void SetReplaceSyncForTesting(ReplaceSyncFn sync) { replaceSync = sync; }

int EnsureParentDirectory(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    if (parent.empty()) return 1;
    std::error_code error;
    fs::create_directories(parent, error);
    return fs::is_directory(parent, error) ? 1 : 0;
}

int WriteFileReplacing(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts) {
    if (path.empty() || !EnsureParentDirectory(path)) return 0;
    const std::string temporary = path + kTemporarySuffix;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return 0;
    bool written = true;
    for (std::span<const uint8_t> part : parts) {
        if (!part.empty() && std::fwrite(part.data(), 1, part.size(), file) != part.size()) written = false;
    }
    // On the disk before the rename, so that a power cut leaves the new file
    // or the old one, never a renamed empty one.
    if (std::fflush(file) != 0 || Sync(fileno(file)) != 0) written = false;
    if (std::fclose(file) != 0) written = false;
    const ReplaceRenameFn moveIntoPlace = replaceRename ? replaceRename : std::rename;
    if (!written || moveIntoPlace(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return 0;
    }
    SyncFolderOf(path);
    return 1;
}

int RemoveReplaceLeftovers(const std::string& folder) {
    std::error_code error;
    int removed = 0;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || it->path().extension() != kTemporarySuffix) continue;
        if (fs::remove(it->path(), error)) ++removed;
    }
    return removed;
}
