#pragma once
#include <cstdint>

// Pending enemy records written by the wave scripts and popped into free
// slots of the engine's live enemy table at the end of every script call.
struct SpawnList {
    static constexpr int kSlots = 40;

    uint8_t dropKind[kSlots] = {};
    uint8_t art[kSlots] = {};
    uint8_t questDrop[kSlots] = {};
    uint8_t mobile[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint32_t shields[kSlots] = {};
    uint32_t armor[kSlots] = {};
    uint8_t width[kSlots] = {};
    uint8_t height[kSlots] = {};
    int32_t keepOffX[kSlots] = {};  // may be negative
    int32_t keepOffY[kSlots] = {};
    uint8_t fireGroup[kSlots] = {};
    uint8_t sidestepX[kSlots] = {};
    uint8_t sidestepY[kSlots] = {};
    int32_t sidestepChance[kSlots] = {};
    uint32_t shotDamage[kSlots] = {};
    uint8_t shotType[kSlots] = {};
    int32_t killReward[kSlots] = {};
    uint8_t volley[kSlots] = {};
    uint8_t altFrames[kSlots] = {};
    uint8_t drawStyle[kSlots] = {};

    int32_t pendingCount = 0;  // records 0 .. pendingCount-1 wait for a slot
    uint8_t popStartSlot = 0;  // first live slot the second region's pop may fill
};

// Per-area enemy values the wave blocks set and their records read.
struct AreaEnemyParams {
    int32_t shotDamage = 0;
    int32_t armorBase = 0;
    int32_t killReward = 0;
    int32_t artRow = 0;
};

// The structure bars of the fortified areas: pairs of horizontal bars per
// row of emplacements and pairs of vertical ones between the rows. The one
// layout is there from the engine's making, so an area that draws the bars
// before any wave has placed them draws them where they belong.
struct BarTables {
    static constexpr int kHorizontal = 12;
    static constexpr int kVertical = 10;
    static constexpr int32_t kRowPitch = 400;
    static constexpr int32_t kHorizontalXs[2] = {863, 1263};
    static constexpr int32_t kHorizontalTop = -1875;
    static constexpr int32_t kVerticalX = 1224;
    static constexpr int32_t kVerticalTops[2] = {-2068, -2236};

    constexpr BarTables() {
        for (int i = 0; i < kHorizontal; ++i) {
            horizontalX[i] = kHorizontalXs[i % 2];
            horizontalY[i] = kHorizontalTop - kRowPitch * (i / 2);
        }
        for (int j = 0; j < kVertical; ++j) {
            verticalX[j] = kVerticalX;
            verticalY[j] = kVerticalTops[j % 2] - kRowPitch * (j / 2);
        }
    }

    int32_t horizontalX[kHorizontal] = {};
    int32_t horizontalY[kHorizontal] = {};
    int32_t verticalX[kVertical] = {};
    int32_t verticalY[kVertical] = {};
};
