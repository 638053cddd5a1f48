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

uint64_t g_nextContentId = 1;

bool IsSoftware(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
}

}  // namespace

int Texture::Load(GraphicsDevice* device, const char* fileName, uint32_t colourKey, uint32_t format,
                  Packing packing) {
    Release();
    if (!device || !device->Device() || !fileName) return 0;
    const std::string path = ResolveGamePath(fileName);
    Image picture;
    std::string why;
    if (!LoadImageFile(path, picture, &why)) {
        ReportUnreadable(path, why);
        return 0;
    }
    if (LoadPixels(device, picture, colourKey, format, packing)) return 1;
    ReportUnreadable(path, std::string("no texture could be made of it (") + SDL_GetError() + ")");
    return 0;
}

int Texture::MakeOwn(GraphicsDevice* device, const Image& picture) {
    SDL_Renderer* renderer = device->Device();
    const bool software = IsSoftware(renderer);
    // On the software renderer the sprite blitter reads the pixels, so the texture must be lockable.
    SDL_Texture* made =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                          software ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, picture.width,
                          picture.height);
    if (!made) return 0;
    if (SDL_UpdateTexture(made, nullptr, picture.pixels.data(), picture.width * 4) != 0) {
        SDL_DestroyTexture(made);
        return 0;
    }
    if (software) {
        // The software renderer hands out its own pixels, which stay put for the texture's life.
        void* locked = nullptr;
        int bytes = 0;
        if (SDL_LockTexture(made, nullptr, &locked, &bytes) != 0) {
            SDL_DestroyTexture(made);
            return 0;
        }
        SDL_UnlockTexture(made);
        view = SDL_CreateRGBSurfaceWithFormatFrom(locked, picture.width, picture.height, 32, bytes,
                                                  SDL_PIXELFORMAT_ARGB8888);
        if (!view) {
            SDL_DestroyTexture(made);
            return 0;
        }
        ownView = true;
        pixels = static_cast<const uint32_t*>(locked);
        pitch = bytes / 4;
    }
    SDL_SetTextureBlendMode(made, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(made, SDL_ScaleModeLinear);
    texture = made;
    textureWidth = picture.width;
    textureHeight = picture.height;
    return 1;
}

int Texture::LoadPixels(GraphicsDevice* device, const Image& picture, uint32_t colourKey, uint32_t format,
                        Packing packing) {
    Release();
    if (!device || !device->Device()) return 0;
    Image prepared;
    if (!PrepareTexturePixels(picture, colourKey, format, prepared)) return 0;
    TextureAtlas& atlas = device->Atlas();
    if (packing == Packing::Atlas &&
        atlas.Add(device->Device(), prepared.pixels.data(), prepared.width, prepared.height, slot)) {
        texture = atlas.PageTexture(slot.page);
        originX = slot.x;
        originY = slot.y;
        textureWidth = textureHeight = atlas.PageSide(slot.page);
        if (const uint32_t* page = atlas.PagePixels(slot.page)) {
            pitch = atlas.PagePitch(slot.page);
            pixels = page + static_cast<size_t>(originY) * pitch + originX;
            view = atlas.PageView(slot.page);
        }
    } else if (!MakeOwn(device, prepared)) {
        return 0;
    }
    graphics = device;
    generation = GraphicsDevice::RendererGeneration();
    width = prepared.width;
    height = prepared.height;
    contentId = g_nextContentId++;
    return 1;
}

bool Texture::Alive() const { return texture && generation == GraphicsDevice::RendererGeneration(); }

int Texture::Release() {
    if (ownView && view) SDL_FreeSurface(view);
    view = nullptr;
    ownView = false;
    // A texture whose renderer is gone was freed with it.
    if (Alive()) {
        if (slot.page >= 0) {
            graphics->Atlas().Remove(slot);
        } else {
            SDL_DestroyTexture(texture);
        }
    }
    graphics = nullptr;
    texture = nullptr;
    slot = AtlasSlot{};
    pixels = nullptr;
    pitch = 0;
    width = height = 0;
    originX = originY = 0;
    textureWidth = textureHeight = 0;
    generation = 0;
    contentId = 0;
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
    return DrawSprite(graphics, *this, sourceX, sourceY, sourceWidth ? sourceWidth : width,
                      sourceHeight ? sourceHeight : height, place, colour);
}
