#pragma once
#include <cstdint>
#include <memory>

#include "battle/battle_tables.h"
#include "battle/spawn_list.h"

class GraphicsDevice;
class SpriteSheet;
class Font;
class LiveBoxes;
struct LivePoints;

// Indexes into BattleEngine::AreaBounds.
enum AreaBound : int {
    kBoundYMin = 0,
    kBoundYMax = 1,
    kBoundXMin = 2,
    kBoundXMax = 3,
};

// The seven overlay event bytes: raised when Draw shows an overlay, run back
// to 0 by TickAnimations after four ticks.
enum OverlayEvent : int {
    kOverlayRobotProtection = 0,
    kOverlayHardShields = 1,
    kOverlayHardShieldPulse = 2,
    kOverlayShieldsRecharge = 3,
    kOverlayShieldProtection = 4,
    kOverlayParticleShields = 5,
    kOverlayExtraArmor = 6,
    kOverlayEventCount = 7,
};

// Skills, indexed as on the Skills screen.
enum SkillIndex : int {
    kSkillEmergencyEscape = 0,
    kSkillParticleShields = 1,
    kSkillHardShields = 2,
    kSkillShieldsRecharge = 3,
    kSkillHardArmor = 4,
    kSkillExtraArmor = 5,
    kSkillShipProtection = 6,
    kSkillRobotProtection = 7,
    kSkillElectronExplosion = 8,
    kSkillNeutronExplosion = 9,
    kSkillProtonExplosion = 10,
    kSkillArmageddon = 11,
};

// One row of the ship box table: seven boxes (x, y, w, h relative to the
// drawn top-left of the 64 x 64 sprite) and the engine flame point.
struct ShipBoxRow {
    int32_t boxes[kShipBoxCount][4];
    int32_t flameX;
    int32_t flameY;
};

// One image file the engine loads, with its frame size and colour key
// (frame size 0 for the ring textures, which are not cut into frames).
struct ArtFileEntry {
    const char* file;
    int16_t frameWidth;
    int16_t frameHeight;
    uint32_t colourKey;
};

// The state of the one area in which the ship flies, in fixed slot tables.
// World positions are pixels in area coordinates; the ship alone is kept in
// screen coordinates (its world position is shipX + camX, shipY + camY).
class BattleEngine {
public:
    BattleEngine();
    virtual ~BattleEngine();  // owners call ReleaseArt first; art still held goes with the engine
    BattleEngine(const BattleEngine&) = delete;
    BattleEngine& operator=(const BattleEngine&) = delete;

    // ---- Art ----
    void LoadArt(GraphicsDevice* graphics);
    void ReleaseArt();  // safe to call twice
    // Every file LoadArt reads, for the stand-in art and its checks.
    static int ArtFileCount();
    static ArtFileEntry ArtFileAt(int index);
    // Fills a ring's vertex list: 20 segments of two triangles each.
    static void BuildRingVertices(ShockWave& wave);

    // ---- Animation clocks ----
    void TickAnimations();                             // 100 ms
    void TickSlowAnimations(int32_t areaId);           // 150 ms
    void TickEffects(uint8_t withBuildingFlashes);     // 35 ms

    // ---- Steering ----
    void SteerShip(int32_t& camX, int32_t& camY, int32_t mouseX, int32_t mouseY, uint8_t stepX, uint8_t stepY);
    static const ShipBoxRow& ShipBoxTable(int heading);  // 64 rows

    // ---- Motion ----
    void MoveShotsAndWaves(int32_t camX, int32_t camY, uint8_t s70, uint8_t s140, uint8_t s210, uint8_t s280,
                           uint8_t s350, uint8_t s420, uint8_t s490, uint8_t s560);
    void MoveKillDebris(uint8_t s30, uint8_t s50, uint8_t s70, uint8_t s90, uint8_t s140, uint8_t s210);

