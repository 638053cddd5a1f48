// The battle layer of an area, drawn in one fixed order over the backdrop.
#include <cmath>

#include "battle/battle_engine.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/matrix4.h"
#include "platform/mesh_renderer.h"
#include "platform/number_text.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr float kFacingRadians = -0.785f;
constexpr int32_t kScreenW = 800, kScreenH = 600;
constexpr int32_t kCullMargin = 63;

// Shots sheet images.
constexpr int kFireSmall = 4, kSparkImage = 3, kRadarDots = 6, kFireLarge = 11;
constexpr int kHitFlashImages[4] = {5, 8, 9, 10};
// Ship sheet images.
constexpr int kShipImage = 0, kShipGlowImage = 13, kPickupImage = 5, kParticleShieldsImage = 6, kHardShieldsImage = 7,
              kArmageddonImage = 8, kExtraArmorImage = 9, kRechargeImage = 10, kShieldProtectionImage = 11,
              kRobotProtectionImage = 12;
// Enemies sheet images.
constexpr int kSmokeImage = 20, kParticle1 = 21, kParticle2 = 22;
// Shared and panel sheet images.
constexpr int kSharedBar = 14, kSharedDigits = 24, kSharedRadarBack = 5, kSharedRadarShip = 25;
constexpr int kPanelSkillIcons = 12, kPanelMeter = 13, kPanelBox = 15;

constexpr float kShotScale = 0.75f;
constexpr uint32_t kShotColour = 0xA5FFFFFF;
constexpr uint32_t kEffectColour = 0xD2FFFFFF;
constexpr uint32_t kFireColour = 0xF0FFFFFF;
constexpr int32_t kRadarX = 698, kRadarY = 62, kRadarDivisor = 13;

uint32_t WithAlpha(uint32_t alpha) { return (alpha & 0xFF) << 24 | 0x00FFFFFF; }

bool OnScreen(int32_t x, int32_t y) { return x >= -kCullMargin && x < kScreenW && y >= -kCullMargin && y < kScreenH; }

bool OnScreenSized(int32_t x, int32_t y, int32_t w, int32_t h) {
    return x > -w && x < kScreenW && y > -h && y < kScreenH;
}

// Damage smoke: the puffs an enemy shows at each smoke level.
struct Puff {
    int8_t dx, dy;
    uint32_t colour;
    float scaleX, scaleY;
};
struct SmokeLevel {
    int count;
    Puff puffs[5];
};
constexpr SmokeLevel kSmoke[11] = {
    {0, {}},
    {1, {{30, -10, 0xAFFFFFFF, 0.8f, 0.8f}}},
    {2, {{15, 1, 0xAFE1E1E1, 0.7f, 0.7f}, {35, -9, 0xAFFFFFFF, 0.8f, 1.0f}}},
    {3, {{15, 1, 0xAFE1E1E1, 0.7f, 0.8f}, {27, -3, 0xB9373737, 0.6f, 1.2f}, {35, -9, 0xAFFFFFFF, 0.8f, 1.0f}}},
    {5,
     {{24, 30, 0xC37D7D7D, 0.6f, 0.5f},
      {37, 25, 0xC39B9B9B, 0.6f, 0.5f},
      {15, 1, 0xAF7D7D7D, 0.7f, 0.9f},
      {27, -3, 0xB9373719, 0.6f, 1.2f},
      {35, -9, 0xAF9B9B9B, 1.0f, 1.1f}}},
    {1, {{16, -10, 0xCDE1E1E1, 0.6f, 0.6f}}},
    {1, {{16, -10, 0xC39B9B9B, 0.7f, 0.9f}}},
    {1, {{30, 28, 0xC3373737, 0.6f, 0.6f}}},
    {2, {{20, 25, 0xC3373737, 0.6f, 0.8f}, {30, 28, 0xC3373737, 0.7f, 0.7f}}},
    {2, {{20, 25, 0xC3373737, 0.6f, 0.9f}, {30, 28, 0xC3373737, 0.7f, 0.8f}}},
    {3, {{20, 25, 0xAF4B4B4B, 0.6f, 0.9f}, {30, 26, 0xB9373737, 0.7f, 1.0f}, {25, 28, 0xAF4B4B4B, 0.7f, 0.9f}}},
};

