#include "screens/awards_screen.h"

#include "platform/font.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kFontHeight = 20;
constexpr float kSpinStep = 0.08f;
constexpr uint8_t kFlashStart = 20;
constexpr int kGoodiesRow = 6;
constexpr uint32_t kGoodiesShownPerAward = 100;

// The seven award pictures in rows 0..6, then the arrow and the star.
constexpr ScreenImage kImages[] = {
    {0, "Art\\Awards\\1.bmp", 32, 64, kKeyBlack},
    {1, "Art\\Awards\\2.bmp", 32, 64, kKeyBlack},
    {2, "Art\\Awards\\4.bmp", 32, 64, kKeyBlack},
    {3, "Art\\Awards\\5.bmp", 32, 64, kKeyBlack},
    {4, "Art\\Awards\\6.bmp", 32, 64, kKeyBlack},
    {5, "Art\\Awards\\7.bmp", 32, 64, kKeyBlack},
    {6, "Art\\Awards\\8.bmp", 32, 64, kKeyBlack},
    {AwardsScreen::kArrowImage, "Art\\Controls\\SkillArrow.bmp", 32, 32, kKeyRed},
    {AwardsScreen::kStarImage, "Art\\Awards\\Star1.bmp", 32, 32, kKeyRed},
};

// Bands of the screen (help targets): band b (1..8) runs to kBandBottoms[b-1].
constexpr int32_t kBandBottoms[AwardsScreen::kCodeLastBand] = {85, 155, 225, 295, 365, 435, 505, 0x7FFFFFFF};

constexpr int32_t kArrowX = 245, kArrowFirstY = 35, kRowStep = 84, kArrowSize = 32;
constexpr int32_t kExitX = 395, kExitY = 310, kExitW = 51, kExitH = 35;

}  // namespace

AwardsScreen::AwardsScreen() {
    for (int row = 0; row < kRows; ++row) {
        rowShown[row] = 1;
        rowKind[row] = static_cast<uint8_t>(row);
    }
}

AwardsScreen::~AwardsScreen() { ReleaseSheetAndFont(); }

int AwardsScreen::LoadArt(GraphicsDevice* graphics) {
    CreateScreenFont(font, graphics, kFontHeight);
    // Each row kind shows the picture in the slot of its own number.
    for (int row = 0; row < kRowSlots; ++row) rowImage[row] = static_cast<uint8_t>(row);
    return LoadScreenSheet(sheet, graphics, kImageCount, kImages);
}

void AwardsScreen::ReleaseSheetAndFont() { ::ReleaseSheetAndFont(font, sheet); }

void AwardsScreen::Animate() {
    if (!tick.Tick(kAwardsTickMs)) return;
    for (int row = 0; row < kRows; ++row) StepFlash(fade[row], falling[row]);
    spinAngle = StepSpin(spinAngle, kSpinStep);
}

int AwardsScreen::RowOfPickCode(uint8_t code) {
    for (int row = 0; row < kRows; ++row) {
        if (kPickCodes[row] == code) return row;
    }
    return -1;
}

uint64_t AwardsScreen::ShownValue(int row, uint32_t count) {
    return static_cast<uint64_t>(count) * (row == kGoodiesRow ? kGoodiesShownPerAward : kPickRaise);
}

uint32_t& AwardsScreen::RowBonus(int row) {
    switch (row) {
    case 0: return bonuses.goldBonus;
    case 1: return bonuses.crystalBonus;
    case 2: return bonuses.favorsBonus;
    case 3: return bonuses.shipMaterialBonus;
    case 4: return bonuses.robotMaterialBonus;
    case 5: return bonuses.buildingMaterialBonus;
    default: return goodiesBonus;
    }
}

void AwardsScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    clickedThisFrame = 0;
    helpHeld = 0;
    if (pickArmed) {
        for (int band = 0; band < kCodeLastBand; ++band) {
            if (mouseY < kBandBottoms[band]) {
                hoverCode = static_cast<uint8_t>(kCodeFirstBand + band);
                break;
            }
        }
    }
    if (!helpOpen && !helpHeld) {
        for (int row = 0; row < kRows; ++row) {
            if (PointInRect(kArrowX, kArrowFirstY + kRowStep * row, kArrowSize, kArrowSize, mouseX, mouseY))
                hoverCode = kPickCodes[row];
        }
    }
    if (pickArmed && helpOpen && PointInRect(kExitX, kExitY, kExitW, kExitH, mouseX, mouseY)) hoverCode = kCodeExitHelp;
    if (hoverCode == 0 || hoverCode == kCodeExitHelp) {
        hoverSound = hoverCode;
    } else if (hoverCode == kCodeFirstBand) {
        QuietHover(hoverSound, clickSound);
    }
}

int AwardsScreen::Click(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftDown, rightDown)) return 0;
    clickCode = hoverCode;
    if (clickCode >= kCodeFirstBand && clickCode <= kCodeLastBand) {
        if (leftDown) {
            helpOpen = 1;
            pickArmed = 0;
        }
        if (rightDown) helpHeld = 1;
    }
    if (picks > 0) {
        if (rightDown) {
            helpHeld = 1;
            clickCode = kCodeHelpOnly;
        }
        const int row = RowOfPickCode(clickCode);
        if (pickArmed && row >= 0) Pick(row);
    }
    if (clickCode == kCodeExitHelp) {
        helpOpen = 0;
        pickArmed = 0;
    }
    if (boxSoundArmed && clickCode < 9) {
        boxSound = 1;
        boxSoundArmed = 0;
    }
    return 1;
}

void AwardsScreen::Pick(int row) {
    awardCounts[row] += 1;
    pickArmed = 0;
    picks -= 1;
    RowBonus(row) += kPickRaise;
    fade[row] = kFlashStart;
    falling[row] = 0;
    pickSound = 1;
}

void AwardsScreen::Rearm() {
    pickArmed = 1;
    boxSoundArmed = 1;
}
