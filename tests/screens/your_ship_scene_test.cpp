// The Your Ship page driven through the real game: fitting with the mouse,
// the upgrade, what leaving writes into the record and the battle engine,
// the checks that refuse or question a leave and the keys that answer, the
// storage a Storage building opens, and a device loss with an item held.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "screens/your_ship_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

struct At {
    int32_t x, y;
};
At Middle(const PlaceRect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }
At Hold(int cell) { return Middle(HoldCellRect(cell)); }
At Stored(int cell) { return Middle(StorageCellRect(cell)); }
At Armor(int k) { return Middle(RectOf(PlaceKind::kArmor, k)); }
At Shield(int k) { return Middle(RectOf(PlaceKind::kShield, k)); }
At Weapon(int k) { return Middle(RectOf(PlaceKind::kWeapon, k)); }
At EnginePlace() { return Middle(RectOf(PlaceKind::kEngine, 1)); }
constexpr At kOpenStorage{50, 580};
constexpr At kUpgradeArrow{110, 360};
constexpr At kPanelExit{400, 450};
constexpr At kAttackLabel{50, 100};
constexpr At kLevelLabel{50, 20};
constexpr At kYes{330, 350};

// The new game's ids.
constexpr ItemId kKitCannon = 1, kKitCube10 = 3, kKitSphere = 7;

class YourShipGame : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }
    // After every test the record's items still keep their rules, and so
    // do the page's copies while it is open.
    void TearDown() override {
        const GameState& s = State();
        auto record = std::make_unique<ShipLoadout>();
        record->pool = s.itemPool;
        std::copy(std::begin(s.shipHold), std::end(s.shipHold), record->hold);
        std::memcpy(record->storages, s.storages, sizeof record->storages);
        std::copy(std::begin(s.armorPositions), std::end(s.armorPositions), record->armorPositions);
        std::copy(std::begin(s.shieldPositions), std::end(s.shieldPositions), record->shieldPositions);
        std::copy(std::begin(s.weaponPositions), std::end(s.weaponPositions), record->weaponPositions);
        record->enginePosition = s.enginePosition;
        record->itemsInstalled = s.itemsInstalled;
        EXPECT_EQ(record->FindFault(), "");
        if (Scene().Screen()) {
            EXPECT_EQ(Page().loadout.FindFault(Page().heldItem), "");
        }
    }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    BattleEngine& Engine() { return *driver.App().battleEngine; }
    YourShipScene& Scene() { return driver.SceneAs<YourShipScene>(SceneId::YourShip); }
    const ShipScreen& Page() { return *Scene().Screen(); }

    void Open() {
        driver.TapKey(key::kY);
        ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
        ASSERT_NE(Scene().Screen(), nullptr);
    }
    void ClickAt(At at) {
        PointAt(driver, at.x, at.y);
        Click(driver);
    }
    void Move(At from, At to) {
        ClickAt(from);
        ClickAt(to);
    }
    void Tap(uint8_t code) { driver.TapKey(code); }
    // The ship comes back with `missing` shields or armor gone: the
    // engine's value and the record's, as a hit leaves them.
    void DamageShip(bool shields, uint32_t missing) {
        GameState& s = State();
        const uint32_t maximum = shields ? s.shipShieldsMax : s.shipArmorMax;
        ASSERT_GE(maximum, missing);
        uint32_t& engineValue = shields ? Engine().shipShields : Engine().shipArmor;
        uint32_t& recordValue = shields ? s.shipShields : s.shipArmor;
        engineValue = recordValue = maximum - missing;
    }

    GameDriver driver;
};

