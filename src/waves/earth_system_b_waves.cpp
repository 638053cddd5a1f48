// Areas 21 and 23-28 of the first region.
#include "waves/earth_system_waves.h"
#include "waves/invasions_waves.h"

namespace waves {
namespace {

using G = Group;

// ---- The fortresses, areas 21 and 28: timed waves from three sides ----
constexpr G kFortressFirstWave[] = {
    {.count = 3, .x = {950, 210}, .y = {-2000}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 3, .x = {350}, .y = {-2500, 100}, .keepOffX = {240, 40}, .keepOffY = {150}, .fireGroup = {2}},
    {.count = 3, .x = {1900}, .y = {-2500, 100}, .keepOffX = {360, 40}, .keepOffY = {150}, .fireGroup = {3}}};
constexpr G kFortressFront{.count = 4, .x = {950, 210}, .y = {-1800}, .keepOffX = {120, 40}, .keepOffY = {150},
                           .fireGroup = {1, 1}};
constexpr G kFortressLeft{.count = 4, .x = {350}, .y = {-2600, 100}, .keepOffX = {120, 40}, .keepOffY = {150},
                          .fireGroup = {5, 1}};
constexpr G kFortressSiege[] = {
    kFortressFront,
    kFortressLeft,
    {.count = 4, .x = {1900}, .y = {-2600, 100}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {9, 1}}};

// ---- Area 21, Pirates Base: six rows of emplacements and their commander ----
constexpr AreaEnemyParams kPiratesBaseParams{8, 111, 19, 0};
constexpr AreaDefaults kPiratesBase{12, 1, kPiratesBaseParams.armorBase, 32, kPiratesBaseParams.shotDamage, 1, 3,
                                    kPiratesBaseParams.killReward, 80};
constexpr G kPiratesCommander{.x = {950}, .y = {-1100}, .art = 14, .armor = kPiratesBaseParams.armorBase + 200,
                              .size = 64, .keepOffX = {120}, .keepOffY = {150}, .fireGroup = {19}, .sidestep = 0,
                              .sidestepChance = 80, .damage = kPiratesBaseParams.shotDamage + 1, .volley = 5,
                              .reward = kPiratesBaseParams.killReward + 20};
constexpr G kPiratesBase0[] = {
    {.count = 18, .layout = Layout::kRowsOfThree, .x = {800, 400}, .y = {-1900, -400}, .mobile = 0, .art = 11,
     .armor = 420, .size = 64, .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .volley = 5,
     .reward = 30, .altFrames = 1},
    kPiratesCommander};
constexpr G kPiratesBase4[] = {
    {.count = 2, .x = {950}, .y = {-1800, -2000}, .art = 14, .armor = kPiratesBaseParams.armorBase + 200,
     .size = 64, .keepOffX = {120}, .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .sidestepChance = 80,
     .damage = kPiratesBaseParams.shotDamage + 1, .volley = 5, .reward = kPiratesBaseParams.killReward + 20}};
constexpr Wave kPiratesBaseWaves[] = {
    {0, FirstCall(), {19}, {Records(kPiratesBase0)}, WaveRule::kFillBars},
    {1, SecondsAbove(6), {9}, {Records(kFortressFirstWave)}},
    {2, SecondsAbove(12), {12}, {Records(kFortressSiege)}},
    {3, SecondsAbove(20), {12}, {Records(kFortressSiege)}},
    {4, SecondsAbove(26), {2}, {Records(kPiratesBase4)}},
};

// ---- Areas 23 and 27, Mars Path and Ninja Shadow Clan Path: one layout ----
template <int32_t Armor, int32_t Reward>
constexpr G kClanPath0[] = {
    {.count = 8, .x = {200, 80}, .y = {-1200, -20}, .keepOffX = {180, 40}, .keepOffY = {150, 40},
     .fireGroup = {1, 1}},
    {.count = 2, .x = {350, 160}, .y = {-950}, .armor = Armor + 10, .keepOffX = {150}, .keepOffY = {500},
     .fireGroup = {2}, .type = 1, .altFrames = 1}};
template <int32_t Armor, int32_t Reward>
constexpr G kClanPath1[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400, 50}, .keepOffX = {150, -20}, .keepOffY = {150}, .fireGroup = {1, 1},
     .volley = 1},
    {.count = 5, .x = {350, 90}, .y = {-2700, -30}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-2800}, .armor = Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .type = 1, .altFrames = 1}};
