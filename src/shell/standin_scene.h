#pragma once
#include <cstdint>

#include "shell/scene.h"

// A placeholder for a scene whose screen is not built yet. It keeps the
// scene protocol and the way back that the rest of the game relies on, and
// shows its name so that a player sees where they are.
enum class StandInKind : uint8_t {
    Management,  // shortcut keys; Back returns to the area the record names
    Area,        // an area: shortcut keys; Backspace or Esc opens save-and-quit
    FrontEnd,    // Esc or Back returns to the main menu
};

class StandInScene : public Scene {
public:
    // areaLocation: the record's location while an Area stand-in shows.
    StandInScene(const char* title, StandInKind kind, uint32_t areaLocation = 0)
        : title_(title), kind_(kind), areaLocation_(areaLocation) {}

    void Frame(GameApp& app) override;

private:
    void ActOnInput(GameApp& app);

    const char* title_;
    StandInKind kind_;
    uint32_t areaLocation_;
};
