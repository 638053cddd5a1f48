#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// Every scene of the game, in the order the game lays its entries out. The
// shell switches scenes by id; the table of scene objects that serve them is
// assembled at the top of the program.
enum class SceneId : uint8_t {
    Store,
    Notes,
    Skills,
    Awards,
    YourShip,
    Title,
    Galaxy,
    Quests,
    Construct,
    MakeRobots,
    HomeBase,
    EarthSystem,
    Invasions,
    MainMenu,
    Story,
    NameEntry,
    Help,
    Credits,
    SaveGame,
    LoadGame,
    HallOfFame,
    WriteHallOfFame,
    SaveQuit,
    Options,
    LoadGamePicker,
    NewGameSlot,
    Wealth,
    Buildings,
    Robots,
};

inline constexpr int kSceneCount = static_cast<int>(SceneId::Robots) + 1;

namespace scenes {
// The area scene that `GameState::location` names (1 home base, 2 first
// region, 3 second region); the home base for anything else.
SceneId ForLocation(uint32_t location);

// The scene's name for logs, the game driver and stand-ins.
const char* Name(SceneId id);
// The scene of that name, if there is one.
std::optional<SceneId> FromName(std::string_view name);
}  // namespace scenes
