#include "frontend/menu_backdrop.h"
#include "frontend/menu_backdrop_bar.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// Sheet images by use.
constexpr int kFireImage = 0, kBarImage = 1, kStarImage = 2, kWordsImage = 3, kLetterImage = 5, kFlameImage = 16,
              kShipImage = 20, kBarStarImage = 21, kParticleImage = 22, kHardShieldImage = 23, kMenuLeft = 24,
              kMenuRight = 25, kStoryLeft = 26, kStoryRight = 27, kHelpLeft = 28, kHelpRight = 29;

struct Background {
    int left, right;
    float rightX;
    float scaleX, scaleY;
    uint32_t colour;
};
constexpr Background kMenuBackground{kMenuLeft, kMenuRight, 512, 1.0f, 1.172f, kWhite};
constexpr Background kStoryBackground{kStoryLeft, kStoryRight, 640, 1.25f, 1.172f, kWhite};
constexpr Background kHelpBackground{kHelpLeft, kHelpRight, 532, 1.04f, 1.172f, 0xC39BFF9B};
constexpr float kBarY = 536, kBarScaleX = 1.5625f;
constexpr uint32_t kBarColour = 0x82FFFF00;

struct RockScale {
    float x, y;
};
constexpr RockScale kRockScales[MenuBackdrop::kRocks] = {{1.0f, 1.0f}, {0.9f, 1.0f},  {0.7f, 0.8f}, {0.9f, 0.6f},
                                                         {1.1f, 1.0f}, {0.8f, 0.87f}, {0.7f, 0.9f}, {0.9f, 1.1f},
                                                         {0.5f, 0.5f}, {0.7f, 0.7f}};
constexpr int kRockImage = 2;

// The title group over the top right of the screen.
struct Fire {
    float x, y;
    int frameOf;  // which of the fire frames it shows
    uint32_t colour;
    float scaleX, scaleY;
};
constexpr Fire kTitleFires[] = {
    {607, 96, 5, 0xD23737FA, 2.8f, 1.2f}, {657, 96, 5, 0xD23737FA, 2.8f, 1.2f},
    {552, 61, 0, 0x64FF0000, 1.2f, 2.5f}, {762, 61, 0, 0x64FF0000, 1.2f, 2.5f},
    {582, 101, 3, 0x85FFFF00, 1.2f, 1.5f}, {612, 101, 3, 0x85FFFF00, 1.2f, 1.5f},
    {642, 101, 3, 0x85FFFF00, 1.2f, 1.5f}, {672, 101, 3, 0x85FFFF00, 1.2f, 1.5f},
    {702, 101, 3, 0x85FFFF00, 1.2f, 1.5f}, {732, 101, 3, 0x85FFFF00, 1.2f, 1.5f},
};
struct Sparkle {
    float x, y;
    uint32_t colour;
    float scale;
    int centre;
};
constexpr Sparkle kTitleSparkles[] = {
    {568, 31, 0x64FFFF00, 0.8f, 13}, {755, 31, 0x64FFFF00, 0.8f, 13}, {608, 14, 0x64FF9B32, 1.0f, 16},
    {712, 14, 0x64FF9B32, 1.0f, 16}, {658, 0, 0x64FA0A0A, 1.11f, 18},
};
constexpr float kLetterX = 580, kLetterStep = 32, kLetterY = 71;
// The second star of a sparkle is turned by an eighth of a turn.
constexpr float kSparkleOffset = 0.785f;

constexpr float kLabelScale = 0.8f;
constexpr uint32_t kLabelColours[3] = {0xF0000000, 0xE6FFFF00, 0xE6FF0000};
constexpr uint32_t kBarSparkleColour = 0x8CFFFFFF;
constexpr float kBarSparkleScale = 2.0f;
constexpr int kBarSparkleCentre = 32;

constexpr float kFlameScale = 0.72f;
constexpr int kShipCentre = 32, kParticleCentre = 64;
constexpr float kParticleShift = 32, kHardShift = 6, kHardScale = 1.2f;
constexpr uint32_t kHardColour = 0x6BFFFFFF;

}  // namespace

