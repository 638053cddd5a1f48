#include "screens/robots_screen.h"

#include <initializer_list>

#include "platform/font.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kFontHeight = 22;
constexpr ScreenImage kImages[] = {
    {0, "Art\\Controls\\SkillArrow.bmp", 32, 32, kKeyRed},
    {1, "Art\\Controls\\Back2.bmp", 64, 64, kKeyRed},
};
constexpr float kSpinStep = 0.2f;
constexpr uint8_t kFlashStart = 50;

constexpr uint8_t kQualityStep[RobotsScreen::kRanks] = {1, 2, 4, 7};
constexpr uint32_t kRankFactors[RobotsScreen::kRanks] = {10, 20, 40, 70};

// Rows: list row r stands at y = 50r + 95; a page is nine rows.
constexpr int32_t kRowX = 10;
constexpr int32_t kRowHeight = 50;
constexpr int32_t kFirstRowY = 95;
constexpr int32_t kPageHeight = kRowHeight * RobotsScreen::kRowsPerPage;

struct Rect {
    int32_t x, y, w, h;
};
bool Inside(const Rect& r, int32_t px, int32_t py) { return PointInRect(r.x, r.y, r.w, r.h, px, py) != 0; }

constexpr Rect kMakeRobotsButton = {610, 550, 170, 41};
constexpr Rect kUpgradeAllArea = {555, -200, 500, 250};
constexpr Rect kFirstArrowRow = {700, 97, 300, 47};
constexpr Rect kArrowRows = {700, 144, 300, 50};  // rows 1..8, 50 apart
constexpr Rect kHeaderArea = {-200, -200, 1200, 250};
constexpr Rect kListArea = {-200, 50, 1200, 494};
constexpr Rect kCountCorner = {-200, 50, 379, 46};
constexpr Rect kArrowCorner = {-200, 544, 379, 500};
constexpr Rect kBottomBar = {179, 544, 900, 500};
constexpr Rect kYes = {313, 334, 45, 35};
constexpr Rect kNo = {428, 334, 45, 35};
constexpr Rect kExitHeaderHelp = {370, 550, 51, 35};
constexpr Rect kExitSmallHelp = {370, 300, 51, 35};
constexpr Rect kExitStatsHelp = {700, 550, 51, 35};

struct PageArrow {
    Rect rect;
    uint8_t code;
    int step;
};
constexpr PageArrow kPageArrows[] = {
    {{115, 560, 21, 21}, RobotsScreen::kCodePageUp, -1},
    {{140, 560, 21, 21}, RobotsScreen::kCodePageDown, 1},
    {{20, 560, 21, 21}, RobotsScreen::kCodeTenPagesUp, -10},
    {{45, 560, 21, 21}, RobotsScreen::kCodeTenPagesDown, 10},
};

// The help area each code opens with a left click (or peeks with a right).
struct HelpArea {
    uint8_t code;
    RobotsScreen::Help help;
};
constexpr HelpArea kHelpAreas[] = {
    {RobotsScreen::kCodeHeader, RobotsScreen::kHeaderHelp},
    {RobotsScreen::kCodeList, RobotsScreen::kStatsHelp},
    {RobotsScreen::kCodeCountCorner, RobotsScreen::kCountHelp},
    {RobotsScreen::kCodeArrowCorner, RobotsScreen::kArrowsHelp},
    {RobotsScreen::kCodeBottomBar, RobotsScreen::kMakeRobotsHelp},
};

bool IsRowArrow(uint8_t code) { return code >= RobotsScreen::kCodeFirstArrow && code < RobotsScreen::kCodeFirstArrow + 9; }
bool IsPageArrow(uint8_t code) { return code >= RobotsScreen::kCodePageUp && code <= RobotsScreen::kCodeTenPagesDown; }

