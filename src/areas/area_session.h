#pragma once
#include <cstddef>
#include <cstdint>

#include "areas/area_sounds.h"

// What the home base and the battle regions share while the ship flies: the
// area clock, carried across visits to the screens and restarted by travel
// into a new area, the rings' sound flags, and the count of each area sound
// played. The scene table makes one and hands it to every area scene.
struct AreaSession {
    static constexpr size_t kSoundCount = static_cast<size_t>(AreaSound::Count);

    // Whole seconds in the current area: since the last restart plus the
    // mark carried across visits to the screens.
    uint8_t clockRestart = 1;
    uint32_t clockStart = 0;
    uint32_t clockMark = 0;
    uint32_t secondsInArea = 0;
    // Sound flags of the three shock-wave rings: 1 started, 2 sounded.
    uint8_t ringSounds[3] = {};
    // Plays per area sound, in the order of the sound table (tests read it).
    uint32_t soundsPlayed[kSoundCount] = {};
};
