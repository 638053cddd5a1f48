#pragma once

#include "shell/scene.h"

class NameEntryScene;

// The story stands in for the cutscenes: the intro starts a new game at the
// home base, keeping the sound switches and the name just typed.
class StoryScene : public Scene {
public:
    explicit StoryScene(const NameEntryScene& nameEntry) : nameEntry_(nameEntry) {}

    void Frame(GameApp& app) override;

private:
    const NameEntryScene& nameEntry_;
};
