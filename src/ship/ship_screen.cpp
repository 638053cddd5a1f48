#include "ship/ship_screen.h"

#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"
#include "ship/item_icon_sheets.h"

namespace {

constexpr uint32_t kHomeBase = 1;
constexpr uint32_t kTickMs = 100;

// When a hover rectangle answers.
enum class When : uint8_t {
    kAlways,
    kNoPanels,        // no upgrade panel and no leave dialog
    kNoPanelsArmed,   // and a new press may act
    kClosedArmed,     // and the storage closed
    kStorageOpen,
    kLeftHelpOpen,
    kUpgradePanel,
    kLeaveDialog,
};

struct HoverRect {
    uint8_t code;
    When when;
    int32_t x, y, w, h;
};

// Tested in this order; the last rectangle holding the mouse wins.
constexpr HoverRect kHoverRects[] = {
    {1, When::kAlways, -100, 560, 296, 400},
    {20, When::kNoPanels, -200, -200, 396, 243},
    {21, When::kNoPanels, 196, -200, 271, 243},
    {22, When::kNoPanels, 467, -200, 600, 243},
    {23, When::kNoPanels, -200, 43, 396, 149},
    {24, When::kNoPanels, -200, 192, 396, 48},
    {25, When::kNoPanelsArmed, -200, 240, 396, 104},
    {26, When::kClosedArmed, -200, 344, 396, 74},
    {27, When::kClosedArmed, -200, 418, 396, 142},
    {29, When::kClosedArmed, 621, 43, 400, 43},
    {30, When::kClosedArmed, 621, 157, 400, 142},
    {40, When::kClosedArmed, 621, 86, 400, 71},
    {60, When::kStorageOpen, 180, 366, 20, 26},
    {61, When::kStorageOpen, 180, 392, 20, 26},
    {62, When::kStorageOpen, 180, 418, 20, 26},
    {63, When::kStorageOpen, 180, 444, 20, 26},
    {64, When::kStorageOpen, 180, 470, 20, 26},
    {65, When::kStorageOpen, 180, 496, 20, 26},
    {66, When::kStorageOpen, 180, 522, 20, 26},
    {67, When::kStorageOpen, 180, 548, 20, 26},
    {68, When::kStorageOpen, 180, 340, 20, 26},
    {69, When::kStorageOpen, 180, 574, 20, 26},
    {5, When::kStorageOpen, 120, 340, 56, 18},
    {2, When::kAlways, 625, 203, 135, 29},
    {3, When::kAlways, 625, 232, 135, 29},
    {4, When::kAlways, 625, 261, 135, 29},
    {50, When::kClosedArmed, 100, 352, 32, 32},
    {99, When::kLeftHelpOpen, 384, 310, 51, 35},
    {98, When::kLeftHelpOpen, 384, 340, 51, 35},
    {97, When::kLeftHelpOpen, 384, 440, 51, 35},
    {96, When::kUpgradePanel, 384, 440, 51, 35},
    {90, When::kLeaveDialog, 313, 334, 45, 35},
    {91, When::kLeaveDialog, 428, 334, 45, 35},
};

// Help topics opened by buttons that are not help labels.
constexpr uint8_t kStorageHelp = 9;
constexpr uint8_t kUpgradeHelp = 7;
constexpr uint8_t kAttackSettingsHelp = 11;

// Ticks each message stays up, by timer.
constexpr uint8_t kTimerLimits[ShipScreen::kTimerCount] = {8, 8, 8, 8, 9, 7, 7, 11};

// The upgrade flash: rises from 40 by 20 a tick past 150, then falls by 10
// until below 50; the glow turns 0.7 rad a tick.
constexpr uint8_t kFlashStart = 40, kFlashRise = 20, kFlashTop = 150, kFlashFall = 10, kFlashEnd = 50;
constexpr float kFlashTurn = 0.7f, kFullTurn = 6.28f;

constexpr int kFontHeight = 19;
constexpr int kPageFontHeight = 17;
constexpr int kShipSheetImages = 7;
constexpr ScreenImage kShipImages[] = {
    {0, "Art\\Ship\\ShipL2.PNG", 256, 256, kKeyBlack},
    {2, "Art\\Menu\\Corner.bmp", 8, 8, kNoKey},
    {5, "Art\\Ship\\Arrows.bmp", 32, 32, kNoKey},
    {6, "Art\\Controls\\SkillArrow.bmp", 32, 32, kKeyRed},
};

void SetNumber(char (&text)[kNumberTextSize], int64_t value) { FormatNumber(text, value); }

}  // namespace

ShipScreen::ShipScreen() = default;

ShipScreen::~ShipScreen() { FreeArt(); }

int ShipScreen::LoadArt(GraphicsDevice* graphics) {
    FreeArt();
    CreateScreenFont(font, graphics, kFontHeight);
    CreateScreenFont(pageFont, graphics, kPageFontHeight, 1);
    LoadScreenSheet(shipSheet, graphics, kShipSheetImages, kShipImages);
    return LoadItemIconSheets(iconSheets, graphics);
}

