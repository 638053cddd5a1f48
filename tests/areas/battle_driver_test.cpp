// The real game driven headless into the first region with scripted keys
// and mouse: the ship shoots three enemies down, flies over their drops and
// picks them up; experience and resources show in the game record's dump.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "battle/battle_engine.h"
#include "harness/game_driver.h"
#include "hud/area_backdrop.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {

// The first number of a "name = values" line of the dump.
uint32_t DumpValue(const std::string& dump, const std::string& name, int index = 0) {
    std::istringstream lines(dump);
    std::string line;
    const std::string head = name + " = ";
    while (std::getline(lines, line)) {
        if (line.rfind(head, 0) != 0) continue;
        std::istringstream values(line.substr(head.size()));
        std::string value;
        int at = 0;
        while (values >> value) {
            // Runs are written "value*count".
            const size_t star = value.find('*');
            const int count = star == std::string::npos ? 1 : std::stoi(value.substr(star + 1));
            if (index < at + count) return static_cast<uint32_t>(std::stoul(value.substr(0, star)));
            at += count;
        }
    }
    ADD_FAILURE() << name << " not in the dump";
    return 0;
}

std::string OutPath(const std::string& name) {
    const char* out = std::getenv("GAME_TEST_OUT");
    return std::string(out ? out : "/tmp") + "/" + name;
}

int LiveEnemies(const BattleEngine& engine) {
    int n = 0;
    for (int e = 0; e < kEnemySlots; ++e) n += engine.enemy.active[e];
    return n;
}

TEST(BattleDriver, ShipShootsEnemiesDownAndPicksUpTheirDrops) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    GameApp& app = driver.App();
    GameState& state = *app.gameState;
    state.NewGame();
    ASSERT_NE(app.battleEngine, nullptr);
    record_exchange::SeedNewAreaEngine(*app.battleEngine, state);

    // Into area 4 with the view resting in its lower part.
    if (!app.areaBackdrop) app.areaBackdrop = std::make_unique<AreaBackdrop>();
    app.areaBackdrop->areaNumber = 4;
    app.areaBackdrop->viewX = 800;
    app.areaBackdrop->viewY = -1000;
    state.currentArea = 4;
    app.SwitchScene(SceneId::EarthSystem);
    driver.RunFrames(3);
    ASSERT_EQ(app.sceneFrame, SceneId::EarthSystem);

    // A sturdy ship with one barrel, three still enemies straight above it
    // carrying drops, and the Electron Explosion learnt.
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    state.shipArmor = engine.shipArmor = 100000;
    state.shipShields = engine.shipShields = 1000;
    for (int b = 0; b < kBarrels; ++b) engine.barrelPresent[b] = 0;
    engine.barrelPresent[2] = 1;
    engine.barrelDamage[2] = 50;
    engine.volleySize = 1;
    engine.fireMode = 1;
    for (int e = 0; e < kEnemySlots; ++e) engine.enemy.active[e] = 0;
    const int32_t shipWorldX = engine.shipX + backdrop.viewX;
    const int32_t shipWorldY = engine.shipY + backdrop.viewY;
    const int32_t rewards[3] = {15, 20, 25};
    for (int e = 0; e < 3; ++e) {
        engine.enemy.active[e] = 1;
        engine.enemy.mobile[e] = 0;
        engine.enemy.art[e] = static_cast<uint8_t>(e);
        engine.enemy.w[e] = engine.enemy.h[e] = 32;
        engine.enemy.x[e] = shipWorldX + 12;
        engine.enemy.y[e] = shipWorldY - 150 - 60 * e;
        engine.enemy.armor[e] = 40;
        engine.enemy.reward[e] = rewards[e];
        engine.enemy.dropKind[e] = 1;  // a carried drop always lands
        engine.enemy.fireGroup[e] = 0;
    }
    state.skillLevels[kSkillElectronExplosion] = 1;
    state.skillEnergyCosts[kSkillElectronExplosion] = 1;
    state.energy = 100;

    const std::string before = driver.DumpState();
    const uint32_t experienceBefore = DumpValue(before, "experience");
    uint32_t resourcesBefore = 0;
    for (int k = 0; k < GameState::kResourceCount; ++k) resourcesBefore += DumpValue(before, "resources", k);

    // Space once every ten frames for four seconds; F9 sets off a ring.
    std::string script;
    const uint32_t start = driver.FrameNumber();
    for (uint32_t f = 0; f < 240; f += 10) {
        script += std::to_string(start + f + 1) + " key Space down\n";
        script += std::to_string(start + f + 3) + " key Space up\n";
    }
    script += std::to_string(start + 40) + " key F9 down\n" + std::to_string(start + 42) + " key F9 up\n";
    std::vector<DriverAction> actions;
    std::string error;
    ASSERT_TRUE(ParseDriverScript(script, actions, error)) << error;
    driver.AddActions(actions);

    bool pictured = false;
    for (int f = 0; f < 240; ++f) {
        driver.RunFrames(1);
        // The picture: shots in flight, an explosion, the ring and the radar.
        bool exploding = false;
        for (int k = 0; k < kKillExplosionSlots; ++k) exploding |= engine.killExplosion.frame[k] > 1;
        if (!pictured && exploding && engine.ring[0].state != 0 && engine.ring[0].drawScale > 0.7f) {
            ASSERT_TRUE(driver.Screenshot(OutPath("battle_driver_fight.png")));
            pictured = true;
        }
    }
    EXPECT_TRUE(pictured) << "an explosion while the ring grew";
    EXPECT_EQ(LiveEnemies(engine), 0) << "the three enemies were shot down";

    int drops = 0;
    for (int p = 0; p < kPickupSlots; ++p) drops += engine.pickup.active[p];
    EXPECT_EQ(drops, 3);

    // Fly up over the drops with the left button held.
    MouseCursor& cursor = *app.cursor;
    driver.MoveMouse(400 - cursor.x, 60 - cursor.y);
    driver.RunFrames(1);
    driver.PressButton(0);
    for (int f = 0; f < 300 && drops > 0; ++f) {
        driver.RunFrames(1);
        drops = 0;
        for (int p = 0; p < kPickupSlots; ++p) drops += engine.pickup.active[p];
    }
    driver.ReleaseButton(0);
    driver.RunFrames(1);
    EXPECT_EQ(drops, 0) << "every drop was picked up";

    const std::string after = driver.DumpState();
    EXPECT_GE(DumpValue(after, "experience"), experienceBefore + 15 + 20 + 25);
    uint32_t resourcesAfter = 0;
    for (int k = 0; k < GameState::kResourceCount; ++k) resourcesAfter += DumpValue(after, "resources", k);
    // Each carried drop is worth 100 plus the bonus of its kind.
    EXPECT_GE(resourcesAfter, resourcesBefore + 300);
    ASSERT_TRUE(driver.Screenshot(OutPath("battle_driver_collected.png")));
}

}  // namespace
