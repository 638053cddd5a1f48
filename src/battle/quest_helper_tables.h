#pragma once
#include <cstdint>

// The allies a quest's favors buy, and the units an area places for a quest
// to defend or escort, as data.

struct HelperUnit {
    uint8_t slot;
    uint8_t size;
    uint8_t image;  // favors sheet image
    uint32_t damage;
    uint32_t shields;
    uint32_t armor;
    uint32_t protection;
    uint8_t fireGroup;
    int32_t leashX, leashY;
    int32_t keepOffX, keepOffY;
};

struct HelperOffer {
    uint8_t count;
    HelperUnit units[4];
};

struct QuestHelpers {
    uint8_t quest;     // 1-24
    uint8_t areas[3];  // 0 ends the list
    HelperOffer offers[3];
};

enum AreaUnitLayout : uint8_t { kLayoutBaseGrid, kLayoutConvoy, kLayoutStation };

struct AreaUnitRow {
    uint8_t area;
    uint8_t firstSlot;
    uint8_t count;
    uint8_t size;
    uint8_t image;
    uint32_t armor;
    uint32_t protection;
    uint8_t subFrame;
    uint8_t highlight;
    AreaUnitLayout layout;
};

struct RegionHelpers {
    const QuestHelpers* quests;
    int questCount;
    const AreaUnitRow* areaUnits;
    int areaUnitCount;
    uint8_t firstQuest;  // quest whose offers are ally flags 0-2
};

const RegionHelpers& EarthSystemHelpers();
const RegionHelpers& InvasionsHelpers();
// World position of an area unit in `slot` laid out by `layout`.
void AreaUnitPosition(AreaUnitLayout layout, int slot, int32_t& x, int32_t& y);
