#include "frontend/credits_screen.h"

#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kTitleColour = 0xFFCE6700;
constexpr uint32_t kSourceColour = 0xFFF52D2D;

constexpr int kFontHeight = 20;
constexpr int kSheetImages = 2;
constexpr int kBackgroundImage = 0, kBackImage = 1;
constexpr ScreenImage kImages[] = {
    {kBackgroundImage, "Art\\Menu\\Back15Back.bmp", 256, 256, kNoKey},
    {kBackImage, "Art\\Menu\\ButtonBack.bmp", 64, 32, kNoKey},
};
constexpr float kBackgroundScaleX = 3.125f, kBackgroundScaleY = 2.34375f;
constexpr int32_t kBackX = 700, kBackY = 10, kBackWidth = 64, kBackHeight = 32;

bool MousePressed(InputDevice* mouse) { return mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)); }

}  // namespace

// What this build is made with: its own code, the stand-ins that
// tools/standin-assets draws and plays, and the libraries it runs on.
const CreditLine CreditsScreen::kCreditLines[kLines] = {
    {"Programming /some Art:", 180, 200, 240, 30, kTitleColour},
    {"the rebuild's own code", 400, 200, 220, 30, kTitleColour},
    {"Stand-in art: tools/standin-assets", 180, 390, 400, 100, kSourceColour},
    {"read with libpng, libjpeg and zlib", 180, 410, 400, 100, kSourceColour},
    {"Music by:", 180, 230, 200, 30, kTitleColour},
    {"stand-in MIDI bars", 400, 230, 200, 30, kTitleColour},
    {"TimGM6mb soundfont", 400, 260, 300, 30, kTitleColour},
    {"Sound effects by:", 180, 300, 200, 30, kTitleColour},
    {"tools/standin-assets", 400, 300, 220, 30, kTitleColour},
    {"SDL2, SDL2_mixer, SDL2_ttf", 400, 330, 300, 100, kTitleColour},
    {"Font: Liberation Sans", 400, 360, 300, 100, kTitleColour},
};

CreditsScreen::CreditsScreen() = default;

CreditsScreen::~CreditsScreen() { FreeArt(); }

void CreditsScreen::LoadArt(GraphicsDevice* graphics) {
    FreeArt();
    LoadScreenSheet(sheet, graphics, kSheetImages, kImages);
    CreateScreenFont(font, graphics, kFontHeight);
    font->Begin();
}

void CreditsScreen::FreeArt() { ReleaseSheetAndFont(font, sheet); }

void CreditsScreen::DrawBackground() {
    if (sheet) {
        sheet->Draw(kBackgroundImage, 0, 0, 0, 0xFFFFFFFF, kBackgroundScaleX, kBackgroundScaleY, 0, 0.0f);
    }
}

void CreditsScreen::DrawBack() {
    if (sheet) sheet->Draw(kBackImage, backFrame, kBackX, kBackY, 0xFFFFFFFF, 1.0f, 1.0f, 0, 0.0f);
}

void CreditsScreen::DrawText() {
    if (!font) return;
    for (const CreditLine& l : kCreditLines) font->DrawText(l.text, l.x, l.y, l.width, l.height, l.colour, DT_LEFT);
}

void CreditsScreen::HitTest(int32_t x, int32_t y) {
    if (PointInRect(kBackX, kBackY, kBackWidth, kBackHeight, x, y)) {
        backHover = 1;
        if (!backHeld) backFrame = 1;
    } else if (!backHeld) {
        backFrame = 0;
    }
    hoverForSound = backHover;
}

int CreditsScreen::OnClick(int32_t x, int32_t y, InputDevice* mouse) {
    if (!PointInRect(kBackX, kBackY, kBackWidth, kBackHeight, x, y) || !MousePressed(mouse)) return 0;
    backClicked = 1;
    backFrame = 2;
    backHeld = 1;
    return 1;
}

int CreditsScreen::SettleBack(InputDevice* mouse) {
    if (!backClicked) return 0;
    if (backHover && !MouseButtonsReleased(mouse)) return 0;
    backHeld = 0;
    backClicked = 0;
    return 1;
}
