// Areas 2-16 and 18-20 of the first region.
#include "waves/earth_system_waves.h"

namespace waves {
namespace {

using G = Group;

// A hub greeter: a lone fighter keeping off (180, 150) in fire group 1.
constexpr G Greeter(int32_t x, int32_t y, int32_t reward = kUseDefault) {
    return {.x = {x}, .y = {y}, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1}, .reward = reward};
}

// ---- Area 2, Border Area: every wave's size follows the cycler ----
constexpr AreaDefaults kBorderArea{0, 1, 4, 32, 2, 0, 1, 7, 80};
constexpr G kBorderFirstLeader{.x = {500}, .y = {-1700}, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1}};
constexpr G kBorderFirstWing{.x = {600}, .y = {-1750}, .keepOffX = {260}, .keepOffY = {200}, .fireGroup = {2},
                             .sidestepChance = 70, .reward = 8};
constexpr G kBorder0Small[] = {kBorderFirstLeader};
constexpr G kBorder0Medium[] = {kBorderFirstLeader, kBorderFirstWing};
constexpr G kBorder0Large[] = {kBorderFirstLeader, kBorderFirstWing,
                               {.x = {1450}, .y = {-1600}, .keepOffX = {260}, .keepOffY = {200}, .fireGroup = {2},
                                .sidestepChance = 70}};
constexpr G kBorderSecondLeader{.x = {500}, .y = {-2300}, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1}};
constexpr G kBorderSecondWing{.x = {600}, .y = {-2250}, .keepOffX = {260}, .keepOffY = {200}, .fireGroup = {2},
                              .sidestepChance = 70, .reward = 8};
constexpr G kBorder1Small[] = {kBorderSecondLeader};
constexpr G kBorder1Medium[] = {kBorderSecondLeader, kBorderSecondWing};
constexpr G kBorder1Large[] = {kBorderSecondLeader, kBorderSecondWing,
                               {.x = {1100}, .y = {-2350}, .art = 1, .armor = 25, .keepOffX = {260},
                                .keepOffY = {200}, .fireGroup = {2}, .sidestepChance = 70, .damage = 3, .volley = 3,
                                .reward = 10}};
constexpr G kBorderTurret{.x = {1200}, .y = {-4000}, .mobile = 0, .art = 3, .shields = 10, .armor = 35, .size = 64,
                          .fireGroup = {2}, .volley = 5, .reward = 15};
constexpr G kBorder2Small[] = {kBorderTurret};
constexpr G kBorder2Medium[] = {kBorderTurret,
                                {.x = {1000}, .y = {-4000}, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1}}};
constexpr G kBorder2Large[] = {
    kBorderTurret,
    {.count = 2, .x = {1000, 600}, .y = {-4000}, .keepOffX = {180}, .keepOffY = {150}, .fireGroup = {1}}};
constexpr Wave kBorderWaves[] = {
    {0, ViewBetween(-4200, -1200), {1, 2, 3},
     {Records(kBorder0Small), Records(kBorder0Medium), Records(kBorder0Large)}},
    {1, ViewBetween(-3700, -1800), {1, 2, 3},
     {Records(kBorder1Small), Records(kBorder1Medium), Records(kBorder1Large)}},
    {2, ViewBelow(-3000), {1, 2, 3}, {Records(kBorder2Small), Records(kBorder2Medium), Records(kBorder2Large)}},
};

// ---- Area 3, Green Path ----
constexpr AreaDefaults kGreenPath{2, 1, 13, 32, 2, 0, 1, 8, 80};
constexpr G kGreenPath0[] = {
    {.count = 3, .x = {350, 50}, .y = {-700}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .art = 1, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .reward = 9}};
constexpr G kGreenPath1[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {450, 20}, .y = {-2700}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {350}, .y = {-2800}, .art = 1, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .sidestepChance = 70,
     .volley = 3, .reward = 9}};
constexpr G kGreenPath2[] = {
    {.count = 4, .x = {150, 150}, .y = {-4100}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70},
    {.x = {350}, .y = {-4500}, .art = 1, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .reward = 9}};
constexpr G kGreenPath3[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70},
    {.x = {350}, .y = {-6500}, .art = 1, .armor = 33, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .damage = 3, .volley = 3, .reward = 9},
    {.x = {350}, .y = {-5800}, .art = 0, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}}};
constexpr G kGreenPath4[] = {
    {.count = 7, .x = {50, 130}, .y = {-7100}, .art = 0, .keepOffX = {160, 40}, .keepOffY = {150},
     .fireGroup = {1, 1}},
    {.x = {350}, .y = {-7500}, .art = 1, .armor = 33, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .volley = 3, .reward = 9}};
constexpr G kGreenPath5[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 3, .armor = 53, .size = 64, .keepOffX = {170, 30},
     .keepOffY = {150}, .fireGroup = {1, 1}, .volley = 5, .reward = 19},
    {.x = {650}, .y = {-8500}, .art = 1, .keepOffX = {120}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .reward = 9}};
