#include "text_renderer.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

#ifndef GAME_FONT_DIR
#define GAME_FONT_DIR "/usr/share/fonts/truetype/liberation2"
#endif

namespace standin {

namespace {
constexpr int kLargestSize = 200;
constexpr int kSmallestSize = 5;
}  // namespace

std::string DefaultFontPath() { return std::string(GAME_FONT_DIR) + "/LiberationSans-Bold.ttf"; }

TextRenderer::TextRenderer(std::string fontPath) : fontPath_(std::move(fontPath)) {
    ok_ = TTF_Init() == 0;
    if (ok_) ok_ = FontOfSize(16) != nullptr;
}

TextRenderer::~TextRenderer() {
    for (auto& [size, font] : fonts_)
        if (font) TTF_CloseFont(font);
    fonts_.clear();
    TTF_Quit();
}

_TTF_Font* TextRenderer::FontOfSize(int pixels) {
    auto it = fonts_.find(pixels);
    if (it != fonts_.end()) return it->second;
    TTF_Font* font = TTF_OpenFont(fontPath_.c_str(), pixels);
    fonts_[pixels] = font;
    return font;
}

// Text without descenders may leave the empty descender space outside.
bool TextRenderer::Fits(const std::string& text, int size, int w, int h) {
    TTF_Font* font = FontOfSize(size);
    int tw = 0, th = 0;
    if (!font || TTF_SizeUTF8(font, text.c_str(), &tw, &th) != 0) return false;
    const bool hangs = text.find_first_of("gjpqy,;()") != std::string::npos;
    return tw <= w && th + (hangs ? 0 : TTF_FontDescent(font)) <= h;
}

int TextRenderer::FitSize(const std::vector<std::string>& texts, int w, int h) {
    if (!ok_ || w <= 0 || h <= 0) return 0;
    for (int size = std::min(h * 9 / 8, kLargestSize); size >= kSmallestSize; size -= std::max(1, size / 10)) {
        bool all = true;
        for (const std::string& t : texts)
            if (!t.empty() && !Fits(t, size, w, h)) {
                all = false;
                break;
            }
        if (all) return size;
    }
    return 0;
}

bool TextRenderer::Draw(Image& image, const std::string& text, int x, int y, int w, int h, Rgb colour, bool crisp) {
    const int size = FitSize({text}, w, h);
    return size > 0 && DrawAtSize(image, text, size, x, y, w, h, colour, crisp);
}

bool TextRenderer::DrawAtSize(Image& image, const std::string& text, int size, int x, int y, int w, int h, Rgb colour,
                              bool crisp) {
    if (!ok_ || text.empty() || w <= 0 || h <= 0) return false;
    TTF_Font* font = FontOfSize(size);
    return font && Blit(image, text, font, x, y, w, h, colour, crisp);
}

bool TextRenderer::Blit(Image& image, const std::string& text, _TTF_Font* font, int x, int y, int w, int h, Rgb colour,
                        bool crisp) {
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!rendered) return false;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return false;
    // Centre the ink: without letters that hang below the baseline, the
    // descender part of the line box stays empty and is left out.
    const bool hangs = text.find_first_of("gjpqy,;()") != std::string::npos;
    const int descent = hangs ? 0 : -TTF_FontDescent(font);
    const int ox = x + (w - argb->w) / 2, oy = y + (h - (argb->h - descent)) / 2;
    SDL_LockSurface(argb);
    for (int j = 0; j < argb->h; ++j) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + j * argb->pitch);
        for (int i = 0; i < argb->w; ++i) {
            const int px = ox + i, py = oy + j;
            if (px < x || py < y || px >= x + w || py >= y + h) continue;
            const int alpha = static_cast<int>(row[i] >> 24);
            if (crisp) {
                if (alpha >= 128) image.Set(px, py, colour);
            } else {
                image.Blend(px, py, colour, alpha);
            }
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return true;
}

}  // namespace standin
