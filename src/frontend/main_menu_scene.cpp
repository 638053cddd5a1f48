#include "frontend/main_menu_scene.h"

#include "battle/battle_engine.h"
#include "platform/camera.h"
#include "platform/data_blob.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/save_file.h"

namespace {
enum class MenuAction : uint8_t { NewGame, Open, Quit };

struct MenuChoice {
    uint8_t key;
    const char* label;
    MenuAction action;
    SceneId target;  // for Open
};

constexpr MenuChoice kChoices[] = {
    {key::kN, "N  New game", MenuAction::NewGame, SceneId::NameEntry},
    {key::kL, "L  Load game", MenuAction::Open, SceneId::LoadGamePicker},
    {key::kH, "H  Hall of fame", MenuAction::Open, SceneId::HallOfFame},
    {key::kO, "O  Options", MenuAction::Open, SceneId::Options},
    {key::kE, "E  Help", MenuAction::Open, SceneId::Help},
    {key::kC, "C  Credits", MenuAction::Open, SceneId::Credits},
    {key::kEscape, "Esc  Quit", MenuAction::Quit, SceneId::MainMenu},
};

void ProbeSlots(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.slotsStale != 1) return;
    DataBlob probe;
    // A damaged file is an empty slot, as the pickers show it.
    for (int slot = 1; slot <= GameState::kSlotCount; ++slot) {
        state.slotEmpty[slot - 1] = save_file::ReadValidSlot(slot, probe) ? 0 : 1;
        probe.Free();
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
            app.SwitchScene(SceneId::NameEntry);
            return;
        }
    }
    app.SwitchScene(SceneId::NewGameSlot);
}

void ActOnKeys(GameApp& app) {
    for (const MenuChoice& choice : kChoices) {
        if (!app.keyboard.KeyPressed(choice.key)) continue;
        app.keyboard.SetLatch(choice.key, 1);
        switch (choice.action) {
        case MenuAction::NewGame:
            StartNewGame(app);
            break;
        case MenuAction::Open:
            app.gameState->location = 0;
            app.SwitchScene(choice.target);
            break;
        case MenuAction::Quit:
            AppFramework::PostQuit();
            break;
        }
        return;
    }
}
}  // namespace

// The slots are probed again on each entry.
void MainMenuScene::Enter(GameApp& app) { app.gameState->slotsStale = 1; }

void MainMenuScene::Frame(GameApp& app) {
    constexpr uint32_t kArt = GameApp::kArtSharedFont;
    app.StopMp3();
    app.SceneEntry(*this);
    app.SceneBeginFrame(true);
    if (!app.sceneCamera) app.sceneCamera = std::make_unique<Camera>();
    app.sceneCamera->LookAt(0, -20, -1, 0, 0, -1);
    app.graphics.SetViewTransform(app.sceneCamera.get());
    if (!app.battleEngine) {
        app.battleEngine = std::make_unique<BattleEngine>();
        app.battleEngine->LoadArt(&app.graphics);
    }
    app.EnsureSharedObjects(kArt);
    app.SceneReloadArt(*this);
    for (int k = 0; k <= 5; ++k) app.StepStepper(k, true, GameApp::kStepperSpeeds[k]);
    ProbeSlots(app);

    app.sharedFont->DrawText("Main Menu", 0, 150, 800, 40, 0xFFFFFFFFu, DT_CENTER | DT_SINGLELINE);
    int y = 220;
    for (const MenuChoice& choice : kChoices) {
        app.sharedFont->DrawText(choice.label, 340, y, 300, 24, 0xFFC0C0FFu, DT_LEFT | DT_SINGLELINE);
        y += 28;
    }

    app.SceneTickClock();
    ActOnKeys(app);
    app.SceneEndFrame(*this);
}
