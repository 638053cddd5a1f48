#pragma once
#include <cstdint>

class GameApp;
class MenuBackdrop;

// What the scenes over the menu backdrop do alike: place and draw the
// advisor, and move the backdrop by this frame's steps.
namespace front_end {

// The advisor as a scene sets it on entry: hint, place and arrow; the bubble
// (style 1) and the arrow shown.
struct AdvisorPlace {
    bool keepX;  // the x the scene before left
    int32_t x, y;
    uint32_t hint;
    int32_t arrowX, arrowY;
};
void PlaceAdvisor(GameApp& app, const AdvisorPlace& place);

// While the advisor is on: its animation, one frame of its bob within
// [minY, maxY], the sprite with its bubble, and its white arrow.
void DrawAdvisor(GameApp& app, uint8_t upStep, uint8_t downStep, int32_t minY, int32_t maxY);

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
