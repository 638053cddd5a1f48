#pragma once
#include <cstdint>
#include <span>

class ControlPanel;
class GameApp;
class GameState;
class RegionScene;
struct BonusBlock;

inline constexpr uint8_t kFirstRegionQuests = 12;
inline constexpr int kQuestUnitFirst = 30;  // the allies a defence quest protects
inline constexpr int kQuestUnitLast = 41;
inline constexpr int kConvoyFirst = 30;
inline constexpr int kConvoyLast = 32;

// When a quest's notice says it is failing (it stays active all the same).
enum class QuestFail : uint8_t { Never, AfterTimeNoUnits, NoUnits };

// One quest's check, met when every condition given holds.
struct QuestCheck {
    uint8_t quest;  // within the set, 1-12
    uint8_t area;
    int16_t moreThanSeconds;  // -1: no time condition
    bool noEnemy;
    int8_t unitsFirst, unitsLast;  // some ally of the range must be active; -1 none
    bool convoy;                   // and the convoy beyond its line
    uint32_t convoyArmor;
    bool enemyZeroGone;
    uint8_t nextQuest;  // made active by the check itself
    bool endsSet;       // the set's last quest: the region decides what follows
    QuestFail fail;
};

// Runs every row of the area whose quest is active: a met row raises the
// quest's done event and gives the next quest, a failing one the panel's
// notice (any non-zero value shows it). Returns the met row that ends the
// set (its event is not raised).
const QuestCheck* RunQuestChecks(GameApp& app, RegionScene& scene, std::span<const QuestCheck> checks,
                                 uint8_t failedNotice);
// Quest q is done: the jingle, the news flags, the popup, the gifts with ten
// times each bonus, the gift skill and the payment.
void PayQuest(GameApp& app, uint8_t q);
void MakeActiveIfNotGiven(GameState& state, int quest);
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
