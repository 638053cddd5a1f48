// The ship touching things: pickups and quest items it collects, portals it
// stands on. Both compare the ship's 64 x 64 box where it is drawn with the
// object's box on screen.
#include "battle/battle_engine.h"

namespace {

constexpr int32_t kShipBox = 64;
constexpr int32_t kPickupBox = 16;
constexpr int32_t kPortalBox = 64;

// Pickups: either edge of the object strictly inside the ship's span.
bool PickupTouchesAxis(int32_t ship, int32_t object) {
    const int32_t farEdge = object + kPickupBox;
    return (ship < farEdge && farEdge < ship + kShipBox) || (ship < object && object < ship + kShipBox);
}

// Portals: the same with the ends counting.
bool PortalTouchesAxis(int32_t ship, int32_t object) {
    const int32_t farEdge = object + kPortalBox;
    return (ship <= farEdge && farEdge <= ship + kShipBox) || (ship <= object && object <= ship + kShipBox);
}

}  // namespace

void BattleEngine::CollectPickups(int32_t camX, int32_t camY, uint32_t* gold, uint32_t* crystal, uint32_t* favors,
                                  uint32_t* shipMaterial, uint32_t* buildingMaterial, uint32_t* robotMaterial) {
    const int32_t left = shipX + offsetRight - offsetLeft;
    const int32_t top = shipY + offsetDown - offsetUp;
    uint32_t* resources[6] = {gold, crystal, favors, shipMaterial, robotMaterial, buildingMaterial};
    const uint32_t bonuses[6] = {goldBonus,         crystalBonus,       favorsBonus,
                                 shipMaterialBonus, robotMaterialBonus, buildingMaterialBonus};

    for (int i = 0; i < PickupTable::kSlots; ++i) {
        if (!pickup.active[i]) continue;
        if (!PickupTouchesAxis(left, pickup.x[i] - camX) || !PickupTouchesAxis(top, pickup.y[i] - camY)) continue;
        pickup.active[i] = 0;
        pickupEvent = 1;
        const uint8_t kind = pickup.kind[i] < 6 ? pickup.kind[i] : static_cast<uint8_t>(kPickupGold);
        pickup.value[i] = static_cast<int32_t>(static_cast<uint32_t>(pickup.value[i]) + bonuses[kind]);
        if (resources[kind]) *resources[kind] += static_cast<uint32_t>(pickup.value[i]);

        const int t = floatingText.nextIndex;
        floatingText.active[t] = 1;
        floatingText.timer[t] = 1;
        floatingText.value[t] = pickup.value[i];
        floatingText.x[t] = pickup.x[i];
        floatingText.y[t] = pickup.y[i] - 30;
        floatingText.nextIndex = t + 1 >= FloatingTextTable::kSlots ? 0 : t + 1;
    }

    if (!questItem.enabled) return;
    for (int i = 0; i < QuestItemTable::kSlots; ++i) {
        if (questItem.kind[i] < 1 || questItem.kind[i] > 9 || !questItem.shown[i]) continue;
        if (!PickupTouchesAxis(left, questItem.x[i] - camX) || !PickupTouchesAxis(top, questItem.y[i] - camY)) {
            continue;
        }
        questItem.kind[i] = 0;
        questItem.shown[i] = 0;
        // The first two items finish the fetching quests.
        if (i == 0) QuestDoneEvent = 1;
        if (i == 1) QuestDoneEvent = 5;
    }
}

void BattleEngine::TestPortals(int32_t camX, int32_t camY, int32_t, int32_t) {
    const int32_t left = shipX + offsetRight - offsetLeft;
    const int32_t top = shipY + offsetDown - offsetUp;
    anyPortalTouched = 0;
    for (int p = 0; p < PortalTable::kSlots; ++p) {
        if (!portal.exists[p]) continue;
        portal.touched[p] = 0;
        if (PortalTouchesAxis(left, portal.x[p] - camX) && PortalTouchesAxis(top, portal.y[p] - camY)) {
            portal.touched[p] = 1;
            anyPortalTouched = 1;
        }
    }
    if (!anyPortalTouched) menuChoice = 0;
}
