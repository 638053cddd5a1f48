#include "shell/save_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <type_traits>

#include "platform/data_blob.h"
#include "platform/game_path.h"
#include "shell/game_state.h"

namespace save_file {
namespace {

static_assert(std::is_standard_layout_v<BonusBlock> && sizeof(BonusBlock) == 4 * BonusBlock::kWordCount,
              "the bonus block is saved as 14 consecutive words");

template <typename T>
FieldRef Ref(T& field) {
    using Element = std::remove_all_extents_t<T>;
    static_assert(std::is_integral_v<Element> && (sizeof(Element) == 1 || sizeof(Element) == 4),
                  "saved fields are bytes or 32-bit words");
    return {reinterpret_cast<uint8_t*>(&field), sizeof(Element), sizeof(T) / sizeof(Element),
            std::is_signed_v<Element> ? uint8_t{1} : uint8_t{0}};
}

FieldRef BonusWords(GameState& s) {
    return {reinterpret_cast<uint8_t*>(&s.bonusBlock), 4, BonusBlock::kWordCount};
}

constexpr int64_t kAnyLow = INT64_MIN, kAnyHigh = INT64_MAX;  // whatever the element holds
constexpr int64_t kInt32Max = INT32_MAX;  // the engine holds skill values as signed words
constexpr uint32_t kItemIds = ItemPool::kItemCount;                 // 0 empty, else 1-based
constexpr uint32_t kNameGlyphs = 99;                                // frames of the name font
constexpr uint32_t kLastRank = GameState::kRobotRanks - 1;
constexpr uint32_t kLastBuildingKind = GameState::kBuildingKinds - 1;
constexpr uint32_t kLastSlotIndex = GameState::kBuildingSlots - 1;
constexpr uint32_t kLastItemClass = 3;
constexpr uint32_t kLastProtectionType = 3;
// The home base's camera keeps its top-left within x -64..736, y -1570..-536,
// and a building is dropped at a point of the 800 x 600 screen over it; the
// margins leave room for drops beside one another.
constexpr int64_t kBaseLeft = -64 - 200, kBaseRight = 736 + 800 + 200;
constexpr int64_t kBaseTop = -1570 - 200, kBaseBottom = -536 + 600 + 200;

// A field with no limits, taken back on loading.
#define SAVE_FIELD(word, member) {#member, word, [](GameState& s) { return Ref(s.member); }, kAnyLow, kAnyHigh, 1}
// A field whose every element must lie in [lo, hi].
#define SAVE_RANGE(word, member, lo, hi) {#member, word, [](GameState& s) { return Ref(s.member); }, lo, hi, 1}
// Places that hold items by id: 0 empty, else an existing item of the pool.
#define SAVE_ITEM_PLACES(word, member) \
    {#member, word, [](GameState& s) { return Ref(s.member); }, 0, kItemIds, 1, 1}
// Written but left as the running game has it on loading.
#define SAVE_ONLY(word, member) {#member, word, [](GameState& s) { return Ref(s.member); }, kAnyLow, kAnyHigh, 0}

// The word map, in file order. Words 0-9 hold 1 and words 859-867 are
// not written; every other word up to 18011 belongs to exactly one field.
constexpr WordField kMap[] = {
    SAVE_FIELD(10, hofName),  // a copy only; a new game leaves it unset
    SAVE_FIELD(31, storyStage),
    SAVE_RANGE(32, questSet, 1, 2),
    SAVE_FIELD(kAreaWord, currentArea),
    SAVE_FIELD(34, questStates),
    SAVE_FIELD(134, allyFlags),
    SAVE_FIELD(434, returnedFromScreen),
    SAVE_FIELD(435, reservedBytesA),
    SAVE_FIELD(535, reservedBytesB),
    SAVE_FIELD(635, reservedWordsA),
    SAVE_FIELD(735, reservedWordsB),
    SAVE_FIELD(835, questPopupFlag),
    SAVE_FIELD(836, questPopupNumber),
    SAVE_ONLY(837, musicOn),
    SAVE_ONLY(838, soundsOn),
    {"bonusBlock", 839, BonusWords, kAnyLow, kAnyHigh, 1},
    SAVE_FIELD(853, resources),
    SAVE_FIELD(868, constructionCosts),
    SAVE_FIELD(880, robotMakeCosts),
    SAVE_RANGE(kNameWord, playerName, 0, kNameGlyphs),
    SAVE_FIELD(905, goodiesBonus),
    SAVE_FIELD(906, awardPicks),
    SAVE_FIELD(907, reservedWord),
    SAVE_FIELD(908, questUpdated),
    SAVE_FIELD(1008, questsUpdatedAny),
    SAVE_FIELD(1009, awardCounts),
    SAVE_FIELD(1017, reservedBytesC),
    SAVE_FIELD(1117, shipSpeed),
    SAVE_FIELD(1118, shipShields),
    SAVE_FIELD(1119, shipShieldsMax),
    SAVE_FIELD(kArmorWord, shipArmor),
    SAVE_FIELD(1121, shipBaseShields),
    SAVE_FIELD(1122, shipBaseArmor),
    SAVE_FIELD(1123, shipArmorMax),
    SAVE_FIELD(kLevelWord, level),
    SAVE_FIELD(1125, experience),
    SAVE_FIELD(1126, nextLevelExperience),
    SAVE_FIELD(1127, shipStatsSpareA),
    SAVE_FIELD(1129, shipStatsValue),
    SAVE_FIELD(1130, shipStatsSpareB),
    SAVE_FIELD(1132, shipDefence),
    SAVE_FIELD(1133, shipBaseDefence),
    SAVE_FIELD(1134, shipUpgrades),
    SAVE_FIELD(1135, shipUpgradeCost),
    SAVE_RANGE(1136, highestSkill, 0, GameState::kSkillCount),
    SAVE_FIELD(1137, shipBaseProtection),
    SAVE_FIELD(1140, shipProtection),
    SAVE_RANGE(1143, fireMode, 1, 3),
    SAVE_ITEM_PLACES(1144, shipHold),
    SAVE_ITEM_PLACES(1159, armorPositions),
    SAVE_ITEM_PLACES(1197, shieldPositions),
    SAVE_ITEM_PLACES(1203, weaponPositions),
    SAVE_ITEM_PLACES(1208, enginePosition),
    SAVE_FIELD(1209, weaponDamage),
    SAVE_FIELD(1214, volleyFlag),
    SAVE_ITEM_PLACES(1215, storages),
    SAVE_RANGE(2403, storageCount, 0, GameState::kStorageCount),
    SAVE_FIELD(2404, itemsMax),
    SAVE_FIELD(2405, itemsInstalled),
    SAVE_FIELD(2406, skillPoints),
    SAVE_FIELD(2407, energy),
    SAVE_FIELD(2408, energyMax),
    SAVE_RANGE(kBenefitWord, skillBenefits, 0, kInt32Max),
    SAVE_RANGE(kChargeWord, skillCharges, 0, kInt32Max),
    SAVE_FIELD(2433, skillEnergyCosts),
    SAVE_FIELD(2445, skillLevels),
    SAVE_FIELD(kItemExistsWord, itemPool.exists),
    SAVE_RANGE(3457, itemPool.itemClass, 0, kLastItemClass),
    SAVE_FIELD(4457, itemPool.icon),
    SAVE_FIELD(5457, itemPool.x),
    SAVE_FIELD(6457, itemPool.y),
    SAVE_FIELD(7457, itemPool.stat),
    SAVE_FIELD(8457, itemPool.defence),
    SAVE_FIELD(9457, itemPool.protection),
    SAVE_RANGE(10457, itemPool.protectionType, 0, kLastProtectionType),
    SAVE_FIELD(11457, itemPool.subtype),
    SAVE_RANGE(12457, itemPool.storageNumber, 0, GameState::kStorageCount),
    SAVE_FIELD(13457, itemPool.price),
    SAVE_FIELD(14457, itemPool.currency),
    SAVE_RANGE(15457, buildingCount, 0, GameState::kBuildingSlots),
    SAVE_FIELD(15458, buildingIds),
    SAVE_FIELD(15558, buildingExists),
    SAVE_RANGE(15658, buildingIndex, 0, kLastSlotIndex),
    SAVE_FIELD(15758, buildingFrames),
    SAVE_RANGE(15858, buildingKinds, 0, kLastBuildingKind),
    SAVE_FIELD(15958, buildingLevels),
    SAVE_FIELD(16058, upgradeCosts),
    SAVE_FIELD(16158, upgradeCostsAfterDiscount),
    SAVE_RANGE(16258, buildingX, kBaseLeft, kBaseRight),
    SAVE_RANGE(16358, buildingY, kBaseTop, kBaseBottom),
    SAVE_FIELD(16458, factoryBuilt),
    SAVE_RANGE(16459, factoryX, kBaseLeft, kBaseRight),
    SAVE_RANGE(16460, factoryY, kBaseTop, kBaseBottom),
    SAVE_FIELD(16461, topFactoryLevel),
    SAVE_FIELD(16462, storageBuildings),
    SAVE_RANGE(16562, storageToOpen, 0, GameState::kStorageCount),
    SAVE_RANGE(16563, operationalByRank, 0, GameState::kRobotSlots),
    SAVE_RANGE(16567, robotCount, 0, GameState::kRobotSlots),
    SAVE_FIELD(16568, robotCounterSpare),
    SAVE_FIELD(16569, operationalRobotCount),
    SAVE_FIELD(16570, brokenRobotCount),
    SAVE_FIELD(16571, maxRobotCount),
    SAVE_FIELD(16572, maxRobotQuality),
    SAVE_FIELD(16573, robotExists),
    SAVE_FIELD(16673, robotActive),
    SAVE_FIELD(16773, robotOperational),
    SAVE_FIELD(16873, robotSlot),
    SAVE_FIELD(16973, robotVariant),
    SAVE_RANGE(17073, robotRank, 0, kLastRank),
    SAVE_FIELD(17173, robotShields),
    SAVE_FIELD(17273, robotShieldsMax),
    SAVE_FIELD(17373, robotArmor),
    SAVE_FIELD(17473, robotArmorMax),
    SAVE_FIELD(17573, robotProtection),
    SAVE_FIELD(17673, robotAttack),
    SAVE_FIELD(17773, robotDefence),
    SAVE_FIELD(17873, robotQuality),
    SAVE_FIELD(17973, robotsByRank),
    SAVE_FIELD(17977, robotStatGains),
    SAVE_FIELD(17997, shipDestroyed),
    SAVE_FIELD(17998, placementRefund),
    SAVE_FIELD(17999, restockFlag),
    SAVE_FIELD(18000, constructionSteps),
};

#undef SAVE_FIELD
#undef SAVE_RANGE
#undef SAVE_ITEM_PLACES
#undef SAVE_ONLY

constexpr int kFieldCount = static_cast<int>(sizeof kMap / sizeof kMap[0]);

uint32_t ElementValue(const FieldRef& ref, uint32_t k) {
    if (ref.elementBytes == 1) return ref.data[k];
    uint32_t value;
    std::memcpy(&value, ref.data + 4 * k, 4);
    return value;
}

void SetElement(const FieldRef& ref, uint32_t k, uint32_t word) {
    if (ref.elementBytes == 1) {
        ref.data[k] = static_cast<uint8_t>(word);
    } else {
        std::memcpy(ref.data + 4 * k, &word, 4);
    }
}

// Every id a place names (already within 0..1000) is an existing item: an
// empty entry on the cursor would be an item no place accepts.
bool PlacesNameItems(const uint8_t* body, GameState& scratch) {
    for (const WordField& field : kMap) {
        if (!field.itemPlaces) continue;
        const uint32_t count = field.locate(scratch).count;
        for (uint32_t k = 0; k < count; ++k) {
            const uint32_t id = ReadWord(body, field.firstWord + k);
            if (id != 0 && ReadWord(body, kItemExistsWord + id - 1) == 0) return false;
        }
    }
    return true;
}

// Every field's words inside the used part of the body and within range,
// the measured charges within their full values and the places naming
// existing items.
bool BodyFits(const uint8_t* body, uint32_t size, GameState& scratch) {
    if (!body || size != kBodyBytes) return false;
    for (const WordField& field : kMap) {
        const FieldRef ref = field.locate(scratch);
        if (field.firstWord + ref.count > kUsedWords) return false;
        const int64_t low = LowestAccepted(field, ref), high = HighestAccepted(field, ref);
        for (uint32_t k = 0; k < ref.count; ++k) {
            const int64_t value = WordValue(ref, ReadWord(body, field.firstWord + k));
            if (value < low || value > high) return false;
        }
    }
    for (uint32_t k = 0; k < kMeasuredCharges; ++k) {
        if (ReadWord(body, kChargeWord + k) > ReadWord(body, kBenefitWord + k)) return false;
    }
    return PlacesNameItems(body, scratch);
}

}  // namespace

int FieldCount() { return kFieldCount; }

int64_t LowestAccepted(const WordField& field, const FieldRef& ref) {
    const int64_t typeLow = ref.isSigned ? (ref.elementBytes == 1 ? INT8_MIN : INT32_MIN) : 0;
    return std::max(field.minValue, typeLow);
}

int64_t HighestAccepted(const WordField& field, const FieldRef& ref) {
    int64_t typeHigh = ref.elementBytes == 1 ? UINT8_MAX : UINT32_MAX;
    if (ref.isSigned) typeHigh = ref.elementBytes == 1 ? INT8_MAX : INT32_MAX;
    return std::min(field.maxValue, typeHigh);
}

int64_t WordValue(const FieldRef& ref, uint32_t word) {
    return ref.isSigned ? static_cast<int64_t>(static_cast<int32_t>(word)) : static_cast<int64_t>(word);
}

const WordField& FieldAt(int index) { return kMap[index < 0 ? 0 : (index >= kFieldCount ? kFieldCount - 1 : index)]; }

uint32_t ReadWord(const uint8_t* body, uint32_t word) {
    const uint8_t* p = body + 4 * word;
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void WriteWord(uint8_t* body, uint32_t word, uint32_t value) {
    uint8_t* p = body + 4 * word;
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

void Encode(const GameState& record, uint8_t* body) {
    std::memset(body, 0, kBodyBytes);
    for (uint32_t w = 0; w < kLeadWords; ++w) WriteWord(body, w, 1);
    // The locators only compute addresses; nothing is written through them here.
    GameState& source = const_cast<GameState&>(record);
    for (const WordField& field : kMap) {
        const FieldRef ref = field.locate(source);
        for (uint32_t k = 0; k < ref.count; ++k) WriteWord(body, field.firstWord + k, ElementValue(ref, k));
    }
}

bool Decode(const uint8_t* body, uint32_t size, GameState& record) {
    if (!BodyFits(body, size, record)) return false;
    for (const WordField& field : kMap) {
        if (!field.readBack) continue;
        const FieldRef ref = field.locate(record);
        for (uint32_t k = 0; k < ref.count; ++k) SetElement(ref, k, ReadWord(body, field.firstWord + k));
    }
    return true;
}

const char* SlotPath(int slot) {
    static constexpr const char* kPaths[] = {"Saves\\1.save", "Saves\\2.save", "Saves\\3.save", "Saves\\4.save",
                                             "Saves\\5.save"};
    if (slot < 1 || slot > GameState::kSlotCount) return nullptr;
    return kPaths[slot - 1];
}

const uint8_t* ReadValidSlot(int slot, DataBlob& blob) {
    const char* path = SlotPath(slot);
    if (!path) return nullptr;
    uint32_t size = 0;
    const uint8_t* body = blob.ReadFile(path, &size, kBodyBytes);
    // BodyFits only asks the record for the fields' sizes.
    auto scratch = std::make_unique<GameState>();
    if (!body || !BodyFits(body, size, *scratch)) {
        blob.Free();
        return nullptr;
    }
    return body;
}

int KeepDamagedSlotAside(int slot) {
    const char* name = SlotPath(slot);
    if (!name) return 0;
    const std::string path = ResolveGamePathForWriting(name);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return 0;
    DataBlob blob;
    if (ReadValidSlot(slot, blob)) return 0;
    constexpr int kMaxCopies = 99;
    for (int copy = 1; copy <= kMaxCopies; ++copy) {
        char suffix[32];
        if (copy > 1) std::snprintf(suffix, sizeof suffix, ".damaged-%d", copy);
        else std::snprintf(suffix, sizeof suffix, ".damaged");
        const std::string aside = path + suffix;
        if (std::filesystem::exists(aside, error)) continue;
        std::filesystem::rename(path, aside, error);
        if (error) break;
        std::fprintf(stderr, "game: save slot %d held a damaged game; kept as %s\n", slot, aside.c_str());
        return 1;
    }
    std::fprintf(stderr, "game: save slot %d holds a damaged game that could not be kept aside\n", slot);
    return 0;
}

}  // namespace save_file
