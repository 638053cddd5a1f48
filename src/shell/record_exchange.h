#pragma once
#include <cstdint>

class BattleEngine;
class GameState;

// Every copy of a value from the game record to the battle engine or back:
// seeding the engine, the copies each area scene makes as an area loads,
// the copy-back while and when an area is left, and what the save takes
// from the engine. The scenes decide when; this module decides what.
// A rule that gives one value to both at once (the home base's repairs on
// arrival in areas/home_arrival_repairs, a factory upgrade in
// areas/base_placement, a robot made in screens/robot_making, a skill raise
// below) writes both sides where the rule lives: nothing is copied there.
namespace record_exchange {

// Skills whose charges and benefits the record and the engine trade as an
// area loads and is left (the other four live in the engine only).
inline constexpr int kRecordedSkills = 8;

// A new or loaded game: the ship, skills, bonuses, buildings and robots.
void SeedEngine(BattleEngine& engine, const GameState& state);
// An engine an area scene has just made: seeded, and every skill's charge,
// benefit and full charge, and the experience bonus.
void SeedNewAreaEngine(BattleEngine& engine, const GameState& state);
// The resource bonuses of the record's bonus block.
void CopyBonusesToEngine(const GameState& state, BattleEngine& engine);
// What the award picks raise: the goodies bonus and the resource bonuses.
void CopyAwardsToEngine(const GameState& state, BattleEngine& engine);
// The record's buildings (existing, kind, frame, level, position).
void CopyBuildingsToEngine(const GameState& state, BattleEngine& engine);
// The buildings' levels only (the Buildings page raised them), or one of them.
void CopyBuildingLevelsToEngine(const GameState& state, BattleEngine& engine);
void CopyBuildingLevelToEngine(const GameState& state, BattleEngine& engine, int slot);
// The factory's top level as a building is about to be placed.
void CopyTopFactoryLevelToEngine(const GameState& state, BattleEngine& engine);
// Where the engine put the top factory after a move.
void TakeFactoryPositionFromEngine(const BattleEngine& engine, GameState& state);

// One robot of the record into the engine's table (in use, operational,
// picture, rank, shields, armor, protection, attack, defence), or all 100.
void CopyRobotToEngine(const GameState& state, BattleEngine& engine, int slot);
void CopyRobotsToEngine(const GameState& state, BattleEngine& engine);
// Every robot's operational flag and current shields as the engine left them.
void TakeRobotStatesFromEngine(const BattleEngine& engine, GameState& state);
// One robot's armor as the engine holds it (after a repair added to it).
void TakeRobotArmorFromEngine(const BattleEngine& engine, GameState& state, int slot);

// A battle region's area loads: recorded skills (the full charge taken
// from the benefit), the ship's shields and armor, the robots by rank.
void CopyOnRegionLoad(const GameState& state, BattleEngine& engine);
// The home base loads: the first skill's charge is refilled from its
// benefit in the record, then the recorded skills and the robots by rank.
void CopyOnHomeLoad(GameState& state, BattleEngine& engine);
// The bought allies' flags as an area loads: all of them on a fresh
// arrival; on a return from a screen only those the engine has not set.
void HandOverAllyFlags(const GameState& state, BattleEngine& engine, bool returnedFromScreen);

// Every frame of a battle region: the ship's shields are the record's.
void CopyShipShieldsToEngine(const GameState& state, BattleEngine& engine);
// Every frame of a battle region, and when it spends shields or loses robots
// (the counts also as the home base repairs on arrival).
void CopySkillChargesBack(const BattleEngine& engine, GameState& state);
void CopyRobotCountsBack(const BattleEngine& engine, GameState& state);
// The first `robots` robots' state (operational, shields, armor), then the counts by rank.
void CopyRobotsBack(const BattleEngine& engine, GameState& state, int robots);
// A battle region is left for another scene: the first half of the robots
// again, and the recorded skills' charges and full charges as benefits.
void CopyBackOnLeavingRegion(const BattleEngine& engine, GameState& state);
// The home base's building positions (its leave step and every drop).
void CopyBuildingPositionsBack(const BattleEngine& engine, GameState& state);

// Skills from here on are the explosions (the Electron, Neutron and Proton
// rings and Armageddon): their benefit is the power the engine strikes with,
// kept in the record as the skill's charge.
inline constexpr int kFirstExplosionSkill = 8;

// A raise of skill k confirmed on the Skills page takes effect at once: one
// level and `amount` of benefit in the record, one skill point spent, and the
// engine's copy of the benefit (and an explosion's power) made equal to it.
void RecordSkillRaise(GameState& state, BattleEngine& engine, int k, uint32_t amount);
// The explosion skills' benefits become their power in the record and the
// engine (the Skills page does this when it is left).
void CopyExplosionPowers(GameState& state, BattleEngine& engine);

// What the Your Ship page reads from the engine as it opens: the attack
// setting, the active Extra Armor and Ship Protection skills (only shown),
// and the damage not yet repaired as amounts below the record's maximums.
struct ShipFromEngine {
    uint8_t fireMode = 1;
    uint32_t extraArmor = 0;
    uint32_t protectionBonus = 0;
    uint32_t armorMissing = 0;
    uint32_t shieldsMissing = 0;
};
ShipFromEngine ReadShipFromEngine(const BattleEngine& engine, const GameState& state);

// The storage a Storage building of the home base asked for (0 none); the
// request is taken, so a later visit opens none.
uint32_t TakeStorageRequest(GameState& state, BattleEngine& engine);

// The ship's fighting values the Your Ship page worked out from its items.
struct ShipValues {
    uint32_t attacks[5] = {};  // per weapon position, 0 when empty
    uint8_t fireMode = 1;
    uint32_t shields = 0, shieldsMax = 0;
    uint32_t armor = 0, armorMax = 0;
    uint32_t defence = 0;
    uint32_t protection[3] = {};
};
// The page's speed, into the engine and the record (as the page is left).
void HandOverShipSpeed(uint32_t speed, GameState& state, BattleEngine& engine);
// The values into the record and the engine as the page is left. The
// barrels follow the record's weapon positions, which must already be the
// page's.
void WriteShipValues(const ShipValues& ship, GameState& state, BattleEngine& engine);

// What the save takes from the engine before it writes the record: the
// robots by rank, the recorded skills' charges the skill bar spends, the
// barrel damages and the volley. The weapon positions stay the record's
// own item ids.
void TakeEngineValuesForSave(const BattleEngine& engine, GameState& state);

}  // namespace record_exchange
