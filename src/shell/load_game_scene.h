#pragma once

#include "shell/scene.h"

class NameEntryScene;

// The one-frame load scene: the chosen slot's file goes back into the
// record, the battle engine is prepared from it, and the game continues in
// the home base whatever area was saved. The name typed for a new game is
// dropped.
class LoadGameScene : public Scene {
public:
    explicit LoadGameScene(NameEntryScene& nameEntry) : nameEntry_(nameEntry) {}

    void Frame(GameApp& app) override;

private:
    NameEntryScene& nameEntry_;
};
