// The advisor's hint after the first quest: "Press F1 to return" / "to Your
// Base.", bobbing over the battle view until another area loads.
#include "areas/quest_progress.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "hud/advisor_bubble.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"

namespace {
constexpr uint32_t kReturnHint = 19;
constexpr uint8_t kReturnHintStyle = 2;
constexpr int32_t kArrowX = 162;  // the F1 cell; this scene draws no arrow
constexpr int32_t kArrowY = 515;
constexpr int32_t kBobTop = 360;
constexpr int32_t kBobBottom = 460;
}  // namespace

void ShowReturnHint(GameApp& app, RegionScene& scene) {
    if (!scene.returnHint) return;
    if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
    AdvisorBubble& bubble = *app.advisor;
    if (!bubble.advisorOn) return;
    bubble.bubbleShown = 1;
    bubble.hintIndex = kReturnHint;
    bubble.bubbleStyle = kReturnHintStyle;
    bubble.arrowX = kArrowX;
    bubble.arrowY = kArrowY;
    bubble.Animate();
    bubble.Bob(StepOf(app, kStepS50), StepOf(app, kStepS30), kBobTop, kBobBottom);
    if (app.sharedArt) bubble.Draw(app.sharedArt->menuSheet, app.sharedFont.get());
}
