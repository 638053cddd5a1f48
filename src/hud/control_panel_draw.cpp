#include "hud/control_panel.h"
#include "hud/control_panel_layout.h"
#include "hud/panel_drawing.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr float kSmallImage = 4.0f;  // the bar's 4 x 4 fill images

// Panel sheet images.
enum PanelImage : int {
    kFillBody = 0,
    kFillEdge = 1,
    kFillInner = 2,
    kShieldsIcon = 4,
    kSmallButton = 5,
    kScreenButton = 6,
    kArmorIcon = 8,
    kCellFill = 9,
    kSkillCell = 10,
    kCellPressed = 11,
    kSkillIcons = 12,
    kNoticeBack = 14,
    kCellRight = 15,
    kEffectMarks = 16,
    kExtraArmorMark = 17,
    kThinLine = 18,
};
// Shared menu sheet images.
constexpr int kSelectorBack = 14;
constexpr int kFireModeIcons = 31;

struct FillRect {
    int image;
    float x, y, width, height;
};

// The two boxes of the bar and the strips under the base buttons.
constexpr FillRect kBarFrame[] = {
    {kFillEdge, 0, 534, 68, 4},      {kFillEdge, 68, 534, 4, 66},     {kFillInner, 0, 538, 64, 4},
    {kFillInner, 64, 538, 4, 62},    {kFillBody, 0, 542, 64, 58},     {kThinLine, 0, 539, 64, 1.2f},
    {kThinLine, 64, 539, 1.2f, 62},  {kFillBody, 72, 574, 64, 6},     {kFillBody, 72, 596, 64, 4},
    {kFillBody, 136, 568, 10, 32},   {kFillEdge, 732, 534, 68, 4},    {kFillEdge, 728, 534, 4, 66},
    {kFillInner, 736, 538, 64, 4},   {kFillInner, 732, 538, 4, 62},   {kFillBody, 736, 542, 64, 58},
    {kThinLine, 734, 539, 64, 1.2f}, {kThinLine, 732, 539, 1.2f, 62},
};

constexpr FillRect kSkillsBox[] = {
    {kFillBody, 669, 569, 59, 38}, {kFillBody, 657, 568, 8, 32},   {kFillInner, 665, 567, 63, 4},
    {kFillInner, 665, 592, 63, 4}, {kFillInner, 665, 567, 4, 38},
};

void Fill(SpriteSheet* sheet, const FillRect& r, uint32_t colour = kWhite) {
    StretchImage(sheet, r.image, kSmallImage, kSmallImage, r.x, r.y, r.width, r.height, colour);
}

uint8_t StateOf(const ControlPanel& panel, uint8_t code) {
    const int index = ControlPanel::ButtonIndex(code);
    return index >= 0 ? panel.buttonState[index] : 0;
}

// Read-out x by the number of digits: values of 1000 or more are not shown.
struct ReadoutPlace {
    int32_t from;
    int x;
};
constexpr ReadoutPlace kShieldsPlaces[] = {{100, 18}, {10, 24}, {INT32_MIN, 28}};
constexpr ReadoutPlace kArmorPlaces[] = {{200, 756}, {100, 754}, {10, 759}, {INT32_MIN, 764}};
constexpr ReadoutPlace kEnergyPlaces[] = {{100, 683}, {10, 688}, {INT32_MIN, 693}};
constexpr int64_t kReadoutLimit = 1000;

template <size_t N>
void Readout(Font* font, char* text, int64_t value, const ReadoutPlace (&places)[N], int y, uint32_t colour) {
    FormatNumber(text, kPanelTextSize, value);
    if (value >= kReadoutLimit) return;
    for (const ReadoutPlace& place : places) {
        if (value >= place.from) {
            PanelText(font, text, place.x, y, colour);
            return;
        }
    }
}

}  // namespace

void ControlPanel::Draw(int32_t shields, int32_t armor, int32_t energy, SpriteSheet* sharedSheet, uint32_t extraArmor,
                        uint32_t hardShields, uint32_t hardArmor, int32_t armorMax, uint32_t particleShields,
                        uint32_t shieldsRecharge, uint32_t shipProtection, uint32_t robotProtection,
                        uint8_t fireMode) {
    if (region >= 2) {
        textRed = 0x32, textGreen = 0x32, textBlue = 0xE6;
    } else {
        textRed = 30, textGreen = 30, textBlue = 30;
    }
    DrawBar(shields, armor, energy, sharedSheet, extraArmor, hardShields, hardArmor, armorMax, particleShields,
            shieldsRecharge, shipProtection, robotProtection, fireMode);
    DrawNotices(sharedSheet);
}

