#pragma once
#include <memory>

#include "screens/page_scene.h"
#include "ship/quests_screen.h"

class GameState;

// The Quests page's scene (key Q, the control bar, or the "Quest" link of
// its notice). On entry it gives the next quest of the convoy chain when the
// one before it is done, then shows the current set's twelve quests. A
// purchase of allies reaches the record at once; leaving marks the updated
// quests as seen and writes the bought ally flags. The advisor walks the
// player through the first purchase and then switches itself off.
class QuestsScene : public PageScene<QuestsScreen> {
public:
    QuestsScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->ArmWhenButtonsUp(nullptr); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    bool AnyPopupOpen() const override;
    void ClosePopups() override;
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp&) override { screen_->Animate(); }
    void PlayOwnSounds(GameApp& app) override;
    bool AdvisorRules(GameApp& app, AdvisorBubble& advisor) override;
    void CopyBack(GameApp& app) override;

private:
    void CopyIn(const GameState& state);

    };
