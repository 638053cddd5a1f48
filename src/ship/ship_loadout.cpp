#include "ship/ship_loadout.h"

bool ShipLoadout::IsShipPosition(PlaceKind kind) { return AcceptedClass(kind) >= 0; }

uint32_t* ShipLoadout::Slot(const Place& place) {
    const int n = place.number;
    switch (place.kind) {
        case PlaceKind::kHold: return n >= 1 && n <= kHoldCells ? &hold[n - 1] : nullptr;
        case PlaceKind::kStorage:
            if (place.storage < 1 || place.storage > kStorages || n < 1 || n > kStorageCellCount) return nullptr;
            return &storages[place.storage - 1][n - 1];
        case PlaceKind::kArmor: return n >= 1 && n <= kArmorPositionCount ? &armorPositions[n - 1] : nullptr;
        case PlaceKind::kShield: return n >= 1 && n <= kShieldPositionCount ? &shieldPositions[n - 1] : nullptr;
        case PlaceKind::kWeapon: return n >= 1 && n <= kWeaponPositionCount ? &weaponPositions[n - 1] : nullptr;
        case PlaceKind::kEngine: return n == 1 ? &enginePosition : nullptr;
        default: return nullptr;
    }
}

ItemId ShipLoadout::ItemAt(const Place& place) const {
    const uint32_t* slot = const_cast<ShipLoadout*>(this)->Slot(place);
    return slot ? *slot : 0;
}

ItemId ShipLoadout::TakeOut(const Place& place) {
    uint32_t* slot = Slot(place);
    if (!slot || *slot == 0) return 0;
    const ItemId id = *slot;
    *slot = 0;
    if (ItemPool::ValidId(id)) pool.storageNumber[id - 1] = 0;
    if (IsShipPosition(place.kind) && itemsInstalled > 0) --itemsInstalled;
    return id;
}

ShipLoadout::FitResult ShipLoadout::PutIn(const Place& place, ItemId& held) {
    uint32_t* slot = Slot(place);
    if (!slot || !pool.Exists(held)) return FitResult::kNoPlace;
    const bool position = IsShipPosition(place.kind);
    if (position) {
        if (pool.itemClass[held - 1] != AcceptedClass(place.kind)) return FitResult::kWrongClass;
        if (itemsInstalled >= itemsMax) return FitResult::kLimit;
    }
    const ItemId out = *slot;
    const PlaceRect rect = RectOf(place.kind, place.number);
    const uint8_t storage = place.kind == PlaceKind::kStorage ? static_cast<uint8_t>(place.storage) : 0;
    pool.Place(held, rect.cornerX, rect.cornerY, storage);
    *slot = held;
    if (ItemPool::ValidId(out)) pool.storageNumber[out - 1] = 0;
    if (position) {
        if (out != 0 && itemsInstalled > 0) --itemsInstalled;
        ++itemsInstalled;
    }
    held = out;
    return FitResult::kMoved;
}
