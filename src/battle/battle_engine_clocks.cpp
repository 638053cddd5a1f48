// The three timed operations that advance the battle view's counters, fades
// and cycles independently of the frame rate.
#include <algorithm>

#include "battle/battle_engine.h"
#include "platform/clock.h"

namespace {

constexpr uint32_t kAnimationPeriodMs = 100;
constexpr uint32_t kSlowPeriodMs = 150;
constexpr uint32_t kEffectsPeriodMs = 35;

// Add 1 and return to `first` after `last`.
template <typename T>
void Cycle(T& counter, T first, T last) {
    counter = counter >= last ? first : static_cast<T>(counter + 1);
}

// A raised effect frame counts 1..last and then frees its slot.
void AdvanceEffectFrames(uint8_t* frames, int slots, uint8_t last) {
    for (int i = 0; i < slots; ++i) {
        if (frames[i] == 0) continue;
        frames[i] = frames[i] >= last ? 0 : static_cast<uint8_t>(frames[i] + 1);
    }
}

// A sound cool-down: counts up from 2 and clears after `last`.
void AdvanceCooldown(uint8_t& event, uint8_t last) {
    if (event < 2) return;
    event = event > last ? 0 : static_cast<uint8_t>(event + 1);
}

// A death fade: alpha falls by 10 per tick; true once it is done.
bool AdvanceFade(uint8_t& alpha) {
    const int next = alpha - 10;
    alpha = static_cast<uint8_t>(std::max(next, 0));
    return next < 50;
}

struct OverlayFade {
    uint8_t BattleEngine::*value;
    uint8_t BattleEngine::*falling;
    int peak;
    int endLow;
    int endHigh;
};

constexpr OverlayFade kOverlayFades[] = {
    {&BattleEngine::extraArmorFade, &BattleEngine::extraArmorFalling, 180, 20, 59},
    {&BattleEngine::shieldsRechargeFade, &BattleEngine::shieldsRechargeFalling, 110, 20, 49},
    {&BattleEngine::shieldProtectionFade, &BattleEngine::shieldProtectionFalling, 110, 20, 49},
    {&BattleEngine::robotProtectionFade, &BattleEngine::robotProtectionFalling, 160, 20, 49},
};

constexpr int kHardArmorPeak = 220;
constexpr int kArmageddonSoundMark = 50;
constexpr int kArmageddonTurn = 150;
constexpr int kArmageddonSecondStrikeHigh = 88;
constexpr int kArmageddonEndHigh = 68;
constexpr int kArmageddonEndLow = 9;

}  // namespace

bool BattleEngine::TickDue(TickClock& clock, uint32_t period) {
    const uint32_t now = NowMs();
    if (clock.state == 1) {
        clock.start = now;
        clock.state = 2;
        return false;
    }
    if (clock.state == 2 && now - clock.start > period) {
        clock.state = 1;
        return true;
    }
    return false;
}

