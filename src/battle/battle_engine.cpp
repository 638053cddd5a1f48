#include "battle/battle_engine.h"

#include <cmath>

#include "platform/sprite_sheet.h"

namespace {

// Returning robots stop at different distances from the ship.
constexpr int32_t kRobotLeash[kRobotSlots][2] = {
    {80, 110},  {150, 150}, {210, 150}, {260, 150}, {90, 70},   {140, 70},  {190, 70},  {240, 70},  {110, 110},
    {150, 110}, {50, 150},  {90, 190},  {283, 280}, {330, 50},  {66, 121},  {113, 192}, {160, 263}, {207, 33},
    {254, 104}, {301, 175}, {37, 246},  {84, 317},  {131, 87},  {178, 158}, {225, 229}, {272, 300}, {319, 70},
    {55, 141},  {102, 212}, {149, 283}, {196, 53},  {243, 124}, {290, 195}, {337, 266}, {73, 36},   {120, 107},
    {167, 178}, {214, 249}, {261, 320}, {308, 90},  {44, 161},  {91, 232},  {138, 303}, {185, 73},  {232, 144},
    {279, 215}, {326, 286}, {62, 56},   {109, 127}, {156, 198}, {203, 269}, {250, 39},  {297, 110}, {33, 181},
    {80, 252},  {127, 323}, {174, 93},  {221, 164}, {268, 235}, {315, 306}, {51, 76},   {98, 147},  {145, 218},
    {192, 289}, {239, 59},  {286, 130}, {333, 201}, {69, 272},  {116, 42},  {163, 113}, {210, 184}, {257, 255},
    {304, 326}, {40, 96},   {87, 167},  {134, 238}, {181, 309}, {228, 79},  {275, 150}, {322, 221}, {58, 292},
    {105, 62},  {152, 133}, {199, 204}, {246, 275}, {293, 45},  {340, 116}, {76, 187},  {123, 258}, {170, 329},
    {217, 99},  {264, 170}, {311, 241}, {47, 312},  {94, 82},   {141, 153}, {188, 224}, {235, 295}, {282, 65},
    {329, 136},
};

constexpr int32_t kRobotKeepOffFirst[4][2] = {{60, 50}, {100, 50}, {50, 100}, {50, 150}};
constexpr int32_t kRobotKeepOffX = 60;
constexpr int32_t kRobotKeepOffY = 50;
}  // namespace

BattleEngine::BattleEngine() { ResetDefaults(); }

BattleEngine::~BattleEngine() = default;

void BattleEngine::ResetDefaults() {
    const ShipBoxRow& row = ShipBoxTable(0);
    for (int b = 0; b < kShipBoxCount; ++b) {
        for (int k = 0; k < 4; ++k) shipHitBoxes[b][k] = row.boxes[b][k];
    }
    flamePointX = row.flameX;
    flamePointY = row.flameY;

    for (int i = 0; i < kRobotSlots; ++i) {
        robot.keepOffX[i] = kRobotKeepOffX;
        robot.keepOffY[i] = kRobotKeepOffY;
        robot.fireGroup[i] = static_cast<uint8_t>(i % 3 + 1);
        robot.leashX[i] = kRobotLeash[i][0];
        robot.leashY[i] = kRobotLeash[i][1];
    }
    for (int i = 0; i < 4; ++i) {
        robot.keepOffX[i] = kRobotKeepOffFirst[i][0];
        robot.keepOffY[i] = kRobotKeepOffFirst[i][1];
    }
    robot.fireGroup[kRobotSlots - 1] = 1;

    for (int i = 0; i < kAllySlots; ++i) {
        ally.offsetX[i] = 50 + 25 * i;
        ally.offsetY[i] = 50 + 25 * i;
    }
    for (int i = 0; i < kBuildingSlots; ++i) {
        building.w[i] = 64;
        building.h[i] = 64;
    }
    for (int k = 0; k < kRingCount; ++k) ring[k].width = kRingWidths[k];
}