constexpr Wave kGreenPathWaves[] = {
    {0, kCorridor[0], {4}, {Records(kGreenPath0)}},  {1, kCorridor[1], {11}, {Records(kGreenPath1)}},
    {2, kCorridor[2], {5}, {Records(kGreenPath2)}},  {3, kCorridor[3], {8}, {Records(kGreenPath3)}},
    {4, kCorridor[4], {8}, {Records(kGreenPath4)}},  {5, kCorridor[5], {3}, {Records(kGreenPath5)}},
};

// ---- Area 4, Neutral Area: a hub greeting by the cycler ----
constexpr AreaDefaults kNeutralArea{0, 1, 30, 32, 3, 0, 1, 7, 80};
constexpr G kNeutralSmall[] = {Greeter(-50, -900), Greeter(700, -930), Greeter(2000, -930, 10), Greeter(2800, -930)};
constexpr G kNeutralMedium[] = {Greeter(-50, -200), Greeter(600, -950), Greeter(2100, -950, 10),
                                Greeter(2800, -200)};
constexpr G kNeutralLarge[] = {Greeter(-50, -200), Greeter(600, -950), Greeter(2100, -950, 10),
                               Greeter(2800, -200, 9),
                               {.x = {1800}, .y = {-200}, .art = 1, .armor = 40, .keepOffX = {180}, .keepOffY = {150},
                                .fireGroup = {1}, .damage = 4, .volley = 3, .reward = 12}};
constexpr Wave kNeutralWaves[] = {
    {0, FirstCall(), {4, 4, 5}, {Records(kNeutralSmall), Records(kNeutralMedium), Records(kNeutralLarge)}},
};

// ---- Area 5, Green Domain: the first quest's boss ----
constexpr AreaDefaults kGreenDomain{5, 5, 13, 32, 2, 0, 3, 10, 80};
constexpr G kGreenDomain0[] = {
    {.count = 3, .x = {500, 100}, .y = {-1200}, .keepOffX = {180, 50}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 3, .x = {570, 90}, .y = {-1700}, .keepOffX = {250, 50}, .keepOffY = {150}, .fireGroup = {1}}};
constexpr G kGreenDomain1[] = {
    {.count = 7, .x = {400, 50}, .y = {-2500}, .keepOffX = {180, 40}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 4, .x = {620, 60}, .y = {-3000}, .keepOffX = {140, 20}, .keepOffY = {150}, .fireGroup = {1}},
    {.x = {1300}, .y = {-4200}, .art = 4, .shields = 10, .armor = 333, .size = 64, .keepOffX = {250},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = 3, .volley = 5, .reward = 100, .dropKind = 1,
     .questDrop = 1},
    {.x = {940}, .y = {-4300}, .armor = 20, .keepOffX = {240}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 4, .x = {1060, 120}, .y = {-4300}, .armor = 20, .keepOffX = {260, 20}, .keepOffY = {150},
     .fireGroup = {1}}};
constexpr Wave kGreenDomainWaves[] = {
    {0, ViewAbove(-3000), {6}, {Records(kGreenDomain0)}},
    {1, ViewBelow(-2000), {17}, {Records(kGreenDomain1)}},
};

// ---- Area 6, Moon Path I ----
constexpr AreaDefaults kMoonPath1{6, 1, 33, 32, 3, 0, 1, 13, 80};
constexpr G kMoonPath10[] = {
    {.count = 5, .x = {300, 70}, .y = {-700}, .keepOffX = {180, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .damage = 4},
    {.x = {350}, .y = {-950}, .art = 7, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .damage = 4,
     .volley = 3, .reward = 15}};
constexpr G kMoonPath11[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, 40}, .keepOffY = {150, -50}, .fireGroup = {1, 1},
     .damage = 4},
    {.count = 5, .x = {450, 20}, .y = {-2550, 30}, .keepOffX = {250, 20}, .keepOffY = {500, 70}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {350}, .y = {-2800}, .art = 7, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .sidestepChance = 70,
     .damage = 4, .volley = 3, .reward = 15}};
constexpr G kMoonPath12[] = {
    {.count = 4, .x = {150, 150}, .y = {-4100, -100}, .keepOffX = {200, 50}, .keepOffY = {150, 60},
     .fireGroup = {1, 1}, .sidestepChance = 70},
    {.x = {350}, .y = {-4500}, .art = 7, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .damage = 4,
     .volley = 3, .reward = 15}};
constexpr G kMoonPath13[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100, -170}, .keepOffX = {150, 35}, .keepOffY = {150, 40},
     .fireGroup = {1, 1}, .sidestepChance = 70},
    {.x = {350}, .y = {-6500}, .art = 7, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .sidestepChance = 70,
     .damage = 4, .volley = 3, .reward = 15},
    {.x = {350}, .y = {-5800}, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}}};
