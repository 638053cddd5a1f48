#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"
#include "platform/clock.h"

namespace {

class BattleClocks : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::Install(&clock);
        engine = std::make_unique<BattleEngine>();
    }
    void TearDown() override { Clock::Install(nullptr); }

    // One full tick of a clock: arm it, then call once past its period.
    void AnimationTick() {
        engine->TickAnimations();
        clock.Advance(101);
        engine->TickAnimations();
    }
    void SlowTick(int32_t area = 2) {
        engine->TickSlowAnimations(area);
        clock.Advance(151);
        engine->TickSlowAnimations(area);
    }
    void EffectsTick(uint8_t base = 0) {
        engine->TickEffects(base);
        clock.Advance(36);
        engine->TickEffects(base);
    }

    ManualClock clock{5000};
    std::unique_ptr<BattleEngine> engine;
};

}  // namespace

// ---- The clock rule ----

TEST_F(BattleClocks, EachTickRunsOnlyStrictlyPastItsPeriod) {
    // The 100 ms tick, seen through the four-frame counter.
    engine->TickAnimations();  // arms
    clock.Advance(100);
    engine->TickAnimations();  // exactly the period: no tick
    EXPECT_EQ(engine->frame4, 0);
    clock.Advance(1);
    engine->TickAnimations();
    EXPECT_EQ(engine->frame4, 1);

    // The 150 ms tick, seen through the slow four-frame counter.
    engine->TickSlowAnimations(2);
    clock.Advance(150);
    engine->TickSlowAnimations(2);
    EXPECT_EQ(engine->slowFrame4, 0);
    clock.Advance(1);
    engine->TickSlowAnimations(2);
    EXPECT_EQ(engine->slowFrame4, 1);

    // The 35 ms tick, seen through the seven-step counter.
    engine->TickEffects(0);
    clock.Advance(35);
    engine->TickEffects(0);
    EXPECT_EQ(engine->frame7, 0);
    clock.Advance(1);
    engine->TickEffects(0);
    EXPECT_EQ(engine->frame7, 1);
}

TEST_F(BattleClocks, ATickRunsAtMostOncePerCallAndRestartsFromItsOwnCall) {
    engine->TickAnimations();
    clock.Advance(1000);  // ten periods late
    engine->TickAnimations();
    EXPECT_EQ(engine->frame8, 1);
    engine->TickAnimations();  // re-arms, no tick
    EXPECT_EQ(engine->frame8, 1);
    clock.Advance(60);
    engine->TickAnimations();
    EXPECT_EQ(engine->frame8, 1);
    clock.Advance(41);
    engine->TickAnimations();
    EXPECT_EQ(engine->frame8, 2);
}

// ---- 100 ms tick ----

TEST_F(BattleClocks, FireReadyComesBackOnEverySecondTick) {
    engine->fireReady = 0;
    AnimationTick();
    EXPECT_EQ(engine->fireReady, 0);
    AnimationTick();
    EXPECT_EQ(engine->fireReady, 1);
    engine->fireReady = 0;
    AnimationTick();
    EXPECT_EQ(engine->fireReady, 0);
    AnimationTick();
    EXPECT_EQ(engine->fireReady, 1);
}

TEST_F(BattleClocks, FireTimersSidestepTickerAndCountersCycle) {
    for (int t = 0; t < 12; ++t) AnimationTick();
    // Twelve ticks bring every 0-11 timer round to where it started.
    EXPECT_EQ(engine->robotFireTimers[1], 3);
    EXPECT_EQ(engine->enemyFireTimers[2], 9);
    EXPECT_EQ(engine->sidestepTicker, 12);
    EXPECT_EQ(engine->waveSizeCycler, 0);
    EXPECT_EQ(engine->spreadCounter, 2);  // 1,2,3,4,5,1,... after 12 steps
    EXPECT_EQ(engine->countdown, 0);      // 3,2,1,0 three times

    for (int t = 12; t < 101; ++t) AnimationTick();
    EXPECT_EQ(engine->sidestepTicker, 0);  // 0-100 then back to 0
}

