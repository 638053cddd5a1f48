#pragma once
#include <cstdint>

#include "platform/frame_cache.h"
#include "platform/pixel_blend.h"

struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Vertex;
class Texture;

// A sprite copy as SDL takes it: the source rectangle inside the picture,
// the target rectangle, the turn in degrees about a pivot, the mirroring.
struct SpriteCopy {
    int sourceX = 0, sourceY = 0, sourceW = 0, sourceH = 0;
    float x = 0, y = 0, w = 0, h = 0;
    double degrees = 0.0;
    float pivotX = 0, pivotY = 0;
    bool flipX = false, flipY = false;
    BlendColour colour;
};

// The software renderer's back buffer, drawn into directly. A sprite lands
// on exactly the pixels SDL's software renderer would give it, but a
// stretched or turned frame is made once and kept (FrameCache), and the
// blending works on several pixels at a time: SDL makes the frame again,
// allocating, at every draw and blends one pixel at a time.
class SoftwareCanvas {
public:
    // Largest side of a stretched frame, and so of a frame before it is
    // turned (turned, it still fits the frame cache). SDL draws larger ones.
    static constexpr int kScratchSide = 1024;

    SoftwareCanvas(SDL_Renderer* renderer, SDL_Surface* target);
    ~SoftwareCanvas();
    SoftwareCanvas(const SoftwareCanvas&) = delete;
    SoftwareCanvas& operator=(const SoftwareCanvas&) = delete;

    // False when the copy is beyond what it prepares; SDL must draw it then.
    bool Draw(const Texture& picture, const SpriteCopy& copy);
    // A textured triangle list in screen pixels, as SDL_RenderGeometry takes
    // it. False, with nothing drawn, when SDL must draw it: a pair of
    // triangles SDL takes for a rectangle, corners of different colours, or
    // corners beyond the rasteriser's bounds.
    bool DrawTriangles(const Texture& picture, const SDL_Vertex* vertices, int count);

    FrameCache& Frames() { return frames_; }
    // Draws handed back to SDL so far.
    int HandedBack() const { return handedBack_; }
    // Pixels SDL still holds queued are drawn first, so that direct writes land in order.
    uint32_t* Pixels();
    int Pitch() const;  // in pixels
    int Width() const;
    int Height() const;

private:
    bool DrawCopy(const Texture& picture, const SpriteCopy& copy);
    bool DrawTriangleList(const Texture& picture, const SDL_Vertex* vertices, int count);
    const PreparedFrame* Stretched(const Texture& picture, const SpriteCopy& copy, int w, int h);
    const PreparedFrame* Turned(const Texture& picture, const SpriteCopy& copy, int w, int h);
    // The source rectangle stretched to w x h (pitch in `pitch`); null if too large.
    const uint32_t* Stretch(const Texture& picture, const SpriteCopy& copy, int w, int h, int& pitch);

    SDL_Renderer* renderer_;
    SDL_Surface* target_;
    FrameCache frames_;
    SDL_Surface* stretch_ = nullptr;  // kScratchSide square, made on first use
    int handedBack_ = 0;
};
