#pragma once
#include <cstdint>

// Everything that stands between an enemy shot and the ship's armor. The
// values are the engine's, copied in before a hit and written back after.
struct ShipDefences {
    uint32_t protection[3] = {};  // typed protections 1-3
    uint32_t defence = 0;
    uint32_t shipProtection = 0;  // skill values, worn down by hits
    uint32_t particleShields = 0;
    uint32_t shieldsRecharge = 0;
    uint32_t hardShields = 0;
    uint32_t extraArmor = 0;
    uint32_t hardArmor = 0;
    uint32_t shields = 0;
    uint32_t armor = 0;
    uint8_t armorGlow = 0;
    // Set by the hit: which stages ran and whether particle shields took part.
    uint8_t shieldStageRan = 0;
    uint8_t armorStageRan = 0;
    uint8_t particleAbsorbed = 0;
};

// `value` absorbs as much of `damage` as it holds.
void Absorb(uint32_t& value, uint32_t& damage);

// Damage left after the fourteen defence steps (one point per threshold
// the defence passes, never below 0).
uint32_t AfterDefence(uint32_t damage, uint32_t defence);

// One enemy shot of `damage` and type 0-3 hitting the ship: all arithmetic
// unsigned, as the game keeps its values.
void ApplyShipHit(ShipDefences& ship, uint32_t damage, uint8_t damageType);