void ShipScreen::FreeArt() {
    ReleaseFont(font);
    ReleaseFont(pageFont);
    shipSheet.reset();
    ReleaseItemIconSheets(iconSheets);
}

void ShipScreen::HitTest(int32_t x, int32_t y) {
    rightHelp = 0;
    uint8_t code = 0;
    for (const HoverRect& r : kHoverRects) {
        bool open = true;
        switch (r.when) {
            case When::kAlways: break;
            case When::kNoPanels: open = PanelsClosed(); break;
            case When::kNoPanelsArmed: open = PanelsClosed() && mouseArmed; break;
            case When::kClosedArmed: open = PanelsClosed() && !storageOpen && mouseArmed; break;
            case When::kStorageOpen: open = storageOpen; break;
            case When::kLeftHelpOpen: open = leftHelp != 0; break;
            case When::kUpgradePanel: open = upgradePanelOpen; break;
            case When::kLeaveDialog: open = leaveDialog; break;
        }
        if (open && PointInRect(r.x, r.y, r.w, r.h, x, y)) code = r.code;
    }
    hoverCode = code;
    SetHoverSound();
}

void ShipScreen::SetHoverSound() {
    const uint8_t h = hoverCode;
    if ((h >= 1 && h <= 5) || (h >= 31 && h != kShieldsHelpCode && h != kUpgradeCode)) hoverSoundCode = h;
    if (h == 0 || h == 27 || h == 30 || h == 31 || h == 34) {
        hoverSoundCode = 0;
        if (clickSound == 1) clickSound = 2;
    }
}

int ShipScreen::OnClick(int32_t, int32_t, InputDevice* mouse) {
    const bool left = mouse && mouse->ButtonPressed(0);
    const bool right = mouse && mouse->ButtonPressed(1);
    buttonDown = left || right;
    if (!buttonDown) return 0;
    const uint8_t code = hoverCode;
    clickedCode = code;
    leftPressed = left;
    rightPressed = right;
    if (((code >= kStraightCode && code <= kCloseStorageCode) || code == kLastHelpExitCode) && clickArmed) {
        clickSound = 1;
        clickArmed = 0;
    }
    if ((code > 19 || code == kUpgradeCode) && rightClickArmed) {
        rightClickSound = 1;
        rightClickArmed = 0;
    }

    if (code == kOpenStorageCode) {
        PressStorage(left);
        if (right && !storageOpen) rightHelp = kStorageHelp;
    } else if (code >= kFirstHelpCode && code <= kLastHelpCode) {
        PressHelp(left, right);
    } else if (code >= kStraightCode && code <= kWideSpreadCode) {
        if (right) rightHelp = kAttackSettingsHelp;
        else fireMode = static_cast<uint8_t>(code - 1);
    } else if (code == kCloseStorageCode) {
        storageOpen = 0;
        mouseArmed = 0;
    } else if (code >= kFirstPageCode && code <= kNextGroupCode) {
        if (left && mouseArmed) PressStorage(false);
    } else if (code == kUpgradeCode) {
        if (right) rightHelp = kUpgradeHelp;
        else PressUpgrade();
    } else if (code == kUpgradeExitCode) {
        upgradePanelOpen = 0;
        mouseArmed = 0;
    } else if (code >= kFirstHelpExitCode && code <= kLastHelpExitCode) {
        leftHelp = 0;
        rightHelp = 0;
        mouseArmed = 0;
    }
    return 1;
}

void ShipScreen::PressHelp(bool left, bool right) {
    const uint8_t topic = static_cast<uint8_t>(hoverCode - 19);
    if (left && leftHelp == 0) leftHelp = topic;
    if (right) rightHelp = topic;
}

// The open-storage button (left press) and the paging buttons.
void ShipScreen::PressStorage(bool openButton) {
    const uint8_t code = hoverCode;
    if (code == kOpenStorageCode) {
        if (!openButton || storageOpen) return;
        if (location != kHomeBase) {
            StartAway(kAwayOpenStorage);
            return;
        }
        OpenStorage(currentStorage);
    } else if (code == kPreviousGroupCode) {
        if (storageGroup > 1) --storageGroup;
        mouseArmed = 0;
    } else if (code == kNextGroupCode) {
        if (storageGroup < kStorageGroups && storageCount >= kPageButtons * storageGroup + 1) ++storageGroup;
        mouseArmed = 0;
    } else {
        const uint32_t number = kPageButtons * (storageGroup - 1u) + (code - kFirstPageCode + 1u);
        if (number > storageCount) return;
        currentStorage = number;
        SetNumber(storageText, currentStorage);
    }
}

void ShipScreen::OpenStorage(uint32_t number) {
    if (number < 1 || number > ShipLoadout::kStorages) return;
    storageOpen = 1;
    currentStorage = number;
    SetNumber(storageText, currentStorage);
}