// The codes whose press stamps (16 and 17, but not 13 to 15 or 18 and 19).
bool Stamps(uint8_t code) {
    return (code >= 1 && code <= 5) || (code >= 10 && code <= 12) || code == 16 || code == 17 ||
           code == RobotsScreen::kCodeExitStatsHelp || code == RobotsScreen::kCodeExitHeaderHelp;
}

}  // namespace

RobotsScreen::RobotsScreen() {
    for (int rank = 0; rank < kRanks; ++rank) {
        for (uint8_t& gain : qualityStepGains[rank]) gain = kQualityStep[rank];
    }
}

RobotsScreen::~RobotsScreen() { FreeArt(); }

int RobotsScreen::LoadArt(GraphicsDevice* graphics) {
    CreateScreenFont(font, graphics, kFontHeight);
    return LoadScreenSheet(sheet, graphics, 2, kImages);
}

void RobotsScreen::FreeArt() { ReleaseSheetAndFont(font, sheet); }

void RobotsScreen::LayoutRows() {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!listed[slot]) continue;
        rowX[slot] = kRowX;
        rowY[slot] = kRowHeight * row[slot] + kFirstRowY;
    }
}

void RobotsScreen::FormatNumbers() {
    if (countsDirty) {
        countsDirty = 0;
        FormatNumber(materialText, material);
        FormatNumber(countText, robotCount);
        FormatNumber(operationalText, operationalCount);
        FormatNumber(brokenText, brokenCount);
        FormatNumber(maxQualityText, maxQuality);
        FormatNumber(maxCountText, maxCount);
    }
    if (pageDirty) {
        pageDirty = 0;
        FormatNumber(pageText, page);
    }
}

void RobotsScreen::Animate() {
    if (!tick.Tick(kScreenTickMs)) return;
    for (uint8_t* timer : {&shortMaterial, &shortMaterialAll, &upgradedAll, &allAtMax, &reachedMax}) {
        AdvanceMessageTimer(*timer, kRobotsMessageTicks);
    }
    AdvanceMessageTimer(notAtBase, kNotAtBaseTicks);
    for (int slot = 0; slot < kSlots; ++slot) StepFlash(flash[slot], flashFading[slot]);
    starAngle = StepSpin(starAngle, kSpinStep);
}

uint32_t RobotsScreen::RankFactor(uint32_t kind) { return kind < static_cast<uint32_t>(kRanks) ? kRankFactors[kind] : 0; }

bool RobotsScreen::CanRaise(int slot) const {
    return exists[slot] && operational[slot] && kind[slot] < static_cast<uint32_t>(kRanks) &&
           quality[slot] < maxQuality && quality[slot] < kTopQuality;
}

void RobotsScreen::ComputeUpgradeCosts() {
    anyUpgradable = 0;
    totalUpgradeCost = 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        upgradable[slot] = CanRaise(slot) ? 1 : 0;
        if (!upgradable[slot]) continue;
        const uint64_t full = static_cast<uint64_t>(RankFactor(kind[slot])) * quality[slot];
        upgradeCost[slot] = full > upgradeDiscount ? static_cast<uint32_t>(full - upgradeDiscount) : 0;
        totalUpgradeCost += upgradeCost[slot];
        anyUpgradable = 1;
    }
    if (totalUpgradeCost == 0) confirmAll = 0;
    if (anyUpgradable) FormatNumber(totalText, totalUpgradeCost);
}

void RobotsScreen::RaiseQuality(int slot) {
    const uint8_t* gain = qualityStepGains[kind[slot]];
    quality[slot] += 1;
    flash[slot] = kFlashStart;
    flashFading[slot] = 0;
    shields[slot] += gain[0];
    maxShields[slot] += gain[0];
    armor[slot] += gain[1];
    maxArmor[slot] += gain[1];
    protection[slot] += gain[2];
    attack[slot] += gain[3];
    defence[slot] += gain[4];
}

int64_t RobotsScreen::ScreenTop(int slot) const {
    return static_cast<int64_t>(rowY[slot]) - static_cast<int64_t>(kPageHeight) * page;
}

