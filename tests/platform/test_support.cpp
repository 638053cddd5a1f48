#include "test_support.h"

#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

ScopedChdir::ScopedChdir(const std::string& dir) {
    old_ = fs::current_path().string();
    fs::current_path(dir);
}

ScopedChdir::~ScopedChdir() { fs::current_path(old_); }

void DeviceTest::Open(int width, int height) {
    TearDown();
    ASSERT_EQ(graphics_.CreateDirect3D(), 1);
    window_ = SDL_CreateWindow("test", 0, 0, width, height, SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    ASSERT_EQ(graphics_.Create(window_, 1, 0, width, height, 0), 1);
}

void DeviceTest::TearDown() {
    graphics_.Release();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
}

Image DeviceTest::Shot() {
    Image img;
    EXPECT_EQ(graphics_.ReadBackBuffer(img), 1);
    return img;
}

uint32_t DeviceTest::Pixel(int x, int y) {
    uint32_t p = 0;
    SDL_Rect r{x, y, 1, 1};
    EXPECT_EQ(SDL_RenderReadPixels(graphics_.Device(), &r, SDL_PIXELFORMAT_ARGB8888, &p, 4), 0);
    return p | 0xFF000000u;
}

namespace {

void Put16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    v[at] = x & 0xFF;
    v[at + 1] = (x >> 8) & 0xFF;
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = (x >> (8 * i)) & 0xFF;
}

// Bottom-up rows, 40-byte header, palette of `paletteEntries` after it.
std::vector<uint8_t> BmpShell(const Image& img, int bits, int paletteEntries, size_t& pixelOffset, size_t& stride) {
    stride = ((static_cast<size_t>(img.width) * bits + 31) / 32) * 4;
    pixelOffset = 14 + 40 + 4 * static_cast<size_t>(paletteEntries);
    std::vector<uint8_t> v(pixelOffset + stride * img.height, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, static_cast<uint32_t>(v.size()));
    Put32(v, 10, static_cast<uint32_t>(pixelOffset));
    Put32(v, 14, 40);
    Put32(v, 18, static_cast<uint32_t>(img.width));
    Put32(v, 22, static_cast<uint32_t>(img.height));
    Put16(v, 26, 1);
    Put16(v, 28, static_cast<uint32_t>(bits));
    Put32(v, 46, static_cast<uint32_t>(paletteEntries));
    return v;
}

}  // namespace

std::vector<uint8_t> MakeBmp24(const Image& img) {
    size_t off, stride;
    auto v = BmpShell(img, 24, 0, off, stride);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            uint32_t p = img.At(x, y);
            uint8_t* d = &v[off + stride * (img.height - 1 - y) + x * 3];
            d[0] = p & 0xFF;
            d[1] = (p >> 8) & 0xFF;
            d[2] = (p >> 16) & 0xFF;
        }
    return v;
}

std::vector<uint8_t> MakeBmp32(const Image& img) {
    size_t off, stride;
    auto v = BmpShell(img, 32, 0, off, stride);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) Put32(v, off + stride * (img.height - 1 - y) + x * 4, img.At(x, y));
    return v;
}

std::vector<uint8_t> MakeBmp16(const Image& img) {
    size_t off, stride;
    auto v = BmpShell(img, 16, 0, off, stride);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            uint32_t p = img.At(x, y);
            uint32_t c = (((p >> 19) & 31) << 10) | (((p >> 11) & 31) << 5) | ((p >> 3) & 31);
            Put16(v, off + stride * (img.height - 1 - y) + x * 2, c);
        }
    return v;
}

std::vector<uint8_t> MakeBmpIndexed(const Image& img, const std::vector<uint32_t>& palette, int bits) {
    size_t off, stride;
    auto v = BmpShell(img, bits, static_cast<int>(palette.size()), off, stride);
    for (size_t i = 0; i < palette.size(); ++i) Put32(v, 54 + 4 * i, palette[i] & 0xFFFFFF);
    const int perByte = 8 / bits;
    const uint32_t mask = (1u << bits) - 1;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            // The leftmost pixel sits in the highest bits of its byte.
            const int shift = (perByte - 1 - x % perByte) * bits;
            v[off + stride * (img.height - 1 - y) + x / perByte] |= static_cast<uint8_t>((img.At(x, y) & mask) << shift);
        }
    return v;
}

std::vector<uint8_t> MakeBmp8(const Image& img, const std::vector<uint32_t>& palette) {
    return MakeBmpIndexed(img, palette, 8);
}

std::vector<uint8_t> MakePng(const Image& img) {
    std::vector<uint8_t> out;
    EXPECT_TRUE(EncodePng(img, out));
    return out;
}

std::vector<uint8_t> MakeJpeg(const Image& img, int quality) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = static_cast<JDIMENSION>(img.width);
    c.image_height = static_cast<JDIMENSION>(img.height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(img.width) * 3);
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < img.width; ++x) {
            uint32_t p = img.At(x, static_cast<int>(c.next_scanline));
            row[x * 3] = (p >> 16) & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = p & 0xFF;
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    jpeg_destroy_compress(&c);
    std::free(mem);
    return out;
}

Image SolidImage(int w, int h, uint32_t argb) {
    Image img;
    img.Resize(w, h);
    for (uint32_t& p : img.pixels) p = argb;
    return img;
}

uint32_t FrameColour(int frame) {
    // Distinct, far apart, and never black, white or pure red (keys in tests).
    return 0xFF000000u | static_cast<uint32_t>(((frame * 37 + 40) % 200 + 30) << 16) |
           static_cast<uint32_t>(((frame * 91 + 20) % 200 + 30) << 8) | static_cast<uint32_t>((frame * 53 + 60) % 200 + 30);
}

Image FrameGrid(int frameWidth, int frameHeight, int columns, int rows) {
    Image img;
    img.Resize(frameWidth * columns, frameHeight * rows);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) img.At(x, y) = FrameColour((y / frameHeight) * columns + x / frameWidth);
    return img;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

std::string Hex(uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08X", v);
    return buf;
}
