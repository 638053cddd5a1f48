#include "hud/control_panel.h"

#include "hud/control_panel_layout.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/sprite_sheet.h"

namespace {

// Milliseconds per panel step.
constexpr uint32_t kTickMs = 100;
// Energy gains a point every fourth step.
constexpr uint8_t kEnergyTicksPerPoint = 3;
// Shields recharge in twentieths of a point: half a point per step.
constexpr uint32_t kShieldBaseRecharge = 10;
constexpr uint32_t kShieldUnit = 20;
constexpr uint32_t kCycleLength = 7;
// lowArmorTimer counts up to this and holds.
constexpr uint8_t kLowArmorHold = 7;

struct TimerLimit {
    uint8_t ControlPanel::*timer;
    uint8_t limit;
};

// Each timer counts one per step while nonzero and clears past its limit.
constexpr TimerLimit kTimerLimits[] = {
    {&ControlPanel::accentTimer, 12},     {&ControlPanel::robotLimitTimer, 28},
    {&ControlPanel::buildingLimitTimer, 28}, {&ControlPanel::newLevelTimer, 10},
    {&ControlPanel::noMaterialTimer, 8},  {&ControlPanel::notAtBaseTimer, 8},
    {&ControlPanel::areaTitleTimer, 15},  {&ControlPanel::travelTimer, 7},
    {&ControlPanel::helpArrivedTimer, 13}, {&ControlPanel::noEnergyTimer, 7},
    {&ControlPanel::noSkillTimer, 7},
};

}  // namespace

ControlPanel::ControlPanel() = default;

int ControlPanel::ButtonIndex(uint8_t code) {
    for (int i = 0; i < kPanelButtonCount; ++i) {
        if (kPanelButtonCodes[i] == code) return i;
    }
    return -1;
}

void ControlPanel::RunTimers() {
    for (const TimerLimit& t : kTimerLimits) {
        uint8_t& value = this->*t.timer;
        if (value == 0) continue;
        ++value;
        if (value > t.limit) value = 0;
    }
    if (lowArmorTimer >= 1 && lowArmorTimer < kLowArmorHold) ++lowArmorTimer;
}

void ControlPanel::Tick(int32_t* energy, int32_t* energyMax, int32_t* shields, int32_t* shieldsMax,
                        uint32_t rechargeLevel, uint32_t rechargeOn) {
    const uint32_t now = NowMs();
    if (tickState == 1) {
        tickStart = now;
        tickState = 2;
        return;
    }
    // Compared as a difference so that the clock wrapping round does not stall the panel.
    if (tickState != 2 || now - tickStart <= kTickMs) return;
    tickState = 1;

    RunTimers();

    if (*energy < *energyMax) {
        ++energyTicks;
        if (energyTicks > kEnergyTicksPerPoint) {
            energyTicks = 0;
            ++*energy;
        }
    }

    if (*shields < *shieldsMax) {
        shieldAccumulator += kShieldBaseRecharge;
        if (rechargeOn != 0) shieldAccumulator += rechargeLevel;
        if (shieldAccumulator >= kShieldUnit) {
            // Widened so that a huge recharge level cannot overflow the shields.
            int64_t gained = static_cast<int64_t>(*shields) + shieldAccumulator / kShieldUnit;
            shieldAccumulator %= kShieldUnit;
            if (gained > *shieldsMax) gained = *shieldsMax;
            *shields = static_cast<int32_t>(gained);
        }
    }

    ++cycle7;
    if (cycle7 >= kCycleLength) cycle7 = 0;
}

