#pragma once
#include <memory>

#include "screens/page_scene.h"
#include "screens/robots_screen.h"

class GameState;

// The Robots page's scene (key R): the robots as the engine left them, one
// or all of them upgraded in quality on the screen's copies, which reach the
// record and the engine when the page is left (also for the Make Robots
// page, which its button opens). No advisor.
class RobotsScene : public PageScene<RobotsScreen> {
public:
    RobotsScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override { MakeEngineWhenMissing(app); }
    bool QuestionKeys(GameApp& app) override;
    bool AnyPopupOpen() const override { return screen_->AnyHelpOpen(); }
    void ClosePopups() override { screen_->CloseHelps(); }
    void OwnKeys(GameApp& app) override;
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp&) override;
    void PlayOwnSounds(GameApp& app) override;
    void CopyBack(GameApp& app) override;

private:
    void CopyRobotsIn(const GameState& state);

    };
