#pragma once
#include <memory>

#include "screens/page_scene.h"
#include "screens/wealth_screen.h"

// The Wealth page's scene (key W): the six resources as they were when the
// page opened, each with an information pop-up. Nothing is written back.
class WealthScene : public PageScene<WealthScreen> {
public:
    WealthScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    bool AnyPopupOpen() const override { return screen_->AnyPopupOpen(); }
    void ClosePopups() override { screen_->ClosePopups(); }
};
