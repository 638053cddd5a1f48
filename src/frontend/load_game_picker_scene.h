#pragma once
#include <cstdint>

#include "hud/advisor_scenes.h"
#include "shell/scene.h"

struct FrontEndShared;

// The load picker over the menu backdrop, with the advisor's "Press a
// number.": a used slot picked by its number key or its button is loaded by
// the load scene, which continues in the home base; Back, Esc or Backspace
// return to the main menu.
class LoadGamePickerScene : public Scene {
public:
    // Steppers: clouds and rocks (100 px/s), the ship's x and y, the
    // advisor's fall (60 px/s) and rise (20 px/s).
    static constexpr int kRowStepper = 0, kShipXStepper = 1, kShipYStepper = 2, kFallStepper = 3,
                         kRiseStepper = 4;

    explicit LoadGamePickerScene(FrontEndShared& shared) : shared_(shared) {}

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;
    void ReleaseArt(GameApp& app) override;
    void ReloadArt(GameApp& app) override;

private:
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;

    void Move(GameApp& app);
    void Draw(GameApp& app);

    FrontEndShared& shared_;
    AdvisorSteps advisorSteps_;
};