template <int32_t Armor, int32_t Reward>
constexpr G kClanPath2[] = {
    {.count = 9, .x = {150, 60}, .y = {-4100, 30}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-4500}, .armor = Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .type = 1, .altFrames = 1}};
template <int32_t Armor, int32_t Reward>
constexpr G kClanPath3[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100, -70}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-6500}, .armor = Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .type = 1, .reward = Reward + 1, .altFrames = 1},
    {.x = {350}, .y = {-5800}, .armor = Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .type = 1, .reward = Reward + 1, .altFrames = 1}};
constexpr G kClanPath4[] = {
    {.count = 11, .x = {50, 40}, .y = {-7100, 60}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kClanPath5[] = {
    {.count = 10, .x = {-40, 70}, .y = {-9620, 60}, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}}};

template <int32_t Armor, int32_t Reward>
constexpr Wave kClanPathWaves[] = {
    {0, kCorridor[0], {10}, {Records(kClanPath0<Armor, Reward>)}},
    {1, kCorridor[1], {11}, {Records(kClanPath1<Armor, Reward>)}},
    {2, kCorridor[2], {10}, {Records(kClanPath2<Armor, Reward>)}},
    {3, kCorridor[3], {8}, {Records(kClanPath3<Armor, Reward>)}},
    {4, kCorridor[4], {11}, {Records(kClanPath4)}},
    {5, kCorridor[5], {10}, {Records(kClanPath5)}},
};

constexpr AreaEnemyParams kMarsPathParams{9, 151, 23, 15};
constexpr AreaDefaults kMarsPath{kMarsPathParams.artRow, 1, kMarsPathParams.armorBase, 32,
                                 kMarsPathParams.shotDamage, 2, 3, kMarsPathParams.killReward, 80};
constexpr AreaEnemyParams kClanPathParams{10, 250, 25, 15};
constexpr AreaDefaults kClanPath{kClanPathParams.artRow, 1, kClanPathParams.armorBase, 32,
                                 kClanPathParams.shotDamage, 2, 3, kClanPathParams.killReward, 80};

// ---- Area 24, Mars Space Colony: waves by time with bosses ----
constexpr AreaEnemyParams kMarsColonyParams{9, 161, 24, 15};
constexpr AreaDefaults kMarsColony{kMarsColonyParams.artRow, 1, kMarsColonyParams.armorBase, 32,
                                   kMarsColonyParams.shotDamage, 2, 3, kMarsColonyParams.killReward, 80};
constexpr G MarsColonyBoss(int32_t x) {
    return {.x = {x}, .y = {-2400}, .art = 16, .shields = 10, .armor = 800, .size = 64, .keepOffX = {250},
            .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = kMarsColonyParams.shotDamage + 1,
            .type = 3, .volley = 5, .reward = 100, .dropKind = 1};
}
constexpr G kMarsColonyFront{.count = 10, .x = {550, 130}, .y = {-2200}, .keepOffX = {120, 40}, .keepOffY = {150},
                             .fireGroup = {1, 1}};
constexpr G kMarsColonyLeft{.count = 4, .x = {-50}, .y = {-1400, 130}, .keepOffX = {120}, .keepOffY = {110, 30},
                            .fireGroup = {11, 1}};
constexpr G kMarsColonyRight{.count = 4, .x = {2450}, .y = {-1400, 130}, .keepOffX = {120}, .keepOffY = {110, 30},
                             .fireGroup = {15, 1}};
constexpr G kMarsColonyGuards{.count = 3, .x = {950, 210}, .y = {-2100}, .keepOffX = {120, 40}, .keepOffY = {150},
                              .fireGroup = {1, 1}};
constexpr G kMarsColony0[] = {kMarsColonyFront, kMarsColonyLeft, kMarsColonyRight, MarsColonyBoss(1300)};
constexpr G kMarsColony1[] = {
    {.x = {550}, .y = {-2300}, .keepOffX = {120}, .keepOffY = {150}, .fireGroup = {1}, .type = 1, .altFrames = 1},
    {.x = {-50}, .y = {-1400}, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {2}, .type = 1, .altFrames = 1},
    {.x = {2450}, .y = {-1400}, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {3}, .type = 1, .altFrames = 1},
    MarsColonyBoss(1300)};
constexpr G kMarsColony2[] = {kMarsColonyFront, kMarsColonyLeft, kMarsColonyRight};
constexpr G kMarsColony3[] = {kMarsColonyGuards, MarsColonyBoss(1300)};
constexpr G kMarsColony4[] = {kMarsColonyGuards, MarsColonyBoss(1300), MarsColonyBoss(300), MarsColonyBoss(2300)};
constexpr Wave kMarsColonyWaves[] = {
    {0, SecondsAbove(3), {19}, {Records(kMarsColony0)}},
    {1, SecondsAbove(13), {4}, {Records(kMarsColony1)}},
    {2, SecondsAbove(21), {18}, {Records(kMarsColony2)}},
    {3, SecondsAbove(30), {4}, {Records(kMarsColony3)}},
    {4, SecondsAbove(37), {6}, {Records(kMarsColony4)}},
};

// ---- Area 25, Medical Convoy: waves ahead of the convoy ----
constexpr AreaEnemyParams kMedicalConvoyParams{9, 171, 25, 15};
constexpr AreaDefaults kMedicalConvoy{kMedicalConvoyParams.artRow, 1, kMedicalConvoyParams.armorBase, 32,
                                      kMedicalConvoyParams.shotDamage, 2, 3, kMedicalConvoyParams.killReward, 80};
constexpr int32_t kMedArmor = kMedicalConvoyParams.armorBase;
constexpr int32_t kMedDamage = kMedicalConvoyParams.shotDamage;
constexpr int32_t kMedReward = kMedicalConvoyParams.killReward;
constexpr G kMedical0[] = {
    {.count = 4, .x = {50, 20}, .y = {-1200, 60}, .keepOffX = {180, 20}, .keepOffY = {-700, 40},
     .fireGroup = {1, 1}},
    {.x = {350}, .y = {-1350}, .keepOffX = {260}, .keepOffY = {-540}, .fireGroup = {5}, .type = 1, .altFrames = 1}};
constexpr G kMedical1[] = {
    {.count = 4, .x = {730, 40}, .y = {-2400, 33}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {100, 50}, .y = {-2700, 50}, .keepOffX = {230, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {120}, .y = {-2750}, .armor = kMedArmor + 40, .keepOffX = {150}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .damage = kMedDamage + 1, .type = 1, .reward = kMedReward + 5, .altFrames = 1}};
constexpr G kMedical2[] = {
    {.count = 4, .x = {650, 50}, .y = {-3400, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {150, 60}, .y = {-3700, 50}, .keepOffX = {230, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70}};
constexpr G kMedical3[] = {
    {.count = 4, .x = {350, 50}, .y = {-4000, -15}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kMedical4[] = {
    {.count = 4, .x = {650, 50}, .y = {-5400, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {150, 60}, .y = {-5700, 50}, .keepOffX = {150, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {200}, .y = {-6000}, .art = 16, .shields = 10, .armor = 700, .size = 64, .keepOffX = {200},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = kMedDamage + 2, .type = 3, .volley = 5,
     .reward = 100, .dropKind = 1}};
constexpr G kMedical5[] = {
    {.count = 5, .x = {650, 50}, .y = {-6400, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {150, 60}, .y = {-6700, 50}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {370}, .y = {-6700}, .armor = kMedArmor + 40, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1},
     .damage = kMedDamage + 1, .type = 1, .altFrames = 1}};
constexpr G kMedical6[] = {
    {.count = 5, .x = {650, 50}, .y = {-7500, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {150, 60}, .y = {-7700, 50}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.count = 5, .x = {350, 40}, .y = {-7700, -100}, .keepOffX = {350, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70}};
constexpr G kMedical7[] = {
    {.count = 5, .x = {250, 50}, .y = {-8300, -75}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-8200}, .armor = kMedArmor + 50, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1},
     .damage = kMedDamage + 1, .type = 1, .altFrames = 1}};
constexpr Wave kMedicalWaves[] = {
    {0, ViewAbove(-2000), {5}, {Records(kMedical0)}},     {1, ConvoyBelow(-500), {9}, {Records(kMedical1)}},
    {2, ConvoyBelow(-1500), {8}, {Records(kMedical2)}},   {3, ConvoyBelow(-3000), {4}, {Records(kMedical3)}},
    {4, ConvoyBelow(-4000), {9}, {Records(kMedical4)}},   {5, ConvoyBelow(-5000), {11}, {Records(kMedical5)}},
    {6, ConvoyBelow(-7000), {15}, {Records(kMedical6)}},  {7, ConvoyBelow(-8000), {6}, {Records(kMedical7)}},
};

// ---- Area 26, Zombie Space Monster: the monster alone, its escort one call later ----
constexpr AreaEnemyParams kMonsterEscortParams{9, 300, 25, 18};
constexpr AreaDefaults kZombieMonster{kMonsterEscortParams.artRow, 1, kMonsterEscortParams.armorBase, 32,
                                      kMonsterEscortParams.shotDamage, 3, 3, kMonsterEscortParams.killReward, 80};
constexpr G kMonster0[] = {
    {.x = {700}, .y = {-2500}, .art = 17, .shields = 100, .armor = 14333, .size = 64, .keepOffX = {250},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = 50, .type = 0, .volley = 5, .reward = 1000,
     .dropKind = 1}};
constexpr G kMonster1[] = {
    {.count = 10, .x = {500, 130}, .y = {-1200, 50}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {300, 50}, .y = {-1600}, .keepOffX = {120}, .keepOffY = {110, 30}, .fireGroup = {11, 1}},
    {.count = 4, .x = {450, 40}, .y = {-1700, 30}, .keepOffX = {120}, .keepOffY = {110, 30}, .fireGroup = {15, 1}}};
constexpr Wave kMonsterWaves[] = {
    {0, FirstCall(), {1}, {Records(kMonster0)}},
    {1, AfterWave(0), {18}, {Records(kMonster1)}, WaveRule::kSetsParams},
};

// ---- Area 28, Shadow Ninja Clan Base: the fortress again, its commander written over record 0 ----
constexpr AreaEnemyParams kClanBaseParams{10, 270, 25, 15};
constexpr AreaDefaults kClanBase{kClanBaseParams.artRow, 1, kClanBaseParams.armorBase, 32,
                                 kClanBaseParams.shotDamage, 2, 3, kClanBaseParams.killReward, 80};
constexpr int32_t kClanArmor = kClanBaseParams.armorBase;
constexpr int32_t kClanDamage = kClanBaseParams.shotDamage;
constexpr int32_t kClanReward = kClanBaseParams.killReward;
constexpr G kClanBase0[] = {
    {.count = 18, .layout = Layout::kRowsOfThree, .x = {800, 400}, .y = {-1900, -400}, .mobile = 0, .art = 19,
     .armor = 700, .size = 64, .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .type = 1,
     .volley = 5, .reward = 30}};
constexpr G kClanCommander[] = {
    {.x = {950}, .y = {-1100}, .art = 16, .armor = kClanArmor + 200, .size = 64, .keepOffX = {120},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .sidestepChance = 80, .damage = kClanDamage + 1, .type = 3,
     .volley = 5, .reward = kClanReward + 20}};
constexpr G kClanBase3[] = {
    kFortressFront, kFortressLeft,
    {.count = 4, .x = {1900}, .y = {-2500, 500}, .armor = kClanArmor + 100, .keepOffX = {120, 40},
     .keepOffY = {150}, .fireGroup = {9, 1}, .altFrames = 1}};
constexpr G kClanBase4[] = {
    {.count = 2, .x = {950}, .y = {-1800, -2000}, .art = 16, .armor = kClanArmor + 400, .size = 64,
     .keepOffX = {120}, .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .sidestepChance = 80,
     .damage = kClanDamage + 1, .type = 3, .volley = 5, .reward = kClanReward + 20}};
constexpr G kClanBase5[] = {
    {.count = 4, .x = {150, 300}, .y = {-1800}, .art = 16, .armor = kClanArmor + 500, .size = 64,
     .keepOffX = {120, 40}, .keepOffY = {150, 40}, .fireGroup = {2}, .sidestep = 0, .sidestepChance = 80,
     .damage = kClanDamage + 1, .type = 3, .volley = 5, .reward = kClanReward + 20}};
constexpr Wave kClanBaseWaves[] = {
    {0, FirstCall(), {18}, {Records(kClanBase0)}, WaveRule::kFillBars},
    {7, FirstCall(), {kNoCount}, {Records(kClanCommander)}},
    {1, SecondsAbove(6), {9}, {Records(kFortressFirstWave)}},
    {2, SecondsAbove(12), {12}, {Records(kFortressSiege)}},
    {3, SecondsAbove(20), {12}, {Records(kClanBase3)}},
    {4, SecondsAbove(26), {2}, {Records(kClanBase4)}},
    {5, SecondsAbove(29), {4}, {Records(kClanBase5)}},
};

// The blocks by area; hub 22 has none.
constexpr AreaScript kAreas[] = {
    Area(21, kPiratesBase, kPiratesBaseWaves, kParamsDar, kPiratesBaseParams),
    Area(23, kMarsPath, kClanPathWaves<kMarsPathParams.armorBase, kMarsPathParams.killReward>, kParamsAll,
         kMarsPathParams),
    Area(24, kMarsColony, kMarsColonyWaves, kParamsAll, kMarsColonyParams),
    Area(25, kMedicalConvoy, kMedicalWaves, kParamsAll, kMedicalConvoyParams),
    Area(26, kZombieMonster, kMonsterWaves, kParamsAll, kMonsterEscortParams),
    Area(27, kClanPath, kClanPathWaves<kClanPathParams.armorBase, kClanPathParams.killReward>, kParamsAll,
         kClanPathParams),
    Area(28, kClanBase, kClanBaseWaves, kParamsAll, kClanBaseParams),
};

static_assert(AllScriptsConsistent(kAreas), "a wave's records disagree with its count");

// The second region's copy of this script brings the clan base commander
// with the emplacements, as the pirates' commander comes: the last record of
// the first wave, so it spawns first.
constexpr G WithFireGroup(G group, int32_t fireGroup) {
    group.fireGroup = {fireGroup};
    return group;
}
constexpr G kClanBaseWithCommander[] = {kClanBase0[0], WithFireGroup(kClanCommander[0], 19)};
constexpr Wave kClanBaseWavesWithCommander[] = {
    {0, FirstCall(), {19}, {Records(kClanBaseWithCommander)}, WaveRule::kFillBars},
    kClanBaseWaves[2], kClanBaseWaves[3], kClanBaseWaves[4], kClanBaseWaves[5], kClanBaseWaves[6],
};
constexpr AreaScript kInvasionsAreas[] = {
    kAreas[0], kAreas[1], kAreas[2], kAreas[3], kAreas[4], kAreas[5],
    Area(28, kClanBase, kClanBaseWavesWithCommander, kParamsAll, kClanBaseParams),
};

static_assert(AllScriptsConsistent(kInvasionsAreas), "a wave's records disagree with its count");

}  // namespace

const AreaScript* EarthSystemBArea(int32_t areaId) { return FindAreaScript(kAreas, areaId); }

const AreaScript* InvasionsBArea(int32_t areaId) { return FindAreaScript(kInvasionsAreas, areaId); }

}  // namespace waves
