#include "platform/frame_rotation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kPi = 3.14159265358979323846;

void TurnPoint(double x, double y, double sine, double cosine, float centreX, float centreY, double& outX,
               double& outY) {
    x -= centreX;
    y -= centreY;
    outX = cosine * x - sine * y + centreX;
    outY = sine * x + cosine * y + centreY;
}

// A multiple of 90 degrees as 0..3, or -1.
int QuarterTurns(double degrees) {
    int quarters = static_cast<int>(degrees / 90);
    if (quarters != degrees / 90) return -1;
    quarters %= 4;
    return quarters < 0 ? quarters + 4 : quarters;
}

// Quarter turns move whole pixels: walk the source with fixed steps.
void TurnQuarters(const uint32_t* src, int srcPitch, int width, int height, int quarters, bool flipX, bool flipY,
                  uint32_t* dst, int dstPitch, int dstW, int dstH) {
    std::ptrdiff_t step = flipX ? -1 : 1;
    const std::ptrdiff_t pitch = flipY ? -srcPitch : srcPitch;
    std::ptrdiff_t across = 0, down = 0;
    int signX = 1, signY = 1;
    switch (quarters) {
        case 0:
            across = step;
            down = pitch - width * across;
            break;
        case 1:
            across = -pitch;
            down = step - across * height;
            signY = -1;
            break;
        case 2:
            across = -step;
            down = -width * across - pitch;
            signX = signY = -1;
            break;
        default:
            across = pitch;
            down = -across * height - step;
            signX = -1;
            break;
    }
    if (flipX) signX = -signX;
    if (flipY) signY = -signY;
    std::ptrdiff_t at = 0;
    if (signX < 0) at += width - 1;
    if (signY < 0) at += static_cast<std::ptrdiff_t>(height - 1) * srcPitch;
    for (int y = 0; y < dstH; ++y, at += down) {
        uint32_t* out = dst + static_cast<std::ptrdiff_t>(y) * dstPitch;
        for (int x = 0; x < dstW; ++x, at += across) out[x] = src[at];
    }
}

inline int Byte(uint32_t p, int k) { return static_cast<int>((p >> (8 * k)) & 0xFF); }

}  // namespace

TurnedBounds TurnedFrameBounds(int width, int height, double degrees, float centreX, float centreY) {
    const double radians = degrees * (kPi / 180.0);
    const double sine = std::sin(radians), cosine = std::cos(radians);
    double x[4], y[4];
    TurnPoint(0.5, 0.5, sine, cosine, centreX, centreY, x[0], y[0]);
    TurnPoint(width - 0.5, 0.5, sine, cosine, centreX, centreY, x[1], y[1]);
    TurnPoint(0.5, height - 0.5, sine, cosine, centreX, centreY, x[2], y[2]);
    TurnPoint(width - 0.5, height - 0.5, sine, cosine, centreX, centreY, x[3], y[3]);
    TurnedBounds b;
    const int minX = static_cast<int>(std::floor(std::min(std::min(x[0], x[1]), std::min(x[2], x[3]))));
    const int maxX = static_cast<int>(std::ceil(std::max(std::max(x[0], x[1]), std::max(x[2], x[3]))));
    const int minY = static_cast<int>(std::floor(std::min(std::min(y[0], y[1]), std::min(y[2], y[3]))));
    const int maxY = static_cast<int>(std::ceil(std::max(std::max(y[0], y[1]), std::max(y[2], y[3]))));
    b.x = minX;
    b.y = minY;
    b.w = maxX - minX;
    b.h = maxY - minY;
    // Screen y points down, so the turn runs the other way in the frame.
    b.sine = -sine;
    b.cosine = cosine;
    const int quarters = QuarterTurns(degrees);
    if (quarters >= 0) {
        // Exact sizes and factors: the trigonometry is a hair off at right angles.
        if (quarters & 1) {
            b.w = height;
            b.h = width;
            b.cosine = 0;
            b.sine = quarters == 1 ? -1 : 1;
        } else {
            b.w = width;
            b.h = height;
            b.cosine = quarters == 0 ? 1 : -1;
            b.sine = 0;
        }
    }
    return b;
}

void TurnFrame(const uint32_t* src, int srcPitch, int width, int height, double degrees, bool flipX, bool flipY,
               const TurnedBounds& bounds, float centreX, float centreY, uint32_t* dst, int dstPitch) {
    for (int y = 0; y < bounds.h; ++y) std::fill_n(dst + static_cast<std::ptrdiff_t>(y) * dstPitch, bounds.w, 0u);
    const int quarters = QuarterTurns(degrees);
    if (quarters >= 0) {
        TurnQuarters(src, srcPitch, width, height, quarters, flipX, flipY, dst, dstPitch, bounds.w, bounds.h);
        return;
    }
    // Bilinear sampling in 16.16 fixed point, stepping along each target row.
    constexpr int kHalf = 1 << 15;
    const int isin = static_cast<int>(bounds.sine * 65536.0);
    const int icos = static_cast<int>(bounds.cosine * 65536.0);
    const int cx = static_cast<int>(centreX * 65536.0);
    const int cy = static_cast<int>(centreY * 65536.0);
    const int lastX = width - 1, lastY = height - 1;
    for (int y = 0; y < bounds.h; ++y) {
        const double fromX = bounds.x + 0.5 - centreX;
        const double fromY = bounds.y + y + 0.5 - centreY;
        int sdx = static_cast<int>((icos * fromX - isin * fromY) + cx - kHalf);
        int sdy = static_cast<int>((isin * fromX + icos * fromY) + cy - kHalf);
        uint32_t* out = dst + static_cast<std::ptrdiff_t>(y) * dstPitch;
        for (int x = 0; x < bounds.w; ++x, sdx += icos, sdy += isin) {
            int dx = sdx >> 16, dy = sdy >> 16;
            if (flipX) dx = lastX - dx;
            if (flipY) dy = lastY - dy;
            if (dx <= -1 || dy <= -1 || dx >= lastX || dy >= lastY) continue;
            const uint32_t* p = src + static_cast<std::ptrdiff_t>(dy) * srcPitch + dx;
            uint32_t c00 = p[0], c01 = p[1], c10 = p[srcPitch], c11 = p[srcPitch + 1];
            if (flipX) {
                std::swap(c00, c01);
                std::swap(c10, c11);
            }
            if (flipY) {
                std::swap(c00, c10);
                std::swap(c01, c11);
            }
            const int ex = sdx & 0xFFFF, ey = sdy & 0xFFFF;
            uint32_t pixel = 0;
            for (int k = 0; k < 4; ++k) {
                const int t1 = ((((Byte(c01, k) - Byte(c00, k)) * ex) >> 16) + Byte(c00, k)) & 0xFF;
                const int t2 = ((((Byte(c11, k) - Byte(c10, k)) * ex) >> 16) + Byte(c10, k)) & 0xFF;
                pixel |= static_cast<uint32_t>(((((t2 - t1) * ey) >> 16) + t1) & 0xFF) << (8 * k);
            }
            out[x] = pixel;
        }
    }
}
