#pragma once
#include <cstdint>

class GameApp;
struct AreaSession;

// The sounds of the area scenes: one row per event, with its file, the
// channel it plays on and the offset added to the player's sound volume.
enum class AreaSound : uint8_t {
    Stamp,         // a screen button acted
    Modulator,
    Arrival,       // a fresh arrival in an area
    Accent,        // level up
    Snap,          // the pointer moved onto a new panel control
    Pick,
    Ray,
    AllyVoice,
    RingOne,
    RingTwo,
    RingThree,
    Armageddon,
    Electric,
    EnemyFire,
    ShipHitCry,
    ShipHitSmash,
    ShipHitBattle,
    RobotVoice,
    DropCollected,
    BigExplosion,
    Explosion,
    Upgrade,       // a building upgraded at the home base
    StampAtBase,   // a screen button acted at the home base
    Count,
};

struct AreaSoundRow {
    const char* file;
    uint8_t channel;
    int8_t volumeOffset;
};

const AreaSoundRow& AreaSoundAt(AreaSound sound);

// The sound volume plus an offset, held within 0..100 (the channels would
// otherwise wrap a loud sum round to a whisper).
int32_t AreaSoundVolume(uint32_t soundVolume, int32_t offset);

// Plays the sound once on its channel and counts it; silent while sounds are off.
void PlayAreaSound(GameApp& app, AreaSession& area, AreaSound sound);
