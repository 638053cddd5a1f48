#pragma once
#include <memory>

#include "screens/bonuses_screen.h"
#include "screens/page_scene.h"

// The Notes page's scene (key N): the bonus and discount totals of the
// record's bonus block, with the "Notes" pop-up. Nothing is written back.
class NotesScene : public PageScene<BonusesScreen> {
public:
    NotesScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    bool AnyPopupOpen() const override { return screen_->notesOpen != 0; }
    void ClosePopups() override { screen_->notesOpen = 0; }
};
