#include "platform/pixel_blend.h"

#if defined(__SSE2__)
#include <immintrin.h>
// The 256-bit kernels pass vectors between functions that are all inlined
// into ones built for AVX2; GCC warns about the calling convention regardless.
#pragma GCC diagnostic ignored "-Wpsabi"
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

// The kernels work on pixels widened to 16-bit lanes (B, G, R, A per pixel);
// products stay below 65536, so 16-bit multiplies are exact. The same code
// serves 128-bit and 256-bit registers through these small wrappers.
struct Sse2 {
    using V = __m128i;
    static constexpr int kPixels = 4;
    static V Load(const uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
    static void Store(uint32_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
    static V Zero() { return _mm_setzero_si128(); }
    static V Set16(int a, int r, int g, int b) { return _mm_set_epi16(a, r, g, b, a, r, g, b); }
    static V Set32(uint32_t v) { return _mm_set1_epi32(static_cast<int>(v)); }
    static V And(V a, V b) { return _mm_and_si128(a, b); }
    static V AndNot(V a, V b) { return _mm_andnot_si128(a, b); }
    static V Or(V a, V b) { return _mm_or_si128(a, b); }
    static V Eq32(V a, V b) { return _mm_cmpeq_epi32(a, b); }
    static bool All(V mask) { return _mm_movemask_epi8(mask) == 0xFFFF; }
    static V Lo(V v) { return _mm_unpacklo_epi8(v, Zero()); }
    static V Hi(V v) { return _mm_unpackhi_epi8(v, Zero()); }
    static V Pack(V lo, V hi) { return _mm_packus_epi16(lo, hi); }
    static V Mul(V a, V b) { return _mm_mullo_epi16(a, b); }
    static V Add(V a, V b) { return _mm_add_epi16(a, b); }
    static V Sub(V a, V b) { return _mm_sub_epi16(a, b); }
    static V Shr8(V a) { return _mm_srli_epi16(a, 8); }
    static V Spread(V v) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xFF), 0xFF); }
};

#define GAME_AVX2 __attribute__((target("avx2")))

struct Avx2 {
    using V = __m256i;
    static constexpr int kPixels = 8;
    GAME_AVX2 static V Load(const uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    GAME_AVX2 static void Store(uint32_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
    GAME_AVX2 static V Zero() { return _mm256_setzero_si256(); }
    GAME_AVX2 static V Set16(int a, int r, int g, int b) {
        return _mm256_set_epi16(a, r, g, b, a, r, g, b, a, r, g, b, a, r, g, b);
    }
    GAME_AVX2 static V Set32(uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }
    GAME_AVX2 static V And(V a, V b) { return _mm256_and_si256(a, b); }
    GAME_AVX2 static V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); }
    GAME_AVX2 static V Or(V a, V b) { return _mm256_or_si256(a, b); }
    GAME_AVX2 static V Eq32(V a, V b) { return _mm256_cmpeq_epi32(a, b); }
    GAME_AVX2 static bool All(V mask) { return _mm256_movemask_epi8(mask) == -1; }
    // Unpacking and packing both work within 128-bit halves, so they undo each other.
    GAME_AVX2 static V Lo(V v) { return _mm256_unpacklo_epi8(v, Zero()); }
    GAME_AVX2 static V Hi(V v) { return _mm256_unpackhi_epi8(v, Zero()); }
    GAME_AVX2 static V Pack(V lo, V hi) { return _mm256_packus_epi16(lo, hi); }
    GAME_AVX2 static V Mul(V a, V b) { return _mm256_mullo_epi16(a, b); }
    GAME_AVX2 static V Add(V a, V b) { return _mm256_add_epi16(a, b); }
    GAME_AVX2 static V Sub(V a, V b) { return _mm256_sub_epi16(a, b); }
    GAME_AVX2 static V Shr8(V a) { return _mm256_srli_epi16(a, 8); }
    GAME_AVX2 static V Spread(V v) { return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(v, 0xFF), 0xFF); }
};

template <typename S>
struct Kernels {
    using V = typename S::V;

    static V Div255(V x) {
        return S::Shr8(S::Add(S::Add(x, S::Set16(1, 1, 1, 1)), S::Shr8(x)));
    }

    // Widened pixels, blended exactly; the colour lanes are premultiplied by
    // the modulated alpha, the alpha lane keeps itself (times 255 / 255).
    static V Exact16(V d, V s, V modulation) {
        const V alphaLanes = S::Set16(-1, 0, 0, 0);
        const V full = S::Set16(255, 255, 255, 255);
        s = Div255(S::Mul(s, modulation));
        const V sa = S::Spread(s);
        const V factor = S::Or(S::AndNot(alphaLanes, sa), S::And(alphaLanes, full));
        s = Div255(S::Mul(s, factor));
        return S::Add(s, Div255(S::Mul(d, S::Sub(full, sa))));
    }

    // The same for opaque source pixels: the modulated alpha is the colour's.
    static V Opaque16(V d, V s, V modulation, V alphaFactor, V keep, bool tinted) {
        if (tinted) s = Div255(S::Mul(s, modulation));
        s = Div255(S::Mul(s, alphaFactor));
        return S::Add(s, Div255(S::Mul(d, keep)));
    }

