#pragma once
#include <cstdint>

class InputDevice;

// How every management screen turns the mouse into actions and asks its
// host scene for sounds. A screen never plays a sound or touches the game
// record: it raises request bytes, and the scene hosting it plays them.

// Interface sounds the host plays on channel 1 at the record's sound volume.
inline constexpr const char* kStampSound = "Data\\STAMP.wav";     // a button click
inline constexpr const char* kBoxSound = "Data\\RIGHTDEF.wav";    // a help box shown
inline constexpr const char* kHoverSound = "Data\\SNAP1.wav";     // the pointer entered a button

// clickSound states.
inline constexpr uint8_t kClickRequested = 1;
inline constexpr uint8_t kClickPlayNow = 2;

// Animation tick lengths.
inline constexpr uint32_t kScreenTickMs = 100;
inline constexpr uint32_t kAwardsTickMs = 35;

// Last tick on which a message is still shown.
inline constexpr uint8_t kNotEnoughTicks = 8;   // "Not enough material" and its kin
inline constexpr uint8_t kNotAtBaseTicks = 11;  // "You must be at Base to ..."
inline constexpr uint8_t kRobotsMessageTicks = 7;

// Pages of the scrolling lists run 0..99.
inline constexpr uint8_t kLastPage = 99;

// The 100 ms (or 35 ms) clock of Animate: state 1 notes the time and waits;
// state 2 runs one tick once more than the tick length has passed.
struct ScreenTick {
    uint8_t state = 1;
    uint32_t start = 0;

    // True on the call that runs a tick.
    bool Tick(uint32_t lengthMs);
};

// A shown message: 0 hidden, else ticks since it started. One tick on;
// back to 0 once past lastTick.
void AdvanceMessageTimer(uint8_t& timer, uint8_t lastTick);

// The flash of a row just upgraded or awarded: the fade brightens by 20 a
// tick until it passes 170, then falls by 30 a tick and ends below 40.
void StepFlash(uint8_t& fade, uint8_t& falling);

// The stars' spin: step radians a tick, back to 0 past a full turn.
float StepSpin(float angle, float step);

// Hovering nothing (or a non-button area): no hover sound, and a click
// sound that waits for the pointer to leave its button plays now.
void QuietHover(uint8_t& hoverSound, uint8_t& clickSound);

// Reads the buttons for a click: false when neither the left nor the right
// button is pressed. When both are down the right one wins.
bool ReadClickButtons(InputDevice* mouse, uint8_t& leftDown, uint8_t& rightDown);

// True when neither mouse button is down: the host re-arms the screen.
bool MouseButtonsUp(InputDevice* mouse);

// The page after a scroll step of -10, -1, +1 or +10, kept within 0..99.
uint8_t PageAfter(uint8_t page, int step);

// What the host plays this frame for a screen's sound requests, in this
// order. `guard` is the screen's re-arm byte for clicks: while it is clear
// (a button still down) a requested click sound is played at once. It is
// clickSoundArmed on the Buildings and Construct pages, pickArmed on Awards,
// rowArmed on Wealth, stampArmed on Make Robots and Robots, hoverEnabled on
// Notes; their help-click byte is the box sound.
struct InterfaceSounds {
    bool stamp = false;
    bool box = false;
    bool hover = false;
};
InterfaceSounds TakeInterfaceSounds(uint8_t& clickSound, uint8_t guard, uint8_t& boxSound, uint8_t hoverSound,
                                    uint8_t& lastHoverSound);
