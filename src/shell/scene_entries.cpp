#include "shell/scene_entries.h"

#include <cstring>

#include "shell/game_app.h"

namespace scenes {
void Store(GameApp& app) { app.StoreSceneFrame(); }
void Notes(GameApp& app) { app.NotesSceneFrame(); }
void Skills(GameApp& app) { app.SkillsSceneFrame(); }
void Awards(GameApp& app) { app.AwardsSceneFrame(); }
void YourShip(GameApp& app) { app.YourShipSceneFrame(); }
void Title(GameApp& app) { app.TitleSceneFrame(); }
void Galaxy(GameApp& app) { app.GalaxySceneFrame(); }
void Quests(GameApp& app) { app.QuestsSceneFrame(); }
void Construct(GameApp& app) { app.ConstructSceneFrame(); }
void MakeRobots(GameApp& app) { app.MakeRobotsSceneFrame(); }
void HomeBase(GameApp& app) { app.HomeBaseFrame(); }
void EarthSystem(GameApp& app) { app.EarthSystemFrame(); }
void Invasions(GameApp& app) { app.InvasionsFrame(); }
void MainMenu(GameApp& app) { app.MainMenuSceneFrame(); }
void Story(GameApp& app) { app.StorySceneFrame(); }
void NameEntry(GameApp& app) { app.NameEntrySceneFrame(); }
void Help(GameApp& app) { app.HelpSceneFrame(); }
void Credits(GameApp& app) { app.CreditsSceneFrame(); }
void SaveGame(GameApp& app) { app.SaveGame(); }
void LoadGame(GameApp& app) { LoadGameScene(app); }
void HallOfFame(GameApp& app) { app.HallOfFameSceneFrame(); }
void WriteHallOfFame(GameApp& app) { app.WriteHallOfFame(); }
void SaveQuit(GameApp& app) { app.SaveQuitSceneFrame(); }
void Options(GameApp& app) { app.OptionsSceneFrame(); }
void LoadGamePicker(GameApp& app) { app.LoadGameSceneFrame(); }
void NewGameSlot(GameApp& app) { app.NewGameSlotSceneFrame(); }
void Wealth(GameApp& app) { app.WealthSceneFrame(); }
void Buildings(GameApp& app) { app.BuildingsSceneFrame(); }
void Robots(GameApp& app) { app.RobotsSceneFrame(); }

namespace {
struct NamedEntry {
    const char* name;
    SceneThunk entry;
};

// In the order the game lays its entries out.
constexpr NamedEntry kEntries[] = {
    {"Store", Store},
    {"Notes", Notes},
    {"Skills", Skills},
    {"Awards", Awards},
    {"YourShip", YourShip},
    {"Title", Title},
    {"Galaxy", Galaxy},
    {"Quests", Quests},
    {"Construct", Construct},
    {"MakeRobots", MakeRobots},
    {"HomeBase", HomeBase},
    {"EarthSystem", EarthSystem},
    {"Invasions", Invasions},
    {"MainMenu", MainMenu},
    {"Story", Story},
    {"NameEntry", NameEntry},
    {"Help", Help},
    {"Credits", Credits},
    {"SaveGame", SaveGame},
    {"LoadGame", LoadGame},
    {"HallOfFame", HallOfFame},
    {"WriteHallOfFame", WriteHallOfFame},
    {"SaveQuit", SaveQuit},
    {"Options", Options},
    {"LoadGamePicker", LoadGamePicker},
    {"NewGameSlot", NewGameSlot},
    {"Wealth", Wealth},
    {"Buildings", Buildings},
    {"Robots", Robots},
};
}  // namespace

SceneThunk ForLocation(uint32_t location) {
    switch (location) {
    case 2:
        return EarthSystem;
    case 3:
        return Invasions;
    default:
        return HomeBase;
    }
}

const char* Name(SceneThunk entry) {
    for (const NamedEntry& e : kEntries) {
        if (e.entry == entry) return e.name;
    }
    return "?";
}

SceneThunk ByName(const char* name) {
    if (!name) return nullptr;
    for (const NamedEntry& e : kEntries) {
        if (std::strcmp(e.name, name) == 0) return e.entry;
    }
    return nullptr;
}
}  // namespace scenes
