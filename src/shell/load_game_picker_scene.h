#pragma once

#include "shell/scene.h"

// The load picker: the five slots; a used one picked by its number key or
// its button is loaded by the load scene, which continues in the home base.
class LoadGamePickerScene : public Scene {
public:
    void Frame(GameApp& app) override;
    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
};
