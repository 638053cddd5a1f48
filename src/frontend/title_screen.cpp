#include "frontend/title_screen.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kSheetImages = 16;
constexpr uint32_t kKeyBlack = 0xFF000000;
constexpr uint32_t kKeyRed = 0xFFFF0000;
constexpr uint32_t kNoKey = 0;

constexpr int kPlayImage = 0, kCornerImage = 1, kSideImage = 2, kEdgeImage = 3, kLetterImage = 5, kPicture = 15;

struct SheetImage {
    int image;
    const char* file;
    int16_t frameWidth, frameHeight;
    uint32_t key;
};
constexpr SheetImage kImages[] = {
    {kPlayImage, "Art\\Menu\\Play.bmp", 128, 64, kKeyBlack},
    {kCornerImage, "Art\\Menu\\Corners.bmp", 32, 32, kKeyRed},
    {kSideImage, "Art\\Menu\\Border1.bmp", 8, 32, kKeyRed},
    {kEdgeImage, "Art\\Menu\\Border2.bmp", 32, 8, kKeyRed},
    {kLetterImage, "Art\\Menu\\Vexmoor.bmp", 32, 32, kKeyBlack},
    {kPicture, "Art\\Space\\512\\1.PNG", 512, 512, kNoKey},
};

struct Area {
    int32_t x, y, width, height;
};
constexpr Area kPlayArea{140, 320, 128, 64};
constexpr Area kLabelArea{310, 336, 70, 45};

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kPlayColours[3] = {0xCDFFFFFF, 0xCDFFFF00, 0xCDFFC832};
constexpr float kPlayX = 140, kPlayY = 320;

// The frame round the window: edges every 30 pixels, a corner in each corner.
constexpr float kFirstEdge = 15, kLastEdge = 375, kFirstSide = 10, kLastSide = 370, kEdgeStep = 30;
constexpr float kTopEdgeY = -1, kBottomEdgeY = 393, kLeftSideX = -1, kRightSideX = 393;
constexpr float kCornerFar = 368;

constexpr float kLetterX = 100, kLetterStep = 32, kLetterY = 30;
constexpr float kLetterFull = 1.1f, kLetterGrowth = 0.04f, kNextLetterAfter = 0.4f;
constexpr uint32_t kZoomTickMs = 20;
constexpr uint32_t kFadeTickMs = 50;
constexpr uint8_t kFadeStep = 5;

constexpr uint32_t kTextColour = 0xFFF5F5F5;
constexpr uint32_t kLitLabelColour = 0xFFF52D2D;
constexpr uint32_t kCreditColour = 0xFFF52D2D;

struct TextBox {
    const char* text;
    int x, y, width, height;
};
constexpr TextBox kVersion{"1.11", 30, 346, 100, 40};
constexpr TextBox kCreditsLabel{"Credits", 320, 346, 100, 100};
constexpr TextBox kBackLabel{"Back", 320, 346, 100, 100};
constexpr TextBox kCreditLines[] = {
    {"Space pictures and title art:", 30, 140, 400, 100},
    {"drawn for this release", 30, 160, 400, 100},
    {"Programming and other Art:", 30, 180, 400, 100},
    {"Music:", 30, 200, 400, 100},
    {"Sounds: ", 30, 220, 400, 100},
    {"the development team", 230, 180, 400, 100},
    {"the development team", 190, 200, 400, 100},
    {"interface effects", 190, 220, 400, 100},
    {"ship and weapon effects", 190, 240, 300, 100},
    {"ambient loops", 190, 260, 400, 100},
};

bool Inside(const Area& area, int32_t x, int32_t y) {
    return PointInRect(area.x, area.y, area.width, area.height, x, y) != 0;
}

// The first call of a tick notes the time; the call that finds more than
// the tick's length gone runs the tick and starts the next.
bool TickDue(uint8_t& state, uint32_t& start, uint32_t lengthMs) {
    const uint32_t now = NowMs();
    if (state == 1) {
        start = now;
        state = 2;
    }
    if (now - start <= lengthMs) return false;
    state = 1;
    return true;
}

void DrawBox(Font& font, const TextBox& box, uint32_t colour) {
    font.DrawText(box.text, box.x, box.y, box.width, box.height, colour, 0);
}

}  // namespace

TitleScreen::TitleScreen() = default;
TitleScreen::~TitleScreen() { FreeArt(); }

void TitleScreen::LoadArt(GraphicsDevice* graphics) {
    FreeArt();
    sheet = std::make_unique<SpriteSheet>();
    sheet->Init(graphics, kSheetImages);
    sheet->SetAlphaTest(1);
    for (const SheetImage& i : kImages) {
        sheet->LoadImage(i.image, i.file, i.frameWidth, i.frameHeight, i.key, kFormatA1R5G5B5);
    }
    font = std::make_unique<Font>();
    font->Create(graphics, "Arial", 14, 1, 0, 0, 0);
}

