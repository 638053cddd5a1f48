#pragma once

#include "shell/standin_scene.h"

// The interlude between the quest sets: after the first set it goes on to
// the second from the home base; after the second, to the ending story. A
// key, or six seconds, ends it.
class GalaxyScene : public StandInScene {
public:
    GalaxyScene() : StandInScene("Galaxy (a key: go on)", StandInKind::FrontEnd) {}

    void Frame(GameApp& app) override;
};
