#pragma once
#include <cstdint>

class GraphicsDevice;
struct SDL_Texture;

// One image file loaded with a colour key; its size is rounded up to powers
// of two with the picture stretched to fill it, as the original loader did.
class Texture {
public:
    Texture() = default;
    ~Texture() { Release(); }
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int Load(GraphicsDevice* graphics, const char* fileName, uint32_t colourKey, uint32_t format);
    int Release();
    int Width() const { return texture ? width : 0; }
    int Height() const { return texture ? height : 0; }
    int Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
             float scaleY, uint32_t colour, int centre, float rotation);

    GraphicsDevice* graphics = nullptr;
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
};
