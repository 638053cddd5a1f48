#include "screens/make_robots_screen.h"

#include <cstdio>

#include "platform/font.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kFontHeight = 18;
constexpr ScreenImage kImages[] = {{0, "Art\\Controls\\Back2.bmp", 64, 64, kKeyRed}};

// What one quality step adds to every stat of a rank.
constexpr uint8_t kQualityStep[MakeRobotsScreen::kRanks] = {1, 2, 4, 7};
// Grunts each robot of a higher rank wants: Sarge, Captain, General.
constexpr int32_t kGruntsWanted[MakeRobotsScreen::kRanks - 1] = {2, 4, 7};
// Order of the prepared stats, as indexes into a rank's stat gains.
enum Stat { kShields = 0, kArmor, kProtection, kAttack, kDefence };
constexpr int kNewStatOrder[MakeRobotsScreen::kStats] = {kShields, kArmor, kAttack, kDefence, kProtection};

constexpr const char* kRankNames[MakeRobotsScreen::kRanks] = {"Grunt", "Sarge", "Captain", "General"};

constexpr int32_t kRowTop = 60, kRowStep = 135;
constexpr int32_t kYesX = 313, kNoX = 428, kAnswerY = 334, kAnswerW = 45, kAnswerH = 35;
constexpr int32_t kExitX = 395, kExitGeneralY = 310, kExitRankY = 430, kExitW = 51, kExitH = 35;

bool IsRank(uint8_t code) { return code >= 1 && code <= MakeRobotsScreen::kRanks; }
bool IsRankHelp(uint8_t code) { return code >= 21 && code < 21 + MakeRobotsScreen::kRanks; }

}  // namespace

MakeRobotsScreen::MakeRobotsScreen() {
    for (int rank = 0; rank < kRanks; ++rank) {
        for (uint8_t& gain : qualityStepGains[rank]) gain = kQualityStep[rank];
    }
}

MakeRobotsScreen::~MakeRobotsScreen() { FreeArt(); }

int MakeRobotsScreen::LoadArt(GraphicsDevice* graphics) {
    CreateScreenFont(font, graphics, kFontHeight);
    return LoadScreenSheet(sheet, graphics, 1, kImages);
}

void MakeRobotsScreen::FreeArt() { ReleaseSheetAndFont(font, sheet); }

void MakeRobotsScreen::Animate() {
    if (!tick.Tick(kScreenTickMs)) return;
    AdvanceMessageTimer(notEnoughMaterial, kNotEnoughTicks);
    AdvanceMessageTimer(maxCountReached, kNotEnoughTicks);
    AdvanceMessageTimer(needMoreGrunts, kNotEnoughTicks);
    AdvanceMessageTimer(needFactory, kNotEnoughTicks);
    AdvanceMessageTimer(notAtBase, kNotAtBaseTicks);
}

uint32_t MakeRobotsScreen::CostAfterDiscount(int rank) const {
    const uint32_t cost = makeCosts[rank];
    return cost > makeDiscount ? cost - makeDiscount : 0;
}

void MakeRobotsScreen::UpdateTexts() {
    if (!textsDirty) return;
    textsDirty = 0;
    for (int rank = 0; rank < kRanks; ++rank) {
        costsAfterDiscount[rank] = CostAfterDiscount(rank);
        FormatNumber(costTexts[rank], costsAfterDiscount[rank]);
        FormatNumber(rankCountTexts[rank], rankCounts[rank]);
        for (int stat = 0; stat < kStats; ++stat) FormatNumber(statGainTexts[rank][stat], statGains[rank][stat]);
    }
    FormatNumber(robotCountText, robotCount);
    FormatNumber(maxCountText, maxCount);
    FormatNumber(maxQualityText, maxQuality);
    FormatNumber(materialText, material);
    FormatNumber(chosenCostText, chosenCost);
}

bool MakeRobotsScreen::CountAtLimit() const {
    const uint8_t limit = maxCount < kTableSize ? maxCount : kTableSize;
    return robotCount >= limit;
}

