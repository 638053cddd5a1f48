// The home base's buildings in the engine: picking one under the mouse,
// dropping the carried one, and drawing the base with its message frames.
#include <cstddef>

#include "battle/battle_engine.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int32_t kDropBox = 64;         // a dropped building covers 64 x 64
constexpr int32_t kDropAdvance = 40;     // the next drop of the same frame lands beside
constexpr uint8_t kRobotFactoryType = 11;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kGhostColour = 0x64FFFFFFu;
constexpr uint32_t kFrameGround = 0xDCFFFFFFu;
constexpr int kSelectedImage = 7;        // shots sheet: the "Selected" mark

// Visible range of a building's top-left on screen.
constexpr int32_t kScreenMinX = -63, kScreenMaxX = 799;
constexpr int32_t kScreenMinY = -63, kScreenMaxY = 599;

// One sprite of a message frame on the shared sheet: image 1 corners
// (frames 0-3), 2 top and bottom edges, 3 left and right edges, 5 ground.
struct FramePiece {
    int image;
    int frame;
    float x, y;
    uint32_t colour;
    float scaleX, scaleY;
};

constexpr FramePiece kPlacementFrame[] = {
    {5, 0, 596, 6, kFrameGround, 6.3f, 1.3f},
    {2, 0, 608, 0, kWhite, 11.5f, 1.0f},
    {2, 1, 608, 44, kWhite, 11.5f, 1.0f},
    {3, 0, 590, 18, kWhite, 1.0f, 2.0f},
    {3, 1, 792, 18, kWhite, 1.0f, 2.0f},
    {1, 0, 590, 0, kWhite, 1.0f, 1.0f},
    {1, 1, 768, 0, kWhite, 1.0f, 1.0f},
    {1, 2, 590, 20, kWhite, 1.0f, 1.0f},
    {1, 3, 768, 20, kWhite, 1.0f, 1.0f},
};

// "Position blocked" in the middle; the new robot's notice uses it 100 px higher.
constexpr FramePiece kMiddleFrame[] = {
    {5, 0, 306, 256, kFrameGround, 5.3f, 1.3f},
    {2, 0, 318, 250, kWhite, 9.3f, 1.0f},
    {2, 1, 318, 294, kWhite, 9.3f, 1.0f},
    {3, 0, 300, 268, kWhite, 1.0f, 2.0f},
    {3, 1, 470, 268, kWhite, 1.0f, 2.0f},
    {1, 0, 300, 250, kWhite, 1.0f, 1.0f},
    {1, 1, 446, 250, kWhite, 1.0f, 1.0f},
    {1, 2, 300, 270, kWhite, 1.0f, 1.0f},
    {1, 3, 446, 270, kWhite, 1.0f, 1.0f},
};
constexpr float kRobotNoticeRaise = 100.0f;

constexpr FramePiece kLargeFrame[] = {
    {5, 0, 256, 6, 0xAAFFFFFFu, 10.1f, 7.5f},
    {2, 0, 268, 0, kWhite, 18.3f, 1.0f},
    {2, 1, 268, 244, kWhite, 18.3f, 1.0f},
    {3, 0, 250, 18, kWhite, 1.0f, 14.0f},
    {3, 1, 572, 18, kWhite, 1.0f, 14.0f},
    {1, 0, 250, 0, kWhite, 1.0f, 1.0f},
    {1, 1, 548, 0, kWhite, 1.0f, 1.0f},
    {1, 2, 250, 220, kWhite, 1.0f, 1.0f},
    {1, 3, 548, 220, kWhite, 1.0f, 1.0f},
};

constexpr FramePiece kOneLineFrame[] = {
    {5, 0, 256, 33, kFrameGround, 10.1f, 1.2f},
    {2, 0, 268, 27, kWhite, 18.3f, 1.0f},
    {2, 1, 268, 67, kWhite, 18.3f, 1.0f},
    {3, 0, 250, 45, kWhite, 1.0f, 1.7f},
    {3, 1, 572, 45, kWhite, 1.0f, 1.7f},
    {1, 0, 250, 27, kWhite, 1.0f, 1.0f},
    {1, 1, 548, 27, kWhite, 1.0f, 1.0f},
    {1, 2, 250, 44, kWhite, 1.0f, 1.0f},
    {1, 3, 548, 44, kWhite, 1.0f, 1.0f},
};

template <size_t N>
void DrawPieces(SpriteSheet* sheet, const FramePiece (&pieces)[N], float raise = 0.0f) {
    if (!sheet) return;
    for (const FramePiece& p : pieces) {
        sheet->Draw(p.image, p.frame, p.x, p.y - raise, p.colour, p.scaleX, p.scaleY, 0, 0.0f);
    }
}

bool InClosedRange(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

}  // namespace

void BattleEngine::PickBuilding(int32_t camX, int32_t camY, int32_t mouseX, int32_t mouseY) {
    hoveredBuilding = 0;
    for (int i = 0; i < kBuildingSlots; ++i) {
        if (!building.active[i]) continue;
        const int32_t left = building.x[i] - camX;
        const int32_t top = building.y[i] - camY;
        if (InClosedRange(mouseX, left, left + building.w[i]) && InClosedRange(mouseY, top, top + building.h[i])) {
            movingBuildingSlot = static_cast<uint8_t>(i);
            hoveredBuilding = static_cast<uint8_t>(i + 1);
            pickedBuilding = static_cast<uint8_t>(i + 1);
        }
    }
}

