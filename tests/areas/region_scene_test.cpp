// The battle regions' frame: arrival and re-entry, skills, level-ups, the
// emergency escape, the camera's lean and the event sounds; what the two
// regions share runs in both.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "areas/area_session.h"

#include "areas/area_sounds.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"

namespace {
uint32_t Plays(AreaSession& area, AreaSound sound) { return area.soundsPlayed[static_cast<int>(sound)]; }

// The frame is the same in both regions: each runs the shared tests in an
// area without waves of its own shape.
struct RegionCase {
    const char* name;
    SceneId scene;
    int32_t area;
    uint32_t location;
    int32_t jumpViewY;  // where an escape's jump from view y -600 lands
};
void PrintTo(const RegionCase& region, std::ostream* out) { *out << region.name; }

constexpr RegionCase kRegions[] = {
    {"EarthSystem", SceneId::EarthSystem, 2, 2, -1600},
    {"Invasions", SceneId::Invasions, 6, 3, -536},  // a hub: every jump ends at the y max
};

class SkillTest : public RegionTest, public ::testing::WithParamInterface<RegionCase> {
protected:
    void SetUp() override {
        regionScene_ = GetParam().scene;
        RegionTest::SetUp();
        EnterArea(GetParam().area, 200, -600);
        RunFrames(2);
    }
    void Learn(int skill, uint32_t cost, uint32_t benefit) {
        State().skillLevels[skill] = 1;
        State().skillEnergyCosts[skill] = static_cast<uint8_t>(cost);
        State().skillBenefits[skill] = benefit;
    }
    void Click(int button) {
        driver_.PressButton(button);
        RunFrames(1);
        driver_.ReleaseButton(button);
        RunFrames(1);
    }
};
INSTANTIATE_TEST_SUITE_P(BothRegions, SkillTest, ::testing::ValuesIn(kRegions),
                         [](const ::testing::TestParamInfo<RegionCase>& info) { return info.param.name; });
}  // namespace

TEST_F(RegionTest, FreshArrivalClearsTheAreaAndSoundsOnceAReturnKeepsEverythingQuietly) {
    EnterArea(2, 200, -600);
    ASSERT_EQ(App().sceneFrame, SceneId::EarthSystem);
    EXPECT_EQ(State().location, 2u);
    EXPECT_EQ(State().questSet, 1u);
    RunFrames(3);
    EXPECT_EQ(Plays(Area(), AreaSound::Arrival), 1u);

    // Something to keep: an enemy far away, a shot, a pickup, a fired wave.
    BattleEngine& engine = Engine();
    engine.enemy.active[7] = 1;
    engine.enemy.x[7] = 1500;
    engine.enemy.y[7] = -4000;
    engine.enemy.armor[7] = 1000;
    engine.enemy.spawnArmor[7] = 1000;
    engine.enemyShot.active[3] = 1;
    engine.enemyShot.x[3] = 100;
    engine.enemyShot.y[3] = -500;
    engine.pickup.active[2] = 1;
    engine.pickup.x[2] = 1500;
    engine.pickup.y[2] = -4000;
    engine.waveFired[0] = 1;

    Tap(key::kY);
    RunFrames(1);
    ASSERT_EQ(App().sceneFrame, SceneId::YourShip);
    Tap(key::kEscape);
    ASSERT_TRUE(driver_.RunUntilScene(SceneId::EarthSystem, 5));
    RunFrames(3);
    EXPECT_EQ(engine.enemy.active[7], 1);
    EXPECT_EQ(engine.enemyShot.active[3], 1);
    EXPECT_EQ(engine.pickup.active[2], 1);
    EXPECT_EQ(engine.waveFired[0], 1);
    EXPECT_EQ(State().returnedFromScreen, 0);
    EXPECT_EQ(Plays(Area(), AreaSound::Arrival), 1u) << "no arrival sound on a return";

    // A fresh arrival clears them, and the ship's own shots.
    engine.playerShot.active[5] = 1;
    engine.playerShot.x[5] = 300;
    engine.playerShot.y[5] = -500;
    App().SwitchScene(SceneId::EarthSystem);
    RunFrames(1);
    EXPECT_EQ(engine.enemy.active[7], 0);
    EXPECT_EQ(engine.enemyShot.active[3], 0);
    EXPECT_EQ(engine.pickup.active[2], 0);
    EXPECT_EQ(engine.playerShot.active[5], 0);
    EXPECT_EQ(engine.waveFired[0], 0) << "the hub's waves may come again";
    RunFrames(2);
    EXPECT_EQ(Plays(Area(), AreaSound::Arrival), 2u);
}

