#pragma once
#include <cstdint>
#include <memory>

#include "platform/texture.h"

// The last sprite draw of a frame outside its picture's grid.
struct SpritePastGridDraw {
    int image = 0, frame = 0;
    int frameWidth = 0, frameHeight = 0;
    int width = 0, height = 0;  // of the picture as loaded
};

// Image slots, each a texture cut into a grid of equal frames numbered row
// by row from the top-left.
class SpriteSheet {
public:
    SpriteSheet() = default;
    ~SpriteSheet() { Release(); }
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    int Init(GraphicsDevice* graphics, int imageCount);
    int Release();
    int LoadImage(int image, const char* fileName, int16_t frameWidth, int16_t frameHeight, uint32_t colourKey,
                  uint32_t format);
    // The same from a picture already in memory (generated art, tests).
    int LoadImagePixels(int image, const Image& picture, int16_t frameWidth, int16_t frameHeight,
                        uint32_t colourKey, uint32_t format);
    int ReleaseImage(int image);
    int SetAlphaTest(int flag);
    int Draw(int image, int frame, float x, float y, uint32_t colour, float scaleX, float scaleY, int centre,
             float rotation);

    // Draws of a frame outside its picture's grid (frames per row times whole
    // rows), by any sheet: such a frame is art the picture does not hold.
    // Counted only on that path, so that a normal draw pays nothing for it.
    using PastGridDraw = SpritePastGridDraw;
    static int64_t DrawsPastGrid() { return drawsPastGrid_; }
    static const PastGridDraw& LastDrawPastGrid() { return lastPastGrid_; }

    GraphicsDevice* graphics = nullptr;
    int imageCount = 0;
    std::unique_ptr<Texture[]> images;
    std::unique_ptr<int[]> frameWidth;
    std::unique_ptr<int[]> frameHeight;
    std::unique_ptr<int[]> framesPerRow;

private:
    bool ValidSlot(int image) const { return images && image >= 0 && image < imageCount; }
    int SetFrames(int image, int16_t frameWidth, int16_t frameHeight);
    int DrawPastGrid(int image, int frame, float x, float y, uint32_t colour, float scaleX, float scaleY, int centre,
                     float rotation);

    std::unique_ptr<int[]> gridFrames_;  // frames per row times whole rows
    static inline int64_t drawsPastGrid_ = 0;
    static inline PastGridDraw lastPastGrid_{};
};
