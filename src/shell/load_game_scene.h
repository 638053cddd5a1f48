#pragma once
#include <functional>
#include <utility>

#include "shell/scene.h"

// The one-frame load scene: the chosen slot's file goes back into the
// record, the battle engine is prepared from it, and the game continues in
// the home base whatever area was saved. The name typed for a new game is
// dropped through the hook the table of scenes gives (the name entry lives
// in the front end, above the shell).
class LoadGameScene : public PicturelessScene {
public:
    explicit LoadGameScene(std::function<void()> dropTypedName = {}) : dropTypedName_(std::move(dropTypedName)) {}

private:
    void Run(GameApp& app) override;

    std::function<void()> dropTypedName_;
};
