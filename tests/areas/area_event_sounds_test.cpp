// The engine's events sound alike wherever the ship flies: an escape's first
// step, a collected drop and the skill overlays of the battle view, raised by
// the real keys and flights in both regions and at the home base.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/home_base_scene.h"
#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
// The escape's first 35 ms step may span several frames; each of them, and
// no other, sounds the modulator once. Runs the escape's first 30 frames.
template <class RunFrame, class Plays>
void ExpectTheModulatorOnTheFirstStepOnly(const BattleEngine& engine, RunFrame run, Plays modulatorPlays) {
    int firstStepFrames = 0;
    for (int frame = 0; frame < 30; ++frame) {
        const uint32_t before = modulatorPlays();
        run();
        const bool firstStep = engine.escapeStep == 1;
        firstStepFrames += firstStep;
        EXPECT_EQ(modulatorPlays() - before, firstStep ? 1u : 0u)
            << "frame " << frame << ", step " << int(engine.escapeStep);
    }
    EXPECT_GT(firstStepFrames, 0) << "the escape flew";
}

// A skill the player has learnt, with the energy to use it.
void Learn(GameState& state, int skill, uint32_t benefit) {
    state.skillLevels[skill] = 1;
    state.skillEnergyCosts[skill] = 10;
    state.skillBenefits[skill] = benefit;
    state.energy = 100;
}

// The new game's robot flies in from where it was left; the protection is
// drawn over it only once it is in view.
bool EscortInView(GameApp& app, const std::function<void()>& runFrame) {
    const BattleEngine& engine = *app.battleEngine;
    for (int frame = 0; frame < 600; ++frame) {
        const int32_t x = engine.robot.x[0] - app.areaBackdrop->viewX;
        const int32_t y = engine.robot.y[0] - app.areaBackdrop->viewY;
        if (engine.robot.active[0] && x > 0 && x < 700 && y > 0 && y < 450) return true;
        runFrame();
    }
    return false;
}

struct RegionCase {
    const char* name;
    SceneId scene;
    uint32_t questSet;
    int32_t quietArea;  // no waves at its arrival point
    int32_t waveArea;   // a wave comes at once
};
void PrintTo(const RegionCase& region, std::ostream* out) { *out << region.name; }

constexpr RegionCase kRegions[] = {
    {"EarthSystem", SceneId::EarthSystem, 1, 2, 3},
    {"Invasions", SceneId::Invasions, 2, 6, 2},
};

class RegionSounds : public RegionTest, public ::testing::WithParamInterface<RegionCase> {
protected:
    void SetUp() override {
        regionScene_ = GetParam().scene;
        RegionTest::SetUp();
        ASSERT_TRUE(driver_.SetField("questSet", std::to_string(GetParam().questSet)));
    }
    void Enter(int32_t area) {
        EnterArea(area, 200, -600);
        RunFrames(40);  // past the arrival's own sound
    }
    uint32_t Played(AreaSound sound) { return Area().soundsPlayed[static_cast<size_t>(sound)]; }
    // Steers onto the first pickup lying about, the button held, until it is
    // taken; false when none lay or the ship did not get it.
    bool CollectADrop() {
        const BattleEngine& engine = Engine();
        int slot = -1;
        for (int p = 0; p < kPickupSlots && slot < 0; ++p)
            if (engine.pickup.active[p]) slot = p;
        if (slot < 0) return false;
        driver_.SteerToward(engine.pickup.x[slot] + 8, engine.pickup.y[slot] + 8, 600);
        driver_.PressButton(0);
        for (int frame = 0; frame < 600 && engine.pickup.active[slot]; ++frame) RunFrames(1);
        driver_.SteerToward(0, 0, 0);
        driver_.ReleaseButton(0);
        RunFrames(1);
        return !engine.pickup.active[slot];
    }
};
INSTANTIATE_TEST_SUITE_P(BothRegions, RegionSounds, ::testing::ValuesIn(kRegions),
                         [](const ::testing::TestParamInfo<RegionCase>& info) { return info.param.name; });

TEST_P(RegionSounds, AnEscapeSoundsTheModulatorOnEachFrameOfItsFirstStep) {
    Enter(GetParam().quietArea);
    Tap(key::kF1);
    ExpectTheModulatorOnTheFirstStepOnly(Engine(), [&] { RunFrames(1); }, [&] { return Played(AreaSound::Modulator); });
}

