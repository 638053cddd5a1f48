#include "frontend/galaxy_animation.h"

#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr ScreenImage kImages[GalaxyAnimation::kImageCount] = {
    {0, "Art\\Menu2\\galaxy1.bmp", 64, 16, kKeyBlack},  {1, "Art\\Menu2\\galaxy2.bmp", 32, 128, kKeyRed},
    {2, "Art\\Menu2\\Star1.bmp", 32, 32, kKeyBlack},    {3, "Art\\Menu2\\Star2.bmp", 32, 32, kKeyBlack},
    {4, "Art\\Menu2\\Star3.bmp", 64, 64, kKeyBlack},    {5, "Art\\Menu2\\galaxy3.bmp", 64, 64, kKeyBlack},
    {6, "Art\\Menu2\\Star11.bmp", 32, 32, kKeyBlack},   {7, "Art\\Menu2\\Star12.bmp", 32, 32, kKeyBlack},
    {8, "Art\\Menu2\\galaxy4.bmp", 64, 64, kKeyBlack},  {9, "Art\\Menu2\\galaxy5.bmp", 64, 64, kKeyBlack},
    {10, "Art\\Menu2\\galaxy6.bmp", 64, 64, kKeyBlack}, {11, "Art\\Menu2\\galaxy.PNG", 512, 256, kKeyBlack},
    {12, "Art\\Menu2\\End.bmp", 256, 32, kKeyBlack},
};
constexpr int kGalaxyImage = 11, kWordImage = 12;

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kFaint = 0xBEFFFFFFu;

// A sprite's drift per frame in multiples of the two steps (a 13 px/s, b 20 px/s).
struct Sprite {
    int32_t startX, startY;
    int8_t xa, xb, ya, yb;
    uint32_t colour;
    float scaleX, scaleY;
};
constexpr Sprite kSpriteRows[GalaxyAnimation::kSprites] = {
    {500, 200, 1, 0, 0, 0, kFaint, 1.6f, 1.6f},   {200, 140, -1, 0, 0, 0, kFaint, 1.6f, 1.6f},
    {250, 300, 0, -1, 1, 0, kWhite, 1.4f, 1.4f},  {300, 450, 0, -1, 0, 1, kWhite, 1.4f, 1.4f},
    {420, 360, 0, 1, 0, 1, kWhite, 1.4f, 1.4f},   {5, 300, -1, 0, 0, 0, kFaint, 1.6f, 1.6f},
    {700, 300, 1, 0, 0, 0, kWhite, 1.4f, 1.4f},   {330, 110, 0, 0, -1, 0, kWhite, 1.4f, 1.4f},
    {550, 450, 1, 0, 0, 1, kFaint, 1.6f, 1.6f},   {450, 90, 1, 0, 0, -1, kFaint, 1.2f, 1.6f},
    {120, 410, -1, 0, 0, 1, kFaint, 1.5f, 1.3f},
};
// The faint sprites lie under the bright ones.
constexpr int kDrawOrder[GalaxyAnimation::kSprites] = {0, 1, 5, 8, 9, 10, 2, 3, 4, 6, 7};

constexpr uint32_t kGalaxyColour = 0xB4FFFFFFu;
constexpr float kWordX = 300.0f, kWordY = 70.0f, kWordScale = 1.3f;
constexpr uint32_t kWordColour = 0xC8FFFFFFu;

// The background: mosaics of four frames per row at these columns.
constexpr float kMosaicX[4] = {-50.0f, 206.0f, 462.0f, 718.0f};
constexpr uint32_t kDustColour = 0x50FFFFFFu;
struct DustRow {
    int image;
    float y;
};
constexpr DustRow kDustRows[3] = {{8, -50.0f}, {10, 206.0f}, {13, 462.0f}};
constexpr uint32_t kCloudColour = 0x469B9B9Bu;
constexpr int kCloudImages[GalaxyAnimation::kCloudRows] = {0, 1, 0, 1};

struct Piece {
    int image, frame;
    float x, y, scale;
};
constexpr Piece kSpacePieces[] = {
    {6, 0, 90, 96, 0.3f},    {6, 2, 40, 350, 0.5f},  {6, 3, 290, 150, 0.6f}, {6, 0, 500, 196, 0.3f},
    {6, 0, 380, 396, 0.3f},  {6, 3, 290, 570, 0.6f}, {6, 3, 150, 550, 0.4f}, {5, 2, 0, 0, 1.0f},
    {3, 1, 256, 0, 1.0f},    {3, 2, 512, 0, 1.0f},   {3, 3, 768, 0, 1.0f},   {5, 0, 0, 256, 1.0f},
    {5, 1, 256, 256, 1.0f},  {5, 2, 512, 256, 1.0f}, {5, 3, 768, 256, 1.0f}, {3, 2, 0, 0, 1.0f},
    {3, 1, 256, 482, 1.0f},  {3, 1, 512, 512, 1.0f}, {3, 1, 768, 472, 1.0f},
};

