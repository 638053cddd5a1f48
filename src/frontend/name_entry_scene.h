#pragma once
#include <memory>

#include "hud/advisor_scenes.h"
#include "shell/scene.h"

struct FrontEndShared;
class NameEntry;

// The name-entry scene: a fresh game record, the name typed into the panel
// over the menu backdrop, then the intro story (Enter or Ready) or the main
// menu (Esc or Back). The panel, with the typed name, is kept after the
// scene is left: the story takes the name from it; loading a game drops it.
class NameEntryScene : public Scene {
public:
    // Steppers: clouds and rocks (40 px/s), the ship's x, the panel's slide
    // and the advisor's fall (180 px/s), the ship's y, the advisor's rise
    // (20 px/s).
    static constexpr int kRowStepper = 0, kShipXStepper = 1, kSlideStepper = 2, kShipYStepper = 3,
                         kRiseStepper = 4, kSteppers = 5;

    explicit NameEntryScene(FrontEndShared& shared);
    ~NameEntryScene() override;

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The panel with the typed name; null before the first name entry and
    // after a load.
    const NameEntry* Panel() const { return panel_.get(); }
    NameEntry* Panel() { return panel_.get(); }
    void DropPanel();

private:
    // Where this frame's keys and buttons lead (stay, menu or story).
    uint8_t leaveCode_ = 0;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;

    void CreateMissing(GameApp& app);
    void LoadPanelArt(GameApp& app);
    void FreePanelArt();
    void Move(GameApp& app, NameEntry& panel);
    void Draw(GameApp& app, NameEntry& panel);

    FrontEndShared& shared_;
    AdvisorSteps advisorSteps_;

    std::unique_ptr<NameEntry> panel_;
    bool artLoaded_ = false;
};