void MakeRobotsScreen::ComputeShortfalls() {
    const int32_t grunts = rankCounts[0];
    for (int higher = 0; higher < kRanks - 1; ++higher) {
        gruntShortfall = kGruntsWanted[higher] * (rankCounts[higher + 1] + 1) - grunts;
        if (gruntShortfall >= 1 && hasFactory) {
            shortfall[higher] = static_cast<uint8_t>(gruntShortfall > 255 ? 255 : gruntShortfall);
        } else {
            shortfall[higher] = 0;
        }
    }
}

void MakeRobotsScreen::CheckMake() {
    ComputeShortfalls();
    makeAllowed = 0;
    notEnoughMaterial = 0;
    uint8_t choice = IsRank(clickCode) ? clickCode : 0;
    if (choice > 1 && shortfall[choice - 2]) {
        choice = 0;
        needMoreGrunts = 1;
    }
    if (CountAtLimit()) {
        maxCountReached = 1;
        choice = 0;
        needMoreGrunts = 0;
    }
    if (choice) {
        const int rank = choice - 1;
        chosenCost = CostAfterDiscount(rank);
        if (chosenCost <= material) {
            makeAllowed = 1;
            newKind = static_cast<uint8_t>(rank);
            newPictureFrame = 0;
            for (int i = 0; i < kStats; ++i) newStats[i] = statGains[rank][kNewStatOrder[i]];
        } else {
            notEnoughMaterial = 1;
        }
    }
    if (makeAllowed) {
        FormatNumber(chosenCostText, chosenCost);
        confirmRank = choice;
    }
    if (!hasFactory) {
        confirmRank = 0;
        needFactory = 1;
    }
}

bool MakeRobotsScreen::AnyHelpOpen() const {
    if (generalHelpOpen) return true;
    for (uint8_t open : rankHelpOpen) {
        if (open) return true;
    }
    return false;
}

void MakeRobotsScreen::CloseHelps() {
    generalHelpOpen = 0;
    for (uint8_t& open : rankHelpOpen) open = 0;
}

bool MakeRobotsScreen::OtherRankHelpOpen(int rank) const {
    for (int other = 0; other < kRanks; ++other) {
        if (other != rank && rankHelpOpen[other]) return true;
    }
    return false;
}

void MakeRobotsScreen::HitTest(int32_t mouseX, int32_t mouseY) {
    hoverCode = 0;
    generalHelpPeek = 0;
    for (uint8_t& peek : rankHelpPeek) peek = 0;
    bool anyRankHelp = false;
    for (uint8_t open : rankHelpOpen) anyRankHelp = anyRankHelp || open;
    if (buttonsReleased && !confirmRank && !anyRankHelp && PointInRect(-200, -200, 1000, 259, mouseX, mouseY))
        hoverCode = kCodeHeader;
    for (int rank = 0; rank < kRanks; ++rank) {
        const int32_t top = kRowTop + kRowStep * rank;
        if (buttonsReleased && !confirmRank && !generalHelpOpen && !OtherRankHelpOpen(rank) &&
            PointInRect(-200, top, 1000, kRowStep, mouseX, mouseY)) {
            hoverCode = static_cast<uint8_t>(kCodeFirstRankHelp + rank);
        }
        if (!confirmRank && PointInRect(-200, top, 400, kRowStep, mouseX, mouseY)) {
            hoverCode = static_cast<uint8_t>(kCodeFirstRank + rank);
        }
    }
    if (confirmRank) {
        if (PointInRect(kYesX, kAnswerY, kAnswerW, kAnswerH, mouseX, mouseY)) hoverCode = kCodeYes;
        if (PointInRect(kNoX, kAnswerY, kAnswerW, kAnswerH, mouseX, mouseY)) hoverCode = kCodeNo;
    }
    if (buttonsReleased && generalHelpOpen && PointInRect(kExitX, kExitGeneralY, kExitW, kExitH, mouseX, mouseY))
        hoverCode = kCodeExitGeneralHelp;
    if (buttonsReleased && anyRankHelp && PointInRect(kExitX, kExitRankY, kExitW, kExitH, mouseX, mouseY))
        hoverCode = kCodeExitRankHelp;
    if (IsRank(hoverCode) || hoverCode == kCodeYes || hoverCode == kCodeNo || hoverCode == kCodeExitGeneralHelp) {
        hoverSound = hoverCode;
    } else if (hoverCode == 0 || hoverCode == kCodeHeader || IsRankHelp(hoverCode)) {
        QuietHover(hoverSound, stampSound);
    }
}

