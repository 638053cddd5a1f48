#pragma once
#include <cstdint>

// Turning a sprite frame the way SDL's software renderer turns it, so that
// a turned frame can be made once, kept, and blended like any other.

// Where the turned frame lands relative to the unturned frame's top-left,
// its size, and the sine and cosine the turn uses.
struct TurnedBounds {
    int x = 0, y = 0, w = 0, h = 0;
    double cosine = 1.0, sine = 0.0;
};

// A width x height frame turned by `degrees` (clockwise on screen) about
// (centreX, centreY), measured from its top-left.
TurnedBounds TurnedFrameBounds(int width, int height, double degrees, float centreX, float centreY);

// Writes the turned (and mirrored) frame into a bounds.w x bounds.h block of
// transparent pixels, filtered; pitches in pixels.
void TurnFrame(const uint32_t* src, int srcPitch, int width, int height, double degrees, bool flipX, bool flipY,
               const TurnedBounds& bounds, float centreX, float centreY, uint32_t* dst, int dstPitch);