// The upgrade pays 200 and raises the limit to 6, so the cube and the sphere
// both fit; nothing reaches the record or the engine until the page is left,
// and then both hold the hull plus the items.
TEST_F(YourShipGame, AnUpgradeACubeAndTheSphereReachRecordAndEngineOnLeaving) {
    Open();
    Move(Hold(0), Armor(1));
    EXPECT_EQ(Page().loadout.itemsInstalled, 3);
    const AdvisorBubble& advisor = *App().advisor;
    EXPECT_EQ(advisor.hintIndex, 6u) << "a fitted ship with the upgrade affordable";
    EXPECT_EQ(advisor.arrowX, 96);
    ClickAt(kUpgradeArrow);
    EXPECT_EQ(Page().upgradePanelOpen, 1);
    EXPECT_EQ(advisor.bubbleShown, 0) << "no longer affordable";
    ClickAt(kPanelExit);
    ClickAt(kOpenStorage);
    Move(Stored(0), Shield(5));
    EXPECT_EQ(Page().heldItem, 0u);
    EXPECT_EQ(State().armorPositions[0], 0u) << "nothing written before the leave";
    EXPECT_EQ(State().resources[GameState::kShipMaterial], 200u);
    EXPECT_EQ(Engine().shipShields, 5u);

    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(Scene().Screen(), nullptr);
    const GameState& s = State();
    EXPECT_EQ(s.armorPositions[0], kKitCube10);
    EXPECT_EQ(s.shieldPositions[4], kKitSphere);
    EXPECT_EQ(s.shipHold[0], 0u);
    EXPECT_EQ(s.storages[0][0], 0u);
    EXPECT_EQ(s.itemPool.storageNumber[kKitSphere - 1], 0);
    EXPECT_EQ(s.itemPool.x[kKitSphere - 1], 383);
    EXPECT_EQ(s.itemPool.y[kKitSphere - 1], 411);
    EXPECT_EQ(s.itemPool.x[kKitCube10 - 1], 245);
    EXPECT_EQ(s.itemPool.price[kKitCube10 - 1], 100u) << "the price is never written";
    EXPECT_EQ((std::vector<uint32_t>{s.itemsMax, s.itemsInstalled, s.shipUpgrades, s.shipUpgradeCost,
                                     s.resources[GameState::kShipMaterial]}),
              (std::vector<uint32_t>{6, 4, 2, 400, 0}));
    EXPECT_EQ((std::vector<uint32_t>{s.shipBaseShields, s.shipBaseArmor, s.shipBaseDefence, s.shipBaseProtection[0],
                                     s.shipBaseProtection[2]}),
              (std::vector<uint32_t>{6, 12, 9, 1, 1}));
    EXPECT_EQ((std::vector<uint32_t>{s.shipShields, s.shipShieldsMax, s.shipArmor, s.shipArmorMax, s.shipDefence,
                                     s.shipProtection[1]}),
              (std::vector<uint32_t>{11, 11, 22, 22, 9, 1}));
    const BattleEngine& e = Engine();
    EXPECT_EQ((std::vector<uint32_t>{e.shipShields, e.shipArmor, e.shipDefence, e.shipProtection[1]}),
              (std::vector<uint32_t>{11, 22, 9, 1}));
    EXPECT_EQ(e.engineLevel, 3);
    EXPECT_EQ(s.shipSpeed, 3u);
    EXPECT_EQ(e.barrelPresent[2], 1);
    EXPECT_EQ(e.barrelDamage[2], 7u);
    EXPECT_EQ(e.volleySize, 1);
    const YourShipScene::ShipSounds& sounds = Scene().OwnSounds();
    EXPECT_EQ((std::vector<uint32_t>{sounds.pick, sounds.install, sounds.drop, sounds.upgrade}),
              (std::vector<uint32_t>{2, 2, 0, 1}));
}

// Esc and a press on the upgrade arrow in one frame: the leave goes ahead
// and carries the upgrade, with the values worked out from the raised hull.
TEST_F(YourShipGame, AnUpgradePressedAsThePageIsLeftIsInTheValuesWritten) {
    Open();
    PointAt(driver, kUpgradeArrow.x, kUpgradeArrow.y);
    driver.PressKey(key::kEscape);
    driver.PressButton(0);
    driver.RunFrames(1);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    const GameState& s = State();
    EXPECT_EQ(s.shipUpgrades, 2u);
    EXPECT_EQ((std::vector<uint32_t>{s.shipBaseArmor, s.shipArmor, s.shipArmorMax, s.shipShieldsMax, s.shipDefence}),
              (std::vector<uint32_t>{12, 12, 12, 6, 9}));
    EXPECT_EQ(Engine().shipProtection[0], 1u);
    driver.ReleaseKey(key::kEscape);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
}

