#include "platform/texture_pixels.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics_device.h"

int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n) p <<= 1;
    return p;
}

namespace {

// Bits kept per channel (alpha, red, green, blue) for the formats the game may pass.
struct FormatBitsPerChannel {
    uint32_t format;
    int alpha, red, green, blue;
};

constexpr FormatBitsPerChannel kFormatChannels[] = {
    {kFormatA8R8G8B8, 8, 8, 8, 8}, {kFormatX8R8G8B8, 0, 8, 8, 8}, {kFormatR8G8B8, 0, 8, 8, 8},
    {kFormatR5G6B5, 0, 5, 6, 5},   {kFormatX1R5G5B5, 0, 5, 5, 5}, {kFormatA1R5G5B5, 1, 5, 5, 5},
    {kFormatA4R4G4B4, 4, 4, 4, 4},
};

// Reduces an 8-bit value to `bits` and expands it back the way hardware reads it.
uint32_t Quantise(uint32_t value, int bits) {
    if (bits >= 8) return value;
    if (bits == 1) return value >= 128 ? 255 : 0;
    uint32_t q = value >> (8 - bits);
    uint32_t levels = (1u << bits) - 1;
    return (q * 255 + levels / 2) / levels;
}

uint32_t Reduce(uint32_t argb, const FormatBitsPerChannel& f) {
    uint32_t a = f.alpha ? Quantise(argb >> 24, f.alpha) : 255;
    if (a == 0) return 0;
    uint32_t r = Quantise((argb >> 16) & 0xFF, f.red);
    uint32_t g = Quantise((argb >> 8) & 0xFF, f.green);
    uint32_t b = Quantise(argb & 0xFF, f.blue);
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Bilinear stretch on premultiplied colour, so keyed-out pixels do not darken
// the edges they border.
void Stretch(const Image& src, Image& dst) {
    const float sx = static_cast<float>(src.width) / dst.width;
    const float sy = static_cast<float>(src.height) / dst.height;
    for (int y = 0; y < dst.height; ++y) {
        float fy = std::clamp((y + 0.5f) * sy - 0.5f, 0.0f, static_cast<float>(src.height - 1));
        int y0 = static_cast<int>(fy);
        int y1 = std::min(y0 + 1, src.height - 1);
        float ty = fy - y0;
        for (int x = 0; x < dst.width; ++x) {
            float fx = std::clamp((x + 0.5f) * sx - 0.5f, 0.0f, static_cast<float>(src.width - 1));
            int x0 = static_cast<int>(fx);
            int x1 = std::min(x0 + 1, src.width - 1);
            float tx = fx - x0;
            const uint32_t c[4] = {src.At(x0, y0), src.At(x1, y0), src.At(x0, y1), src.At(x1, y1)};
            const float w[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
            float a = 0, r = 0, g = 0, b = 0;
            for (int i = 0; i < 4; ++i) {
                float ca = (c[i] >> 24) * w[i];
                a += ca;
                r += ((c[i] >> 16) & 0xFF) * ca;
                g += ((c[i] >> 8) & 0xFF) * ca;
                b += (c[i] & 0xFF) * ca;
            }
            uint32_t out = 0;
            if (a > 0.0f) {
                auto channel = [a](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v / a, 0.0f, 255.0f))); };
                uint32_t alpha = static_cast<uint32_t>(std::lround(std::clamp(a, 0.0f, 255.0f)));
                out = (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
            }
            dst.At(x, y) = out;
        }
    }
}

}  // namespace

bool PrepareTexturePixels(const Image& picture, uint32_t colourKey, uint32_t format, Image& out) {
    out = Image{};
    if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxImageSide ||
        picture.height > kMaxImageSide || picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height)
        return false;

    Image keyed = picture;
    if (colourKey != 0) {
        for (uint32_t& p : keyed.pixels)
            if (p == colourKey) p = 0;
    }

    const int w = NextPowerOfTwo(picture.width);
    const int h = NextPowerOfTwo(picture.height);
    if (w == picture.width && h == picture.height) {
        out = std::move(keyed);
    } else {
        out.Resize(w, h);
        Stretch(keyed, out);
    }

    for (const FormatBitsPerChannel& f : kFormatChannels) {
        if (f.format != format) continue;
        for (uint32_t& p : out.pixels) p = Reduce(p, f);
        break;
    }
    return true;
}
