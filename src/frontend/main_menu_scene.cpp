// The main menu stands in for the real menu screen: it keeps the menu's
// duties (the camera, the battle engine, the slot probe, a new game in the
// first free slot) and offers its choices as keys.
#include "battle/battle_engine.h"
#include "platform/camera.h"
#include "platform/data_blob.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/save_file.h"

namespace {
struct MenuChoice {
    uint8_t key;
    const char* label;
    SceneThunk target;  // null: quit
};

constexpr MenuChoice kChoices[] = {
    {key::kN, "N  New game", nullptr},         {key::kL, "L  Load game", scenes::LoadGamePicker},
    {key::kH, "H  Hall of fame", scenes::HallOfFame}, {key::kO, "O  Options", scenes::Options},
    {key::kE, "E  Help", scenes::Help},             {key::kC, "C  Credits", scenes::Credits},
    {key::kEscape, "Esc  Quit", nullptr},
};

void ProbeSlots(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.slotsStale != 1) return;
    if (!app.probeBlob) app.probeBlob = new DataBlob();
    // A damaged file is an empty slot, as the pickers show it.
    for (int slot = 1; slot <= GameState::kSlotCount; ++slot) {
        state.slotEmpty[slot - 1] = save_file::ReadValidSlot(slot, *app.probeBlob) ? 0 : 1;
        app.probeBlob->Free();
    }
    state.slotsStale = 0;
}

void StartNewGame(GameApp& app) {
    GameState& state = *app.gameState;
    state.NewGameKeepingSound();
    state.slotsStale = 1;
    ProbeSlots(app);
    for (int slot = 1; slot <= GameState::kSlotCount; ++slot) {
        if (state.slotEmpty[slot - 1]) {
            state.saveSlot = static_cast<uint8_t>(slot);
            app.SwitchScene(scenes::NameEntry);
            return;
        }
    }
    app.SwitchScene(scenes::NewGameSlot);
}

void ActOnKeys(GameApp& app) {
    for (const MenuChoice& choice : kChoices) {
        if (!app.keyboard.KeyPressed(choice.key)) continue;
        app.keyboard.SetLatch(choice.key, 1);
        if (choice.target) {
            app.gameState->location = 0;
            app.SwitchScene(choice.target);
        } else if (choice.key == key::kN) {
            StartNewGame(app);
        } else {
            AppFramework::PostQuit();
        }
        return;
    }
}
}  // namespace

void GameApp::MainMenuSceneFrame() {
    constexpr uint32_t kArt = kArtSharedFont | kArtEngine;
    StopMp3();
    if (SceneEntry()) gameState->slotsStale = 1;
    SceneBeginFrame(true);
    if (!sceneCamera) sceneCamera = new Camera();
    sceneCamera->LookAt(0, -20, -1, 0, 0, -1);
    graphics.SetViewTransform(sceneCamera);
    if (!battleEngine) {
        battleEngine = new BattleEngine();
        battleEngine->LoadArt(&graphics);
    }
    EnsureSharedObjects(kArt);
    SceneReloadArt(kArt);
    for (int k = 0; k <= 5; ++k) StepStepper(k, true, kStepperSpeeds[k]);
    ProbeSlots(*this);

    sharedFont->DrawText("Main Menu", 0, 150, 800, 40, 0xFFFFFFFFu, DT_CENTER | DT_SINGLELINE);
    int y = 220;
    for (const MenuChoice& choice : kChoices) {
        sharedFont->DrawText(choice.label, 340, y, 300, 24, 0xFFC0C0FFu, DT_LEFT | DT_SINGLELINE);
        y += 28;
    }

    SceneTickClock();
    ActOnKeys(*this);
    SceneEndFrame(kArt);
}
