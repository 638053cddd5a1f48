#pragma once
#include <cstdint>
#include <string>

#include "shell/item_pool.h"
#include "ship/ship_places.h"

// One place an item can lie in: a hold cell, a cell of a storage or a ship
// position. Numbers are 1-based; `storage` matters for storage cells only.
struct Place {
    PlaceKind kind = PlaceKind::kNone;
    int number = 0;
    uint32_t storage = 0;
};

// The Your Ship screen's copy of the items and their places, and the rules
// for moving an item between them: every existing item lies in one place,
// its corner and storage number follow the place, ship positions take one
// class each and the count of installed items stays within the limit.
class ShipLoadout {
public:
    static constexpr int kStorages = 99;
    // Installed items never need more room than there are ship positions.
    static constexpr uint8_t kItemsLimitCap = kShipPositionCount;

    enum class FitResult : uint8_t { kMoved, kWrongClass, kLimit, kNoPlace };

    static bool IsShipPosition(PlaceKind kind);

    // The id stored in a place, or null for a place that does not exist.
    uint32_t* Slot(const Place& place);
    ItemId ItemAt(const Place& place) const;
    // Empties a place and returns what lay there (0 for nothing). An id
    // whose pool entry is empty counts as nothing and stays where it is.
    ItemId TakeOut(const Place& place);
    // Puts `held` into a place; what lay there becomes the held item (none
    // for an id of an empty entry). A ship position refuses an item of
    // another class first, then any item once the limit is reached, even in
    // exchange for one already installed.
    FitResult PutIn(const Place& place, ItemId& held);

    // The rules every writer keeps, checked: each id in a place exists and
    // lies in no other place (nor on the cursor as `held`), every existing
    // item lies somewhere, storage numbers and corners follow the places,
    // positions hold their class and the installed count agrees. Empty when
    // they hold, else the first rule found broken.
    std::string FindFault(ItemId held = 0) const;

    ItemPool pool;
    uint32_t hold[kHoldCells] = {};
    uint32_t storages[kStorages][kStorageCellCount] = {};
    uint32_t armorPositions[kArmorPositionCount] = {};
    uint32_t shieldPositions[kShieldPositionCount] = {};
    uint32_t weaponPositions[kWeaponPositionCount] = {};
    uint32_t enginePosition = 0;
    uint8_t itemsMax = 3;        // installed-items limit
    uint8_t itemsInstalled = 0;  // items on ship positions
};