// Debris of a kill: how many particles show, with which image and scale.
struct DebrisLook {
    int count;
    int image[7];
    float scale[7];
    uint32_t colour[7];
};
constexpr uint32_t kGreyDebris = 0xF09B9B9B;
constexpr DebrisLook kSmallFew = {3, {21, 21, 21}, {0.7f, 0.7f, 0.7f}, {kFireColour, kFireColour, kFireColour}};
constexpr DebrisLook kSmallSome = {
    4, {21, 21, 21, 21}, {0.7f, 0.7f, 0.7f, 0.7f}, {kFireColour, kFireColour, kFireColour, kFireColour}};
constexpr DebrisLook kSmallMany = {5,
                                   {21, 22, 21, 21, 21},
                                   {0.7f, 0.7f, 0.7f, 0.7f, 0.7f},
                                   {kFireColour, kGreyDebris, kFireColour, kFireColour, kFireColour}};
constexpr DebrisLook kLargeLate = {
    7,
    {21, 22, 21, 21, 21, 22, 21},
    {0.9f, 0.8f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f},
    {kFireColour, kFireColour, kFireColour, kFireColour, kFireColour, kFireColour, kFireColour}};
constexpr DebrisLook kLargeEarly = {
    7,
    {22, 21, 21, 22, 21, 21, 22},
    {0.9f, 0.9f, 0.9f, 0.7f, 0.9f, 0.9f, 0.9f},
    {kFireColour, kFireColour, kFireColour, kFireColour, kFireColour, kFireColour, kFireColour}};
constexpr DebrisLook kStationDebris = {
    7,
    {22, 21, 21, 21, 21, 22, 21},
    {0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f},
    {kFireColour, kFireColour, kFireColour, kFireColour, kFireColour, kFireColour, kFireColour}};

const DebrisLook& DebrisFor(uint8_t kind, uint8_t variant, uint8_t pattern) {
    if (kind == 2) return pattern >= 4 ? kLargeLate : kLargeEarly;
    if (kind == 3) return kStationDebris;
    if (variant < 3) return kSmallFew;
    if (variant <= 5) return kSmallSome;
    return kSmallMany;
}

void Raise(uint8_t& event) {
    if (event == 0) event = 1;
}

}  // namespace

void BattleEngine::Draw(GraphicsDevice* graphics, int32_t camX, int32_t camY, SpriteSheet* sharedSheet, uint8_t inBase,
                        Font* font, SpriteSheet* panelSheet, int32_t areaId) {
    const int32_t sx = shipX + offsetRight - offsetLeft;
    const int32_t sy = shipY + offsetDown - offsetUp;

    DrawQuestItems(camX, camY);
    DrawPickupsAndShots(camX, camY);
    DrawAllies(camX, camY);
    DrawRobots(camX, camY);
    if (!inBase) {
        DrawEnemies(camX, camY, areaId);
        DrawSmoke(camX, camY);
    }
    DrawWaves(graphics);
    if (emergencyEscape == 0) DrawShip(sx, sy);
    DrawSkillOverlays(sx, sy);
    if (emergencyEscape != 0) DrawEscapeTrail(sx, sy);
    DrawExplosions(camX, camY);
    DrawRobotCounters(sharedSheet);
    DrawRadar(camX, camY, sx, sy, sharedSheet, inBase);
    DrawFloatingTexts(camX, camY, font);
    DrawSkillsColumn(sharedSheet, panelSheet);
    if (armageddonTimeline != 0 && shipSheet) {
        shipSheet->Draw(kArmageddonImage, 0, 0, 0, WithAlpha(armageddonTimeline), 25.0f, 18.75f, 0, 0.0f);
    }
}

void BattleEngine::DrawWaves(GraphicsDevice* graphics) {
    if (!graphics) return;
    for (const ShockWave& wave : ring) {
        if (wave.state == 0 || !wave.vertexBuffer) continue;
        const Matrix4 world = MatrixMultiply(MatrixRotationYawPitchRoll(wave.angleYaw, wave.anglePitch, wave.angleRoll),
                                             MatrixScaling(wave.drawScale, 1.0f, wave.drawScale));
        DrawMesh(graphics, world, wave.vertexBuffer.get(), wave.vertexCount, wave.texture.get());
    }
}

