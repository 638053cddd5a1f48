// Quest helpers: bought allies arrive in their fixed slots, and the areas
// that a quest asks to defend or escort place their own units.
#include "battle/quest_helpers.h"

#include "battle/battle_engine.h"

namespace {

constexpr uint8_t kOfferWaiting = 1;
constexpr uint8_t kOfferUsed = 2;

const QuestHelpers* QuestOfArea(const RegionHelpers& region, uint32_t area) {
    for (int q = 0; q < region.questCount; ++q) {
        for (uint8_t a : region.quests[q].areas) {
            if (a != 0 && a == area) return &region.quests[q];
        }
    }
    return nullptr;
}

void PlaceHelper(AllyTable& ally, const HelperUnit& unit) {
    const int s = unit.slot;
    ally.exists[s] = 1;
    ally.active[s] = 1;
    ally.fading[s] = 0;
    ally.returningX[s] = 1;
    ally.returningY[s] = 1;
    ally.targetIndex[s] = 0;
    ally.w[s] = ally.h[s] = unit.size;
    ally.frame[s] = unit.image;
    ally.damage[s] = unit.damage;
    ally.shields[s] = unit.shields;
    ally.armor[s] = unit.armor;
    ally.protection[s] = unit.protection;
    ally.fireGroup[s] = unit.fireGroup;
    ally.leashX[s] = unit.leashX;
    ally.leashY[s] = unit.leashY;
    ally.keepOffX[s] = unit.keepOffX;
    ally.keepOffY[s] = unit.keepOffY;
}

void PlaceAreaUnit(AllyTable& ally, const AreaUnitRow& row, int s) {
    ally.exists[s] = 1;
    ally.active[s] = 1;
    ally.fading[s] = 0;
    ally.w[s] = ally.h[s] = row.size;
    ally.frame[s] = row.image;
    ally.shields[s] = 0;
    ally.armor[s] = row.armor;
    ally.protection[s] = row.protection;
    ally.subFrame[s] = row.subFrame;
    ally.highlight[s] = row.highlight;
    AreaUnitPosition(row.layout, s, ally.x[s], ally.y[s]);
}

}  // namespace

void SpawnQuestHelpers(BattleEngine& engine, const RegionHelpers& region, uint32_t areaNumber, uint8_t* helpArrived) {
    for (int a = 0; a < kAllySlots; ++a) engine.ally.highlight[a] = 0;

    bool unitArea = false;
    for (int r = 0; r < region.areaUnitCount; ++r) unitArea |= region.areaUnits[r].area == areaNumber;
    if (unitArea && engine.spawnAreaUnits) {
        engine.spawnAreaUnits = 0;
        engine.helpersPlaced = 1;
        for (int r = 0; r < region.areaUnitCount; ++r) {
            const AreaUnitRow& row = region.areaUnits[r];
            if (row.area != areaNumber) continue;
            for (int s = row.firstSlot; s < row.firstSlot + row.count && s < kAllySlots; ++s) {
                PlaceAreaUnit(engine.ally, row, s);
            }
        }
    }

    const QuestHelpers* quest = QuestOfArea(region, areaNumber);
    if (quest != nullptr) {
        const int firstFlag = 3 * (quest->quest - region.firstQuest);
        for (int j = 0; j < 3; ++j) {
            uint8_t& flag = engine.allyFlags[firstFlag + j];
            if (flag != kOfferWaiting) continue;
            flag = kOfferUsed;  // an offer comes once
            if (helpArrived) *helpArrived = 1;
            engine.helpersPlaced = 1;
            const HelperOffer& offer = quest->offers[j];
            for (int u = 0; u < offer.count; ++u) PlaceHelper(engine.ally, offer.units[u]);
        }
    }

    if (engine.helpersPlaced) engine.helpArrivedEvent = 1;
}