int RobotsScreen::SlotInPageRow(int pageRow) const {
    const int64_t top = kFirstRowY + kRowHeight * pageRow;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (listed[slot] && ScreenTop(slot) == top) return slot;
    }
    return -1;
}

void RobotsScreen::UpgradeOne(int slot) {
    if (!upgradable[slot]) {
        reachedMax = 1;
        return;
    }
    recomputeRequest = 1;
    if (upgradeCost[slot] > material) {
        shortMaterial = 1;
        neededMaterial = upgradeCost[slot];
        return;
    }
    if (location != 1) {
        notAtBase = 1;
        return;
    }
    // The flags were worked out before this frame's changes: check again.
    if (!CanRaise(slot)) return;
    material -= upgradeCost[slot];
    FormatNumber(materialText, material);
    upgradeSound = 1;
    RaiseQuality(slot);
}

void RobotsScreen::UpgradeAll() {
    yesRequest = 0;
    recomputeRequest = 1;
    ComputeUpgradeCosts();
    confirmAll = 0;
    if (totalUpgradeCost > material) {
        shortMaterialAll = 1;
        upgradedAll = 0;
        FormatNumber(totalText, totalUpgradeCost);
        return;
    }
    upgradeSound = 1;
    upgradedAll = 1;
    shortMaterial = 0;
    material -= totalUpgradeCost;
    FormatNumber(materialText, material);
    for (int slot = 0; slot < kSlots; ++slot) {
        if (upgradable[slot]) RaiseQuality(slot);
    }
}

bool RobotsScreen::AnyHelpOpen() const {
    for (uint8_t open : helpOpen) {
        if (open) return true;
    }
    return false;
}

void RobotsScreen::CloseHelps() {
    for (uint8_t& open : helpOpen) open = 0;
}

void RobotsScreen::HitButtons(int32_t mouseX, int32_t mouseY) {
    if (Inside(kMakeRobotsButton, mouseX, mouseY)) {
        hoverCode = kCodeMakeRobots;
    } else if (Inside(kUpgradeAllArea, mouseX, mouseY)) {
        hoverCode = kCodeUpgradeAll;
    } else if (Inside(kFirstArrowRow, mouseX, mouseY)) {
        hoverCode = kCodeFirstArrow;
    } else {
        for (int j = 0; j < kRowsPerPage - 1; ++j) {
            const Rect rect = {kArrowRows.x, kArrowRows.y + kRowHeight * j, kArrowRows.w, kArrowRows.h};
            if (Inside(rect, mouseX, mouseY)) {
                hoverCode = static_cast<uint8_t>(kCodeFirstArrow + 1 + j);
                break;
            }
        }
    }
    if (hoverCode != 0) hoverEnabled = 0;
}

void RobotsScreen::HitHelpAreas(int32_t mouseX, int32_t mouseY) {
    if (Inside(kHeaderArea, mouseX, mouseY)) hoverCode = kCodeHeader;
    if (Inside(kListArea, mouseX, mouseY)) hoverCode = kCodeList;
    if (Inside(kCountCorner, mouseX, mouseY)) hoverCode = kCodeCountCorner;
    if (Inside(kArrowCorner, mouseX, mouseY)) hoverCode = kCodeArrowCorner;
    if (Inside(kBottomBar, mouseX, mouseY)) hoverCode = kCodeBottomBar;
}

void RobotsScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    for (uint8_t& peek : helpPeek) peek = 0;
    // Peeks keep answering while the right button is held.
    if (rightClick) hoverEnabled = 1;
    const bool helpShown = AnyHelpOpen();
    if (hoverEnabled && !helpShown) HitButtons(mouseX, mouseY);
    if (hoverEnabled && hoverCode == 0 && !helpShown && !confirmAll && !shortMaterial && !allAtMax)
        HitHelpAreas(mouseX, mouseY);
    for (const PageArrow& arrow : kPageArrows) {
        if (Inside(arrow.rect, mouseX, mouseY)) hoverCode = arrow.code;
    }
    if (confirmAll) {
        if (Inside(kYes, mouseX, mouseY)) hoverCode = kCodeYes;
        if (Inside(kNo, mouseX, mouseY)) hoverCode = kCodeNo;
    }
    if (hoverEnabled) {
        if (helpOpen[kHeaderHelp] && Inside(kExitHeaderHelp, mouseX, mouseY)) hoverCode = kCodeExitHeaderHelp;
        const bool smallHelp = helpOpen[kCountHelp] || helpOpen[kArrowsHelp] || helpOpen[kMakeRobotsHelp];
        if (smallHelp && Inside(kExitSmallHelp, mouseX, mouseY)) hoverCode = kCodeExitSmallHelp;
        if (helpOpen[kStatsHelp] && Inside(kExitStatsHelp, mouseX, mouseY)) hoverCode = kCodeExitStatsHelp;
    }
    const uint8_t code = hoverCode;
    if ((code >= kCodeMakeRobots && code <= kCodeTenPagesDown) || code == kCodeYes || code == kCodeNo ||
        code == kCodeExitStatsHelp || code == kCodeExitHeaderHelp) {
        hoverSound = code;
    } else if (code == 0 || code == kCodeList || code == kCodeBottomBar) {
        QuietHover(hoverSound, stampSound);
    }
}

int RobotsScreen::OnClick(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftClick, rightClick)) return 0;
    clickCode = hoverCode;
    if (clickCode == kCodeMakeRobots) {
        if (leftClick) {
            makeRobotsRequest = 1;
        } else {
            helpPeek[kMakeRobotsHelp] = 1;
            clickCode = 0;
            makeRobotsRequest = 0;
        }
    }
    if (IsPageArrow(clickCode) && rightClick) {
        helpPeek[kArrowsHelp] = 1;
        clickCode = 0;
    }
    if (clickCode == kCodeUpgradeAll) {
        if (leftClick) {
            hoverEnabled = 0;
            if (!anyUpgradable) {
                allAtMax = 1;
            } else if (location != 1) {
                clickCode = 0;
                notAtBase = 1;
            } else {
                confirmAll = 1;
            }
        } else {
            helpPeek[kHeaderHelp] = 1;
        }
    }
    if (IsRowArrow(clickCode)) {
        if (leftClick) {
            const int slot = SlotInPageRow(clickCode - kCodeFirstArrow);
            if (slot >= 0) UpgradeOne(slot);
        } else {
            helpPeek[kStatsHelp] = 1;
        }
    }
    for (const HelpArea& area : kHelpAreas) {
        if (clickCode != area.code) continue;
        if (leftClick) helpOpen[area.help] = 1;
        if (rightClick) helpPeek[area.help] = 1;
    }
    if (clickCode == kCodeExitHeaderHelp) helpOpen[kHeaderHelp] = 0;
    if (clickCode == kCodeExitSmallHelp) helpOpen[kCountHelp] = helpOpen[kArrowsHelp] = helpOpen[kMakeRobotsHelp] = 0;
    if (clickCode == kCodeExitStatsHelp) helpOpen[kStatsHelp] = 0;
    if (clickCode >= kCodeExitStatsHelp && clickCode <= kCodeExitHeaderHelp) hoverEnabled = 0;
    if (helpClickArmed && clickCode > 19) {
        helpClickSound = 1;
        helpClickArmed = 0;
    }
    if (stampArmed && Stamps(clickCode)) {
        stampSound = kClickRequested;
        stampArmed = 0;
    }
    return 1;
}

void RobotsScreen::Rearm() {
    hoverEnabled = 1;
    stampArmed = 1;
    helpClickArmed = 1;
}

void RobotsScreen::ScrollByCode(uint8_t code) {
    for (const PageArrow& arrow : kPageArrows) {
        if (arrow.code == code) Scroll(arrow.step);
    }
}

void RobotsScreen::Scroll(int step) {
    page = PageAfter(page, step);
    pageDirty = 1;
    FormatNumbers();
}