void ControlPanel::HitTest(int32_t x, int32_t y) {
    hoverCode = 0;
    menuRowHover = 0;
    fireModeHover = 0;
    pointerOverPanel = 0;
    skillRightClick = 0;
    clickTaken = 0;
    for (uint8_t& state : buttonState) state = 0;
    leftPressed = 0;
    rightPressed = 0;

    // Later hits override earlier ones.
    if (InPanelRect(kAutoFireRect, x, y)) hoverCode = kCodeAutoFire;
    if (InPanelRect(kOptionsRect, x, y)) hoverCode = kCodeOptions;
    for (int mode = 1; mode <= 3; ++mode) {
        if (InPanelRect(kFireModeRects[mode - 1], x, y)) {
            fireModeHover = static_cast<uint8_t>(mode);
            pointerOverPanel = 1;
        }
    }
    if (y > 567) pointerOverPanel = 1;
    for (uint8_t code = 1; code <= kCodeSkillsToggle; ++code) {
        if (InPanelRect(kScreenButtonRects[code - 1], x, y)) {
            hoverCode = code;
            buttonState[ButtonIndex(code)] = 1;
        }
    }
    for (int row = 1; row <= kMenuRowCount; ++row) {
        if (InPanelRect(MenuRowRect(row), x, y)) menuRowHover = static_cast<uint8_t>(row);
    }
    if (skillBarShown) {
        for (int k = 0; k < kSkillCount; ++k) {
            if (InPanelRect(SkillCellRect(k), x, y)) hoverCode = static_cast<uint8_t>(kCodeFirstSkill + k);
        }
    }
    if (awardsToChoose > 0 && InPanelRect(kChooseAwardRect, x, y)) hoverCode = kCodeChooseAward;
    if (skillsToChoose > 0 && InPanelRect(kChooseSkillRect, x, y)) hoverCode = kCodeChooseSkill;
    if (questUpdated && InPanelRect(kQuestUpdatedRect, x, y)) hoverCode = kCodeQuestUpdated;
    if (questGifts && InPanelRect(kFinishedQuestRect, x, y)) hoverCode = kCodeFinishedQuest;
    if (repairsNotice && InPanelRect(kShowRepairsRect, x, y)) hoverCode = kCodeShowRepairs;
    if (questFailed && InPanelRect(kQuestInfoRect, x, y)) hoverCode = kCodeQuestInfo;
    if ((questGiftsOpen || questFailedOpen) && InPanelRect(kGiftsExitRect, x, y)) hoverCode = kCodeGiftsExit;
    if (repairsOpen && InPanelRect(kRepairsExitRect, x, y)) hoverCode = kCodeRepairsExit;

    if (hoverCode != 0) pointerOverPanel = 1;
    if (y < 500) pointerOverPanel = 0;

    hoverSoundCode = fireModeHover != 0 ? static_cast<uint8_t>(fireModeHover + 200) : hoverCode;
}

uint32_t ControlPanel::Click(int32_t /*x*/, int32_t /*y*/, InputDevice* mouse, uint8_t* fireMode) {
    if (mouse == nullptr) return 0;
    NoteRelease(*mouse);
    const uint8_t left = static_cast<uint8_t>(mouse->ButtonPressed(0));
    const uint8_t right = static_cast<uint8_t>(mouse->ButtonPressed(1));
    if (!left && !right) return 0;
    // A button held since its press is not pressed again: a screen button
    // it pressed stays pending when the pointer is dragged off it.
    if (pressHeld) {
        KeepPressedLook(left, right);
        return 0;
    }
    pressHeld = 1;
    return Press(left, right, fireMode);
}

void ControlPanel::NoteRelease(const InputDevice& mouse) {
    const auto down = [&mouse](int button) { return (mouse.state[InputDevice::kMouseButtonOffset + button] & 0x80) != 0; };
    if (!down(0) && !down(1)) pressHeld = 0;
}

void ControlPanel::KeepPressedLook(uint8_t left, uint8_t right) {
    leftPressed = left;
    rightPressed = right;
    const int index = ButtonIndex(clickedCode);
    if (index >= 0 && hoverCode == clickedCode) buttonState[index] = 2;
}

bool ControlPanel::OpensScreen(uint8_t code) {
    return (code >= 1 && code <= kCodeSkillsToggle) || code == kCodeOptions || code == kCodeChooseAward ||
           code == kCodeChooseSkill || code == kCodeQuestUpdated;
}

uint8_t ControlPanel::TakeScreenClick(InputDevice* mouse) {
    if (mouse != nullptr) NoteRelease(*mouse);
    if (!OpensScreen(clickedCode)) return 0;
    // While the pointer stays on the button the action waits for the release.
    if (hoverCode == clickedCode && (mouse == nullptr || !MouseButtonsReleased(mouse))) return 0;
    const uint8_t code = clickedCode;
    clickedCode = 0;
    clickTaken = 0;
    return code;
}

uint32_t ControlPanel::Press(uint8_t leftNew, uint8_t rightNew, uint8_t* fireMode) {
    if (!leftNew && !rightNew) return 0;
    if (leftNew) leftPressed = 1;
    if (rightNew) rightPressed = 1;
    clickedCode = hoverCode;
    lastClickedCode = hoverCode;

    if (fireModeHover != 0) {
        if (fireMode != nullptr) *fireMode = fireModeHover;
        fireModeClicked = fireModeHover;
    }

    const int index = ButtonIndex(hoverCode);
    if (index >= 0) buttonState[index] = 2;
    if (hoverCode == kCodeAutoFire && autoFireAllowed) autoFire = autoFire ? 0 : 1;

    switch (hoverCode) {
        case kCodeFinishedQuest:
            questGifts = 0;
            questGiftsOpen = 1;
            break;
        case kCodeQuestInfo:
            questFailedOpen = 1;
            break;
        case kCodeShowRepairs:
            repairsOpen = 1;
            repairsNotice = 0;
            break;
        case kCodeGiftsExit:
            if (questGiftsOpen || questFailedOpen) {
                questGiftsOpen = 0;
                questFailedOpen = 0;
            }
            break;
        case kCodeRepairsExit:
            repairsOpen = 0;
            break;
        default:
            break;
    }
    return 1;
}
