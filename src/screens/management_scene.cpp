#include "screens/management_scene.h"

#include <memory>

#include "areas/area_sounds.h"
#include "battle/battle_engine.h"
#include "hud/advisor_bubble.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
// GameApp's frame steppers that move the advisor on the management pages.
constexpr int kSlideStepper = 1;
constexpr int kBobStepper = 5;
constexpr int kInterfaceChannel = 1;

constexpr uint32_t kFirstArea = 1;
constexpr uint32_t kLastArea = 3;
}  // namespace

void ManagementScene::BeforeEntry(GameApp& app) {
    KeepMusic(app);
    targetChosen_ = false;
}

void ManagementScene::Prepare(GameApp& app) { MakeMissing(app); }

void ManagementScene::Body(GameApp& app) {
    if (!HasScreen()) return;
    Input(app);
    Update(app);
    PlaySounds(app);
    if (!app.deviceLost) Draw(app);
}

// The own key that keeps the page is ChooseLeave's; whatever leave is still
// pending then happens in the protocol's leave step.
void ManagementScene::AfterClock(GameApp& app) { ChooseLeave(app); }

void ManagementScene::KeepMusic(GameApp& app) {
    if (!rules_.keepsMusic) return;
    GameState& state = *app.gameState;
    if (state.questJingle != 0) {
        state.questJingle = 0;
        app.music.Stop();
    }
    app.KeepMp3Playing(kMp3Volume);
}

void ManagementScene::Enter(GameApp& app) {
    if (rules_.advisor) {
        if (!app.advisor) app.advisor = std::make_unique<AdvisorBubble>();
        PlaceAdvisor(*app.advisor, *rules_.advisor);
    }
    OnEntry(app);
}

void ManagementScene::MakeMissing(GameApp& app) {
    if (rules_.makesSharedArt) app.EnsureSharedObjects(GameApp::kArtSharedFont | GameApp::kArtShared);
    MakeSharedObjects(app);
    if (rules_.advisor) {
        if (rules_.advisor->slideSpeed > 0) app.Stepper(kSlideStepper);
        if (rules_.advisor->bobSpeed > 0) app.Stepper(kBobStepper);
    }
    if (HasScreen()) return;
    CreateScreen(app);
    ++screensMade_;
}

void ManagementScene::ReloadArt(GameApp& app) {
    if (HasScreen()) LoadScreenArt(app);
}

void ManagementScene::ReleaseArt(GameApp&) {
    if (HasScreen()) FreeScreenArt();
}

void ManagementScene::Input(GameApp& app) {
    if (!QuestionKeys(app) && rules_.commonKeys) CommonKeys(app);
    OwnKeys(app);
    InputDevice* mouse = app.cursor ? &app.cursor->mouse : nullptr;
    const int32_t x = app.cursor ? app.cursor->x : 0;
    const int32_t y = app.cursor ? app.cursor->y : 0;
    Pointer(app, x, y, mouse);
    if (MouseButtonsUp(mouse)) Rearm();
    ButtonActions(app, mouse);
}

void ManagementScene::CommonKeys(GameApp& app) {
    for (uint8_t code : {key::kBack, key::kEscape}) {
        if (!TakeKey(app, code)) continue;
        app.leaveScene = 1;
        if (AnyPopupOpen()) {
            ClosePopups();
            app.leaveScene = 0;
        }
    }
    if (TakeKey(app, key::kReturn)) ClosePopups();
}

void ManagementScene::Update(GameApp& app) {
    StepAdvisor(app);
    Animate(app);
}

void ManagementScene::StepAdvisor(GameApp& app) {
    advisorSteps_ = {};
    if (!rules_.advisor || app.frameTimerArmed != 1) return;
    const AdvisorSceneValues& values = *rules_.advisor;
    if (values.slideSpeed > 0) advisorSteps_.slide = app.StepStepper(kSlideStepper, true, values.slideSpeed);
    if (values.bobSpeed > 0) advisorSteps_.bob = app.StepStepper(kBobStepper, true, values.bobSpeed);
}

void ManagementScene::PlaySounds(GameApp& app) {
    PlayOwnSounds(app);
    const InterfaceSounds requested = TakeSounds();
    const GameState& state = *app.gameState;
    if (!state.soundsOn) return;
    SoundChannel& channel = app.channels[kInterfaceChannel];
    const auto volume = static_cast<int32_t>(state.soundVolume);
    if (requested.stamp) {
        channel.Play(kStampSound, volume, 1);
        ++sounds_.stamp;
    }
    if (requested.box) {
        channel.Play(kBoxSound, volume, 1);
        ++sounds_.box;
    }
    if (requested.hover) {
        channel.Play(kHoverSound, volume, 1);
        ++sounds_.hover;
    }
}

void ManagementScene::PlaySceneSound(GameApp& app, int channel, const char* file, int32_t volumeOffset) {
    const GameState& state = *app.gameState;
    if (!state.soundsOn || channel < 0 || channel >= GameApp::kChannelCount) return;
    app.channels[channel].Play(file, AreaSoundVolume(state.soundVolume, volumeOffset), 1);
    ++sounds_.own;
}

void ManagementScene::Draw(GameApp& app) {
    DrawScreen(app);
    if (!rules_.advisor || !app.advisor) return;
    AdvisorBubble& advisor = *app.advisor;
    if (!AdvisorRules(app, advisor)) return;
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    ShowAdvisor(advisor, *rules_.advisor, advisorSteps_, menu, app.sharedFont.get());
}

SceneId ManagementScene::LeaveTarget(GameApp& app) {
    const uint32_t location = app.gameState->location;
    if (location < kFirstArea || location > kLastArea) return SceneId::MainMenu;
    return scenes::ForLocation(location);
}

void ManagementScene::ChooseLeave(GameApp& app) {
    if (app.leaveScene && !targetChosen_) app.sceneFrame = LeaveTarget(app);
    if (rules_.hotkeys) app.HandleScreenHotkeys();
    if (app.leaveScene && app.sceneFrame == rules_.self) app.leaveScene = 0;
}

void ManagementScene::Leave(GameApp& app) {
    if (!HasScreen()) return;
    CopyBack(app);
    if (rules_.marksReturn) app.gameState->returnedFromScreen = 1;
    DeleteScreen();
}

bool ManagementScene::TakeKey(GameApp& app, uint8_t code) {
    if (!app.keyboard.KeyPressed(code)) return false;
    app.keyboard.SetLatch(code, 1);
    return true;
}

void ManagementScene::LeaveTo(GameApp& app, SceneId target) {
    app.SwitchScene(target);
    targetChosen_ = true;
}

void ManagementScene::MakeEngineWhenMissing(GameApp& app) {
    if (app.battleEngine) return;
    app.battleEngine = std::make_unique<BattleEngine>();
    app.battleEngine->LoadArt(&app.graphics);
    // Seeded whole, not only with the building positions: an area entered
    // next keeps an engine it finds and would not seed it again.
    record_exchange::SeedEngine(*app.battleEngine, *app.gameState);
}