TEST_F(BattleClocks, SparksShowFourFramesThenFree) {
    const int slot = engine->AddSpark(10, 10);
    ASSERT_EQ(slot, 0);
    for (int frame = 2; frame <= 4; ++frame) {
        AnimationTick();
        EXPECT_EQ(engine->spark.frame[slot], frame);
    }
    AnimationTick();
    EXPECT_EQ(engine->spark.frame[slot], 0);
}

TEST_F(BattleClocks, CooldownEventsCountUpAndClear) {
    engine->enemyKilledEvent = 2;
    engine->enemyFireEvent = 2;
    engine->freshAreaEvent = 1;  // raised, not yet consumed: left alone
    int killTicks = 0;
    while (engine->enemyKilledEvent != 0 && killTicks < 20) {
        AnimationTick();
        ++killTicks;
    }
    EXPECT_EQ(killTicks, 7);  // 2..8 then 0
    EXPECT_EQ(engine->enemyFireEvent, 0);
    EXPECT_EQ(engine->freshAreaEvent, 1);
}

TEST_F(BattleClocks, OverlayEventsStayRaisedForFourTicks) {
    engine->overlayEvents[kOverlayExtraArmor] = 1;
    for (int t = 0; t < 3; ++t) {
        AnimationTick();
        EXPECT_NE(engine->overlayEvents[kOverlayExtraArmor], 0);
    }
    AnimationTick();
    EXPECT_EQ(engine->overlayEvents[kOverlayExtraArmor], 0);
}

TEST_F(BattleClocks, DeathFadesFreeAlliesForGoodAndRobotsOnlyFade) {
    engine->ally.exists[3] = engine->ally.fading[3] = 1;
    engine->ally.fadeAlpha[3] = 200;
    engine->robot.exists[4] = engine->robot.fading[4] = 1;
    engine->robot.fadeAlpha[4] = 200;
    for (int t = 0; t < 15; ++t) AnimationTick();
    EXPECT_EQ(engine->ally.fading[3], 1);
    AnimationTick();  // 200 - 16 x 10 = 40, below 50
    EXPECT_EQ(engine->ally.fading[3], 0);
    EXPECT_EQ(engine->ally.exists[3], 0);
    EXPECT_EQ(engine->robot.fading[4], 0);
    EXPECT_EQ(engine->robot.exists[4], 1);
}

TEST_F(BattleClocks, FloatingTextsLastSevenTicks) {
    engine->floatingText.active[2] = 1;
    engine->floatingText.timer[2] = 1;
    for (int t = 0; t < 6; ++t) AnimationTick();
    EXPECT_EQ(engine->floatingText.active[2], 1);
    AnimationTick();
    EXPECT_EQ(engine->floatingText.active[2], 0);
    EXPECT_EQ(engine->floatingText.timer[2], 0);
}

// ---- 150 ms tick ----

TEST_F(BattleClocks, PingPongFrameRisesAndFalls) {
    const int expected[] = {1, 2, 3, 3, 2, 1, 0, 1, 2, 3, 3};
    for (int want : expected) {
        SlowTick();
        EXPECT_EQ(engine->pingPongFrame, want);
    }
}

TEST_F(BattleClocks, PulseAlphaRunsFrom80To240) {
    SlowTick();
    EXPECT_EQ(engine->pulseAlpha, 160);
    for (int t = 0; t < 8; ++t) SlowTick();
    EXPECT_EQ(engine->pulseAlpha, 240);
    SlowTick();
    EXPECT_EQ(engine->pulseAlpha, 80);
}

TEST_F(BattleClocks, KillExplosionsLastThirtyThreeFrames) {
    engine->AddKillExplosion(0, 0, 32, 1, 0);
    for (int t = 0; t < 32; ++t) SlowTick();
    EXPECT_EQ(engine->killExplosion.frame[0], 33);
    SlowTick();
    EXPECT_EQ(engine->killExplosion.frame[0], 0);
}

