#pragma once
#include <cstdint>
#include <span>

#include "areas/area_sounds.h"

class BattleEngine;

// An event byte that plays when it reads 1 and then becomes `after` (2 for
// those the engine's clock cools down, 0 for the others). A cycled row plays
// the sound that many steps on as the panel's sound cycle reads (0-2).
struct EventSound {
    uint8_t BattleEngine::*flag;
    AreaSound sound;
    uint8_t after;
    bool cycled = false;
};

// Which engine events an area scene turns into sounds: the ones played
// whenever no jingle runs, and the battle ones held back also after a
// level-up and while an area is entered afresh.
struct EventSoundSet {
    std::span<const EventSound> pickups;
    std::span<const EventSound> battle;
    bool overlays;   // the overlay bytes the battle view raises: a crash, then six zings
    bool modulator;  // the first step of an emergency escape
};

// The home base's and the first region's events.
const EventSoundSet& BaseEventSounds();
// The second region's.
const EventSoundSet& InvasionsEventSounds();
