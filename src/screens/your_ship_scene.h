#pragma once
#include <cstdint>
#include <memory>

#include "screens/page_scene.h"
#include "ship/ship_screen.h"

// The Your Ship page's scene (key Y, the control bar, a Storage building of
// the home base). The player fits the ship on the screen's copies; nothing
// reaches the record or the battle engine until the page is left, and it is
// left only with an engine installed and nothing on the cursor. Without a
// weapon the player is asked "Leave anyways?" first. A leave goes where the
// key that asked for it points (screenPage): the area for Esc or Backspace,
// another page for its shortcut key.
class YourShipScene : public PageScene<ShipScreen> {
public:
    // The page's own sounds, as played (tests and the game driver read them).
    struct ShipSounds {
        uint32_t pick = 0;
        uint32_t drop = 0;
        uint32_t install = 0;
        uint32_t upgrade = 0;
    };

    YourShipScene();

    const ShipSounds& OwnSounds() const { return shipSounds_; }

protected:
    void CreateScreen(GameApp& app) override;
    void LoadScreenArt(GameApp& app) override;
    void FreeScreenArt() override { screen_->FreeArt(); }
    void Pointer(GameApp& app, int32_t x, int32_t y, InputDevice* mouse) override;
    void Rearm() override;
    InterfaceSounds TakeSounds() override;
    void DrawScreen(GameApp& app) override;

    void MakeSharedObjects(GameApp& app) override { MakeEngineWhenMissing(app); }
    void Animate(GameApp& app) override;
    void PlayOwnSounds(GameApp& app) override;
    bool AdvisorRules(GameApp& app, AdvisorBubble& advisor) override;
    void CopyBack(GameApp& app) override;

    // The page checks a leave before it goes, so its input and its choice
    // of target run in an order of their own.
    void Input(GameApp& app) override;
    void ChooseLeave(GameApp& app) override;
    // The held item is drawn in the pointer's place.
    bool DrawsCursor() const override { return !screen_ || screen_->heldItem == 0; }

private:
    void CopyRecordIn(GameApp& app);
    void ShortcutKeys(GameApp& app);
    void Keys(GameApp& app);
    void CheckLeave(GameApp& app);

    ShipSounds shipSounds_;
};
