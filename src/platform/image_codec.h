#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A decoded picture: 32-bit ARGB pixels, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    void Resize(int w, int h) {
        width = w;
        height = h;
        pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Anything larger is treated as a corrupt header: the biggest texture the
// game's cards could hold, and a bound on what a bad file can make us allocate.
constexpr int kMaxImageSide = 4096;
constexpr size_t kMaxImageFileBytes = 64u << 20;

// Each decoder returns false, leaving `out` empty, on a truncated, corrupt or
// unsupported file; none reads outside `data`.
bool DecodeBmp(const uint8_t* data, size_t size, Image& out);
bool DecodePng(const uint8_t* data, size_t size, Image& out);
bool DecodeJpeg(const uint8_t* data, size_t size, Image& out);

// Picks the decoder by the file's signature, not its name.
bool DecodeImage(const uint8_t* data, size_t size, Image& out);
// On failure `why`, when given, says in a few words what was wrong.
bool LoadImageFile(const std::string& path, Image& out, std::string* why = nullptr);

// PNG with alpha; used for screenshots.
bool EncodePng(const Image& image, std::vector<uint8_t>& out);
bool SavePngFile(const std::string& path, const Image& image);