// Armor and shields are hull plus items less the damage not yet repaired
// or recharged; the maximum written is hull plus items, so taking an item
// off a damaged ship never leaves a maximum above what the ship can hold.
TEST_F(YourShipGame, DamageStaysBelowAMaximumOfHullPlusItems) {
    struct Case {
        bool shields;  // the sphere on shield position 1, else the cube of 10 on armor position 1
        uint32_t missing;
        bool fit;  // fit the item, else take it off again
        uint32_t value, maximum;
    };
    // The damage stays with the ship from one visit to the next.
    const Case cases[] = {{false, 4, true, 16, 20}, {false, 4, false, 6, 10}, {false, 4, true, 16, 20},
                          {false, 12, false, 0, 10}, {true, 3, true, 7, 10},  {true, 8, false, 0, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shields << " " << c.missing << " " << c.fit);
        DamageShip(c.shields, c.missing);
        Open();
        ClickAt(kOpenStorage);
        const At place = c.shields ? Shield(1) : Armor(1);
        const At kept = c.shields ? Stored(0) : Hold(0);
        if (c.fit) Move(kept, place);
        else Move(place, kept);
        Tap(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
        const GameState& s = State();
        EXPECT_EQ(c.shields ? s.shipShieldsMax : s.shipArmorMax, c.maximum);
        if (c.shields) {
            // The base recharges the shields from its first frame on.
            EXPECT_GE(Engine().shipShields, c.value);
            EXPECT_LE(Engine().shipShields, c.value + 1);
            EXPECT_EQ(Engine().shipShields, s.shipShields);
        } else {
            EXPECT_EQ(Engine().shipArmor, c.value);
            EXPECT_EQ(s.shipArmor, c.value);
        }
    }
}

// Shields recharged at the base are the ones the page shows and writes back.
TEST_F(YourShipGame, ShieldsRechargedAtTheBaseAreTheOnesThePageKeeps) {
    DamageShip(true, 4);
    const uint32_t full = State().shipShieldsMax;
    for (int frame = 0; frame < 1200 && State().shipShields < full; ++frame) driver.RunFrames(1);
    ASSERT_EQ(State().shipShields, full) << "the base recharged the shields";
    Open();
    EXPECT_EQ(Page().stats.shields, full);
    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(State().shipShields, full);
    EXPECT_EQ(Engine().shipShields, full);
}

// Holding an item refuses any leave, a shortcut key's too; once the item is
// down the same key goes to its page.
TEST_F(YourShipGame, HoldingAnItemRefusesEvenAShortcutUntilItIsDown) {
    Open();
    ClickAt(Hold(0));
    const std::string before = driver.DumpState();
    for (uint8_t code : {key::kB, key::kEscape}) {
        Tap(code);
        ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
        EXPECT_EQ(Page().holding, 1);
        EXPECT_EQ(Page().noEngine, 0);
        EXPECT_NE(Page().timers[ShipScreen::kLeaveRefusedTimer], 0);
        EXPECT_EQ(Page().heldItem, kKitCube10);
    }
    EXPECT_EQ(driver.DumpState(), before) << "a refused leave writes nothing";
    EXPECT_EQ(Scene().ScreensMade(), 1u);
    ClickAt(Armor(4));
    Tap(key::kB);
    ASSERT_TRUE(App().IsCurrent(SceneId::Buildings));
    EXPECT_EQ(State().armorPositions[3], kKitCube10);
}

// Without an engine the leave is refused, and that message wins over the
// held item; the "Leave anyways?" question is not asked then.
TEST_F(YourShipGame, NoEngineRefusesTheLeaveBeforeTheWeaponQuestion) {
    Open();
    Move(Weapon(3), Hold(8));
    ClickAt(EnginePlace());
    struct Step {
        At dropAt;  // {0, 0}: keep holding
        uint8_t holding;
    };
    for (const Step& step : {Step{{0, 0}, 1}, Step{Hold(9), 0}}) {
        if (step.dropAt.x != 0) ClickAt(step.dropAt);
        Tap(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
        EXPECT_EQ(Page().noEngine, 1);
        EXPECT_EQ(Page().holding, step.holding);
        EXPECT_EQ(Page().leaveDialog, 0);
        EXPECT_EQ(Page().leaveRefused, 1);
    }
    Move(Hold(9), EnginePlace());
    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    EXPECT_EQ(Page().leaveDialog, 1) << "an engine but no weapon";
    EXPECT_EQ(Page().leaveRefused, 0);
}

// With no weapon every leave asks first. The question takes Y, N, Enter, Esc
// and its buttons as its answers, and a shortcut key pressed while it is
// open opens no page: N says No instead of opening Notes. A Yes goes where
// the key that asked pointed. Leaving without a cannon writes no barrels.
TEST_F(YourShipGame, TheWeaponQuestionKeepsItsKeysAndGoesWhereTheAskingKeyPointed) {
    Open();
    Move(Weapon(3), Hold(8));
    Tap(key::kO);
    ASSERT_EQ(Page().leaveDialog, 1);
    Tap(key::kN);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip)) << "N answers; it does not open Notes";
    EXPECT_EQ(Page().leaveDialog, 0);
    Tap(key::kB);
    ASSERT_EQ(Page().leaveDialog, 1);
    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip)) << "Esc closes the question";
    EXPECT_EQ(Page().leaveDialog, 0);
    EXPECT_EQ(Page().heldItem, 0u);

    Tap(key::kO);
    ASSERT_EQ(Page().leaveDialog, 1);
    PointAt(driver, Hold(8).x, Hold(8).y);
    Click(driver);
    EXPECT_EQ(Page().heldItem, 0u) << "the question keeps the mouse off the items";
    Tap(key::kY);
    ASSERT_TRUE(App().IsCurrent(SceneId::Options)) << "Y answers the question O asked";
    const GameState& s = State();
    EXPECT_EQ(s.weaponPositions[2], 0u);
    EXPECT_EQ(s.shipHold[8], kKitCannon);
    EXPECT_EQ(s.volleyFlag, 0);
    EXPECT_EQ(Engine().volleySize, 0);
    for (int b = 0; b < GameState::kWeaponPositions; ++b) {
        EXPECT_EQ(Engine().barrelPresent[b], 0) << b;
        EXPECT_EQ(Engine().barrelDamage[b], 0u) << b;
        EXPECT_EQ(s.weaponDamage[b], 0u) << b;
    }

    struct Answer {
        uint8_t asks;
        uint8_t answers;  // 0: the Yes button
        SceneId to;
    };
    for (const Answer& a : {Answer{key::kBack, 0, SceneId::HomeBase}, Answer{key::kR, key::kReturn, SceneId::Robots}}) {
        Open();
        Tap(a.asks);
        ASSERT_EQ(Page().leaveDialog, 1);
        if (a.answers) {
            Tap(a.answers);
        } else {
            ClickAt(kYes);
        }
        EXPECT_TRUE(App().IsCurrent(a.to)) << scenes::Name(a.to);
    }
}

