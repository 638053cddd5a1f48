#include <gtest/gtest.h>

#include <memory>
#include <string>

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

TEST_F(BattleClocks, EachTickRunsOnceStrictlyPastItsPeriodAndRestartsFromItsCall) {
    // Each clock seen through a counter it steps: 100, 150 and 35 ms.
    const struct {
        uint32_t period;
        void (*call)(BattleEngine&);
        uint8_t BattleEngine::*counter;
    } clocks[] = {{100, [](BattleEngine& e) { e.TickAnimations(); }, &BattleEngine::frame8},
                  {150, [](BattleEngine& e) { e.TickSlowAnimations(2); }, &BattleEngine::slowFrame4},
                  {35, [](BattleEngine& e) { e.TickEffects(0); }, &BattleEngine::frame7}};
    for (const auto& c : clocks) {
        uint8_t& counter = engine.get()->*c.counter;
        c.call(*engine);  // arms
        clock.Advance(c.period);
        c.call(*engine);  // exactly the period: no tick
        EXPECT_EQ(counter, 0) << c.period;
        clock.Advance(1);
        c.call(*engine);
        EXPECT_EQ(counter, 1) << c.period;
        c.call(*engine);  // re-arms from this call
        clock.Advance(10 * c.period);
        c.call(*engine);  // ten periods late: one tick
        EXPECT_EQ(counter, 2) << c.period;
    }
}

// ---- 100 ms tick ----

TEST_F(BattleClocks, FireCadenceTimersAndTickerCycle) {
    engine->fireReady = 0;
    int ready = 0;
    for (int t = 0; t < 12; ++t) {
        AnimationTick();
        ready += engine->fireReady;
        engine->fireReady = 0;  // a volley spends it
    }
    EXPECT_EQ(ready, 6) << "one volley per two ticks";
    // Twelve ticks bring every 0-11 timer round to where it started.
    EXPECT_EQ(engine->robotFireTimers[1], 3);
    EXPECT_EQ(engine->enemyFireTimers[2], 9);
    EXPECT_EQ(engine->spreadCounter, 2);  // 1, 2, 3, 4, 5, 1 ...
    EXPECT_EQ(engine->countdown, 0);      // 3, 2, 1, 0 three times
    for (int t = 12; t < 101; ++t) AnimationTick();
    EXPECT_EQ(engine->sidestepTicker, 0);  // 0-100 then back to 0
}

TEST_F(BattleClocks, EffectsAndEventsLastTheirTicks) {
    // Ticks each stays non-zero before it clears.
    engine->AddSpark(10, 10);
    engine->AddHitFlash(10, 10, 2);
    engine->floatingText.active[2] = engine->floatingText.timer[2] = 1;
    engine->overlayEvents[kOverlayExtraArmor] = 1;
    engine->enemyKilledEvent = 2;
    engine->enemyFireEvent = 2;
    engine->freshAreaEvent = 1;  // raised, not yet consumed: left alone
    engine->ally.exists[3] = engine->ally.fading[3] = 1;
    engine->ally.fadeAlpha[3] = 200;
    engine->robot.exists[4] = engine->robot.fading[4] = 1;
    engine->robot.fadeAlpha[4] = 200;
    const struct {
        const char* name;
        int ticks;
        uint8_t* value;
    } rows[] = {
        {"spark", 4, &engine->spark.frame[0]},
        {"hit flash", 4, &engine->hitFlash.frame[0]},
        {"floating text", 7, &engine->floatingText.active[2]},
        {"overlay event", 4, &engine->overlayEvents[kOverlayExtraArmor]},
        {"kill sound cool-down", 7, &engine->enemyKilledEvent},
        {"fire sound cool-down", 3, &engine->enemyFireEvent},
        {"ally fade", 16, &engine->ally.exists[3]},  // 200 - 16 x 10 is below 50
        {"robot fade", 16, &engine->robot.fading[4]},
    };
    int lasted[std::size(rows)] = {};
    for (int t = 1; t <= 20; ++t) {
        AnimationTick();
        for (size_t k = 0; k < std::size(rows); ++k) {
            if (*rows[k].value != 0) lasted[k] = t;
        }
    }
    for (size_t k = 0; k < std::size(rows); ++k) EXPECT_EQ(lasted[k] + 1, rows[k].ticks) << rows[k].name;
    EXPECT_EQ(engine->freshAreaEvent, 1);
    EXPECT_EQ(engine->robot.exists[4], 1) << "a robot only fades";
}

TEST_F(BattleClocks, EveryFrameCounterRunsThroughItsOwnRange) {
    // Each counter from 0: 1, 2, .. last, then 0 again, on its own clock.
    const struct {
        const char* name;
        uint8_t BattleEngine::*counter;
        int clock;  // 0: 100 ms, 1: 150 ms, 2: 35 ms
        int last;
    } rows[] = {{"frame4", &BattleEngine::frame4, 0, 3},          {"frame8", &BattleEngine::frame8, 0, 7},
                {"wave size", &BattleEngine::waveSizeCycler, 0, 2}, {"slow frame4", &BattleEngine::slowFrame4, 1, 3},
                {"frame11", &BattleEngine::frame11, 1, 10},         {"slow step4", &BattleEngine::slowStep4, 1, 3},
                {"frame7", &BattleEngine::frame7, 2, 6}};
    for (const auto& r : rows) {
        SetUp();
        for (int t = 1; t <= 2 * (r.last + 1); ++t) {
            if (r.clock == 0) AnimationTick();
            if (r.clock == 1) SlowTick();
            if (r.clock == 2) EffectsTick();
            EXPECT_EQ(engine.get()->*r.counter, t % (r.last + 1)) << r.name << " tick " << t;
        }
    }
}

