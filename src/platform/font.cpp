#include "platform/font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/font_face.h"
#include "platform/graphics_device.h"
#include "platform/text_layout.h"

namespace {

// GDI's rectangle for a zero width or height.
constexpr int kOpenWidth = 65535;
constexpr int kOpenHeight = 65536;
constexpr int kDefaultHeight = 12;
constexpr int kCacheEntries = 64;
constexpr uint32_t kLayoutFlags = DT_CENTER | DT_RIGHT | DT_WORDBREAK | DT_SINGLELINE;

// One rendered string: white text on a transparent block, lines aligned
// within the block, tinted at draw time.
struct CachedText {
    std::string text;
    uint32_t layout = 0;
    int wrapWidth = 0;
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    uint64_t lastUse = 0;
};

}  // namespace

class FontImpl {
public:
    GraphicsDevice* graphics = nullptr;
    TTF_Font* font = nullptr;
    int lineHeight = 0;
    CachedText cache[kCacheEntries];
    uint64_t uses = 0;
    int rendered = 0;
    uint32_t generation = 0;  // renderer the cached textures belong to

    ~FontImpl() {
        DropCache();
        if (font) TTF_CloseFont(font);
        TTF_Quit();
    }

    void DropCache() {
        bool alive = generation == GraphicsDevice::RendererGeneration();
        for (CachedText& e : cache) {
            if (e.texture && alive) SDL_DestroyTexture(e.texture);
            e = CachedText{};
        }
        generation = GraphicsDevice::RendererGeneration();
    }

    CachedText* Find(const char* text, uint32_t layout, int wrapWidth) {
        for (CachedText& e : cache)
            if (e.texture && e.layout == layout && e.wrapWidth == wrapWidth && e.text == text) return &e;
        return nullptr;
    }

    CachedText* Render(const char* text, uint32_t layout, int wrapWidth);
};

CachedText* FontImpl::Render(const char* text, uint32_t layout, int wrapWidth) {
    std::vector<std::string> lines;
    auto measure = [this](const std::string& s) {
        int w = 0, h = 0;
        TTF_SizeText(font, s.c_str(), &w, &h);
        return w;
    };
    LayoutTextLines(text, layout, wrapWidth, measure, lines);

    std::vector<SDL_Surface*> surfaces(lines.size(), nullptr);
    int blockWidth = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        surfaces[i] = TTF_RenderText_Blended(font, lines[i].c_str(), SDL_Color{255, 255, 255, 255});
        if (surfaces[i]) blockWidth = std::max(blockWidth, surfaces[i]->w);
    }
    const int blockHeight = static_cast<int>(lines.size()) * lineHeight;
    SDL_Texture* texture = nullptr;
    if (blockWidth > 0 && blockHeight > 0) {
        SDL_Surface* block = SDL_CreateRGBSurfaceWithFormat(0, blockWidth, blockHeight, 32, SDL_PIXELFORMAT_ARGB8888);
        if (block) {
            SDL_FillRect(block, nullptr, 0);
            for (size_t i = 0; i < surfaces.size(); ++i) {
                if (!surfaces[i]) continue;
                SDL_SetSurfaceBlendMode(surfaces[i], SDL_BLENDMODE_NONE);
                SDL_Rect at{AlignTextX(layout, 0, blockWidth, surfaces[i]->w), static_cast<int>(i) * lineHeight,
                            surfaces[i]->w, surfaces[i]->h};
                SDL_BlitSurface(surfaces[i], nullptr, block, &at);
            }
            texture = SDL_CreateTextureFromSurface(graphics->Device(), block);
            SDL_FreeSurface(block);
        }
    }
    for (SDL_Surface* s : surfaces) SDL_FreeSurface(s);
    if (!texture) return nullptr;
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    ++rendered;

    CachedText* slot = &cache[0];
    for (CachedText& e : cache) {
        if (!e.texture) {
            slot = &e;
            break;
        }
        if (e.lastUse < slot->lastUse) slot = &e;
    }
    if (slot->texture) SDL_DestroyTexture(slot->texture);
    slot->text = text;
    slot->layout = layout;
    slot->wrapWidth = wrapWidth;
    slot->texture = texture;
    slot->width = blockWidth;
    slot->height = blockHeight;
    return slot;
}

Font::Font() = default;

Font::~Font() { Release(); }

int Font::Create(GraphicsDevice* graphics, const char* faceName, int height, int bold, int italic, int underline,
                 int strikeout) {
    Release();
    if (!graphics || !faceName || !graphics->Device()) return 0;
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "font: cannot start the font engine: %s\n", TTF_GetError());
        return 0;
    }
    auto impl = std::make_unique<FontImpl>();  // from here its destructor balances TTF_Init
    impl->graphics = graphics;
    const int pixels = height == 0 ? kDefaultHeight : std::abs(height);
    const std::string file = FontFileForFace(faceName, bold == 1, italic != 0);
    impl->font = TTF_OpenFont(file.c_str(), pixels);
    if (!impl->font) {
        std::fprintf(stderr, "font: cannot open \"%s\" for \"%s\": %s\n", file.c_str(), faceName, TTF_GetError());
        return 0;
    }
    TTF_SetFontStyle(impl->font, (underline ? TTF_STYLE_UNDERLINE : 0) | (strikeout ? TTF_STYLE_STRIKETHROUGH : 0));
    impl->lineHeight = TTF_FontHeight(impl->font);
    impl->generation = GraphicsDevice::RendererGeneration();
    impl_ = std::move(impl);
    return 1;
}

int Font::Release() {
    impl_.reset();
    return 1;
}

int Font::RenderedStrings() const { return impl_ ? impl_->rendered : 0; }

int Font::Begin() { return impl_ ? 1 : 0; }

int Font::End() { return impl_ ? 1 : 0; }

int Font::DrawText(const char* text, int x, int y, int width, int height, uint32_t colour, uint32_t format) {
    if (!impl_ || !text) return 0;
    SDL_Renderer* renderer = impl_->graphics->Device();
    if (!renderer) return 0;
    if (impl_->generation != GraphicsDevice::RendererGeneration()) impl_->DropCache();
    if (!*text) return 1;

    const int right = x + (width ? width : kOpenWidth);
    const int bottom = y + (height ? height : kOpenHeight);
    const uint32_t layout = format & kLayoutFlags;
    const int wrapWidth = (layout & DT_WORDBREAK) && !(layout & DT_SINGLELINE) ? right - x : 0;

    CachedText* entry = impl_->Find(text, layout, wrapWidth);
    if (!entry) entry = impl_->Render(text, layout, wrapWidth);
    if (!entry) return 0;
    entry->lastUse = ++impl_->uses;

    SDL_Rect src{0, 0, entry->width, entry->height};
    SDL_Rect dst{AlignTextX(format, x, right, entry->width), AlignTextY(format, y, bottom, entry->height),
                 entry->width, entry->height};
    if (!(format & DT_NOCLIP)) {
        const SDL_Rect clip{x, y, right - x, bottom - y};
        SDL_Rect visible;
        if (!SDL_IntersectRect(&dst, &clip, &visible)) return 1;
        src.x += visible.x - dst.x;
        src.y += visible.y - dst.y;
        src.w = visible.w;
        src.h = visible.h;
        dst = visible;
    }
    SDL_SetTextureColorMod(entry->texture, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    SDL_SetTextureAlphaMod(entry->texture, colour >> 24);
    return SDL_RenderCopy(renderer, entry->texture, &src, &dst) == 0 ? 1 : 0;
}