    // ---- Behaviour ----
    void ThinkEnemies(int32_t camX, int32_t camY, uint8_t s50, uint8_t s70);
    void ThinkRobots(int32_t camX, int32_t camY, uint8_t s70, uint8_t s210);
    void ThinkAllies(int32_t camX, int32_t camY, uint8_t s70, uint8_t s210);

    // ---- Base buildings ----
    void PickBuilding(int32_t camX, int32_t camY, int32_t mouseX, int32_t mouseY);
    void PlaceBuilding(int32_t camX, int32_t camY, int32_t& dropX, int32_t& dropY);
    void DrawBase(int32_t camX, int32_t camY, int32_t ghostX, int32_t ghostY, SpriteSheet* frameSheet);
    static void DrawMessageFrame(SpriteSheet* frameSheet, int style);

    // ---- Drawing ----
    void Draw(GraphicsDevice* graphics, int32_t camX, int32_t camY, SpriteSheet* sharedSheet, uint8_t inBase,
              Font* font, SpriteSheet* panelSheet, int32_t areaId);
    void DrawWaves(GraphicsDevice* graphics);

    // ---- Firing ----
    void FirePlayerShots(int32_t camX, int32_t camY);
    void FireAllyShots(int32_t camX, int32_t camY);
    void FireRobotShots(int32_t camX, int32_t camY);
    void FireEnemyShots(int32_t camX, int32_t camY);
    void AimEnemyShot();

    // ---- Collisions and damage ----
    void ResolveCombat(int32_t camX, int32_t camY, uint32_t* experience, uint32_t* shields, uint32_t* armor);

    // ---- Pickups, quest items and portals ----
    void CollectPickups(int32_t camX, int32_t camY, uint32_t* gold, uint32_t* crystal, uint32_t* favors,
                        uint32_t* shipMaterial, uint32_t* buildingMaterial, uint32_t* robotMaterial);
    void TestPortals(int32_t camX, int32_t camY, int32_t cursorX, int32_t cursorY);

    // ---- Adding entries: lowest free slot, -1 when the table is full ----
    int AddPlayerShot(int32_t x, int32_t y, int32_t w, int32_t h, int32_t unitX, int32_t unitY, uint8_t signX,
                      uint8_t signY, uint32_t damage, uint8_t frame);
    int AddEnemyShot(int32_t x, int32_t y, int32_t w, int32_t h, int32_t unitX, int32_t unitY, uint8_t signX,
                     uint8_t signY, uint32_t damage, uint8_t damageType, uint8_t frame);
    int AddSpark(int32_t x, int32_t y);
    int AddHitFlash(int32_t x, int32_t y, uint8_t type);
    int AddKillExplosion(int32_t x, int32_t y, uint8_t size, uint8_t kind, uint8_t pattern);
    int AddPickup(int32_t x, int32_t y, uint8_t kind, int32_t value);

    // The escorted convoy's progress: the y of ally 32.
    int32_t ConvoyProgress() const { return ally.y[32]; }

    // ================= State =================

    // ---- Tables ----
    PlayerShotTable playerShot;
    EnemyShotTable enemyShot;
    ShotStaging shotStaging;
    RobotShotStaging robotShotStaging;
    AllyShotStaging allyShotStaging;
    EnemyTable enemy;
    RobotTable robot;
    uint8_t robotTypeCounts[kRobotTypes] = {};
    AllyTable ally;
    uint8_t allyFlags[kAllyFlagCount] = {};
    BuildingTable building;
    PickupTable pickup;
    DropQueue dropQueue;
    QuestItemTable questItem;
    SparkTable spark;
    HitFlashTable hitFlash;
    KillExplosionTable killExplosion;
    FloatingTextTable floatingText;
    PortalTable portal;
    uint8_t anyPortalTouched = 0;
    uint8_t upgradeGlow[kBuildingSlots] = {};
    uint8_t upgradeGlowFalling[kBuildingSlots] = {};
    ShockWave ring[kRingCount];

