#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "manifest.h"

namespace standin {

// A 24-bit picture with the few drawing operations the stand-ins need.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb c);  // ignores points outside
    // Alpha 0..255 over what is there.
    void Blend(int x, int y, Rgb c, int alpha);
    void Fill(int x, int y, int w, int h, Rgb c);
    void Outline(int x, int y, int w, int h, int thickness, Rgb c);
    void Disc(float cx, float cy, float radius, Rgb c);
    void Ring(float cx, float cy, float outer, float inner, Rgb c);
    // Filled convex polygon, points in order.
    void Polygon(const std::vector<float>& xy, Rgb c);
    void Line(float x0, float y0, float x1, float y1, float thickness, Rgb c);
    const std::vector<uint8_t>& Pixels() const { return rgb_; }
    std::vector<uint8_t>& Pixels() { return rgb_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> rgb_;
};

// 24-bit uncompressed BMP, bottom-up rows padded to four bytes.
bool WriteBmp(const std::string& path, const Image& image);
bool ReadBmp(const std::string& path, Image& image);
// 8-bit RGB PNG (no alpha: the loader's colour key makes the holes).
bool WritePng(const std::string& path, const Image& image);
bool ReadPng(const std::string& path, Image& image);
bool ReadImage(const std::string& path, Image& image);

}  // namespace standin
