#pragma once

#include "shell/scene.h"

// The new-game slot picker, shown when all five slots are used: the player
// picks the slot the new game will overwrite, then names the pilot.
class NewGameSlotScene : public Scene {
public:
    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;

private:
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
};
