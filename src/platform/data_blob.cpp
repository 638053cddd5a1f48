#include "platform/data_blob.h"

#include <cstdio>
#include <new>

#include "platform/file_replace.h"
#include "platform/game_path.h"

namespace {

constexpr long kLengthBytes = 4;

uint32_t DecodeLength(const uint8_t bytes[4]) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// The size of an open file, or -1.
long FileLength(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long length = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
    return length;
}

}  // namespace

int DataBlob::Alloc(uint32_t bytes) {
    Free();
    if (bytes == 0) return 1;
    data.reset(new (std::nothrow) uint8_t[bytes]());
    if (!data) return 0;
    size = bytes;
    return 1;
}

void DataBlob::Free() {
    data.reset();
    size = 0;
}

int DataBlob::WriteFile(const char* path) {
    if (!data || size == 0 || !path) return 0;
    const uint8_t length[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                               static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
    return WriteFileReplacing(ResolveGamePathForWriting(path), {std::span<const uint8_t>(length, 4),
                                                                std::span<const uint8_t>(data.get(), size)});
}

uint8_t* DataBlob::ReadFile(const char* path, uint32_t* outSize, uint32_t maxBytes) {
    Free();
    if (!path) return nullptr;
    std::FILE* file = std::fopen(ResolveGamePathForWriting(path).c_str(), "rb");
    if (!file) return nullptr;
    const long fileLength = FileLength(file);
    uint8_t header[4];
    bool valid = fileLength >= kLengthBytes && std::fread(header, 1, 4, file) == 4;
    const uint32_t length = valid ? DecodeLength(header) : 0;
    // The length word must describe exactly the bytes that follow it.
    valid = valid && length > 0 && length <= maxBytes && length <= kMaxFileBytes &&
            static_cast<long>(length) == fileLength - kLengthBytes;
    if (valid && Alloc(length) && std::fread(data.get(), 1, length, file) == length) {
        std::fclose(file);
        if (outSize) *outSize = size;
        return data.get();
    }
    std::fclose(file);
    Free();
    return nullptr;
}
