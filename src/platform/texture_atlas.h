#pragma once
#include <cstdint>
#include <memory>
#include <vector>

struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;

// Where a picture sits in the atlas.
struct AtlasSlot {
    int page = -1;
    int x = 0, y = 0;  // the picture's top-left inside the page
    int width = 0, height = 0;
    uint32_t generation = 0;  // GraphicsDevice::RendererGeneration() when placed
};

// Shared texture pages the sprite sheets' pictures are packed into. SDL
// batches consecutive copies only while they come from one texture, and a
// battle view draws from a dozen images in turn: from one page they batch.
// Each picture keeps a border of its own edge pixels, so a filtered draw at
// its edge samples what a texture of its own would have clamped to.
class TextureAtlas {
public:
    static constexpr int kBorder = 1;
    static constexpr int kMaxPackedSide = 512;  // larger pictures keep a texture of their own
    // Eight 256-pixel pictures with their borders across, or four of 512:
    // the power-of-two sides the loader makes fill a page's rows exactly.
    static constexpr int kPageSize = 8 * (256 + 2 * kBorder);

    TextureAtlas();
    ~TextureAtlas();
    TextureAtlas(const TextureAtlas&) = delete;
    TextureAtlas& operator=(const TextureAtlas&) = delete;

    // Whether a picture of this size is packed on this renderer.
    bool Packs(SDL_Renderer* renderer, int width, int height) const;
    // Places and uploads a width x height ARGB picture; false when it is not packed.
    bool Add(SDL_Renderer* renderer, const uint32_t* pixels, int width, int height, AtlasSlot& slot);
    // Frees the slot; a page left empty is destroyed.
    void Remove(AtlasSlot& slot);
    // The renderer is gone, and its textures with it: forget every page.
    void Forget();

    SDL_Texture* PageTexture(int page) const;
    // The page's pixels on the software renderer (null on others), and its pitch in pixels.
    const uint32_t* PagePixels(int page) const;
    int PagePitch(int page) const;
    // The page's pixels as a surface, for SDL's stretching (software renderer only).
    SDL_Surface* PageView(int page) const;
    int PageSide(int page) const;
    int Pages() const;  // live pages

private:
    struct Page;
    bool Place(int width, int height, int& page, int& x, int& y);
    int NewPage(SDL_Renderer* renderer);
    void SyncGeneration();

    std::vector<std::unique_ptr<Page>> pages_;
    uint32_t generation_ = 0;
    std::vector<uint32_t> upload_;  // a bordered picture on its way to the page
};
