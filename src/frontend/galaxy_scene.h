#pragma once

#include "shell/scene.h"

class GalaxyAnimation;
struct FrontEndShared;

// The interlude between the quest sets: drifting sprites over a fixed
// space background while the galaxy zooms in, for about seven seconds or
// until Enter, Esc, Backspace or an armed click. After the first set it
// opens the second at the home base; after the second it hands over to the
// ending. The shortcut keys to the screens are not read here: they would
// skip that hand-over.
class GalaxyScene : public Scene {
public:
    explicit GalaxyScene(FrontEndShared& frontEnd) : Scene({.countsFps = false}), frontEnd_(frontEnd) {}

    void Enter(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;

    // The animation, alive from the first interlude to the end of the story.
    const GalaxyAnimation* Animation() const;

private:
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;
    bool DrawsCursor() const override;

    void HandOver(GameApp& app);

    FrontEndShared& frontEnd_;
};
