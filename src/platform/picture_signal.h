#pragma once

// For a tool that starts the game and times it: when GAME_PICTURE_FD names a
// socket the game inherited, every presented picture sends it one byte.
// Without the variable this does nothing.
void SignalPicture();
