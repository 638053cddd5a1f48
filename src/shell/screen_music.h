#pragma once
#include <cstdint>

class GameApp;

// The music upkeep at the start of a frame of the home base, the options and
// the story: a quest jingle still sounding is cut off (only the battle
// regions let it finish), then, when `keepMp3`, the MP3 track is kept
// playing at `volume`.
void ScreenMusicUpkeep(GameApp& app, bool keepMp3, int32_t volume);
