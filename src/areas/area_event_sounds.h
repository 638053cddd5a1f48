#pragma once
#include <cstdint>

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

// The areas turn the same engine event into the same sound, except for the
// cry: the home base and the first region cry out when a ship, robot or ally
// is hit, the second region when an enemy dies.
struct EventSoundSet {
    EventSound cry;
};

// The home base's and the first region's cry.
const EventSoundSet& BaseEventSounds();
// The second region's.
const EventSoundSet& InvasionsEventSounds();
