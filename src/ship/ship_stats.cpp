#include "ship/ship_stats.h"

#include "ship/ship_loadout.h"

namespace {

struct ItemSums {
    uint32_t defence = 0;
    uint32_t armor = 0;
    uint32_t shields = 0;
    uint32_t protection[kProtectionKinds] = {};
};

void AddProtection(const ItemPool& pool, ItemId id, ItemSums& sums) {
    const int k = static_cast<int>(id - 1);
    sums.defence += pool.defence[k];
    const uint32_t amount = pool.protection[k];
    if (amount == 0) return;
    const uint8_t type = pool.protectionType[k];
    for (int t = 0; t < kProtectionKinds; ++t) {
        if (type == t || type == kAllProtections) sums.protection[t] += amount;
    }
}

uint32_t LessMissing(uint32_t total, uint32_t missing) { return total > missing ? total - missing : 0; }

}  // namespace

ShipStats ComputeShipStats(const ShipLoadout& loadout, const ShipHull& hull, uint32_t armorMissing,
                           uint32_t shieldsMissing) {
    const ItemPool& pool = loadout.pool;
    ItemSums sums;
    for (ItemId id : loadout.armorPositions) {
        if (!pool.Exists(id)) continue;
        sums.armor += pool.stat[id - 1];
        AddProtection(pool, id, sums);
    }
    for (ItemId id : loadout.shieldPositions) {
        if (!pool.Exists(id)) continue;
        sums.shields += pool.stat[id - 1];
        AddProtection(pool, id, sums);
    }
    ShipStats stats;
    for (int w = 0; w < kWeaponPositionCount; ++w) {
        const ItemId id = loadout.weaponPositions[w];
        stats.attack[w] = pool.Exists(id) ? pool.stat[id - 1] : 0;
    }
    if (pool.Exists(loadout.enginePosition)) {
        stats.speed = pool.stat[loadout.enginePosition - 1];
        sums.defence += pool.defence[loadout.enginePosition - 1];
    }
    stats.defence = hull.defence + sums.defence;
    stats.armorMax = hull.armor + sums.armor;
    stats.armor = LessMissing(stats.armorMax, armorMissing);
    stats.shieldsMax = hull.shields + sums.shields;
    stats.shields = LessMissing(stats.shieldsMax, shieldsMissing);
    for (int t = 0; t < kProtectionKinds; ++t) stats.protection[t] = hull.protection[t] + sums.protection[t];
    return stats;
}

uint32_t EffectiveUpgradeCost(uint32_t cost, uint32_t discount) { return cost > discount ? cost - discount : 0; }

bool ApplyShipUpgrade(ShipUpgradeAccount& account, ShipHull& hull, uint8_t& itemsMax) {
    const uint32_t price = EffectiveUpgradeCost(account.cost, account.discount);
    if (price > account.material) return false;
    account.upgrades += 1;
    account.material -= price;
    account.cost += ShipUpgradeTerms::kCostStep;
    // A byte would wrap after 85 upgrades; a limit above the top (an old
    // save) is kept as it is.
    if (itemsMax < ShipUpgradeTerms::kItemsTop) {
        const int raised = itemsMax + ShipUpgradeTerms::kItemsStep;
        itemsMax = static_cast<uint8_t>(raised < ShipUpgradeTerms::kItemsTop ? raised : ShipUpgradeTerms::kItemsTop);
    }
    hull.shields += ShipUpgradeTerms::kShields;
    hull.armor += ShipUpgradeTerms::kArmor;
    hull.defence += ShipUpgradeTerms::kDefence;
    for (uint32_t& p : hull.protection) p += ShipUpgradeTerms::kProtection;
    return true;
}
