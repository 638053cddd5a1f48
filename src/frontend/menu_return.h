#pragma once

class GameApp;

// The way out of the front-end pages that sit over the main menu.

// Backspace or Esc came down this frame; each acts once per press.
bool LeaveKeyPressed(GameApp& app);

// Back to the main menu, with the Back sound on channel 0.
void ReturnToMainMenu(GameApp& app);