    // ---- The ship ----
    int32_t shipX = 368, shipY = 310;  // screen top-left of the sprite
    uint8_t heading = 0;               // 0 up, 16 right, 32 down, 48 left
    uint8_t armorGlow = 0;
    int32_t engineLevel = 3;
    int32_t speedPerUnit = 0;
    int32_t shipVelocityX = 0, shipVelocityY = 0;
    uint8_t steering = 0;
    float rotation = 0.0f;  // heading x -0.098125
    uint8_t holdPosition = 0;
    uint32_t shipShields = 0, shipArmor = 0, shipDefence = 0;
    uint32_t shipProtection[3] = {};
    int32_t shipHitBoxes[kShipBoxCount][4] = {};
    int32_t flamePointX = 20, flamePointY = 62;
    uint8_t moveUp = 0, moveDown = 0, moveRight = 0, moveLeft = 0;
    int32_t dxToMouse = 0, dyToMouse = 0;
    float slope = 0.0f;
    uint8_t headingSet = 0;
    uint8_t stepUnitX = 0, stepUnitY = 8;
    int32_t offsetRight = 0, offsetLeft = 0, offsetUp = 0, offsetDown = 0;
    int32_t AreaBounds[4] = {};  // y min, y max, x min, x max

    // ---- Weapons and firing ----
    uint8_t fireMode = 1;
    uint8_t barrelPresent[kBarrels] = {};
    uint32_t barrelDamage[kBarrels] = {};
    uint8_t volleySize = 0;
    uint8_t volleyCounter = 0;
    uint8_t fireReady = 1;
    uint8_t fireRequest = 0;
    uint8_t spaceHeld = 0;
    uint8_t robotFireTimers[3] = {0, 3, 7};
    uint8_t enemyFireTimers[3] = {2, 5, 9};
    int32_t sidestepTicker = 0;
    uint8_t noEnemiesRobots = 0;  // no live enemy for the robots to chase
    uint8_t noEnemiesAllies = 0;
    uint8_t enemiesFoundRobots = 0;
    uint8_t enemiesFoundAllies = 0;
    int32_t stepTakenX = 0, stepTakenY = 0;  // this unit's step, kept so it can be undone

    // ---- Skills ----
    uint32_t skillValues[kSkillCount] = {};
    int32_t skillFullCharges[kSkillCount] = {};
    int32_t skillBenefits[kSkillCount] = {};
    uint8_t quickSkill = 0;  // skill used by the right button
    uint8_t skillSelectHeld = 0;
    uint32_t robotProtectionBonus = 0;
    uint32_t robotHitCounter = 0;
    float skillMeter = 0.0f;
    // Overlay fades, +10 per 35 ms tick, then falling.
    uint8_t extraArmorFade = 0, extraArmorFalling = 0;
    uint8_t shieldsRechargeFade = 0, shieldsRechargeFalling = 0;
    uint8_t shieldProtectionFade = 0, shieldProtectionFalling = 0;
    uint8_t robotProtectionFade = 0, robotProtectionFalling = 0;
    uint8_t hardArmorFade = 0;  // started at 40 by the Hard Armor skill
    float shieldRamp = 0.0f;        // particle shields size, 0 .. 1
    float orbitAngle = 0.0f;        // particle shields rotation
    float hardShieldPulse = 0.0f;   // one-shot pulse, runs once up to 0.8
    uint8_t armageddonTimeline = 0;
    uint8_t armageddonFalling = 0;
    uint8_t armageddonStrike1 = 0;  // 1 due, 2 applied
    uint8_t armageddonStrike2 = 0;

    // ---- Emergency escape ----
    uint8_t emergencyEscape = 0;  // 0 idle, 1 flying, 100 outward leg ended, 99 return leg ended
    uint8_t escapeReturn = 0;
    uint8_t escapeStep = 0;
    int32_t escapeOffsetX = 0, escapeOffsetY = 0;
    uint8_t escapeTrail[kEscapeSteps] = {};
    int32_t escapeTrailX[kEscapeSteps] = {};
    int32_t escapeTrailY[kEscapeSteps] = {};

