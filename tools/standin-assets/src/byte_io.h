#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// Little-endian packing and whole-file reading shared by the image and sound
// writers.
namespace standin {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
inline uint32_t Get16(const uint8_t* p) { return p[0] | (p[1] << 8); }
inline uint32_t Get32(const uint8_t* p) { return Get16(p) | (Get16(p + 2) << 16); }

inline bool ReadAll(const std::string& path, std::vector<uint8_t>& out) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) return false;
    uint8_t buffer[65536];
    size_t n;
    out.clear();
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) out.insert(out.end(), buffer, buffer + n);
    return true;
}

}  // namespace standin
