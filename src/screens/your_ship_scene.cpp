#include "screens/your_ship_scene.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "battle/battle_engine.h"
#include "hud/advisor_scenes.h"
#include "platform/input_device.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

// screenPage of Esc and Backspace: back to the area.
constexpr uint8_t kAreaPage = 1;

constexpr int kOwnChannel = 0;
constexpr int kUpgradeChannel = 3;
constexpr int32_t kOwnSoundOffset = 10;
constexpr const char* kPickSound = "Data\\STAMP.wav";
constexpr const char* kDropSound = "Data\\SNAP1.wav";
constexpr const char* kInstallSound = "Data\\ZING.wav";
constexpr const char* kUpgradeSound = "Data\\scifi014.wav";

constexpr int32_t kNameX = 670, kNameY = 6;

template <typename T, size_t N>
void CopyArray(const T (&from)[N], T (&to)[N]) {
    std::copy(std::begin(from), std::end(from), to);
}

bool HelpOrUpgradeOpen(const ShipScreen& s) { return s.leftHelp || s.rightHelp || s.upgradePanelOpen; }

void CloseHelpAndUpgrade(ShipScreen& s) {
    s.leftHelp = 0;
    s.rightHelp = 0;
    s.upgradePanelOpen = 0;
}

// Plays a request byte of the screen once and clears it.
bool Take(uint8_t& request) {
    if (!request) return false;
    request = 0;
    return true;
}

}  // namespace

YourShipScene::YourShipScene()
    : PageScene(Rules{.self = SceneId::YourShip, .advisor = &AdvisorValuesFor(AdvisorScene::YourShip)}) {}

void YourShipScene::CreateScreen(GameApp& app) {
    screen_ = std::make_unique<ShipScreen>();
    CopyRecordIn(app);
}

void YourShipScene::CopyRecordIn(GameApp& app) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ShipScreen& s = *screen_;
    s.location = state.location;
    s.speed = state.shipSpeed;
    const record_exchange::ShipFromEngine fromEngine = record_exchange::ReadShipFromEngine(engine, state);
    s.fireMode = fromEngine.fireMode;
    s.extraArmor = fromEngine.extraArmor;
    std::fill(std::begin(s.protectionBonus), std::end(s.protectionBonus), fromEngine.protectionBonus);
    s.armorMissing = fromEngine.armorMissing;
    s.shieldsMissing = fromEngine.shieldsMissing;

    ShipLoadout& l = s.loadout;
    l.itemsMax = state.itemsMax;
    l.itemsInstalled = state.itemsInstalled;
    s.account.discount = state.bonusBlock.shipUpgradeDiscount;
    CopyArray(state.shipHold, l.hold);
    CopyArray(state.armorPositions, l.armorPositions);
    CopyArray(state.shieldPositions, l.shieldPositions);
    CopyArray(state.weaponPositions, l.weaponPositions);
    l.enginePosition = state.enginePosition;
    // The page buttons offer storages up to this count; there are 99.
    s.storageCount = static_cast<uint8_t>(std::min<uint32_t>(state.storageCount, ShipLoadout::kStorages));
    std::memcpy(l.storages, state.storages, sizeof l.storages);
    l.pool = state.itemPool;

    s.LoadArt(&app.graphics);
    s.level = state.level;
    s.experience = state.experience;
    s.nextLevel = state.nextLevelExperience;
    const uint32_t storage = record_exchange::TakeStorageRequest(state, engine);
    if (storage != 0) s.OpenStorage(storage);

    CopyArray(state.playerName, s.playerName);
    s.account.upgrades = state.shipUpgrades;
    s.account.material = state.resources[GameState::kShipMaterial];
    s.account.cost = state.shipUpgradeCost;
    s.highestSkill = state.highestSkill;
    s.hull.defence = state.shipBaseDefence;
    s.hull.armor = state.shipBaseArmor;
    s.hull.shields = state.shipBaseShields;
    CopyArray(state.shipBaseProtection, s.hull.protection);
    CopyArray(state.skillLevels, s.skillLevels);
    s.texts = 1;
    s.statsDirty = 1;
    s.RecomputeStats();
}

