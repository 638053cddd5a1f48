#include "app/game_scenes.h"

#include "areas/area_session.h"
#include "areas/earth_system_region.h"
#include "areas/home_base_scene.h"
#include "areas/invasions_region.h"
#include "areas/region_scene.h"
#include "frontend/credits_scene.h"
#include "frontend/front_end_shared.h"
#include "frontend/galaxy_scene.h"
#include "frontend/hall_of_fame_scene.h"
#include "frontend/help_scene.h"
#include "frontend/load_game_picker_scene.h"
#include "frontend/main_menu_scene.h"
#include "frontend/name_entry_scene.h"
#include "frontend/new_game_slot_scene.h"
#include "frontend/options_scene.h"
#include "frontend/save_quit_scene.h"
#include "frontend/story_scene.h"
#include "frontend/title_scene.h"
#include "screens/awards_scene.h"
#include "screens/buildings_scene.h"
#include "screens/construct_scene.h"
#include "screens/make_robots_scene.h"
#include "screens/notes_scene.h"
#include "screens/quests_scene.h"
#include "screens/robots_scene.h"
#include "screens/skills_scene.h"
#include "screens/store_scene.h"
#include "screens/wealth_scene.h"
#include "screens/your_ship_scene.h"
#include "shell/load_game_scene.h"
#include "shell/save_game_scene.h"
#include "shell/scene_set.h"
#include "shell/write_hall_of_fame_scene.h"

namespace {

// Every scene of the game, each a member; members that other scenes need
// are declared before them.
class GameScenes : public SceneSet {
public:
    GameScenes() {
        Put(SceneId::Title, title_);
        Put(SceneId::MainMenu, mainMenu_);
        Put(SceneId::NewGameSlot, newGameSlot_);
        Put(SceneId::LoadGamePicker, loadGamePicker_);
        Put(SceneId::NameEntry, nameEntry_);
        Put(SceneId::Story, story_);
        Put(SceneId::Galaxy, galaxy_);
        Put(SceneId::SaveQuit, saveQuit_);
        Put(SceneId::SaveGame, saveGame_);
        Put(SceneId::LoadGame, loadGame_);
        Put(SceneId::WriteHallOfFame, writeHallOfFame_);
        Put(SceneId::HallOfFame, hallOfFame_);
        Put(SceneId::Help, help_);
        Put(SceneId::Credits, credits_);
        Put(SceneId::Options, options_);
        Put(SceneId::HomeBase, homeBase_);
        Put(SceneId::EarthSystem, earthSystem_);
        Put(SceneId::Invasions, invasions_);
        Put(SceneId::Construct, construct_);
        Put(SceneId::Store, store_);
        Put(SceneId::YourShip, yourShip_);
        Put(SceneId::Buildings, buildings_);
        Put(SceneId::Robots, robots_);
        Put(SceneId::Quests, quests_);
        Put(SceneId::Awards, awards_);
        Put(SceneId::Wealth, wealth_);
        Put(SceneId::Skills, skills_);
        Put(SceneId::Notes, notes_);
        Put(SceneId::MakeRobots, makeRobots_);
    }

private:
    // Front end.
    FrontEndShared frontEnd_;
    TitleScene title_{frontEnd_};
    MainMenuScene mainMenu_{frontEnd_};
    NewGameSlotScene newGameSlot_;
    LoadGamePickerScene loadGamePicker_{frontEnd_};
    NameEntryScene nameEntry_{frontEnd_};
    StoryScene story_{frontEnd_, nameEntry_};
    GalaxyScene galaxy_{frontEnd_};
    SaveQuitScene saveQuit_;
    SaveGameScene saveGame_;
    LoadGameScene loadGame_{[this] { nameEntry_.DropPanel(); }};
    WriteHallOfFameScene writeHallOfFame_;
    HallOfFameScene hallOfFame_;
    HelpScene help_{frontEnd_};
    CreditsScene credits_;
    OptionsScene options_;

    // The areas, sharing one session.
    AreaSession areaSession_;
    HomeBaseScene homeBase_{areaSession_};
    RegionScene earthSystem_{EarthSystemRegion(), areaSession_};
    RegionScene invasions_{InvasionsRegion(), areaSession_};

    // Management screens.
    ConstructScene construct_;
    StoreScene store_;
    YourShipScene yourShip_;
    BuildingsScene buildings_;
    RobotsScene robots_;
    QuestsScene quests_;
    AwardsScene awards_;
    WealthScene wealth_;
    SkillsScene skills_;
    NotesScene notes_;
    MakeRobotsScene makeRobots_;
};

}  // namespace

std::unique_ptr<SceneSet> MakeGameScenes() { return std::make_unique<GameScenes>(); }
