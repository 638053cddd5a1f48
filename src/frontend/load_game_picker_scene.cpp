#include "frontend/load_game_picker_scene.h"

#include "frontend/front_end_shared.h"
#include "frontend/front_end_steps.h"
#include "frontend/menu_backdrop.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/slot_picking.h"

namespace {
constexpr uint32_t kArt = GameApp::kArtSharedFont | GameApp::kArtShared;
constexpr uint32_t kFirstSlotY = 189;
constexpr int32_t kRowSpeed = 100;
// The ship comes in from above the screen.
constexpr int32_t kShipStartY = -300;

void BackToMenu(GameApp& app) {
    app.channels[0].Play("Data\\SETUPWH.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
    app.SwitchScene(SceneId::MainMenu);
}

void ChooseSlot(GameApp& app, FilePicker& picker, int slot) {
    if (slot < 1 || slot > FilePicker::kSlots || !picker.slotUsed[slot - 1]) return;
    picker.chosenSlot = static_cast<uint8_t>(slot);
    app.gameState->saveSlot = static_cast<uint8_t>(slot);
    app.SwitchScene(SceneId::LoadGame);
}

void ActOnInput(GameApp& app, FilePicker& picker) {
    if (app.keyboard.KeyPressed(key::kBack) || app.keyboard.KeyPressed(key::kEscape)) {
        app.keyboard.SetLatch(key::kBack, 1);
        app.keyboard.SetLatch(key::kEscape, 1);
        BackToMenu(app);
        return;
    }
    if (const int slot = SlotKeyPressed(app)) {
        ChooseSlot(app, picker, slot);
        if (app.leaveScene) return;
    }
    const uint8_t clicked = PickerMouse(app, picker);
    if (clicked == FilePicker::kBackId) {
        BackToMenu(app);
    } else if (clicked != 0) {
        app.channels[0].Play("Data\\STAMP.wav", static_cast<int32_t>(app.gameState->soundVolume), 1);
        ChooseSlot(app, picker, clicked);
    }
}
}  // namespace

// The slots are probed again on each entry.
void LoadGamePickerScene::Enter(GameApp& app) {
    app.gameState->slotsStale = 1;
    if (shared_.backdrop) shared_.backdrop->shipY = kShipStartY;
    front_end::PlaceSceneAdvisor(app, AdvisorScene::LoadGame);
}

void LoadGamePickerScene::Leave(GameApp& app) { DropPicker(app); }

void LoadGamePickerScene::ReleaseArt(GameApp&) {
    if (shared_.backdrop) shared_.backdrop->FreeArt();
}

void LoadGamePickerScene::ReloadArt(GameApp& app) {
    if (shared_.backdrop) shared_.backdrop->LoadArt(&app.graphics);
}

// The backdrop moves as in the main menu, without the opening hold.
void LoadGamePickerScene::Move(GameApp& app) {
    advisorSteps_ = {};
    if (!shared_.backdrop) return;
    front_end::MoveBackdrop(app, *shared_.backdrop, {kRowStepper, kShipXStepper, kShipYStepper}, kRowSpeed, 0);
    if (app.frameTimerArmed) {
        const AdvisorSceneValues& advisor = AdvisorValuesFor(AdvisorScene::LoadGame);
        advisorSteps_.slide = app.StepStepper(kFallStepper, true, advisor.slideSpeed);
        advisorSteps_.bob = app.StepStepper(kRiseStepper, true, advisor.bobSpeed);
    }
    shared_.backdrop->SteerShip();
}

void LoadGamePickerScene::Draw(GameApp& app) {
    FilePicker& picker = *app.filePicker;
    SpriteSheet* menu = app.sharedArt->menuSheet;
    if (shared_.backdrop) shared_.backdrop->Draw(app.sharedArt->cloudsSheet, MenuBackdrop::kPlain);
    picker.DrawLoad(menu);
    DrawPickerSlots(picker, kFirstSlotY, menu);
    if (shared_.backdrop) shared_.backdrop->DrawShip();
    front_end::ShowSceneAdvisor(app, AdvisorScene::LoadGame, advisorSteps_);
}

void LoadGamePickerScene::Prepare(GameApp& app) { MakePicker(app, kArt); }

void LoadGamePickerScene::Body(GameApp& app) {
    FilePicker& picker = PickerWithSlotsProbed(app);

    ActOnInput(app, picker);
    picker.Animate();
    Move(app);
    PickerHoverSound(app, picker, "Data\\RIGHTDEF.wav");
    if (!app.deviceLost) Draw(app);
    picker.ResetHover();
}