TEST_F(BattleClocks, Area26BlinkIsFourTicksOnFourOff) {
    int on = 0;
    for (int t = 0; t < 80; ++t) {
        SlowTick(26);
        on += engine->area26Blink;
    }
    EXPECT_EQ(on, 40);
    SlowTick(5);
    SlowTick(5);
    EXPECT_EQ(engine->area26BlinkCounter, 0) << "other areas leave the blink alone";
}

// ---- 35 ms tick ----

TEST_F(BattleClocks, EscapeFliesTwentyStepsStraightUpAtHeadingZero) {
    engine->emergencyEscape = 1;
    const int32_t startX = engine->shipX, startY = engine->shipY;
    for (int step = 1; step <= 19; ++step) {
        EffectsTick();
        EXPECT_EQ(engine->emergencyEscape, 1);
        EXPECT_EQ(engine->escapeStep, step);
        EXPECT_EQ(engine->shipY, startY - 26 * step);
        EXPECT_EQ(engine->escapeTrail[step - 1], 1);
        EXPECT_EQ(engine->escapeTrailY[step - 1], engine->shipY);
    }
    EffectsTick();
    EXPECT_EQ(engine->emergencyEscape, 100);
    EXPECT_EQ(engine->escapeStep, 0);
    EXPECT_EQ(engine->shipX, startX);
    EXPECT_EQ(engine->shipY, startY - 26 * 20);
    EXPECT_EQ(engine->escapeOffsetX, 0);
    EXPECT_EQ(engine->escapeOffsetY, -26 * 20);
}

TEST_F(BattleClocks, EscapeStepsFollowHeadingAndReturnLeg) {
    engine->heading = 40;  // down-left
    engine->stepUnitX = 8;
    engine->stepUnitY = 8;
    engine->escapeReturn = 1;
    engine->emergencyEscape = 1;
    const int32_t startX = engine->shipX, startY = engine->shipY;
    EffectsTick();
    EXPECT_EQ(engine->shipX, startX - 26);
    EXPECT_EQ(engine->shipY, startY + 26);
    for (int step = 2; step <= 20; ++step) EffectsTick();
    EXPECT_EQ(engine->emergencyEscape, 99);

    // Units 0-8 give 0, 3, 6, 10, 13, 16, 20, 23, 26 pixels.
    const int32_t px[9] = {0, 3, 6, 10, 13, 16, 20, 23, 26};
    for (int u = 0; u <= 8; ++u) {
        engine->heading = 20;  // down-right
        engine->stepUnitX = static_cast<uint8_t>(u);
        engine->stepUnitY = 0;
        engine->emergencyEscape = 1;
        const int32_t x = engine->shipX;
        EffectsTick();
        EXPECT_EQ(engine->shipX, x + px[u]) << u;
    }
}

TEST_F(BattleClocks, ArmageddonSoundsOnceAndStrikesTwice) {
    engine->armageddonTimeline = 50;
    int sounds = 0, ticks = 0;
    bool firstStrikeSeen = false;
    int secondStrikes = 0;
    while (engine->armageddonTimeline != 0 && ticks < 200) {
        EffectsTick();
        ++ticks;
        if (engine->armageddonSound) {
            ++sounds;
            engine->armageddonSound = 0;
        }
        // The damage pass applies a due strike and marks it 2.
        if (engine->armageddonStrike1 == 1) {
            firstStrikeSeen = true;
            EXPECT_GT(engine->armageddonTimeline, 100);
            engine->armageddonStrike1 = 2;
        }
        if (engine->armageddonStrike2 == 1) {
            EXPECT_TRUE(firstStrikeSeen);
            EXPECT_LE(engine->armageddonTimeline, 88);
            engine->armageddonStrike2 = 2;
            ++secondStrikes;
        }
    }
    EXPECT_EQ(sounds, 1);
    EXPECT_TRUE(firstStrikeSeen);
    EXPECT_EQ(secondStrikes, 1);
    EXPECT_LT(ticks, 200);
    EXPECT_EQ(engine->armageddonStrike1, 0);
    EXPECT_EQ(engine->armageddonStrike2, 0);
    EXPECT_EQ(engine->armageddonFalling, 0);
}

