#pragma once
#include <cstdint>
#include <memory>

#include "platform/mesh_vertex.h"
#include "platform/texture.h"

// The engine's fixed slot tables. Each is a structure of arrays: one array
// per field, indexed by slot; a slot is live while its active byte (or
// frame, for the effects) is non-zero. New entries take the lowest free
// slot and are dropped when none is free; nothing ever compacts a table.

constexpr int kPlayerShotSlots = 1000;
constexpr int kEnemyShotSlots = 1000;
constexpr int kEnemySlots = 100;
constexpr int kRobotSlots = 100;
constexpr int kAllySlots = 50;
constexpr int kDrivenAllySlots = 30;  // allies 30-49 are never moved by the behaviour pass
constexpr int kBuildingSlots = 100;
constexpr int kPickupSlots = 100;
constexpr int kQuestItemSlots = 100;
constexpr int kSparkSlots = 100;
constexpr int kHitFlashSlots = 100;
constexpr int kKillExplosionSlots = 100;
constexpr int kDebrisParticles = 7;
constexpr int kFloatingTextSlots = 10;
constexpr int kPortalSlots = 5;
constexpr int kRingCount = 3;
constexpr int kSkillCount = 12;
constexpr int kAllyFlagCount = 300;
constexpr int kWaveFlagCount = 100;
// Every enemy may die in one frame: the drop queue holds one per enemy.
constexpr int kDropQueueSlots = kEnemySlots;
constexpr int kEscapeSteps = 20;
constexpr int kShipBoxCount = 7;
constexpr int kShipHeadings = 64;
constexpr int kRobotTypes = 4;
constexpr int kBarrels = 5;
constexpr int32_t kTargetIsShip = 1000;  // targetIndex naming the player's ship

// Lowest slot whose active byte is 0, or -1 when the table is full.
inline int FirstFreeSlot(const uint8_t* active, int slots) {
    for (int i = 0; i < slots; ++i) {
        if (active[i] == 0) return i;
    }
    return -1;
}