void BattleEngine::DrawQuestItems(int32_t camX, int32_t camY) {
    if (!questItem.enabled || !questItemSheet) return;
    for (int i = 0; i < QuestItemTable::kSlots; ++i) {
        if (questItem.kind[i] < 1 || questItem.kind[i] > 9) continue;
        // Item 1 is the robot; every other item shows the first quest image.
        const int image = i == 1 ? 1 : 0;
        questItemSheet->Draw(image, 0, static_cast<float>(questItem.x[i] - camX),
                             static_cast<float>(questItem.y[i] - camY), kWhite, 0.6f, 0.6f, 0, 0.0f);
        questItem.shown[i] = 1;
    }
}

void BattleEngine::DrawPickupsAndShots(int32_t camX, int32_t camY) {
    if (shipSheet) {
        for (int i = 0; i < PickupTable::kSlots; ++i) {
            if (!pickup.active[i]) continue;
            const int32_t x = pickup.x[i] - camX, y = pickup.y[i] - camY;
            if (OnScreen(x, y)) shipSheet->Draw(kPickupImage, pickup.frame[i], x, y, kWhite, 1.0f, 1.0f, 0, 0.0f);
        }
    }
    if (!shotsSheet) return;
    for (int i = 0; i < EnemyShotTable::kSlots; ++i) {
        if (!enemyShot.active[i]) continue;
        const int32_t x = enemyShot.x[i] - camX, y = enemyShot.y[i] - camY;
        if (!OnScreen(x, y)) continue;
        shotsSheet->Draw(enemyShot.frame[i], enemyShot.damageType[i], x, y, kShotColour, kShotScale, kShotScale, 0,
                         0.0f);
    }
    for (int i = 0; i < PlayerShotTable::kSlots; ++i) {
        if (!playerShot.active[i]) continue;
        const int32_t x = playerShot.x[i] - camX, y = playerShot.y[i] - camY;
        if (OnScreen(x, y))
            shotsSheet->Draw(playerShot.frame[i], 0, x, y, kShotColour, kShotScale, kShotScale, 0, 0.0f);
    }
}

void BattleEngine::DrawAllies(int32_t camX, int32_t camY) {
    if (!favorsSheet) return;
    for (int i = 0; i < kAllySlots; ++i) {
        if (!ally.active[i] && !ally.fading[i]) continue;
        const int32_t x = ally.x[i] - camX, y = ally.y[i] - camY;
        if (!OnScreenSized(x, y, ally.w[i], ally.h[i])) continue;
        const int image = ally.frame[i];
        const bool building = image == 3 || image == 9 || image == 11;
        const int subFrame = building ? ally.subFrame[i] : slowFrame4 + 4 * ally.subFrame[i];
        uint32_t colour = building && ally.highlight[i] == 1 ? 0xFF9BFF9B : kWhite;
        if (!ally.active[i]) colour = (colour & 0x00FFFFFF) | static_cast<uint32_t>(ally.fadeAlpha[i]) << 24;
        favorsSheet->Draw(image, subFrame, x, y, colour, 1.0f, 1.0f, ally.w[i] / 2, ally.facing[i] * kFacingRadians);
    }
}

void BattleEngine::DrawRobots(int32_t camX, int32_t camY) {
    activeRobotCount = 0;
    for (int i = 0; i < kRobotSlots; ++i) {
        if (!robot.active[i] && !robot.fading[i]) continue;
        if (robot.active[i]) ++activeRobotCount;
        const int32_t x = robot.x[i] - camX, y = robot.y[i] - camY;
        if (!robotsSheet || !OnScreen(x, y)) continue;
        const float turn = robot.facing[i] * kFacingRadians;
        if (!robot.active[i]) {
            robotsSheet->Draw(robot.type[i], robot.frame[i], x, y, WithAlpha(robot.fadeAlpha[i]), 1.0f, 1.0f, 16, turn);
            continue;
        }
        robotsSheet->Draw(robot.type[i], slowFrame4, x, y, kWhite, 1.0f, 1.0f, 16, turn);
        if (robotProtectionFade != 0 && shipSheet) {
            shipSheet->Draw(kRobotProtectionImage, 0, x, y, WithAlpha((robotProtectionFade + 246) % 256), 1.0f, 1.0f, 0,
                            0.0f);
            shipSheet->Draw(kRobotProtectionImage, 0, x, y, WithAlpha(robotProtectionFade), 1.0f, 1.0f, 16, 0.785f);
            Raise(overlayEvents[kOverlayRobotProtection]);
        }
    }
}

