#include "screens/skills_scene.h"

#include <algorithm>
#include <iterator>

#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr const char* kRaiseSound = "Data\\scifi014.wav";
constexpr int kRaiseSoundChannel = 0;
constexpr int32_t kRaiseSoundOffset = 13;
constexpr uint8_t kLastDialogCode = SkillsScreen::kFirstArrow + kSkillCount - 1;
}  // namespace

SkillsScene::SkillsScene() : PageScene(Rules{SceneId::Skills}) {}

void SkillsScene::CreateScreen(GameApp& app) {
    const GameState& state = *app.gameState;
    screen_ = std::make_unique<SkillsScreen>();
    screen_->LoadArt(&app.graphics);
    screen_->level = static_cast<int32_t>(state.level);
    screen_->experience = state.experience;
    screen_->nextLevelExperience = state.nextLevelExperience;
    screen_->FormatInfoTexts();
    screen_->skillPoints = state.skillPoints;
    std::copy(std::begin(state.skillBenefits), std::end(state.skillBenefits), screen_->benefits);
    std::copy(std::begin(state.skillLevels), std::end(state.skillLevels), screen_->levels);
    screen_->highestSkill = state.highestSkill;
}

void SkillsScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

bool SkillsScene::RaiseDialogOpen() const {
    return screen_->selection >= SkillsScreen::kFirstArrow && screen_->selection <= kLastDialogCode &&
           screen_->skillPoints != 0;
}

// Esc and Backspace close the question first, through the common keys; only
// a question still open takes Enter, Y and N as its answers (taken here, so
// that Y and N do not also open Your Ship or Notes).
bool SkillsScene::QuestionKeys(GameApp& app) {
    if (!RaiseDialogOpen() || app.keyboard.KeyPressed(key::kBack) || app.keyboard.KeyPressed(key::kEscape)) {
        return false;
    }
    const bool enter = TakeKey(app, key::kReturn);
    const bool yes = TakeKey(app, key::kY);
    if (enter || yes) screen_->confirm = SkillsScreen::kAnswerYes;
    if (enter) screen_->infoOpen = 0;
    if (TakeKey(app, key::kN)) screen_->confirm = SkillsScreen::kAnswerNo;
    return true;
}

// A Yes still held when the question is closed must not answer the next one.
void SkillsScene::ClosePopups() {
    screen_->selection = 0;
    screen_->confirm = 0;
    screen_->infoOpen = 0;
}

void SkillsScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    mouse_ = mouse;
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
}

void SkillsScene::ButtonActions(GameApp& app, InputDevice* mouse) {
    const int k = screen_->SettleAnswer(mouse);
    if (k < 0) return;
    GameState& state = *app.gameState;
    record_exchange::RecordSkillRaise(state, *app.battleEngine, k, static_cast<uint32_t>(Skill(k).raiseAmount));
    state.highestSkill = screen_->highestSkill;
}

// The press is resolved here rather than in the drawing, so that a frame
// with the device lost still resolves it; it asks for no sound.
void SkillsScene::Animate(GameApp&) {
    screen_->Animate();
    screen_->ResolveClick();
}

void SkillsScene::PlayOwnSounds(GameApp& app) {
    if (!screen_->raiseSoundRequest) return;
    screen_->raiseSoundRequest = 0;
    PlaySceneSound(app, kRaiseSoundChannel, kRaiseSound, kRaiseSoundOffset);
}

// The click waits on `armed`; a press on a cell asks for the box sound.
InterfaceSounds SkillsScene::TakeSounds() {
    SkillsScreen& s = *screen_;
    return TakeInterfaceSounds(s.stampState, s.armed, s.clickSoundRequest, s.snapCode, s.lastSnapCode);
}

void SkillsScene::DrawScreen(GameApp& app) { screen_->Draw(app.sharedArt ? app.sharedArt->menuSheet : nullptr); }

void SkillsScene::CopyBack(GameApp& app) {
    GameState& state = *app.gameState;
    for (int k = record_exchange::kFirstExplosionSkill; k < kSkillCount; ++k) {
        state.skillBenefits[k] = static_cast<uint32_t>(screen_->benefits[k]);
    }
    record_exchange::CopyExplosionPowers(state, *app.battleEngine);
}
