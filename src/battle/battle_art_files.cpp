// The engine's image files, their frame grids and colour keys.
#include <iterator>

#include "battle/battle_art_files.h"

namespace {

constexpr uint32_t kKeyBlack = 0xFF000000;
constexpr uint32_t kKeyGreen = 0xFF00FF00;
constexpr uint32_t kKeyRed = 0xFFFF0000;
constexpr uint32_t kKeyNone = 0;


constexpr ArtFileEntry kShotsImages[] = {
    {"Art\\Shots\\2.bmp", 16, 16, kKeyBlack},          {"Art\\Shots\\3.bmp", 16, 16, kKeyBlack},
    {"Art\\Buildings\\Portal.bmp", 64, 64, kKeyGreen}, {"Art\\Shots\\Explode1.bmp", 32, 32, kKeyBlack},
    {"Art\\Shots\\Fire1.bmp", 64, 64, kKeyBlack},      {"Art\\Shots\\Explode2.bmp", 32, 32, kKeyBlack},
    {"Art\\Controls\\Radar.bmp", 2, 2, kKeyBlack},     {"Art\\Buildings\\Selected.bmp", 64, 64, kKeyGreen},
    {"Art\\Shots\\Explode3.bmp", 32, 32, kKeyBlack},   {"Art\\Shots\\Explode4.bmp", 32, 32, kKeyBlack},
    {"Art\\Shots\\Explode5.bmp", 32, 32, kKeyBlack},   {"Art\\Shots\\Fire2.PNG", 128, 128, kKeyBlack},
};
constexpr int kShotsSheetImages = 13;  // the last slot stays empty

constexpr ArtFileEntry kShipImages[] = {
    {"Art\\Ship\\Ship1.bmp", 64, 64, kKeyBlack},
    {"Art\\Ship\\E1.bmp", 32, 32, kKeyBlack},
    {"Art\\Ship\\E2.bmp", 32, 32, kKeyBlack},
    {"Art\\Ship\\E3.bmp", 32, 32, kKeyBlack},
    {"Art\\Ship\\E4.bmp", 32, 32, kKeyBlack},
    {"Art\\Menu\\Collect2.bmp", 16, 16, kKeyBlack},
    {"Art\\Ship\\ParticleShields.PNG", 128, 128, kKeyBlack},
    {"Art\\Ship\\HardShields.bmp", 64, 64, kKeyRed},
    {"Art\\Ship\\Armageddon.bmp", 32, 32, kKeyNone},
    {"Art\\Ship\\ExtraArmor.bmp", 64, 64, kKeyRed},
    {"Art\\Ship\\ShieldsRecharge.bmp", 32, 32, kKeyRed},
    {"Art\\Ship\\SProtection.bmp", 64, 64, kKeyRed},
    {"Art\\Ship\\RProtection.bmp", 32, 32, kKeyRed},
    {"Art\\Ship\\Ship2.bmp", 64, 64, kKeyBlack},
};

constexpr ArtFileEntry kBuildingImages[] = {
    {"Art\\Buildings\\1.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\2.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\3.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\4.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\5.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\6.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\7.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\8.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\9.bmp", 64, 64, kKeyGreen},  {"Art\\Buildings\\10.bmp", 64, 64, kKeyGreen},
    {"Art\\Buildings\\11.bmp", 64, 64, kKeyGreen}, {"Art\\Buildings\\12.bmp", 64, 64, kKeyGreen},
};

constexpr ArtFileEntry kRobotImages[] = {
    {"Art\\Robots\\1.bmp", 32, 32, kKeyRed},
    {"Art\\Robots\\2.bmp", 32, 32, kKeyRed},
    {"Art\\Robots\\3.bmp", 32, 32, kKeyRed},
    {"Art\\Robots\\4.bmp", 32, 32, kKeyRed},
};

constexpr ArtFileEntry kFavorImages[] = {
    {"Art\\Favors\\1.bmp", 32, 32, kKeyRed},          {"Art\\Favors\\Ship3.bmp", 32, 32, kKeyBlack},
    {"Art\\Favors\\Ship2.bmp", 64, 64, kKeyBlack},    {"Art\\Favors\\B1.bmp", 64, 64, kKeyGreen},
    {"Art\\Favors\\Ship5.bmp", 64, 64, kKeyBlack},    {"Art\\Favors\\2.bmp", 32, 32, kKeyRed},
    {"Art\\Enemy\\13.bmp", 64, 64, kKeyNone},         {"Art\\Favors\\Ship7.bmp", 64, 64, kKeyBlack},
    {"Art\\Favors\\Ship8.bmp", 32, 32, kKeyBlack},    {"Art\\Favors\\Station1.bmp", 128, 128, kKeyRed},
    {"Art\\Favors\\Ship9.bmp", 64, 64, kKeyBlack},    {"Art\\Quests\\Colony2.bmp", 64, 64, kKeyRed},
};

constexpr ArtFileEntry kEnemyImages[] = {
    {"Art\\Enemy\\1.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\2.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\3.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\4.bmp", 64, 64, kKeyGreen},
    {"Art\\Enemy\\5.bmp", 64, 64, kKeyBlack},       {"Art\\Enemy\\6.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\7.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\8.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\9.bmp", 32, 32, kKeyBlack},       {"Art\\Enemy\\10.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\11.bmp", 32, 32, kKeyBlack},      {"Art\\Enemy\\12.bmp", 64, 64, kKeyGreen},
    {"Art\\Enemy\\14.bmp", 32, 32, kKeyRed},        {"Art\\Enemy\\16.bmp", 32, 32, kKeyBlack},
    {"Art\\Enemy\\15.bmp", 64, 64, kKeyRed},        {"Art\\Enemy\\17.bmp", 32, 32, kKeyRed},
    {"Art\\Enemy\\18.bmp", 64, 64, kKeyRed},        {"Art\\Enemy\\Zombie.bmp", 64, 64, kKeyRed},
    {"Art\\Enemy\\Zombie2.bmp", 32, 32, kKeyBlack}, {"Art\\Enemy\\20.bmp", 64, 64, kKeyGreen},
    {"Art\\War1\\Smoke2.bmp", 16, 32, kKeyRed},     {"Art\\War1\\Particle1.bmp", 16, 16, kKeyBlack},
    {"Art\\War1\\Particle2.bmp", 16, 16, kKeyRed},  {"Art\\Enemy\\21.bmp", 64, 64, kKeyBlack},
    {"Art\\Enemy\\Dragon.bmp", 64, 64, kKeyRed},    {"Art\\Enemy\\Dragon2.bmp", 32, 32, kKeyRed},
    {"Art\\Enemy\\Dragon3.bmp", 64, 64, kKeyRed},   {"Art\\Enemy\\22.bmp", 32, 32, kKeyRed},
};

constexpr ArtFileEntry kQuestItemArt[kQuestItemImages] = {
    {"Art\\Quests\\1.bmp", 64, 64, kKeyRed},
    {"Art\\Quests\\Robot.bmp", 32, 64, kKeyRed},
};

constexpr const char* kRingFiles[kRingCount] = {"Art\\Shots\\Wave1.PNG", "Art\\Shots\\Wave2.PNG",
                                                "Art\\Shots\\Wave3.PNG"};

// Sheet order: shots, ship, buildings, robots, favors, enemies.
constexpr BattleSheetSpec kSheets[kBattleSheetCount] = {
    {kShotsImages, static_cast<int>(std::size(kShotsImages)), kShotsSheetImages},
    {kShipImages, static_cast<int>(std::size(kShipImages)), 14},
    {kBuildingImages, static_cast<int>(std::size(kBuildingImages)), 12},
    {kRobotImages, static_cast<int>(std::size(kRobotImages)), 4},
    {kFavorImages, static_cast<int>(std::size(kFavorImages)), 12},
    {kEnemyImages, static_cast<int>(std::size(kEnemyImages)), 28},
};

}  // namespace

const BattleSheetSpec& BattleSheet(int sheet) { return kSheets[sheet]; }

const char* BattleRingFile(int ring) { return kRingFiles[ring]; }

const ArtFileEntry& QuestItemArt(int image) { return kQuestItemArt[image]; }

int BattleEngine::ArtFileCount() {
    int count = kRingCount;
    for (const BattleSheetSpec& sheet : kSheets) count += sheet.loadedImages;
    return count;
}

ArtFileEntry BattleEngine::ArtFileAt(int index) {
    for (const BattleSheetSpec& sheet : kSheets) {
        if (index < sheet.loadedImages) return sheet.images[index];
        index -= sheet.loadedImages;
    }
    if (index >= 0 && index < kRingCount) return {kRingFiles[index], 0, 0, kRingColourKey};
    return {nullptr, 0, 0, 0};
}
