#pragma once
#include <cstdint>
#include <memory>
#include <span>

#include "platform/graphics_device.h"

class Font;
class SpriteSheet;

// The fonts and sheets the screens own. Every screen asks for "Arial" at its
// own height and loads its images in the 16-bit format with one alpha bit.
inline constexpr uint32_t kScreenImageFormat = kFormatA1R5G5B5;
inline constexpr uint32_t kKeyBlack = 0xFF000000u;
inline constexpr uint32_t kKeyRed = 0xFFFF0000u;
inline constexpr uint32_t kKeyGreen = 0xFF00FF00u;
inline constexpr uint32_t kNoKey = 0;

// One image of a screen's sheet: the slot it goes in, its file, its frame
// size and the colour that turns transparent.
struct ScreenImage {
    int slot;
    const char* file;
    int16_t frameWidth;
    int16_t frameHeight;
    uint32_t key;
};

// Makes the font when it is missing and creates it on the device (again
// after a reset) as "Arial", bold when asked. Returns the creation result.
int CreateScreenFont(std::unique_ptr<Font>& font, GraphicsDevice* graphics, int height, int bold = 0);

// Makes the sheet when it is missing, with room for imageCount images and
// alpha testing on. Returns 1 when the sheet is ready for its images.
int CreateScreenSheet(std::unique_ptr<SpriteSheet>& sheet, GraphicsDevice* graphics, int imageCount);

// One image of a screen's sheet, in the screens' format; 0 without a sheet.
int LoadScreenImage(SpriteSheet* sheet, const ScreenImage& image);

// CreateScreenSheet, then every image of the table in order. Returns the
// result of the last load, or 0 when the sheet cannot be made; a missing
// file leaves only its own slot empty.
int LoadScreenSheet(std::unique_ptr<SpriteSheet>& sheet, GraphicsDevice* graphics, int imageCount,
                    std::span<const ScreenImage> images);

// Ends the font's text batch and deletes it, releasing it from the device.
// An empty pointer is skipped, so a second call does nothing.
void ReleaseFont(std::unique_ptr<Font>& font);

// The release shared by the screens: the font as ReleaseFont, then the
// sheet with its images. Both pointers end empty; a second call does nothing.
void ReleaseSheetAndFont(std::unique_ptr<Font>& font, std::unique_ptr<SpriteSheet>& sheet);
