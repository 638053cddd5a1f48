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

// Structure pieces drawn between the emplacements of the fortified areas.
struct BarTables {
    static constexpr int kHorizontal = 12;
    static constexpr int kVertical = 10;
    // Start far off screen: nothing draws until a wave places them.
    int32_t horizontalX[kHorizontal] = {-100000, -100000, -100000, -100000, -100000, -100000,
                                        -100000, -100000, -100000, -100000, -100000, -100000};
    int32_t horizontalY[kHorizontal] = {};
    int32_t verticalX[kVertical] = {-100000, -100000, -100000, -100000, -100000,
                                    -100000, -100000, -100000, -100000, -100000};
    int32_t verticalY[kVertical] = {};
};
