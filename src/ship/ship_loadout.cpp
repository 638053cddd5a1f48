#include "ship/ship_loadout.h"

#include <vector>

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
    // An id whose entry is empty is no item: on the cursor it would be
    // something no place accepts.
    if (!slot || !pool.Exists(*slot)) return 0;
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
    const ItemId out = pool.Exists(*slot) ? *slot : 0;
    const PlaceRect rect = RectOf(place.kind, place.number);
    const uint8_t storage = place.kind == PlaceKind::kStorage ? static_cast<uint8_t>(place.storage) : 0;
    pool.Place(held, rect.cornerX, rect.cornerY, storage);
    *slot = held;
    if (out != 0) pool.storageNumber[out - 1] = 0;
    if (position) {
        if (out != 0 && itemsInstalled > 0) --itemsInstalled;
        ++itemsInstalled;
    }
    held = out;
    return FitResult::kMoved;
}

namespace {

// Walks every place once and notes the first broken rule.
class FaultFinder {
public:
    explicit FaultFinder(const ItemPool& pool) : pool_(pool), placeOf_(ItemPool::kItemCount + 1) {}

    void Visit(ItemId id, const std::string& where, const Place& place) {
        if (id == 0 || !fault.empty()) return;
        if (!pool_.Exists(id)) {
            fault = where + " holds the free id " + std::to_string(id);
            return;
        }
        if (!placeOf_[id].empty()) {
            fault = "id " + std::to_string(id) + " lies in " + placeOf_[id] + " and " + where;
            return;
        }
        placeOf_[id] = where;
        const int k = static_cast<int>(id - 1);
        const uint8_t storage = place.kind == PlaceKind::kStorage ? static_cast<uint8_t>(place.storage) : 0;
        if (pool_.storageNumber[k] != storage) fault = where + ": storage number " + std::to_string(pool_.storageNumber[k]);
        const PlaceRect r = RectOf(place.kind, place.number);
        // The new game's sphere lies one pixel right of its storage cell's corner.
        const int32_t slack = place.kind == PlaceKind::kStorage ? 1 : 0;
        const int32_t dx = pool_.x[k] - r.cornerX;
        if (pool_.y[k] != r.cornerY || dx < 0 || dx > slack) {
            fault = where + ": corner " + std::to_string(pool_.x[k]) + "," + std::to_string(pool_.y[k]);
        }
        const int accepted = AcceptedClass(place.kind);
        if (accepted < 0) return;
        ++installed;
        if (pool_.itemClass[k] != accepted) fault = where + ": class " + std::to_string(pool_.itemClass[k]);
    }

    bool Placed(ItemId id) const { return ItemPool::ValidId(id) && !placeOf_[id].empty(); }
    const std::string& PlaceOf(ItemId id) const { return placeOf_[id]; }

    std::string fault;
    int installed = 0;

private:
    const ItemPool& pool_;
    std::vector<std::string> placeOf_;
};

}  // namespace

std::string ShipLoadout::FindFault(ItemId held) const {
    FaultFinder finder(pool);
    for (int c = 0; c < kHoldCells; ++c) finder.Visit(hold[c], "hold cell " + std::to_string(c), {PlaceKind::kHold, c + 1, 0});
    for (int s = 0; s < kStorages; ++s) {
        for (int c = 0; c < kStorageCellCount; ++c) {
            const uint32_t number = static_cast<uint32_t>(s + 1);
            finder.Visit(storages[s][c], "storage " + std::to_string(number) + " cell " + std::to_string(c),
                         {PlaceKind::kStorage, c + 1, number});
        }
    }
    const ShipPosition* positions = ShipPositions();
    for (int p = 0; p < kShipPositionCount; ++p) {
        const Place place{positions[p].kind, positions[p].number, 0};
        finder.Visit(ItemAt(place), "ship position " + std::to_string(p), place);
    }
    if (!finder.fault.empty()) return finder.fault;
    if (finder.Placed(held)) return "the held item also lies in " + finder.PlaceOf(held);
    if (pool.Exists(held) && pool.storageNumber[held - 1] != 0) return "the held item has a storage number";
    for (int k = 0; k < ItemPool::kItemCount; ++k) {
        const ItemId id = static_cast<ItemId>(k + 1);
        if (pool.exists[k] && id != held && !finder.Placed(id)) return "item " + std::to_string(id) + " lies nowhere";
    }
    if (finder.installed != itemsInstalled) {
        return std::to_string(finder.installed) + " installed but the count says " + std::to_string(itemsInstalled);
    }
    return {};
}
