#pragma once
#include <cstdint>

#include "shell/bonus_block.h"
#include "shell/item_pool.h"

// The five best results: value (the player's level), used flag and name.
struct HallOfFameRecord {
    static constexpr int kEntryCount = 5;
    static constexpr int kNameCells = 21;

    int32_t values[kEntryCount] = {};  // best first
    uint8_t used[kEntryCount] = {};
    uint8_t names[kEntryCount][kNameCells] = {};
};

// The player's persistent record: everything that survives from one area to
// the next and everything that reaches a save slot. The members lie in the
// order of the save file; the save writer keeps that order.
class GameState {
public:
    static constexpr int kSlotCount = 5;
    static constexpr int kNameCells = 21;
    static constexpr int kQuestCount = 100;
    static constexpr int kAllyFlagCount = 300;
    static constexpr int kReservedCount = 100;
    static constexpr int kResourceCount = 6;
    static constexpr int kBuildingKinds = 12;
    static constexpr int kRobotRanks = 4;
    static constexpr int kAwardRows = 8;
    static constexpr int kHoldCells = 15;
    static constexpr int kArmorPositions = 38;
    static constexpr int kShieldPositions = 6;
    static constexpr int kWeaponPositions = 5;
    static constexpr int kStorageCount = 99;
    static constexpr int kStorageCells = 12;
    static constexpr int kSkillCount = 12;
    static constexpr int kBuildingSlots = 100;
    static constexpr int kRobotSlots = 100;
    static constexpr int kRobotStatCount = 5;

    // Indexes into `resources`.
    enum Resource { kGold = 0, kCrystal, kFavors, kShipMaterial, kBuildingMaterial, kRobotMaterial };

    GameState();
    virtual ~GameState() = default;

    // Back to the start of a game; returns 200.
    int NewGame();
    // A new game that keeps the player's music and sound switches.
    void NewGameKeepingSound();
    // Offers (`hofValue`, `playerName`) to the hall of fame.
    void InsertHallOfFame();

    uint32_t location = 0;  // 0 menus, 1 home base, 2 first region, 3 second region
    uint8_t slotsStale = 0;
    uint8_t slotEmpty[kSlotCount] = {};
    uint8_t saveSlot = 1;
    uint8_t* blobData = nullptr;  // the blob the load and save scenes last used
    uint8_t* blobDataSpare = nullptr;
    uint8_t loadSucceeded = 0;
    float stepBase = 0.0f;
    uint8_t hofName[kNameCells] = {};
    uint8_t storyStage = 0;  // 1 intro, 2 ending
    uint32_t questSet = 0;
    uint32_t currentArea = 0;
    uint8_t questStates[kQuestCount] = {};  // 0 not given, 1 active, 2 done
    uint8_t allyFlags[kAllyFlagCount] = {};
    uint8_t returnedFromScreen = 0;
    uint8_t reservedBytesA[kReservedCount] = {};
    uint8_t reservedBytesB[kReservedCount] = {};
    uint32_t reservedWordsA[kReservedCount] = {};
    uint32_t reservedWordsB[kReservedCount] = {};
    uint8_t questPopupFlag = 0;
    uint32_t questPopupNumber = 0;
    uint8_t musicOn = 0;
    uint8_t soundsOn = 0;
    uint32_t musicVolume = 0;
    uint32_t soundVolume = 0;
    int32_t mp3Volume = 0;  // hundredths of a decibel; not saved
    BonusBlock bonusBlock;
    uint32_t resources[kResourceCount] = {};
    uint32_t constructionCosts[kBuildingKinds] = {};
    uint32_t robotMakeCosts[kRobotRanks] = {};
    uint8_t playerName[kNameCells] = {};  // glyph cells, 1 ends the name
    uint32_t goodiesBonus = 0;
    uint32_t awardPicks = 0;
    uint32_t reservedWord = 0;
    uint8_t questUpdated[kQuestCount] = {};
    uint8_t questsUpdatedAny = 0;
    uint32_t awardCounts[kAwardRows] = {};
    uint8_t reservedBytesC[kReservedCount] = {};

    // Ship statistics, in save order.
    uint32_t shipSpeed = 0;
    uint32_t shipShields = 0;
    uint32_t shipShieldsMax = 0;
    uint32_t shipArmor = 0;
    uint32_t shipBaseShields = 0;  // raised by each ship upgrade
    uint32_t shipBaseArmor = 0;    // raised by each ship upgrade
    uint32_t shipArmorMax = 0;
    uint32_t level = 0;
    uint32_t experience = 0;
    uint32_t nextLevelExperience = 0;
    uint32_t shipStatsSpareA[2] = {};
    uint32_t shipStatsValue = 0;
    uint32_t shipStatsSpareB[2] = {};
    uint32_t shipDefence = 0;
    uint32_t shipBaseDefence = 0;  // raised by each ship upgrade
    uint32_t shipUpgrades = 0;
    uint32_t shipUpgradeCost = 0;
    uint8_t highestSkill = 0;  // skill index + 1
    uint32_t shipBaseProtection[3] = {};  // atomic, chemical, electrical
    uint32_t shipProtection[3] = {};
    uint8_t fireMode = 0;  // 1 straight, 2 small spread, 3 wide spread

