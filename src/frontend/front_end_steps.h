#pragma once
#include <cstdint>

#include "hud/advisor_scenes.h"

class GameApp;
class MenuBackdrop;

// What the scenes over the menu backdrop do alike: place and show the
// advisor by their row of the advisor table, and move the backdrop by this
// frame's steps.
namespace front_end {

// The entry frame's advisor (made when the run has none yet).
void PlaceSceneAdvisor(GameApp& app, AdvisorScene scene);
// After the scene's drawing: the advisor moved by this frame's steps and
// drawn with the shared menu sheet and font, while it is on.
void ShowSceneAdvisor(GameApp& app, AdvisorScene scene, AdvisorSteps steps);

// The steppers that move the backdrop: its clouds and rocks, its ship's x
// and y.
struct BackdropSteppers {
    int rows, shipX, shipY;
};
// One frame of motion while the frame timer runs: clouds and rocks at
// rowSpeed, the ship at its own speeds (held by the opening flight only when
// holdFlag is 1), then the backdrop's animation tick. Returns the rows'
// step (0 while the timer is not running).
uint8_t MoveBackdrop(GameApp& app, MenuBackdrop& backdrop, BackdropSteppers steppers, int32_t rowSpeed,
                     uint8_t holdFlag);

}  // namespace front_end
