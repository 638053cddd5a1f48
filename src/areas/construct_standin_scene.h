#pragma once
#include <cstdint>

#include "shell/scene.h"

// A plain Construct Buildings page until the real screen is built: a list of
// the twelve kinds with their costs. Choosing one pays for it and sends the
// player back to the home base carrying the new building, as the real screen
// will; refusals show a line of text instead of its message boxes.
class ConstructStandInScene : public Scene {
public:
    void Frame(GameApp& app) override;
    void Enter(GameApp& app) override;

    // The page's state, fresh on every entry.
    struct Page {
        int chosen = 0;  // kind 0-11
        const char* message = nullptr;
        uint32_t messageSince = 0;
        uint8_t held = 0;        // the left button is down
        uint8_t pressedRow = 0;  // row + 1 it went down on
    };

private:
    Page page_;
};