void BattleEngine::TickAnimations() {
    if (!TickDue(animClock, kAnimationPeriodMs)) return;

    Cycle<uint8_t>(frame4, 0, 3);
    Cycle<uint8_t>(frame8, 0, 7);

    for (uint8_t& event : overlayEvents) {
        if (event == 0) continue;
        event = event + 1 > 4 ? 0 : static_cast<uint8_t>(event + 1);
    }
    AdvanceCooldown(enemyKilledEvent, 7);
    AdvanceCooldown(enemyFireEvent, 3);
    AdvanceCooldown(freshAreaEvent, 3);

    Cycle<uint8_t>(waveSizeCycler, 0, 2);

    ++blinkCounter;
    blinkOn = blinkCounter > 5 ? 1 : 0;
    if (blinkCounter > 10) {
        blinkCounter = 0;
        blinkOn = 0;
    }

    // The ship may fire one volley per two ticks.
    if (++fireHalfCounter >= 2) {
        fireHalfCounter = 0;
        fireReady = 1;
    }

    Cycle<int32_t>(slowCounter, 0, 500);
    Cycle<uint8_t>(spreadCounter, 1, 5);
    countdown = countdown <= 0 ? 3 : static_cast<int8_t>(countdown - 1);

    for (int g = 0; g < 3; ++g) {
        Cycle<uint8_t>(robotFireTimers[g], 0, 11);
        Cycle<uint8_t>(enemyFireTimers[g], 0, 11);
    }
    Cycle<int32_t>(sidestepTicker, 0, 100);

    if (blockedTimer != 0) blockedTimer = blockedTimer > 12 ? 0 : blockedTimer + 1;

    AdvanceEffectFrames(spark.frame, SparkTable::kSlots, 4);
    AdvanceEffectFrames(hitFlash.frame, HitFlashTable::kSlots, 4);

    for (int i = 0; i < kAllySlots; ++i) {
        if (ally.fading[i] && AdvanceFade(ally.fadeAlpha[i])) {
            ally.fading[i] = 0;
            ally.exists[i] = 0;
        }
    }
    for (int i = 0; i < kRobotSlots; ++i) {
        if (robot.fading[i] && AdvanceFade(robot.fadeAlpha[i])) robot.fading[i] = 0;
    }

    if (newRobotPending) newRobotScale = std::min(newRobotScale + 0.06f, 1.0f);

    for (int i = 0; i < FloatingTextTable::kSlots; ++i) {
        if (floatingText.timer[i] == 0) continue;
        if (floatingText.timer[i] >= 7) {
            floatingText.timer[i] = 0;
            floatingText.active[i] = 0;
        } else {
            ++floatingText.timer[i];
        }
    }
}

void BattleEngine::TickSlowAnimations(int32_t areaId) {
    if (!TickDue(slowClock, kSlowPeriodMs)) return;

    Cycle<uint8_t>(slowFrame4, 0, 3);

    if (!pingPongFalling) {
        if (++pingPongFrame > 3) {
            pingPongFalling = 1;
            --pingPongFrame;
        }
    } else {
        if (pingPongFrame > 0) --pingPongFrame;
        if (pingPongFrame == 0) pingPongFalling = 0;
    }

    Cycle<uint8_t>(frame11, 0, 10);
    Cycle<uint8_t>(slowStep4, 0, 3);

    AdvanceEffectFrames(killExplosion.frame, KillExplosionTable::kSlots, 33);

    pulseAlpha = pulseAlpha + 10 > 240 ? 80 : static_cast<uint8_t>(pulseAlpha + 10);

    // The boss of area 26 blinks four ticks on, four off.
    if (areaId == 26) {
        if (!area26Blink) {
            if (++area26BlinkCounter >= 4) area26Blink = 1;
        } else {
            if (area26BlinkCounter > 0) --area26BlinkCounter;
            if (area26BlinkCounter == 0) area26Blink = 0;
        }
    }
}

void BattleEngine::TickEscapeStep() {
    emergencyEscape = 1;
    ++escapeStep;
    const int32_t stepX = stepUnitX * 10 / 3;
    const int32_t stepY = stepUnitY * 10 / 3;
    if (heading >= 32) {
        shipX -= stepX;
        escapeOffsetX -= stepX;
    } else {
        shipX += stepX;
        escapeOffsetX += stepX;
    }
    if (heading < 17 || heading >= 48) {
        shipY -= stepY;
        escapeOffsetY -= stepY;
    } else {
        shipY += stepY;
        escapeOffsetY += stepY;
    }
    const int trail = std::clamp(escapeStep - 1, 0, kEscapeSteps - 1);
    escapeTrail[trail] = 1;
    escapeTrailX[trail] = shipX;
    escapeTrailY[trail] = shipY;
    if (escapeStep >= kEscapeSteps) {
        escapeStep = 0;
        emergencyEscape = escapeReturn ? 99 : 100;
    }
}

