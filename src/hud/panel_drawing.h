#pragma once
#include <cstdint>

class Font;
class SpriteSheet;

// Small drawing helpers of the control panel and its windows. Each does
// nothing when its sheet or font is missing (art not loaded).

// Frame 0 of an image stretched to a rectangle of the screen.
void StretchImage(SpriteSheet* sheet, int image, float frameWidth, float frameHeight, float x, float y,
                  float width, float height, uint32_t colour);
// One line of text from (x, y), unclipped.
void PanelText(Font* font, const char* text, int x, int y, uint32_t colour);
// Rough width of a line in the panel's font, for sizing message boxes.
int PanelTextWidth(const char* text);
// A framed box of the shared menu sheet: background image stretched over
// (left, top)-(right, bottom) with the frame edges and corners round it.
void FramedBox(SpriteSheet* menu, int background, int left, int top, int right, int bottom);
// The "Exit" button of the panel's windows at (x, y).
void ExitButton(SpriteSheet* menu, Font* font, int x, int y, bool hovered);
