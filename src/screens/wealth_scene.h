#pragma once
#include <memory>

#include "screens/management_scene.h"
#include "screens/wealth_screen.h"

// The Wealth page's scene (key W): the six resources as they were when the
// page opened, each with an information pop-up. Nothing is written back.
class WealthScene : public ManagementScene {
public:
    WealthScene();

    // The screen while the scene is current, else null.
    const WealthScreen* Screen() const { return screen_.get(); }

protected:
    bool HasScreen() const override { return screen_ != nullptr; }
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void DeleteScreen() override { screen_.reset(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    bool AnyPopupOpen() const override { return screen_->AnyPopupOpen(); }
    void ClosePopups() override { screen_->ClosePopups(); }

private:
    std::unique_ptr<WealthScreen> screen_;
};
