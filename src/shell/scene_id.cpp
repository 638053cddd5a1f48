#include "shell/scene_id.h"

namespace scenes {
namespace {
// In the order of SceneId.
constexpr const char* kNames[kSceneCount] = {
    "Store",      "Notes",       "Skills",     "Awards",         "YourShip",  "Title",          "Galaxy",
    "Quests",     "Construct",   "MakeRobots", "HomeBase",       "EarthSystem", "Invasions",    "MainMenu",
    "Story",      "NameEntry",   "Help",       "Credits",        "SaveGame",  "LoadGame",       "HallOfFame",
    "WriteHallOfFame", "SaveQuit", "Options",  "LoadGamePicker", "NewGameSlot", "Wealth",       "Buildings",
    "Robots",
};
}  // namespace

SceneId ForLocation(uint32_t location) {
    switch (location) {
    case 2:
        return SceneId::EarthSystem;
    case 3:
        return SceneId::Invasions;
    default:
        return SceneId::HomeBase;
    }
}

const char* Name(SceneId id) {
    const auto index = static_cast<int>(id);
    return index >= 0 && index < kSceneCount ? kNames[index] : "?";
}

std::optional<SceneId> FromName(std::string_view name) {
    for (int index = 0; index < kSceneCount; ++index) {
        if (name == kNames[index]) return static_cast<SceneId>(index);
    }
    return std::nullopt;
}
}  // namespace scenes
