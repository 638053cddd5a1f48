#pragma once
#include <cstdint>

class Font;
class GraphicsDevice;
class SpriteSheet;

// The fonts and sheets the management screens own. Every screen asks for
// "Arial", not bold, at its own height, and loads its images in the 16-bit
// format with one alpha bit.
inline constexpr uint32_t kScreenImageFormat = 25;  // A1R5G5B5
inline constexpr uint32_t kKeyBlack = 0xFF000000u;
inline constexpr uint32_t kKeyRed = 0xFFFF0000u;
inline constexpr uint32_t kNoKey = 0;

// Makes the font when it is missing and creates it on the device (again
// after a reset). Returns the creation result.
int CreateScreenFont(Font*& font, GraphicsDevice* graphics, int height);

// Makes the sheet when it is missing, with room for imageCount images and
// alpha testing on. Returns 1 when the sheet is ready for its images.
int CreateScreenSheet(SpriteSheet*& sheet, GraphicsDevice* graphics, int imageCount);

// One image of a screen's sheet, in the screens' format.
int LoadScreenImage(SpriteSheet* sheet, int image, const char* file, int frameWidth, int frameHeight,
                    uint32_t colourKey);

// The release shared by the screens: ends the font's text batch, releases
// and deletes the font, then releases and deletes the sheet, clearing both
// pointers. A null pointer is skipped, so a second call does nothing.
void ReleaseSheetAndFont(Font*& font, SpriteSheet*& sheet);
