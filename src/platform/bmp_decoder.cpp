#include <cstring>

#include "platform/image_codec.h"

// Windows bitmaps as the art uses them: uncompressed 1/4/8-bit palette,
// 16-bit (555 or bit fields), 24 and 32 bit, bottom-up or top-down.
namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

// Scales a masked field to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        max = m >> shift;
    }
    uint32_t Get(uint32_t value) const {
        if (!mask) return 0;
        return (((value & mask) >> shift) * 255 + max / 2) / max;
    }
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kBiRgb;
    uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    size_t paletteOffset = 0;
    int paletteEntries = 0;
    int paletteEntrySize = 4;
    size_t pixelOffset = 0;
};

bool ReadHeader(const uint8_t* data, size_t size, Header& h) {
    if (size < 26) return false;
    h.pixelOffset = U32(data + 10);
    uint32_t infoSize = U32(data + 14);
    if (infoSize < 12 || infoSize > size - 14) return false;
    const uint8_t* info = data + 14;
    int64_t height = 0;
    uint32_t used = 0;
    if (infoSize == 12) {  // OS/2 core header
        h.width = static_cast<int>(U16(info + 4));
        height = static_cast<int16_t>(U16(info + 6));
        h.bits = static_cast<int>(U16(info + 10));
        h.paletteEntrySize = 3;
    } else {
        if (infoSize < 40) return false;
        h.width = static_cast<int32_t>(U32(info + 4));
        height = static_cast<int32_t>(U32(info + 8));
        h.bits = static_cast<int>(U16(info + 14));
        h.compression = U32(info + 16);
        used = U32(info + 32);
        if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
            // Masks follow a 40-byte header, or sit inside a larger one.
            int count = h.compression == kBiAlphaBitfields ? 4 : 3;
            if (infoSize >= 52) count = infoSize >= 56 ? 4 : 3;
            if (14 + 40 + static_cast<size_t>(count) * 4 > size) return false;
            for (int i = 0; i < count; ++i) h.masks[i] = U32(info + 40 + 4 * i);
            if (infoSize == 40) infoSize += 4 * count;
        } else if (infoSize >= 56 && h.bits == 32) {
            h.masks[3] = U32(info + 52);  // an alpha mask in a V4/V5 header
        }
    }
    if (height < 0) {
        h.topDown = true;
        height = -height;
    }
    h.height = static_cast<int>(height);
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxImageSide || h.height > kMaxImageSide) return false;
    if (h.bits == 1 || h.bits == 4 || h.bits == 8) {
        int maxEntries = 1 << h.bits;
        h.paletteEntries = (used == 0 || used > static_cast<uint32_t>(maxEntries)) ? maxEntries : static_cast<int>(used);
        h.paletteOffset = 14 + infoSize;
    } else if (h.bits != 16 && h.bits != 24 && h.bits != 32) {
        return false;
    }
    bool rgb = h.compression == kBiRgb;
    bool fields = (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) && (h.bits == 16 || h.bits == 32);
    return rgb || fields;
}

void DefaultMasks(Header& h) {
    if (h.compression != kBiRgb) return;
    if (h.bits == 16) {
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    } else if (h.bits == 32) {
        h.masks[0] = 0x00FF0000;
        h.masks[1] = 0x0000FF00;
        h.masks[2] = 0x000000FF;
        // Plain 32-bit bitmaps leave the fourth byte unused unless a V4/V5 header names it.
    }
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Image& out) {
    out = Image{};
    Header h;
    if (!data || size < 2 || data[0] != 'B' || data[1] != 'M' || !ReadHeader(data, size, h)) return false;
    DefaultMasks(h);

    const size_t stride = ((static_cast<size_t>(h.width) * h.bits + 31) / 32) * 4;
    if (h.pixelOffset > size || stride * h.height > size - h.pixelOffset) return false;

    uint32_t palette[256];
    for (uint32_t& entry : palette) entry = 0xFF000000u;  // indices past the palette read black
    if (h.paletteEntries > 0) {
        size_t bytes = static_cast<size_t>(h.paletteEntries) * h.paletteEntrySize;
        if (h.paletteOffset > size || bytes > size - h.paletteOffset) return false;
        for (int i = 0; i < h.paletteEntries; ++i) {
            const uint8_t* e = data + h.paletteOffset + static_cast<size_t>(i) * h.paletteEntrySize;
            palette[i] = 0xFF000000u | (e[2] << 16) | (e[1] << 8) | e[0];
        }
    }
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);

    out.Resize(h.width, h.height);
    for (int row = 0; row < h.height; ++row) {
        const uint8_t* src = data + h.pixelOffset + stride * static_cast<size_t>(row);
        int y = h.topDown ? row : h.height - 1 - row;
        for (int x = 0; x < h.width; ++x) {
            uint32_t argb = 0;
            switch (h.bits) {
                case 1:
                    argb = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    argb = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                    break;
                case 8:
                    argb = palette[src[x]];
                    break;
                case 24: {
                    const uint8_t* p = src + x * 3;
                    argb = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
                    break;
                }
                default: {
                    uint32_t v = h.bits == 16 ? U16(src + x * 2) : U32(src + x * 4);
                    uint32_t a = h.masks[3] ? alpha.Get(v) : 255;
                    argb = (a << 24) | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
                    break;
                }
            }
            out.At(x, y) = argb;
        }
    }
    return true;
}
