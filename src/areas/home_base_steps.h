#pragma once
#include <cstdint>

class GameApp;

// The steps of the home base's frame, in frame order, each in the file of
// its part: entry and loading, input, the update, sounds and drawing.

// Stepper slots the home base steps (the first twelve of the thirteen).
inline constexpr int kHomeSteppers = 12;

void EnterHomeBase(GameApp& app);
void LoadHomeBase(GameApp& app);
void ReloadHomeArt(GameApp& app);
void LeanHomeCamera(GameApp& app);
void StepHomeSteppers(GameApp& app);

void ReadHomeKeys(GameApp& app);
void HandleHomeMouse(GameApp& app);

void UpdateHomeBase(GameApp& app);
void PlayHomeSounds(GameApp& app);

void DrawHomeBase(GameApp& app);
void HandleHomeTravelMenu(GameApp& app);

void FinishHomeFrame(GameApp& app);

// True while a building is placed or moved, or a new robot is shown.
bool HomeBusy(const GameApp& app);
bool HomePlacingOrMoving(const GameApp& app);
