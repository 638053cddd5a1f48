#pragma once
#include <memory>

#include "screens/buildings_screen.h"
#include "screens/page_scene.h"

class GameState;

// The Buildings page's scene (key B): the list of buildings, upgraded on the
// screen's copies, which reach the record when the page is left; a Robot
// Factory upgrade raises the robots' stat gains in the record at once. The
// "Construct Buildings" button goes on to the Construct Buildings page.
class BuildingsScene : public PageScene<BuildingsScreen> {
public:
    BuildingsScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->ReleaseArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override { MakeEngineWhenMissing(app); }
    bool AnyPopupOpen() const override { return screen_->AnyBoxOpen(); }
    void ClosePopups() override { screen_->CloseBoxes(); }
    void OwnKeys(GameApp& app) override;
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp& app) override;
    void PlayOwnSounds(GameApp& app) override;
    bool AdvisorRules(GameApp& app, AdvisorBubble& advisor) override;
    void CopyBack(GameApp& app) override;

private:
    void CopyIn(const GameState& state);

    };
