#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "shell/game_state.h"
#include "shell/game_state_dump.h"
#include "shell/save_file.h"

namespace {

using save_file::FieldAt;
using save_file::FieldCount;
using save_file::WordField;

std::unique_ptr<GameState> NewRecord() {
    auto state = std::make_unique<GameState>();
    state->NewGame();
    return state;
}

std::map<std::string, std::string> DumpLines(const GameState& state) {
    std::map<std::string, std::string> lines;
    std::istringstream in(DumpGameState(state));
    std::string line;
    while (std::getline(in, line)) lines[line.substr(0, line.find(" = "))] = line;
    return lines;
}

// Every element of every saved field gets its own value, inside the
// field's accepted range; the measured charges then equal their full values.
void FillDistinct(GameState& state) {
    uint32_t counter = 0;
    for (int f = 0; f < FieldCount(); ++f) {
        const WordField& field = FieldAt(f);
        const save_file::FieldRef ref = field.locate(state);
        const int64_t low = save_file::LowestAccepted(field, ref), high = save_file::HighestAccepted(field, ref);
        for (uint32_t k = 0; k < ref.count; ++k, ++counter) {
            int64_t value = low + (counter + 1) % (high - low + 1);
            if (high - low >= 0xFFFFFFFF) value = 1000003 + counter * 7919;
            if (ref.elementBytes == 1 && high - low == 255) value = counter % 251 + 3;
            if (ref.elementBytes == 1) {
                ref.data[k] = static_cast<uint8_t>(value);
            } else {
                const uint32_t word = static_cast<uint32_t>(value);
                std::memcpy(ref.data + 4 * k, &word, 4);
            }
        }
    }
    for (uint32_t k = 0; k < save_file::kMeasuredCharges; ++k) state.skillCharges[k] = state.skillBenefits[k];
}

bool IsSavedName(const std::string& dumpName) {
    for (int f = 0; f < FieldCount(); ++f) {
        const WordField& field = FieldAt(f);
        if (!field.readBack) continue;
        const std::string name = field.name;
        if (dumpName == name || dumpName.rfind(name + ".", 0) == 0) return true;
    }
    return false;
}

std::vector<uint8_t> Encoded(const GameState& state) {
    std::vector<uint8_t> body(save_file::kBodyBytes, 0xAB);
    save_file::Encode(state, body.data());
    return body;
}

}  // namespace

TEST(SaveWordMap, TilesWordsTenToTheLastUsedWordLeavingOnlyTheUnwrittenGap) {
    auto state = NewRecord();
    uint32_t next = save_file::kLeadWords;
    for (int f = 0; f < FieldCount(); ++f) {
        const WordField& field = FieldAt(f);
        const uint32_t count = field.locate(*state).count;
        if (next == 859) next = 868;  // words 859-867 are not written
        EXPECT_EQ(field.firstWord, next) << field.name;
        next = field.firstWord + count;
    }
    EXPECT_EQ(next, save_file::kUsedWords);
    // The header words the pickers read are the level, armor and name.
    state->level = 0x1234;
    state->shipArmor = 77;
    state->playerName[2] = 9;
    const std::vector<uint8_t> body = Encoded(*state);
    EXPECT_EQ(save_file::ReadWord(body.data(), save_file::kLevelWord), 0x1234u);
    EXPECT_EQ(save_file::ReadWord(body.data(), save_file::kArmorWord), 77u);
    EXPECT_EQ(save_file::ReadWord(body.data(), save_file::kNameWord + 2), 9u);
}

TEST(SaveWordMap, LeadWordsAreOneBytesAreWidenedAndTheRestIsZero) {
    auto state = NewRecord();
    state->fireMode = 3;
    state->buildingX[0] = -5;
    const std::vector<uint8_t> body = Encoded(*state);
    for (uint32_t w = 0; w < save_file::kLeadWords; ++w) EXPECT_EQ(save_file::ReadWord(body.data(), w), 1u);
    EXPECT_EQ(save_file::ReadWord(body.data(), 1143), 3u);
    EXPECT_EQ(save_file::ReadWord(body.data(), 16258), 0xFFFFFFFBu);
    for (uint32_t w = 859; w <= 867; ++w) EXPECT_EQ(save_file::ReadWord(body.data(), w), 0u);
    for (uint32_t w = save_file::kUsedWords; w < save_file::kBodyBytes / 4; ++w) {
        ASSERT_EQ(save_file::ReadWord(body.data(), w), 0u) << w;
    }
}

TEST(SaveRoundTrip, EveryFieldOfTheMapComesBackAndNothingElseChanges) {
    auto source = NewRecord();
    FillDistinct(*source);
    source->weaponPositions[0] = 256;  // ids whose low byte is 0 stay ids
    source->weaponPositions[4] = 1000;
    source->fireMode = 2;  // one-value fields: away from the new-game value
    source->questSet = 2;
    auto target = NewRecord();
    target->musicOn = 0;
    target->soundsOn = 1;
    target->saveSlot = 4;
    target->hofValue = 31;
    target->hallOfFame.values[0] = 8;
    target->hallOfFame.used[0] = 1;
    target->titleSceneFlag = 1;
    const auto before = DumpLines(*target);
    const auto sourceLines = DumpLines(*source);

    const std::vector<uint8_t> body = Encoded(*source);
    ASSERT_TRUE(save_file::Decode(body.data(), save_file::kBodyBytes, *target));
    const auto after = DumpLines(*target);
    int saved = 0;
    for (const auto& [name, line] : after) {
        if (IsSavedName(name)) {
            ++saved;
            EXPECT_EQ(line, sourceLines.at(name));
            EXPECT_NE(line, before.at(name)) << "not a distinct value: " << name;
        } else {
            EXPECT_EQ(line, before.at(name));
        }
    }
    EXPECT_GT(saved, 120);
    EXPECT_EQ(target->weaponPositions[0], 256u);
    EXPECT_EQ(target->musicOn, 0);
}