TEST_P(SkillTest, BackspaceOpensSaveAndQuitWithTheRegionAsLocation) {
    State().location = 0;
    Tap(key::kBack);
    EXPECT_EQ(App().sceneFrame, SceneId::SaveQuit);
    EXPECT_EQ(State().location, GetParam().location);
    Tap(key::kN);
    ASSERT_TRUE(driver_.RunUntilScene(GetParam().scene, 5));
    EXPECT_EQ(Backdrop().areaNumber, GetParam().area);
}

TEST_P(SkillTest, PaidSkillsNeedTheSkillAndTheEnergy) {
    GameState& state = State();
    state.skillLevels[kSkillHardShields] = 0;
    state.energy = 100;
    Tap(key::kF3);
    EXPECT_EQ(Panel().noSkillTimer, 1);
    EXPECT_EQ(state.energy, 100u);

    Learn(kSkillHardShields, 30, 77);
    state.energy = 29;
    Panel().noSkillTimer = 0;
    Tap(key::kF3);
    EXPECT_EQ(Panel().noEnergyTimer, 1);
    EXPECT_EQ(Panel().noSkillTimer, 0);
    EXPECT_EQ(state.energy, 29u);
    EXPECT_NE(Engine().skillValues[kSkillHardShields], 77);

    state.energy = 30;
    Tap(key::kF3);
    EXPECT_EQ(state.energy, 0u);
    EXPECT_EQ(Engine().skillValues[kSkillHardShields], 77);
    EXPECT_EQ(Engine().skillFullCharges[kSkillHardShields], 77);
    EXPECT_EQ(state.skillCharges[kSkillHardShields], 77u);

    // Hard Shields last only while the ship's shields do.
    RunFrames(1);
    EXPECT_EQ(state.skillCharges[kSkillHardShields], 77u);
    state.shipShields = 0;
    RunFrames(1);
    EXPECT_EQ(state.skillCharges[kSkillHardShields], 0u);
    EXPECT_EQ(Engine().skillValues[kSkillHardShields], 0);
}

TEST_P(SkillTest, ExtraArmorIsForTheBaseAndControlF3OnlySelectsTheQuickSkill) {
    Learn(kSkillExtraArmor, 5, 10);
    State().energy = 50;
    Tap(key::kF6);
    EXPECT_EQ(Panel().notAtBaseTimer, 1);
    EXPECT_EQ(State().energy, 50u);

    Learn(kSkillHardShields, 30, 77);
    driver_.PressKey(key::kLeftControl);
    RunFrames(1);
    Tap(key::kF3);
    driver_.ReleaseKey(key::kLeftControl);
    RunFrames(1);
    EXPECT_EQ(Engine().quickSkill, 3);
    EXPECT_EQ(State().energy, 50u) << "selecting does not pay";
}

TEST_P(SkillTest, ExplosionsWaitForTheirRingAndArmageddonForItsCountdown) {
    Learn(kSkillElectronExplosion, 10, 0);
    Learn(kSkillArmageddon, 10, 0);
    State().energy = 100;
    RunFrames(30);  // past the arrival's own sound, which holds the battle's back
    const uint32_t rings = Plays(Area(), AreaSound::RingOne);
    Tap(key::kF9);
    EXPECT_EQ(State().energy, 90u);
    EXPECT_NE(Engine().ring[0].state, 0);
    EXPECT_EQ(Plays(Area(), AreaSound::RingOne), rings + 1);
    Tap(key::kF9);
    EXPECT_EQ(State().energy, 90u) << "the ring still runs";
    EXPECT_EQ(Plays(Area(), AreaSound::RingOne), rings + 1);
    Tap(key::kF12);
    EXPECT_EQ(State().energy, 80u);
    EXPECT_NE(Engine().armageddonTimeline, 0);
    Tap(key::kF12);
    EXPECT_EQ(State().energy, 80u) << "the countdown still runs";
    // The blow's sound comes once in the whole countdown.
    for (int frame = 0; frame < 300 && Engine().armageddonTimeline != 0; ++frame) RunFrames(1);
    EXPECT_EQ(Plays(Area(), AreaSound::Armageddon), 1u);
}

