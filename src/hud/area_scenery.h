#pragma once
#include <cstdint>

class AreaBackdrop;
class SpriteSheet;

// The shared sheets the ground of an area is drawn from.
struct BackdropSheets {
    SpriteSheet* menu;
    SpriteSheet* space;
    SpriteSheet* dust;
    SpriteSheet* clouds;
};

// Draws the ground of the backdrop's current area as the area scenes do:
// the full-screen wash, the floor, decorations and cloud rows, and the border,
// each by the area's table entry. The home base has floor, decorations and
// border only; an area without an entry draws nothing.
void DrawAreaScenery(AreaBackdrop& backdrop, const BackdropSheets& sheets, uint32_t questSet);

// The full-screen wash: an image of the menu sheet stretched over the screen.
void DrawAreaWash(SpriteSheet* menu, int image, uint32_t colour);