void BattleEngine::TickOverlayFades() {
    for (const OverlayFade& fade : kOverlayFades) {
        uint8_t& value = this->*fade.value;
        uint8_t& falling = this->*fade.falling;
        if (value == 0) continue;
        const int raised = value + 10;
        if (!falling) {
            value = static_cast<uint8_t>(std::min(raised, 255));
            if (raised > fade.peak) falling = 1;
        } else if (raised >= fade.endLow && raised <= fade.endHigh) {
            value = 0;
            falling = 0;
        } else {
            value = static_cast<uint8_t>(std::clamp(raised - 20, 0, 255));
            if (value == 0) falling = 0;
        }
    }

    if (hardArmorFade != 0) {
        const int raised = hardArmorFade + 10;
        if (raised > kHardArmorPeak) {
            hardArmorFade = 0;
            armorGlow = 1;
        } else {
            hardArmorFade = static_cast<uint8_t>(raised);
        }
    }
}

void BattleEngine::TickArmageddon() {
    if (armageddonTimeline == 0) return;
    if (armageddonTimeline == kArmageddonSoundMark) {
        armageddonSound = 1;
        armageddonFalling = 0;
    }
    int value = armageddonTimeline + 3;
    if (value > kArmageddonTurn) {
        armageddonFalling = 1;
        if (!armageddonStrike1 && value >= 51) armageddonStrike1 = 1;
    }
    if (armageddonFalling) {
        if (value >= kArmageddonEndLow && value <= kArmageddonSecondStrikeHigh && !armageddonStrike2) {
            armageddonStrike2 = 1;
        }
        if (value >= kArmageddonEndLow && value <= kArmageddonEndHigh) {
            armageddonTimeline = 0;
            armageddonFalling = 0;
            armageddonStrike1 = 0;
            armageddonStrike2 = 0;
            return;
        }
        value -= 9;
    }
    // A value started outside the timeline's range must still come to an end.
    armageddonTimeline = static_cast<uint8_t>(std::clamp(value, 0, 255));
}

void BattleEngine::TickUpgradeGlows() {
    for (int i = 0; i < kBuildingSlots; ++i) {
        if (upgradeGlow[i] == 0) continue;
        const int old = upgradeGlow[i];
        int value = old + 20;
        if (old >= 151 && old <= 235) upgradeGlowFalling[i] = 1;
        if (upgradeGlowFalling[i]) value -= 30;
        if (upgradeGlowFalling[i] && value < 40) {
            upgradeGlow[i] = 0;
            upgradeGlowFalling[i] = 0;
        } else {
            upgradeGlow[i] = static_cast<uint8_t>(std::min(value, 255));
        }
    }
    badgeAngle += 0.2f;
    if (badgeAngle > 6.28f) badgeAngle = 0.0f;
}

void BattleEngine::TickEffects(uint8_t withBuildingFlashes) {
    if (!TickDue(effectsClock, kEffectsPeriodMs)) return;

    Cycle<uint8_t>(frame7, 0, 6);

    if (emergencyEscape != 0) TickEscapeStep();

    if (shieldRamp > 0.5f) {
        orbitAngle += 0.04f;
        if (orbitAngle > 6.28f) orbitAngle = 0.0f;
    }
    if (hardShieldPulse > 0.05f) {
        hardShieldPulse += 0.04f;
        if (hardShieldPulse > 0.8f) hardShieldPulse = 0.0f;
    }

    TickOverlayFades();

    ShockWave& first = ring[0];
    if (!first.damageTrigger && first.progress > first.maxScale / 2.0f) {
        first.state = 2;
        first.damageTrigger = 1;
    }

    TickArmageddon();

    if (shieldRamp < 1.0f) shieldRamp = std::min(shieldRamp + 0.05f, 1.0f);

    if (withBuildingFlashes) TickUpgradeGlows();
}
