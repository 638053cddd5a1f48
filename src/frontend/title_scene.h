#pragma once

#include "shell/scene.h"

// The title scene stands in for the real title screen: it reads the options,
// shows the game's name in the 400 x 400 window and, on a key or a click,
// moves to the full-screen main menu.
class TitleScene : public Scene {
public:
    void Frame(GameApp& app) override;
    void Enter(GameApp& app) override;
};
