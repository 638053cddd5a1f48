#include <cstdio>
#include <cstdint>
#include <utility>

#include "platform/font.h"
#include "platform/sprite_sheet.h"
#include "ship/skills_screen.h"

namespace {

// Menu-sheet images.
constexpr int kCorners = 1, kEdgeH = 2, kEdgeV = 3, kBack1 = 5, kIcons = 19, kBack3 = 20, kRim = 21, kLit = 22,
              kPanel = 28, kGlow = 33;
// The screen's own images.
constexpr int kStar = 0, kArrow = 1, kFlash = 2;

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kDark = 0xFF323232u;
constexpr uint32_t kRed = 0xFFFF3232u;
constexpr uint32_t kGrey = 0xFF969696u;
constexpr uint32_t kGreen = 0xFF4BC832u;
constexpr uint32_t kInfoBlue = 0xFF9696FAu;
constexpr uint32_t kLevelColour = 0xFF5A5A96u;
constexpr uint32_t kInfoLabel = 0xFF4664A0u;
constexpr uint32_t kHardShieldsIcon = 0x7BFAFAFAu;
constexpr uint32_t kDescriptionExitGlow = 0x9E9B9B6Eu;
constexpr uint32_t kInfoExitGlow = 0x94C39B6Eu;
constexpr int kHardShields = 2;
constexpr int kEmergencyEscape = 0;
constexpr int kShieldsRecharge = 3;
constexpr int kFirstChainedSkill = 9;  // from here on the prerequisite line shows
constexpr float kBurstSecondTurn = 0.785f;

struct Point {
    int16_t x, y;
};
constexpr Point kIconAt[kSkillCount] = {{69, 47},  {265, 54},  {465, 47},  {668, 47},  {70, 247},  {268, 247},
                                        {465, 247}, {665, 247}, {65, 447},  {265, 447}, {465, 447}, {665, 447}};
constexpr Point kNameAt[kSkillCount] = {{20, 160}, {235, 160}, {445, 160}, {628, 160}, {50, 360},  {252, 360},
                                        {439, 360}, {628, 360}, {26, 560},  {228, 560}, {433, 560}, {624, 560}};
// x of the skill's title and of its explanation in the raise dialog.
constexpr int16_t kDialogTitleX[kSkillCount] = {318, 326, 343, 326, 343, 351, 335, 333, 326, 336, 336, 336};
constexpr int16_t kDialogLineX[kSkillCount] = {305, 322, 225, 228, 225, 334, 336, 336, 332, 332, 332, 332};

// The raise burst's place and size by the skill's level.
struct Burst {
    int32_t fromLevel;
    int16_t x, y;
    float scale;
    int16_t centre;
};
constexpr Burst kBursts[] = {{100, 71, 117, 1.75f, 28}, {20, 76, 124, 1.375f, 22}, {10, 77, 124, 1.375f, 22},
                             {INT32_MIN, 78, 127, 1.2f, 19}};

uint32_t AlphaOverWhite(uint32_t alpha) { return (alpha << 24) | 0x00FFFFFFu; }

int Column(int k) { return k % 4; }
int Row(int k) { return k / 4; }

// The border of a panel whose fill starts at (left, top): edges start 4 px in,
// the left side and corners 6 px out.
void FrameBox(SpriteSheet* menu, float left, float top, float right, float bottom, float sideTop, float width,
              float height, float cornerRight, float cornerBottom) {
    menu->Draw(kEdgeH, 0, left + 4.0f, top, kWhite, width, 1.0f, 0, 0.0f);
    menu->Draw(kEdgeV, 0, left - 6.0f, sideTop, kWhite, 1.0f, height, 0, 0.0f);
    menu->Draw(kEdgeV, 1, right, sideTop, kWhite, 1.0f, height, 0, 0.0f);
    menu->Draw(kEdgeH, 1, left + 4.0f, bottom, kWhite, width, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 0, left - 6.0f, top, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 1, cornerRight, top, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 2, left - 6.0f, cornerBottom, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 3, cornerRight, cornerBottom, kWhite, 1.0f, 1.0f, 0, 0.0f);
}

}  // namespace

void SkillsScreen::Text(const char* text, int x, int y, uint32_t colour, int width) {
    if (font && text) font->DrawText(text, x, y, width, 32, colour, DT_LEFT);
}

void SkillsScreen::Number(int64_t value, int x, int y, uint32_t colour) {
    char text[kNumberTextSize];
    FormatNumber(text, value);
    Text(text, x, y, colour);
}