// Enter with the question open and a help panel held open by the right
// button closes the panel, which forgets where the leave was to go: the
// leave is dropped with its question, and the mouse moves items again.
TEST_F(YourShipGame, ALeaveWithNowhereToGoIsDroppedWithItsQuestion) {
    Open();
    Move(Weapon(3), Hold(8));
    Tap(key::kEscape);
    ASSERT_EQ(Page().leaveDialog, 1);
    PointAt(driver, 700, 270);  // Wide Spread: its help while right-held
    driver.PressButton(1);
    driver.RunFrames(1);
    ASSERT_EQ(Page().rightHelp, 11);
    Tap(key::kReturn);
    driver.ReleaseButton(1);
    driver.RunFrames(1);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    EXPECT_EQ(Page().leaveDialog, 0);
    ClickAt(Hold(8));
    EXPECT_EQ(Page().heldItem, kKitCannon);
    ClickAt(Weapon(3));
    Tap(key::kEscape);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase));
}

// Backspace and Esc close an open panel before they leave, and Enter
// closes it too.
TEST_F(YourShipGame, PanelsCloseBeforeTheKeysLeave) {
    Open();
    ClickAt(kAttackLabel);
    ASSERT_EQ(Page().leftHelp, 4);
    Tap(key::kBack);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    EXPECT_EQ(Page().leftHelp, 0);
    ClickAt(kUpgradeArrow);
    ASSERT_EQ(Page().upgradePanelOpen, 1);
    Tap(key::kReturn);
    EXPECT_EQ(Page().upgradePanelOpen, 0);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    Tap(key::kBack);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(State().shipUpgrades, 2u);
}

// A shortcut key leaves for its page with a help panel (opened by a click
// or held by the right button) or the upgrade panel open: the panel is no
// question and keeps no key. N opens Notes here, as no question is open.
TEST_F(YourShipGame, AShortcutKeyLeavesForItsPageWithAPanelOpen) {
    struct Case {
        const char* panel;
        At opener;
        int button;  // 0 clicked, 1 held through the key
        uint8_t key;
        SceneId to;
    };
    const Case cases[] = {
        {"Level help", kLevelLabel, 0, key::kB, SceneId::Buildings},
        {"Attack help", kAttackLabel, 0, key::kN, SceneId::Notes},
        {"Wide Spread help, right-held", {700, 270}, 1, key::kW, SceneId::Wealth},
        {"upgrade panel", kUpgradeArrow, 0, key::kR, SceneId::Robots},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.panel);
        Open();
        PointAt(driver, c.opener.x, c.opener.y);
        driver.PressButton(c.button);
        driver.RunFrames(1);
        if (c.button == 0) {
            driver.ReleaseButton(0);
            driver.RunFrames(1);
        }
        ASSERT_TRUE(Page().leftHelp != 0 || Page().rightHelp != 0 || Page().upgradePanelOpen != 0);
        Tap(c.key);
        EXPECT_TRUE(App().IsCurrent(c.to)) << scenes::Name(App().sceneFrame);
        if (c.button != 0) {
            driver.ReleaseButton(c.button);
            driver.RunFrames(1);
        }
    }
    EXPECT_EQ(State().shipUpgrades, 2u) << "the upgrade under the panel went with the leave";
}

