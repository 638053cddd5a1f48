#pragma once
#include <cstdint>
#include <vector>

class GameApp;

// One frame of a letter image, where the banner draws it.
struct BannerGlyph {
    int image;
    int frame;
    int32_t x;
};

// The second region's arrival title of an area in drawing order: "Entering"
// (not in area 2), then the area's own glyphs, each capital as its left and
// right half.
std::vector<BannerGlyph> InvasionsTitleGlyphs(int32_t area);
// The margins of the squares that close in on the ship at an arrival stage.
std::vector<int32_t> ArrivalSquareMargins(uint8_t stage);
// The title and, unless an emergency escape runs, the squares, while the
// panel's arrival stage is not 0.
void DrawInvasionsArrival(GameApp& app);
