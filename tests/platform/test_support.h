#pragma once
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "support/golden_image.h"
#include "support/scratch_folder.h"

// Changes the working directory for the life of the object.
class ScopedChdir {
public:
    explicit ScopedChdir(const std::string& dir);
    ~ScopedChdir();

private:
    std::string old_;
};

// A headless window with a created device of the given back-buffer size.
class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override { Open(256, 256); }
    void TearDown() override;
    void Open(int width, int height);

    uint32_t Pixel(int x, int y);  // of the current back buffer, alpha forced opaque
    Image Shot();

    SDL_Window* window_ = nullptr;
    GraphicsDevice graphics_;
};

// Uncompressed BMP writers for the depths the art uses.
std::vector<uint8_t> MakeBmp24(const Image& img);
std::vector<uint8_t> MakeBmp32(const Image& img);
std::vector<uint8_t> MakeBmp16(const Image& img);                                     // 5-5-5
std::vector<uint8_t> MakeBmp8(const Image& img, const std::vector<uint32_t>& palette);  // palette indices in the low byte
// 1, 4 or 8 bits a pixel, palette indices in the low bits.
std::vector<uint8_t> MakeBmpIndexed(const Image& img, const std::vector<uint32_t>& palette, int bits);
std::vector<uint8_t> MakePng(const Image& img);
std::vector<uint8_t> MakeJpeg(const Image& img, int quality);

Image SolidImage(int w, int h, uint32_t argb);
// Frame f of a grid has colour FrameColour(f); used to tell frames apart.
uint32_t FrameColour(int frame);
Image FrameGrid(int frameWidth, int frameHeight, int columns, int rows);

// Channel-wise closeness of two ARGB colours.
bool Near(uint32_t a, uint32_t b, int tolerance = 6);
std::string Hex(uint32_t v);

// Compares a picture with tests/platform/ref/<name>.png: a pixel matches when
// every channel is within `tolerance`, and at most `maxMismatch` of the pixels
// may differ.
inline ::testing::AssertionResult MatchesReference(const Image& actual, const std::string& name, int tolerance = 0,
                                                   double maxMismatch = 0.0) {
    return MatchesGolden(actual, "platform", name, tolerance, maxMismatch);
}
