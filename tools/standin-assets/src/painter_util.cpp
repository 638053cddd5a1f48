#include "painter_util.h"

#include <algorithm>
#include <cmath>

namespace standin {

namespace paint {

uint32_t Random::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<uint32_t>(state_ >> 11);
}

uint64_t Hash(const std::string& text) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

Rgb Hsv(float hue, float s, float v) {
    hue = hue - std::floor(hue);
    const float h6 = hue * 6.0f;
    const int sector = static_cast<int>(h6) % 6;
    const float f = h6 - std::floor(h6);
    const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    float r = v, g = t, b = p;
    switch (sector) {
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    case 5: r = v; g = p; b = q; break;
    default: break;
    }
    auto byte = [](float x) { return static_cast<uint8_t>(std::clamp(x * 255.0f + 0.5f, 0.0f, 255.0f)); };
    return {byte(r), byte(g), byte(b)};
}

Rgb Scale(Rgb c, float k) {
    auto s = [k](int x) { return static_cast<uint8_t>(std::clamp(x * k + 0.5f, 0.0f, 255.0f)); };
    return {s(c.r), s(c.g), s(c.b)};
}

Rgb Mix(Rgb a, Rgb b, float t) {
    auto m = [t](int x, int y) { return static_cast<uint8_t>(std::clamp(x + (y - x) * t + 0.5f, 0.0f, 255.0f)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb Contrast(Rgb c) {
    const int luma = (c.r * 3 + c.g * 6 + c.b) / 10;
    return luma > 120 ? Rgb{24, 24, 40} : Rgb{236, 236, 220};
}

}  // namespace paint

}  // namespace standin