    static V Shifted16(V d, V s) {
        const V alphaLanes = S::Set16(-1, 0, 0, 0);
        const V full = S::Set16(255, 255, 255, 255);
        const V sa = S::Spread(s);
        const V weight = S::Or(S::AndNot(alphaLanes, sa), S::And(alphaLanes, full));
        return S::Add(S::Shr8(S::Mul(s, weight)), S::Shr8(S::Mul(d, S::Sub(full, sa))));
    }

    static void ExactRow(uint32_t* dst, const uint32_t* src, int n, BlendColour c) {
        const V modulation = S::Set16(c.a, c.r, c.g, c.b);
        const bool tinted = (c.r & c.g & c.b) != 255;
        // For opaque pixels: a colour tint brings the alpha lane to c.a, and
        // without one the premultiplying step must.
        const int alphaLane = tinted ? 255 : c.a;
        const V alphaFactor = S::Set16(alphaLane, c.a, c.a, c.a);
        const V keep = S::Set16(255 - c.a, 255 - c.a, 255 - c.a, 255 - c.a);
        const V alphaBytes = S::Set32(0xFF000000u);
        int i = 0;
        for (; i + S::kPixels <= n; i += S::kPixels) {
            const V s = S::Load(src + i);
            const V alpha = S::And(s, alphaBytes);
            // Transparent pixels leave the target as it is.
            if (S::All(S::Eq32(alpha, S::Zero()))) continue;
            const V d = S::Load(dst + i);
            V lo, hi;
            if (S::All(S::Eq32(alpha, alphaBytes))) {
                lo = Opaque16(S::Lo(d), S::Lo(s), modulation, alphaFactor, keep, tinted);
                hi = Opaque16(S::Hi(d), S::Hi(s), modulation, alphaFactor, keep, tinted);
            } else {
                lo = Exact16(S::Lo(d), S::Lo(s), modulation);
                hi = Exact16(S::Hi(d), S::Hi(s), modulation);
            }
            S::Store(dst + i, S::Pack(lo, hi));
        }
        ExactRowScalar(dst + i, src + i, n - i, c);
    }

    static void ShiftedRow(uint32_t* dst, const uint32_t* src, int n) {
        const V alphaBytes = S::Set32(0xFF000000u);
        int i = 0;
        for (; i + S::kPixels <= n; i += S::kPixels) {
            const V s = S::Load(src + i);
            const V alpha = S::And(s, alphaBytes);
            const V clear = S::Eq32(alpha, S::Zero());
            if (S::All(clear)) continue;
            const V opaque = S::Eq32(alpha, alphaBytes);
            if (S::All(opaque)) {
                S::Store(dst + i, s);
                continue;
            }
            const V d = S::Load(dst + i);
            V out = S::Pack(Shifted16(S::Lo(d), S::Lo(s)), Shifted16(S::Hi(d), S::Hi(s)));
            // Alpha 255 copies the pixel, alpha 0 keeps the target's.
            out = S::Or(S::AndNot(opaque, out), S::And(opaque, s));
            out = S::Or(S::AndNot(clear, out), S::And(clear, d));
            S::Store(dst + i, out);
        }
        ShiftedRowScalar(dst + i, src + i, n - i);
    }
};

void ExactRowSse2(uint32_t* dst, const uint32_t* src, int n, BlendColour c) { Kernels<Sse2>::ExactRow(dst, src, n, c); }
void ShiftedRowSse2(uint32_t* dst, const uint32_t* src, int n) { Kernels<Sse2>::ShiftedRow(dst, src, n); }
// Flattened, so that the generic kernel and its wrappers all end up inside
// the one function compiled for AVX2.
GAME_AVX2 __attribute__((flatten)) void ExactRowAvx2(uint32_t* dst, const uint32_t* src, int n, BlendColour c) {
    Kernels<Avx2>::ExactRow(dst, src, n, c);
}
GAME_AVX2 __attribute__((flatten)) void ShiftedRowAvx2(uint32_t* dst, const uint32_t* src, int n) {
    Kernels<Avx2>::ShiftedRow(dst, src, n);
}

bool CpuHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

bool g_wide = CpuHasAvx2();

void ExactRow(uint32_t* dst, const uint32_t* src, int n, BlendColour c) {
    if (g_wide) {
        ExactRowAvx2(dst, src, n, c);
    } else {
        ExactRowSse2(dst, src, n, c);
    }
}

void ShiftedRow(uint32_t* dst, const uint32_t* src, int n) {
    if (g_wide) {
        ShiftedRowAvx2(dst, src, n);
    } else {
        ShiftedRowSse2(dst, src, n);
    }
}

#else

bool g_wide = false;
void ExactRow(uint32_t* dst, const uint32_t* src, int n, BlendColour c) { ExactRowScalar(dst, src, n, c); }
void ShiftedRow(uint32_t* dst, const uint32_t* src, int n) { ShiftedRowScalar(dst, src, n); }

#endif

}  // namespace

bool UseWideBlending(bool wide) {
#if defined(__SSE2__)
    g_wide = wide && CpuHasAvx2();
#else
    (void)wide;
#endif
    return g_wide;
}

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
