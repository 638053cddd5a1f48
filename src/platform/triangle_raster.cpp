#include "platform/triangle_raster.h"

#include <algorithm>
#include <cstdlib>

namespace {

int64_t Cross(int ax, int ay, int bx, int by, int cx, int cy) {
    return static_cast<int64_t>(bx - ax) * (cy - ay) - static_cast<int64_t>(by - ay) * (cx - ax);
}

bool TopLeft(int ax, int ay, int bx, int by, bool clockwise) {
    if (clockwise) return (ay == by && ax < bx) || by < ay;
    return (ay == by && bx < ax) || ay < by;
}

int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// A quotient by a fixed divisor, stepped by a fixed amount without dividing.
struct SteppedQuotient {
    int64_t q = 0, r = 0, stepQ = 0, stepR = 0, divisor = 1;
    void Start(int64_t value, int64_t step, int64_t by) {
        divisor = by;
        q = FloorDiv(value, by);
        r = value - q * by;
        stepQ = FloorDiv(step, by);
        stepR = step - stepQ * by;
    }
    void Next() {
        q += stepQ;
        r += stepR;
        if (r >= divisor) {
            r -= divisor;
            ++q;
        }
    }
};

// One edge function: inside where row + x * step + bias >= 0.
struct Edge {
    int64_t row, stepX, stepY;
    int bias;
};

// Texel coordinates reach their maximum, which is one past the last texel: step it back.
void StepBackMaximum(TexturedTriangle& t) {
    const int maxU = std::max({t.u[0], t.u[1], t.u[2]}), maxV = std::max({t.v[0], t.v[1], t.v[2]});
    const bool spreadU = maxU > std::min({t.u[0], t.u[1], t.u[2]});
    const bool spreadV = maxV > std::min({t.v[0], t.v[1], t.v[2]});
    for (int k = 0; k < 3; ++k) {
        if (spreadU && t.u[k] == maxU) --t.u[k];
        if (spreadV && t.v[k] == maxV) --t.v[k];
    }
}

}  // namespace

bool RasterFits(TexturedTriangle t, int texelWidth, int texelHeight) {
    constexpr int kLimit = 2 * kMaxRasterCoordinate;  // in half pixels
    for (int k = 0; k < 3; ++k)
        if (std::abs(t.x[k]) > kLimit || std::abs(t.y[k]) > kLimit) return false;
    const int64_t area = std::llabs(Cross(t.x[0], t.y[0], t.x[1], t.y[1], t.x[2], t.y[2]));
    if (area == 0) return true;
    StepBackMaximum(t);
    for (int k = 0; k < 3; ++k)
        if (t.u[k] < 0 || t.u[k] >= texelWidth || t.v[k] < 0 || t.v[k] >= texelHeight) return false;
    // SDL keeps the third corner's texel times the area in an int.
    constexpr int64_t kIntMax = 2147483647;
    return t.u[2] * area <= kIntMax && t.v[2] * area <= kIntMax;
}

void RasterTexturedTriangle(uint32_t* target, int pitch, int width, int height, const uint32_t* texels,
                            int texelPitch, TexturedTriangle t) {
    int64_t area = Cross(t.x[0], t.y[0], t.x[1], t.y[1], t.x[2], t.y[2]);
    if (area == 0) return;

    // The corners' bounding box in whole pixels, cut to the target.
    const int minX = std::min({t.x[0], t.x[1], t.x[2]}), maxX = std::max({t.x[0], t.x[1], t.x[2]});
    const int minY = std::min({t.y[0], t.y[1], t.y[2]}), maxY = std::max({t.y[0], t.y[1], t.y[2]});
    int boxX = minX >> 1, boxY = minY >> 1;
    int boxW = (maxX - minX) >> 1, boxH = (maxY - minY) >> 1;
    if (boxW <= 0 || boxH <= 0) return;
    const int right = std::min(boxX + boxW, width), bottom = std::min(boxY + boxH, height);
    boxX = std::max(boxX, 0);
    boxY = std::max(boxY, 0);
    boxW = right - boxX;
    boxH = bottom - boxY;
    if (boxW <= 0 || boxH <= 0) return;

    StepBackMaximum(t);

    const bool clockwise = area > 0;
    area = std::llabs(area);
    const int sign = clockwise ? 1 : -1;
    // Pixel centres, in half pixels.
    const int px = (boxX << 1) + 1, py = (boxY << 1) + 1;
    Edge edges[3];
    for (int k = 0; k < 3; ++k) {
        const int a = (k + 1) % 3, b = (k + 2) % 3;  // the edge opposite corner k
        edges[k].row = sign * Cross(t.x[a], t.y[a], t.x[b], t.y[b], px, py);
        edges[k].stepX = sign * static_cast<int64_t>(t.y[a] - t.y[b]) * 2;
        edges[k].stepY = sign * static_cast<int64_t>(t.x[b] - t.x[a]) * 2;
        edges[k].bias = TopLeft(t.x[a], t.y[a], t.x[b], t.y[b], clockwise) ? 0 : -1;
    }

    // Texel = (w0 * (u0 - u2) + w1 * (u1 - u2) + u2 * area) / area, the same for v.
    const int64_t du0 = t.u[0] - t.u[2], du1 = t.u[1] - t.u[2];
    const int64_t dv0 = t.v[0] - t.v[2], dv1 = t.v[1] - t.v[2];
    const int64_t baseU = static_cast<int64_t>(t.u[2]) * area, baseV = static_cast<int64_t>(t.v[2]) * area;
    const int64_t stepU = edges[0].stepX * du0 + edges[1].stepX * du1;
    const int64_t stepV = edges[0].stepX * dv0 + edges[1].stepX * dv1;
    const bool plain = !t.colour.Modulates();

    for (int y = 0; y < boxH; ++y) {
        int64_t first = 0, last = boxW - 1;
        for (const Edge& e : edges) {
            const int64_t c = e.row + e.bias;
            if (e.stepX > 0) {
                first = std::max(first, CeilDiv(-c, e.stepX));
            } else if (e.stepX < 0) {
                last = std::min(last, FloorDiv(c, -e.stepX));
            } else if (c < 0) {
                last = -1;
            }
        }
        if (first <= last) {
            const int64_t w0 = edges[0].row + first * edges[0].stepX, w1 = edges[1].row + first * edges[1].stepX;
            SteppedQuotient u, v;
            u.Start(w0 * du0 + w1 * du1 + baseU, stepU, area);
            v.Start(w0 * dv0 + w1 * dv1 + baseV, stepV, area);
            uint32_t* out = target + static_cast<int64_t>(boxY + y) * pitch + boxX;
            for (int64_t x = first; x <= last; ++x, u.Next(), v.Next()) {
                const uint32_t texel = texels[v.q * texelPitch + u.q];
                if (plain) {
                    // Without a tint, alpha 0 keeps the target and 255 replaces it.
                    const uint32_t alpha = texel >> 24;
                    if (alpha == 0) continue;
                    if (alpha == 255) {
                        out[x] = texel;
                        continue;
                    }
                }
                out[x] = BlendPixel(out[x], texel, t.colour);
            }
        }
        for (Edge& e : edges) e.row += e.stepY;
    }
}
