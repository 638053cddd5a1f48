#pragma once
#include <memory>

#include "screens/page_scene.h"
#include "ship/store_screen.h"

class GameState;

// The Store's scene, entered from the shop row of a travel menu. It copies
// the resources, the item pool and the hold in, draws a fresh stock from the
// battle engine's seed counter, and is the only place where the Store's
// trades reach the record: purchases and sales change the pool, the hold and
// the purse at once, and the six resources are written back every frame.
// No music upkeep, no advisor, no shortcut keys; leaving always goes to the
// home base, which then shows its banner and repairs as on an arrival.
class StoreScene : public PageScene<StoreScreen> {
public:
    StoreScene();

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override { screen_->ButtonsUp(); }
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override;
    void OwnKeys(GameApp& app) override;
    void ButtonActions(GameApp& app, InputDevice* mouse) override;
    void Animate(GameApp& app) override;
    SceneId LeaveTarget(GameApp& app) override;
    void CopyBack(GameApp& app) override;

private:
    void CopyTradesBack(GameState& state);

    };
