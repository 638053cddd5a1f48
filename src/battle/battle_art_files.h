#pragma once
#include "battle/battle_engine.h"

// What LoadArt reads: six sprite sheets and three ring textures.
struct BattleSheetSpec {
    const ArtFileEntry* images;
    int loadedImages;  // images 0 .. loadedImages-1 are loaded
    int imageSlots;    // images the sheet is made with
};

enum BattleSheet : int {
    kSheetShots = 0,
    kSheetShip = 1,
    kSheetBuildings = 2,
    kSheetRobots = 3,
    kSheetFavors = 4,
    kSheetEnemies = 5,
    kBattleSheetCount = 6,
};

constexpr uint32_t kRingColourKey = 0xFFFF0000;

const BattleSheetSpec& BattleSheet(int sheet);
const char* BattleRingFile(int ring);

// The quest items' images: item 1's robot, and the one every other item shows.
constexpr int kQuestItemImages = 2;
const ArtFileEntry& QuestItemArt(int image);
