#include "platform/texture_atlas.h"

#include <SDL.h>

#include <algorithm>

#include "platform/graphics_device.h"

namespace {

bool IsSoftware(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
}

int SideFor(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return 0;
    int side = TextureAtlas::kPageSize;
    if (info.max_texture_width > 0) side = std::min(side, info.max_texture_width);
    if (info.max_texture_height > 0) side = std::min(side, info.max_texture_height);
    return side;
}

}  // namespace

// A row of pictures of one bordered height, filled left to right; freed
// places are reused by pictures that fit them.
struct Shelf {
    int y = 0, height = 0, nextX = 0;
    struct Gap {
        int x, width;
    };
    std::vector<Gap> gaps;
};

struct TextureAtlas::Page {
    ~Page() {
        if (view) SDL_FreeSurface(view);
    }
    SDL_Texture* texture = nullptr;
    SDL_Surface* view = nullptr;       // software renderer only: over the texture's own pixels
    const uint32_t* pixels = nullptr;  // software renderer only
    int pitch = 0;                     // in pixels
    int side = 0;
    int nextY = 0;
    int live = 0;
    std::vector<Shelf> shelves;
};

TextureAtlas::TextureAtlas() = default;

TextureAtlas::~TextureAtlas() {
    SyncGeneration();
    for (auto& page : pages_)
        if (page && page->texture) SDL_DestroyTexture(page->texture);
}

void TextureAtlas::SyncGeneration() {
    if (generation_ != GraphicsDevice::RendererGeneration()) Forget();
}

void TextureAtlas::Forget() {
    pages_.clear();
    generation_ = GraphicsDevice::RendererGeneration();
}

bool TextureAtlas::Packs(SDL_Renderer* renderer, int width, int height) const {
    const int side = renderer ? SideFor(renderer) : 0;
    return width > 0 && height > 0 && width <= kMaxPackedSide && height <= kMaxPackedSide &&
           width + 2 * kBorder <= side && height + 2 * kBorder <= side;
}

int TextureAtlas::NewPage(SDL_Renderer* renderer) {
    auto page = std::make_unique<Page>();
    page->side = SideFor(renderer);
    const bool software = IsSoftware(renderer);
    // Software pages are read directly by the sprite blitter, which needs them lockable.
    page->texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                      software ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, page->side,
                                      page->side);
    if (!page->texture) return -1;
    SDL_SetTextureBlendMode(page->texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(page->texture, SDL_ScaleModeLinear);
    if (software) {
        // The software renderer hands out its own pixels, which stay put for the texture's life.
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(page->texture, nullptr, &pixels, &pitch) != 0) {
            SDL_DestroyTexture(page->texture);
            return -1;
        }
        SDL_memset(pixels, 0, static_cast<size_t>(pitch) * page->side);
        SDL_UnlockTexture(page->texture);
        page->pixels = static_cast<const uint32_t*>(pixels);
        page->pitch = pitch / 4;
        page->view = SDL_CreateRGBSurfaceWithFormatFrom(pixels, page->side, page->side, 32, pitch,
                                                        SDL_PIXELFORMAT_ARGB8888);
        if (!page->view) {
            SDL_DestroyTexture(page->texture);
            return -1;
        }
    }
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (!pages_[i]) {
            pages_[i] = std::move(page);
            return static_cast<int>(i);
        }
    }
    pages_.push_back(std::move(page));
    return static_cast<int>(pages_.size()) - 1;
}

