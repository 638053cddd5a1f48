// Damaged files fed to every reader: truncated, extended and randomly
// mutated saves, hall-of-fame and option files. Nothing may crash or read
// out of bounds (the sanitizer build watches), what is accepted must fit
// its tables, and accepted saves must play.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/data_blob.h"
#include "platform/key_codes.h"
#include "platform/options_file.h"
#include "shell/file_picker.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/hall_of_fame_file.h"
#include "shell/load_game_scene.h"
#include "shell/save_file.h"
#include "shell/slot_picking.h"
#include "shell/write_hall_of_fame_scene.h"
#include "shell_scratch_dir.h"

namespace {

enum class Damage { Truncate, Extend, Mutate };

// First word and word count of each field of the save map (empty for files
// without one): most mutations land on a field chosen evenly, so that short
// fields are hit as often as long ones.
using FieldSpans = std::vector<std::pair<uint32_t, uint32_t>>;

FieldSpans SaveFieldSpans() {
    FieldSpans spans;
    auto scratch = std::make_unique<GameState>();
    for (int f = 0; f < save_file::FieldCount(); ++f) {
        const save_file::WordField& field = save_file::FieldAt(f);
        spans.emplace_back(field.firstWord, field.locate(*scratch).count);
    }
    return spans;
}

// A file of the body with one kind of damage, chosen by the generator.
std::vector<uint8_t> Damaged(const std::vector<uint8_t>& body, Damage damage, uint32_t usedWords, std::mt19937& rng,
                             const FieldSpans& fields = {}) {
    std::vector<uint8_t> file = ShellScratchDir::BlobFile(body);
    switch (damage) {
    case Damage::Truncate:
        file.resize(std::uniform_int_distribution<size_t>(0, file.size() - 1)(rng));
        break;
    case Damage::Extend: {
        const size_t extra = std::uniform_int_distribution<size_t>(1, 64)(rng);
        for (size_t k = 0; k < extra; ++k) file.push_back(static_cast<uint8_t>(rng()));
        if (rng() % 2) {  // a length word that agrees with the longer body
            const uint32_t n = static_cast<uint32_t>(file.size() - 4);
            for (int b = 0; b < 4; ++b) file[b] = static_cast<uint8_t>(n >> (8 * b));
        }
        break;
    }
    case Damage::Mutate: {
        const int changes = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int c = 0; c < changes; ++c) {
            uint32_t word = std::uniform_int_distribution<uint32_t>(0, usedWords - 1)(rng);
            if (!fields.empty() && rng() % 4 != 0) {
                const auto& [first, count] = fields[rng() % fields.size()];
                word = first + static_cast<uint32_t>(rng() % count);
            }
            uint32_t value = rng();
            if (rng() % 2) value %= 1200;  // near the tables' limits
            if (rng() % 4 == 0) value = 0x80000000u + rng() % 3 - 1;  // about the sign bit
            save_file::WriteWord(file.data() + 4, word, value);
        }
        if (rng() % 16 == 0) file[std::uniform_int_distribution<int>(0, 3)(rng)] ^= static_cast<uint8_t>(1 + rng() % 255);
        break;
    }
    }
    return file;
}

Damage Kind(int iteration) { return static_cast<Damage>(iteration % 3); }

// What an accepted file gives the game must be what the file says, and
// safe to play: no byte cut from a larger word, base coordinates whose
// screen arithmetic cannot overflow, skill meters no taller than their row.
void ExpectPlayable(const std::vector<uint8_t>& file, GameState& s) {
    const uint8_t* body = file.data() + 4;
    for (int f = 0; f < save_file::FieldCount(); ++f) {
        const save_file::WordField& field = save_file::FieldAt(f);
        if (!field.readBack) continue;
        const save_file::FieldRef ref = field.locate(s);
        for (uint32_t k = 0; k < ref.count; ++k) {
            const uint32_t word = save_file::ReadWord(body, field.firstWord + k);
            uint32_t held = ref.data[k];
            if (ref.elementBytes == 4) std::memcpy(&held, ref.data + 4 * k, 4);
            ASSERT_EQ(held, word) << field.name << "[" << k << "]";
        }
    }
    for (int i = 0; i < GameState::kBuildingSlots; ++i) {
        for (int32_t c : {s.buildingX[i], s.buildingY[i]}) ASSERT_LT(std::llabs(c), 1 << 24) << "building " << i;
    }
    for (int32_t c : {s.factoryX, s.factoryY}) ASSERT_LT(std::llabs(c), 1 << 24) << "factory";
    for (int k = 0; k < 8; ++k) {
        ASSERT_LE(s.skillCharges[k], s.skillBenefits[k]) << "a skill holds at most its full value: " << k;
        const double full = static_cast<int32_t>(s.skillBenefits[k]);
        const double meter = full != 0 ? 7.0 * static_cast<int32_t>(s.skillCharges[k]) / full : 0.0;
        ASSERT_GE(meter, 0.0) << "skill " << k;
        ASSERT_LE(meter, 7.0) << "skill " << k;
    }
}

}  // namespace