void ControlPanel::DrawBar(int32_t shields, int32_t armor, int32_t energy, SpriteSheet* shared, uint32_t extraArmor,
                           uint32_t hardShields, uint32_t hardArmor, int32_t armorMax, uint32_t particleShields,
                           uint32_t shieldsRecharge, uint32_t shipProtection, uint32_t robotProtection,
                           uint8_t fireMode) {
    const uint32_t labelColour = 0xFF000000u | (uint32_t{textRed} << 16) | (uint32_t{textGreen} << 8) | textBlue;
    SpriteSheet* s = sheet.get();

    for (const FillRect& r : kBarFrame) Fill(s, r);

    // Shields icon: bright with Hard Shields, red when the shields are gone.
    const uint32_t shieldsTint = shields > 0 ? (hardShields ? 0xDCFFFFFF : 0x82FFBEBE) : 0xB4FF1414;
    if (s) s->Draw(kShieldsIcon, 0, 7, 545, shieldsTint, 0.8f, 0.8f, 0, 0.0f);

    if (s) {
        s->Draw(kSmallButton, StateOf(*this, 9), 72, 558, kWhite, 1.0f, 1.0f, 0, 0.0f);
        s->Draw(kSmallButton, StateOf(*this, 10), 72, 580, kWhite, 1.0f, 1.0f, 0, 0.0f);
        s->Draw(kSmallButton, StateOf(*this, kCodeAutoFire), 0, 520, kWhite, 1.12f, 1.0f, 0, 0.0f);
        s->Draw(kSmallButton, StateOf(*this, kCodeOptions), 728, 520, kWhite, 1.12f, 1.0f, 0, 0.0f);
    }

    if (pointerOverPanel) {
        if (shared) shared->Draw(kSelectorBack, 0, 72, 540, 0x96FFFFFF, 2.0f, 0.56f, 0, 0.0f);
        for (int mode = 1; mode <= 3; ++mode) {
            const PanelRect& cell = kFireModeRects[mode - 1];
            const float scaleX = static_cast<float>(cell.width) / kSmallImage;
            if (mode == fireMode && mode != fireModeHover && s) {
                s->Draw(kCellFill, 0, cell.x, cell.y, 0x6464FF64, scaleX, 4.6f, 0, 0.0f);
            }
            if (mode == fireModeHover) {
                if (s) s->Draw(kCellFill, 0, cell.x, cell.y, 0xC8FFFF64, scaleX, 4.6f, 0, 0.0f);
                if (mode == fireModeClicked && s) s->Draw(kCellFill, 0, cell.x, cell.y, 0xC8FF3232, scaleX, 4.6f, 0, 0.0f);
                PanelText(font.get(), kFireModeLabels[mode - 1], kFireModeLabelX[mode - 1], 502, labelColour);
            }
        }
        if (shared) {
            shared->Draw(kFireModeIcons, 0, 75, 542, kWhite, 1.0f, 1.0f, 0, 0.0f);
            shared->Draw(kFireModeIcons, 1, 94, 542, kWhite, 1.0f, 1.0f, 0, 0.0f);
            shared->Draw(kFireModeIcons, 2, 117, 542, kWhite, 1.0f, 1.0f, 0, 0.0f);
        }
    }

    for (uint8_t code = 1; code <= 8 && s; ++code) {
        s->Draw(kScreenButton, StateOf(*this, code), static_cast<float>(145 + 64 * (code - 1)), 568, kWhite, 1.0f,
                1.0f, 0, 0.0f);
    }

    // Armor icon, warning at a third of the maximum or below.
    const bool lowArmor = armor <= armorMax / 3;
    int armorFrame = 0;
    uint32_t armorTint = 0;
    if (lowArmor) {
        if (lowArmorTimer == 0) lowArmorTimer = 1;
        armorFrame = hardArmor ? 1 : 0;
        armorTint = hardArmor ? 0xDCFF641E : 0xD2D21E00;
    } else {
        lowArmorTimer = 0;
        armorFrame = hardArmor ? 1 : 0;
        armorTint = hardArmor ? 0xF0FFB464 : 0xAAFFFF64;
    }
    if (s) s->Draw(kArmorIcon, armorFrame, 742, 545, armorTint, 0.8f, 0.8f, 0, 0.0f);

    for (const FillRect& r : kSkillsBox) Fill(s, r);
    const uint8_t toggleState = StateOf(*this, kCodeSkillsToggle);
    if (s) s->Draw(kSmallButton, toggleState, 669, 571, kWhite, 0.94f, 1.37f, 0, 0.0f);
    if (toggleState != 0) {
        const uint32_t colour = region >= 2 ? 0xFF3232E6 : 0xFF1E1E1E;
        if (skillBarShown) {
            PanelText(font.get(), "Hide", 680, 510, colour);
        } else {
            PanelText(font.get(), "Show Skills", 646, 498, colour);
        }
    }

    if (skillBarShown) {
        for (int k = 0; k < kSkillCount && s; ++k) {
            s->Draw(kSkillCell, 0, static_cast<float>(136 + 44 * k), 530, kWhite, 1.40625f, 1.2f, 0, 0.0f);
            s->Draw(kSkillIcons, k, static_cast<float>(143 + 44 * k), 534, kWhite, 1.0f, 1.0f, 0, 0.0f);
        }
        if (hoverCode >= kCodeFirstSkill && hoverCode < kCodeFirstSkill + kSkillCount) {
            const float x = static_cast<float>(44 * hoverCode - 392);
            if (s) {
                if (leftPressed) {
                    s->Draw(kCellPressed, 0, x, 530, 0xA0FFFFFF, 11.0f, 9.5f, 0, 0.0f);
                } else {
                    s->Draw(kCellFill, 0, x, 530, 0x64FFFFFF, 11.0f, 9.5f, 0, 0.0f);
                }
                if (rightPressed) s->Draw(kCellRight, 0, x, 530, 0x6EFFFFFF, 11.0f, 9.5f, 0, 0.0f);
            }
            const int k = hoverCode - kCodeFirstSkill;
            PanelText(font.get(), kSkillNames[k], kSkillNameX[k], 505, labelColour);
        }
    }

    Readout(font.get(), shieldsText, shields, kShieldsPlaces, 562, 0xFFAAD2FA);
    Readout(font.get(), armorText, int64_t{armor} + extraArmor, kArmorPlaces, 560, 0xFFFAD2C8);
    Readout(font.get(), energyText, energy, kEnergyPlaces, 573, 0xFF5A5A5A);

    if (s) {
        if (particleShields) s->Draw(kEffectMarks, 0, 3, 535, kWhite, 1.0f, 1.0f, 0, 0.0f);
        if (shieldsRecharge) s->Draw(kEffectMarks, 1, 1, 592, kWhite, 1.0f, 1.0f, 0, 0.0f);
        if (shipProtection) s->Draw(kEffectMarks, 1, 736, 537, 0xE60AFF0F, 1.0f, 1.0f, 0, 0.0f);
        if (robotProtection) {
            s->Draw(kEffectMarks, 1, 736, 592, 0xAA0AFF0F, 1.0f, 1.0f, 0, 0.0f);
            s->Draw(kSkillIcons, 7, 756, 581, 0xC8FFFFD2, 0.7f, 0.7f, 0, 0.0f);
        }
        if (extraArmor) {
            s->Draw(kExtraArmorMark, 0, 737, 540, kWhite, 1.0f, 1.0f, 0, 0.0f);
            s->Draw(kExtraArmorMark, 0, 794, 540, kWhite, 1.0f, 1.0f, 0, 0.0f);
        }
    }

    if (hoverCode == kCodeAutoFire) PanelText(font.get(), "Auto Fire [F]", 3, 500, labelColour);
    if (hoverCode == kCodeOptions) PanelText(font.get(), "Options", 733, 500, labelColour);
    if (hoverCode >= 1 && hoverCode <= 8) {
        const char* label = kScreenButtonLabels[hoverCode - 1];
        const int centre = 145 + 64 * (hoverCode - 1) + 32;
        PanelText(font.get(), label, centre - PanelTextWidth(label) / 2, skillBarShown ? 502 : 545, labelColour);
    }
    if (hoverCode == 9 || hoverCode == 10) PanelText(font.get(), kScreenButtonLabels[hoverCode - 1], 80, 502, labelColour);
}
