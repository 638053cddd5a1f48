// Saving and loading through the real game: a new game named in slot 1,
// saved from the home base and loaded back; a skill used after a load and
// saved; a second load in the same run.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "shell/file_picker.h"
#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/save_file.h"
#include "shell_scratch_dir.h"

namespace {
// Esc in an area, then Y in the save dialog.
bool SaveAndQuit(GameDriver& driver) {
    driver.TapKey(key::kEscape);
    if (!driver.RunUntilScene(SceneId::SaveQuit, 10)) return false;
    driver.TapKey(key::kY);
    return driver.RunUntilScene(SceneId::MainMenu, 10);
}

uint32_t SavedWord(GameDriver& driver, int slot, uint32_t word) {
    const std::vector<uint8_t> file =
        ScratchFolder::ReadBytes(driver.GameDir() + "/Saves/" + std::to_string(slot) + ".save");
    return file.size() == save_file::kBodyBytes + 4 ? save_file::ReadWord(file.data() + 4, word) : 0xFFFFFFFFu;
}

GameState NewRecord() {
    GameState record;
    record.NewGame();
    return record;
}
}  // namespace

// The skill bar spends the engine's charges: the save keeps the charge the
// player filled, not the combat value the engine was seeded with.
TEST(SaveFlowThroughTheGame, ASkillUsedAfterALoadIsSavedWithItsCharge) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    GameState saved = NewRecord();
    saved.skillLevels[kSkillShipProtection] = 1;
    saved.skillBenefits[kSkillShipProtection] = 50;
    saved.skillCharges[kSkillShipProtection] = 0;
    saved.skillEnergyCosts[kSkillShipProtection] = 5;
    ASSERT_TRUE(driver.WriteSaveSlot(1, saved));
    ASSERT_TRUE(driver.ToMainMenu());
    ASSERT_TRUE(driver.LoadSlot(1));
    driver.RunFrames(2);
    driver.TapKey(key::kF7);
    BattleEngine& engine = *driver.App().battleEngine;
    EXPECT_EQ(engine.skillValues[kSkillShipProtection], 50);
    // Hits spend the protection in the engine alone; the save must take the
    // engine's charge, not the record's full one.
    engine.skillValues[kSkillShipProtection] = 37;
    ASSERT_TRUE(SaveAndQuit(driver));
    EXPECT_EQ(SavedWord(driver, 1, save_file::kChargeWord + kSkillShipProtection), 37u);
}

// A load in a run whose home base has been shown already: the view goes
// back to its start and the base repairs what the loaded game brought.
TEST(SaveFlowThroughTheGame, ASecondLoadStartsTheViewAfreshAndRepairsOnArrival) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    GameState damaged = NewRecord();
    damaged.shipArmor = damaged.shipArmorMax - 10;
    ASSERT_TRUE(driver.WriteSaveSlot(1, NewRecord()));
    ASSERT_TRUE(driver.WriteSaveSlot(2, damaged));
    ASSERT_TRUE(driver.ToMainMenu());
    ASSERT_TRUE(driver.LoadSlot(1));
    GameApp& app = driver.App();
    ASSERT_EQ(app.areaBackdrop->viewY, -620);

    // Fly up for a while: the view follows the ship.
    driver.PointAt(400, 40);
    driver.PressButton(0);
    driver.RunFrames(90);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    ASSERT_NE(app.areaBackdrop->viewY, -620);
    ASSERT_EQ(app.controlPanel->travelled, 0);
    ASSERT_TRUE(SaveAndQuit(driver));

    ASSERT_TRUE(driver.LoadSlot(2));
    driver.RunFrames(1);
    GameState& state = *app.gameState;
    EXPECT_EQ(app.areaBackdrop->viewX, 30);
    EXPECT_EQ(app.areaBackdrop->viewY, -620);
    EXPECT_EQ(state.shipArmor, state.shipArmorMax);
    EXPECT_EQ(state.resources[GameState::kShipMaterial], damaged.resources[GameState::kShipMaterial] - 10);
    EXPECT_EQ(app.controlPanel->repairsNotice, 1);
}

// A save whose hold, storages or ship positions name an id of an empty pool
// entry is damaged like one with any other value the game cannot make: the
// load picker shows its slot empty and its key loads nothing. The same
// game with that entry made a real item loads.
TEST(SaveFlowThroughTheGame, ASaveNamingAnEmptyPoolEntryInAPlaceIsDamaged) {
    constexpr ItemId kId = 50;
    struct Case {
        int slot;
        void (*place)(GameState&);
        bool entryMade;
    };
    const Case cases[] = {
        {1, [](GameState& s) { s.shipHold[4] = kId; }, false},
        {2, [](GameState& s) { s.storages[98][11] = kId; }, false},
        {3, [](GameState& s) { s.enginePosition = kId; }, false},
        {4, [](GameState& s) { s.shipHold[4] = kId; }, true},
        {5, [](GameState& s) { s.armorPositions[37] = kId; }, false},
    };
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    for (const Case& c : cases) {
        GameState record = NewRecord();
        record.level = static_cast<uint32_t>(10 + c.slot);
        c.place(record);
        if (c.entryMade) {
            ItemPool& pool = record.itemPool;
            pool.exists[kId - 1] = 1;
            pool.itemClass[kId - 1] = kCube;
            pool.stat[kId - 1] = 3;
            pool.Place(kId, HoldCellX(4), HoldCellY(4), 0);
        }
        ASSERT_TRUE(driver.WriteSaveSlot(c.slot, record));
    }
    ASSERT_TRUE(driver.ToMainMenu());
    driver.TapKey(key::kL);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::LoadGamePicker, 10));
    const FilePicker& picker = *driver.App().filePicker;
    for (const Case& c : cases) EXPECT_EQ(picker.slotUsed[c.slot - 1], c.entryMade ? 1 : 0) << "slot " << c.slot;
    for (const Case& c : cases) {
        if (c.entryMade) continue;
        driver.TapKey(static_cast<uint8_t>(key::k1 + c.slot - 1));
        EXPECT_TRUE(driver.App().IsCurrent(SceneId::LoadGamePicker)) << "slot " << c.slot;
    }
    driver.TapKey(key::k4);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 10));
    const GameState& state = *driver.App().gameState;
    EXPECT_EQ(state.level, 14u);
    EXPECT_EQ(state.shipHold[4], kId);
}
