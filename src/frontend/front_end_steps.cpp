#include "frontend/front_end_steps.h"

#include "frontend/menu_backdrop.h"
#include "hud/advisor_bubble.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"

namespace front_end {
namespace {
constexpr uint32_t kArrowColour = 0xFFFFFFFF;
constexpr float kArrowScale = 0.9f;
constexpr uint8_t kBubbleStyle = 1;
}  // namespace

void PlaceAdvisor(GameApp& app, const AdvisorPlace& place) {
    if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
    AdvisorBubble& advisor = *app.advisor;
    if (!place.keepX) advisor.advisorX = place.x;
    advisor.advisorY = place.y;
    advisor.hintIndex = place.hint;
    advisor.bubbleStyle = kBubbleStyle;
    advisor.bubbleShown = 1;
    advisor.arrowX = place.arrowX;
    advisor.arrowY = place.arrowY;
    advisor.arrowShown = 1;
}

void DrawAdvisor(GameApp& app, uint8_t upStep, uint8_t downStep, int32_t minY, int32_t maxY) {
    if (!app.advisor || !app.advisor->advisorOn) return;
    AdvisorBubble& advisor = *app.advisor;
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    advisor.Animate();
    advisor.Bob(upStep, downStep, minY, maxY);
    advisor.Draw(menu, app.sharedFont.get());
    if (advisor.arrowShown && menu) {
        menu->Draw(AdvisorBubble::kArrowImage, advisor.animFrame, static_cast<float>(advisor.arrowX),
                   static_cast<float>(advisor.arrowY), kArrowColour, kArrowScale, kArrowScale, 0, 0.0f);
    }
}

uint8_t MoveBackdrop(GameApp& app, MenuBackdrop& backdrop, BackdropSteppers steppers, int32_t rowSpeed,
                     uint8_t holdFlag) {
    if (!app.frameTimerArmed) return 0;
    const uint8_t rows = app.StepStepper(steppers.rows, true, rowSpeed);
    const uint8_t shipX = app.StepStepper(steppers.shipX, true, backdrop.speedX);
    const uint8_t shipY = app.StepStepper(steppers.shipY, true, backdrop.speedY);
    backdrop.Update(rows, shipX, shipY, app.secondsInScene, holdFlag);
    backdrop.Animate();
    return rows;
}

}  // namespace front_end
