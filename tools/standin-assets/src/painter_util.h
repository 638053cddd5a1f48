#pragma once
#include <cstdint>
#include <string>

#include "image.h"

namespace standin {

// Small helpers shared by the picture styles.
namespace paint {

struct Rect {
    int x, y, w, h;
    float Cx() const { return x + w / 2.0f; }
    float Cy() const { return y + h / 2.0f; }
    int Min() const { return w < h ? w : h; }
};

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint32_t Next();
    float Unit() { return (Next() >> 8) / 16777216.0f; }  // [0, 1)
    int Range(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }

private:
    uint64_t state_;
};

uint64_t Hash(const std::string& text);
Rgb Hsv(float hue, float saturation, float value);
Rgb Scale(Rgb c, float factor);
Rgb Mix(Rgb a, Rgb b, float t);
// Dark or light, whichever reads on the given colour.
Rgb Contrast(Rgb c);

}  // namespace paint

}  // namespace standin
