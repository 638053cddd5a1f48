#pragma once
#include <cstdint>

#include "hud/advisor_scenes.h"
#include "shell/scene.h"

struct FrontEndShared;
class MenuBackdrop;

// The hub of the front end: the menu backdrop with its bottom bar, the
// advisor's first hint, and on the first visit of a run the opening flight
// with the engine's three shock-wave rings. Keys and the bar open the other
// front-end scenes or quit; a new game goes to the first free save slot, or
// to the slot picker when all five are used.
class MainMenuScene : public Scene {
public:
    // Steppers: clouds and rocks (40 px/s), the ship's x and y, the rings
    // (70 px/s) and the advisor's rise (20 px/s).
    static constexpr int kRowStepper = 0, kShipXStepper = 1, kShipYStepper = 2, kRingStepper = 3,
                         kRiseStepper = 4, kSteppers = 6;
    explicit MainMenuScene(FrontEndShared& shared) : shared_(shared) {}

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

    // The front end's backdrop; null until the first visit.
    MenuBackdrop* Backdrop() const;

private:
    void BeforeEntry(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;

    void CreateMissing(GameApp& app);
    void MakeBackdrop(GameApp& app);
    void ActOnKeys(GameApp& app);
    void ActOnBar(GameApp& app, MenuBackdrop& backdrop);
    void Move(GameApp& app, MenuBackdrop& backdrop);
    void PlayHoverSound(GameApp& app, MenuBackdrop& backdrop);
    void Draw(GameApp& app, MenuBackdrop& backdrop);
    void OpenRings(GameApp& app, const MenuBackdrop& backdrop);
    void StartNewGame(GameApp& app);

    FrontEndShared& shared_;
    // A new game was asked for in this frame (and not overridden by a later
    // choice): it starts once the frame has drawn.
    bool newGameAsked_ = false;
    // This frame's steps for the advisor's bob (0 while the timer is idle).
    AdvisorSteps advisorSteps_;
};
