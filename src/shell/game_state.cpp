#include "shell/game_state.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// "Admiral" in the name font's glyph cells, then the end marker.
constexpr uint8_t kDefaultName[9] = {28, 29, 5, 14, 10, 19, 2, 13, 1};

constexpr uint32_t kStartResources[GameState::kResourceCount] = {1000, 1000, 80, 200, 900, 300};
constexpr uint32_t kStartConstructionCost = 200;
constexpr uint32_t kStartRobotMakeCosts[GameState::kRobotRanks] = {100, 200, 400, 700};

constexpr uint32_t kStartSkillBenefits[GameState::kSkillCount] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40};
constexpr uint32_t kStartSkillCharges[GameState::kSkillCount] = {1, 0, 0, 0, 0, 0, 0, 0, 10, 20, 30, 40};
constexpr uint8_t kSkillEnergyCosts[GameState::kSkillCount] = {0, 50, 10, 0, 10, 10, 10, 10, 30, 50, 70, 100};
constexpr uint32_t kStartSkillLevels[GameState::kSkillCount] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

constexpr uint32_t kRobotStatGains[GameState::kRobotRanks][GameState::kRobotStatCount] = {
    {0, 20, 0, 6, 10},    // Grunt
    {0, 30, 1, 10, 14},   // Sarge
    {4, 50, 2, 16, 22},   // Captain
    {20, 80, 4, 30, 50},  // General
};

// The three buildings of a new base.
struct StartBuilding {
    uint8_t kind;
    int32_t x;
    int32_t y;
};
constexpr StartBuilding kStartBuildings[] = {
    {0, 750, -610},   // Storage
    {1, 630, -600},   // General Repair
    {11, 670, -680},  // Robot Factory
};
constexpr uint32_t kStartUpgradeCost = 100;

// The starting kit; ids are 1-based.
struct StartItem {
    uint8_t itemClass;
    uint32_t x;
    uint32_t y;
    uint8_t icon;
    uint32_t stat;
    uint32_t defence;
    uint8_t subtype;
    uint8_t storageNumber;
    uint32_t price;
    uint8_t currency;
};
constexpr uint8_t kGold = 1;
constexpr uint8_t kCrystal = 2;
constexpr StartItem kStartItems[] = {
    {2, 383, 66, 0, 7, 0, 0, 0, 10, kGold},        // cannon
    {3, 390, 180, 0, 3, 0, 0, 0, 50, kGold},       // engine
    {0, 623, 303, 0, 10, 0, 0, 0, 100, kCrystal},  // armor cube
    {0, 683, 303, 0, 5, 0, 0, 0, 50, kCrystal},    // armor cube
    {0, 743, 303, 0, 7, 0, 0, 0, 70, kCrystal},    // armor cube
    {0, 623, 363, 1, 2, 8, 1, 0, 70, kCrystal},    // defence cube
    {1, 3, 363, 0, 5, 0, 0, 1, 50, kGold},         // shields sphere, in storage 1
};
constexpr uint32_t kStartHold[] = {3, 4, 5, 6};
constexpr uint32_t kStartWeapons[GameState::kWeaponPositions] = {0, 0, 1, 0, 0};
constexpr uint32_t kStartWeaponDamage[GameState::kWeaponPositions] = {0, 0, 7, 0, 0};
constexpr uint32_t kStartEngine = 2;
constexpr uint32_t kStartStorageItem = 7;

template <typename T, size_t N>
void Fill(T (&array)[N], T value) {
    std::fill(array, array + N, value);
}

template <typename T, size_t N>
void CopyTable(T (&to)[N], const T (&from)[N]) {
    std::copy(from, from + N, to);
}

}  // namespace

GameState::GameState() { saveSlot = 1; }

int GameState::NewGame() {
    ResetQuestsAndFlags();

    CopyTable(resources, kStartResources);
    Fill(constructionCosts, kStartConstructionCost);
    CopyTable(robotMakeCosts, kStartRobotMakeCosts);

    Fill(playerName, uint8_t{0});
    std::copy(std::begin(kDefaultName), std::end(kDefaultName), playerName);

    ResetShip();
    ResetSkills();
    ResetBuildings();
    ResetRobots();
    ResetItems();
    FitStartingKit();

    shipDestroyed = 0;
    Fill(constructionSteps, kStartConstructionCost);
    musicOn = 1;
    soundsOn = 1;
    musicVolume = 50;
    soundVolume = 82;
    questJingle = 0;
    musicCue = 0;
    hallOfFameAfterSave = 0;
    freshGame = 0;
    return 200;
}

void GameState::NewGameKeepingSound() {
    const uint8_t keptMusicOn = musicOn;
    const uint8_t keptSoundsOn = soundsOn;
    NewGame();
    musicOn = keptMusicOn;
    soundsOn = keptSoundsOn;
}

void GameState::ResetQuestsAndFlags() {
    location = 1;
    titleSceneFlag = 0;
    volleyFlag = 0;
    questSet = 1;
    currentArea = 1;
    returnedFromScreen = 0;
    goodiesBonus = 0;
    awardPicks = 0;
    reservedWord = 0;
    questsUpdatedAny = 0;
    Fill(awardCounts, 0u);
    Fill(reservedBytesC, uint8_t{0});
    Fill(questStates, uint8_t{0});
    Fill(questUpdated, uint8_t{0});
    questStates[0] = 1;
    Fill(allyFlags, uint8_t{0});
    questPopupFlag = 0;
    questPopupNumber = 0;
    bonusBlock.Clear();
}