// Shots of the player's ship, robots and allies.
struct PlayerShotTable {
    static constexpr int kSlots = kPlayerShotSlots;
    uint8_t active[kSlots] = {};
    uint8_t frame[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    int32_t w[kSlots] = {};
    int32_t h[kSlots] = {};
    int32_t unitX[kSlots] = {};  // 0-8; unit u moves at 70 x u px/s
    int32_t unitY[kSlots] = {};
    uint8_t signX[kSlots] = {};  // 1 increasing coordinate, 0 decreasing
    uint8_t signY[kSlots] = {};
    uint32_t damage[kSlots] = {};
};

struct EnemyShotTable {
    static constexpr int kSlots = kEnemyShotSlots;
    uint8_t active[kSlots] = {};
    uint8_t frame[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    int32_t w[kSlots] = {};
    int32_t h[kSlots] = {};
    int32_t unitX[kSlots] = {};
    int32_t unitY[kSlots] = {};
    uint8_t signX[kSlots] = {};
    uint8_t signY[kSlots] = {};
    uint32_t damage[kSlots] = {};
    uint8_t damageType[kSlots] = {};  // 0 plain, 1-3 against the three protections
    int32_t travelledX[kSlots] = {};  // signed distance moved since firing
    int32_t travelledY[kSlots] = {};
};

// Enemy shots being aimed before they enter the enemy shot table.
struct ShotStaging {
    static constexpr int kSlots = 1000;
    int32_t count = 0;
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    int32_t unitX[kSlots] = {};
    int32_t unitY[kSlots] = {};
    uint8_t signX[kSlots] = {};
    uint8_t signY[kSlots] = {};
    uint32_t damage[kSlots] = {};
    uint8_t damageType[kSlots] = {};
    uint8_t aimHeading = 0;  // 0-63, of the entry at count
};

// Robot and ally shots waiting to enter the player shot table.
template <int N>
struct UnitShotStaging {
    static constexpr int kSlots = N;
    int32_t count = 0;
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    int32_t unitX[kSlots] = {};
    int32_t unitY[kSlots] = {};
    uint8_t signX[kSlots] = {};
    uint8_t signY[kSlots] = {};
    uint32_t damage[kSlots] = {};
};
using RobotShotStaging = UnitShotStaging<kRobotSlots>;
using AllyShotStaging = UnitShotStaging<kAllySlots>;

struct EnemyTable {
    static constexpr int kSlots = kEnemySlots;
    uint8_t active[kSlots] = {};
    uint8_t mobile[kSlots] = {};  // 0 stands still and only picks targets
    uint8_t art[kSlots] = {};
    uint8_t fixedFrame[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t facing[kSlots] = {};  // 0 up, 1 up-right ... 7 up-left
    uint8_t w[kSlots] = {};
    uint8_t h[kSlots] = {};
    uint32_t shields[kSlots] = {};
    uint32_t armor[kSlots] = {};
    uint32_t spawnArmor[kSlots] = {};
    uint32_t shotDamage[kSlots] = {};
    int32_t reward[kSlots] = {};
    uint8_t shotType[kSlots] = {};
    uint8_t volley[kSlots] = {};
    uint8_t drawStyle[kSlots] = {};  // 0 plain, 1 red pulse, 2 yellow pulse
    uint8_t questDrop[kSlots] = {};
    uint8_t dropKind[kSlots] = {};
    int32_t keepOffX[kSlots] = {};
    int32_t keepOffY[kSlots] = {};
    int32_t nearestRobotByX[kSlots] = {};
    int32_t nearestRobotByY[kSlots] = {};
    int32_t nearestAllyByX[kSlots] = {};
    int32_t nearestAllyByY[kSlots] = {};
    uint8_t targetsShip[kSlots] = {};
    uint8_t targetsAlly[kSlots] = {};
    int32_t targetX[kSlots] = {};
    int32_t targetY[kSlots] = {};
    int32_t targetIndex[kSlots] = {};  // robot or ally slot; kTargetIsShip for the ship
    uint8_t fireGroup[kSlots] = {};    // 1-3
    uint8_t movedThisFrame[kSlots] = {};
    uint8_t sidestepping[kSlots] = {};
    uint8_t sidestepTravelled[kSlots] = {};
    uint8_t sidestepX[kSlots] = {};
    uint8_t sidestepY[kSlots] = {};
    int32_t sidestepChance[kSlots] = {};
    uint8_t faceRequest[kSlots] = {};
    uint8_t smokeLevel[kSlots] = {};  // 0-10, written by the area scenes from the damage taken
};

struct RobotTable {
    static constexpr int kSlots = kRobotSlots;
    uint8_t exists[kSlots] = {};
    uint8_t active[kSlots] = {};
    uint32_t shields[kSlots] = {};
    uint32_t armor[kSlots] = {};
    uint32_t defence[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t type[kSlots] = {};  // 0 Grunt, 1 Sarge, 2 Captain, 3 General
    uint8_t frame[kSlots] = {};
    uint8_t facing[kSlots] = {};
    int32_t targetIndex[kSlots] = {};
    int32_t nearestEnemyByX[kSlots] = {};
    int32_t nearestEnemyByY[kSlots] = {};
    int32_t targetX[kSlots] = {};
    int32_t targetY[kSlots] = {};
    uint32_t damage[kSlots] = {};
    uint8_t fading[kSlots] = {};
    uint8_t fadeAlpha[kSlots] = {};
    uint32_t protection[kSlots] = {};
    uint8_t returningX[kSlots] = {};
    uint8_t returningY[kSlots] = {};
    int32_t leashX[kSlots] = {};
    int32_t leashY[kSlots] = {};
    int32_t keepOffX[kSlots] = {};
    int32_t keepOffY[kSlots] = {};
    uint8_t fireGroup[kSlots] = {};
};

struct AllyTable {
    static constexpr int kSlots = kAllySlots;
    uint8_t w[kSlots] = {};
    uint8_t h[kSlots] = {};
    uint8_t exists[kSlots] = {};
    uint8_t active[kSlots] = {};
    uint32_t shields[kSlots] = {};
    uint32_t armor[kSlots] = {};
    uint32_t protection[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    int32_t offsetX[kSlots] = {};
    int32_t offsetY[kSlots] = {};
    uint8_t frame[kSlots] = {};  // image of the favors sheet
    uint8_t facing[kSlots] = {};
    int32_t targetIndex[kSlots] = {};
    int32_t nearestEnemyByX[kSlots] = {};
    int32_t nearestEnemyByY[kSlots] = {};
    int32_t targetX[kSlots] = {};
    int32_t targetY[kSlots] = {};
    uint8_t fading[kSlots] = {};
    uint8_t fadeAlpha[kSlots] = {};
    uint8_t returningX[kSlots] = {};
    uint8_t returningY[kSlots] = {};
    int32_t leashX[kSlots] = {};
    int32_t leashY[kSlots] = {};
    int32_t keepOffX[kSlots] = {};
    int32_t keepOffY[kSlots] = {};
    uint8_t fireGroup[kSlots] = {};
    uint32_t damage[kSlots] = {};
    uint8_t subFrame[kSlots] = {};
    uint8_t highlight[kSlots] = {};
};

struct BuildingTable {
    static constexpr int kSlots = kBuildingSlots;
    uint8_t active[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t type[kSlots] = {};  // 0-11
    uint8_t frame[kSlots] = {};
    int32_t level[kSlots] = {};
    int32_t w[kSlots] = {};
    int32_t h[kSlots] = {};
};

// Pickup kinds.
enum PickupKind : uint8_t {
    kPickupGold = 0,
    kPickupCrystal = 1,
    kPickupFavors = 2,
    kPickupShipMaterial = 3,
    kPickupRobotMaterial = 4,
    kPickupBuildingMaterial = 5,
};

struct PickupTable {
    static constexpr int kSlots = kPickupSlots;
    uint8_t active[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t frame[kSlots] = {};
    uint8_t kind[kSlots] = {};
    int32_t value[kSlots] = {};
};

// Drops of this frame's kills, turned into pickups by the damage pass.
struct DropQueue {
    static constexpr int kSlots = kDropQueueSlots;
    static constexpr int kPickupSlotsFilled = 50;  // drops only land in pickup slots 0-49
    uint8_t count = 0;
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t kind[kSlots] = {};
};

struct QuestItemTable {
    static constexpr int kSlots = kQuestItemSlots;
    uint8_t enabled = 0;  // switches the whole table on
    uint8_t kind[kSlots] = {};   // 0 none, 1-9
    uint8_t shown[kSlots] = {};  // set once drawn; only a shown item can be collected
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
};

struct SparkTable {
    static constexpr int kSlots = kSparkSlots;
    uint8_t frame[kSlots] = {};  // 0 free, 1-4
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
};

struct HitFlashTable {
    static constexpr int kSlots = kHitFlashSlots;
    uint8_t frame[kSlots] = {};  // 0 free, 1-4
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t type[kSlots] = {};
};

struct KillExplosionTable {
    static constexpr int kSlots = kKillExplosionSlots;
    uint8_t frame[kSlots] = {};  // 0 free, 1-33
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t size[kSlots] = {};     // 32 or 64
    uint8_t kind[kSlots] = {};     // 1-3
    uint8_t pattern[kSlots] = {};  // debris pattern
    uint8_t debrisVariant[kSlots] = {};
    int32_t debrisX[kSlots][kDebrisParticles] = {};
    int32_t debrisY[kSlots][kDebrisParticles] = {};
};

struct FloatingTextTable {
    static constexpr int kSlots = kFloatingTextSlots;
    uint8_t active[kSlots] = {};
    uint8_t timer[kSlots] = {};
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    int32_t value[kSlots] = {};
    int32_t nextIndex = 0;  // running index picking the next slot
};

struct PortalTable {
    static constexpr int kSlots = kPortalSlots;
    uint8_t exists[kSlots] = {};  // slot 0 the main portal, 1-3 the forward ones
    int32_t x[kSlots] = {};
    int32_t y[kSlots] = {};
    uint8_t touched[kSlots] = {};
};

// One vertex of a shock-wave ring: position, diffuse colour, texture u, v.
using RingVertex = MeshVertex;

constexpr float kRingWidths[kRingCount] = {1.5f, 2.4f, 3.3f};

struct ShockWave {
    static constexpr int kVertexCount = 120;
    std::unique_ptr<Texture> texture;            // created by LoadArt
    std::unique_ptr<RingVertex[]> vertexBuffer;  // kVertexCount vertices
    int32_t segments = 20;
    float radius = 10.0f;
    float width = 1.5f;
    float growth = 0.8f;
    float maxScale = 3.0f;
    int32_t vertexCount = kVertexCount;
    float increment = 0.0f;
    float progress = 0.0f;
    float drawScale = 0.0f;
    float angleYaw = 0.0f;
    float anglePitch = 0.0f;
    float angleRoll = 0.0f;
    uint8_t alpha = 255;
    uint8_t state = 0;            // 0 idle, 1 growing, 2 past half size
    uint8_t damageTrigger = 0;    // raised once per ring at half size
};

// Animation clock of one timed operation: start time and 1 arm / 2 running.
struct TickClock {
    uint32_t start = 0;
    uint8_t state = 1;
};

// Radar dots rebuilt by Draw every call.
struct RadarDots {
    int32_t enemyCount = 0;
    int32_t enemyX[kEnemySlots] = {};
    int32_t enemyY[kEnemySlots] = {};
    int32_t robotCount = 0;
    int32_t robotX[kRobotSlots] = {};
    int32_t robotY[kRobotSlots] = {};
    int32_t allyCount = 0;
    int32_t allyX[kAllySlots] = {};
    int32_t allyY[kAllySlots] = {};
};
