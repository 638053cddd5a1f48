#pragma once
#include <cstdint>

class GameApp;
class HomeBaseScene;

// The steps of the home base's frame, in frame order, each in the file of
// its part: input, the update, sounds and drawing, and the frame's end.

// Stepper slots the home base steps (the first twelve of the thirteen).
inline constexpr int kHomeSteppers = 12;

void ReadHomeKeys(GameApp& app, HomeBaseScene& home);
void HandleHomeMouse(GameApp& app, HomeBaseScene& home);

void UpdateHomeBase(GameApp& app, HomeBaseScene& home);
void PlayHomeSounds(GameApp& app, HomeBaseScene& home);

void DrawHomeBase(GameApp& app, HomeBaseScene& home);
void HandleHomeTravelMenu(GameApp& app, HomeBaseScene& home);

// After the scene clock: shortcut keys (not while a building is carried),
// energy refill, the emergency escape. True while a building is carried.
bool FinishHomeFrame(GameApp& app);
// The leave step's work: building positions back into the record.
void LeaveHomeBase(GameApp& app);

// True while a building is placed or moved, or a new robot is shown.
bool HomeBusy(const GameApp& app);
bool HomePlacingOrMoving(const GameApp& app);