void GameState::ResetShip() {
    shipSpeed = 3;
    shipShields = 5;
    shipShieldsMax = 5;
    shipArmor = 10;
    shipBaseShields = 5;
    shipBaseArmor = 10;
    shipArmorMax = 10;
    level = 0;
    experience = 0;
    nextLevelExperience = 50;
    Fill(shipStatsSpareA, 0u);
    shipStatsValue = 7;
    Fill(shipStatsSpareB, 0u);
    shipDefence = 8;
    shipBaseDefence = 8;
    shipUpgrades = 1;
    shipUpgradeCost = 200;
    highestSkill = 1;
    Fill(shipBaseProtection, 0u);
    Fill(shipProtection, 0u);
    fireMode = 1;
}

void GameState::ResetSkills() {
    std::memset(storages, 0, sizeof storages);
    skillPoints = 0;
    energy = 50;
    energyMax = 50;
    CopyTable(skillBenefits, kStartSkillBenefits);
    CopyTable(skillCharges, kStartSkillCharges);
    CopyTable(skillEnergyCosts, kSkillEnergyCosts);
    CopyTable(skillLevels, kStartSkillLevels);
}

void GameState::ResetBuildings() {
    buildingCount = 3;
    for (int slot = 0; slot < kBuildingSlots; ++slot) {
        buildingIds[slot] = 0;
        buildingExists[slot] = 0;
        buildingIndex[slot] = static_cast<uint8_t>(slot);
        buildingFrames[slot] = 0;
        buildingKinds[slot] = 0;
        buildingLevels[slot] = 0;
        upgradeCosts[slot] = kStartUpgradeCost;
    }
    int slot = 0;
    for (const StartBuilding& building : kStartBuildings) {
        buildingIds[slot] = static_cast<uint8_t>(slot + 1);
        buildingExists[slot] = 1;
        buildingKinds[slot] = building.kind;
        buildingX[slot] = building.x;
        buildingY[slot] = building.y;
        ++slot;
    }
    factoryBuilt = 1;
    topFactoryLevel = 0;
    storageBuildings[0] = 1;
    storageToOpen = 0;
    storageCount = 1;
}

void GameState::ResetRobots() {
    robotCount = 1;
    operationalRobotCount = 1;
    brokenRobotCount = 0;
    maxRobotCount = 2;
    maxRobotQuality = 1;
    Fill(robotExists, uint8_t{0});
    Fill(robotActive, uint8_t{0});
    Fill(robotOperational, uint8_t{0});
    Fill(robotVariant, uint8_t{0});
    // Robot 0 is the starting Grunt.
    robotExists[0] = 1;
    robotActive[0] = 1;
    robotOperational[0] = 1;
    robotSlot[0] = 0;
    robotRank[0] = 0;
    robotShields[0] = 0;
    robotShieldsMax[0] = 0;
    robotArmor[0] = 20;
    robotArmorMax[0] = 20;
    robotProtection[0] = 0;
    robotAttack[0] = 6;
    robotDefence[0] = 10;
    robotQuality[0] = 1;
    std::fill(robotRank + 50, robotRank + 60, 1u);
    robotsByRank[0] = 1;
    robotsByRank[1] = 0;
    robotsByRank[2] = 0;
    robotsByRank[3] = 0;
    placementRefund = 0;
    std::memcpy(robotStatGains, kRobotStatGains, sizeof robotStatGains);
    restockFlag = 1;
}

void GameState::ResetItems() {
    itemPool.Clear();
    int index = 0;
    for (const StartItem& item : kStartItems) {
        itemPool.exists[index] = 1;
        itemPool.itemClass[index] = item.itemClass;
        itemPool.icon[index] = item.icon;
        itemPool.x[index] = item.x;
        itemPool.y[index] = item.y;
        itemPool.stat[index] = item.stat;
        itemPool.defence[index] = item.defence;
        itemPool.subtype[index] = item.subtype;
        itemPool.storageNumber[index] = item.storageNumber;
        itemPool.price[index] = item.price;
        itemPool.currency[index] = item.currency;
        ++index;
    }
}

void GameState::FitStartingKit() {
    itemsMax = 3;
    itemsInstalled = 2;
    Fill(shipHold, 0u);
    std::copy(std::begin(kStartHold), std::end(kStartHold), shipHold);
    Fill(armorPositions, 0u);
    Fill(shieldPositions, 0u);
    CopyTable(weaponPositions, kStartWeapons);
    enginePosition = kStartEngine;
    CopyTable(weaponDamage, kStartWeaponDamage);
    storages[0][0] = kStartStorageItem;
    volleyFlag = 1;
    storageCount = 1;
}

void GameState::InsertHallOfFame() {
    constexpr int kEntries = HallOfFameRecord::kEntryCount;
    HallOfFameRecord& table = hallOfFame;
    hofInserted = 0;
    std::memcpy(hofName, playerName, sizeof hofName);

    int firstFree = 0;
    while (firstFree < kEntries && table.used[firstFree]) ++firstFree;
    // A new value goes above the first entry it equals or exceeds, so the
    // newer of two equal results stands higher.
    const int searchEnd = firstFree < kEntries ? firstFree : kEntries;
    int position = 0;
    while (position < searchEnd && table.values[position] > hofValue) ++position;
    if (firstFree == kEntries && position == kEntries) return;  // lower than a full table

    const int last = firstFree < kEntries ? firstFree : kEntries - 1;  // the entry that receives the move
    for (int k = last; k > position; --k) {
        table.values[k] = table.values[k - 1];
        table.used[k] = table.used[k - 1];
        std::memcpy(table.names[k], table.names[k - 1], sizeof table.names[k]);
    }
    table.values[position] = hofValue;
    table.used[position] = 1;
    if (firstFree < kEntries) table.used[firstFree] = 1;
    std::memcpy(table.names[position], hofName, sizeof table.names[position]);
    hofInserted = 1;
}
