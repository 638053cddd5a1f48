#pragma once
#include <cstdint>

#include "shell/item_pool.h"

class ShipLoadout;

// The ship without items; each upgrade raises it.
struct ShipHull {
    uint32_t shields = 0;
    uint32_t armor = 0;
    uint32_t defence = 0;
    uint32_t protection[kProtectionKinds] = {};  // atomic, chemical, electrical
};

// The fighting values worked out from the hull and the installed items.
// Damage not yet repaired is kept as the missing amount, so armor and
// shields follow the items at once while the damage stays.
struct ShipStats {
    uint32_t defence = 0;
    uint32_t armorMax = 0;    // hull + items
    uint32_t armor = 0;       // armorMax - missing, never below 0
    uint32_t shieldsMax = 0;
    uint32_t shields = 0;
    uint32_t protection[kProtectionKinds] = {};
    uint32_t attack[5] = {};  // per weapon position
    uint32_t speed = 0;       // the engine's; 0 without one
};

ShipStats ComputeShipStats(const ShipLoadout& loadout, const ShipHull& hull, uint32_t armorMissing,
                           uint32_t shieldsMissing);

// What one upgrade buys, and its price.
struct ShipUpgradeTerms {
    static constexpr uint32_t kShields = 1;
    static constexpr uint32_t kArmor = 2;
    static constexpr uint32_t kProtection = 1;
    static constexpr uint32_t kDefence = 1;
    static constexpr uint32_t kCostStep = 200;
    static constexpr uint8_t kItemsStep = 3;
    // 3 + 3 x 16: one more than the 50 positions, which the screen shows as
    // "All Slots!". The limit stops there instead of wrapping round as a byte.
    static constexpr uint8_t kItemsTop = 51;
};

// The ship material an upgrade costs after the discount, never below 0.
uint32_t EffectiveUpgradeCost(uint32_t cost, uint32_t discount);

// The running account of upgrades.
struct ShipUpgradeAccount {
    uint32_t upgrades = 0;
    uint32_t cost = 0;      // before the discount
    uint32_t discount = 0;
    uint32_t material = 0;  // ship material
};

// Pays for one upgrade and raises the hull, the next cost and the items
// limit (which stops at kItemsTop). False, with nothing
// changed, when the material does not cover the cost.
bool ApplyShipUpgrade(ShipUpgradeAccount& account, ShipHull& hull, uint8_t& itemsMax);
