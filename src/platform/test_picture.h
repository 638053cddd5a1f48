#pragma once

// Until the game's own application object exists, the program opens a window
// showing sprites (colour keys, tints, scales, rotations) and text, and quits
// on close or Esc. Returns the process exit code.
int RunTestPicture();
