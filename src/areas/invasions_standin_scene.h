#pragma once

#include "shell/standin_scene.h"

// The second region until its scene is built: an area stand-in from which
// Return flies back to the home base.
class InvasionsStandInScene : public StandInScene {
public:
    static constexpr uint32_t kLocation = 3;

    InvasionsStandInScene() : StandInScene("Second Region (Return: back to base)", StandInKind::Area, kLocation) {}

    void Frame(GameApp& app) override;
};
