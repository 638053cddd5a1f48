#include "platform/pixel_blend.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// x / 255 for 0 <= x <= 255 * 255, without a division.
inline uint32_t Div255(uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

inline uint32_t Channel(uint32_t p, int shift) { return (p >> shift) & 0xFF; }

// SDL's generic blend: modulate, premultiply, then divide by 255.
inline uint32_t BlendExact(uint32_t d, uint32_t s, BlendColour c) {
    const uint32_t sa = Div255(Channel(s, 24) * c.a);
    const uint32_t sr = Div255(Div255(Channel(s, 16) * c.r) * sa);
    const uint32_t sg = Div255(Div255(Channel(s, 8) * c.g) * sa);
    const uint32_t sb = Div255(Div255(Channel(s, 0) * c.b) * sa);
    const uint32_t keep = 255 - sa;
    return (sa + Div255(keep * Channel(d, 24))) << 24 | (sr + Div255(keep * Channel(d, 16))) << 16 |
           (sg + Div255(keep * Channel(d, 8))) << 8 | (sb + Div255(keep * Channel(d, 0)));
}

// SDL's per-pixel-alpha blend, shifts by 8 and a saturating pack.
inline uint32_t BlendShifted(uint32_t d, uint32_t s) {
    const uint32_t a = s >> 24;
    if (a == 0) return d;
    if (a == 255) return s;
    auto mix = [&](int shift, uint32_t weight) {
        const uint32_t v = ((Channel(s, shift) * weight) >> 8) + ((Channel(d, shift) * (255 - a)) >> 8);
        return (v > 255 ? 255 : v) << shift;
    };
    return mix(24, 255) | mix(16, a) | mix(8, a) | mix(0, a);
}

void ExactRowScalar(uint32_t* dst, const uint32_t* src, int n, BlendColour c) {
    for (int i = 0; i < n; ++i)
        if (src[i] >> 24) dst[i] = BlendExact(dst[i], src[i], c);
}

void ShiftedRowScalar(uint32_t* dst, const uint32_t* src, int n) {
    for (int i = 0; i < n; ++i) dst[i] = BlendShifted(dst[i], src[i]);
}

#if defined(__SSE2__)

// Four pixels at a time, widened to 16-bit lanes (B, G, R, A for each of two
// pixels per register); products stay below 65536, so 16-bit multiplies are
// exact.
inline __m128i Div255(__m128i x) {
    const __m128i one = _mm_set1_epi16(1);
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, one), _mm_srli_epi16(x, 8)), 8);
}

inline __m128i Lanes(int a, int r, int g, int b) { return _mm_set_epi16(a, r, g, b, a, r, g, b); }

// Each pixel's alpha in its four lanes.
inline __m128i SpreadAlpha(__m128i v) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xFF), 0xFF); }

// The colour lanes premultiplied by the modulated alpha, the alpha lane
// keeping itself (times 255 / 255).
inline __m128i Exact16(__m128i d, __m128i s, __m128i modulation) {
    const __m128i alphaLanes = Lanes(-1, 0, 0, 0);
    const __m128i full = _mm_set1_epi16(255);
    s = Div255(_mm_mullo_epi16(s, modulation));
    const __m128i sa = SpreadAlpha(s);
    const __m128i factor = _mm_or_si128(_mm_andnot_si128(alphaLanes, sa), _mm_and_si128(alphaLanes, full));
    s = Div255(_mm_mullo_epi16(s, factor));
    return _mm_add_epi16(s, Div255(_mm_mullo_epi16(d, _mm_sub_epi16(full, sa))));
}

// The same for opaque source pixels: the modulated alpha is the colour's own.
inline __m128i Opaque16(__m128i d, __m128i s, __m128i modulation, __m128i alphaFactor, __m128i keep, bool tinted) {
    if (tinted) s = Div255(_mm_mullo_epi16(s, modulation));
    s = Div255(_mm_mullo_epi16(s, alphaFactor));
    return _mm_add_epi16(s, Div255(_mm_mullo_epi16(d, keep)));
}

