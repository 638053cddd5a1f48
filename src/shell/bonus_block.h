#pragma once
#include <cstdint>

// Bonus and discount values raised by awards and buildings, read by the
// screens and the battle engine. Fourteen words, saved in field order.
struct BonusBlock {
    static constexpr int kWordCount = 14;

    uint32_t goldBonus = 0;
    uint32_t crystalBonus = 0;
    uint32_t reservedBonus = 0;  // never raised
    uint32_t favorsBonus = 0;
    uint32_t shipMaterialBonus = 0;
    uint32_t shipUpgradeDiscount = 0;
    uint32_t shipRepairDiscount = 0;
    uint32_t robotMaterialBonus = 0;
    uint32_t robotMakeDiscount = 0;
    uint32_t robotUpgradeDiscount = 0;
    uint32_t robotRepairDiscount = 0;
    uint32_t buildingMaterialBonus = 0;
    uint32_t reservedDiscount = 0;  // never raised
    uint32_t buildingUpgradeDiscount = 0;

    // Word i of the block in field order (0..13), for the save file and the
    // battle engine's copy.
    uint32_t& Word(int index);
    uint32_t Word(int index) const;
    void Clear();
};
