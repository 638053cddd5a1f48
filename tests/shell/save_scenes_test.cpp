// The one-frame save, load and hall-of-fame scenes on an application with
// no window: only the record, the blobs and the files take part.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "battle/battle_engine.h"
#include "platform/data_blob.h"
#include "platform/file_replace.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/game_state_dump.h"
#include "shell/hall_of_fame_file.h"
#include "shell/load_game_scene.h"
#include "shell/record_exchange.h"
#include "shell/save_file.h"
#include "shell/save_game_scene.h"
#include "shell/write_hall_of_fame_scene.h"
#include "shell_scratch_dir.h"

namespace {

// A GameApp with a record and an engine but no devices, and the scenes
// under test.
struct Headless {
    Headless() {
        app.gameState = std::make_unique<GameState>();
        app.gameState->NewGame();
        app.battleEngine = std::make_unique<BattleEngine>();
    }
    GameState& state() { return *app.gameState; }
    BattleEngine& engine() { return *app.battleEngine; }
    GameApp app;
    SaveGameScene save;
    LoadGameScene load;
    WriteHallOfFameScene writeHallOfFame;
};

// Makes the engine agree with the record, as an area scene does on entry.
void EngineFromRecord(Headless& h) { record_exchange::SeedNewAreaEngine(h.engine(), h.state()); }

std::vector<uint8_t> SlotBody(int slot) {
    std::vector<uint8_t> file = ScratchFolder::ReadBytes(std::string("Saves/") + std::to_string(slot) + ".save");
    if (file.size() < 4) return {};
    return std::vector<uint8_t>(file.begin() + 4, file.end());
}

int FailRename(const char*, const char*) { return -1; }

}  // namespace

TEST(SaveScene, KeepsTheRecordsWeaponIdsAndTakesOnlyWhatTheEngineOwns) {
    ShellScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    Headless h;
    const uint32_t ids[5] = {0, 300, 1, 0, 999};
    for (int b = 0; b < 5; ++b) h.state().weaponPositions[b] = ids[b];
    h.state().saveSlot = 3;
    h.engine().barrelPresent[1] = 44;  // the engine's fitted flags are not ids
    const uint32_t damages[5] = {0, 12, 7, 0, 30};
    for (int b = 0; b < 5; ++b) h.engine().barrelDamage[b] = damages[b];
    h.engine().volleySize = 3;
    h.engine().robotTypeCounts[2] = 4;
    h.engine().skillValues[8] = 99;  // only the first eight are the engine's

    h.save.Frame(h.app);
    const std::vector<uint8_t> body = SlotBody(3);
    ASSERT_EQ(body.size(), save_file::kBodyBytes);
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(save_file::ReadWord(body.data(), 1203 + b), ids[b]);
        EXPECT_EQ(save_file::ReadWord(body.data(), 1209 + b), damages[b]);
    }
    EXPECT_EQ(save_file::ReadWord(body.data(), 1214), 3u);
    EXPECT_EQ(save_file::ReadWord(body.data(), 16565), 4u);
    EXPECT_EQ(save_file::ReadWord(body.data(), 2421 + 8), h.state().skillCharges[8]);
    EXPECT_NE(h.state().skillCharges[8], 99u);
    EXPECT_EQ(h.app.sceneFrame, SceneId::MainMenu);
    EXPECT_EQ(h.app.leaveScene, 1);
    EXPECT_EQ(h.state().slotsStale, 1);
    EXPECT_EQ(h.state().blobData, nullptr);
}

TEST(SaveScene, AfterTheEndingGoesToTheHallOfFameOnce) {
    ShellScratchDir dir;
    Headless h;
    h.state().hallOfFameAfterSave = 1;
    h.save.Frame(h.app);
    EXPECT_EQ(h.app.sceneFrame, SceneId::HallOfFame);
    EXPECT_EQ(h.state().hallOfFameAfterSave, 0);
    h.save.Frame(h.app);
    EXPECT_EQ(h.app.sceneFrame, SceneId::MainMenu);
}

// The write stops after the temporary file and before it takes the slot's
// place: the old save stays whole and the player is told, not sent away.
TEST(SaveScene, AnInterruptedWriteKeepsTheOldSlotAndReportsTheFailure) {
    ShellScratchDir dir;
    Headless h;
    EngineFromRecord(h);
    h.state().level = 11;
    h.save.Frame(h.app);
    const std::vector<uint8_t> before = ScratchFolder::ReadBytes("Saves/1.save");
    ASSERT_EQ(before.size(), save_file::kBodyBytes + 4);

    h.state().level = 12;
    h.state().location = 2;
    h.app.sceneFrame = SceneId::SaveGame;
    h.state().slotsStale = 0;
    SetReplaceRenameForTesting(FailRename);
    h.save.Frame(h.app);
    SetReplaceRenameForTesting(nullptr);
    EXPECT_EQ(ScratchFolder::ReadBytes("Saves/1.save"), before);
    EXPECT_FALSE(std::filesystem::exists("Saves/1.save.tmp"));
    EXPECT_EQ(h.save.saveFailed, 1);
    EXPECT_EQ(h.app.sceneFrame, SceneId::SaveGame);
    EXPECT_NE(h.state().slotsStale, 1);

    // A crash at the same point leaves a partial temporary file; the slot
    // still loads as it was.
    ScratchFolder::WriteBytes("Saves/1.save.tmp", {1, 2, 3});
    Headless loader;
    loader.state().level = 0;
    loader.load.Frame(loader.app);
    EXPECT_EQ(loader.state().loadSucceeded, 1);
    EXPECT_EQ(loader.state().level, 11u);
}

