#pragma once
#include <memory>

#include "screens/page_scene.h"
#include "ship/skills_screen.h"

// The Skills page's scene (key S). The screen decides whether a raise may be
// offered; a confirmed raise reaches the record and the battle engine at
// once, and leaving writes the explosion skills' power again.
class SkillsScene : public PageScene<SkillsScreen> {
public:
    SkillsScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->ReleaseSheetAndFont(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->ArmWhenButtonsUp(mouse_); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override { MakeEngineWhenMissing(app); }
    bool QuestionKeys(GameApp& app) override;
    bool AnyPopupOpen() const override { return screen_->selection != 0 || screen_->infoOpen != 0; }
    void ClosePopups() override;
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp& app) override;
    void PlayOwnSounds(GameApp& app) override;
    void CopyBack(GameApp& app) override;

private:
    bool RaiseDialogOpen() const;

        InputDevice* mouse_ = nullptr;
};