// With a help panel open and no weapon, a shortcut key asks "Leave
// anyways?"; the question keeps its keys: N says No instead of opening
// Notes, and Y says Yes to the page the asking key pointed at.
TEST_F(YourShipGame, WithAHelpPanelOpenTheQuestionStillTakesNAndY) {
    Open();
    Move(Weapon(3), Hold(8));
    ClickAt(kLevelLabel);
    ASSERT_EQ(Page().leftHelp, 1);
    Tap(key::kB);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    ASSERT_EQ(Page().leaveDialog, 1);
    Tap(key::kN);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip)) << "N answers; it does not open Notes";
    EXPECT_EQ(Page().leaveDialog, 0);
    Tap(key::kB);
    ASSERT_EQ(Page().leaveDialog, 1);
    Tap(key::kY);
    EXPECT_TRUE(App().IsCurrent(SceneId::Buildings)) << scenes::Name(App().sceneFrame);
    EXPECT_EQ(State().shipHold[8], kKitCannon);
}

// A place naming an id whose pool entry is empty holds nothing: a click
// there takes nothing up, so nothing stops the page from being left; an
// item put there takes its place and the empty entry does not come back
// on the cursor in exchange.
TEST_F(YourShipGame, AnIdOfAnEmptyPoolEntryIsNeverTakenUp) {
    constexpr ItemId kEmptyEntry = 50;
    struct Case {
        const char* field;
        const char* values;
        At place;
        At cube;  // a cube of the starting kit to put there
        ItemId cubeId;
        uint32_t& (*slot)(GameState&);
        uint8_t installed;  // after the cube is put there
    };
    const Case cases[] = {
        {"shipHold", "3 4 5 6 50 0*10", Hold(4), Hold(0), kKitCube10,
         [](GameState& s) -> uint32_t& { return s.shipHold[4]; }, 2},
        {"armorPositions", "50 0*37", Armor(1), Hold(1), 4,
         [](GameState& s) -> uint32_t& { return s.armorPositions[0]; }, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        ASSERT_TRUE(driver.SetField(c.field, c.values));
        ASSERT_EQ(State().itemPool.exists[kEmptyEntry - 1], 0);
        Open();
        const uint32_t picks = Scene().OwnSounds().pick;
        ClickAt(c.place);
        EXPECT_EQ(Page().heldItem, 0u);
        EXPECT_EQ(Scene().OwnSounds().pick, picks);
        Tap(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase)) << "nothing held, nothing refused";
        EXPECT_EQ(c.slot(State()), kEmptyEntry);

        Open();
        Move(c.cube, c.place);
        EXPECT_EQ(Page().heldItem, 0u);
        Tap(key::kEscape);
        ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
        EXPECT_EQ(c.slot(State()), c.cubeId);
        EXPECT_EQ(State().itemsInstalled, c.installed) << "the empty entry was never counted";
    }
}

// The fire mode picked on the page reaches the record and the engine on leaving.
TEST_F(YourShipGame, TheFireModePickedIsWrittenOnLeaving) {
    ASSERT_EQ(State().fireMode, 1);
    Open();
    ClickAt({700, 270});  // Wide Spread
    ASSERT_EQ(Page().fireMode, 3);
    EXPECT_EQ(State().fireMode, 1) << "nothing written before the leave";
    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(State().fireMode, 3);
    EXPECT_EQ(Engine().fireMode, 3);
}

// The page's own key keeps it open: no copy back, no new screen.
TEST_F(YourShipGame, ItsOwnKeyChangesNothing) {
    Open();
    Move(Hold(0), Armor(2));
    Tap(key::kY);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    EXPECT_EQ(Scene().ScreensMade(), 1u);
    EXPECT_EQ(Page().loadout.armorPositions[1], kKitCube10);
    EXPECT_EQ(State().armorPositions[1], 0u);
    EXPECT_EQ(State().returnedFromScreen, 0);
}

