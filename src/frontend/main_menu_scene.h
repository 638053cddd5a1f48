#pragma once

#include "shell/scene.h"

// The main menu stands in for the real menu screen: it keeps the menu's
// duties (the camera, the battle engine, the slot probe, a new game in the
// first free slot) and offers its choices as keys.
class MainMenuScene : public Scene {
public:
    void Frame(GameApp& app) override;
    void Enter(GameApp& app) override;
};
