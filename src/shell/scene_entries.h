#pragma once
#include <cstdint>

class GameApp;

// A scene entry: a plain function that runs one scene method on the
// application. Scene identity is the identity of this pointer.
using SceneThunk = void (*)(GameApp&);

namespace scenes {
void Store(GameApp& app);
void Notes(GameApp& app);
void Skills(GameApp& app);
void Awards(GameApp& app);
void YourShip(GameApp& app);
void Title(GameApp& app);
void Galaxy(GameApp& app);
void Quests(GameApp& app);
void Construct(GameApp& app);
void MakeRobots(GameApp& app);
void HomeBase(GameApp& app);
void EarthSystem(GameApp& app);
void Invasions(GameApp& app);
void MainMenu(GameApp& app);
void Story(GameApp& app);
void NameEntry(GameApp& app);
void Help(GameApp& app);
void Credits(GameApp& app);
void SaveGame(GameApp& app);
void LoadGame(GameApp& app);
void HallOfFame(GameApp& app);
void WriteHallOfFame(GameApp& app);
void SaveQuit(GameApp& app);
void Options(GameApp& app);
void LoadGamePicker(GameApp& app);
void NewGameSlot(GameApp& app);
void Wealth(GameApp& app);
void Buildings(GameApp& app);
void Robots(GameApp& app);

// The area scene that `GameState::location` names (1 home base, 2 first
// region, 3 second region); the home base for anything else.
SceneThunk ForLocation(uint32_t location);

// The scene's name for logs, the game driver and stand-ins; "?" when unknown.
const char* Name(SceneThunk entry);
// The entry of a scene by name (the game driver's scripts); null when unknown.
SceneThunk ByName(const char* name);
}  // namespace scenes

// The one-frame save loader, a free function of the shell.
void LoadGameScene(GameApp& app);
