#pragma once
#include <memory>

#include "frontend/save_and_quit_dialog.h"
#include "screens/management_scene.h"

// The save-and-quit question over drifting clouds, opened by Backspace or
// Esc in an area. Y or Yes saves and quits to the menus through the save
// scene; N, No, Backspace or Esc go back to the area the player came from.
// A management frame without shortcut keys, copies or advisor: a press on
// a button answers when it is let go over the button or as soon as the
// pointer leaves it.
class SaveQuitScene : public ManagementScene {
public:
    SaveQuitScene();

    // The dialog while the scene is current, else null.
    const SaveAndQuitDialog* Dialog() const { return dialog_.get(); }

protected:
    bool HasScreen() const override { return dialog_ != nullptr; }
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { FreeDialogSheets(dialog_.get()); }
    void DeleteScreen() override { dialog_.reset(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override {}
    InterfaceSounds TakeSounds() override { return {}; }
    void DrawScreen(GameApp& app) override;

    void OwnKeys(GameApp& app) override;
    void Animate(GameApp& app) override;

private:
    // Each answer chooses the next scene; the last one of a frame counts.
    void AnswerYes(GameApp& app) { LeaveTo(app, SceneId::SaveGame); }
    void AnswerNo(GameApp& app);

    std::unique_ptr<SaveAndQuitDialog> dialog_;
};
