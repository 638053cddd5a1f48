#pragma once
#include <cstdint>

class GraphicsDevice;
struct SDL_Texture;
struct Image;

// One image file loaded with a colour key; its size is rounded up to powers
// of two with the picture stretched to fill it, as the original loader did.
class Texture {
public:
    Texture() = default;
    ~Texture() { Release(); }
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int Load(GraphicsDevice* graphics, const char* fileName, uint32_t colourKey, uint32_t format);
    // The same from a picture already in memory (generated art, tests).
    int LoadPixels(GraphicsDevice* graphics, const Image& picture, uint32_t colourKey, uint32_t format);
    int Release();
    int Width() const { return texture ? width : 0; }
    int Height() const { return texture ? height : 0; }
    int Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
             float scaleY, uint32_t colour, int centre, float rotation);

    GraphicsDevice* graphics = nullptr;
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    uint32_t generation = 0;  // GraphicsDevice::RendererGeneration() when made

private:
    bool Alive() const;
};