inline __m128i Shifted16(__m128i d, __m128i s) {
    const __m128i alphaLanes = Lanes(-1, 0, 0, 0);
    const __m128i full = _mm_set1_epi16(255);
    const __m128i sa = SpreadAlpha(s);
    const __m128i weight = _mm_or_si128(_mm_andnot_si128(alphaLanes, sa), _mm_and_si128(alphaLanes, full));
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(s, weight), 8),
                         _mm_srli_epi16(_mm_mullo_epi16(d, _mm_sub_epi16(full, sa)), 8));
}

void ExactRow(uint32_t* dst, const uint32_t* src, int n, BlendColour c) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i modulation = Lanes(c.a, c.r, c.g, c.b);
    const bool tinted = (c.r & c.g & c.b) != 255;
    // For opaque pixels a tint brings the alpha lane to c.a; without one the
    // premultiplying step must.
    const __m128i alphaFactor = Lanes(tinted ? 255 : c.a, c.a, c.a, c.a);
    const __m128i keep = _mm_set1_epi16(static_cast<int16_t>(255 - c.a));
    const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i alpha = _mm_and_si128(s, alphaBytes);
        // Transparent pixels leave the target as it is.
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, zero)) == 0xFFFF) continue;
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        __m128i lo, hi;
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, alphaBytes)) == 0xFFFF) {
            lo = Opaque16(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), modulation, alphaFactor, keep, tinted);
            hi = Opaque16(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), modulation, alphaFactor, keep, tinted);
        } else {
            lo = Exact16(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), modulation);
            hi = Exact16(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), modulation);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
    }
    ExactRowScalar(dst + i, src + i, n - i, c);
}

void ShiftedRow(uint32_t* dst, const uint32_t* src, int n) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i alpha = _mm_and_si128(s, alphaBytes);
        const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        if (_mm_movemask_epi8(clear) == 0xFFFF) continue;
        const __m128i opaque = _mm_cmpeq_epi32(alpha, alphaBytes);
        if (_mm_movemask_epi8(opaque) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), s);
            continue;
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        __m128i out = _mm_packus_epi16(Shifted16(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero)),
                                       Shifted16(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero)));
        // Alpha 255 copies the pixel, alpha 0 keeps the target's.
        out = _mm_or_si128(_mm_andnot_si128(opaque, out), _mm_and_si128(opaque, s));
        out = _mm_or_si128(_mm_andnot_si128(clear, out), _mm_and_si128(clear, d));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
    }
    ShiftedRowScalar(dst + i, src + i, n - i);
}

#else

void ExactRow(uint32_t* dst, const uint32_t* src, int n, BlendColour c) { ExactRowScalar(dst, src, n, c); }
void ShiftedRow(uint32_t* dst, const uint32_t* src, int n) { ShiftedRowScalar(dst, src, n); }

#endif

}  // namespace

uint32_t BlendPixel(uint32_t target, uint32_t source, BlendColour colour) {
    return BlendExact(target, source, colour);
}

void BlendRow(uint32_t* dst, const uint32_t* src, int n, BlendColour colour) {
    if (colour.Modulates()) {
        ExactRow(dst, src, n, colour);
    } else {
        ShiftedRow(dst, src, n);
    }
}

void BlendBlock(uint32_t* dst, int dstPitch, const uint32_t* src, int srcPitch, int w, int h, BlendColour colour) {
    for (int row = 0; row < h; ++row) BlendRow(dst + row * dstPitch, src + row * srcPitch, w, colour);
}

void BlendClipped(uint32_t* target, int targetPitch, int targetWidth, int targetHeight, const uint32_t* src,
                  int srcPitch, int w, int h, int x, int y, BlendColour colour) {
    if (x < 0) {
        src -= x;
        w += x;
        x = 0;
    }
    if (y < 0) {
        src -= static_cast<long>(y) * srcPitch;
        h += y;
        y = 0;
    }
    if (x + w > targetWidth) w = targetWidth - x;
    if (y + h > targetHeight) h = targetHeight - y;
    if (w <= 0 || h <= 0) return;
    BlendBlock(target + static_cast<long>(y) * targetPitch + x, targetPitch, src, srcPitch, w, h, colour);
}