void BattleEngine::PlaceBuilding(int32_t camX, int32_t camY, int32_t& dropX, int32_t& dropY) {
    spotTaken = 0;
    dropPointX = dropX;
    dropPointY = dropY;

    for (int i = 0; i < kBuildingSlots; ++i) {
        if (!building.active[i]) continue;
        const int32_t left = building.x[i] - camX, right = left + building.w[i];
        const int32_t top = building.y[i] - camY, bottom = top + building.h[i];
        const bool xHit = InClosedRange(dropX + kDropBox, left, right) || InClosedRange(dropX, left, right);
        const bool yHit = InClosedRange(dropY + kDropBox, top, bottom) || InClosedRange(dropY, top, bottom);
        if (xHit && yHit) spotTaken = 1;
    }
    if (spotTaken) {
        if (blockedTimer == 0) blockedTimer = 1;
        return;
    }

    // The robot spawn point follows the best factory when one lands.
    auto followFactory = [this](int slot) {
        if (building.type[slot] == kRobotFactoryType && building.level[slot] == topFactoryLevel) {
            factoryX = building.x[slot];
            factoryY = building.y[slot];
            factoryMoved = 1;
        }
    };

    if (newBuildingPending) {
        const int slot = FirstFreeSlot(building.active, kBuildingSlots);
        if (slot >= 0 && newBuildingReady == 1) {
            buildingPlacedEvent = 1;
            baseChanged = 1;
            placedBuildingSlot = slot + 1;
            newBuildingPending = 0;
            newBuildingReady = 0;
            building.active[slot] = 1;
            building.frame[slot] = 0;
            building.type[slot] = static_cast<uint8_t>(newBuildingKind - 1);
            building.level[slot] = 0;
            building.x[slot] = dropX + camX;
            building.y[slot] = dropY + camY;
            building.w[slot] = kDropBox;
            building.h[slot] = kDropBox;
            dropX += kDropAdvance;
            dropY += kDropAdvance;
            followFactory(slot);
        }
    }

    if (movingBuilding) {
        const int slot = movingBuildingSlot;
        if (slot < kBuildingSlots) {
            movingBuilding = 0;
            baseChanged = 1;
            buildingPlacedEvent = 1;
            building.active[slot] = 1;
            building.x[slot] = dropX + camX;
            building.y[slot] = dropY + camY;
            dropX += kDropAdvance;
            dropY += kDropAdvance;
            followFactory(slot);
        }
    }
}

void BattleEngine::DrawBase(int32_t camX, int32_t camY, int32_t ghostX, int32_t ghostY, SpriteSheet* frameSheet) {
    const bool carryingNew = newBuildingPending != 0;
    const bool carryingOld = movingBuilding != 0 && movingBuildingSlot < kBuildingSlots;

    if (buildingsSheet) {
        for (int i = 0; i < kBuildingSlots; ++i) {
            if (!building.active[i]) continue;
            const float x = static_cast<float>(building.x[i] - camX);
            const float y = static_cast<float>(building.y[i] - camY);
            if (carryingNew || carryingOld) {
                if (carryingOld && i == movingBuildingSlot) continue;
                buildingsSheet->Draw(building.type[i], building.frame[i], x, y, kWhite, 1.0f, 1.0f, 0, 0.0f);
            } else if (InClosedRange(building.x[i] - camX, kScreenMinX, kScreenMaxX) &&
                       InClosedRange(building.y[i] - camY, kScreenMinY, kScreenMaxY)) {
                buildingsSheet->Draw(building.type[i], pingPongFrame, x, y, kWhite, 1.0f, 1.0f, 0, 0.0f);
            }
        }
    }

    if (shotsSheet && hoveredBuilding > 0 && hoveredBuilding <= kBuildingSlots) {
        const int slot = hoveredBuilding - 1;
        shotsSheet->Draw(kSelectedImage, 0, static_cast<float>(building.x[slot] - camX),
                         static_cast<float>(building.y[slot] - camY), kGhostColour, 1.0f, 1.0f, 0, 0.0f);
    }

    if (buildingsSheet) {
        const float gx = static_cast<float>(ghostX), gy = static_cast<float>(ghostY);
        if (carryingNew && newBuildingKind >= 1 && newBuildingKind <= 12) {
            buildingsSheet->Draw(newBuildingKind - 1, 0, gx, gy, kGhostColour, 1.0f, 1.0f, 0, 0.0f);
        } else if (carryingOld) {
            buildingsSheet->Draw(building.type[movingBuildingSlot], building.frame[movingBuildingSlot], gx, gy,
                                 kGhostColour, 1.0f, 1.0f, 0, 0.0f);
        }
    }

    if (carryingNew) DrawPieces(frameSheet, kPlacementFrame);
    if (blockedTimer != 0) DrawPieces(frameSheet, kMiddleFrame);
    if (newRobotPending) {
        DrawPieces(frameSheet, kMiddleFrame, kRobotNoticeRaise);
        if (robotsSheet) {
            robotsSheet->Draw(newRobotType, 0, static_cast<float>(newRobotX - camX),
                              static_cast<float>(newRobotY - camY), kWhite, newRobotScale, newRobotScale, 0, 0.0f);
        }
    }
}

void BattleEngine::DrawMessageFrame(SpriteSheet* frameSheet, int style) {
    if (style == 0) DrawPieces(frameSheet, kLargeFrame);
    else if (style == 1) DrawPieces(frameSheet, kOneLineFrame);
}