TEST(SaveFuzz, DamagedSlotFilesNeverCrashTheReadersOrThePickerProbe) {
    ShellScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    auto base = std::make_unique<GameState>();
    base->NewGame();
    base->level = 77;
    for (int k = 0; k < 8; ++k) base->skillBenefits[k] = 50, base->skillCharges[k] = 20;
    std::vector<uint8_t> body(save_file::kBodyBytes);
    save_file::Encode(*base, body.data());

    GameApp app;
    app.gameState = std::make_unique<GameState>();
    app.gameState->NewGame();
    app.battleEngine = std::make_unique<BattleEngine>();
    LoadGameScene load;
    FilePicker picker;
    std::mt19937 rng(20261206);
    const FieldSpans fields = SaveFieldSpans();
    int accepted = 0, refused = 0;
    constexpr int kIterations = 3000;
    for (int i = 0; i < kIterations; ++i) {
        const std::vector<uint8_t> file = Damaged(body, Kind(i), save_file::kUsedWords, rng, fields);
        ScratchFolder::WriteBytes("Saves/1.save", file);
        DataBlob blob;
        uint32_t size = 0;
        const uint8_t* data = blob.ReadFile("Saves\\1.save", &size, save_file::kBodyBytes);
        auto record = std::make_unique<GameState>(*base);
        const bool decoded = save_file::Decode(data, size, *record);
        decoded ? ++accepted : ++refused;
        if (decoded) ExpectPlayable(file, *record);

        DataBlob probe;
        EXPECT_EQ(save_file::ReadValidSlot(1, probe) != nullptr, decoded) << "iteration " << i;
        app.gameState->slotsStale = 1;
        ProbeSaveSlots(app, picker);
        EXPECT_EQ(picker.slotUsed[0], decoded ? 1 : 0);
        EXPECT_EQ(app.gameState->slotEmpty[0], decoded ? 0 : 1);
        if (HasFailure()) break;
    }
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 1000);
}

TEST(SaveFuzz, DamagedHallOfFameFilesGiveAValidTable) {
    ShellScratchDir dir;
    HallOfFameRecord table;
    for (int e = 0; e < 4; ++e) {
        table.values[e] = 40 - e;
        table.used[e] = 1;
        table.names[e][0] = static_cast<uint8_t>(28 + e);
        table.names[e][2] = 1;
    }
    std::vector<uint8_t> body(hall_of_fame_file::kBodyBytes);
    hall_of_fame_file::Encode(table, body.data());

    GameApp app;
    app.gameState = std::make_unique<GameState>();
    app.gameState->NewGame();
    WriteHallOfFameScene writeHallOfFame;
    std::mt19937 rng(6122026);
    int accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        ScratchFolder::WriteBytes("Saves/HallOfFame.save", Damaged(body, Kind(i), 150, rng));
        HallOfFameRecord read;
        DataBlob blob;
        if (hall_of_fame_file::Read(blob, read)) ++accepted;
        bool freeSeen = false;
        for (int e = 0; e < HallOfFameRecord::kEntryCount; ++e) {
            ASSERT_LE(read.used[e], 1);
            ASSERT_FALSE(freeSeen && read.used[e]);
            freeSeen = freeSeen || !read.used[e];
            for (uint8_t cell : read.names[e]) ASSERT_LE(cell, 99);
        }
        if (i % 10 == 0) {
            app.gameState->level = static_cast<uint32_t>(rng() % 60);
            writeHallOfFame.Frame(app);
            EXPECT_EQ(app.gameState->hallOfFame.used[0], 1);
        }
    }
    EXPECT_GT(accepted, 20);
}

TEST(SaveFuzz, DamagedOptionFilesKeepTheOptionsInRange) {
    ShellScratchDir dir;
    const char* files[] = {"Saves/Options/MusicVolume.txt", "Saves/Options/SoundsVolume.txt",
                           "Saves/Options/Advisor.txt"};
    const char alphabet[] = "0123456789-+ \t\n.xe";
    std::mt19937 rng(424242);
    std::filesystem::create_directories("Saves/Options");
    // The reader must really read: the volumes met cover the range and its
    // clamped ends, and the advisor is switched both ways.
    std::set<int32_t> musicVolumes, soundsVolumes;
    int advisorOff = 0;
    for (int i = 0; i < 2000; ++i) {
        for (const char* name : files) {
            std::vector<uint8_t> text(rng() % 80);
            for (uint8_t& c : text) c = rng() % 4 == 0 ? static_cast<uint8_t>(rng()) : alphabet[rng() % (sizeof alphabet - 1)];
            ScratchFolder::WriteBytes(name, text);
        }
        OptionsFile options;
        options.Load();
        ASSERT_GE(options.musicVolume, 0);
        ASSERT_LE(options.musicVolume, 100);
        ASSERT_GE(options.soundsVolume, 0);
        ASSERT_LE(options.soundsVolume, 100);
        ASSERT_LE(options.advisorOn, 1u);
        musicVolumes.insert(options.musicVolume);
        soundsVolumes.insert(options.soundsVolume);
        advisorOff += options.advisorOn == 0;
    }
    EXPECT_GT(musicVolumes.size(), 30u);
    EXPECT_GT(soundsVolumes.size(), 30u);
    for (int32_t end : {0, 100}) {
        EXPECT_EQ(musicVolumes.count(end), 1u) << end;
        EXPECT_EQ(soundsVolumes.count(end), 1u) << end;
    }
    EXPECT_GT(advisorOff, 100);
}

