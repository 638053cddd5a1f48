#pragma once
#include <cstdint>

// Alpha blending of ARGB8888 pixels onto ARGB8888 pixels, giving exactly
// the values SDL's software blitters give, a few pixels at a time.
//
// SDL picks one of two formulas for a blended copy:
//  - with a colour or alpha modulation, every channel is modulated and the
//    blend divides by 255 (its generic blitter);
//  - without, a pixel of alpha 0 is skipped, one of 255 copied, and the rest
//    blended with shifts by 8 (its per-pixel-alpha blitter).
struct BlendColour {
    uint8_t r = 255, g = 255, b = 255, a = 255;
    bool Modulates() const { return (r & g & b) != 255 || a != 255; }
};

// One pixel, always by the generic formula (as SDL's triangles blend).
uint32_t BlendPixel(uint32_t target, uint32_t source, BlendColour colour);

// One row of n pixels.
void BlendRow(uint32_t* dst, const uint32_t* src, int n, BlendColour colour);

// A w x h block; pitches in pixels.
void BlendBlock(uint32_t* dst, int dstPitch, const uint32_t* src, int srcPitch, int w, int h, BlendColour colour);

// The same block clipped to a width x height target the way SDL clips a blit:
// the block's top-left lands at (x, y).
void BlendClipped(uint32_t* target, int targetPitch, int targetWidth, int targetHeight, const uint32_t* src,
                  int srcPitch, int w, int h, int x, int y, BlendColour colour);
