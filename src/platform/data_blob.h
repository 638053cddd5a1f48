#pragma once
#include <cstdint>
#include <memory>

// A byte buffer kept in a file as a 32-bit little-endian length followed by
// the bytes: the save slots and the hall of fame.
class DataBlob {
public:
    // Nothing the game keeps in a blob is larger; a length word beyond this
    // is a damaged file.
    static constexpr uint32_t kMaxFileBytes = 1u << 20;

    DataBlob() = default;
    ~DataBlob() { Free(); }
    DataBlob(const DataBlob&) = delete;
    DataBlob& operator=(const DataBlob&) = delete;

    // A fresh buffer of `bytes` zero bytes; 0 when it cannot be had.
    int Alloc(uint32_t bytes);
    void Free();
    // 0 for an empty blob (no file is made) or when the file could not be
    // written completely; the previous file is then kept.
    int WriteFile(const char* path);
    // The bytes of the file, or null when it is missing or damaged: too
    // short, longer than its length word says, or longer than maxBytes.
    uint8_t* ReadFile(const char* path, uint32_t* outSize = nullptr, uint32_t maxBytes = kMaxFileBytes);
    uint8_t* Data() { return data.get(); }

    std::unique_ptr<uint8_t[]> data;
    uint32_t size = 0;
};
