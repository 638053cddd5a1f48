#include "screens/buildings_screen.h"

#include "platform/font.h"
#include "platform/number_text.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kTextFontHeight = 20;
constexpr int kSmallFontHeight = 16;
constexpr float kSpinStep = 0.2f;
constexpr uint8_t kFlashStart = 50;

// List layout: row r of the list stands at y = 70r + 30; a page is 490 px.
constexpr int32_t kRowX = 10;
constexpr int32_t kRowHeight = 70;
constexpr int32_t kFirstRowY = 30;
constexpr int32_t kPageHeight = kRowHeight * BuildingsScreen::kRowsPerPage;
constexpr int32_t kPageTop = -19;
constexpr int32_t kPageBottom = 480;

struct Rect {
    int32_t x, y, w, h;
};
bool Inside(const Rect& r, int32_t px, int32_t py) { return PointInRect(r.x, r.y, r.w, r.h, px, py) != 0; }

constexpr Rect kTopBar = {-200, -200, 1000, 252};
constexpr Rect kRowsArea = {-200, 68, 1200, 481};
constexpr Rect kConstructButton = {494, 7, 195, 38};
constexpr int32_t kListTop = 52;
constexpr Rect kArrowStrip = {-200, 549, 532, 300};
constexpr int32_t kFirstBandBottom = 129;
constexpr Rect kUpgradeButton = {180, 73, 130, 32};  // row 0; +70 a row
constexpr Rect kExitTopHelp = {395, 510, 51, 35};
constexpr Rect kExitListHelp = {370, 300, 51, 35};
constexpr Rect kExitKindHelp = {370, 340, 51, 35};

struct Arrow {
    Rect rect;
    uint8_t code;
    int step;
};
constexpr Arrow kArrows[] = {
    {{177, 560, 21, 21}, BuildingsScreen::kCodePageUp, -1},
    {{210, 560, 21, 21}, BuildingsScreen::kCodePageDown, 1},
    {{70, 560, 21, 21}, BuildingsScreen::kCodeTenPagesUp, -10},
    {{103, 560, 21, 21}, BuildingsScreen::kCodeTenPagesDown, 10},
};

bool IsHelpTarget(uint8_t code) { return code >= BuildingsScreen::kCodeTopBar && code <= BuildingsScreen::kCodeBuildingRow; }
bool IsUpgradeCode(uint8_t code) {
    return code >= BuildingsScreen::kCodeFirstUpgrade &&
           code < BuildingsScreen::kCodeFirstUpgrade + BuildingsScreen::kRowsPerPage;
}
bool IsArrowCode(uint8_t code) {
    return code >= BuildingsScreen::kCodePageUp && code <= BuildingsScreen::kCodeTenPagesDown;
}

}  // namespace

BuildingsScreen::BuildingsScreen() = default;

BuildingsScreen::~BuildingsScreen() { ReleaseArt(); }

int BuildingsScreen::LoadArt(GraphicsDevice* graphics) {
    CreateScreenFont(textFont, graphics, kTextFontHeight);
    return CreateScreenFont(smallFont, graphics, kSmallFontHeight);
}

void BuildingsScreen::ReleaseArt() {
    ReleaseFont(textFont);
    ReleaseFont(smallFont);
}

void BuildingsScreen::Layout() {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!present[slot]) continue;
        x[slot] = kRowX;
        y[slot] = static_cast<uint32_t>(kRowHeight * row[slot] + kFirstRowY);
    }
}

void BuildingsScreen::UpdateTexts() {
    if (countTextDirty) {
        countTextDirty = 0;
        FormatNumber(countText, buildingCount);
        FormatNumber(materialText, material);
    }
    if (pageTextDirty) {
        pageTextDirty = 0;
        FormatNumber(pageText, page);
    }
}

void BuildingsScreen::Animate() {
    if (!tick.Tick(kScreenTickMs)) return;
    AdvanceMessageTimer(notEnoughTimer, kNotEnoughTicks);
    AdvanceMessageTimer(notAtBaseTimer, kNotAtBaseTicks);
    for (int slot = 0; slot < kSlots; ++slot) StepFlash(fade[slot], falling[slot]);
    spinAngle = StepSpin(spinAngle, kSpinStep);
}

