#include "platform/screen_art.h"

#include "platform/font.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr const char* kFace = "Arial";

}  // namespace

int CreateScreenFont(std::unique_ptr<Font>& font, GraphicsDevice* graphics, int height, int bold) {
    if (!font) font = std::make_unique<Font>();
    return font->Create(graphics, kFace, height, bold, 0, 0, 0);
}

int CreateScreenSheet(std::unique_ptr<SpriteSheet>& sheet, GraphicsDevice* graphics, int imageCount) {
    if (!sheet) sheet = std::make_unique<SpriteSheet>();
    if (!sheet->Init(graphics, imageCount)) return 0;
    sheet->SetAlphaTest(1);
    return 1;
}

int LoadScreenImage(SpriteSheet* sheet, const ScreenImage& image) {
    if (!sheet) return 0;
    return sheet->LoadImage(image.slot, image.file, image.frameWidth, image.frameHeight, image.key,
                            kScreenImageFormat);
}

int LoadScreenSheet(std::unique_ptr<SpriteSheet>& sheet, GraphicsDevice* graphics, int imageCount,
                    std::span<const ScreenImage> images) {
    if (!CreateScreenSheet(sheet, graphics, imageCount)) return 0;
    int result = 0;
    for (const ScreenImage& image : images) result = LoadScreenImage(sheet.get(), image);
    return result;
}

void ReleaseFont(std::unique_ptr<Font>& font) {
    if (!font) return;
    font->End();
    font.reset();  // its destructor releases it from the device
}

void ReleaseSheetAndFont(std::unique_ptr<Font>& font, std::unique_ptr<SpriteSheet>& sheet) {
    ReleaseFont(font);
    sheet.reset();  // its destructor releases every image
}
