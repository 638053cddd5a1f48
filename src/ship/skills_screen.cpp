#include "ship/skills_screen.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kColumns = 4;
constexpr int kCellSize = 200;
constexpr int kOuterCellReach = 200;  // the border cells reach this far off screen
constexpr int kLastColumn = 3;
constexpr int kLastRow = 2;
constexpr int kArrowX = 150, kArrowY = 120, kArrowSize = 32;
constexpr int kYesX = 313, kNoX = 428, kAnswerY = 334, kAnswerWidth = 45, kAnswerHeight = 35;
constexpr int kInfoReach = -200, kInfoSize = 257;
constexpr int kExitX = 375, kExitY = 439, kExitWidth = 51, kExitHeight = 35;
constexpr uint8_t kLastDescription = 12;
constexpr uint8_t kLastArrow = 41;
// Codes below this are cells, answers or arrows; above it the buttons.
constexpr uint8_t kButtonCodes = 90;

constexpr uint32_t kTickMs = 35;
constexpr float kStarTurn = 0.13f;
constexpr float kFullTurn = 6.28f;
constexpr uint8_t kFlashRise = 15;
constexpr uint8_t kFlashFall = 20;
constexpr uint8_t kFlashPeak = 180;
constexpr uint8_t kFlashEnd = 25;

constexpr int kFontHeight = 18;
constexpr int kSheetImages = 3;
constexpr ScreenImage kImages[kSheetImages] = {
    {0, "Art\\Awards\\Star1.bmp", 32, 32, kKeyRed},
    {1, "Art\\Controls\\SkillArrow.bmp", 32, 32, kKeyRed},
    {2, "Art\\Controls\\10.bmp", 4, 4, kNoKey},
};

bool IsArrow(uint8_t code) { return code >= SkillsScreen::kFirstArrow && code <= kLastArrow; }
bool IsCell(uint8_t code) { return code >= SkillsScreen::kFirstCell && code <= kLastDescription; }

// The cell's rectangle, the border cells stretched off screen.
bool InCell(int c, int r, int32_t x, int32_t y) {
    int left = kCellSize * c, top = kCellSize * r, width = kCellSize, height = kCellSize;
    if (c == 0) left -= kOuterCellReach, width += kOuterCellReach;
    if (c == kLastColumn) width += kOuterCellReach;
    if (r == 0) top -= kOuterCellReach, height += kOuterCellReach;
    if (r == kLastRow) height += kOuterCellReach;
    return PointInRect(left, top, width, height, x, y) != 0;
}

}  // namespace

SkillsScreen::SkillsScreen() = default;

SkillsScreen::~SkillsScreen() { ReleaseSheetAndFont(); }

int SkillsScreen::LoadArt(GraphicsDevice* graphics) {
    // A reload starts from fresh art.
    ReleaseSheetAndFont();
    CreateScreenFont(font, graphics, kFontHeight);
    return LoadScreenSheet(sheet, graphics, kSheetImages, kImages);
}

void SkillsScreen::ReleaseSheetAndFont() { ::ReleaseSheetAndFont(font, sheet); }

void SkillsScreen::HitTest(int32_t x, int32_t y) {
    hoverCode = 0;
    infoPeek = 0;
    if (selection == 0 && armed && infoOpen == 0) {
        for (int k = 0; k < kSkillCount; ++k) {
            if (InCell(k % kColumns, k / kColumns, x, y)) hoverCode = static_cast<uint8_t>(kFirstCell + k);
        }
    }
    if (selection != 0) {
        if (PointInRect(kYesX, kAnswerY, kAnswerWidth, kAnswerHeight, x, y)) hoverCode = kYes;
        if (PointInRect(kNoX, kAnswerY, kAnswerWidth, kAnswerHeight, x, y)) hoverCode = kNo;
    }
    if (armed) {
        for (int k = 0; k < kSkillCount; ++k) {
            const int c = k % kColumns, r = k / kColumns;
            if (PointInRect(kArrowX + kCellSize * c, kArrowY + kCellSize * r, kArrowSize, kArrowSize, x, y)) {
                hoverCode = static_cast<uint8_t>(kFirstArrow + k);
            }
        }
    }
    if (selection == 0 && armed && PointInRect(kInfoReach, kInfoReach, kInfoSize, kInfoSize, x, y)) {
        hoverCode = kInfoButton;
    }
    const bool exitHit = PointInRect(kExitX, kExitY, kExitWidth, kExitHeight, x, y) != 0;
    if (armed && IsCell(selection) && exitHit) hoverCode = kDescriptionExit;
    if (armed && infoOpen && exitHit) hoverCode = kInfoExit;

    if (hoverCode == kInfoButton || hoverCode == kInfoExit || hoverCode == kDescriptionExit || hoverCode == 0) {
        snapCode = hoverCode;
    } else if (selection > kLastDescription && (hoverCode == kYes || hoverCode == kNo)) {
        snapCode = hoverCode;
    } else if (IsCell(hoverCode)) {
        snapCode = 0;
        if (stampState == 1) stampState = 2;
    }
}