constexpr G kMoonPath14[] = {
    {.count = 7, .x = {50, 130}, .y = {-7100, -100}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-7500}, .art = 7, .armor = 53, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .damage = 4, .volley = 3, .reward = 15}};
constexpr G kMoonPath15[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 3, .armor = 100, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .damage = 4, .volley = 5, .reward = 25},
    {.x = {450}, .y = {-8500}, .art = 7, .keepOffX = {120}, .keepOffY = {500}, .fireGroup = {2}, .damage = 4,
     .volley = 3, .reward = 15}};
constexpr Wave kMoonPath1Waves[] = {
    {0, kCorridor[0], {6}, {Records(kMoonPath10)}},  {1, kCorridor[1], {11}, {Records(kMoonPath11)}},
    {2, kCorridor[2], {5}, {Records(kMoonPath12)}},  {3, kCorridor[3], {8}, {Records(kMoonPath13)}},
    {4, kCorridor[4], {8}, {Records(kMoonPath14)}},  {5, kCorridor[5], {3}, {Records(kMoonPath15)}},
};

// ---- Area 7, Moon Path II ----
constexpr AreaDefaults kMoonPath2{8, 1, 43, 32, 3, 0, 3, 16, 80};
constexpr G kMoonPath20[] = {
    {.count = 8, .x = {200, 80}, .y = {-700, 60}, .armor = 33, .keepOffX = {180, 40}, .keepOffY = {150, 40},
     .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .art = 7, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .damage = 4}};
constexpr G kMoonPath21[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1},
     .volley = 1},
    {.count = 5, .x = {350, 120}, .y = {-2700, 10}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-2800}, .art = 7, .armor = 53, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .damage = 4, .reward = 17}};
constexpr G kMoonPath22[] = {
    {.count = 4, .x = {150, 150}, .y = {-4100, -30}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-4500}, .art = 7, .armor = 53, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .damage = 4, .reward = 17}};
constexpr G kMoonPath23[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100, 40}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-6500}, .art = 7, .armor = 53, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .damage = 4, .reward = 17},
    {.x = {350}, .y = {-5800}, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}}};
constexpr G kMoonPath24[] = {
    {.count = 7, .x = {50, 130}, .y = {-7100, 40}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kMoonPath25[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 3, .armor = 200, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .damage = 5, .volley = 5, .reward = 30},
    {.count = 3, .x = {350, 100}, .y = {-9500, 40}, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .damage = 4}};
constexpr Wave kMoonPath2Waves[] = {
    {0, kCorridor[0], {9}, {Records(kMoonPath20)}},  {1, kCorridor[1], {11}, {Records(kMoonPath21)}},
    {2, kCorridor[2], {5}, {Records(kMoonPath22)}},  {3, kCorridor[3], {8}, {Records(kMoonPath23)}},
    {4, kCorridor[4], {7}, {Records(kMoonPath24)}},  {5, kCorridor[5], {5}, {Records(kMoonPath25)}},
};

// ---- Area 8, Moon Colony: waves by time, a boss at the end ----
constexpr AreaDefaults kMoonColony{8, 1, 43, 32, 3, 0, 3, 16, 80};
constexpr G kMoonColony0[] = {
    {.count = 10, .x = {550, 130}, .y = {-2200}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 3, .x = {-50}, .y = {-1400, 130}, .keepOffX = {120}, .keepOffY = {110, 30}, .fireGroup = {11, 1}},
    {.x = {2450}, .y = {-1530}, .keepOffX = {120}, .keepOffY = {80}, .fireGroup = {14}},
    {.x = {2450}, .y = {-1400}, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {15}}};
constexpr G kMoonColony1[] = {
    {.x = {550}, .y = {-2300}, .art = 7, .armor = 53, .keepOffX = {120}, .keepOffY = {150}, .fireGroup = {1},
     .reward = 17},
    {.x = {-50}, .y = {-1400}, .art = 7, .armor = 53, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {2},
     .reward = 17},
    {.x = {2450}, .y = {-1400}, .art = 7, .armor = 53, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {3},
     .reward = 17}};
constexpr G kMoonColony2[] = {
    {.count = 8, .x = {550, 130}, .y = {-2200}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kMoonColony3[] = {
    {.x = {1300}, .y = {-2400}, .art = 4, .shields = 10, .armor = 400, .size = 64, .keepOffX = {250},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = 4, .volley = 5, .reward = 100, .dropKind = 1}};
constexpr Wave kMoonColonyWaves[] = {
    {0, SecondsAbove(3), {15}, {Records(kMoonColony0)}},
    {1, SecondsAbove(13), {3}, {Records(kMoonColony1)}},
    {2, SecondsAbove(21), {8}, {Records(kMoonColony2)}},
    {3, SecondsAbove(37), {1}, {Records(kMoonColony3)}},
};

// ---- Area 9, Skeletons ----
constexpr AreaDefaults kSkeletons{9, 1, 53, 32, 4, 0, 3, 15, 80};
constexpr G kSkeletons0[] = {
    {.count = 5, .x = {300, 100}, .y = {-700}, .keepOffX = {180, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .art = 10, .armor = 83, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .reward = 17}};
constexpr G kSkeletons1[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400, 40}, .keepOffX = {150, 100}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {350, 120}, .y = {-2600}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {350}, .y = {-2800}, .art = 10, .armor = 83, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17}};
constexpr G kSkeletons2[] = {
    {.count = 4, .x = {150, 150}, .y = {-4100, 70}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70},
    {.x = {350}, .y = {-4500}, .art = 10, .armor = 83, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .reward = 17}};
constexpr G kSkeletons3[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100, 120}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70},
    {.x = {550}, .y = {-6200}, .art = 10, .armor = 83, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17},
    {.x = {350}, .y = {-5800}, .art = 10, .armor = 83, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .reward = 17}};
