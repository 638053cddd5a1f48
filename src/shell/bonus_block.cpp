#include "shell/bonus_block.h"

namespace {

constexpr uint32_t BonusBlock::*kFields[BonusBlock::kWordCount] = {
    &BonusBlock::goldBonus,           &BonusBlock::crystalBonus,         &BonusBlock::reservedBonus,
    &BonusBlock::favorsBonus,         &BonusBlock::shipMaterialBonus,    &BonusBlock::shipUpgradeDiscount,
    &BonusBlock::shipRepairDiscount,  &BonusBlock::robotMaterialBonus,   &BonusBlock::robotMakeDiscount,
    &BonusBlock::robotUpgradeDiscount, &BonusBlock::robotRepairDiscount, &BonusBlock::buildingMaterialBonus,
    &BonusBlock::reservedDiscount,    &BonusBlock::buildingUpgradeDiscount,
};

int ClampIndex(int index) { return index < 0 ? 0 : (index >= BonusBlock::kWordCount ? BonusBlock::kWordCount - 1 : index); }

}  // namespace

uint32_t& BonusBlock::Word(int index) { return this->*kFields[ClampIndex(index)]; }

uint32_t BonusBlock::Word(int index) const { return this->*kFields[ClampIndex(index)]; }

void BonusBlock::Clear() { *this = BonusBlock{}; }