int SkillsScreen::OnClick(int32_t /*x*/, int32_t /*y*/, InputDevice* mouse) {
    clickedCode = 0;
    const bool left = mouse && mouse->ButtonPressed(0);
    const bool right = mouse && mouse->ButtonPressed(1);
    if (!left && !right) return 0;
    leftPressed = right ? 0 : 1;
    rightPressed = right ? 1 : 0;
    clickedCode = hoverCode;
    if (skillPoints != 0 && (clickedCode == kYes || clickedCode == kNo)) {
        confirm = clickedCode == kYes ? kAnswerYes : kAnswerNo;
    } else if (clickedCode == kInfoButton) {
        if (right) {
            infoPeek = 1;
        } else {
            infoOpen = 1;
        }
    } else if (IsArrow(clickedCode) && infoOpen) {
        clickedCode = 0;
    }
    if (clickedCode == kDescriptionExit) {
        selection = 0;
        armed = 0;
    }
    if (clickedCode == kInfoExit) {
        infoOpen = 0;
        armed = 0;
    }
    if (clickSoundArmed && selection <= kLastDescription && clickedCode <= kLastDescription) {
        clickSoundRequest = 1;
        clickSoundArmed = 0;
    }
    if (armed && (clickedCode == kInfoButton || clickedCode == kInfoExit || clickedCode == kDescriptionExit ||
                  clickedCode == 0)) {
        stampState = 1;
    }
    return 1;
}

void SkillsScreen::ArmWhenButtonsUp(InputDevice* mouse) {
    if (mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1))) return;
    armed = 1;
    clickSoundArmed = 1;
}

int SkillsScreen::SettleAnswer(InputDevice* mouse) {
    if (selection == 0 || (confirm != kAnswerYes && confirm != kAnswerNo)) return -1;
    // A mouse answer waits for the release, so a held Yes cannot repeat.
    if (!MouseButtonsReleased(mouse)) return -1;
    int raised = -1;
    if (confirm == kAnswerYes && IsArrow(selection) && skillPoints != 0) {
        raised = selection - kFirstArrow;
        ApplyRaise(raised);
        raiseSoundRequest = 1;
        --skillPoints;
    }
    selection = 0;
    confirm = 0;
    leftPressed = 0;
    return raised;
}

void SkillsScreen::ApplyRaise(int k) {
    levels[k] += 1;
    benefits[k] += Skill(k).raiseAmount;
    cellFlash[k] = kFlashStart;
    flashFalling[k] = 0;
    for (int other = 0; other < kSkillCount; ++other) {
        if (other != k && levels[other] > levels[k]) return;
    }
    highestSkill = static_cast<uint8_t>(k + 1);
}

void SkillsScreen::Animate() {
    if (animState == 1) {
        animStart = NowMs();
        animState = 2;
        return;
    }
    if (NowMs() - animStart <= kTickMs) return;
    animState = 1;
    starAngle += kStarTurn;
    if (starAngle > kFullTurn) starAngle = 0.0f;
    for (int k = 0; k < kSkillCount; ++k) {
        if (cellFlash[k] == 0) continue;
        cellFlash[k] = static_cast<uint8_t>(cellFlash[k] + kFlashRise);
        if (cellFlash[k] > kFlashPeak) flashFalling[k] = 1;
        if (!flashFalling[k]) continue;
        cellFlash[k] = static_cast<uint8_t>(cellFlash[k] - kFlashFall);
        if (cellFlash[k] < kFlashEnd) {
            cellFlash[k] = 0;
            flashFalling[k] = 0;
        }
    }
}

bool SkillsScreen::ArrowShown(int k) const {
    const SkillRecord& skill = Skill(k);
    return skillPoints != 0 && (skill.levelNeeded == 0 || level >= skill.levelNeeded);
}

bool SkillsScreen::Refused(int k) {
    const SkillRecord& skill = Skill(k);
    const bool hasPrerequisite = skill.prerequisite != kNoPrerequisite;
    if (skill.levelNeeded != 0 && level < skill.levelNeeded) {
        refusal = static_cast<uint8_t>(k + 1);
        if (hasPrerequisite) refusalLevel = 1;
    }
    if (hasPrerequisite && levels[skill.prerequisite] == 0) {
        refusal = static_cast<uint8_t>(k + 1);
        refusalPrereq = 1;
    }
    return refusal != 0;
}

void SkillsScreen::ResolveClick() {
    refusal = 0;
    refusalLevel = 0;
    refusalPrereq = 0;
    if (selection == 0 && leftPressed) {
        if (skillPoints != 0 && clickedCode < kButtonCodes) selection = clickedCode;
        if (IsArrow(selection) && Refused(selection - kFirstArrow)) selection = 0;
    }
    if (selection == 0 && refusal == 0 && leftPressed) {
        if (IsCell(clickedCode)) {
            selection = clickedCode;
        } else if (IsArrow(clickedCode)) {
            // Without points an arrow position opens that skill's description.
            selection = static_cast<uint8_t>(clickedCode - kFirstArrow + kFirstCell);
        }
    }
}

int SkillsScreen::RefusalLines(char lines[kRefusalLines][kRefusalLineSize]) const {
    for (int i = 0; i < kRefusalLines; ++i) lines[i][0] = '\0';
    if (refusal == 0 || refusal > kSkillCount) return 0;
    const SkillRecord& skill = Skill(refusal - 1);
    const bool hasPrerequisite = skill.prerequisite != kNoPrerequisite;
    int count = 1;
    std::snprintf(lines[0], kRefusalLineSize, "Can't raise the %s skill.", skill.title);
    if (!hasPrerequisite || refusalLevel) {
        std::snprintf(lines[1], kRefusalLineSize, "You need to be at level %d or higher.",
                      static_cast<int>(skill.levelNeeded));
        ++count;
    }
    if (hasPrerequisite && refusalPrereq) {
        std::snprintf(lines[2], kRefusalLineSize, "You need the %s first.", Skill(skill.prerequisite).title);
        ++count;
    }
    return count;
}

void SkillsScreen::FormatInfoTexts() {
    FormatNumber(levelText, level);
    FormatNumber(experienceText, experience);
    FormatNumber(nextLevelText, nextLevelExperience);
}