constexpr G kSkeletons4[] = {
    {.count = 7, .x = {50, 130}, .y = {-7000, -40}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-7500}, .art = 10, .armor = 83, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .reward = 17}};
constexpr G kSkeletons5[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 11, .armor = 200, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .volley = 5, .reward = 30},
    {.x = {420}, .y = {-9200}, .art = 10, .armor = 83, .keepOffX = {120}, .keepOffY = {500}, .fireGroup = {2},
     .reward = 17}};
constexpr Wave kSkeletonsWaves[] = {
    {0, kCorridor[0], {6}, {Records(kSkeletons0)}},  {1, kCorridor[1], {11}, {Records(kSkeletons1)}},
    {2, kCorridor[2], {5}, {Records(kSkeletons2)}},  {3, kCorridor[3], {8}, {Records(kSkeletons3)}},
    {4, kCorridor[4], {8}, {Records(kSkeletons4)}},  {5, kCorridor[5], {3}, {Records(kSkeletons5)}},
};

// ---- Area 10, Skeletons Prison: cells of emplacements from the start ----
constexpr AreaDefaults kSkeletonsPrison{9, 5, 53, 32, 4, 0, 3, 15, 80};
constexpr G kPrison0[] = {
    {.count = 7, .x = {800, 70}, .y = {-2100}, .keepOffX = {180, 40}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 8, .layout = Layout::kRowsOfTwo, .x = {800, 400}, .y = {-1600, -400}, .mobile = 0, .art = 11,
     .shields = 1, .armor = 200, .size = 64, .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {8, 1},
     .damage = 5, .volley = 5, .reward = 30}};
constexpr G kPrison1[] = {
    {.count = 7, .x = {800, 100}, .y = {-4500}, .keepOffX = {180, 40}, .keepOffY = {150}, .fireGroup = {1}}};
constexpr Wave kPrisonWaves[] = {
    {0, FirstCall(), {15}, {Records(kPrison0)}},
    {1, SecondsAbove(1), {7}, {Records(kPrison1)}},
};

// ---- Area 11, Convoy Area: waves ahead of the convoy ----
constexpr AreaDefaults kConvoyArea{12, 1, 60, 32, 4, 1, 3, 18, 80};
constexpr G kConvoy0[] = {
    {.count = 4, .x = {50, 20}, .y = {-1200, 60}, .keepOffX = {180, 20}, .keepOffY = {-700, 40},
     .fireGroup = {1, 1}},
    {.x = {350}, .y = {-1350}, .armor = 80, .keepOffX = {260}, .keepOffY = {-540}, .fireGroup = {5},
     .altFrames = 1}};