void SkillsScreen::Draw(SpriteSheet* menu) {
    if (!menu) return;
    if (font) font->Begin();
    DrawCells(menu);
    DrawCellTexts();
    DrawArrows();
    if (refusal != 0) DrawRefusal(menu);
    if (selection >= kFirstCell && selection < kFirstCell + kSkillCount && leftPressed) {
        DrawDescription(menu, selection - kFirstCell);
    }
    if (selection >= kFirstArrow && selection < kFirstArrow + kSkillCount) {
        DrawRaiseDialog(menu, selection - kFirstArrow);
    }
    if (clickedCode != 0 && selection == 0 && infoOpen == 0 && refusal == 0) {
        DrawPanel(menu, false);
        if (rightPressed && clickedCode >= kFirstCell && clickedCode < kFirstCell + kSkillCount) {
            DrawDescriptionDetails(clickedCode - kFirstCell, true);
        } else if (rightPressed && clickedCode >= kFirstArrow && clickedCode < kFirstArrow + kSkillCount) {
            DrawDescriptionDetails(clickedCode - kFirstArrow, true);
        }
    }
    DrawInfoButton(menu);
    if (infoOpen) {
        DrawPanel(menu, true);
        DrawInfoTexts();
        DrawExit(menu, kInfoExit, kInfoExitGlow);
    }
    if (infoPeek) {
        DrawPanel(menu, false);
        DrawInfoTexts();
    }
    if (font) font->End();
}