// The Storage building's "Open Storage" row opens the page on its storage.
TEST_F(YourShipGame, AStorageBuildingOpensItsStorage) {
    const AreaBackdrop& view = *App().areaBackdrop;
    const BattleEngine& e = Engine();
    ASSERT_EQ(e.building.type[0], 0) << "the new base's Storage";
    PointAt(driver, e.building.x[0] - view.viewX + 5, e.building.y[0] - view.viewY + 5);
    Click(driver);
    ASSERT_EQ(e.hoveredBuilding, 1);
    PointAt(driver, 700, 92);
    ASSERT_EQ(e.storageHover, 1);
    Click(driver);
    ASSERT_TRUE(App().IsCurrent(SceneId::YourShip));
    EXPECT_EQ(Page().storageOpen, 1);
    EXPECT_EQ(Page().currentStorage, 1u);
    EXPECT_EQ(State().storageToOpen, 0u);
    EXPECT_EQ(e.storageOpenRequest, 0);
    Move(Stored(0), Hold(4));
    Tap(key::kEscape);
    Open();
    EXPECT_EQ(Page().storageOpen, 0) << "a visit by key opens none";
}

// Away from the base only the hold changes, and leaving returns to the region.
TEST_F(YourShipGame, FromTheFirstRegionOnlyTheHoldChangesAndTheLeaveGoesBack) {
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    Open();
    Move(Hold(0), Armor(1));
    EXPECT_EQ(Page().heldItem, kKitCube10);
    EXPECT_EQ(Page().awayMessage, ShipScreen::kAwayChangeShip);
    ClickAt(Hold(7));
    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::EarthSystem));
    EXPECT_EQ(State().shipHold[7], kKitCube10);
    EXPECT_EQ(State().armorPositions[0], 0u);
    EXPECT_EQ(State().itemsInstalled, 2);
}

// An item held through a device loss is still held afterwards; one
// "L O A D I N G" and the same screen.
TEST_F(YourShipGame, AHeldItemSurvivesADeviceLoss) {
    Open();
    ClickAt(Hold(3));
    const uint32_t loadings = App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(3);
    EXPECT_EQ(Page().shipSheet, nullptr) << "art released while lost";
    driver.RestoreDevice();
    driver.RunFrames(2);
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    EXPECT_NE(Page().shipSheet, nullptr);
    EXPECT_EQ(Scene().ScreensMade(), 1u);
    EXPECT_EQ(Page().heldItem, 6u);
    ClickAt(Armor(30));
    Tap(key::kEscape);
    ASSERT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(State().armorPositions[29], 6u);
    EXPECT_EQ(State().shipDefence, 16u) << "the defence cube's 8";
}

// The script in tests/harness: a Shields Sphere bought in the Store goes
// onto the hull, and the engine's shields follow once the page is left.
TEST(YourShipScript, ABoughtSphereFittedRaisesTheEnginesShields) {
    GameDriver driver;
    ASSERT_TRUE(driver.StartScript("example-your-ship.txt"));
    driver.RunFrames(200);
    GameApp& app = driver.App();
    ASSERT_EQ(app.sceneFrame, SceneId::YourShip);
    constexpr ItemId kBought = 8;
    ASSERT_EQ(app.gameState->shipHold[4], kBought);
    EXPECT_EQ(app.gameState->itemPool.itemClass[kBought - 1], static_cast<uint8_t>(kSphere)) << "a sphere";
    EXPECT_EQ(app.gameState->resources[GameState::kGold], 980u);
    EXPECT_EQ(app.battleEngine->shipShields, 5u);
    driver.RunFrames(16);
    EXPECT_EQ(driver.SceneAs<YourShipScene>(SceneId::YourShip).Screen()->heldItem, kBought);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "your_ship_holding_bought_sphere"));
    driver.RunFrames(44);
    ASSERT_EQ(app.sceneFrame, SceneId::HomeBase);
    const GameState& state = *app.gameState;
    EXPECT_EQ(state.shieldPositions[4], kBought);
    EXPECT_EQ(state.shipHold[4], 0u);
    EXPECT_EQ(state.itemsInstalled, 3);
    EXPECT_EQ(state.shipShieldsMax, 5u + state.itemPool.stat[kBought - 1]);
    EXPECT_EQ(app.battleEngine->shipShields, 7u);
}

}  // namespace