bool TextureAtlas::Place(int width, int height, int& pageIndex, int& x, int& y) {
    for (size_t p = 0; p < pages_.size(); ++p) {
        Page* page = pages_[p].get();
        if (!page) continue;
        for (Shelf& shelf : page->shelves) {
            if (shelf.height != height) continue;
            for (size_t g = 0; g < shelf.gaps.size(); ++g) {
                Shelf::Gap& gap = shelf.gaps[g];
                if (gap.width < width) continue;
                x = gap.x;
                gap.x += width;
                gap.width -= width;
                if (gap.width == 0) shelf.gaps.erase(shelf.gaps.begin() + static_cast<long>(g));
                y = shelf.y;
                pageIndex = static_cast<int>(p);
                return true;
            }
            if (shelf.nextX + width <= page->side) {
                x = shelf.nextX;
                shelf.nextX += width;
                y = shelf.y;
                pageIndex = static_cast<int>(p);
                return true;
            }
        }
        if (page->nextY + height <= page->side) {
            page->shelves.push_back(Shelf{page->nextY, height, width, {}});
            x = 0;
            y = page->nextY;
            page->nextY += height;
            pageIndex = static_cast<int>(p);
            return true;
        }
    }
    return false;
}

bool TextureAtlas::Add(SDL_Renderer* renderer, const uint32_t* pixels, int width, int height, AtlasSlot& slot) {
    slot = AtlasSlot{};
    SyncGeneration();
    if (!pixels || !Packs(renderer, width, height)) return false;
    const int w = width + 2 * kBorder, h = height + 2 * kBorder;
    int page = -1, x = 0, y = 0;
    if (!Place(w, h, page, x, y)) {
        if (NewPage(renderer) < 0 || !Place(w, h, page, x, y)) return false;
    }
    // The picture with its edge pixels repeated once around it.
    upload_.resize(static_cast<size_t>(w) * h);
    for (int row = 0; row < h; ++row) {
        const int from = std::clamp(row - kBorder, 0, height - 1);
        for (int col = 0; col < w; ++col)
            upload_[static_cast<size_t>(row) * w + col] = pixels[from * width + std::clamp(col - kBorder, 0, width - 1)];
    }
    slot.page = page;
    slot.x = x + kBorder;
    slot.y = y + kBorder;
    slot.width = width;
    slot.height = height;
    slot.generation = generation_;
    ++pages_[page]->live;
    const SDL_Rect place{x, y, w, h};
    if (SDL_UpdateTexture(pages_[page]->texture, &place, upload_.data(), w * 4) != 0) {
        Remove(slot);
        return false;
    }
    return true;
}

void TextureAtlas::Remove(AtlasSlot& slot) {
    SyncGeneration();
    const bool mine = slot.page >= 0 && slot.generation == generation_ &&
                      slot.page < static_cast<int>(pages_.size()) && pages_[slot.page];
    if (mine) {
        Page& page = *pages_[slot.page];
        const int x = slot.x - kBorder, y = slot.y - kBorder, w = slot.width + 2 * kBorder;
        for (Shelf& shelf : page.shelves) {
            if (shelf.y != y) continue;
            if (x + w == shelf.nextX) {
                shelf.nextX = x;
            } else {
                shelf.gaps.push_back(Shelf::Gap{x, w});
            }
            break;
        }
        if (--page.live == 0) {
            SDL_DestroyTexture(page.texture);
            pages_[slot.page].reset();
        }
    }
    slot = AtlasSlot{};
}

SDL_Texture* TextureAtlas::PageTexture(int page) const {
    if (page < 0 || page >= static_cast<int>(pages_.size()) || !pages_[page]) return nullptr;
    return pages_[page]->texture;
}

const uint32_t* TextureAtlas::PagePixels(int page) const {
    if (page < 0 || page >= static_cast<int>(pages_.size()) || !pages_[page]) return nullptr;
    return pages_[page]->pixels;
}

int TextureAtlas::PagePitch(int page) const {
    if (page < 0 || page >= static_cast<int>(pages_.size()) || !pages_[page]) return 0;
    return pages_[page]->pitch;
}

SDL_Surface* TextureAtlas::PageView(int page) const {
    if (page < 0 || page >= static_cast<int>(pages_.size()) || !pages_[page]) return nullptr;
    return pages_[page]->view;
}

int TextureAtlas::PageSide(int page) const {
    if (page < 0 || page >= static_cast<int>(pages_.size()) || !pages_[page]) return 0;
    return pages_[page]->side;
}

int TextureAtlas::Pages() const {
    int n = 0;
    for (const auto& page : pages_) n += page != nullptr;
    return n;
}
