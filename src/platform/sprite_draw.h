#pragma once
#include <cstdint>
#include <vector>

class GraphicsDevice;
class Texture;
struct SDL_Texture;

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

// A sprite draw as SDL is asked for it: texture, source and target
// rectangles, turn, pivot, mirroring, modulating colour.
struct SpriteCall {
    SDL_Texture* texture = nullptr;
    int sourceX = 0, sourceY = 0, sourceW = 0, sourceH = 0;
    float x = 0, y = 0, w = 0, h = 0;
    double degrees = 0.0;
    float pivotX = 0, pivotY = 0;
    int flip = 0;
    uint32_t colour = 0;
};

// While a list is given, every sprite draw is also added to it, so that a
// benchmark can replay the very same draws through bare SDL calls.
void RecordSpriteCalls(std::vector<SpriteCall>* calls);