    uint32_t shipHold[kHoldCells] = {};
    uint32_t armorPositions[kArmorPositions] = {};
    uint32_t shieldPositions[kShieldPositions] = {};
    uint32_t weaponPositions[kWeaponPositions] = {};
    uint32_t enginePosition = 0;
    uint32_t weaponDamage[kWeaponPositions] = {};
    uint8_t volleyFlag = 0;
    uint32_t storages[kStorageCount][kStorageCells] = {};
    uint32_t storageCount = 0;
    uint8_t itemsMax = 0;        // items allowed on the ship's positions
    uint8_t itemsInstalled = 0;  // items on them
    uint32_t skillPoints = 0;
    uint32_t energy = 0;
    uint32_t energyMax = 0;
    uint32_t skillBenefits[kSkillCount] = {};
    uint32_t skillCharges[kSkillCount] = {};
    uint8_t skillEnergyCosts[kSkillCount] = {};
    uint32_t skillLevels[kSkillCount] = {};
    ItemPool itemPool;

    // The home base's buildings.
    uint32_t buildingCount = 0;
    uint8_t buildingIds[kBuildingSlots] = {};  // 1-based
    uint8_t buildingExists[kBuildingSlots] = {};
    uint8_t buildingIndex[kBuildingSlots] = {};
    uint8_t buildingFrames[kBuildingSlots] = {};
    uint8_t buildingKinds[kBuildingSlots] = {};  // 0..11
    uint8_t buildingLevels[kBuildingSlots] = {};
    uint32_t upgradeCosts[kBuildingSlots] = {};
    uint32_t upgradeCostsAfterDiscount[kBuildingSlots] = {};
    int32_t buildingX[kBuildingSlots] = {};
    int32_t buildingY[kBuildingSlots] = {};
    uint8_t factoryBuilt = 0;
    int32_t factoryX = 0;
    int32_t factoryY = 0;
    uint8_t topFactoryLevel = 0;
    uint32_t storageBuildings[kBuildingSlots] = {};
    uint32_t storageToOpen = 0;

    // The player's robots: counters, then one array per field.
    uint8_t operationalByRank[kRobotRanks] = {};
    uint8_t robotCount = 0;
    uint8_t robotCounterSpare = 0;
    uint8_t operationalRobotCount = 0;
    uint8_t brokenRobotCount = 0;
    uint8_t maxRobotCount = 0;
    uint8_t maxRobotQuality = 0;
    uint8_t robotExists[kRobotSlots] = {};
    uint8_t robotActive[kRobotSlots] = {};
    uint8_t robotOperational[kRobotSlots] = {};  // 0 broken
    uint8_t robotSlot[kRobotSlots] = {};         // list row
    uint8_t robotVariant[kRobotSlots] = {};      // picture frame
    uint32_t robotRank[kRobotSlots] = {};        // 0 Grunt, 1 Sarge, 2 Captain, 3 General
    uint32_t robotShields[kRobotSlots] = {};
    uint32_t robotShieldsMax[kRobotSlots] = {};
    uint32_t robotArmor[kRobotSlots] = {};
    uint32_t robotArmorMax[kRobotSlots] = {};
    uint32_t robotProtection[kRobotSlots] = {};
    uint32_t robotAttack[kRobotSlots] = {};
    uint32_t robotDefence[kRobotSlots] = {};
    uint8_t robotQuality[kRobotSlots] = {};
    uint8_t robotsByRank[kRobotRanks] = {};  // robots made per rank
    uint32_t robotStatGains[kRobotRanks][kRobotStatCount] = {};  // shields, armor, protection, attack, defence

    uint8_t shipDestroyed = 0;
    uint32_t placementRefund = 0;
    uint8_t restockFlag = 0;
    uint32_t constructionSteps[kBuildingKinds] = {};

    HallOfFameRecord hallOfFame;  // not saved in the slot
    int32_t hofValue = 0;
    uint8_t hofInserted = 0;

    // Scene-to-scene flags, not saved.
    uint8_t titleSceneFlag = 0;
    uint8_t questJingle = 0;  // 0 none, 1 start, 2 started, 3 playing
    uint8_t musicCue = 0;     // end-of-game stage
    uint8_t hallOfFameAfterSave = 0;
    uint8_t freshGame = 0;

private:
    void ResetQuestsAndFlags();
    void ResetShip();
    void ResetSkills();
    void ResetBuildings();
    void ResetRobots();
    void ResetItems();
    void FitStartingKit();
};