void BattleEngine::DrawEnemies(int32_t camX, int32_t camY, int32_t areaId) {
    if (!enemiesSheet) return;
    const bool bossArea = areaId == 26;
    const int last = bossArea ? 20 : kEnemySlots;
    for (int i = 0; i < last; ++i) {
        if (!enemy.active[i]) continue;
        const int32_t x = enemy.x[i] - camX, y = enemy.y[i] - camY;
        if (!OnScreenSized(x, y, enemy.w[i], enemy.h[i])) continue;
        const float turn = enemy.facing[i] * kFacingRadians;
        const int centre = enemy.w[i] / 2;
        if (bossArea) {
            if (i == 0) {
                const uint32_t grey = 0xFF000000u + pulseAlpha * 0x010101u;
                enemiesSheet->Draw(enemy.art[i], area26BlinkCounter, x, y, grey, 1.0f, 1.0f, centre, turn);
            } else {
                enemiesSheet->Draw(enemy.art[i], slowFrame4, x, y, kWhite, 1.0f, 1.0f, centre, turn);
            }
            continue;
        }
        uint32_t colour = kWhite;
        if (enemy.drawStyle[i] == 1) colour = 0xFF000000u + pulseAlpha * 0x10000u;
        if (enemy.drawStyle[i] >= 2) colour = 0xFF000000u + pulseAlpha * 0x10100u;  // 3: heavy escorts, as 2
        if (enemy.mobile[i]) {
            const int subFrame = slowFrame4 + (enemy.fixedFrame[i] ? 4 : 0);
            enemiesSheet->Draw(enemy.art[i], subFrame, x, y, colour, 1.0f, 1.0f, centre, turn);
        } else {
            enemiesSheet->Draw(enemy.art[i], enemy.fixedFrame[i], x, y, colour, 1.0f, 1.0f, 0, 0.0f);
        }
    }
}

void BattleEngine::DrawSmoke(int32_t camX, int32_t camY) {
    if (!enemiesSheet) return;
    for (int i = 0; i < kEnemySlots; ++i) {
        const uint8_t level = enemy.smokeLevel[i];
        if (!enemy.active[i] || level == 0 || level > 10) continue;
        const int32_t x = enemy.x[i] - camX, y = enemy.y[i] - camY;
        if (!OnScreenSized(x, y, enemy.w[i], enemy.h[i])) continue;
        const SmokeLevel& smoke = kSmoke[level];
        for (int p = 0; p < smoke.count; ++p) {
            const Puff& puff = smoke.puffs[p];
            enemiesSheet->Draw(kSmokeImage, frame8, x + puff.dx, y + puff.dy, puff.colour, puff.scaleX, puff.scaleY, 0,
                               0.0f);
        }
    }
}

void BattleEngine::DrawShip(int32_t sx, int32_t sy) {
    if (!shipSheet) return;
    const int flame = (countdown < 0 ? 0 : countdown) + 1;
    shipSheet->Draw(flame, 0, sx + flamePointX, sy + flamePointY, kWhite, 0.72f, steering ? 0.72f : 0.22f, 0, rotation);
    shipSheet->Draw(armorGlow ? kShipGlowImage : kShipImage, slowFrame4, sx, sy, kWhite, 1.0f, 1.0f, 32, rotation);
    // The glowing form shows through while a recharge runs, and again while
    // Hard Armor takes hold, each at its own fade.
    for (const uint8_t fade : {shieldsRechargeFade, hardArmorFade}) {
        if (fade != 0) shipSheet->Draw(kShipGlowImage, slowFrame4, sx, sy, WithAlpha(fade), 1.0f, 1.0f, 32, rotation);
    }
}