constexpr G kConvoy1[] = {
    {.count = 4, .x = {730, 40}, .y = {-2400, 33}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {100, 50}, .y = {-2700, 50}, .keepOffX = {150, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17}};
constexpr G kConvoy2[] = {
    {.count = 4, .x = {650, 50}, .y = {-3400, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {150, 60}, .y = {-3700, 50}, .keepOffX = {150, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17}};
constexpr G kConvoy3[] = {
    {.count = 4, .x = {350, 50}, .y = {-4000, -15}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kConvoy4[] = {
    {.count = 4, .x = {650, 50}, .y = {-5400, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {150, 60}, .y = {-5700, 50}, .keepOffX = {230, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17}};
constexpr G kConvoy5[] = {
    {.count = 5, .x = {650, 50}, .y = {-6400, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {150, 60}, .y = {-6700, 50}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17},
    {.x = {370}, .y = {-6700}, .armor = 80, .keepOffX = {180}, .keepOffY = {-700}, .fireGroup = {1},
     .altFrames = 1}};
constexpr G kConvoy6[] = {
    {.count = 5, .x = {650, 50}, .y = {-7500, -35}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {150, 60}, .y = {-7700, 50}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17},
    {.count = 5, .x = {350, 40}, .y = {-7700, -100}, .keepOffX = {350, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .reward = 17}};
constexpr G kConvoy7[] = {
    {.count = 5, .x = {250, 50}, .y = {-8300, -75}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-8200}, .armor = 80, .keepOffX = {180}, .keepOffY = {-700}, .fireGroup = {1},
     .altFrames = 1}};
constexpr Wave kConvoyWaves[] = {
    {0, ViewAbove(-2000), {5}, {Records(kConvoy0)}},      {1, ConvoyBelow(-500), {8}, {Records(kConvoy1)}},
    {2, ConvoyBelow(-1500), {8}, {Records(kConvoy2)}},    {3, ConvoyBelow(-3000), {4}, {Records(kConvoy3)}},
    {4, ConvoyBelow(-4000), {8}, {Records(kConvoy4)}},    {5, ConvoyBelow(-5000), {11}, {Records(kConvoy5)}},
    {6, ConvoyBelow(-7000), {15}, {Records(kConvoy6)}},   {7, ConvoyBelow(-8000), {6}, {Records(kConvoy7)}},
};

// ---- Area 12, Earth Area: a hub greeting by the cycler ----
constexpr AreaDefaults kEarthArea{13, 1, 90, 32, 5, 0, 3, 18, 80};
constexpr G kEarthPair{.count = 2, .x = {600, 1500}, .y = {-950}, .keepOffX = {180}, .keepOffY = {150},
                       .fireGroup = {1}};
constexpr G kEarthSmall[] = {Greeter(-50, -700), Greeter(900, -630), Greeter(2500, -960), Greeter(2800, -930)};
constexpr G kEarthMedium[] = {Greeter(-50, -200), kEarthPair, Greeter(2800, -200)};
constexpr G kEarthLarge[] = {Greeter(-50, -200), kEarthPair, Greeter(2800, -200),
                             {.x = {1800}, .y = {-200}, .armor = 100, .keepOffX = {180}, .keepOffY = {150},
                              .fireGroup = {1}, .type = 3, .reward = 19, .altFrames = 1}};
constexpr Wave kEarthAreaWaves[] = {
    {0, FirstCall(), {4, 4, 5}, {Records(kEarthSmall), Records(kEarthMedium), Records(kEarthLarge)}},
};

// ---- Area 13, Stolen Robot Trail ----
constexpr AreaDefaults kRobotTrail{13, 1, 90, 32, 5, 0, 1, 8, 80};
constexpr G kRobotTrail0[] = {
    {.count = 3, .x = {350, 50}, .y = {-700}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .armor = 100, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .type = 3,
     .volley = 3, .reward = 18, .altFrames = 1}};
constexpr G kRobotTrail1[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {450, 20}, .y = {-2700}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {350}, .y = {-2800}, .armor = 100, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .type = 3, .volley = 3, .reward = 18, .altFrames = 1}};
constexpr G kRobotTrail2[] = {
    {.count = 4, .x = {150, 150}, .y = {-4100}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70},
    {.x = {350}, .y = {-4500}, .armor = 100, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .type = 3,
     .volley = 3, .reward = 18, .altFrames = 1}};
constexpr G kRobotTrail3[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 3},
    {.x = {350}, .y = {-6500}, .armor = 100, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .type = 3, .volley = 3, .reward = 18, .altFrames = 1},
    {.x = {350}, .y = {-5800}, .armor = 100, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .type = 3,
     .volley = 3, .altFrames = 1}};
constexpr G kRobotTrail4[] = {
    {.count = 7, .x = {50, 130}, .y = {-7100}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-7500}, .armor = 100, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .type = 3,
     .volley = 3, .reward = 18, .altFrames = 1}};
constexpr G kRobotTrail5[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 3, .armor = 150, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .type = 3, .volley = 5, .reward = 19},
    {.x = {650}, .y = {-8500}, .armor = 100, .keepOffX = {120}, .keepOffY = {500}, .fireGroup = {2}, .type = 3,
     .volley = 3, .reward = 18}};
constexpr Wave kRobotTrailWaves[] = {
    {0, kCorridor[0], {4}, {Records(kRobotTrail0)}},  {1, kCorridor[1], {11}, {Records(kRobotTrail1)}},
    {2, kCorridor[2], {5}, {Records(kRobotTrail2)}},  {3, kCorridor[3], {8}, {Records(kRobotTrail3)}},
    {4, kCorridor[4], {8}, {Records(kRobotTrail4)}},  {5, kCorridor[5], {3}, {Records(kRobotTrail5)}},
};

// ---- Area 14, Robot Lair: the fifth quest's boss ----
constexpr AreaDefaults kRobotLair{13, 5, 90, 32, 5, 0, 3, 18, 80};
constexpr G kRobotLair0[] = {
    {.count = 3, .x = {500, 100}, .y = {-1200, 34}, .keepOffX = {180, 50}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 3, .x = {300}, .y = {-1700}, .keepOffX = {250, 50}, .keepOffY = {150}, .fireGroup = {1}}};
constexpr G kRobotLair1[] = {
    {.count = 7, .x = {400, 50}, .y = {-2500, 100}, .keepOffX = {180, 40}, .keepOffY = {150}, .fireGroup = {1}},
    {.count = 4, .x = {620, 60}, .y = {-3000}, .keepOffX = {140, 20}, .keepOffY = {150}, .fireGroup = {1}},
    {.x = {1300}, .y = {-4200}, .art = 4, .shields = 10, .armor = 450, .size = 64, .keepOffX = {250},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = 7, .type = 3, .volley = 5, .reward = 100,
     .dropKind = 1, .questDrop = 5, .altFrames = 1},
    {.x = {1300}, .y = {-4000}, .armor = 100, .keepOffX = {240}, .keepOffY = {150}, .fireGroup = {1}, .type = 3,
     .altFrames = 1},
    {.count = 4, .x = {1450, 150}, .y = {-4000}, .armor = 100, .keepOffX = {260, 20}, .keepOffY = {150},
     .fireGroup = {1}, .type = 3, .altFrames = 1}};
constexpr Wave kRobotLairWaves[] = {
    {0, ViewAbove(-3000), {6}, {Records(kRobotLair0)}},
    {1, ViewBelow(-2000), {17}, {Records(kRobotLair1)}},
};

// ---- Area 15, Earth Path ----
constexpr AreaDefaults kEarthPath{12, 1, 101, 32, 6, 1, 1, 18, 80};
constexpr G kEarthPath0[] = {
    {.count = 3, .x = {350, 50}, .y = {-700}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .armor = 111, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .altFrames = 1}};
constexpr G kEarthPath1[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 5, .x = {450, 20}, .y = {-2700}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70},
    {.x = {350}, .y = {-2800}, .armor = 111, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .volley = 3, .altFrames = 1}};
constexpr G kEarthPath2[] = {
    {.count = 4, .x = {150, 150}, .y = {-4100}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70},
    {.x = {350}, .y = {-4500}, .armor = 111, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .altFrames = 1}};
constexpr G kEarthPath3[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 3},
    {.x = {350}, .y = {-6500}, .armor = 111, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .volley = 3, .altFrames = 1},
    {.x = {350}, .y = {-5800}, .armor = 111, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .altFrames = 1}};
constexpr G kEarthPath4[] = {
    {.count = 7, .x = {50, 130}, .y = {-7100}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-7500}, .armor = 111, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3,
     .altFrames = 1}};
constexpr G kEarthPath5[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 3, .armor = 150, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .type = 2, .volley = 5, .reward = 22},
    {.x = {650}, .y = {-8500}, .armor = 111, .keepOffX = {120}, .keepOffY = {500}, .fireGroup = {2}, .volley = 3}};