void YourShipScene::LoadScreenArt(GameApp& app) { screen_->LoadArt(&app.graphics); }

// Stats first, then the shortcut keys and the page's keys, the leave checks,
// and only then the mouse: a leave refused or questioned this frame keeps
// the press from moving an item.
void YourShipScene::Input(GameApp& app) {
    ShipScreen& s = *screen_;
    s.RecomputeStats();
    ShortcutKeys(app);
    Keys(app);
    if (s.leaveRequested) CheckLeave(app);
    InputDevice* mouse = app.cursor ? &app.cursor->mouse : nullptr;
    const int32_t x = app.cursor ? app.cursor->x : 0;
    const int32_t y = app.cursor ? app.cursor->y : 0;
    Pointer(app, x, y, mouse);
    if (s.mouseArmed && !s.leaveConfirmed && !s.leaveDialog) s.OnMouse(x, y, mouse);
    if (MouseButtonsUp(mouse)) Rearm();
    s.TakeDialogAnswer(mouse);
}

// A shortcut key asks to leave for its page, a help or upgrade panel open
// or not; the switch waits for the leave checks. While "Leave anyways?" is
// open the keys are its own (Y and N answer it) and open no page.
void YourShipScene::ShortcutKeys(GameApp& app) {
    ShipScreen& s = *screen_;
    if (!s.leaveDialog) app.HandleScreenHotkeys();
    app.leaveScene = 0;
    s.returnToArea = 0;
    if (app.sceneFrame != SceneId::YourShip) s.leaveRequested = 1;
}

void YourShipScene::Keys(GameApp& app) {
    ShipScreen& s = *screen_;
    for (uint8_t code : {key::kBack, key::kEscape}) {
        if (!TakeKey(app, code)) continue;
        s.leaveRequested = 1;
        s.returnToArea = 1;
        app.screenPage = kAreaPage;
        if (s.leaveDialog || HelpOrUpgradeOpen(s)) {
            s.leaveDialog = 0;
            CloseHelpAndUpgrade(s);
            s.leaveRequested = 0;
            s.returnToArea = 0;
            app.screenPage = 0;
        }
    }
    if (TakeKey(app, key::kReturn)) {
        if (HelpOrUpgradeOpen(s)) {
            CloseHelpAndUpgrade(s);
            s.leaveRequested = 0;
            s.returnToArea = 0;
            app.screenPage = 0;
        }
        if (s.leaveDialog) s.leaveConfirmed = 1;
    }
    if (!s.leaveDialog) return;
    if (TakeKey(app, key::kY)) s.leaveConfirmed = 1;
    if (TakeKey(app, key::kN)) s.leaveDialog = 0;
}

// A refused or questioned leave undoes a shortcut key's switch until the
// leave is confirmed.
void YourShipScene::CheckLeave(GameApp& app) {
    if (screen_->CheckLeave()) app.leaveScene = 1;
    if (!app.leaveScene) app.sceneFrame = SceneId::YourShip;
}

void YourShipScene::Pointer(GameApp&, int32_t x, int32_t y, InputDevice* mouse) {
    screen_->HitTest(x, y);
    screen_->OnClick(x, y, mouse);
}

void YourShipScene::Rearm() {
    screen_->mouseArmed = 1;
    screen_->clickArmed = 1;
    screen_->rightClickArmed = 1;
}

void YourShipScene::Animate(GameApp& app) {
    const int32_t x = app.cursor ? app.cursor->x : 0;
    const int32_t y = app.cursor ? app.cursor->y : 0;
    screen_->DragMove(x, y);
    screen_->Animate();
}

void YourShipScene::PlayOwnSounds(GameApp& app) {
    ShipScreen& s = *screen_;
    if (Take(s.pickSound)) {
        PlaySceneSound(app, kOwnChannel, kPickSound, kOwnSoundOffset);
        ++shipSounds_.pick;
    }
    if (Take(s.dropSound)) {
        PlaySceneSound(app, kOwnChannel, kDropSound, kOwnSoundOffset);
        ++shipSounds_.drop;
    }
    if (Take(s.installSound)) {
        PlaySceneSound(app, kOwnChannel, kInstallSound, kOwnSoundOffset);
        ++shipSounds_.install;
    }
    if (Take(s.upgradeSound)) {
        PlaySceneSound(app, kUpgradeChannel, kUpgradeSound, kOwnSoundOffset);
        ++shipSounds_.upgrade;
    }
}