int BuildingsScreen::PageRow(int slot) const {
    const int64_t top = static_cast<int64_t>(y[slot]) - static_cast<int64_t>(kPageHeight) * page;
    if (top < kPageTop || top >= kPageBottom) return -1;
    if ((top - kFirstRowY) % kRowHeight != 0 || top < kFirstRowY) return -1;
    return static_cast<int>((top - kFirstRowY) / kRowHeight);
}

bool BuildingsScreen::Upgradable(int slot) const {
    return slot >= 0 && slot < kSlots && exists[slot] && kind[slot] != kStorage && level[slot] < kMaxBuildingLevel;
}

bool BuildingsScreen::AnyBoxOpen() const {
    for (uint8_t open : boxOpen) {
        if (open) return true;
    }
    return false;
}

void BuildingsScreen::CloseBoxes() {
    for (uint8_t& open : boxOpen) open = 0;
}

uint32_t BuildingsScreen::UpgradePrice(int slot) {
    if (slot < 0 || slot >= kSlots) return 0;
    shownCost[slot] = BuildingUpgradePrice(static_cast<int>(kind[slot]), upgradeCost[slot], buildingUpgradeDiscount);
    return shownCost[slot];
}

void BuildingsScreen::HitRows(int32_t mouseX, int32_t mouseY) {
    const bool kindBoxesClosed = !boxOpen[kBoxList] && !boxOpen[kBoxArrows] && !boxOpen[kBoxKind];
    if (kindBoxesClosed && boxArmed && Inside(kRowsArea, mouseX, mouseY)) {
        const int band = mouseY < kFirstBandBottom ? 0 : 1 + (mouseY - kFirstBandBottom) / kRowHeight;
        for (int slot = 0; slot < kSlots; ++slot) {
            if (exists[slot] && PageRow(slot) == band) {
                hoverCode = kCodeBuildingRow;
                boxKind = static_cast<uint8_t>(kind[slot]);
            }
        }
    }
    if (kindBoxesClosed && boxArmed && Inside(kConstructButton, mouseX, mouseY)) hoverCode = kCodeConstruct;
    if (!boxOpen[kBoxArrows] && !boxOpen[kBoxKind] && boxArmed && hoverCode != kCodeBuildingRow &&
        mouseY >= kListTop) {
        hoverCode = kCodeList;
    }
    if (!kindBoxesClosed) return;
    for (int slot = 0; slot < kSlots; ++slot) {
        const int r = PageRow(slot);
        if (r < 0 || !Upgradable(slot)) continue;
        const Rect button = {kUpgradeButton.x, kUpgradeButton.y + kRowHeight * r, kUpgradeButton.w, kUpgradeButton.h};
        if (Inside(button, mouseX, mouseY)) {
            hoverCode = static_cast<uint8_t>(kCodeFirstUpgrade + r);
            selected = static_cast<uint32_t>(slot);
        }
    }
}

void BuildingsScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    clickedThisFrame = 0;
    for (uint8_t& held : boxHeld) held = 0;
    const bool allClosed = !AnyBoxOpen();
    if (!boxOpen[kBoxList] && !boxOpen[kBoxArrows] && !boxOpen[kBoxKind] && boxArmed && Inside(kTopBar, mouseX, mouseY))
        hoverCode = kCodeTopBar;
    if (!boxOpen[kBoxTopBar]) HitRows(mouseX, mouseY);
    if (boxArmed && allClosed && Inside(kArrowStrip, mouseX, mouseY)) hoverCode = kCodeArrowStrip;
    for (const Arrow& arrow : kArrows) {
        if (Inside(arrow.rect, mouseX, mouseY)) hoverCode = arrow.code;
    }
    if (boxArmed) {
        if (boxOpen[kBoxTopBar] && Inside(kExitTopHelp, mouseX, mouseY)) hoverCode = kCodeExitTopHelp;
        if ((boxOpen[kBoxList] || boxOpen[kBoxArrows]) && Inside(kExitListHelp, mouseX, mouseY))
            hoverCode = kCodeExitListHelp;
        if (boxOpen[kBoxKind] && Inside(kExitKindHelp, mouseX, mouseY)) hoverCode = kCodeExitKindHelp;
    }
    if (hoverCode == kCodeConstruct || hoverCode == kCodeExitTopHelp || IsArrowCode(hoverCode)) {
        hoverSound = hoverCode;
    } else if (hoverCode == 0 || hoverCode == kCodeTopBar) {
        QuietHover(hoverSound, clickSound);
    }
}

