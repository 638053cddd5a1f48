#include "screens/quests_scene.h"

#include <algorithm>
#include <iterator>

#include "battle/battle_engine.h"
#include "hud/advisor_bubble.h"
#include "hud/control_panel.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr int kOwnSoundChannel = 0;
constexpr int32_t kOwnSoundOffset = 10;
constexpr const char* kPurchaseSound = "Data\\YO.wav";
constexpr const char* kUpdatedSound = "Data\\scifi070.wav";
constexpr const char* kSpentSound = "Data\\TOOMUCH.wav";

constexpr uint8_t kNotGiven = QuestsScreen::kNotGiven;
constexpr uint8_t kActive = QuestsScreen::kActive;
constexpr uint8_t kDone = QuestsScreen::kDone;
constexpr uint8_t kUpdatedMark = 1;
constexpr uint8_t kSeenMark = 2;
constexpr uint8_t kBought = 1;

// The convoy chain of each set (entries 3, 4 and 5): a done entry gives the
// next one. The second test sees the first one's result, and a quest just
// given is not done, so one visit gives at most one quest.
void GiveNextQuests(GameState& state) {
    uint8_t* q = state.questStates;
    if (q[3] == kDone && q[4] == kNotGiven) q[4] = kActive;
    if (q[4] == kDone && q[5] == kNotGiven) q[5] = kActive;
}
}  // namespace

QuestsScene::QuestsScene()
    : PageScene(Rules{.self = SceneId::Quests, .advisor = &AdvisorValuesFor(AdvisorScene::Quests)}) {}

void QuestsScene::CreateScreen(GameApp& app) {
    GameState& state = *app.gameState;
    screen_ = std::make_unique<QuestsScreen>();
    // The set picks which pictures load.
    screen_->questSet = state.questSet;
    screen_->LoadArt(&app.graphics);
    screen_->SetAllyCosts();
    screen_->questsUpdated = state.questsUpdatedAny;
    if (screen_->questsUpdated != 0) screen_->soundScifi = 1;
    if (app.controlPanel) app.controlPanel->questUpdated = 0;
    GiveNextQuests(state);
    CopyIn(state);
}

void QuestsScene::CopyIn(const GameState& state) {
    QuestsScreen& s = *screen_;
    std::copy(std::begin(state.questStates), std::end(state.questStates), s.questStates);
    std::copy(std::begin(state.questUpdated), std::end(state.questUpdated), s.questUpdated);
    std::copy(std::begin(state.allyFlags), std::end(state.allyFlags), s.allyFlags);
    s.favors = state.resources[GameState::kFavors];
    s.FormatFavors();
    s.experience = state.experience;
}

void QuestsScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

void QuestsScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
}

bool QuestsScene::AnyPopupOpen() const {
    return screen_->notesOpen != 0 || screen_->briefingOpen != 0 || screen_->selectedQuest != 0;
}

// Closing the ally panel also forgets the chosen ally, so that a later
// panel does not buy it unasked.
void QuestsScene::ClosePopups() {
    if (!AnyPopupOpen()) return;
    screen_->notesOpen = 0;
    screen_->briefingOpen = 0;
    screen_->selectedQuest = 0;
    screen_->chosenAlly = 0;
}

// A purchase reaches the record at once: leaving the page loses nothing.
void QuestsScene::ButtonActions(GameApp& app, InputDevice*) {
    QuestsScreen& s = *screen_;
    if (s.buyRequested) {
        s.buyRequested = 0;
        s.BuyAlly();
    }
    if (!s.purchaseDone) return;
    s.purchaseDone = 0;
    s.soundYo = 1;
    GameState& state = *app.gameState;
    state.resources[GameState::kFavors] = s.favors;
    state.experience = s.experience;
    s.FormatFavors();
}

// All three share one channel: a purchase asks for YO and then TOOMUCH, and
// the second cuts the first off.
void QuestsScene::PlayOwnSounds(GameApp& app) {
    QuestsScreen& s = *screen_;
    const struct {
        uint8_t& request;
        const char* file;
    } sounds[] = {{s.soundYo, kPurchaseSound}, {s.soundScifi, kUpdatedSound}, {s.soundToomuch, kSpentSound}};
    for (const auto& sound : sounds) {
        if (!sound.request) continue;
        sound.request = 0;
        PlaySceneSound(app, kOwnSoundChannel, sound.file, kOwnSoundOffset);
    }
}

// The click sound of an Exit waits until the buttons are released.
InterfaceSounds QuestsScene::TakeSounds() {
    QuestsScreen& s = *screen_;
    return TakeInterfaceSounds(s.stampState, s.buttonsReleased, s.rightdefPending, s.snapId, s.lastSnapId);
}

void QuestsScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    SpriteSheet* favors = app.battleEngine ? app.battleEngine->favorsSheet.get() : nullptr;
    screen_->DrawFrame(menu, favors);
    const uint32_t set = app.gameState->questSet;
    if (set == 1) screen_->DrawEarthSystem(menu, favors);
    if (set == 2) screen_->DrawInvasions(menu, favors);
}

bool QuestsScene::AdvisorRules(GameApp&, AdvisorBubble& advisor) {
    const QuestsScreen& s = *screen_;
    QuestsHint(advisor, s.questStates[0], s.allyFlags[0] != 0 ? 1 : 0, s.selectedQuest != 0);
    return true;
}

// Favors and experience were written by each purchase.
void QuestsScene::CopyBack(GameApp& app) {
    const QuestsScreen& s = *screen_;
    GameState& state = *app.gameState;
    state.questsUpdatedAny = 0;
    for (int q = 0; q < QuestsScreen::kRecordQuests; ++q) {
        if (s.questUpdated[q] == kUpdatedMark) state.questUpdated[q] = kSeenMark;
    }
    for (int k = 0; k < QuestsScreen::kRecordAllies; ++k) {
        if (s.allyFlags[k] != 0) state.allyFlags[k] = kBought;
    }
}
