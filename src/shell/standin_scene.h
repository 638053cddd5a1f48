#pragma once
#include <cstdint>

class GameApp;

// A placeholder for a scene whose screen is not built yet. It keeps the
// scene protocol and the way back that the rest of the game relies on, and
// shows its name so that a player sees where they are.
enum class StandInKind : uint8_t {
    Management,  // shortcut keys; Back returns to the area the record names
    Area,        // an area: shortcut keys; Backspace or Esc opens save-and-quit
    FrontEnd,    // Esc or Back returns to the main menu
};

void RunStandInScene(GameApp& app, const char* title, StandInKind kind, uint32_t areaLocation = 0);