void SkillsScreen::DrawCells(SpriteSheet* menu) {
    for (int k = 0; k < kSkillCount; ++k) {
        const float x = static_cast<float>(4 + 200 * Column(k)), y = static_cast<float>(4 + 200 * Row(k));
        menu->Draw(kBack1, 0, x + 2.0f, y + 2.0f, 0xE6FFFFFFu, 6.0f, 6.0f, 0, 0.0f);
        menu->Draw(kGlow, 1, x, y, 0x4BFFFFFFu, 3.0f, 3.1f, 0, 0.0f);
    }
    for (int k = 0; k < kSkillCount; ++k) {
        menu->Draw(kIcons, k, kIconAt[k].x, kIconAt[k].y, k == kHardShields ? kHardShieldsIcon : kWhite, 1.0f, 1.0f, 0,
                   0.0f);
    }
    for (int k = 0; k < kSkillCount; ++k) {
        if (cellFlash[k] == 0 || !sheet) continue;
        sheet->Draw(kFlash, 0, static_cast<float>(6 + 200 * Column(k)), static_cast<float>(6 + 200 * Row(k)),
                    AlphaOverWhite(cellFlash[k]), 47.0f, 47.0f, 0, 0.0f);
    }
    for (int k = 0; k < kSkillCount; ++k) {
        const float x = static_cast<float>(18 + 200 * Column(k)), y = static_cast<float>(18 + 200 * Row(k));
        menu->Draw(kEdgeH, 0, x, y - 18.0f, kWhite, 10.1f, 1.0f, 0, 0.0f);
        menu->Draw(kEdgeV, 0, x - 18.0f, y, kWhite, 1.0f, 10.4f, 0, 0.0f);
        menu->Draw(kEdgeV, 1, x + 175.0f, y, kWhite, 1.0f, 10.4f, 0, 0.0f);
        menu->Draw(kEdgeH, 1, x, y + 175.0f, kWhite, 10.1f, 1.0f, 0, 0.0f);
        menu->Draw(kCorners, 0, x - 18.0f, y - 18.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
        menu->Draw(kCorners, 1, x + 151.0f, y - 18.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
        menu->Draw(kCorners, 2, x - 18.0f, y + 151.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
        menu->Draw(kCorners, 3, x + 151.0f, y + 151.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    }
    for (int k = 0; k < kSkillCount; ++k) {
        if (cellFlash[k] == 0 || !sheet) continue;
        const Burst* burst = kBursts;
        while (levels[k] < burst->fromLevel) ++burst;
        int x = burst->x + 200 * Column(k);
        if (burst->fromLevel == INT32_MIN && k != kEmergencyEscape && levels[k] == 1) ++x;
        const float y = static_cast<float>(burst->y + 200 * Row(k));
        const uint32_t colour = AlphaOverWhite(cellFlash[k] + 30u);
        sheet->Draw(kStar, 0, static_cast<float>(x), y, colour, burst->scale, burst->scale, burst->centre, starAngle);
        sheet->Draw(kStar, 0, static_cast<float>(x), y, colour, burst->scale, burst->scale, burst->centre,
                    starAngle + kBurstSecondTurn);
    }
}

void SkillsScreen::DrawCellTexts() {
    for (int k = 0; k < kSkillCount; ++k) {
        Text(Skill(k).cellName, kNameAt[k].x, kNameAt[k].y, kDark);
        char text[kNumberTextSize];
        const size_t digits = FormatNumber(text, levels[k]);
        const int x = (digits == 1 ? 92 : digits == 2 ? 88 : 84) + 200 * Column(k);
        Text(text, x, 135 + 200 * Row(k), kLevelColour, 70);
    }
}

void SkillsScreen::DrawArrows() {
    if (!sheet) return;
    for (int k = 0; k < kSkillCount; ++k) {
        if (!ArrowShown(k)) continue;
        const int frame = hoverCode == kFirstArrow + k ? 1 : 0;
        sheet->Draw(kArrow, frame, static_cast<float>(150 + 200 * Column(k)), static_cast<float>(120 + 200 * Row(k)),
                    kWhite, 1.0f, 1.0f, 0, 0.0f);
    }
}

void SkillsScreen::DrawRefusal(SpriteSheet* menu) {
    menu->Draw(kBack3, 0, 229.0f, 140.0f, kWhite, 11.0f, 4.4f, 0, 0.0f);
    FrameBox(menu, 229.0f, 140.0f, 575.0f, 278.0f, 145.0f, 21.4f, 8.9f, 551.0f, 254.0f);
    char lines[kRefusalLines][kRefusalLineSize];
    RefusalLines(lines);
    for (int i = 0; i < kRefusalLines; ++i) {
        if (lines[i][0] != '\0') Text(lines[i], 252, 160 + 30 * i, kDark);
    }
}

void SkillsScreen::DrawPanel(SpriteSheet* menu, bool tall) {
    if (tall) {
        menu->Draw(kPanel, 0, 229.0f, 137.0f, kWhite, 10.8f, 10.9f, 0, 0.0f);
        FrameBox(menu, 229.0f, 137.0f, 570.0f, 478.0f, 142.0f, 21.0f, 21.1f, 546.0f, 454.0f);
    } else {
        menu->Draw(kPanel, 0, 229.0f, 137.0f, kWhite, 10.8f, 9.5f, 0, 0.0f);
        FrameBox(menu, 229.0f, 137.0f, 570.0f, 438.0f, 142.0f, 21.0f, 18.6f, 546.0f, 414.0f);
    }
}

void SkillsScreen::DrawExit(SpriteSheet* menu, uint8_t code, uint32_t overlay) {
    menu->Draw(hoverCode == code ? kLit : kBack1, 0, 375.0f, 439.0f, kWhite, 1.6f, 1.1f, 0, 0.0f);
    menu->Draw(kRim, 0, 375.0f, 439.0f, kWhite, 1.6f, 1.1f, 0, 0.0f);
    menu->Draw(kGlow, 0, 375.0f, 439.0f, overlay, 0.8f, 0.55f, 0, 0.0f);
    Text("Exit", 386, 446, kDark, 80);
}

void SkillsScreen::DrawDescription(SpriteSheet* menu, int k) {
    DrawPanel(menu, true);
    DrawDescriptionDetails(k, false);
    DrawExit(menu, kDescriptionExit, kDescriptionExitGlow);
}

void SkillsScreen::DrawDescriptionDetails(int k, bool quick) {
    const SkillRecord& skill = Skill(k);
    Text(skill.title, 252, 160, kRed);
    for (int i = 0; i < 4; ++i) {
        if (skill.descriptionLines[i]) Text(skill.descriptionLines[i], 252, 190 + 30 * i, kGrey);
    }
    const int32_t value = benefits[k];
    if (k == kEmergencyEscape) {
        Text(skill.energyText, 252, quick ? 290 : 320, kGrey);
        if (quick) {
            Text("Recharges 1 teleport/minute ", 252, 320, kGrey);
            Text("Full recharge at base", 252, 350, kGrey);
        } else {
            Text("All teleports recharge at base", 252, 350, kGrey);
        }
        Text("Current Benefits:", 252, 380, kGrey);
        Number(value > 0 ? value - 1 : 0, 393, 380, kGrey);
        if (value < 1000) Text("nearby teleports", value < 10 ? 407 : value < 100 ? 419 : 430, 380, kGrey);
        Text("1 base teleport", 393, 410, kGrey);
        return;
    }
    char line[SkillsScreen::kRefusalLineSize];
    if (levels[k] == 0) {
        std::snprintf(line, sizeof line, "Requires Ship's Level: %d ", static_cast<int>(skill.levelNeeded));
        if (k < kFirstChainedSkill) {
            Text(line, 252, 400, kGrey);
        } else {
            Text(line, 252, 370, kGrey);
            std::snprintf(line, sizeof line, "Requires %s ", Skill(skill.prerequisite).title);
            Text(line, 252, 400, kGrey);
        }
        return;
    }
    if (k == kShieldsRecharge) {
        const int percentY = quick ? 400 : 370;
        Text(skill.energyText, 252, quick ? 370 : 340, kGrey);
        Text("Benefits:", 252, percentY, kGrey);
        Number(value, 328, percentY, kGrey);
        Text("% faster recharge", value < 100 ? 353 : value < 1000 ? 361 : 369, percentY, kGrey);
        if (!quick) {
            Text("Strength from hits:", 252, 400, kGrey);
            Number(value, 404, 400, kGrey);
        }
        return;
    }
    Text(skill.energyText, 252, 370, kGrey);
    Text(skill.benefitLabel, 252, 400, kGrey);
    Number(value, 395, 400, kGrey);
}

void SkillsScreen::DrawRaiseDialog(SpriteSheet* menu, int k) {
    menu->Draw(kPanel, 0, 208.0f, 140.0f, kWhite, 12.1f, 7.5f, 0, 0.0f);
    menu->Draw(kGlow, 0, 208.0f, 140.0f, 0x37FF3232u, 6.1f, 3.8f, 0, 0.0f);
    FrameBox(menu, 208.0f, 140.0f, 591.0f, 378.0f, 145.0f, 23.7f, 13.9f, 567.0f, 354.0f);
    for (const auto& [code, x] : {std::pair{kYes, 313.0f}, std::pair{kNo, 428.0f}}) {
        if (clickedCode == code) {
            menu->Draw(kBack3, 0, x, 334.0f, kWhite, 1.4f, 1.1f, 0, 0.0f);
        } else if (hoverCode == code) {
            menu->Draw(kLit, 0, x, 334.0f, 0xEBFF3232u, 1.4f, 1.1f, 0, 0.0f);
        } else {
            menu->Draw(kBack1, 0, x, 334.0f, 0xF5D296FFu, 1.4f, 1.1f, 0, 0.0f);
        }
        menu->Draw(kRim, 0, x, 334.0f, kWhite, 1.4f, 1.1f, 0, 0.0f);
        menu->Draw(kGlow, 0, x, 334.0f, 0x6C9BFF6Eu, 0.7f, 0.55f, 0, 0.0f);
    }
    Text("Raise Skill?", 349, 300, kGrey);
    Text("Yes", 320, 340, kDark);
    Text("No", 440, 340, kDark);
    const SkillRecord& skill = Skill(k);
    Text(skill.title, kDialogTitleX[k], 180, kRed);
    for (int i = 0; i < 2; ++i) {
        if (skill.dialogLines[i]) Text(skill.dialogLines[i], kDialogLineX[k], 220 + 30 * i, kGrey);
    }
}

void SkillsScreen::DrawInfoButton(SpriteSheet* menu) {
    const int face = clickedCode == kInfoButton ? kBack3 : hoverCode == kInfoButton ? kLit : kBack1;
    menu->Draw(face, 0, 6.0f, 6.0f, kWhite, 1.4f, 1.4f, 0, 0.0f);
    menu->Draw(kEdgeV, 1, 50.0f, 6.0f, kWhite, 1.0f, 2.6f, 0, 0.0f);
    menu->Draw(kEdgeH, 1, 6.0f, 50.0f, kWhite, 2.6f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 0, 0.0f, 0.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 2, 0.0f, 26.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 1, 26.0f, 0.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kCorners, 3, 26.0f, 26.0f, kWhite, 1.0f, 1.0f, 0, 0.0f);
    menu->Draw(kGlow, 1, 6.0f, 6.0f, 0x6C9B9B6Eu, 0.7f, 0.74f, 0, 0.0f);
    Text("Info", 15, 20, kInfoLabel);
}

void SkillsScreen::DrawInfoTexts() {
    if (skillPoints == 0) {
        Text("Cannot raise skills at this time.", 252, 160, kRed);
        Text("You have 0 skill points.", 252, 190, kRed);
        Text("You get skill points when you level up.", 252, 220, kRed);
    } else {
        Text("You can raise a skill.", 252, 160, kGreen);
        Text("You get skill points when you level up.", 252, 190, kGreen);
        Text("Your skill points:", 252, 220, kGreen);
        Number(skillPoints, 390, 220, kGreen);
    }
    Text("Current Level", 252, 265, kInfoBlue);
    Text(levelText, 252, 290, kInfoBlue);
    Text("Current Experience", 252, 325, kInfoBlue);
    Text(experienceText, 252, 350, kInfoBlue);
    Text("Experience needed for next level", 252, 385, kInfoBlue);
    Text(nextLevelText, 252, 410, kInfoBlue);
}
