#pragma once

#include "shell/standin_scene.h"

// The save-and-quit question: Y saves and quits to the main menu; N or Esc
// goes back to the area the player came from.
class SaveQuitScene : public StandInScene {
public:
    SaveQuitScene() : StandInScene("Save and quit? (Y / N)", StandInKind::FrontEnd) {}

    void Frame(GameApp& app) override;
};