TEST_F(BattleClocks, BlinkNoticesAndTheNewRobotGrowOnTheAnimationTick) {
    // The blink: five ticks off, five on, one off; eleven in all.
    std::string blink;
    engine->blockedTimer = 1;
    engine->freshAreaEvent = 2;
    engine->newRobotPending = 1;
    int blockedLasted = 0, freshLasted = 0;
    for (int t = 1; t <= 22; ++t) {
        AnimationTick();
        blink += engine->blinkOn ? '#' : '.';
        if (engine->blockedTimer != 0) blockedLasted = t;
        if (engine->freshAreaEvent != 0) freshLasted = t;
        if (t == 10) {
            EXPECT_NEAR(engine->newRobotScale, 0.2f + 10 * 0.06f, 1e-4f);
        }
    }
    EXPECT_EQ(blink, ".....#####......#####.");
    EXPECT_EQ(blockedLasted, 12) << "the blocked notice shows 1-13";
    EXPECT_EQ(freshLasted, 2) << "the fresh-area cool-down counts 3, 4 and clears";
    EXPECT_FLOAT_EQ(engine->newRobotScale, 1.0f);
}

TEST_F(BattleClocks, ShieldRampOrbitAndPulseStepOnTheEffectsTick) {
    engine->hardShieldPulse = 0.1f;
    for (int t = 1; t <= 10; ++t) EffectsTick();
    EXPECT_NEAR(engine->shieldRamp, 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(engine->orbitAngle, 0.0f) << "the orbit waits for half the ramp";
    EXPECT_NEAR(engine->hardShieldPulse, 0.5f, 1e-4f);
    for (int t = 11; t <= 20; ++t) {
        EffectsTick();
        if (t == 17) {
            EXPECT_GT(engine->hardShieldPulse, 0.7f);
        }
        if (t == 19) {
            EXPECT_FLOAT_EQ(engine->hardShieldPulse, 0.0f) << "0.82 at tick 18 is past 0.8";
        }
    }
    EXPECT_FLOAT_EQ(engine->shieldRamp, 1.0f);
    // 0.04 a tick from the tick after the ramp passes half (the tenth or eleventh: rounding).
    EXPECT_NEAR(engine->orbitAngle, 0.38f, 0.025f);
    EXPECT_FLOAT_EQ(engine->hardShieldPulse, 0.0f) << "once ended the pulse stays off";
    engine->orbitAngle = 6.27f;
    EffectsTick();
    EXPECT_FLOAT_EQ(engine->orbitAngle, 0.0f);
    engine->badgeAngle = 6.2f;
    EffectsTick(1);
    EXPECT_FLOAT_EQ(engine->badgeAngle, 0.0f);
}

// ---- 150 ms tick ----

TEST_F(BattleClocks, SlowTickCyclesPingPongPulseExplosionsAndTheBossBlink) {
    engine->AddKillExplosion(0, 0, 32, 1, 0);
    const int pingPong[] = {1, 2, 3, 3, 2, 1, 0, 1, 2, 3, 3};
    for (int want : pingPong) {
        SlowTick();
        EXPECT_EQ(engine->pingPongFrame, want);
    }
    EXPECT_EQ(engine->pulseAlpha, 90) << "up by 10 to 240, then on from 80";
    for (int t = 11; t < 32; ++t) SlowTick();
    EXPECT_EQ(engine->killExplosion.frame[0], 33);
    SlowTick();
    EXPECT_EQ(engine->killExplosion.frame[0], 0);
    EXPECT_EQ(engine->area26BlinkCounter, 0) << "other areas leave the blink alone";

    int on = 0;
    for (int t = 0; t < 80; ++t) {
        SlowTick(26);
        on += engine->area26Blink;
    }
    EXPECT_EQ(on, 40) << "four ticks on, four off";
}

// ---- 35 ms tick ----

TEST_F(BattleClocks, EscapeFliesTwentyStepsAlongTheHeading) {
    // Units 0-8 give 0, 3, 6, 10, 13, 16, 20, 23, 26 px a step.
    const struct {
        uint8_t heading, unitX, unitY, returning;
        int32_t stepX, stepY;
        uint8_t end;
    } rows[] = {{0, 0, 8, 0, 0, -26, 100}, {40, 8, 8, 1, -26, 26, 99}, {20, 3, 4, 0, 10, 13, 100}};
    for (const auto& r : rows) {
        SetUp();
        engine->heading = r.heading;
        engine->stepUnitX = r.unitX;
        engine->stepUnitY = r.unitY;
        engine->escapeReturn = r.returning;
        engine->emergencyEscape = 1;
        const int32_t x0 = engine->shipX, y0 = engine->shipY;
        for (int step = 1; step <= 19; ++step) {
            EffectsTick();
            EXPECT_EQ(engine->emergencyEscape, 1);
            EXPECT_EQ(engine->escapeTrailY[step - 1], y0 + r.stepY * step);
        }
        EffectsTick();
        EXPECT_EQ(engine->emergencyEscape, r.end) << int{r.heading};
        EXPECT_EQ(engine->escapeStep, 0);
        EXPECT_EQ(engine->shipX - x0, 20 * r.stepX) << int{r.heading};
        EXPECT_EQ(engine->escapeOffsetY, 20 * r.stepY) << int{r.heading};
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
    } rows[] = {{40, 160, 6 + 12 + 1}, {30, 170, 7 + 13 + 1}, {31, 151, 6 + 11 + 1}, {230, 220, 19 + 1}};
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