constexpr Wave kEarthPathWaves[] = {
    {0, kCorridor[0], {4}, {Records(kEarthPath0)}},  {1, kCorridor[1], {11}, {Records(kEarthPath1)}},
    {2, kCorridor[2], {5}, {Records(kEarthPath2)}},  {3, kCorridor[3], {8}, {Records(kEarthPath3)}},
    {4, kCorridor[4], {8}, {Records(kEarthPath4)}},  {5, kCorridor[5], {3}, {Records(kEarthPath5)}},
};

// ---- Area 16, Earth Space Station: waves by time, a boss at the end ----
constexpr AreaDefaults kEarthStation{12, 1, 101, 32, 6, 1, 3, 18, 80};
constexpr G kEarthStationRing[] = {
    {.count = 10, .x = {550, 130}, .y = {-2200}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {-50}, .y = {-1400, 130}, .keepOffX = {120}, .keepOffY = {110, 30}, .fireGroup = {11, 1}},
    {.count = 4, .x = {2450}, .y = {-1400, 130}, .keepOffX = {120}, .keepOffY = {110, 30}, .fireGroup = {15, 1}}};
constexpr G kEarthStation1[] = {
    {.x = {550}, .y = {-2300}, .armor = 111, .keepOffX = {120}, .keepOffY = {150}, .fireGroup = {1},
     .altFrames = 1},
    {.x = {-50}, .y = {-1400}, .armor = 111, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {2},
     .altFrames = 1},
    {.x = {2450}, .y = {-1400}, .armor = 111, .keepOffX = {120}, .keepOffY = {110}, .fireGroup = {3},
     .altFrames = 1}};
constexpr G kEarthStation3[] = {
    {.count = 3, .x = {950, 210}, .y = {-2100}, .armor = 111, .keepOffX = {120, 40}, .keepOffY = {150},
     .fireGroup = {1, 1}, .altFrames = 1},
    {.x = {1300}, .y = {-2400}, .art = 14, .shields = 10, .armor = 700, .size = 64, .keepOffX = {250},
     .keepOffY = {150}, .fireGroup = {1}, .sidestep = 0, .damage = 7, .volley = 5, .reward = 100, .dropKind = 1}};
constexpr Wave kEarthStationWaves[] = {
    {0, SecondsAbove(3), {18}, {Records(kEarthStationRing)}},
    {1, SecondsAbove(13), {3}, {Records(kEarthStation1)}},
    {2, SecondsAbove(21), {18}, {Records(kEarthStationRing)}},
    {3, SecondsAbove(37), {4}, {Records(kEarthStation3)}},
};

