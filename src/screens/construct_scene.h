#pragma once
#include <memory>

#include "screens/construct_screen.h"
#include "screens/page_scene.h"

class GameState;

// The Construct Buildings page's scene (key C, or the Buildings page's
// button): a Yes to "Proceed?" pays at once, raises the kind's cost, counts
// the building and sends the player back to the home base to place it.
class ConstructScene : public PageScene<ConstructScreen> {
public:
    ConstructScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->ReleaseSheetAndFont(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->Rearm(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override { MakeEngineWhenMissing(app); }
    bool QuestionKeys(GameApp& app) override;
    bool AnyPopupOpen() const override { return screen_->helpOpen != 0; }
    void ClosePopups() override { screen_->helpOpen = 0; }
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp&) override { screen_->Animate(); }
    void PlayOwnSounds(GameApp& app) override;
    void CopyBack(GameApp& app) override;

private:
    // The record's costs on the screen, less the construction discount.
    void ShowCosts(const GameState& state);
    void Answer(GameApp& app);
    void Proceed(GameApp& app);

    };
