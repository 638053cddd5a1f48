#include "frontend/front_end_steps.h"

#include "frontend/menu_backdrop.h"
#include "hud/advisor_bubble.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"

namespace front_end {

void PlaceSceneAdvisor(GameApp& app, AdvisorScene scene) {
    if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
    PlaceAdvisor(*app.advisor, AdvisorValuesFor(scene));
}

void ShowSceneAdvisor(GameApp& app, AdvisorScene scene, AdvisorSteps steps) {
    if (!app.advisor || !app.sharedArt) return;
    ShowAdvisor(*app.advisor, AdvisorValuesFor(scene), steps, app.sharedArt->menuSheet, app.sharedFont.get());
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