// A game saved in a battle region comes back in the home base, its engine
// seeded from the record (an item id whose low byte is 0 still fits a barrel).
TEST(LoadScene, LoadsTheSlotIntoTheHomeBaseAndSeedsTheEngine) {
    ShellScratchDir dir;
    Headless saver;
    saver.state().currentArea = 7;
    saver.state().weaponPositions[0] = 256;
    saver.state().itemPool.exists[255] = 1;
    saver.state().itemPool.itemClass[255] = kCannon;
    saver.state().robotRank[0] = 2;
    EngineFromRecord(saver);
    saver.save.Frame(saver.app);
    Headless loader;
    loader.load.Frame(loader.app);
    EXPECT_EQ(loader.state().loadSucceeded, 1);
    EXPECT_EQ(loader.state().currentArea, 1u);
    EXPECT_EQ(loader.app.sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(loader.engine().barrelPresent[0], 1);
    EXPECT_EQ(loader.engine().robot.type[0], 2);
}

TEST(LoadScene, AMissingOrDamagedSlotLeavesTheRecordAsItWas) {
    ShellScratchDir dir;
    Headless h;
    h.state().saveSlot = 5;
    h.state().level = 3;
    const std::string before = DumpGameState(h.state());
    h.load.Frame(h.app);
    EXPECT_EQ(h.state().loadSucceeded, 0);
    EXPECT_EQ(h.app.sceneFrame, SceneId::HomeBase);

    std::vector<uint8_t> body(save_file::kBodyBytes, 0);
    save_file::Encode(h.state(), body.data());
    save_file::WriteWord(body.data(), 2403, 100);  // 100 storages of 99
    ScratchFolder::WriteBytes("Saves/5.save", ShellScratchDir::BlobFile(body));
    h.load.Frame(h.app);
    EXPECT_EQ(h.state().loadSucceeded, 0);
    EXPECT_EQ(h.state().storageCount, 1u);
    EXPECT_EQ(h.state().level, 3u);
}

// A damaged file in the slot the game saves to is kept beside it, not
// written over; a sound file is simply replaced; a second damaged file does
// not overwrite the first one kept.
TEST(SaveScene, ADamagedSlotIsKeptAsideBeforeTheSaveTakesItsPlace) {
    ShellScratchDir dir;
    Headless h;
    EngineFromRecord(h);
    h.state().saveSlot = 2;
    const std::vector<uint8_t> damaged = {7, 0, 0, 0, 1, 2, 3};
    ScratchFolder::WriteBytes("Saves/2.save", damaged);
    h.save.Frame(h.app);
    EXPECT_EQ(ScratchFolder::ReadBytes("Saves/2.save.damaged"), damaged);
    EXPECT_EQ(SlotBody(2).size(), save_file::kBodyBytes);

    h.app.sceneFrame = SceneId::SaveGame;
    h.save.Frame(h.app);
    EXPECT_FALSE(std::filesystem::exists("Saves/2.save.damaged-2"));

    ScratchFolder::WriteBytes("Saves/2.save", {1, 2});
    h.app.sceneFrame = SceneId::SaveGame;
    h.save.Frame(h.app);
    EXPECT_EQ(ScratchFolder::ReadBytes("Saves/2.save.damaged"), damaged);
    EXPECT_EQ(ScratchFolder::ReadBytes("Saves/2.save.damaged-2"), (std::vector<uint8_t>{1, 2}));
}

// The writer reads the file first (the view that fills the record's table
// may not have been opened in this run): earlier entries stay, a damaged
// file counts as an empty table, and the result lands in the file's words.
TEST(HallOfFameWriter, AddsTheResultToTheTableOnFile) {
    ShellScratchDir dir;
    Headless h;
    h.state().level = 12;
    h.writeHallOfFame.Frame(h.app);
    EXPECT_EQ(h.app.sceneFrame, SceneId::Galaxy);
    std::vector<uint8_t> file = ScratchFolder::ReadBytes("Saves/HallOfFame.save");
    ASSERT_EQ(file.size(), 604u);
    EXPECT_EQ(save_file::ReadWord(file.data() + 4, 0), 12u);
    EXPECT_EQ(save_file::ReadWord(file.data() + 4, 5), 1u);
    EXPECT_EQ(save_file::ReadWord(file.data() + 4, 20), h.state().playerName[0]);

    h.state().level = 5;
    h.writeHallOfFame.Frame(h.app);
    HallOfFameRecord read;
    DataBlob blob;
    ASSERT_TRUE(hall_of_fame_file::Read(blob, read));
    EXPECT_EQ(read.values[0], 12) << "the earlier entry stays";
    EXPECT_EQ(read.values[1], 5);

    HallOfFameRecord gapped;
    gapped.values[1] = 50;
    gapped.used[1] = 1;  // an entry after a free one cannot be
    std::vector<uint8_t> body(hall_of_fame_file::kBodyBytes);
    hall_of_fame_file::Encode(gapped, body.data());
    ScratchFolder::WriteBytes("Saves/HallOfFame.save", ShellScratchDir::BlobFile(body));
    h.state().level = 2;
    h.writeHallOfFame.Frame(h.app);
    ASSERT_TRUE(hall_of_fame_file::Read(blob, read));
    EXPECT_EQ(read.values[0], 2);
    EXPECT_EQ(read.used[1], 0);
}