// Particle Shields' overlay is the sixth of the battle view's seven: a zing;
// Robot Protection's, drawn over the escort, is the first: the crash.
TEST_P(RegionSounds, ParticleShieldsZingAndRobotProtectionCrashes) {
    Enter(GetParam().quietArea);
    Learn(State(), kSkillParticleShields, 50);
    Learn(State(), kSkillRobotProtection, 50);
    Tap(key::kF2);
    RunFrames(30);
    ASSERT_NE(Engine().skillValues[kSkillParticleShields], 0u);
    EXPECT_GE(Played(AreaSound::Explosion), 1u) << "the shields' zing";
    EXPECT_EQ(Played(AreaSound::BigExplosion), 0u) << "no crash without the first overlay";

    ASSERT_TRUE(EscortInView(App(), [&] { RunFrames(1); }));
    Tap(key::kF8);
    RunFrames(30);
    EXPECT_GE(Played(AreaSound::BigExplosion), 1u) << "the protection's crash";
}

TEST_P(RegionSounds, ACollectedDropClinks) {
    ASSERT_TRUE(driver_.SetField("weaponPositions", "1*5"));
    ASSERT_TRUE(driver_.SetField("weaponDamage", "400*5"));
    ASSERT_TRUE(driver_.SetField("shipArmor", "200000"));
    ASSERT_TRUE(driver_.SetField("shipArmorMax", "200000"));
    ASSERT_TRUE(driver_.SetField("goodiesBonus", "120"));  // every kill leaves a drop
    record_exchange::SeedEngine(Engine(), State());
    Enter(GetParam().waveArea);
    const uint32_t drops = Played(AreaSound::DropCollected);
    bool collected = false;
    for (int round = 0; round < 6 && !collected; ++round) {
        ASSERT_GE(Fight(1), 1);
        collected = CollectADrop();
    }
    ASSERT_TRUE(collected) << "a kill left a drop and the ship took it";
    // A level-up's accent holds the battle sounds back a while.
    for (int frame = 0; frame < 300 && (Panel().accentTimer != 0 || State().questJingle != 0); ++frame) RunFrames(1);
    RunFrames(1);
    EXPECT_GE(Played(AreaSound::DropCollected), drops + 1);
    EXPECT_EQ(Played(AreaSound::Pick), 0u);
    EXPECT_EQ(Engine().pickupEvent, 0);
}

class HomeBaseSounds : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver.NewGameToHomeBase());
        driver.RunFrames(40);
    }
    GameState& State() { return *driver.App().gameState; }
    BattleEngine& Engine() { return *driver.App().battleEngine; }
    uint32_t Played(AreaSound sound) {
        return driver.SceneAs<HomeBaseScene>(SceneId::HomeBase).Session().soundsPlayed[static_cast<size_t>(sound)];
    }
    GameDriver driver;
};

TEST_F(HomeBaseSounds, AnEscapeSoundsTheModulatorOnEachFrameOfItsFirstStep) {
    driver.TapKey(key::kF1);
    ExpectTheModulatorOnTheFirstStepOnly(Engine(), [&] { driver.RunFrames(1); },
                                         [&] { return Played(AreaSound::Modulator); });
}

TEST_F(HomeBaseSounds, ParticleShieldsZingAndRobotProtectionCrashes) {
    Learn(State(), kSkillParticleShields, 50);
    Learn(State(), kSkillRobotProtection, 50);
    driver.TapKey(key::kF2);
    driver.RunFrames(30);
    ASSERT_NE(Engine().skillValues[kSkillParticleShields], 0u);
    EXPECT_GE(Played(AreaSound::Explosion), 1u) << "the shields' zing";
    EXPECT_EQ(Played(AreaSound::BigExplosion), 0u);

    ASSERT_TRUE(EscortInView(driver.App(), [&] { driver.RunFrames(1); }));
    driver.TapKey(key::kF8);
    driver.RunFrames(30);
    EXPECT_GE(Played(AreaSound::BigExplosion), 1u) << "the protection's crash";
}
}  // namespace