void TitleScreen::FreeArt() {
    if (sheet) sheet->Release();
    sheet.reset();
    if (font) font->Release();
    font.reset();
}

void TitleScreen::HitTest(int32_t x, int32_t y) {
    if (Inside(kPlayArea, x, y)) {
        hover = kHoverPlay;
        if (!pressed) playState = 1;
    } else if (!pressed) {
        playState = 0;
    }
    if (Inside(kLabelArea, x, y)) {
        hover = page == kMainPage ? kHoverCredits : kHoverBack;
        if (!pressed) labelState = 1;
    } else if (!pressed) {
        labelState = 0;
    }
    hoverForSound = hover;
}

int TitleScreen::OnClick(InputDevice* mouse) {
    if (!mouse || (!mouse->ButtonPressed(0) && !mouse->ButtonPressed(1))) return 0;
    chosen = hover;
    if (chosen == kHoverPlay) playState = 2;
    if (buttonsUp && chosen == kHoverCredits) {
        panelOpened = 1;
        page = kPanelPage;
        buttonsUp = 0;
    } else if (buttonsUp && chosen == kHoverBack && page == kPanelPage) {
        panelOpened = 0;
        page = kMainPage;
        buttonsUp = 0;
    }
    return 1;
}

void TitleScreen::AnimateZoom() {
    if (!TickDue(zoomTickState, zoomTickStart, kZoomTickMs)) return;
    for (int k = 0; k < kLetters; ++k) {
        if (k > 0 && letterScale[k - 1] <= kNextLetterAfter) break;
        letterScale[k] = std::min(letterScale[k] + kLetterGrowth, kLetterFull);
    }
}

void TitleScreen::AnimateFrames() {
    if (!TickDue(fadeTickState, fadeTickStart, kFadeTickMs)) return;
    if (fade < 255) fade = static_cast<uint8_t>(std::min(255, fade + kFadeStep));
}

void TitleScreen::DrawFrame() {
    for (float x = kFirstEdge; x <= kLastEdge; x += kEdgeStep) {
        sheet->Draw(kEdgeImage, 0, x, kTopEdgeY, kWhite, 1.0f, 1.0f, 0, 0.0f);
        sheet->Draw(kEdgeImage, 1, x, kBottomEdgeY, kWhite, 1.0f, 1.0f, 0, 0.0f);
    }
    for (float y = kFirstSide; y <= kLastSide; y += kEdgeStep) {
        sheet->Draw(kSideImage, 0, kLeftSideX, y, kWhite, 1.0f, 1.0f, 0, 0.0f);
        sheet->Draw(kSideImage, 1, kRightSideX, y, kWhite, 1.0f, 1.0f, 0, 0.0f);
    }
    const float corners[4][2] = {{0, 0}, {kCornerFar, 0}, {0, kCornerFar}, {kCornerFar, kCornerFar}};
    for (int k = 0; k < 4; ++k) sheet->Draw(kCornerImage, k, corners[k][0], corners[k][1], kWhite, 1.0f, 1.0f, 0, 0.0f);
}

void TitleScreen::DrawLabelAndPanel() {
    if (!font) return;
    font->Begin();
    const uint32_t labelColour = labelState == 1 ? kLitLabelColour : kTextColour;
    DrawBox(*font, page == kMainPage ? kCreditsLabel : kBackLabel, labelColour);
    if (panelOpened) {
        for (const TextBox& line : kCreditLines) DrawBox(*font, line, kCreditColour);
    }
    font->End();
}

void TitleScreen::Draw() {
    if (sheet) {
        const uint32_t tint = 0xFFFF0000u | static_cast<uint32_t>(fade) << 8 | fade;
        sheet->Draw(kPicture, 0, 0, 0, tint, 1.0f, 1.0f, 0, 0.0f);
    }
    // The version lies under Play and the frame; the label and panel over them.
    if (font) {
        font->Begin();
        DrawBox(*font, kVersion, kTextColour);
        font->End();
    }
    if (sheet) {
        sheet->Draw(kPlayImage, 0, kPlayX, kPlayY, kPlayColours[std::min<uint8_t>(playState, 2)], 1.0f, 1.0f, 0,
                    0.0f);
        DrawFrame();
        for (int k = 0; k < kLetters; ++k) {
            const float scale = letterScale[k];
            sheet->Draw(kLetterImage, k, kLetterX + kLetterStep * k, kLetterY, kWhite, scale, scale, 0, 0.0f);
        }
    }
    DrawLabelAndPanel();
}