int BuildingsScreen::Click(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftDown, rightDown)) return 0;
    clickCode = hoverCode;
    if (clickCode == kCodeConstruct && rightDown) {
        boxHeld[kBoxTopBar] = 1;
        clickCode = kCodeHelpOnly;
    }
    if (IsHelpTarget(clickCode)) {
        const int box = clickCode - kCodeTopBar;
        if (leftDown) boxOpen[box] = 1;
        if (rightDown) boxHeld[box] = 1;
    }
    if (IsUpgradeCode(clickCode)) {
        if (rightDown) {
            boxHeld[kBoxKind] = 1;
            clickCode = kCodeBuildingRow;
        } else if (upgradeArmed) {
            Upgrade(static_cast<int>(selected));
        }
    }
    if (IsArrowCode(clickCode) && rightDown) {
        boxHeld[kBoxArrows] = 1;
        clickCode = kCodeHelpOnly;
    }
    if (clickCode == kCodeExitTopHelp) boxOpen[kBoxTopBar] = 0;
    if (clickCode == kCodeExitListHelp) boxOpen[kBoxList] = boxOpen[kBoxArrows] = 0;
    if (clickCode == kCodeExitKindHelp) boxOpen[kBoxKind] = 0;
    if (clickCode == kCodeExitTopHelp || clickCode == kCodeExitListHelp || clickCode == kCodeExitKindHelp) boxArmed = 0;
    if (boxSoundArmed && clickCode > 19) {
        boxSound = 1;
        boxSoundArmed = 0;
    }
    if (clickSoundArmed && (clickCode == kCodeExitTopHelp || clickCode == kCodeConstruct || IsArrowCode(clickCode))) {
        clickSound = kClickRequested;
        clickSoundArmed = 0;
    }
    return 1;
}

void BuildingsScreen::Upgrade(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    const uint32_t price = UpgradePrice(slot);
    if (price > material) {
        notEnoughTimer = 1;
        return;
    }
    upgradeArmed = 0;
    if (atBase != 1) {
        notAtBaseTimer = 1;
        return;
    }
    upgradeSound = 1;
    material -= price;
    FormatNumber(materialText, material);
    upgradeCost[slot] += kUpgradeCostRise;
    level[slot] += 1;
    fade[slot] = kFlashStart;
    falling[slot] = 0;
    ApplyUpgradeEffect(slot);
}

void BuildingsScreen::ApplyUpgradeEffect(int slot) {
    const uint32_t k = kind[slot];
    if (k >= static_cast<uint32_t>(kKinds)) return;
    ApplyBonusRaises(bonuses, UpgradeBonuses(static_cast<int>(k)));
    if (k == kRobotFactory) {
        if (robotMaxQuality < kTopQuality) robotMaxQuality += 1;
        factoryUpgraded = 1;
    }
}

void BuildingsScreen::Rearm() {
    boxArmed = 1;
    boxSoundArmed = 1;
    clickSoundArmed = 1;
    upgradeArmed = 1;
}

void BuildingsScreen::ScrollByCode(uint8_t code) {
    for (const Arrow& arrow : kArrows) {
        if (arrow.code == code) Scroll(arrow.step);
    }
}

void BuildingsScreen::Scroll(int step) {
    page = PageAfter(page, step);
    pageTextDirty = 1;
    UpdateTexts();
}
