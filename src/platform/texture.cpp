#include "platform/texture.h"

#include <SDL.h>

#include <cstdio>
#include <set>
#include <string>

#include "platform/game_path.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/sprite_draw.h"
#include "platform/texture_pixels.h"

namespace {
// A picture that cannot be read leaves its image empty, so that the game
// runs on; the player is told once which file it was and why.
void ReportUnreadable(const std::string& path, const std::string& why) {
    static std::set<std::string> told;
    if (told.insert(path).second) std::fprintf(stderr, "game: cannot read %s: %s\n", path.c_str(), why.c_str());
}
}  // namespace

int Texture::Load(GraphicsDevice* device, const char* fileName, uint32_t colourKey, uint32_t format) {
    Release();
    if (!device || !device->Device() || !fileName) return 0;
    const std::string path = ResolveGamePath(fileName);
    Image picture;
    std::string why;
    if (!LoadImageFile(path, picture, &why)) {
        ReportUnreadable(path, why);
        return 0;
    }
    if (LoadPixels(device, picture, colourKey, format)) return 1;
    ReportUnreadable(path, std::string("no texture could be made of it (") + SDL_GetError() + ")");
    return 0;
}

int Texture::LoadPixels(GraphicsDevice* device, const Image& picture, uint32_t colourKey, uint32_t format) {
    Release();
    if (!device || !device->Device()) return 0;
    Image pixels;
    if (!PrepareTexturePixels(picture, colourKey, format, pixels)) return 0;
    SDL_Texture* made = SDL_CreateTexture(device->Device(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                          pixels.width, pixels.height);
    if (!made) return 0;
    if (SDL_UpdateTexture(made, nullptr, pixels.pixels.data(), pixels.width * 4) != 0) {
        SDL_DestroyTexture(made);
        return 0;
    }
    SDL_SetTextureBlendMode(made, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(made, SDL_ScaleModeLinear);
    graphics = device;
    texture = made;
    generation = GraphicsDevice::RendererGeneration();
    width = pixels.width;
    height = pixels.height;
    return 1;
}

bool Texture::Alive() const { return texture && generation == GraphicsDevice::RendererGeneration(); }

int Texture::Release() {
    // A texture whose renderer is gone was freed with it.
    if (Alive()) SDL_DestroyTexture(texture);
    graphics = nullptr;
    texture = nullptr;
    width = 0;
    height = 0;
    generation = 0;
    return 1;
}

int Texture::Draw(float x, float y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, float scaleX,
                  float scaleY, uint32_t colour, int centre, float rotation) {
    if (!Alive() || !graphics) return 0;
    SpritePlacement place;
    place.x = x;
    place.y = y;
    place.scaleX = scaleX;
    place.scaleY = scaleY;
    place.centre = centre;
    place.rotation = rotation;
    return DrawSprite(graphics, texture, sourceX, sourceY, sourceWidth ? sourceWidth : width,
                      sourceHeight ? sourceHeight : height, place, colour);
}
