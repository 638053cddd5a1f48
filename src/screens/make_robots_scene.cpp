#include "screens/make_robots_scene.h"

#include <algorithm>
#include <iterator>

#include "battle/battle_engine.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "screens/robot_making.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr const char* kMakeSound = "Data\\scifi059.wav";
constexpr int kMakeSoundChannel = 0;
// Codes the scene answers once the buttons are let go: the ranks, Yes, No.
constexpr uint8_t kLastButtonCode = 19;
}  // namespace

MakeRobotsScene::MakeRobotsScene()
    : PageScene(Rules{.self = SceneId::MakeRobots, .advisor = &AdvisorValuesFor(AdvisorScene::MakeRobots)}) {}

void MakeRobotsScene::CreateScreen(GameApp& app) {
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<MakeRobotsScreen>();
    MakeRobotsScreen& s = *screen_;
    s.LoadArt(&app.graphics);
    s.location = state.location;
    s.makeDiscount = state.bonusBlock.robotMakeDiscount;
    s.hasFactory = state.factoryBuilt;
    s.robotCount = state.robotCount;
    s.maxCount = state.maxRobotCount;
    s.maxQuality = state.maxRobotQuality;
    std::copy(std::begin(state.robotsByRank), std::end(state.robotsByRank), s.rankCounts);
    s.material = state.resources[GameState::kRobotMaterial];
    std::copy(std::begin(state.robotMakeCosts), std::end(state.robotMakeCosts), s.makeCosts);
    for (int rank = 0; rank < MakeRobotsScreen::kRanks; ++rank) {
        std::copy(std::begin(state.robotStatGains[rank]), std::end(state.robotStatGains[rank]), s.statGains[rank]);
    }
    s.textsDirty = 1;
    s.UpdateTexts();
}

void MakeRobotsScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

// While the confirm box is open: Enter or Y answers yes; N, Backspace or
// Esc answer no and keep the page.
bool MakeRobotsScene::QuestionKeys(GameApp& app) {
    MakeRobotsScreen& s = *screen_;
    if (!s.confirmRank) return false;
    for (uint8_t code : {key::kReturn, key::kY}) {
        if (TakeKey(app, code)) s.yesRequest = 1;
    }
    for (uint8_t code : {key::kN, key::kBack, key::kEscape}) {
        if (TakeKey(app, code)) s.noRequest = 1;
    }
    return true;
}

void MakeRobotsScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->Click(x, y, mouse);
}

void MakeRobotsScene::ButtonActions(GameApp& app, InputDevice* mouse) {
    MakeRobotsScreen& s = *screen_;
    const uint8_t code = s.clickCode;
    if (code >= 1 && code <= kLastButtonCode && MouseButtonsReleased(mouse)) {
        s.CheckMake();
        if (code == MakeRobotsScreen::kCodeYes) s.yesRequest = 1;
        if (code == MakeRobotsScreen::kCodeNo) s.noRequest = 1;
        s.hoverCode = 0;
        s.clickCode = 0;
    }
    if (s.yesRequest) Make(app);
    if (s.noRequest) {
        s.noRequest = 0;
        s.confirmRank = 0;
    }
    if (s.clickCode && MouseButtonsReleased(mouse)) s.clickCode = 0;
}

void MakeRobotsScene::Make(GameApp& app) {
    MakeRobotsScreen& s = *screen_;
    GameState& state = *app.gameState;
    s.yesRequest = 0;
    s.clickCode = 0;
    robot_making::RobotOrder order;
    order.rank = s.newKind;
    order.variant = s.newPictureFrame;
    std::copy(std::begin(s.newStats), std::end(s.newStats), order.stats);
    order.quality = s.maxQuality;
    order.cost = s.chosenCost;
    // The free entry is found before anything is paid: a full table (a
    // count the record got wrong) refuses the make as the maximum count would.
    const int slot = robot_making::FreeRobotSlot(state);
    s.confirmRank = 0;
    if (slot < 0) {
        s.maxCountReached = 1;
        return;
    }
    if (!app.battleEngine || !robot_making::MakeRobot(state, *app.battleEngine, order, slot)) {
        s.notEnoughMaterial = 1;
        return;
    }
    s.makeSound = 1;
    s.material = state.resources[GameState::kRobotMaterial];
    s.robotCount = state.robotCount;
    s.textsDirty = 1;
    s.UpdateTexts();
    robot_making::StartNewRobotShow(state, *app.battleEngine, app.areaBackdrop.get(), slot);
    LeaveTo(app, SceneId::HomeBase);
}

InterfaceSounds MakeRobotsScene::TakeSounds() {
    MakeRobotsScreen& s = *screen_;
    return TakeInterfaceSounds(s.stampSound, s.stampArmed, s.helpClickSound, s.hoverSound, s.lastHoverSound);
}

void MakeRobotsScene::PlayOwnSounds(GameApp& app) {
    if (!screen_->makeSound) return;
    screen_->makeSound = 0;
    PlaySceneSound(app, kMakeSoundChannel, kMakeSound, 0);
}

void MakeRobotsScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    SpriteSheet* robots = app.battleEngine ? app.battleEngine->robotsSheet.get() : nullptr;
    screen_->Draw(menu, robots);
}