TEST_F(BattleClocks, OverlayFadesRiseToTheirPeakAndEndInTheirWindow) {
    // Started at 10: up by 10 past the peak, then down by 10 until a falling
    // step's midway value lands in the end window (20-59 for extra armor,
    // 20-49 for the others).
    const struct {
        uint8_t BattleEngine::*fade;
        int peak, last;
    } rows[] = {{&BattleEngine::extraArmorFade, 190, 40},
                {&BattleEngine::shieldsRechargeFade, 120, 30},
                {&BattleEngine::shieldProtectionFade, 120, 30},
                {&BattleEngine::robotProtectionFade, 170, 30}};
    for (const auto& r : rows) {
        engine.get()->*r.fade = 10;
        int peak = 0, last = 0;
        for (int ticks = 0; engine.get()->*r.fade != 0 && ticks < 100; ++ticks) {
            last = engine.get()->*r.fade;
            peak = std::max(peak, last);
            EffectsTick();
        }
        EXPECT_EQ(peak, r.peak) << r.peak;
        EXPECT_EQ(last, r.last) << r.peak;
    }

    // Hard Armor rises past 220, then lights the glowing ship.
    engine->hardArmorFade = 40;
    engine->armorGlow = 0;
    for (int t = 0; t < 18; ++t) EffectsTick();
    EXPECT_EQ(engine->hardArmorFade, 220);
    EXPECT_EQ(engine->armorGlow, 0);
    EffectsTick();
    EXPECT_EQ(engine->hardArmorFade, 0);
    EXPECT_EQ(engine->armorGlow, 1);
}

TEST_F(BattleClocks, TheFirstRingAloneIsTriggeredByTheEffectsTick) {
    for (ShockWave& wave : engine->ring) {
        wave.state = 1;
        wave.progress = 1.6f;
    }
    engine->ring[0].progress = 1.5f;  // exactly half: not yet
    EffectsTick();
    EXPECT_EQ(engine->ring[0].damageTrigger, 0);
    engine->ring[0].progress = 1.6f;
    EffectsTick();
    EXPECT_EQ(engine->ring[0].damageTrigger, 1);
    EXPECT_EQ(engine->ring[0].state, 2);
    EXPECT_EQ(engine->ring[1].damageTrigger, 0);
    EXPECT_EQ(engine->ring[2].state, 1);
}

TEST_F(BattleClocks, UpgradeGlowsAndBadgeTurnOnlyInTheBase) {
    engine->upgradeGlow[7] = 40;
    EffectsTick(0);
    EXPECT_EQ(engine->upgradeGlow[7], 40);
    EXPECT_FLOAT_EQ(engine->badgeAngle, 0.0f);
    // +20 a tick until a value of 151-235 turns it, then -10 until below 40.
    const struct {
        uint8_t start;
        int peak, ticks;
    } rows[] = {{40, 160, 6 + 12 + 1}, {30, 170, 7 + 13 + 1}, {31, 151, 6 + 11 + 1}};
    for (const auto& r : rows) {
        engine->upgradeGlow[7] = r.start;
        int peak = 0, ticks = 0;
        while (engine->upgradeGlow[7] != 0 && ticks < 100) {
            EffectsTick(1);
            ++ticks;
            peak = std::max<int>(peak, engine->upgradeGlow[7]);
        }
        EXPECT_EQ(peak, r.peak) << int{r.start};
        EXPECT_EQ(ticks, r.ticks) << int{r.start};
    }
    EXPECT_GT(engine->badgeAngle, 0.0f);
}
