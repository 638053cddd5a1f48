#pragma once
#include <cstdint>
#include <span>

class GameApp;

// One fixed piece of a structure: a menu-sheet image at a world position.
struct StructurePiece {
    int8_t image;
    int32_t x, y;
    float scaleX, scaleY;
};

// Pieces drawn at their world position minus the view, never culled.
void DrawStructurePieces(GameApp& app, std::span<const StructurePiece> pieces, uint32_t colour);
// The colony's pipes and pillars, each in its own colour, and the outpost's
// walls (both regions have one).
void DrawColony(GameApp& app, uint32_t pipeColour, uint32_t pillarColour);
void DrawOutpost(GameApp& app, uint32_t colour);

// Where on screen a bar may begin and still be drawn: past the two minimums,
// before x 800 and y 600 (all strict).
struct BarWindow {
    int32_t xMin, yMin;
};
bool BarOnScreen(const BarWindow& window, int32_t x, int32_t y);
// A horizontal bar is 337 by 16 pixels and a vertical one 16 by 169: each
// is drawn while some of it may show.
inline constexpr BarWindow kHorizontalBarWindow = {-337, -32};
inline constexpr BarWindow kVerticalBarWindow = {-32, -169};

// The bars the fortified areas' wave scripts place in the engine's tables,
// horizontal then vertical, each drawn only inside its window.
void DrawBars(GameApp& app, uint32_t colour, const BarWindow& horizontal, const BarWindow& vertical);