// Every value is checked against the range the game produces: bytes, item
// ids, counts, coordinates, charges. One bad element refuses the whole file
// and leaves the record untouched.
TEST(SaveRoundTrip, ValuesOutsideTheirRangeRefuseTheFile) {
    auto good = NewRecord();
    // Every pool entry present, so that any id within its range names an item.
    std::fill(std::begin(good->itemPool.exists), std::end(good->itemPool.exists), uint8_t{1});
    const std::vector<uint8_t> body = Encoded(*good);
    auto target = NewRecord();
    target->level = 5;
    const std::string untouched = DumpGameState(*target);
    int limited = 0;
    for (int f = 0; f < FieldCount(); ++f) {
        const WordField& field = FieldAt(f);
        const save_file::FieldRef ref = field.locate(*target);
        const int64_t low = save_file::LowestAccepted(field, ref), high = save_file::HighestAccepted(field, ref);
        const int64_t wordLow = ref.isSigned ? INT32_MIN : 0, wordHigh = ref.isSigned ? INT32_MAX : UINT32_MAX;
        if (low == wordLow && high == wordHigh) continue;
        ++limited;
        const uint32_t last = field.firstWord + ref.count - 1;
        auto decodes = [&](uint32_t word, int64_t value, GameState& into) {
            std::vector<uint8_t> bad = body;
            save_file::WriteWord(bad.data(), word, static_cast<uint32_t>(value));
            return save_file::Decode(bad.data(), save_file::kBodyBytes, into);
        };
        EXPECT_TRUE(high == wordHigh || !decodes(last, high + 1, *target)) << field.name;
        EXPECT_TRUE(low == wordLow || !decodes(field.firstWord, low - 1, *target)) << field.name;
        EXPECT_TRUE(decodes(last, high, *NewRecord())) << field.name;
        EXPECT_TRUE(decodes(last, low, *NewRecord())) << field.name;
    }
    // Some limits written out here: a wrong range in the map itself shows too.
    const struct {
        uint32_t word;
        int64_t low, high;
    } kLimits[] = {{32, 1, 2}, {1143, 1, 3}, {2403, 0, 99}, {16258, -264, 1736}};  // set, fire mode, storages, x
    for (const auto& limit : kLimits) {
        std::vector<uint8_t> edge = body;
        for (const auto& [value, accepted] : {std::pair{limit.low, true}, std::pair{limit.high, true},
                                              std::pair{limit.low - 1, false}, std::pair{limit.high + 1, false}}) {
            save_file::WriteWord(edge.data(), limit.word, static_cast<uint32_t>(value));
            EXPECT_EQ(save_file::Decode(edge.data(), save_file::kBodyBytes, *NewRecord()), accepted)
                << "word " << limit.word << " = " << value;
        }
    }
    // A charge above its skill's full value.
    std::vector<uint8_t> bad = body;
    save_file::WriteWord(bad.data(), save_file::kBenefitWord + 3, 40);
    save_file::WriteWord(bad.data(), save_file::kChargeWord + 3, 40);
    EXPECT_TRUE(save_file::Decode(bad.data(), save_file::kBodyBytes, *NewRecord()));
    save_file::WriteWord(bad.data(), save_file::kChargeWord + 3, 41);
    EXPECT_FALSE(save_file::Decode(bad.data(), save_file::kBodyBytes, *target));
    EXPECT_EQ(DumpGameState(*target), untouched);
    // Every byte field among them, with item ids, counts, names and coordinates.
    EXPECT_GE(limited, 60);
}

// A hold cell, a storage cell or a ship position naming an id whose pool
// entry is empty is nothing the game writes: on the cursor it would be an
// item no place accepts. The file is refused and the record left as it
// was; the same id loads once its entry is there.
TEST(SaveRoundTrip, APlaceNamingAnEmptyPoolEntryRefusesTheFile) {
    const std::vector<uint8_t> body = Encoded(*NewRecord());
    constexpr uint32_t kExistsWord = 2457;  // entry 1's existence
    const struct {
        const char* place;
        uint32_t word;
    } kPlaces[] = {{"hold cell 1", 1144},         {"hold cell 15", 1158},         {"armor position 1", 1159},
                   {"armor position 38", 1196},   {"shield position 1", 1197},    {"shield position 6", 1202},
                   {"weapon position 1", 1203},   {"weapon position 5", 1207},    {"the engine", 1208},
                   {"storage 1 cell 1", 1215},    {"storage 99 cell 12", 2402}};
    auto target = NewRecord();
    target->level = 5;
    const std::string untouched = DumpGameState(*target);
    for (const auto& place : kPlaces) {
        for (const ItemId id : {ItemId{8}, ItemId{50}, ItemId{ItemPool::kItemCount}}) {
            SCOPED_TRACE(testing::Message() << place.place << " names " << id);
            std::vector<uint8_t> bad = body;
            save_file::WriteWord(bad.data(), place.word, id);
            EXPECT_FALSE(save_file::Decode(bad.data(), save_file::kBodyBytes, *target));
            EXPECT_EQ(DumpGameState(*target), untouched);
            save_file::WriteWord(bad.data(), kExistsWord + id - 1, 1);
            auto loaded = NewRecord();
            EXPECT_TRUE(save_file::Decode(bad.data(), save_file::kBodyBytes, *loaded));
        }
    }
}
