#pragma once
#include <memory>

class SceneSet;

// The one table of scenes: which scene object serves each SceneId, stand-ins
// included. Used by the program's entry point and by the game driver.
std::unique_ptr<SceneSet> MakeGameScenes();
