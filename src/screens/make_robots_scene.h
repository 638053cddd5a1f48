#pragma once
#include <memory>

#include "screens/make_robots_screen.h"
#include "screens/page_scene.h"

// The Make Robots page's scene (key M, the control bar, or the Robots
// page's button): the screen decides whether a rank may be made and at what
// cost; on Yes the scene pays, enters the robot in the first free entry of
// the record's and the engine's robot tables and leaves for the home base,
// where the robot grows out of the factory. Nothing is copied back on
// leaving: a make reaches the record at once.
class MakeRobotsScene : public PageScene<MakeRobotsScreen> {
public:
    MakeRobotsScene();

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
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp&) override { screen_->Animate(); }
    void PlayOwnSounds(GameApp& app) override;

private:
    // Yes: the robot made, or refused when the table has no free entry.
    void Make(GameApp& app);

    };
