// The advisor's hint after the first quest: "Press F1 to return" / "to Your
// Base.", bobbing over the battle view until another area loads. The advisor
// figure itself is not built yet; the hint shows as its framed text.
#include "areas/region_frame_steps.h"
#include "platform/font.h"
#include "platform/options_file.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"

namespace {
constexpr int32_t kBubbleX = 40;
constexpr int32_t kBubbleTop = 360;
constexpr int32_t kBubbleBottom = 460;
constexpr int32_t kBubbleWidth = 190;
constexpr int32_t kBubbleHeight = 48;
constexpr int kBubbleBackImage = 14;
constexpr uint32_t kBubbleColour = 0xDCFFFFFFu;
constexpr uint32_t kTextColour = 0xFF323232u;

bool AdvisorOn(const GameApp& app) { return app.optionsFile == nullptr || app.optionsFile->advisorOn != 0; }

void Bob(GameApp& app, uint8_t stepDown, uint8_t stepUp) {
    if (app.hintBubbleRising) {
        app.hintBubbleY -= stepUp;
        if (app.hintBubbleY <= kBubbleTop) app.hintBubbleRising = 0;
    } else {
        app.hintBubbleY += stepDown;
        if (app.hintBubbleY >= kBubbleBottom) app.hintBubbleRising = 1;
    }
}
}  // namespace

void GameApp::ShowReturnHint() {
    if (!returnHint || !AdvisorOn(*this)) return;
    Bob(*this, StepOf(*this, kStepS50), StepOf(*this, kStepS30));
    if (sharedArt && sharedArt->menuSheet) {
        sharedArt->menuSheet->Draw(kBubbleBackImage, 0, static_cast<float>(kBubbleX - 10),
                                   static_cast<float>(hintBubbleY - 6), kBubbleColour, 1.6f, 1.0f, 0, 0.0f);
    }
    if (!sharedFont) return;
    sharedFont->DrawText("Press F1 to return", kBubbleX, hintBubbleY, kBubbleWidth, kBubbleHeight / 2, kTextColour, 0);
    sharedFont->DrawText("to Your Base.", kBubbleX, hintBubbleY + kBubbleHeight / 2, kBubbleWidth, kBubbleHeight / 2,
                         kTextColour, 0);
}