// ---- Area 18, Pirates Outpost: emplacements from the start, then waves by time ----
constexpr AreaEnemyParams kPiratesOutpostParams{7, 111, 19, 0};
constexpr AreaDefaults kPiratesOutpost{12, 1, kPiratesOutpostParams.armorBase, 32, kPiratesOutpostParams.shotDamage,
                                       1, 3, kPiratesOutpostParams.killReward, 80};
constexpr G kPiratesOutpost0[] = {
    {.count = 3, .x = {800, 400}, .y = {-1100}, .mobile = 0, .art = 11, .armor = 400, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .volley = 5, .reward = 30, .altFrames = 1},
    {.count = 3, .x = {800, 400}, .y = {-1500}, .mobile = 0, .art = 11, .armor = 400, .size = 64,
     .keepOffX = {170}, .keepOffY = {150}, .fireGroup = {4, 1}, .volley = 5, .reward = 30, .altFrames = 1}};
constexpr G kPiratesOutpost1[] = {
    {.count = 3, .x = {950, 210}, .y = {-1800}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 3, .x = {350}, .y = {-1600, 100}, .keepOffX = {240, 40}, .keepOffY = {150}, .fireGroup = {4, 1}},
    {.count = 3, .x = {1900}, .y = {-1600, 100}, .keepOffX = {360, 40}, .keepOffY = {150}, .fireGroup = {7, 1}}};
constexpr G kPiratesOutpostSiege[] = {
    {.count = 4, .x = {950, 210}, .y = {-1800}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {1, 1}},
    {.count = 4, .x = {350}, .y = {-1600, 100}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {5, 1}},
    {.count = 4, .x = {1900}, .y = {-1600, 100}, .keepOffX = {120, 40}, .keepOffY = {150}, .fireGroup = {9, 1}}};
constexpr Wave kPiratesOutpostWaves[] = {
    {0, FirstCall(), {6}, {Records(kPiratesOutpost0)}},
    {1, SecondsAbove(4), {9}, {Records(kPiratesOutpost1)}},
    {2, SecondsAbove(10), {12}, {Records(kPiratesOutpostSiege)}},
    {3, SecondsAbove(20), {12}, {Records(kPiratesOutpostSiege)}},
};

// ---- Areas 19 and 20, Pirates Path I and II ----
constexpr AreaEnemyParams kPiratesPath1Params{8, 121, 20, 12};
constexpr AreaDefaults kPiratesPath1{kPiratesPath1Params.artRow, 1, kPiratesPath1Params.armorBase, 32,
                                     kPiratesPath1Params.shotDamage, 1, 3, kPiratesPath1Params.killReward, 80};
constexpr int32_t kPath1Armor = kPiratesPath1Params.armorBase;
constexpr int32_t kPath1Reward = kPiratesPath1Params.killReward;
constexpr G kPiratesPath10[] = {
    {.count = 8, .x = {200, 80}, .y = {-700, 60}, .keepOffX = {180, 40}, .keepOffY = {150, 40}, .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .armor = kPath1Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .altFrames = 1}};
constexpr G kPiratesPath11[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, 40}, .keepOffY = {150}, .fireGroup = {1, 1},
     .volley = 1},
    {.count = 5, .x = {350, 120}, .y = {-2700, 10}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-2800}, .armor = kPath1Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .altFrames = 1}};
constexpr G kPiratesPath12[] = {
    {.count = 9, .x = {150, 60}, .y = {-4100, -30}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-4500}, .armor = kPath1Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .altFrames = 1}};
constexpr G kPiratesPath13[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100, 40}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-6500}, .armor = kPath1Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .reward = kPath1Reward + 1, .altFrames = 1},
    {.x = {350}, .y = {-5800}, .armor = kPath1Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .reward = kPath1Reward + 1, .altFrames = 1}};
constexpr G kPiratesPath14[] = {
    {.count = 7, .x = {50, 130}, .y = {-7100, 60}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kPiratesPath15[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 11, .armor = kPath1Armor + 100, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .volley = 5, .reward = kPath1Reward + 10,
     .altFrames = 1},
    {.count = 8, .x = {100, 70}, .y = {-9500, 60}, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}}};
constexpr Wave kPiratesPath1Waves[] = {
    {0, kCorridor[0], {9}, {Records(kPiratesPath10)}},   {1, kCorridor[1], {11}, {Records(kPiratesPath11)}},
    {2, kCorridor[2], {10}, {Records(kPiratesPath12)}},  {3, kCorridor[3], {8}, {Records(kPiratesPath13)}},
    {4, kCorridor[4], {7}, {Records(kPiratesPath14)}},   {5, kCorridor[5], {10}, {Records(kPiratesPath15)}},
};

