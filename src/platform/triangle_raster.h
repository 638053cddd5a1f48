#pragma once
#include <cstdint>

#include "platform/pixel_blend.h"

// One textured triangle as SDL's software renderer takes it: corners in
// half pixels, texel coordinates, one colour for all three corners.
struct TexturedTriangle {
    int x[3] = {}, y[3] = {};  // corners, in half pixels
    int u[3] = {}, v[3] = {};  // texels
    BlendColour colour;
};

// Blends the triangle into the target, covering and sampling exactly the
// pixels and texels SDL's software renderer does (its edge functions, its
// top-left rule, its texel division), but walking only the spans inside the
// triangle and stepping the division instead of dividing at every pixel.
// Corners must lie within kMaxRasterCoordinate pixels of the origin, where
// SDL's own sums cannot overflow.
constexpr int kMaxRasterCoordinate = 4096;
// Whether the triangle is within those bounds and samples only texels of a
// texelWidth x texelHeight texture (SDL would read outside it otherwise).
bool RasterFits(TexturedTriangle t, int texelWidth, int texelHeight);
void RasterTexturedTriangle(uint32_t* target, int pitch, int width, int height, const uint32_t* texels,
                            int texelPitch, TexturedTriangle t);
