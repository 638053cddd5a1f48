#include "screens/construct_screen.h"

#include <iterator>

#include "platform/font.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kFontHeight = 18;

struct Span {
    int32_t from, length;
};
constexpr Span kColumnSpans[ConstructScreen::kColumns] = {{-200, 400}, {200, 200}, {400, 200}, {600, 400}};
constexpr Span kRowSpans[] = {{60, 179}, {240, 179}, {420, 379}};
constexpr int32_t kTopBarBottom = 60;
constexpr int32_t kYesX = 313, kNoX = 428, kAnswerY = 334, kAnswerW = 45, kAnswerH = 35;
constexpr int32_t kExitX = 395, kExitY = 310, kExitW = 51, kExitH = 35;

bool IsTile(uint8_t code) { return code >= ConstructScreen::kCodeFirstTile && code <= ConstructScreen::kCodeLastTile; }

// Tiles 6, 7 and 8 and the Yes and No buttons raise no click sound.
bool ClickSounds(uint8_t code) {
    return (code >= 1 && code <= 5) || (code >= 9 && code <= 12) || code == ConstructScreen::kCodeExitHelp;
}

}  // namespace

ConstructScreen::ConstructScreen() = default;

ConstructScreen::~ConstructScreen() { ReleaseSheetAndFont(); }

int ConstructScreen::LoadArt(GraphicsDevice* graphics) { return CreateScreenFont(font, graphics, kFontHeight); }

void ConstructScreen::ReleaseSheetAndFont() { ::ReleaseSheetAndFont(font, sheet); }

void ConstructScreen::CheckCost(uint32_t buildingMaterial) {
    canBuild = 0;
    notEnoughTimer = 0;
    if (!IsTile(clickCode)) return;
    chosenCost = costs[ConstructionCostSlot(clickCode - 1)];
    if (chosenCost > buildingMaterial) {
        notEnoughTimer = 1;
        return;
    }
    canBuild = 1;
    FormatNumber(chosenCostText, chosenCost);
    chosen = clickCode;
}

void ConstructScreen::ApplyConstruction() {
    if (textsDirty) {
        textsDirty = 0;
        FormatNumber(materialText, material);
        FormatNumber(countText, buildingCount);
        for (int slot = 0; slot < kKinds; ++slot) FormatNumber(costTexts[slot], costs[slot]);
    }
    if (constructionDone) {
        constructionDone = 0;
        if (!IsTile(chosen)) return;
        GrowConstructionCost(costs, steps, chosen - 1);
    }
}

void ConstructScreen::Animate() {
    if (!tick.Tick(kScreenTickMs)) return;
    AdvanceMessageTimer(notEnoughTimer, kNotEnoughTicks);
    AdvanceMessageTimer(notAtBaseTimer, kNotAtBaseTicks);
}

void ConstructScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    clickedThisFrame = 0;
    helpHeld = 0;
    for (uint8_t& held : kindHelpHeld) held = 0;
    if (boxArmed && !chosen && !helpOpen) {
        if (PointInRect(-200, -200, 1000, 200 + kTopBarBottom, mouseX, mouseY)) hoverCode = kCodeTopBar;
        for (int r = 0; r < static_cast<int>(std::size(kRowSpans)); ++r) {
            for (int c = 0; c < kColumns; ++c) {
                if (PointInRect(kColumnSpans[c].from, kRowSpans[r].from, kColumnSpans[c].length, kRowSpans[r].length,
                                mouseX, mouseY)) {
                    hoverCode = static_cast<uint8_t>(kColumns * r + c + 1);
                }
            }
        }
    }
    if (chosen) {
        if (PointInRect(kYesX, kAnswerY, kAnswerW, kAnswerH, mouseX, mouseY)) hoverCode = kCodeYes;
        if (PointInRect(kNoX, kAnswerY, kAnswerW, kAnswerH, mouseX, mouseY)) hoverCode = kCodeNo;
    }
    if (helpOpen && PointInRect(kExitX, kExitY, kExitW, kExitH, mouseX, mouseY)) hoverCode = kCodeExitHelp;
    if ((hoverCode >= kCodeFirstTile && hoverCode <= kCodeNo) || hoverCode == kCodeTopBar ||
        hoverCode == kCodeExitHelp) {
        hoverSound = hoverCode;
    } else if (hoverCode == 0) {
        QuietHover(hoverSound, clickSound);
    }
}

int ConstructScreen::Click(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftDown, rightDown)) return 0;
    clickCode = hoverCode;
    if (clickCode == kCodeTopBar) {
        if (leftDown) helpOpen = 1;
        if (rightDown) helpHeld = 1;
    }
    if (IsTile(clickCode)) {
        if (rightDown) {
            kindHelpHeld[clickCode - 1] = 1;
            clickCode = kCodeHelpOnly;
        } else if (atBase != 1) {
            clickCode = 0;
            notAtBaseTimer = 1;
        }
    }
    if (clickCode == kCodeExitHelp) {
        helpOpen = 0;
        boxArmed = 0;
    }
    if (boxSoundArmed && clickCode > 19) {
        boxSound = 1;
        boxSoundArmed = 0;
    }
    if (clickSoundArmed && ClickSounds(clickCode)) {
        clickSound = kClickRequested;
        clickSoundArmed = 0;
    }
    return 1;
}

void ConstructScreen::Rearm() {
    boxArmed = 1;
    boxSoundArmed = 1;
    clickSoundArmed = 1;
}

void ConstructScreen::ApplyDiscount() {
    for (uint32_t& cost : costs) cost = cost > constructionDiscount ? cost - constructionDiscount : 0;
}