constexpr AreaEnemyParams kPiratesPath2Params{8, 131, 21, 12};
constexpr AreaDefaults kPiratesPath2{kPiratesPath2Params.artRow, 1, kPiratesPath2Params.armorBase, 32,
                                     kPiratesPath2Params.shotDamage, 1, 3, kPiratesPath2Params.killReward, 80};
constexpr int32_t kPath2Armor = kPiratesPath2Params.armorBase;
constexpr int32_t kPath2Reward = kPiratesPath2Params.killReward;
constexpr G kPiratesPath20[] = {
    {.count = 8, .x = {200, 80}, .y = {-700, -70}, .keepOffX = {180, 40}, .keepOffY = {150, 40},
     .fireGroup = {1, 1}},
    {.x = {350}, .y = {-950}, .armor = kPath2Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .altFrames = 1}};
constexpr G kPiratesPath21[] = {
    {.count = 5, .x = {350, 50}, .y = {-2400}, .keepOffX = {150, -20}, .keepOffY = {150}, .fireGroup = {1, 1},
     .volley = 1},
    {.count = 5, .x = {350, 120}, .y = {-2700, 10}, .keepOffX = {250, 20}, .keepOffY = {150}, .fireGroup = {2},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-2800}, .armor = kPath2Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .altFrames = 1}};
constexpr G kPiratesPath22[] = {
    {.count = 9, .x = {150, 60}, .y = {-4100, 60}, .keepOffX = {200, 50}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-4500}, .armor = kPath2Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .altFrames = 1}};
constexpr G kPiratesPath23[] = {
    {.count = 6, .x = {50, 120}, .y = {-6100, -70}, .keepOffX = {150, 35}, .keepOffY = {150}, .fireGroup = {1, 1},
     .sidestepChance = 70, .volley = 1},
    {.x = {350}, .y = {-6500}, .armor = kPath2Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .sidestepChance = 70, .reward = kPath2Reward + 1, .altFrames = 1},
    {.x = {350}, .y = {-5800}, .armor = kPath2Armor + 10, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2},
     .reward = kPath2Reward + 1, .altFrames = 1}};
constexpr G kPiratesPath24[] = {
    {.count = 11, .x = {50, 40}, .y = {-7100, 60}, .keepOffX = {160, 40}, .keepOffY = {150}, .fireGroup = {1, 1}}};
constexpr G kPiratesPath25[] = {
    {.count = 2, .x = {300, 400}, .y = {-9400}, .mobile = 0, .art = 11, .armor = kPath2Armor + 100, .size = 64,
     .keepOffX = {170, 30}, .keepOffY = {150}, .fireGroup = {1, 1}, .volley = 5, .reward = kPath2Reward + 10,
     .altFrames = 1},
    {.count = 8, .x = {100, 70}, .y = {-9500, 60}, .keepOffX = {150}, .keepOffY = {500}, .fireGroup = {2}}};
constexpr Wave kPiratesPath2Waves[] = {
    {0, kCorridor[0], {9}, {Records(kPiratesPath20)}},   {1, kCorridor[1], {11}, {Records(kPiratesPath21)}},
    {2, kCorridor[2], {10}, {Records(kPiratesPath22)}},  {3, kCorridor[3], {8}, {Records(kPiratesPath23)}},
    {4, kCorridor[4], {11}, {Records(kPiratesPath24)}},  {5, kCorridor[5], {10}, {Records(kPiratesPath25)}},
};

// The blocks by area; hub 17 has none.
constexpr AreaScript kAreas[] = {
    Area(2, kBorderArea, kBorderWaves),
    Area(3, kGreenPath, kGreenPathWaves),
    Area(4, kNeutralArea, kNeutralWaves),
    Area(5, kGreenDomain, kGreenDomainWaves),
    Area(6, kMoonPath1, kMoonPath1Waves),
    Area(7, kMoonPath2, kMoonPath2Waves),
    Area(8, kMoonColony, kMoonColonyWaves),
    Area(9, kSkeletons, kSkeletonsWaves),
    Area(10, kSkeletonsPrison, kPrisonWaves),
    Area(11, kConvoyArea, kConvoyWaves),
    Area(12, kEarthArea, kEarthAreaWaves),
    Area(13, kRobotTrail, kRobotTrailWaves),
    Area(14, kRobotLair, kRobotLairWaves),
    Area(15, kEarthPath, kEarthPathWaves),
    Area(16, kEarthStation, kEarthStationWaves),
    Area(18, kPiratesOutpost, kPiratesOutpostWaves, kParamsDar, kPiratesOutpostParams),
    Area(19, kPiratesPath1, kPiratesPath1Waves, kParamsAll, kPiratesPath1Params),
    Area(20, kPiratesPath2, kPiratesPath2Waves, kParamsAll, kPiratesPath2Params),
};

static_assert(AllScriptsConsistent(kAreas), "a wave's records disagree with its count");

}  // namespace

const AreaScript* EarthSystemAArea(int32_t areaId) { return FindAreaScript(kAreas, areaId); }

}  // namespace waves
