#pragma once
#include <cstdint>

class GraphicsDevice;
class Texture;

// How one sprite draw places its frame: x, y is the frame's top-left before
// scaling and rotation; the frame is scaled about that corner, then rotated
// about (centre, centre) measured in scaled pixels from it.
struct SpritePlacement {
    float x = 0, y = 0;
    float scaleX = 1, scaleY = 1;
    int centre = 0;
    float rotation = 0;  // radians
};

// The game's angle turns the other way from the screen's: rotation -pi/2
// turns an upward-pointing ship to the right (heading 16), so a negative
// angle is clockwise on screen. This is the one place that sign lives.
double RotationToScreenDegrees(float rotation);

// Where a point of the frame, in frame pixels from its top-left, lands.
void PlaceSpritePoint(const SpritePlacement& place, float px, float py, float& outX, float& outY);

// Draws a source rectangle of the picture with the placement and a modulating
// ARGB colour. With alpha testing on, a colour alpha below 8 draws nothing.
// The part of the rectangle outside the picture is cut off and the rest
// stretched over the whole placement, as SDL does at a texture's edge.
int DrawSprite(GraphicsDevice* graphics, const Texture& texture, int sourceX, int sourceY, int sourceWidth,
               int sourceHeight, const SpritePlacement& place, uint32_t colour);
