#pragma once
#include <cstdint>

class ControlPanel;
struct BonusBlock;

inline constexpr uint8_t kFirstRegionQuests = 12;
// A finished quest pays ten times each bonus word on top of its gifts.
inline constexpr uint32_t kGiftBonusTimes = 10;

// Adds `times` each bonus word to the panel's seven gift amounts, then writes
// the seven gift texts.
void AddQuestGiftBonuses(ControlPanel& panel, const BonusBlock& bonus, uint32_t times);
void WriteGiftTexts(ControlPanel& panel);
