#include "areas/building_box.h"

#include "areas/base_placement.h"
#include "areas/building_kinds.h"
#include "battle/battle_engine.h"
#include "platform/font.h"
#include "platform/number_text.h"
#include "platform/sprite_sheet.h"
#include "shell/game_state.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kOverlayText = 0xFF1E1E1Eu;
constexpr uint32_t kRowText = 0xFF1E1EAAu;
constexpr uint32_t kRowTextLit = 0xFFE6E6E6u;
constexpr uint32_t kHighlight = 0xDCFFFFFFu;
constexpr int kTextW = 350, kTextH = 32, kNoticeW = 250;

// Shared sheet images.
constexpr int kCornerImage = 1, kEdgeHImage = 2, kEdgeVImage = 3, kGroundImage = 5;
constexpr int kHighlightImage = 14, kCancelImage = 23, kStarImage = 32;

struct BoxPiece {
    int image, frame;
    float x, y, scaleX, scaleY;
};
constexpr BoxPiece kBoxFrame[] = {
    {kGroundImage, 0, 616, 6, 5.7f, 3.2f},  {kEdgeHImage, 0, 628, 0, 10.3f, 1.0f},
    {kEdgeHImage, 1, 628, 104, 10.3f, 1.0f}, {kEdgeVImage, 0, 610, 18, 1.0f, 4.7f},
    {kEdgeVImage, 1, 792, 18, 1.0f, 4.7f},  {kCornerImage, 0, 610, 0, 1.0f, 1.0f},
    {kCornerImage, 1, 768, 0, 1.0f, 1.0f},  {kCornerImage, 2, 610, 80, 1.0f, 1.0f},
    {kCornerImage, 3, 768, 80, 1.0f, 1.0f},
};

// The level badge grows with the level.
struct Badge {
    int32_t fromLevel;
    float scale, x, y;
};
constexpr Badge kBadges[] = {
    {100, 1.75f, 745, -9}, {20, 1.375f, 746, -3}, {10, 1.375f, 747, -3}, {0, 1.2f, 745, 0},
};
constexpr float kStarHalf = 16.0f;      // the star image is 32 x 32
constexpr float kSecondStarTurn = 0.785f;

constexpr int kNameX = 640, kStorageNameX = 670, kNameY = 9, kLevelX = 760;
constexpr int kRowX = 640, kHighlightX = 616, kCostX = 725;
constexpr int kMoveY = 32, kUpgradeY = 57, kThirdY = 82;

void DrawRow(Font* font, SpriteSheet* sheet, const char* text, int y, bool lit) {
    if (lit && sheet) sheet->Draw(kHighlightImage, 0, kHighlightX, static_cast<float>(y - 2), kHighlight, 5.55f, 0.8f, 0, 0);
    font->DrawText(text, kRowX, y, kTextW, kTextH, lit ? kRowTextLit : kRowText, 0);
}

void DrawBadge(SpriteSheet* sheet, int32_t level, uint8_t glow, float angle) {
    if (!sheet || glow == 0) return;
    const Badge* badge = &kBadges[3];
    for (const Badge& b : kBadges) {
        if (level >= b.fromLevel) {
            badge = &b;
            break;
        }
    }
    const uint32_t colour = static_cast<uint32_t>(glow) << 24 | 0xFFFFFFu;
    const int centre = static_cast<int>(kStarHalf * badge->scale);
    sheet->Draw(kStarImage, 0, badge->x, badge->y, colour, badge->scale, badge->scale, centre, angle);
    sheet->Draw(kStarImage, 0, badge->x, badge->y, colour, badge->scale, badge->scale, centre, angle + kSecondStarTurn);
}

}  // namespace

void DrawPlacementOverlays(const BattleEngine& engine, const BasePlacement& placement, Font* font,
                           SpriteSheet* sharedSheet) {
    if (!font) return;
    if (engine.newBuildingPending) {
        if (!placement.cancelHover) {
            if (sharedSheet) sharedSheet->Draw(kCancelImage, 0, 685, 18, kHighlight, 1.2f, 1.0f, 0, 0);
        } else {
            font->DrawText("Cancle Placement", 624, 7, kTextW, kTextH, kOverlayText, 0);
            font->DrawText("Material will be returned", 606, 25, kTextW, kTextH, kOverlayText, 0);
        }
    }
    if (engine.newRobotPending) font->DrawText("New Robot is Ready", 312, 168, kNoticeW, kTextH, kOverlayText, 0);
    if (engine.blockedTimer) font->DrawText("Position blocked", 330, 268, kNoticeW, kTextH, kOverlayText, 0);
}

void DrawBuildingBox(GameState& state, const BattleEngine& engine, Font* font, SpriteSheet* sharedSheet) {
    if (!font || engine.hoveredBuilding == 0 || engine.hoveredBuilding > kBuildingSlots) return;
    const int slot = engine.hoveredBuilding - 1;
    const uint8_t kind = engine.building.type[slot];

    if (sharedSheet) {
        for (const BoxPiece& p : kBoxFrame) sharedSheet->Draw(p.image, p.frame, p.x, p.y, kWhite, p.scaleX, p.scaleY, 0, 0);
    }
    font->DrawText(BuildingBoxName(kind), kind == kStorage ? kStorageNameX : kNameX, kNameY, kTextW, kTextH,
                   kOverlayText, 0);
    if (kind != kStorage) {
        char level[kNumberTextSize];
        FormatNumber(level, engine.building.level[slot]);
        font->DrawText(level, kLevelX, kNameY, kTextW, kTextH, kOverlayText, 0);
    }
    DrawBadge(sharedSheet, engine.building.level[slot], engine.upgradeGlow[slot], engine.badgeAngle);

    DrawRow(font, sharedSheet, "Move", kMoveY, engine.moveHover != 0);
    const bool upgradable = BasePlacement::CanUpgrade(state, slot);
    DrawRow(font, sharedSheet, upgradable ? "Upgrade" : "No Upgrades", kUpgradeY, engine.upgradeHover != 0);
    if (upgradable && engine.upgradeHover) {
        char cost[kNumberTextSize];
        FormatNumber(cost, BasePlacement::RefreshUpgradeCost(state, slot));
        font->DrawText(cost, kCostX, kUpgradeY, kTextW, kTextH, kRowTextLit, 0);
    }
    if (kind == kStorage) DrawRow(font, sharedSheet, "Open Storage", kThirdY, engine.storageHover != 0);
    if (kind == kRobotFactory) DrawRow(font, sharedSheet, "Make Robots", kThirdY, engine.makeRobotsHover != 0);
}