    // ---- Animation counters ----
    TickClock animClock, slowClock, effectsClock;
    uint8_t frame4 = 0;         // 0-3 every 100 ms
    uint8_t frame8 = 0;         // 0-7 every 100 ms
    uint8_t overlayEvents[kOverlayEventCount] = {};
    uint8_t waveSizeCycler = 0;
    uint8_t blinkCounter = 0;
    uint8_t blinkOn = 0;
    uint8_t fireHalfCounter = 0;
    int32_t slowCounter = 100;  // 0-500, the Store's seed
    uint8_t spreadCounter = 0;  // 1-5 once running
    int8_t countdown = 0;       // 3, 2, 1, 0: the engine flame image
    int32_t blockedTimer = 0;
    float newRobotScale = 0.2f;
    uint8_t slowFrame4 = 0;     // 0-3 every 150 ms
    uint8_t pingPongFrame = 0;  // 1, 2, 3, 3, 2, 1, 0, 1 ...
    uint8_t pingPongFalling = 0;
    uint8_t frame11 = 0;        // 0-10, chooses the debris art of a kill
    uint8_t slowStep4 = 0;      // 0-3 every 150 ms
    uint8_t pulseAlpha = 150;   // 80-240
    uint8_t area26Blink = 0;
    uint8_t area26BlinkCounter = 0;
    uint8_t frame7 = 0;         // 0-6 every 35 ms
    float badgeAngle = 0.0f;

    // ---- One-shot events (1 = happened; the scene consumes them) ----
    int32_t baseChanged = 0;
    uint8_t buildingPlacedEvent = 0;
    uint8_t QuestDoneEvent = 0;  // quest number done this frame
    uint8_t armageddonSound = 0;
    uint8_t shieldsAbsorbed = 0;
    uint8_t enemyKilledEvent = 0;  // counts up from 2 as a cool-down
    uint8_t enemyFireEvent = 0;    // counts up from 2 as a cool-down
    uint8_t freshAreaEvent = 0;    // counts up from 2 as a cool-down
    uint8_t enemyHitEvent = 0;
    uint8_t unitHitEvent = 0;
    uint8_t robotLostEvent = 0;
    uint8_t allyLostEvent = 0;
    uint8_t robotFireEvent = 0;
    uint8_t allyFireEvent = 0;
    uint8_t pickupEvent = 0;
    uint8_t helpArrivedEvent = 0;
    uint8_t robotsChanged = 0;

    // ---- Combat bookkeeping ----
    uint32_t activeRobotCount = 0;
    uint32_t goodiesBonus = 0;
    uint32_t experienceBonus = 0;
    uint32_t dropRoll = 1, dropKindRoll = 1;
    uint8_t rollLimit = 120;
    uint8_t questDropPending = 0;
    int32_t questDropX = 0, questDropY = 0;
    uint32_t goldBonus = 0, crystalBonus = 0, favorsBonus = 0;
    uint32_t shipMaterialBonus = 0, robotMaterialBonus = 0, buildingMaterialBonus = 0;
    uint8_t menuChoice = 0;
    uint8_t promptFree = 0;
    RadarDots radar;

    // ---- Quest helpers ----
    uint8_t spawnAreaUnits = 0;
    uint8_t helpersPlaced = 0;

    // ---- Base buildings ----
    uint8_t newBuildingPending = 0;
    uint8_t newBuildingReady = 0;
    uint8_t newBuildingKind = 0;  // 1-12
    uint8_t movingBuilding = 0;
    uint8_t movingBuildingSlot = 0;
    uint8_t hoveredBuilding = 0;  // slot + 1
    uint8_t pickedBuilding = 0;   // slot + 1
    int32_t dropPointX = 0, dropPointY = 0;
    uint8_t spotTaken = 0;
    int32_t placedBuildingSlot = 0;  // slot + 1
    int32_t topFactoryLevel = 0;
    int32_t factoryX = 0, factoryY = 0;
    uint8_t factoryMoved = 0;
    uint8_t newRobotPending = 0;
    uint8_t newRobotSlot = 0;
    uint8_t newRobotType = 0;
    int32_t newRobotX = 0, newRobotY = 0, newRobotFlown = 0;
    uint8_t storageOpenRequest = 0;
    // The building box of the home base: rows under the pointer.
    uint8_t moveHover = 0, upgradeHover = 0, storageHover = 0, makeRobotsHover = 0;
    int32_t upgradeTarget = 0;  // slot + 1
    uint8_t buttonsReleased = 0;
    uint8_t travelPressedRow = 0;

