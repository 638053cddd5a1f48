#include "image.h"

#include "byte_io.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace standin {

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), rgb_(static_cast<size_t>(width) * height * 3) {
    for (size_t i = 0; i < rgb_.size(); i += 3) {
        rgb_[i] = fill.r;
        rgb_[i + 1] = fill.g;
        rgb_[i + 2] = fill.b;
    }
}

Rgb Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const size_t i = (static_cast<size_t>(y) * width_ + x) * 3;
    return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

void Image::Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const size_t i = (static_cast<size_t>(y) * width_ + x) * 3;
    rgb_[i] = c.r;
    rgb_[i + 1] = c.g;
    rgb_[i + 2] = c.b;
}

void Image::Blend(int x, int y, Rgb c, int alpha) {
    if (alpha <= 0) return;
    if (alpha >= 255) {
        Set(x, y, c);
        return;
    }
    const Rgb o = At(x, y);
    auto mix = [alpha](int a, int b) { return static_cast<uint8_t>((a * (255 - alpha) + b * alpha + 127) / 255); };
    Set(x, y, {mix(o.r, c.r), mix(o.g, c.g), mix(o.b, c.b)});
}

void Image::Fill(int x, int y, int w, int h, Rgb c) {
    for (int j = std::max(0, y); j < std::min(height_, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(width_, x + w); ++i) Set(i, j, c);
}

void Image::Outline(int x, int y, int w, int h, int t, Rgb c) {
    Fill(x, y, w, t, c);
    Fill(x, y + h - t, w, t, c);
    Fill(x, y, t, h, c);
    Fill(x + w - t, y, t, h, c);
}

void Image::Disc(float cx, float cy, float radius, Rgb c) { Ring(cx, cy, radius, -1.0f, c); }

void Image::Ring(float cx, float cy, float outer, float inner, Rgb c) {
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - outer)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(cx + outer)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - outer)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(cy + outer)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            if (d <= outer && d >= inner) Set(x, y, c);
        }
}

void Image::Polygon(const std::vector<float>& xy, Rgb c) {
    const size_t n = xy.size() / 2;
    if (n < 3) return;
    float minY = xy[1], maxY = xy[1];
    for (size_t i = 0; i < n; ++i) {
        minY = std::min(minY, xy[2 * i + 1]);
        maxY = std::max(maxY, xy[2 * i + 1]);
    }
    // Scanline fill at pixel centres; works for any simple polygon.
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(maxY)));
    for (int y = y0; y <= y1; ++y) {
        const float py = y + 0.5f;
        std::vector<float> xs;
        for (size_t i = 0; i < n; ++i) {
            const float ax = xy[2 * i], ay = xy[2 * i + 1];
            const float bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
            if ((ay <= py && by > py) || (by <= py && ay > py)) xs.push_back(ax + (py - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            const int x0 = std::max(0, static_cast<int>(std::ceil(xs[k] - 0.5f)));
            const int x1 = std::min(width_, static_cast<int>(std::ceil(xs[k + 1] - 0.5f)));
            for (int x = x0; x < x1; ++x) Set(x, y, c);
        }
    }
}

void Image::Line(float x0, float y0, float x1, float y1, float thickness, Rgb c) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float len = std::hypot(dx, dy);
    if (len <= 0.0f) {
        Disc(x0, y0, thickness / 2, c);
        return;
    }
    const float nx = -dy / len * thickness / 2, ny = dx / len * thickness / 2;
    Polygon({x0 + nx, y0 + ny, x1 + nx, y1 + ny, x1 - nx, y1 - ny, x0 - nx, y0 - ny}, c);
}


bool WriteBmp(const std::string& path, const Image& image) {
    const int w = image.Width(), h = image.Height();
    const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * h;
    std::vector<uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, w);
    Put32(out, h);  // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, dataSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb c = image.At(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (uint32_t p = static_cast<uint32_t>(w) * 3; p < stride; ++p) out.push_back(0);
    }
    File f(std::fopen(path.c_str(), "wb"));
    return f && std::fwrite(out.data(), 1, out.size(), f.get()) == out.size();
}

bool ReadBmp(const std::string& path, Image& image) {
    std::vector<uint8_t> d;
    if (!ReadAll(path, d) || d.size() < 54 || d[0] != 'B' || d[1] != 'M') return false;
    const uint32_t offset = Get32(&d[10]);
    const int32_t w = static_cast<int32_t>(Get32(&d[18]));
    const int32_t rawH = static_cast<int32_t>(Get32(&d[22]));
    const uint32_t bits = Get16(&d[28]), compression = Get32(&d[30]);
    if (w <= 0 || rawH == 0 || w > 16384 || rawH > 16384 || rawH < -16384 || bits != 24 || compression != 0) return false;
    const int h = rawH < 0 ? -rawH : rawH;
    const uint64_t stride = (static_cast<uint64_t>(w) * 3 + 3) & ~3ull;
    if (offset > d.size() || d.size() - offset < stride * h) return false;
    image = Image(w, h);
    for (int row = 0; row < h; ++row) {
        const uint8_t* p = &d[offset + stride * row];
        const int y = rawH > 0 ? h - 1 - row : row;
        for (int x = 0; x < w; ++x) image.Set(x, y, {p[3 * x + 2], p[3 * x + 1], p[3 * x]});
    }
    return true;
}

bool WritePng(const std::string& path, const Image& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = image.Width();
    png.height = image.Height();
    png.format = PNG_FORMAT_RGB;
    const int ok = png_image_write_to_file(&png, path.c_str(), 0, image.Pixels().data(), 0, nullptr);
    png_image_free(&png);
    return ok != 0;
}

bool ReadPng(const std::string& path, Image& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGB;
    if (png.width == 0 || png.height == 0 || png.width > 16384 || png.height > 16384) {
        png_image_free(&png);
        return false;
    }
    image = Image(static_cast<int>(png.width), static_cast<int>(png.height));
    const int ok = png_image_finish_read(&png, nullptr, image.Pixels().data(), 0, nullptr);
    png_image_free(&png);
    return ok != 0;
}

bool ReadImage(const std::string& path, Image& image) {
    const size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == "png" ? ReadPng(path, image) : ReadBmp(path, image);
}

}  // namespace standin