void ShipScreen::PressUpgrade() {
    if (!PanelsClosed() || storageOpen) return;
    if (!canAfford) {
        effectiveCost = EffectiveUpgradeCost(account.cost, account.discount);
        SetNumber(costText, effectiveCost);
        timers[kShortMaterialTimer] = 1;
        return;
    }
    if (location != kHomeBase) {
        StartAway(kAwayUpgrade);
        return;
    }
    if (!ApplyShipUpgrade(account, hull, loadout.itemsMax)) {
        timers[kShortMaterialTimer] = 1;
        return;
    }
    effectiveCost = EffectiveUpgradeCost(account.cost, account.discount);
    afford = 1;
    statsDirty = 1;
    texts = 1;
    upgradePanelOpen = 1;
    upgradeSound = 1;
    flashAlpha = kFlashStart;
    flashDirection = 1;
}

void ShipScreen::StartAway(AwayMessage variant) {
    awayMessage = variant;
    timers[kAwayTimer] = 1;
}

void ShipScreen::Animate() {
    const uint32_t now = NowMs();
    if (tickState == 1) {
        tickStart = now;
        tickState = 2;
        return;
    }
    if (now - tickStart <= kTickMs) return;
    tickState = 1;
    for (int t = 0; t < kTimerCount; ++t) {
        if (timers[t] != 0 && ++timers[t] > kTimerLimits[t]) timers[t] = 0;
    }
    StepFlash();
    flashAngle += kFlashTurn;
    if (flashAngle >= kFullTurn) flashAngle = 0.0f;
}

void ShipScreen::StepFlash() {
    if (flashDirection == 1) {
        flashAlpha = static_cast<uint8_t>(flashAlpha + kFlashRise);
        if (flashAlpha > kFlashTop) flashDirection = 2;
    } else if (flashDirection == 2) {
        flashAlpha = static_cast<uint8_t>(flashAlpha - kFlashFall);
        if (flashAlpha < kFlashEnd) {
            flashDirection = 0;
            flashAlpha = 0;
        }
    }
}

void ShipScreen::RecomputeStats() {
    if (afford) {
        afford = 0;
        effectiveCost = EffectiveUpgradeCost(account.cost, account.discount);
        canAfford = effectiveCost <= account.material;
    }
    if (texts) {
        texts = 0;
        RefreshTexts();
    }
    if (statsDirty) {
        statsDirty = 0;
        stats = ComputeShipStats(loadout, hull, armorMissing, shieldsMissing);
        speed = stats.speed;
        RefreshStatTexts();
    }
}

void ShipScreen::RefreshTexts() {
    SetNumber(levelText, level);
    SetNumber(experienceText, experience);
    SetNumber(nextLevelText, nextLevel);
    SetNumber(itemsMaxText, loadout.itemsMax);
    SetNumber(itemsNowText, loadout.itemsInstalled);
    SetNumber(upgradesText, account.upgrades);
    SetNumber(materialText, account.material);
    SetNumber(costText, effectiveCost);
    SetNumber(storageText, currentStorage);
    if (highestSkill >= 1 && highestSkill <= kSkillCount) SetNumber(skillLevelText, skillLevels[highestSkill - 1]);
    lastNameCell = 0;
    for (int i = 0; i < kNameCells; ++i) {
        if (playerName[i] != 0) lastNameCell = i;
    }
    RefreshStatTexts();
}

void ShipScreen::RefreshStatTexts() {
    for (int w = 0; w < kWeaponPositionCount; ++w) SetNumber(attackTexts[w], stats.attack[w]);
    SetNumber(defenceText, stats.defence);
    SetNumber(armorText, static_cast<int64_t>(extraArmor) + stats.armor);
    SetNumber(shieldsText, stats.shields);
    for (int t = 0; t < kProtectionKinds; ++t) {
        SetNumber(protectionTexts[t], static_cast<int64_t>(protectionBonus[t]) + stats.protection[t]);
    }
    SetNumber(speedText, speed);
    SetNumber(itemsNowText, loadout.itemsInstalled);
}

bool ShipScreen::CheckLeave() {
    leaveRequested = 0;
    leaveRefused = noEngine = holding = noWeapon = leaveConfirmed = 0;
    if (loadout.enginePosition == 0) leaveRefused = noEngine = 1;
    if (heldItem != 0) leaveRefused = holding = 1;
    bool armed = false;
    for (uint32_t id : loadout.weaponPositions) armed = armed || id != 0;
    if (!armed) {
        leaveRefused = noWeapon = 1;
        if (!noEngine && !holding) leaveDialog = 1;
    }
    if (!leaveRefused) leaveConfirmed = 1;
    if (leaveDialog) leaveRefused = 0;
    if (leaveRefused) timers[kLeaveRefusedTimer] = 1;
    return leaveConfirmed != 0;
}

void ShipScreen::TakeDialogAnswer(InputDevice* mouse) {
    if (clickedCode == 0 || !MouseButtonsReleased(mouse)) return;
    if (clickedCode == kYesCode) leaveConfirmed = 1;
    if (clickedCode == kNoCode) leaveDialog = 0;
    clickedCode = 0;
}
