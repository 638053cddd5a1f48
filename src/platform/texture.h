#pragma once
#include <cstdint>

#include "platform/texture_atlas.h"

class GraphicsDevice;
struct SDL_Surface;
struct SDL_Texture;
struct Image;

// One image file loaded with a colour key; its size is rounded up to powers
// of two with the picture stretched to fill it, as the original loader did.
// A picture may have an SDL texture of its own or sit in the device's atlas
// (sprite sheets): `texture` is then the atlas page and the picture starts at
// (originX, originY) in it.
class Texture {
public:
    enum class Packing { Own, Atlas };

    Texture() = default;
    ~Texture() { Release(); }
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    int Load(GraphicsDevice* graphics, const char* fileName, uint32_t colourKey, uint32_t format,
             Packing packing = Packing::Own);
    // The same from a picture already in memory (generated art, tests).
    int LoadPixels(GraphicsDevice* graphics, const Image& picture, uint32_t colourKey, uint32_t format,
                   Packing packing = Packing::Own);
    int Release();
    int Width() const { return texture ? width : 0; }
    int Height() const { return texture ? height : 0; }
    int Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
             float scaleY, uint32_t colour, int centre, float rotation);
    // True while the texture is loaded and its renderer still stands.
    bool Alive() const;
    // The picture's pixels on the software renderer (null on others); rows
    // are `pitch` pixels apart.
    const uint32_t* Pixels() const { return Alive() ? pixels : nullptr; }
    int Pitch() const { return pitch; }
    // The SDL texture's pixels as a surface on the software renderer (the
    // picture at originX, originY), null on others.
    SDL_Surface* View() const { return Alive() ? view : nullptr; }
    // Side of the SDL texture the picture sits in (the page when packed).
    int TextureWidth() const { return textureWidth; }
    int TextureHeight() const { return textureHeight; }
    // Tells one loaded picture from every other, for caches of its frames.
    uint64_t ContentId() const { return contentId; }

    GraphicsDevice* graphics = nullptr;
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    int originX = 0, originY = 0;
    uint32_t generation = 0;  // GraphicsDevice::RendererGeneration() when made

private:
    int MakeOwn(GraphicsDevice* device, const Image& pixels);

    AtlasSlot slot;
    SDL_Surface* view = nullptr;
    bool ownView = false;
    const uint32_t* pixels = nullptr;
    int pitch = 0;
    int textureWidth = 0, textureHeight = 0;
    uint64_t contentId = 0;
};