void BattleEngine::BuildRingVertices(ShockWave& wave) {
    constexpr float kDegreesToRadians = 0.017444445f;
    constexpr float kSegmentDegrees = 361.0f / 20.0f;
    const float outer = wave.radius;
    const float inner = wave.radius - wave.width;
    RingVertex* v = wave.vertexBuffer.get();
    int n = 0;
    for (int segment = 0; segment < wave.segments && n + 6 <= ShockWave::kVertexCount; ++segment) {
        const float a = segment * kSegmentDegrees;
        if (a >= 360.0f) break;
        const float next = a + kSegmentDegrees;
        const float ca = std::cos(a * kDegreesToRadians), sa = std::sin(a * kDegreesToRadians);
        const float cb = std::cos(next * kDegreesToRadians), sb = std::sin(next * kDegreesToRadians);
        const RingVertex innerA{ca * inner, 0.0f, sa * inner, 0xFFFFFFFF, 0.0f, 1.0f};
        const RingVertex outerA{ca * outer, 0.0f, sa * outer, 0xFFFFFFFF, 0.0f, 0.0f};
        const RingVertex innerB{cb * inner, 0.0f, sb * inner, 0xFFFFFFFF, 1.0f, 1.0f};
        const RingVertex outerB{cb * outer, 0.0f, sb * outer, 0xFFFFFFFF, 1.0f, 0.0f};
        v[n++] = innerA;
        v[n++] = outerA;
        v[n++] = innerB;
        v[n++] = outerA;
        v[n++] = outerB;
        v[n++] = innerB;
    }
}

int BattleEngine::AddPlayerShot(int32_t x, int32_t y, int32_t w, int32_t h, int32_t unitX, int32_t unitY,
                                uint8_t signX, uint8_t signY, uint32_t damage, uint8_t frame) {
    const int i = FirstFreeSlot(playerShot.active, PlayerShotTable::kSlots);
    if (i < 0) return -1;
    playerShot.active[i] = 1;
    playerShot.frame[i] = frame;
    playerShot.x[i] = x;
    playerShot.y[i] = y;
    playerShot.w[i] = w;
    playerShot.h[i] = h;
    playerShot.unitX[i] = unitX;
    playerShot.unitY[i] = unitY;
    playerShot.signX[i] = signX;
    playerShot.signY[i] = signY;
    playerShot.damage[i] = damage;
    return i;
}

int BattleEngine::AddEnemyShot(int32_t x, int32_t y, int32_t w, int32_t h, int32_t unitX, int32_t unitY,
                               uint8_t signX, uint8_t signY, uint32_t damage, uint8_t damageType, uint8_t frame) {
    const int i = FirstFreeSlot(enemyShot.active, EnemyShotTable::kSlots);
    if (i < 0) return -1;
    enemyShot.active[i] = 1;
    enemyShot.frame[i] = frame;
    enemyShot.x[i] = x;
    enemyShot.y[i] = y;
    enemyShot.w[i] = w;
    enemyShot.h[i] = h;
    enemyShot.unitX[i] = unitX;
    enemyShot.unitY[i] = unitY;
    enemyShot.signX[i] = signX;
    enemyShot.signY[i] = signY;
    enemyShot.damage[i] = damage;
    enemyShot.damageType[i] = damageType;
    enemyShot.travelledX[i] = 0;
    enemyShot.travelledY[i] = 0;
    return i;
}

int BattleEngine::AddSpark(int32_t x, int32_t y) {
    const int i = FirstFreeSlot(spark.frame, SparkTable::kSlots);
    if (i < 0) return -1;
    spark.frame[i] = 1;
    spark.x[i] = x;
    spark.y[i] = y;
    return i;
}

int BattleEngine::AddHitFlash(int32_t x, int32_t y, uint8_t type) {
    const int i = FirstFreeSlot(hitFlash.frame, HitFlashTable::kSlots);
    if (i < 0) return -1;
    hitFlash.frame[i] = 1;
    hitFlash.x[i] = x;
    hitFlash.y[i] = y;
    hitFlash.type[i] = type;
    return i;
}

int BattleEngine::AddKillExplosion(int32_t x, int32_t y, uint8_t size, uint8_t kind, uint8_t pattern) {
    const int i = FirstFreeSlot(killExplosion.frame, KillExplosionTable::kSlots);
    if (i < 0) return -1;
    killExplosion.frame[i] = 1;
    killExplosion.x[i] = x;
    killExplosion.y[i] = y;
    killExplosion.size[i] = size;
    killExplosion.kind[i] = kind;
    killExplosion.pattern[i] = pattern;
    killExplosion.debrisVariant[i] = frame11;
    // Debris starts at the centre of the wreck.
    for (int p = 0; p < kDebrisParticles; ++p) {
        killExplosion.debrisX[i][p] = x + size / 2;
        killExplosion.debrisY[i][p] = y + size / 2;
    }
    return i;
}

int BattleEngine::AddPickup(int32_t x, int32_t y, uint8_t kind, int32_t value) {
    const int i = FirstFreeSlot(pickup.active, PickupTable::kSlots);
    if (i < 0) return -1;
    pickup.active[i] = 1;
    pickup.x[i] = x;
    pickup.y[i] = y;
    pickup.kind[i] = kind;
    pickup.frame[i] = kind;
    pickup.value[i] = value;
    return i;
}