namespace {
// A body whose chosen fields hold values at the edges of what the reader
// accepts: each element changed takes its lowest or highest accepted value,
// one next to them, or any value between.
std::vector<uint8_t> EdgeValued(const std::vector<uint8_t>& body, std::mt19937& rng) {
    std::vector<uint8_t> edged = body;
    auto scratch = std::make_unique<GameState>();
    const int fields = std::uniform_int_distribution<int>(1, 12)(rng);
    for (int f = 0; f < fields; ++f) {
        const save_file::WordField& field = save_file::FieldAt(static_cast<int>(rng() % save_file::FieldCount()));
        const save_file::FieldRef ref = field.locate(*scratch);
        const int64_t low = save_file::LowestAccepted(field, ref), high = save_file::HighestAccepted(field, ref);
        const uint32_t elements = rng() % 2 ? ref.count : 1 + static_cast<uint32_t>(rng() % ref.count);
        for (uint32_t e = 0; e < elements; ++e) {
            const int64_t choices[] = {low, high, std::min(low + 1, high), std::max(high - 1, low),
                                       low + static_cast<int64_t>(rng() % static_cast<uint64_t>(high - low + 1))};
            const uint32_t k = elements == ref.count ? e : static_cast<uint32_t>(rng() % ref.count);
            save_file::WriteWord(edged.data(), field.firstWord + k, static_cast<uint32_t>(choices[rng() % 5]));
        }
    }
    return edged;
}

// A few frames of play: flying with the left button held, firing, and the
// skill keys.
void Play(GameDriver& driver, std::mt19937& rng, uint32_t frames) {
    driver.PointAt(static_cast<int>(100 + rng() % 600), static_cast<int>(60 + rng() % 400));
    driver.PressButton(0);
    driver.PressKey(key::kSpace);
    for (uint32_t f = 0; f < frames; ++f) {
        const uint8_t skill = static_cast<uint8_t>(key::kF2 + rng() % 9);  // F2..F10
        driver.PressKey(skill);
        driver.RunFrames(1);
        driver.ReleaseKey(skill);
    }
    driver.ReleaseKey(key::kSpace);
    driver.ReleaseButton(0);
    driver.RunFrames(1);
}
}  // namespace

// What the reader accepts must be playable: each accepted file is loaded
// as the loader does and played for a few frames in the home base, then in
// an area of the region its quest set leads to (the sanitizer build
// watches for overflow and reads out of bounds).
TEST(SaveFuzz, AcceptedEdgeValuedFilesPlayInTheHomeBaseAndAnArea) {
    GameDriver driver;
    ASSERT_TRUE(driver.ToMainMenu());
    auto base = std::make_unique<GameState>();
    base->NewGame();
    std::vector<uint8_t> body(save_file::kBodyBytes);
    save_file::Encode(*base, body.data());
    std::mt19937 rng(7132026);
    GameApp& app = driver.App();
    int played = 0;
    for (int i = 0; i < 60 && played < 20; ++i) {
        const std::vector<uint8_t> file = ShellScratchDir::BlobFile(EdgeValued(body, rng));
        auto check = std::make_unique<GameState>(*base);
        if (!save_file::Decode(file.data() + 4, save_file::kBodyBytes, *check)) continue;
        ScratchFolder::WriteBytes(driver.GameDir() + "/Saves/3.save", file);
        app.gameState->saveSlot = 3;
        app.SwitchScene(SceneId::LoadGame);
        ASSERT_TRUE(driver.RunUntilScene(SceneId::HomeBase, 5)) << "file " << i;
        ASSERT_EQ(app.gameState->loadSucceeded, 1);
        Play(driver, rng, 4);

        const int32_t area = static_cast<int32_t>(2 + rng() % 27);
        app.areaBackdrop->areaNumber = area;
        app.areaBackdrop->viewX = 200;
        app.areaBackdrop->viewY = -600;
        app.gameState->currentArea = static_cast<uint32_t>(area);
        app.SwitchScene(app.gameState->questSet == 2 ? SceneId::Invasions : SceneId::EarthSystem);
        driver.RunFrames(1);
        Play(driver, rng, 4);
        ++played;
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(played, 20);
}