int MakeRobotsScreen::Click(int32_t, int32_t, InputDevice* mouse) {
    if (!ReadClickButtons(mouse, leftClick, rightClick)) return 0;
    clickCode = hoverCode;
    if (clickCode == kCodeHeader) {
        if (leftClick) generalHelpOpen = 1;
        if (rightClick) generalHelpPeek = 1;
    }
    if (IsRankHelp(clickCode)) {
        const int rank = clickCode - kCodeFirstRankHelp;
        if (leftClick) rankHelpOpen[rank] = 1;
        if (rightClick) rankHelpPeek[rank] = 1;
    }
    if (IsRank(clickCode)) {
        const int rank = clickCode - kCodeFirstRank;
        if (leftClick) {
            if (location != 1) {
                clickCode = 0;
                notAtBase = 1;
            }
            CloseHelps();
        } else if (!generalHelpOpen && !OtherRankHelpOpen(rank)) {
            clickCode = static_cast<uint8_t>(kCodeFirstRankHelp + rank);
            rankHelpPeek[rank] = 1;
        } else {
            // A right click never makes a robot, whatever help is open.
            clickCode = 0;
        }
    }
    if (clickCode == kCodeExitGeneralHelp) {
        generalHelpOpen = 0;
        buttonsReleased = 0;
    }
    if (clickCode == kCodeExitRankHelp) {
        for (uint8_t& open : rankHelpOpen) open = 0;
        buttonsReleased = 0;
    }
    if (helpClickArmed && clickCode > 19) {
        helpClickSound = 1;
        helpClickArmed = 0;
    }
    if (stampArmed && (IsRank(clickCode) || clickCode == kCodeNo || clickCode == kCodeExitGeneralHelp)) {
        stampSound = kClickRequested;
        stampArmed = 0;
    }
    return 1;
}

void MakeRobotsScreen::Rearm() {
    buttonsReleased = 1;
    stampArmed = 1;
    helpClickArmed = 1;
}

void MakeRobotsScreen::FormatRankMessage(int rank, char* out, size_t size) const {
    if (out == nullptr || size == 0) return;
    if (rank < 0 || rank >= kRanks) {
        out[0] = '\0';
        return;
    }
    const bool atLimit = CountAtLimit();
    const char* name = kRankNames[rank];
    if (rank == 0) {
        if (!hasFactory) {
            std::snprintf(out, size, "No Grunts can be built right now. You don't have a Robot Factory.");
        } else if (atLimit) {
            std::snprintf(out, size, "No Grunts can be built right now. Need higher max robot count.");
        } else {
            std::snprintf(out, size, "You may build a Grunt.");
        }
        return;
    }
    if (!hasFactory) {
        std::snprintf(out, size, "You don't have a Robot Factory.");
        return;
    }
    const int missing = shortfall[rank - 1];
    const char* plural = missing == 1 ? "" : "s";
    if (missing == 0 && !atLimit) {
        std::snprintf(out, size, "You may build a %s.", name);
    } else if (missing == 0) {
        std::snprintf(out, size, "Can't build a %s. Need a higher max count", name);
    } else if (!atLimit) {
        std::snprintf(out, size, "Can't build a %s. Need %d more Grunt%s.", name, missing, plural);
    } else {
        std::snprintf(out, size, "Can't build a %s. Need a higher max count and %d more Grunt%s.", name, missing, plural);
    }
}
