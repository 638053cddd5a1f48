#pragma once
#include <memory>

#include "screens/awards_screen.h"
#include "screens/page_scene.h"

// The Awards page's scene (key A): picks are spent on the screen's copies
// and reach the record and the battle engine when the page is left.
class AwardsScene : public PageScene<AwardsScreen> {
public:
    AwardsScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->ReleaseSheetAndFont(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override { MakeEngineWhenMissing(app); }
    bool AnyPopupOpen() const override { return screen_->helpOpen != 0; }
    void ClosePopups() override { screen_->helpOpen = 0; }
    void Animate(GameApp&) override { screen_->Animate(); }
    void PlayOwnSounds(GameApp& app) override;
    void CopyBack(GameApp& app) override;
};
