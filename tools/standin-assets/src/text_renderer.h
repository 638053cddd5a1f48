#pragma once
#include <map>
#include <string>
#include <vector>

#include "image.h"

struct _TTF_Font;

namespace standin {

// Draws strings into stand-in pictures with Liberation Sans (the face the
// game's own text uses), fitted and centred in a box. Needs no display.
class TextRenderer {
public:
    explicit TextRenderer(std::string fontPath);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool Ok() const { return ok_; }
    // Largest size up to the box height that fits; false when nothing fits
    // or the font is missing. Crisp text has no soft edges, so that on a
    // colour-key background it leaves no half-tone fringe.
    bool Draw(Image& image, const std::string& text, int x, int y, int w, int h, Rgb colour, bool crisp);
    // The same at one pixel size, so that a row of glyphs shares a baseline.
    bool DrawAtSize(Image& image, const std::string& text, int size, int x, int y, int w, int h, Rgb colour, bool crisp);
    // Largest size at which every text fits a w x h box; 0 when none does.
    int FitSize(const std::vector<std::string>& texts, int w, int h);

private:
    _TTF_Font* FontOfSize(int pixels);
    bool Fits(const std::string& text, int size, int w, int h);
    bool Blit(Image& image, const std::string& text, _TTF_Font* font, int x, int y, int w, int h, Rgb colour, bool crisp);

    std::string fontPath_;
    bool ok_ = false;
    std::map<int, _TTF_Font*> fonts_;
};

std::string DefaultFontPath();

}  // namespace standin
