#pragma once
#include <cstdint>

#include "shell/scene.h"

// The one-frame save scene: the engine hands back what it owns, the record
// goes to its slot file, and the player goes on to the main menu (or the
// hall of fame after the last quest). When the file cannot be written the
// old save stays and the player is told so, then returns to the area with
// nothing lost.
class SaveGameScene : public Scene {
public:
    // The slot could not be written: the scene shows that before going back.
    uint8_t saveFailed = 0;

private:
    // The write, without a picture; the frames of the failure notice follow
    // the common order.
    bool RunWithoutPicture(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;
};