// The click waits on the second arming byte; a press on a help area or the
// upgrade arrow asks for the box sound.
InterfaceSounds YourShipScene::TakeSounds() {
    ShipScreen& s = *screen_;
    return TakeInterfaceSounds(s.clickSound, s.clickArmed, s.rightClickSound, s.hoverSoundCode, s.lastHoverSoundCode);
}

void YourShipScene::DrawScreen(GameApp& app) {
    SpriteSheet* menu = app.sharedArt ? app.sharedArt->menuSheet : nullptr;
    screen_->DrawPanels(menu);
    screen_->DrawItems(menu);
    screen_->DrawName(kNameX, kNameY, menu);
}

bool YourShipScene::AdvisorRules(GameApp&, AdvisorBubble& advisor) {
    const ShipScreen& s = *screen_;
    YourShipHint(advisor, s.loadout.itemsInstalled, s.canAfford != 0, s.account.upgrades);
    return true;
}

// A confirmed leave goes where the key that asked for it points. One that
// finds no other target (Enter closed a help panel and the question at
// once) keeps the page open and is dropped with its question, so that the
// mouse moves items again.
void YourShipScene::ChooseLeave(GameApp& app) {
    if (!screen_) return;
    ShipScreen& s = *screen_;
    if (s.leaveConfirmed) app.leaveScene = 1;
    if (!app.leaveScene) return;
    record_exchange::HandOverShipSpeed(s.speed, *app.gameState, *app.battleEngine);
    SceneId page = SceneId::YourShip;
    if (app.screenPage == kAreaPage) s.returnToArea = 1;
    else if (GameApp::SceneForScreenPage(app.screenPage, page)) app.sceneFrame = page;
    if (s.returnToArea) app.sceneFrame = LeaveTarget(app);
    if (app.sceneFrame == SceneId::YourShip) {
        app.leaveScene = 0;
        s.leaveConfirmed = 0;
        s.leaveDialog = 0;
    }
}

void YourShipScene::CopyBack(GameApp& app) {
    ShipScreen& s = *screen_;
    // An upgrade pressed in the frame of the leave is in the values too.
    s.statsDirty = 1;
    s.RecomputeStats();
    GameState& state = *app.gameState;
    const ShipLoadout& l = s.loadout;
    CopyArray(l.weaponPositions, state.weaponPositions);
    state.itemsMax = l.itemsMax;
    state.itemsInstalled = l.itemsInstalled;
    CopyArray(l.hold, state.shipHold);
    CopyArray(l.armorPositions, state.armorPositions);
    CopyArray(l.shieldPositions, state.shieldPositions);
    state.enginePosition = l.enginePosition;
    std::memcpy(state.storages, l.storages, sizeof state.storages);
    state.itemPool.TakeFittedColumns(l.pool);
    state.shipBaseDefence = s.hull.defence;
    state.shipBaseArmor = s.hull.armor;
    state.shipBaseShields = s.hull.shields;
    CopyArray(s.hull.protection, state.shipBaseProtection);

    // The maximums are hull plus items: a removed item lowers them, and the
    // damage not yet repaired stays below them.
    record_exchange::ShipValues values;
    CopyArray(s.stats.attack, values.attacks);
    values.fireMode = s.fireMode;
    values.shields = s.stats.shields;
    values.shieldsMax = s.stats.shieldsMax;
    values.armor = s.stats.armor;
    values.armorMax = s.stats.armorMax;
    values.defence = s.stats.defence;
    CopyArray(s.stats.protection, values.protection);
    record_exchange::WriteShipValues(values, state, *app.battleEngine);

    state.shipUpgrades = s.account.upgrades;
    state.resources[GameState::kShipMaterial] = s.account.material;
    state.shipUpgradeCost = s.account.cost;
}