void MenuBackdrop::Draw(SpriteSheet* clouds, int mode) {
    DrawBackground(mode);
    DrawCloudRows(clouds, rowY);
    DrawRocks(clouds);
    if (mode != kMainMenu || !sheet) return;
    DrawTitle();
    DrawBar();
}

void MenuBackdrop::DrawBackground(int mode) {
    if (!sheet) return;
    const Background& b = mode == kStory ? kStoryBackground : mode == kHelp ? kHelpBackground : kMenuBackground;
    sheet->Draw(b.left, 0, 0, 0, b.colour, b.scaleX, b.scaleY, 0, 0.0f);
    sheet->Draw(b.right, 0, b.rightX, 0, b.colour, b.scaleX, b.scaleY, 0, 0.0f);
    if (mode == kMainMenu) sheet->Draw(kBarImage, 0, 0, kBarY, kBarColour, kBarScaleX, 1.0f, 0, 0.0f);
}

void MenuBackdrop::DrawRocks(SpriteSheet* clouds) {
    if (!clouds) return;
    for (int r = 0; r < kRocks; ++r) {
        clouds->Draw(kRockImage, static_cast<int>(rockFrame), static_cast<float>(rockX[r]),
                     static_cast<float>(rockY[r]), kWhite, kRockScales[r].x, kRockScales[r].y, 0, 0.0f);
    }
}

void MenuBackdrop::DrawSparklePair(int image, float x, float y, uint32_t colour, float scale, int centre) {
    sheet->Draw(image, 0, x, y, colour, scale, scale, centre, spin);
    sheet->Draw(image, 0, x, y, colour, scale, scale, centre, spin + kSparkleOffset);
}

void MenuBackdrop::DrawTitle() {
    for (const Fire& f : kTitleFires) {
        sheet->Draw(kFireImage, fireFrame[f.frameOf], f.x, f.y, f.colour, f.scaleX, f.scaleY, 0, 0.0f);
    }
    for (const Sparkle& s : kTitleSparkles) DrawSparklePair(kStarImage, s.x, s.y, s.colour, s.scale, s.centre);
    for (int k = 0; k < kLetters; ++k) {
        const uint32_t s = letterShade[k];
        const uint32_t colour = 0xFF000000u | s << 16 | s << 8 | s;
        sheet->Draw(kLetterImage, k, kLetterX + kLetterStep * k, kLetterY, colour, 1.0f, 1.0f, 0, 0.0f);
    }
}

void MenuBackdrop::DrawBar() {
    for (const menu_bar::Button& b : menu_bar::kButtons) {
        const uint8_t state = buttonState[b.stateIndex] <= 2 ? buttonState[b.stateIndex] : 0;
        for (const menu_bar::Label& label : b.labels) {
            if (label.frame < 0) continue;
            sheet->Draw(kWordsImage, label.frame, label.x, label.y, kLabelColours[state], kLabelScale, kLabelScale, 0,
                        0.0f);
        }
        if (state == 1) {
            DrawSparklePair(kBarStarImage, b.sparkleX, menu_bar::kSparkleY, kBarSparkleColour, kBarSparkleScale,
                            kBarSparkleCentre);
        }
    }
}

void MenuBackdrop::DrawShip() {
    if (!sheet) return;
    const float x = static_cast<float>(shipX), y = static_cast<float>(shipY);
    sheet->Draw(kShipImage, shipFrame, x, y, kWhite, 1.0f, 1.0f, kShipCentre, shipAngle);
    sheet->Draw(kFlameImage + static_cast<int>(flameImage), 0, x + static_cast<float>(flameDX),
                y + static_cast<float>(flameDY), kWhite, kFlameScale, kFlameScale, 0, shipAngle);
    sheet->Draw(kParticleImage, static_cast<int>(shieldFrame), x - kParticleShift, y - kParticleShift, kWhite,
                1.0f, 1.0f, kParticleCentre, shieldAngle);
    sheet->Draw(kHardShieldImage, 0, x - kHardShift, y - kHardShift, kHardColour, kHardScale, kHardScale, 0, 0.0f);
}
