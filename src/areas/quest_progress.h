#pragma once
#include <cstdint>

class ControlPanel;
class GameApp;
class RegionScene;
struct BonusBlock;

inline constexpr uint8_t kFirstRegionQuests = 12;
// A finished quest pays ten times each bonus word on top of its gifts.
inline constexpr uint32_t kGiftBonusTimes = 10;

// Adds `times` each bonus word to the panel's seven gift amounts, then writes
// the seven gift texts.
void AddQuestGiftBonuses(ControlPanel& panel, const BonusBlock& bonus, uint32_t times);
void WriteGiftTexts(ControlPanel& panel);

// As an area loads: the bought allies' flags go to the engine and the
// region's helpers are placed.
void HandOverAllies(GameApp& app, RegionScene& scene);

// The first region's quest steps, run inside its frame: the quest items
// dropped in their areas (the same areas and quest slots in both regions),
// the checks of each quest area, the completion with gifts and payment, and
// the advisor's hint to fly home after the first quest.
void PlaceQuestDrops(GameApp& app, RegionScene& scene);
void CheckEarthSystemQuests(GameApp& app, RegionScene& scene);
void CompleteQuest(GameApp& app, RegionScene& scene);
void ShowReturnHint(GameApp& app, RegionScene& scene);
// Every frame in the region's convoy areas the convoy flies up the area.
void MoveConvoy(GameApp& app, RegionScene& scene);
// The last quest of the first set: on to the second through the galaxy.
void ChangeToInvasions(GameApp& app);