void DrawMosaicRow(SpriteSheet* sheet, int image, float y, uint32_t colour) {
    for (int frame = 0; frame < 4; ++frame) sheet->Draw(image, frame, kMosaicX[frame], y, colour, 1.0f, 1.0f, 0, 0.0f);
}

}  // namespace

GalaxyAnimation::GalaxyAnimation() {
    for (int i = 0; i < kSprites; ++i) {
        objX[i] = kSpriteRows[i].startX;
        objY[i] = kSpriteRows[i].startY;
    }
}

GalaxyAnimation::~GalaxyAnimation() { FreeSheet(); }

void GalaxyAnimation::LoadArt(GraphicsDevice* graphics) {
    FreeSheet();
    LoadScreenSheet(sheet, graphics, kImageCount, kImages);
}

void GalaxyAnimation::FreeSheet() { sheet.reset(); }

void GalaxyAnimation::DrawBackground(SpriteSheet* spaceSheet, SpriteSheet* dustSheet, SpriteSheet* cloudSheet) {
    if (dustSheet) {
        for (const DustRow& row : kDustRows) DrawMosaicRow(dustSheet, row.image, row.y, kDustColour);
    }
    if (spaceSheet) {
        for (const Piece& p : kSpacePieces) {
            spaceSheet->Draw(p.image, p.frame, p.x, p.y, kWhite, p.scale, p.scale, 0, 0.0f);
        }
    }
    if (cloudSheet) {
        for (int row = 0; row < kCloudRows; ++row) {
            DrawMosaicRow(cloudSheet, kCloudImages[row], static_cast<float>(cloudRowY[row]), kCloudColour);
        }
    }
}

void GalaxyAnimation::Scroll(uint8_t a, uint8_t b) {
    for (int i = 0; i < kSprites; ++i) {
        const Sprite& s = kSpriteRows[i];
        objX[i] += s.xa * a + s.xb * b;
        objY[i] += s.ya * a + s.yb * b;
    }
}

void GalaxyAnimation::Step9(uint32_t /*secondsInScene*/) {
    const uint32_t now = NowMs();
    if (zoomState == 1) {
        zoomStartMs = now;
        zoomState = 2;
    } else if (zoomState == 2 && now - zoomStartMs > zoomIntervalMs) {
        if (galaxyY > kGalaxyTopStop) --galaxyY;
        --galaxyX;
        galaxyScaleX += kZoomStep;
        galaxyScaleY += kZoomStep;
        zoomState = 1;
    }
}

void GalaxyAnimation::Draw() {
    if (!sheet) return;
    for (int i : kDrawOrder) {
        const Sprite& s = kSpriteRows[i];
        sheet->Draw(i, 0, static_cast<float>(objX[i]), static_cast<float>(objY[i]), s.colour, s.scaleX, s.scaleY, 0,
                    0.0f);
    }
    sheet->Draw(kGalaxyImage, 0, static_cast<float>(galaxyX), static_cast<float>(galaxyY), kGalaxyColour, galaxyScaleX,
                galaxyScaleY, 0, 0.0f);
    sheet->Draw(kWordImage, 0, kWordX, kWordY, kWordColour, kWordScale, kWordScale, 0, 0.0f);
}

void GalaxyAnimation::BeginVisit() {
    clickArmed = 0;
    skipRequested = 0;
    finished = 0;
}

void GalaxyAnimation::CheckSkip(InputDevice* keyboard, InputDevice* mouse, uint32_t secondsInScene) {
    if (keyboard) {
        for (uint8_t code : {key::kReturn, key::kEscape, key::kBack}) {
            if (!keyboard->KeyPressed(code)) continue;
            keyboard->SetLatch(code, 1);
            skipRequested = 1;
        }
    }
    if (!mouse) return;
    if (clickArmed && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1))) {
        skipRequested = 1;
        mouse->SetLatch(0, 1);
        mouse->SetLatch(1, 1);
    }
    if (secondsInScene > kClickArmAfterSecond && !mouse->ButtonPressed(0) && !mouse->ButtonPressed(1)) clickArmed = 1;
}

void GalaxyAnimation::CheckTime(uint32_t secondsInScene) {
    if (secondsInScene > kLastSecond) finished = 1;
}
