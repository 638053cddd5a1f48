#pragma once
#include <cstdint>

// The front-end screens' hover sound: due once each time the pointer comes
// onto a new button, not again while it rests there. Nothing under the
// pointer clears the memory, so coming back sounds again.
inline bool HoverSoundDue(uint8_t hoverForSound, uint8_t& lastHoverSound) {
    if (hoverForSound == 0) {
        lastHoverSound = 0;
        return false;
    }
    if (hoverForSound == lastHoverSound) return false;
    lastHoverSound = hoverForSound;
    return true;
}
