#include "hud/control_panel.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kSheetSlots = 20;
constexpr uint32_t kKeyNone = 0;
constexpr uint32_t kKeyBlack = 0xFF000000;
constexpr uint32_t kKeyRed = 0xFFFF0000;

struct PanelImage {
    const char* file;
    int16_t frameWidth, frameHeight;
    uint32_t colourKey;
};

// Images 0-18 of the bar's sheet.
constexpr PanelImage kPanelImages[] = {
    {"Art\\Controls\\1.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\2.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\3.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\4.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\Shields2.bmp", 64, 64, kKeyRed},
    {"Art\\Controls\\Button1.bmp", 64, 16, kKeyNone},
    {"Art\\Controls\\Button2.bmp", 64, 32, kKeyBlack},
    {"Art\\Menu\\Corner.bmp", 8, 8, kKeyNone},
    {"Art\\Controls\\Armor.bmp", 64, 64, kKeyRed},
    {"Art\\Controls\\7.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\Button5.bmp", 32, 32, kKeyNone},
    {"Art\\Controls\\9.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\Skills2.bmp", 32, 32, kKeyRed},
    {"Art\\Controls\\Meter.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\Choose.bmp", 64, 32, kKeyNone},
    {"Art\\Controls\\10.bmp", 4, 4, kKeyNone},
    {"Art\\Controls\\AddToControls.bmp", 64, 8, kKeyRed},
    {"Art\\Controls\\ExtraArmor.bmp", 4, 64, kKeyRed},
    {"Art\\Controls\\11.bmp", 4, 4, kKeyNone},
};

}  // namespace

ControlPanel::~ControlPanel() { ReleaseArt(); }

int ControlPanel::LoadArt(GraphicsDevice* graphics) {
    ReleaseArt();
    font = std::make_unique<Font>();
    font->Create(graphics, "Arial", 16, 1, 0, 0, 0);
    sheet = std::make_unique<SpriteSheet>();
    if (!sheet->Init(graphics, kSheetSlots)) return 0;
    sheet->SetAlphaTest(1);
    int result = 1;
    for (int i = 0; i < static_cast<int>(sizeof(kPanelImages) / sizeof(kPanelImages[0])); ++i) {
        const PanelImage& image = kPanelImages[i];
        result = sheet->LoadImage(i, image.file, image.frameWidth, image.frameHeight, image.colourKey,
                                  kFormatA1R5G5B5);
    }
    return result;
}

int ControlPanel::ReleaseArt() {
    if (sheet != nullptr) {
        sheet->Release();
        sheet.reset();
    }
    if (font != nullptr) {
        font->End();
        font->Release();
        font.reset();
    }
    return 1;
}