    // ---- Wave scripts ----
    uint8_t waveFired[kWaveFlagCount] = {};
    SpawnList spawnList;
    AreaEnemyParams areaEnemyParams;
    BarTables bars;

    // ---- Art (LoadArt creates, ReleaseArt releases and clears) ----
    std::unique_ptr<SpriteSheet> shotsSheet;
    std::unique_ptr<SpriteSheet> shipSheet;
    std::unique_ptr<SpriteSheet> buildingsSheet;
    std::unique_ptr<SpriteSheet> robotsSheet;
    std::unique_ptr<SpriteSheet> favorsSheet;
    std::unique_ptr<SpriteSheet> enemiesSheet;
    std::unique_ptr<SpriteSheet> questItemSheet;  // the quest items, loaded with the rest of the art

private:
    void ResetDefaults();

    // Clock helpers.
    static bool TickDue(TickClock& clock, uint32_t period);
    void TickEscapeStep();
    void TickOverlayFades();
    void TickArmageddon();
    void TickUpgradeGlows();

    // Steering helpers.
    void SetHeadingFromSlope();
    void SetStepUnits();
    void ScrollCamera(int32_t& camX, int32_t& camY, uint8_t stepX, uint8_t stepY);

    // Behaviour helpers.
    void ChooseEnemyTarget(int e, int32_t shipWorldX, int32_t shipWorldY, const LivePoints& robots,
                           const LivePoints& allies);
    void MoveEnemy(int e, uint8_t s50, uint8_t s70);
    void UndoEnemyOverlap(int e);
    void FaceFromFlags(uint8_t& facing) const;

    // Combat helpers, in the order ResolveCombat runs them.
    void ApplyAreaStrikes(int32_t shipWorldX, int32_t shipWorldY);
    void HitEnemiesWithPlayerShots(int32_t shipWorldX, int32_t shipWorldY);
    void SweepKills(uint32_t* experience);
    void TurnDropsIntoPickups();
    bool EnemyShotHitsShip(int shot, int32_t camX, int32_t camY, int32_t drawnX, int32_t drawnY);
    void DamageShip(uint32_t damage, uint8_t damageType, uint32_t* shields, uint32_t* armor);
    bool EnemyShotHitsRobot(int shot, LiveBoxes& robots);
    bool EnemyShotHitsAlly(int shot, LiveBoxes& allies);

    // Drawing helpers, in the order Draw runs them.
    void DrawQuestItems(int32_t camX, int32_t camY);
    void DrawPickupsAndShots(int32_t camX, int32_t camY);
    void DrawAllies(int32_t camX, int32_t camY);
    void DrawRobots(int32_t camX, int32_t camY);
    void DrawEnemies(int32_t camX, int32_t camY, int32_t areaId);
    void DrawSmoke(int32_t camX, int32_t camY);
    void DrawShip(int32_t sx, int32_t sy);
    void DrawSkillOverlays(int32_t sx, int32_t sy);
    void DrawEscapeTrail(int32_t sx, int32_t sy);
    void DrawExplosions(int32_t camX, int32_t camY);
    void DrawRobotCounters(SpriteSheet* sharedSheet);
    void DrawRadar(int32_t camX, int32_t camY, int32_t sx, int32_t sy, SpriteSheet* sharedSheet, uint8_t inBase);
    void DrawFloatingTexts(int32_t camX, int32_t camY, Font* font);
    void DrawSkillsColumn(SpriteSheet* sharedSheet, SpriteSheet* panelSheet);
};

// The rotation of heading 0..63 in radians, as the ship is drawn.
constexpr float kHeadingRadians = -0.098125f;