void BattleEngine::DrawSkillOverlays(int32_t sx, int32_t sy) {
    if (!shipSheet) return;
    if (hardShieldPulse != 0.0f) {
        constexpr uint32_t kPulse = 0x89FFFFFF;
        const float p = hardShieldPulse;
        shipSheet->Draw(kHardShieldsImage, 0, sx + 5, sy + 5, kPulse, p, p, 32, 0.0f);
        shipSheet->Draw(kHardShieldsImage, 0, sx + 60, sy + 5, kPulse, p, p, 32, 4.71f);
        shipSheet->Draw(kHardShieldsImage, 0, sx + 5, sy + 60, kPulse, p, p, 32, 1.57f);
        shipSheet->Draw(kHardShieldsImage, 0, sx + 60, sy + 60, kPulse, p, p, 32, 3.14f);
        Raise(overlayEvents[kOverlayHardShieldPulse]);
    } else if (skillValues[kSkillHardShields] != 0) {
        shipSheet->Draw(kHardShieldsImage, 0, sx - 6, sy - 6, 0x6BFFFFFF, 1.2f, 1.2f, 32, rotation);
        Raise(overlayEvents[kOverlayHardShields]);
    }
    if (shieldsRechargeFade != 0) {
        shipSheet->Draw(kRechargeImage, 0, sx + 16, sy + 16, WithAlpha(shieldsRechargeFade), 1.0f, 1.0f, 16, rotation);
        Raise(overlayEvents[kOverlayShieldsRecharge]);
    }
    if (shieldProtectionFade != 0) {
        shipSheet->Draw(kShieldProtectionImage, 0, sx, sy, WithAlpha((shieldProtectionFade + 246) % 256), 1.0f, 1.0f,
                        32, rotation);
        shipSheet->Draw(kShieldProtectionImage, 0, sx, sy, WithAlpha(shieldProtectionFade), 1.0f, 1.0f, 32,
                        rotation + 0.785f);
        Raise(overlayEvents[kOverlayShieldProtection]);
    }
    if (skillValues[kSkillParticleShields] != 0) {
        // The shield grows in three sizes as it ramps up.
        int32_t inset = 6, centre = 38;
        float scale = 0.6f;
        if (shieldRamp >= 0.65f) {
            inset = 32, centre = 64, scale = 1.0f;
        } else if (shieldRamp >= 0.3f) {
            inset = 19, centre = 51, scale = 0.8f;
        }
        shipSheet->Draw(kParticleShieldsImage, slowStep4, sx - inset, sy - inset, kWhite, scale, scale, centre,
                        orbitAngle);
        Raise(overlayEvents[kOverlayParticleShields]);
    }
    if (extraArmorFade != 0) {
        shipSheet->Draw(kExtraArmorImage, 0, sx, sy, WithAlpha(extraArmorFade), 1.0f, 1.0f, 32, rotation);
        Raise(overlayEvents[kOverlayExtraArmor]);
    }
}

void BattleEngine::DrawEscapeTrail(int32_t sx, int32_t sy) {
    if (!shipSheet) return;
    constexpr uint32_t kGhost = 0x64FFFFFF;
    // Trail points are where the ship stood; shift them as the ship is shown.
    const int32_t shiftX = sx - shipX, shiftY = sy - shipY;
    const int shipImage = armorGlow ? kShipGlowImage : kShipImage;
    for (int k = 0; k < kEscapeSteps; ++k) {
        if (!escapeTrail[k]) continue;
        shipSheet->Draw(shipImage, slowFrame4, escapeTrailX[k] + shiftX, escapeTrailY[k] + shiftY, kGhost, 1.0f, 1.0f,
                        32, rotation);
    }
    if (escapeTrail[0]) {
        shipSheet->Draw(1, 0, escapeTrailX[0] + shiftX + flamePointX, escapeTrailY[0] + shiftY + flamePointY, kGhost,
                        0.72f, 0.72f, 0, rotation);
    }
    const int current = escapeStep > 0 ? (escapeStep - 1) % kEscapeSteps : 0;
    const int32_t x = escapeTrail[current] ? escapeTrailX[current] + shiftX : sx;
    const int32_t y = escapeTrail[current] ? escapeTrailY[current] + shiftY : sy;
    shipSheet->Draw(shipImage, slowFrame4, x, y, kWhite, 1.0f, 1.0f, 32, rotation);
}