TEST_P(SkillTest, EscapeStartsAtAnyEnergyAndReturnsWhileChargesLast) {
    State().energy = 0;
    State().skillLevels[kSkillEmergencyEscape] = 0;
    State().skillCharges[kSkillEmergencyEscape] = 2;
    Engine().skillValues[kSkillEmergencyEscape] = 2;
    ASSERT_EQ(Backdrop().viewY, -600);
    Tap(key::kF1);
    EXPECT_NE(Engine().emergencyEscape, 0) << "no level or energy asked";
    for (int frame = 0; frame < 400 && Engine().emergencyEscape != 0; ++frame) RunFrames(1);
    EXPECT_EQ(App().sceneFrame, GetParam().scene);
    EXPECT_EQ(State().skillCharges[kSkillEmergencyEscape], 1u);
    EXPECT_EQ(Engine().shipX, 368);
    EXPECT_EQ(Engine().shipY, 310);
    EXPECT_EQ(Backdrop().viewY, GetParam().jumpViewY) << "the ship comes back elsewhere in the area";

    // With the last charge the first flight ends at the home base.
    Tap(key::kF1);
    for (int frame = 0; frame < 400 && App().sceneFrame == GetParam().scene; ++frame) RunFrames(1);
    EXPECT_EQ(App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(State().skillCharges[kSkillEmergencyEscape], 0u);
    EXPECT_EQ(Panel().travelled, 1);
}

TEST_P(SkillTest, AnEscapeWithoutChargesGoesHomeAndTheChargeStaysAtZero) {
    State().skillCharges[kSkillEmergencyEscape] = 0;
    Engine().skillValues[kSkillEmergencyEscape] = 0;
    Tap(key::kF1);
    for (int frame = 0; frame < 400 && App().sceneFrame == GetParam().scene; ++frame) RunFrames(1);
    EXPECT_EQ(App().sceneFrame, SceneId::HomeBase);
    EXPECT_EQ(State().skillCharges[kSkillEmergencyEscape], 0u);
    EXPECT_EQ(Engine().skillValues[kSkillEmergencyEscape], 0);
}

TEST_P(SkillTest, ARightClickOnTheSkillBarChoosesTheQuickSkillWithoutUsingTheOldOne) {
    Learn(kSkillParticleShields, 10, 50);
    Learn(kSkillHardShields, 10, 77);
    State().energy = 100;
    PointAt(690, 565);  // "Show Skills"
    Click(0);
    ASSERT_EQ(Panel().skillBarShown, 1);
    driver_.PressKey(key::kLeftControl);
    RunFrames(1);
    Tap(key::kF3);
    driver_.ReleaseKey(key::kLeftControl);
    RunFrames(1);
    ASSERT_EQ(Engine().quickSkill, 3);

    PointAt(136 + 44 + 20, 548);  // the F2 cell
    Click(1);
    EXPECT_EQ(Engine().quickSkill, 2);
    EXPECT_EQ(State().energy, 100u) << "neither the old quick skill nor the new one was used";

    PointAt(400, 200);  // a right click over the battle uses it, once
    Click(1);
    RunFrames(3);
    EXPECT_EQ(State().energy, 90u);
    EXPECT_EQ(Engine().skillValues[kSkillParticleShields], 50);
    EXPECT_NE(Engine().skillValues[kSkillHardShields], 77);
}

TEST(CameraLean, RightBeforeLeftUpBeforeDownAndNoneWithoutAShift) {
    struct Case {
        int32_t right, left, up, down;
        float x, z;
    };
    constexpr Case kCases[] = {
        {0, 36, 0, 0, 1.0f, -1.0f},    {36, 72, 0, 0, -1.0f, -1.0f}, {0, 0, 36, 72, 0.0f, 0.0f},
        {0, 0, 0, 36, 0.0f, -2.0f},    {0, 72, 0, 36, 2.0f, -2.0f},  {72, 0, 36, 0, -2.0f, 0.0f},
    };
    for (const Case& c : kCases) {
        const std::optional<CameraLean> lean = LeanForShipShifts(c.right, c.left, c.up, c.down);
        ASSERT_TRUE(lean.has_value());
        EXPECT_NEAR(lean->x, c.x, 1e-4f) << c.right << " " << c.left << " " << c.up << " " << c.down;
        EXPECT_NEAR(lean->z, c.z, 1e-4f) << c.right << " " << c.left << " " << c.up << " " << c.down;
    }
    EXPECT_FALSE(LeanForShipShifts(0, 0, 0, 0).has_value()) << "the camera keeps its aim";
}

// Flown against the area's left edge, the ship is pushed off centre and the
// camera leans after it by 1/36 a pixel.
TEST_F(RegionTest, TheCameraLeansAfterAShipPushedPastTheAreasEdge) {
    EnterArea(2, -64, -600);
    RunFrames(2);
    const Camera& camera = *App().sceneCamera;
    EXPECT_FLOAT_EQ(camera.x, 0.0f) << "centred, the camera keeps its aim";
    PointAt(20, 300);
    driver_.PressButton(0);
    RunFrames(40);
    driver_.ReleaseButton(0);
    RunFrames(2);
    const int32_t left = Engine().offsetLeft;
    ASSERT_GT(left, 36) << "the ship was pushed past the edge";
    EXPECT_EQ(Engine().offsetRight, 0);
    RunFrames(1);
    EXPECT_NEAR(camera.x, static_cast<float>(left) / 36.0f, 0.01f);
    EXPECT_NEAR(camera.z, -1.0f, 0.01f);
}

// The home base's rule: with both horizontal shifts set the left one decides.
TEST(CameraLean, ALeftFirstRuleLetsTheLeftShiftDecide) {
    constexpr LeanRule kLeftFirst = {LeanFirst::Left, 1.0f / 36.0f};
    const std::optional<CameraLean> both = LeanForShipShifts(36, 72, 0, 0, kLeftFirst);
    ASSERT_TRUE(both.has_value());
    EXPECT_NEAR(both->x, 2.0f, 1e-4f);
    const std::optional<CameraLean> right = LeanForShipShifts(36, 0, 0, 72, kLeftFirst);
    ASSERT_TRUE(right.has_value());
    EXPECT_NEAR(right->x, -1.0f, 1e-4f);
    EXPECT_NEAR(right->z, -3.0f, 1e-4f);
}

TEST(LevelThresholds, FirstThreeFixedThenAHundredTimesTheLevelMore) {
    EXPECT_EQ(NextLevelThreshold(0, 0), 250u);
    EXPECT_EQ(NextLevelThreshold(1, 250), 500u);
    EXPECT_EQ(NextLevelThreshold(2, 500), 800u);
    EXPECT_EQ(NextLevelThreshold(3, 800), 1100u);
    EXPECT_EQ(NextLevelThreshold(4, 1100), 1500u);
}

TEST_P(SkillTest, OneLevelAFrameWithItsPointsAndEnergy) {
    GameState& state = State();
    state.level = 0;
    state.nextLevelExperience = 0;
    state.experience = 600;  // past two thresholds at once
    const uint32_t energyMax = state.energyMax;
    const uint32_t skillPoints = state.skillPoints;
    const uint32_t awardPicks = state.awardPicks;
    RunFrames(1);
    EXPECT_EQ(state.level, 1u);
    EXPECT_EQ(state.nextLevelExperience, 250u);
    RunFrames(1);
    EXPECT_EQ(state.level, 2u);
    EXPECT_EQ(state.nextLevelExperience, 500u);
    RunFrames(1);
    EXPECT_EQ(state.level, 3u);
    EXPECT_EQ(state.nextLevelExperience, 800u);
    RunFrames(1);
    EXPECT_EQ(state.level, 3u) << "600 is short of 800";
    EXPECT_EQ(state.energyMax, energyMax + 30);
    EXPECT_EQ(state.skillPoints, skillPoints + 3);
    EXPECT_EQ(state.awardPicks, awardPicks + 3);
    EXPECT_EQ(Panel().skillsToChoose, state.skillPoints);
    EXPECT_EQ(Panel().awardsToChoose, state.awardPicks);
}

// An operational robot's shields come back a point every seven ticks of the
// panel (about a second), up to the record's maximum.
TEST_P(SkillTest, RobotShieldsRechargeAPointASecondUpToTheirMaximum) {
    ASSERT_TRUE(driver_.SetField("robotShieldsMax", "8 0*99"));
    BattleEngine& engine = Engine();
    ASSERT_EQ(engine.robot.active[0], 1) << "the new game's robot";
    engine.robot.shields[0] = 0;
    RunFrames(130);  // about two seconds
    EXPECT_GE(engine.robot.shields[0], 1u);
    EXPECT_LE(engine.robot.shields[0], 3u);
    RunFrames(420);  // past eight points
    EXPECT_EQ(engine.robot.shields[0], 8u);
}

TEST(AreaSoundVolume, TheSumIsHeldWithinTheChannelRange) {
    EXPECT_EQ(AreaSoundVolume(82, 20), 100) << "not wrapped round to 1";
    EXPECT_EQ(AreaSoundVolume(82, 0), 82);
    EXPECT_EQ(AreaSoundVolume(5, -10), 0);
    EXPECT_EQ(AreaSoundVolume(100, 11), 100);
}

TEST_P(SkillTest, AJingleWithMusicOffDoesNotHoldBackTheEventSounds) {
    RunFrames(30);  // the arrival sound's cool-down
    State().musicOn = 0;
    State().questJingle = 1;
    RunFrames(1);
    EXPECT_EQ(State().questJingle, 0);
    Engine().enemyFireEvent = 1;
    const uint32_t before = Plays(Area(), AreaSound::EnemyFire);
    RunFrames(1);
    EXPECT_EQ(Plays(Area(), AreaSound::EnemyFire), before + 1);
}

// The Quests button pressed and dragged off while held acts at once.
TEST_P(SkillTest, AScreenButtonActsWhenDraggedOff) {
    const uint32_t stamps = Plays(Area(), AreaSound::Stamp);
    PointAt(360, 585);
    driver_.PressButton(0);
    RunFrames(2);
    EXPECT_EQ(App().sceneFrame, GetParam().scene);
    PointAt(360, 300);
    driver_.ReleaseButton(0);
    EXPECT_EQ(App().sceneFrame, SceneId::Quests);
    EXPECT_EQ(Plays(Area(), AreaSound::Stamp), stamps + 1);
}

TEST_F(RegionTest, BoughtAlliesFollowTheShipInAndTheColonyKeepsItsPlace) {
    State().allyFlags[3] = 1;  // the first offer for quest 2, Moon Colony
    Engine().spawnAreaUnits = 1;
    EnterArea(8, 832, -644);
    BattleEngine& engine = Engine();
    ASSERT_EQ(engine.ally.exists[30], 1) << "the colony was placed";
    ASSERT_EQ(engine.ally.exists[0], 1) << "the bought ally came";
    EXPECT_EQ(engine.ally.x[0], 832 + engine.ally.offsetX[0] + 400);
    EXPECT_EQ(engine.ally.y[0], -644 + engine.ally.offsetY[0] + 300);
    EXPECT_NE(engine.ally.x[30], 832 + engine.ally.offsetX[30] + 400) << "quest units stay where their quest needs them";
    EXPECT_EQ(engine.allyFlags[3], 2);
    EXPECT_EQ(State().allyFlags[3], 1) << "the record's flags are never written back";
}
