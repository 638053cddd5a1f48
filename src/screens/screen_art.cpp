#include "screens/screen_art.h"

#include "platform/font.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr const char* kFace = "Arial";

}  // namespace

int CreateScreenFont(Font*& font, GraphicsDevice* graphics, int height) {
    if (font == nullptr) font = new Font();
    return font->Create(graphics, kFace, height, 0, 0, 0, 0);
}

int CreateScreenSheet(SpriteSheet*& sheet, GraphicsDevice* graphics, int imageCount) {
    if (sheet == nullptr) sheet = new SpriteSheet();
    if (!sheet->Init(graphics, imageCount)) return 0;
    sheet->SetAlphaTest(1);
    return 1;
}

int LoadScreenImage(SpriteSheet* sheet, int image, const char* file, int frameWidth, int frameHeight,
                    uint32_t colourKey) {
    if (sheet == nullptr) return 0;
    return sheet->LoadImage(image, file, static_cast<int16_t>(frameWidth), static_cast<int16_t>(frameHeight),
                            colourKey, kScreenImageFormat);
}

void ReleaseSheetAndFont(Font*& font, SpriteSheet*& sheet) {
    if (font != nullptr) {
        font->End();
        font->Release();
        delete font;
        font = nullptr;
    }
    if (sheet != nullptr) {
        sheet->Release();
        delete sheet;
        sheet = nullptr;
    }
}
