// Areas 2-20 of the second region. Every record is one of a few kinds of
// enemy, written in runs: Run(kind, count, x, y, keep-off x, keep-off y).
#include "waves/invasions_waves.h"

namespace waves {
namespace {

using G = Group;

// Small kinds take the area's art row, armor, damage and reward; each fires
// with its record number in the wave plus one.
constexpr G Small(int32_t type, uint8_t style) {
    return {.fireGroup = kFireGroupByRecord, .type = type, .drawStyle = style};
}

// Big kinds add to the area's armor, damage and reward and never sidestep.
constexpr G Big(int32_t art, int32_t armorPlus, int32_t damagePlus, int32_t type, int32_t rewardPlus,
                uint8_t style) {
    return {.art = art, .size = 64, .fireGroup = {1}, .sidestep = 0, .sidestepChance = 80, .type = type,
            .volley = 5, .drawStyle = style, .armorPlus = armorPlus, .damagePlus = damagePlus,
            .rewardPlus = rewardPlus};
}

// Turrets stand still, with armor and reward of their own.
constexpr G Turret(int32_t armor, uint8_t style) {
    return {.mobile = 0, .art = 26, .armor = armor, .size = 64, .sidestep = 1, .sidestepChance = 80, .type = 1,
            .volley = 5, .reward = 30, .drawStyle = style, .damagePlus = 5};
}

constexpr G kS = Small(2, 0), kS1 = Small(1, 0), kSR = Small(2, 1), kSY = Small(2, 2);
//                 art  armor  damage type reward style
constexpr G kB1 = Big(16, 800, 1, 3, 20, 0);
constexpr G kB2 = Big(16, 800, 3, 3, 20, 0);
constexpr G kB3 = Big(16, 800, 5, 3, 20, 0);
constexpr G kB4 = Big(16, 2000, 5, 3, 30, 1);
constexpr G kB5 = Big(16, 2100, 5, 3, 20, 1);
constexpr G kB6 = Big(16, 2100, 5, 3, 30, 1);
constexpr G kB7 = Big(16, 2000, 5, 1, 20, 1);
constexpr G kB8 = Big(16, 2500, 5, 1, 20, 2);
constexpr G kH1 = Big(23, 1000, 4, 1, 20, 0);
constexpr G kH2 = Big(23, 2000, 5, 1, 20, 1);
constexpr G kH3 = Big(23, 3500, 7, 1, 20, 2);
constexpr G kH4 = Big(23, 3500, 7, 1, 20, 3);  // the supply area's escorts, drawn as H3
constexpr G kX1 = Big(24, 23333, 43, 1, 20, 1);
constexpr G kX2 = Big(24, 23333, 35, 1, 20, 1);
constexpr G kX3 = Big(24, 23333, 43, 1, 20, 2);
constexpr G kX4 = Big(24, 23333, 43, 1, 20, 0);
constexpr G kT1 = Turret(4500, 0), kT2 = Turret(4000, 0), kT3 = Turret(4000, 1);

constexpr G Run(G kind, int32_t count, Step x, Step y, Step keepOffX, Step keepOffY) {
    kind.count = count;
    kind.x = x;
    kind.y = y;
    kind.keepOffX = keepOffX;
    kind.keepOffY = keepOffY;
    return kind;
}

// Rows of three turrets from the first row's y down, 400 apart each way.
constexpr G Turrets(G kind, int32_t rows, int32_t firstRowY) {
    kind.count = 3 * rows;
    kind.layout = Layout::kTurretRows;
    kind.x = {800, 400};
    kind.y = {firstRowY, -400};
    kind.keepOffX = {170, 30};
    kind.keepOffY = {150};
    kind.fireGroup = {1, 1};
    return kind;
}

// The second region's corridor: wave 0 on arrival, then windows 400 deep;
// none between -4800 and -6400.
constexpr Trigger kWindows[7] = {FirstCall(),
                                 ViewBetween(-2800, -2400),
                                 ViewBetween(-3800, -3400),
                                 ViewBetween(-4800, -4400),
                                 ViewBetween(-6800, -6400),
                                 ViewBetween(-7800, -7400),
                                 ViewBetween(-8800, -8400)};

constexpr AreaScript InvasionArea(int32_t areaId, AreaEnemyParams p, const Wave* waves, int32_t waveCount) {
    const AreaDefaults defaults{p.artRow, 1, p.armorBase, 32, p.shotDamage, 2, 3, p.killReward, 80};
    return {areaId, defaults, waves, waveCount, kParamsAll, p};
}

template <size_t N>
constexpr AreaScript InvasionArea(int32_t areaId, AreaEnemyParams p, const Wave (&waves)[N]) {
    return InvasionArea(areaId, p, waves, static_cast<int32_t>(N));
}

// ---- Area 2, Pluto Area ----
constexpr G kPluto0[] = {Run(kS, 10, {400, 150}, {-2400}, {120, 30}, {150}),
                         Run(kB1, 1, {950}, {-2000}, {120}, {150})};
constexpr G kPluto1[] = {Run(kS, 10, {400, 150}, {-2600}, {120, 30}, {150}),
                         Run(kB2, 6, {700, 200}, {-1100}, {120, 80}, {150})};
constexpr G kPluto2[] = {Run(kB2, 3, {200}, {-1600, 200}, {120, 200}, {150}),
                         Run(kB2, 3, {1800}, {-1600, 200}, {120, 200}, {150}),
                         Run(kB2, 6, {300, 300}, {-2800}, {120, 80}, {150})};
constexpr Wave kPlutoWaves[] = {
    {0, FirstCall(), {11}, {Records(kPluto0)}},
    {1, SecondsAbove(1), {16}, {Records(kPluto1)}},
    {2, SecondsAbove(3), {12}, {Records(kPluto2)}},
};

// ---- Area 3, Far Colony Path ----
constexpr G kColonyPath0[] = {Run(kS, 10, {300, 50}, {-2400, 50}, {120, 30}, {150}),
                              Run(kS, 10, {300, 50}, {-2000, -50}, {120, 30}, {150}),
                              Run(kB2, 6, {300, 100}, {-2700}, {120, 80}, {150})};
constexpr G kColonyPath1[] = {Run(kS, 10, {200, 60}, {-3200, 10}, {120, 30}, {150}),
                              Run(kB2, 6, {150, 150}, {-3300}, {120, 80}, {150})};
constexpr G kColonyPath2[] = {Run(kS, 10, {150, 80}, {-4200, -60}, {120, 30}, {150}),
                              Run(kB2, 6, {150, 150}, {-4800}, {120, 80}, {150})};
constexpr G kColonyPath3[] = {Run(kS, 10, {150, 80}, {-5200, -130}, {120, 30}, {150}),
                              Run(kS, 10, {100, 90}, {-5200, -70}, {120, 30}, {150})};
constexpr G kColonyPath4[] = {Run(kB4, 2, {420, 200}, {-6800}, {120, 80}, {150})};
constexpr G kColonyPath5[] = {Run(kB4, 3, {220, 300}, {-8000}, {120, 80}, {150})};
constexpr G kColonyPath6[] = {Run(kB4, 3, {220, 300}, {-9000}, {120, 80}, {150}),
                              Run(kB2, 2, {350, 300}, {-8700}, {120, 80}, {150})};
constexpr Wave kColonyPathWaves[] = {
    {0, kWindows[0], {26}, {Records(kColonyPath0)}}, {1, kWindows[1], {16}, {Records(kColonyPath1)}},
    {2, kWindows[2], {16}, {Records(kColonyPath2)}}, {3, kWindows[3], {20}, {Records(kColonyPath3)}},
    {4, kWindows[4], {2}, {Records(kColonyPath4)}},  {5, kWindows[5], {3}, {Records(kColonyPath5)}},
    {6, kWindows[6], {5}, {Records(kColonyPath6)}},
};

// ---- Area 4, Far Colony Path II ----
constexpr G kColonyPathII0[] = {Run(kS, 10, {300, 50}, {-2700, 20}, {120, 30}, {150}),
                                Run(kS, 10, {330, 45}, {-2400, 10}, {120, 30}, {150}),
                                Run(kB5, 3, {300, 100}, {-2700}, {120, 80}, {150})};
constexpr G kColonyPathII1[] = {Run(kS, 10, {100, 80}, {-3200, 70}, {120, 30}, {150}),
                                Run(kB5, 3, {170, 150}, {-3300}, {120, 80}, {150})};
constexpr G kColonyPathII2[] = {Run(kS, 10, {150, 80}, {-4200, -60}, {120, 30}, {150}),
                                Run(kB2, 6, {150, 150}, {-4800}, {120, 80}, {150}),
                                Run(kB5, 2, {170, 150}, {-5000}, {120, 80}, {150})};
constexpr G kColonyPathII3[] = {Run(kS, 10, {150, 80}, {-5200, 40}, {120, 30}, {150}),
                                Run(kS, 10, {100, 90}, {-5200, 70}, {120, 30}, {150})};
constexpr G kColonyPathII4[] = {Run(kB6, 3, {420, 200}, {-6800}, {120, 80}, {150})};
constexpr G kColonyPathII5[] = {Run(kB4, 3, {220, 300}, {-8000}, {120, 80}, {150})};
constexpr G kColonyPathII6[] = {Run(kB4, 3, {220, 300}, {-9000}, {120, 80}, {150}),
                                Run(kB2, 2, {350, 300}, {-8700}, {120, 80}, {150}),
                                Run(kB8, 1, {350}, {-9200}, {120}, {150})};
constexpr Wave kColonyPathIIWaves[] = {
    {0, kWindows[0], {23}, {Records(kColonyPathII0)}}, {1, kWindows[1], {13}, {Records(kColonyPathII1)}},
    {2, kWindows[2], {18}, {Records(kColonyPathII2)}}, {3, kWindows[3], {20}, {Records(kColonyPathII3)}},
    {4, kWindows[4], {3}, {Records(kColonyPathII4)}},  {5, kWindows[5], {3}, {Records(kColonyPathII5)}},
    {6, kWindows[6], {6}, {Records(kColonyPathII6)}},
};

// ---- Areas 5 and 12, Far Colony and Military Station: rings by time ----
constexpr G kRing[] = {Run(kS, 7, {600, 200}, {-2200}, {120, 30}, {150}),
                       Run(kS, 7, {50}, {-1400, 130}, {120, 30}, {150}),
                       Run(kS, 7, {2450}, {-1400, 130}, {120, 30}, {150})};
constexpr G kRingRowAndLeft[] = {kRing[0], kRing[1]};
constexpr G kStation1[] = {Run(kB7, 5, {600, 300}, {-2400}, {120, 80}, {150})};
constexpr G kStation2[] = {Run(kB8, 2, {600, 300}, {-2400}, {120, 80}, {150}),
                           Run(kB7, 3, {800, 300}, {-2300}, {120, 80}, {150})};
constexpr G kStation4[] = {Run(kB7, 3, {1200, 300}, {-2300}, {120, 80}, {150})};
constexpr G kStation7[] = {Run(kB8, 2, {700, 600}, {-2400}, {120, 80}, {150})};
constexpr Wave kStationWaves[] = {
    {0, SecondsAbove(2), {21}, {Records(kRing)}},     {1, SecondsAbove(5), {5}, {Records(kStation1)}},
    {2, SecondsAbove(10), {5}, {Records(kStation2)}}, {3, SecondsAbove(16), {21}, {Records(kRing)}},
    {4, SecondsAbove(24), {3}, {Records(kStation4)}}, {5, SecondsAbove(34), {21}, {Records(kRing)}},
    {6, SecondsAbove(43), {21}, {Records(kRing)}},    {7, SecondsAbove(52), {2}, {Records(kStation7)}},
    {8, SecondsAbove(64), {14}, {Records(kRingRowAndLeft)}},
};

// ---- Areas 7 and 13, Enemy Fleet and Warrior Clan: the clan fights on longer ----
constexpr G kFleet0[] = {Run(kS, 10, {400, 150}, {-1800}, {120, 30}, {150}),
                         Run(kS, 10, {200, 210}, {-2000}, {120, 30}, {150}),
                         Run(kH1, 7, {100, 300}, {-2300}, {120, 80}, {150})};
constexpr G kFleet1[] = {Run(kS, 10, {400, 150}, {-2450}, {120, 30}, {150}),
                         Run(kH2, 5, {150, 400}, {-2590}, {120, 30}, {110, 10})};
constexpr G kFleet2[] = {Run(kS, 10, {400, 110}, {-2550}, {120, 30}, {150}),
                         Run(kH3, 2, {50, 700}, {-2790}, {120, 110}, {110, 120})};
constexpr G kFleet3[] = {Run(kS, 10, {400, 110}, {-2600}, {120, 30}, {150}),
                         Run(kH3, 2, {50, 700}, {-2800}, {120, 110}, {110, 120})};
constexpr G kFleet4[] = {Run(kS, 10, {400, 110}, {-2700}, {120, 30}, {150})};
constexpr G kClan5[] = {Run(kS, 10, {200, 130}, {-3000}, {120, 30}, {150}),
                        Run(kH3, 2, {50, 1200}, {-3100}, {120, 110}, {110, 120})};
constexpr G kClan6[] = {Run(kS, 10, {200, 130}, {-4000}, {120, 30}, {150}),
                        Run(kH3, 2, {50, 1200}, {-4100}, {120, 110}, {110, 120})};
constexpr Wave kClanWaves[] = {
    {0, FirstCall(), {27}, {Records(kFleet0)}},      {1, SecondsAbove(1), {15}, {Records(kFleet1)}},
    {2, SecondsAbove(3), {12}, {Records(kFleet2)}},  {3, SecondsAbove(7), {12}, {Records(kFleet3)}},
    {4, SecondsAbove(12), {10}, {Records(kFleet4)}}, {5, SecondsAbove(20), {12}, {Records(kClan5)}},
    {6, SecondsAbove(29), {12}, {Records(kClan6)}},
};
constexpr int32_t kFleetWaveCount = 5;  // the fleet stops before the clan's last two

// ---- Area 8, Supply Ships Area: waves ahead of the convoy ----
constexpr G kSupply0[] = {Run(kS, 5, {50, 20}, {-1200, 60}, {180, 20}, {-700, 40}),
                          Run(kS, 5, {500, 20}, {-1500, -60}, {280, 20}, {-500, 40}),
                          Run(kH3, 2, {50, 700}, {-1500}, {120, 110}, {110, 120})};
constexpr G kSupply1[] = {Run(kS1, 20, {50, 40}, {-2400, 5}, {150, 20}, {150, 10})};
constexpr G kSupply2[] = {Run(kS1, 15, {30, 62}, {-3200, -7}, {150, 20}, {150, 10})};
constexpr G kSupply3[] = {Run(kS1, 13, {20, 70}, {-4200, 16}, {150, 20}, {150, 10}),
                          Run(kH2, 2, {150, 600}, {-4300}, {120, 110}, {110, 120})};
constexpr G kSupply4[] = {Run(kS1, 16, {20, 50}, {-4500, 16}, {150, 20}, {150, 10}),
                          Run(kH2, 4, {50, 220}, {-4600}, {120, 110}, {110, 120}),
                          Run(kS1, 18, {10, 50}, {-3400, -8}, {150, 20}, {150, 10}),
                          Run(kH4, 2, {50, 500}, {-3300}, {120, 110}, {110, 120})};
constexpr G kSupply5[] = {Run(kS1, 19, {-20, 40}, {-6400, 16}, {150, 20}, {150, 10}),
                          Run(kH2, 1, {100}, {-6500}, {120}, {110}),
                          Run(kS1, 7, {10, 95}, {-5100, -8}, {150, 20}, {150, 10}),
                          Run(kH4, 1, {50}, {-5000}, {120}, {110})};
constexpr G kSupply6[] = {Run(kS1, 9, {-20, 60}, {-8400, 16}, {150, 20}, {150, 10}),
                          Run(kH2, 1, {100}, {-8500}, {120}, {110}),
                          Run(kS1, 10, {10, 95}, {-7100, -8}, {150, 20}, {150, 10})};
constexpr G kSupply7[] = {Run(kS1, 9, {-20, 60}, {-9300, 16}, {150, 20}, {150, 10}),
                          Run(kH2, 1, {100}, {-9200}, {120}, {110}),
                          Run(kS1, 7, {10, 95}, {-8100, -8}, {150, 20}, {150, 10}),
                          Run(kH4, 2, {50, 600}, {-8000}, {120, 110}, {110, 120})};
constexpr Wave kSupplyWaves[] = {
    {0, ViewAbove(-2000), {12}, {Records(kSupply0)}},   {1, ConvoyBelow(-500), {20}, {Records(kSupply1)}},
    {2, ConvoyBelow(-1500), {15}, {Records(kSupply2)}}, {3, ConvoyBelow(-2500), {15}, {Records(kSupply3)}},
    {4, ConvoyBelow(-3500), {40}, {Records(kSupply4)}}, {5, ConvoyBelow(-5500), {28}, {Records(kSupply5)}},
    {6, ConvoyBelow(-7500), {20}, {Records(kSupply6)}}, {7, ConvoyBelow(-8500), {19}, {Records(kSupply7)}},
};

// ---- Areas 10 and 11, Station Path and Station Path II: one middle stretch ----
constexpr G kStationPath3[] = {Run(kS, 10, {150, 80}, {-5600, 40}, {120, 30}, {150}),
                               Run(kS, 10, {100, 90}, {-5700, 70}, {120, 30}, {150})};
constexpr G kStationPath4[] = {Run(kB6, 3, {420, 200}, {-6800}, {120, 80}, {150}),
                               Run(kS, 10, {100, 50}, {-6500, 20}, {120, 30}, {150})};
constexpr G kStationPath0[] = {Run(kS, 10, {300, 50}, {-1700, 20}, {120, 30}, {150}),
                               Run(kS, 10, {330, 45}, {-1400, 10}, {120, 30}, {150}),
                               Run(kB5, 3, {200, 200}, {-2000}, {120, 80}, {150})};
constexpr G kStationPath1[] = {Run(kS, 10, {100, 80}, {-3200, 70}, {120, 30}, {150}),
                               Run(kB5, 3, {170, 150}, {-3600}, {120, 80}, {150})};
constexpr G kStationPath2[] = {Run(kS, 10, {150, 80}, {-4200, -60}, {120, 30}, {150}),
                               Run(kB2, 6, {150, 150}, {-5000}, {120, 80}, {150}),
                               Run(kB5, 2, {170, 150}, {-5500}, {120, 80}, {150})};
constexpr G kStationPath5[] = {Run(kB4, 3, {220, 300}, {-8000}, {120, 80}, {150})};
constexpr G kStationPath6[] = {Run(kB4, 3, {220, 300}, {-9000}, {120, 80}, {150}),
                               Run(kB3, 2, {350, 300}, {-8700}, {120, 80}, {150}),
                               Run(kB8, 3, {50, 250}, {-9200}, {120, 80}, {150})};
constexpr Wave kStationPathWaves[] = {
    {0, kWindows[0], {23}, {Records(kStationPath0)}}, {1, kWindows[1], {13}, {Records(kStationPath1)}},
    {2, kWindows[2], {18}, {Records(kStationPath2)}}, {3, kWindows[3], {20}, {Records(kStationPath3)}},
    {4, kWindows[4], {13}, {Records(kStationPath4)}}, {5, kWindows[5], {3}, {Records(kStationPath5)}},
    {6, kWindows[6], {8}, {Records(kStationPath6)}},
};

constexpr G kStationPathII0[] = {Run(kS, 10, {300, 50}, {-1700, -40}, {120, 30}, {150}),
                                 Run(kS, 10, {330, 45}, {-1400, 50}, {120, 30}, {150}),
                                 Run(kS, 10, {100, 55}, {-1450, -80}, {120, 30}, {150})};
constexpr G kStationPathII1[] = {Run(kS, 10, {100, 80}, {-3200, 70}, {120, 30}, {150}),
                                 Run(kB5, 7, {50, 100}, {-3900}, {120, 80}, {150})};
constexpr G kStationPathII2[] = {Run(kS, 10, {150, 80}, {-4200, -60}, {120, 30}, {150}),
                                 Run(kB2, 6, {150, 150}, {-5000}, {120, 80}, {150}),
                                 Run(kB5, 4, {70, 170}, {-5600, -150}, {120, 80}, {150})};
constexpr G kStationPathII5[] = {Run(kB4, 5, {50, 200}, {-8500, 300}, {120, 80}, {150})};
constexpr G kStationPathII6[] = {Run(kB4, 3, {220, 300}, {-9000}, {120, 80}, {150}),
                                 Run(kB3, 2, {300, 300}, {-8700}, {120, 80}, {150}),
                                 Run(kB8, 3, {50, 250}, {-9200, 250}, {120, 80}, {150})};
constexpr Wave kStationPathIIWaves[] = {
    {0, kWindows[0], {30}, {Records(kStationPathII0)}}, {1, kWindows[1], {17}, {Records(kStationPathII1)}},
    {2, kWindows[2], {20}, {Records(kStationPathII2)}}, {3, kWindows[3], {20}, {Records(kStationPath3)}},
    {4, kWindows[4], {13}, {Records(kStationPath4)}},   {5, kWindows[5], {5}, {Records(kStationPathII5)}},
    {6, kWindows[6], {8}, {Records(kStationPathII6)}},
};

// ---- Area 14, Mechanical Dragon ----
constexpr G kDragon0[] = {Run(kSY, 10, {400, 150}, {-1800}, {120, 30}, {150}),
                          Run(kSY, 10, {200, 210}, {-2000}, {120, 30}, {150}),
                          Run(kX1, 1, {100}, {-2600}, {120}, {150})};
constexpr G kDragon1[] = {Run(kSR, 10, {200, 140}, {-600}, {120, 30}, {150})};
constexpr Wave kDragonWaves[] = {
    {0, FirstCall(), {21}, {Records(kDragon0)}},
    {1, SecondsAbove(7), {10}, {Records(kDragon1)}},
};

// ---- Areas 16 and 18, Dragon's Outpost and Dragon's Base: turrets, then a siege ----
constexpr G kSiege[] = {Run(kSR, 10, {200}, {-2200, 100}, {120, 30}, {150}),
                        Run(kSR, 10, {2000}, {-2200, 140}, {120, 30}, {150}),
                        Run(kSR, 10, {200, 140}, {-1500}, {120, 30}, {150}),
                        Run(kX1, 1, {800}, {-2200}, {120}, {150})};
constexpr G kOutpost0[] = {Turrets(kT1, 2, -1100)};
constexpr Wave kOutpostWaves[] = {
    {0, FirstCall(), {6}, {Records(kOutpost0)}, kTurretSlots},
    {1, SecondsAbove(1), {31}, {Records(kSiege)}},
};

constexpr G kDragonBase0[] = {Turrets(kT2, 6, -1900)};
constexpr G kDragonBase2[] = {Run(kSR, 10, {200}, {-4600, 100}, {120, 30}, {150})};
constexpr Wave kDragonBaseWaves[] = {
    {0, FirstCall(), {18}, {Records(kDragonBase0)}, kTurretSlots | kFillBars},
    {1, SecondsAbove(1), {31}, {Records(kSiege)}},
    {2, SecondsAbove(30), {10}, {Records(kDragonBase2)}},
};

// ---- Area 17, Dragon's Fleet ----
constexpr G kDragonFleet0[] = {Run(kSY, 10, {400, 150}, {-1800}, {120, 30}, {150}),
                               Run(kSY, 10, {200, 210}, {-2000}, {120, 30}, {150}),
                               Run(kSY, 10, {200, 180}, {-2300, -50}, {120, 30}, {150}),
                               Run(kX2, 1, {800}, {-2600}, {120}, {150})};
constexpr G kDragonFleet1[] = {Run(kSR, 10, {200, 140}, {-600}, {120, 30}, {150}),
                               Run(kSY, 10, {200, 210}, {-800}, {120, 30}, {150}),
                               Run(kX3, 1, {800}, {-500}, {300}, {150})};
constexpr Wave kDragonFleetWaves[] = {
    {0, FirstCall(), {31}, {Records(kDragonFleet0)}},
    {1, SecondsAbove(7), {21}, {Records(kDragonFleet1)}},
};

// ---- Area 19, Dunmark ----
constexpr G kDunmark0[] = {Run(kSY, 10, {200}, {-2200, 100}, {120, 30}, {150}),
                           Run(kSY, 10, {2000}, {-2200, 100}, {120, 30}, {150}),
                           Run(kSR, 10, {100, 160}, {-1500}, {120, 30}, {150}),
                           Run(kX3, 1, {800}, {-2200}, {120}, {150})};
constexpr G kDunmark1[] = {Run(kSY, 10, {200, 100}, {-3600}, {120, 30}, {150}),
                           Run(kX1, 1, {800}, {-3800}, {120}, {150})};
constexpr Wave kDunmarkWaves[] = {
    {0, FirstCall(), {31}, {Records(kDunmark0)}},
    {1, SecondsAbove(5), {11}, {Records(kDunmark1)}},
};

// ---- Area 20, Vexmoor ----
// Wave 3 also leaves a boss far down the list where its count never reaches,
// and wave 4 counts one record more than it writes: the eleventh is the one
// wave 1 left in record 10.
constexpr G kVexmoor0[] = {Turrets(kT3, 6, -1900)};
constexpr G kVexmoor1[] = {Run(kS, 10, {200}, {-2200, 100}, {120, 30}, {150}),
                           Run(kS, 10, {2000}, {-2200, 140}, {120, 30}, {150}),
                           Run(kS, 10, {200, 140}, {-1500}, {120, 30}, {150}),
                           Run(kX4, 1, {800}, {-2200}, {120}, {150})};
constexpr G kVexmoor2[] = {Run(kS, 10, {200}, {-4600, 100}, {120, 30}, {150})};
constexpr G kVexmoorLine = Run(kS, 10, {200, 100}, {-4300, 50}, {120, 30}, {150});
constexpr G AtRecord(G group, int32_t record) {
    group.firstRecord = record;
    return group;
}
constexpr G kVexmoor3[] = {kVexmoorLine, AtRecord(Run(kX1, 1, {800}, {-4500}, {120}, {150}), 30)};
constexpr G kVexmoor4[] = {kVexmoorLine};
constexpr Wave kVexmoorWaves[] = {
    {0, FirstCall(), {18}, {Records(kVexmoor0)}, kTurretSlots | kFillBars},
    {1, SecondsAbove(1), {31}, {Records(kVexmoor1)}},
    {2, SecondsAbove(25), {10}, {Records(kVexmoor2)}},
    {3, SecondsAbove(35), {10}, {Records(kVexmoor3)}},
    {4, SecondsAbove(45), {11}, {Records(kVexmoor4)}, kCountsLeftovers},
};

// The blocks by area, with each area's shot damage, armor, reward and art
// row; the hubs 6, 9 and 15 have none.
constexpr AreaScript kAreas[] = {
    InvasionArea(2, {10, 300, 27, 15}, kPlutoWaves),
    InvasionArea(3, {11, 330, 28, 15}, kColonyPathWaves),
    InvasionArea(4, {12, 330, 29, 15}, kColonyPathIIWaves),
    InvasionArea(5, {12, 330, 29, 15}, kStationWaves),
    InvasionArea(7, {12, 330, 29, 8}, kClanWaves, kFleetWaveCount),
    InvasionArea(8, {12, 330, 29, 8}, kSupplyWaves),
    InvasionArea(10, {13, 330, 30, 8}, kStationPathWaves),
    InvasionArea(11, {13, 330, 31, 8}, kStationPathIIWaves),
    InvasionArea(12, {13, 330, 33, 8}, kStationWaves),
    InvasionArea(13, {14, 340, 35, 8}, kClanWaves),
    InvasionArea(14, {16, 600, 38, 25}, kDragonWaves),
    InvasionArea(16, {16, 600, 38, 25}, kOutpostWaves),
    InvasionArea(17, {16, 600, 40, 25}, kDragonFleetWaves),
    InvasionArea(18, {16, 650, 50, 25}, kDragonBaseWaves),
    InvasionArea(19, {16, 640, 60, 25}, kDunmarkWaves),
    InvasionArea(20, {16, 640, 70, 27}, kVexmoorWaves),
};

static_assert(AllScriptsConsistent(kAreas), "a wave's records disagree with its count");

}  // namespace

const AreaScript* InvasionsAArea(int32_t areaId) { return FindAreaScript(kAreas, areaId); }

}  // namespace waves
