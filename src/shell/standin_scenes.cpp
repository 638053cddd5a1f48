// Scenes whose screens are not built yet: each keeps its way in and out.
#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/record_exchange.h"
#include "shell/standin_scene.h"

void GameApp::StoreSceneFrame() { RunStandInScene(*this, "Store", StandInKind::Management); }
void GameApp::NotesSceneFrame() { RunStandInScene(*this, "Notes", StandInKind::Management); }
void GameApp::SkillsSceneFrame() { RunStandInScene(*this, "Skills", StandInKind::Management); }
void GameApp::AwardsSceneFrame() { RunStandInScene(*this, "Awards", StandInKind::Management); }
void GameApp::YourShipSceneFrame() { RunStandInScene(*this, "Your Ship", StandInKind::Management); }
void GameApp::QuestsSceneFrame() { RunStandInScene(*this, "Quests", StandInKind::Management); }
void GameApp::MakeRobotsSceneFrame() { RunStandInScene(*this, "Make Robots", StandInKind::Management); }
void GameApp::WealthSceneFrame() { RunStandInScene(*this, "Wealth", StandInKind::Management); }
void GameApp::BuildingsSceneFrame() { RunStandInScene(*this, "Buildings", StandInKind::Management); }
void GameApp::RobotsSceneFrame() { RunStandInScene(*this, "Robots", StandInKind::Management); }
void GameApp::OptionsSceneFrame() { RunStandInScene(*this, "Options", StandInKind::Management); }

// The second region is not built yet: Return flies back to the home base.
void GameApp::InvasionsFrame() {
    RunStandInScene(*this, "Second Region (Return: back to base)", StandInKind::Area, 3);
    if (sceneFrame != scenes::Invasions || !keyboard.KeyPressed(key::kReturn)) return;
    keyboard.SetLatch(key::kReturn, 1);
    gameState->location = 1;
    SwitchScene(scenes::HomeBase);
}

void GameApp::HelpSceneFrame() { RunStandInScene(*this, "Help", StandInKind::FrontEnd); }
void GameApp::CreditsSceneFrame() { RunStandInScene(*this, "Credits", StandInKind::FrontEnd); }
void GameApp::HallOfFameSceneFrame() { RunStandInScene(*this, "Hall of Fame", StandInKind::FrontEnd); }

// The interlude between the quest sets: after the first set it goes on to
// the second from the home base (a key, a click or six seconds end it).
void GameApp::GalaxySceneFrame() {
    constexpr uint32_t kInterludeSeconds = 6;
    RunStandInScene(*this, "Galaxy (a key: go on)", StandInKind::FrontEnd);
    if (sceneFrame != scenes::Galaxy) return;
    bool anyKey = false;
    for (int code = 1; code < 256; ++code) anyKey = anyKey || keyboard.KeyPressed(code);
    if (!anyKey && secondsInScene <= kInterludeSeconds) return;
    if (gameState->questSet == 1) {
        gameState->questSet = 2;
        gameState->location = 1;
        SwitchScene(scenes::HomeBase);
    } else {
        gameState->storyStage = 2;
        SwitchScene(scenes::Story);
    }
}


// The intro starts a new game at the home base, keeping the sound options.
void GameApp::StorySceneFrame() {
    uint8_t musicOn = gameState->musicOn;
    uint8_t soundsOn = gameState->soundsOn;
    gameState->NewGame();
    gameState->musicOn = musicOn;
    gameState->soundsOn = soundsOn;
    // The typed name replaces the default one the reset wrote.
    if (nameEntry) {
        for (int i = 0; i < NameEntry::kCells; ++i) gameState->playerName[i] = nameEntry->nameCells[i];
    }
    gameState->location = 1;
    // The engine the menus made takes the new game (the home base makes one
    // from the record when there is none).
    if (battleEngine) record_exchange::SeedEngine(*battleEngine, *gameState);
    SwitchScene(scenes::HomeBase);
}

// Y saves and quits to the main menu; N or Esc goes back to the area.
void GameApp::SaveQuitSceneFrame() {
    RunStandInScene(*this, "Save and quit? (Y / N)", StandInKind::FrontEnd);
    if (sceneFrame == scenes::MainMenu) {
        // Esc means No here: back to the area, not to the menu.
        gameState->returnedFromScreen = 1;
        SwitchScene(scenes::ForLocation(gameState->location));
    } else if (keyboard.KeyPressed(key::kY)) {
        keyboard.SetLatch(key::kY, 1);
        SwitchScene(scenes::SaveGame);
    } else if (keyboard.KeyPressed(key::kN)) {
        keyboard.SetLatch(key::kN, 1);
        gameState->returnedFromScreen = 1;
        SwitchScene(scenes::ForLocation(gameState->location));
    }
}
