#include "hud/advisor_scenes.h"

#include "hud/advisor_bubble.h"

namespace {

using S = AdvisorStepper;
constexpr int32_t K = AdvisorSceneValues::kKeep;

// One row per AdvisorScene, in its order.
constexpr AdvisorSceneValues kScenes[kAdvisorSceneCount] = {
    // x, y, hint, style, arrow x, arrow y, bubble, arrow, clears return hint,
    // slide speed, bob speed, bob up, bob down, min y, max y, slide right, slide left, arrow alpha
    {700, 420, 0, 1, 90, 490, 1, 1, 0, 40, 20, S::Bob, S::Slide, 140, 440, S::None, S::None, 0xFF},  // main menu
    {K, 250, 2, 1, 245, 311, 1, 1, 0, 180, 20, S::Bob, S::Slide, 50, 250, S::None, S::None, 0xFF},   // name entry
    {700, 100, 1, 1, 525, 136, 1, 1, 0, 60, 20, S::Bob, S::Slide, 150, 200, S::None, S::None, 0xFF},  // load game
    {600, 480, 3, 2, K, K, 1, 0, 0, 40, 20, S::Bob, S::Slide, 440, 500, S::None, S::None, 0},         // options
    {50, 50, K, 1, K, K, 0, 0, 0, 30, 70, S::Bob, S::Slide, 50, 500, S::None, S::None, 0},            // story
    {700, 420, 4, 1, 162, 515, 1, 1, 1, 30, 50, S::Bob, S::Slide, 360, 460, S::None, S::None, 0x99},  // home base
    {K, K, K, K, K, K, K, K, 1, 30, 50, S::Bob, S::Slide, 360, 460, S::None, S::None, 0},             // first region
    {693, 420, 5, 1, 640, 280, 1, 1, 0, 40, 20, S::Bob, S::Slide, 410, 530, S::None, S::None, 0xA5},  // your ship
    {700, 520, 14, 3, 162, 515, 1, 0, 0, 60, 20, S::Bob, S::Bob, 515, 543, S::Bob, S::Slide, 0},      // buildings
    {700, 520, 10, 3, 162, 515, 1, 0, 0, 60, 20, S::Bob, S::Bob, 515, 543, S::Bob, S::Slide, 0},      // construct
    {700, 520, 12, 3, 87, 47, 1, 1, 0, 60, 10, S::Bob, S::Bob, 515, 543, S::Slide, S::Slide, 0x82},   // make robots
    {716, 530, 16, 1, 80, 20, 1, 1, 0, 0, 10, S::Bob, S::Bob, 515, 543, S::None, S::None, 0x8F},      // quests
};

constexpr uint32_t kWhite = 0x00FFFFFFu;

// Hints of the management pages' rules.
constexpr uint32_t kHintUpgradeShip = 6;
constexpr uint32_t kHintUseFavors = 16;
constexpr uint32_t kHintAgree = 17;
constexpr uint32_t kHintDirections = 18;
constexpr int32_t kUpgradeArrowX = 96, kUpgradeArrowY = 313;
constexpr int32_t kAgreeArrowX = 530, kAgreeArrowY = 205;
constexpr int32_t kDirectionsArrowX = 30, kDirectionsArrowY = 500;
constexpr uint32_t kNewShipItems = 2;
constexpr uint8_t kQuestActive = 1;

template <typename T>
void Set(T& field, int32_t value) {
    if (value != AdvisorSceneValues::kKeep) field = static_cast<T>(value);
}

uint8_t StepOf(AdvisorStepper stepper, AdvisorSteps steps) {
    switch (stepper) {
    case AdvisorStepper::Slide:
        return steps.slide;
    case AdvisorStepper::Bob:
        return steps.bob;
    case AdvisorStepper::None:
        break;
    }
    return 0;
}

void Point(AdvisorBubble& advisor, uint32_t hint, int32_t arrowX, int32_t arrowY) {
    advisor.hintIndex = hint;
    advisor.arrowX = arrowX;
    advisor.arrowY = arrowY;
    advisor.bubbleShown = 1;
    advisor.arrowShown = 1;
}

}  // namespace

const AdvisorSceneValues& AdvisorValuesFor(AdvisorScene scene) { return kScenes[static_cast<int>(scene)]; }

void PlaceAdvisor(AdvisorBubble& advisor, const AdvisorSceneValues& values) {
    Set(advisor.advisorX, values.x);
    Set(advisor.advisorY, values.y);
    Set(advisor.hintIndex, values.hint);
    Set(advisor.bubbleStyle, values.style);
    Set(advisor.arrowX, values.arrowX);
    Set(advisor.arrowY, values.arrowY);
    Set(advisor.bubbleShown, values.bubbleShown);
    Set(advisor.arrowShown, values.arrowShown);
    if (values.clearsReturnHint) advisor.returnHintPending = 0;
}

void ShowAdvisor(AdvisorBubble& advisor, const AdvisorSceneValues& values, AdvisorSteps steps, SpriteSheet* menuSheet,
                 Font* font) {
    if (!advisor.advisorOn) return;
    advisor.Animate();
    advisor.Bob(StepOf(values.bobUp, steps), StepOf(values.bobDown, steps), values.minY, values.maxY);
    advisor.Draw(menuSheet, font);
    if (values.slideRight != AdvisorStepper::None || values.slideLeft != AdvisorStepper::None) {
        advisor.Slide(StepOf(values.slideRight, steps), StepOf(values.slideLeft, steps));
    }
    if (values.arrowAlpha != 0 && advisor.arrowShown) {
        advisor.DrawArrow(menuSheet, static_cast<uint32_t>(values.arrowAlpha) << 24 | kWhite);
    }
}

void YourShipHint(AdvisorBubble& advisor, uint32_t itemsInstalled, bool upgradeAffordable, uint32_t upgradeCount) {
    if (itemsInstalled != kNewShipItems) {
        if (upgradeAffordable) {
            Point(advisor, kHintUpgradeShip, kUpgradeArrowX, kUpgradeArrowY);
        } else {
            advisor.bubbleShown = 0;
            advisor.arrowShown = 0;
        }
    }
    if (upgradeCount > 1 && upgradeAffordable) Point(advisor, kHintUpgradeShip, kUpgradeArrowX, kUpgradeArrowY);
}

void QuestsHint(AdvisorBubble& advisor, uint8_t firstQuestState, uint8_t firstAllyBought, bool questSelected) {
    if (firstQuestState > kQuestActive || (questSelected && firstAllyBought)) {
        advisor.bubbleShown = 0;
        advisor.advisorOn = 0;
    }
    if (!advisor.advisorOn) return;
    if (firstAllyBought) {
        advisor.hintIndex = kHintDirections;
        advisor.arrowX = kDirectionsArrowX;
        advisor.arrowY = kDirectionsArrowY;
    } else if (questSelected) {
        advisor.hintIndex = kHintAgree;
        advisor.arrowX = kAgreeArrowX;
        advisor.arrowY = kAgreeArrowY;
    } else {
        advisor.hintIndex = kHintUseFavors;
    }
}
