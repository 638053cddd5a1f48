#pragma once

#include "shell/scene.h"

// The one-frame hall-of-fame writer: the finished game's level is offered to
// the five best results, and the table goes back to its file.
class WriteHallOfFameScene : public PicturelessScene {
private:
    void Run(GameApp& app) override;
};