void BattleEngine::DrawExplosions(int32_t camX, int32_t camY) {
    if (shotsSheet && enemiesSheet) {
        for (int i = 0; i < KillExplosionTable::kSlots; ++i) {
            const uint8_t f = killExplosion.frame[i];
            if (f == 0) continue;
            const int32_t x = killExplosion.x[i] - camX, y = killExplosion.y[i] - camY;
            if (f < 9) {
                if (killExplosion.size[i] == 64) {
                    shotsSheet->Draw(kFireLarge, f - 1, x + 12, y + 12, kFireColour, 0.9f, 0.9f, 0, 0.0f);
                } else {
                    shotsSheet->Draw(kFireSmall, f - 1, x, y, kFireColour, 1.0f, 1.0f, 0, 0.0f);
                }
            }
            const DebrisLook& look =
                DebrisFor(killExplosion.kind[i], killExplosion.debrisVariant[i], killExplosion.pattern[i]);
            for (int p = 0; p < look.count; ++p) {
                enemiesSheet->Draw(look.image[p], frame4, killExplosion.debrisX[i][p] - camX,
                                   killExplosion.debrisY[i][p] - camY, look.colour[p], look.scale[p], look.scale[p], 0,
                                   0.0f);
            }
        }
    }
    if (!shotsSheet) return;
    for (int i = 0; i < SparkTable::kSlots; ++i) {
        if (spark.frame[i] == 0) continue;
        shotsSheet->Draw(kSparkImage, spark.frame[i] - 1, spark.x[i] - camX, spark.y[i] - camY, kEffectColour, 1.0f,
                         1.0f, 0, 0.0f);
    }
    for (int i = 0; i < HitFlashTable::kSlots; ++i) {
        if (hitFlash.frame[i] == 0) continue;
        const int image = kHitFlashImages[hitFlash.type[i] & 3];
        shotsSheet->Draw(image, hitFlash.frame[i] - 1, hitFlash.x[i] - camX, hitFlash.y[i] - camY, kEffectColour, 1.0f,
                         1.0f, 0, 0.0f);
    }
}

void BattleEngine::DrawRobotCounters(SpriteSheet* sharedSheet) {
    for (int k = 0; k < kRobotTypes; ++k) {
        const int count = robotTypeCounts[k];
        if (count == 0) continue;
        const float left = 60.0f * k;
        if (sharedSheet) sharedSheet->Draw(kSharedBar, 0, left, 0, 0x78FFFFFF, 1.8f, 1.0f, 0, 0.0f);
        if (robotsSheet) robotsSheet->Draw(k, 0, left + 6, 8, 0xC8FFFFFF, 0.5f, 0.5f, 0, 0.0f);
        if (!sharedSheet) continue;
        const int shown = count % 100;
        if (shown >= 10) {
            sharedSheet->Draw(kSharedDigits, shown % 10, left + 41, 10, kWhite, 0.9f, 0.9f, 0, 0.0f);
            sharedSheet->Draw(kSharedDigits, shown / 10, left + 26, 10, kWhite, 0.9f, 0.9f, 0, 0.0f);
        } else {
            sharedSheet->Draw(kSharedDigits, shown, left + 35, 10, kWhite, 0.9f, 0.9f, 0, 0.0f);
        }
    }
}

void BattleEngine::DrawRadar(int32_t camX, int32_t camY, int32_t sx, int32_t sy, SpriteSheet* sharedSheet,
                             uint8_t inBase) {
    if (sharedSheet) {
        sharedSheet->Draw(kSharedRadarBack, 0, 600, 0, 0x46FFFFFF, 6.25f, 4.0f, 0, 0.0f);
        sharedSheet->Draw(kSharedRadarShip, 0, kRadarX, kRadarY, 0xB4FFFFFF, 1.0f, 1.0f, 0, 0.0f);
    }
    // Offsets from the ship, a thirteenth of the distance.
    const int32_t originX = camX + sx, originY = camY + sy;
    auto dotX = [&](int32_t worldX) { return (worldX - originX) / kRadarDivisor; };
    auto dotY = [&](int32_t worldY) { return (worldY - originY) / kRadarDivisor; };
    auto inFrame = [](int32_t dx, int32_t dy) { return dy < 65 && dx > -98; };
    auto dot = [&](int frame, int32_t dx, int32_t dy, uint32_t colour, float scaleX, float scaleY) {
        if (shotsSheet) {
            shotsSheet->Draw(kRadarDots, frame, kRadarX + dx, kRadarY + dy, colour, scaleX, scaleY, 0, 0.0f);
        }
    };

    radar.robotCount = radar.allyCount = radar.enemyCount = 0;
    for (int i = 0; i < kRobotSlots; ++i) {
        if (!robot.active[i]) continue;
        const int32_t dx = dotX(robot.x[i]), dy = dotY(robot.y[i]);
        radar.robotX[radar.robotCount] = kRadarX + dx;
        radar.robotY[radar.robotCount++] = kRadarY + dy;
        dot(0, dx, dy, kFireColour, 0.9f, 0.9f);
    }
    for (int i = 0; i < kAllySlots; ++i) {
        if (!ally.active[i]) continue;
        const int32_t dx = dotX(ally.x[i]), dy = dotY(ally.y[i]);
        const bool driven = i < kDrivenAllySlots;
        if (!driven && !inFrame(dx, dy)) continue;
        radar.allyX[radar.allyCount] = kRadarX + dx;
        radar.allyY[radar.allyCount++] = kRadarY + dy;
        if (driven) {
            dot(4, dx, dy, 0xF0FF64FF, 0.9f, 0.9f);
        } else {
            dot(4, dx, dy, 0xC8FFFFFF, 1.0f, 1.0f);
        }
    }
    if (!inBase) {
        for (int i = 0; i < kEnemySlots; ++i) {
            if (!enemy.active[i]) continue;
            const int32_t dx = dotX(enemy.x[i]), dy = dotY(enemy.y[i]);
            if (!inFrame(dx, dy)) continue;
            radar.enemyX[radar.enemyCount] = kRadarX + dx;
            radar.enemyY[radar.enemyCount++] = kRadarY + dy;
            dot(2, dx, dy, kFireColour, 0.9f, 0.9f);
        }
    }
    for (int i = 0; i < PickupTable::kSlots; ++i) {
        if (!pickup.active[i]) continue;
        const int32_t dx = dotX(pickup.x[i]), dy = dotY(pickup.y[i]);
        if (inFrame(dx, dy)) dot(1, dx, dy, kWhite, 0.9f, 0.9f);
    }
    for (int i = 0; i < PortalTable::kSlots; ++i) {
        if (!portal.exists[i]) continue;
        const int32_t dx = dotX(portal.x[i]), dy = dotY(portal.y[i]);
        if (!inFrame(dx, dy)) continue;
        dot(3, dx, dy, kWhite, 3.0f, 0.9f);
        dot(3, dx + 2, dy - 2, kWhite, 0.9f, 3.0f);
    }
}

void BattleEngine::DrawFloatingTexts(int32_t camX, int32_t camY, Font* font) {
    if (!font) return;
    char text[kNumberTextSize];
    for (int i = 0; i < FloatingTextTable::kSlots; ++i) {
        if (!floatingText.active[i]) continue;
        FormatNumber(text, floatingText.value[i]);
        font->DrawText(text, floatingText.x[i] - camX, floatingText.y[i] - camY, 80, 30, 0xFF05FA05, DT_LEFT);
    }
}

void BattleEngine::DrawSkillsColumn(SpriteSheet* sharedSheet, SpriteSheet* panelSheet) {
    constexpr int kColumnSkills = 8;
    for (int k = 0; k < kColumnSkills; ++k) {
        const uint32_t value = skillValues[k];
        if (value == 0) continue;
        const float y = 42.0f + 40.0f * k;
        const int32_t full = skillFullCharges[k];
        skillMeter = full != 0 ? 7.0f * static_cast<float>(value) / static_cast<float>(full) : 0.0f;
        if (sharedSheet) sharedSheet->Draw(kSharedBar, 0, 0, y - 2, 0x78FFFFFF, 1.8f, 1.0f, 0, 0.0f);
        if (!panelSheet) continue;
        panelSheet->Draw(kPanelSkillIcons, k, 8, y, 0x9BFFFFFF, 0.9f, 0.9f, 0, 0.0f);
        panelSheet->Draw(kPanelMeter, 0, 42, y, 0x6EFFFFFF, 1.0f, skillMeter, 0, 0.0f);
    }
    if (quickSkill != 0 && panelSheet) {
        panelSheet->Draw(kPanelBox, 0, 676, 534, 0x63FFFFFF, 10.4f, 8.0f, 0, 0.0f);
        panelSheet->Draw(kPanelSkillIcons, quickSkill - 1, 682, 536, 0x82FFFFFF, 0.9f, 0.9f, 0, 0.0f);
    }
}
