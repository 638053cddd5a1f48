#include <gtest/gtest.h>

#include <memory>

#include "battle/battle_engine.h"

namespace {

// The ship's box on screen is (368, 310) - (432, 374); the camera at (50, -500).
constexpr int32_t kCamX = 50;
constexpr int32_t kCamY = -500;
constexpr int32_t kShipLeft = 368;
constexpr int32_t kShipTop = 310;

class Touching : public ::testing::Test {
protected:
    void SetUp() override { engine = std::make_unique<BattleEngine>(); }
    void Collect() {
        engine->CollectPickups(kCamX, kCamY, &gold, &crystal, &favors, &shipMaterial, &buildingMaterial,
                               &robotMaterial);
    }
    int AddPickupOnScreen(int32_t screenX, int32_t screenY, uint8_t kind, int32_t value) {
        return engine->AddPickup(screenX + kCamX, screenY + kCamY, kind, value);
    }

    std::unique_ptr<BattleEngine> engine;
    uint32_t gold = 0, crystal = 0, favors = 0, shipMaterial = 0, buildingMaterial = 0, robotMaterial = 0;
};

TEST_F(Touching, PickupEdgesAreStrict) {
    const struct {
        int32_t x, y;
        bool collected;
    } rows[] = {
        {kShipLeft - 16, kShipTop + 10, false},  // far edge on the ship's near edge
        {kShipLeft - 15, kShipTop + 10, true},
        {kShipLeft + 64, kShipTop + 10, false},  // near edge on the ship's far edge
        {kShipLeft + 63, kShipTop + 10, true},
        {kShipLeft + 10, kShipTop - 16, false},
        {kShipLeft + 10, kShipTop + 63, true},
        {kShipLeft + 10, kShipTop + 64, false},
    };
    for (const auto& r : rows) {
        engine = std::make_unique<BattleEngine>();
        AddPickupOnScreen(r.x, r.y, kPickupGold, 10);
        Collect();
        EXPECT_EQ(engine->pickup.active[0], r.collected ? 0 : 1) << r.x << "," << r.y;
        EXPECT_EQ(engine->pickupEvent, r.collected ? 1 : 0) << r.x << "," << r.y;
    }
}

TEST_F(Touching, EachKindCreditsItsResourceWithItsBonus) {
    engine->goldBonus = 20;
    engine->crystalBonus = 1;
    engine->favorsBonus = 2;
    engine->shipMaterialBonus = 3;
    engine->robotMaterialBonus = 4;
    engine->buildingMaterialBonus = 5;
    for (uint8_t kind = 0; kind < 6; ++kind) AddPickupOnScreen(kShipLeft + 10 + kind, kShipTop + 10, kind, 10);
    Collect();
    EXPECT_EQ(gold, 30u);
    EXPECT_EQ(crystal, 11u);
    EXPECT_EQ(favors, 12u);
    EXPECT_EQ(shipMaterial, 13u);
    EXPECT_EQ(robotMaterial, 14u);
    EXPECT_EQ(buildingMaterial, 15u);
    EXPECT_EQ(engine->pickup.value[0], 30) << "the raised value is kept";
    EXPECT_EQ(engine->floatingText.value[0], 30);
    EXPECT_EQ(engine->floatingText.x[0], kShipLeft + 10 + kCamX);
    EXPECT_EQ(engine->floatingText.y[0], kShipTop + 10 + kCamY - 30);
    EXPECT_EQ(engine->floatingText.timer[0], 1);
}

TEST_F(Touching, EleventhTextReusesTheFirstSlot) {
    for (int k = 0; k < 11; ++k) {
        AddPickupOnScreen(kShipLeft + 10, kShipTop + 10, kPickupGold, 100 + k);
        Collect();
    }
    EXPECT_EQ(engine->floatingText.value[0], 110);
    EXPECT_EQ(engine->floatingText.value[1], 101);
    EXPECT_EQ(engine->floatingText.value[9], 109);
    EXPECT_EQ(engine->floatingText.nextIndex, 1);
    EXPECT_EQ(gold, 1155u);
}

TEST_F(Touching, QuestItemsOnlyWhenEnabledAndShown) {
    for (int i = 0; i < 3; ++i) {
        engine->questItem.kind[i] = 1;
        engine->questItem.x[i] = kShipLeft + 20 + kCamX;
        engine->questItem.y[i] = kShipTop + 20 + kCamY;
    }
    Collect();
    EXPECT_EQ(engine->questItem.kind[0], 1) << "table off";
    engine->questItem.enabled = 1;
    Collect();
    EXPECT_EQ(engine->questItem.kind[0], 1) << "never drawn";
    engine->questItem.shown[0] = engine->questItem.shown[2] = 1;
    Collect();
    EXPECT_EQ(engine->questItem.kind[0], 0);
    EXPECT_EQ(engine->QuestDoneEvent, 1);
    EXPECT_EQ(engine->questItem.kind[2], 0);
    engine->QuestDoneEvent = 0;
    engine->questItem.shown[1] = 1;
    Collect();
    EXPECT_EQ(engine->QuestDoneEvent, 5);
    // Item 2 only vanished: no event of its own.
    engine->questItem.kind[2] = 4;
    engine->questItem.shown[2] = 1;
    engine->QuestDoneEvent = 0;
    Collect();
    EXPECT_EQ(engine->QuestDoneEvent, 0);
    EXPECT_EQ(engine->questItem.kind[2], 0);
}

TEST_F(Touching, PortalEdgesAreInclusive) {
    const struct {
        int32_t x, y;
        bool touched;
    } rows[] = {
        {kShipLeft - 64, kShipTop, true},  // far edge exactly on the ship's near edge
        {kShipLeft - 65, kShipTop, false}, {kShipLeft + 64, kShipTop, true},  // near edge exactly on the ship's far
                                                                              // edge
        {kShipLeft + 65, kShipTop, false}, {kShipLeft, kShipTop + 64, true}, {kShipLeft, kShipTop - 65, false},
    };
    for (const auto& r : rows) {
        engine->portal.exists[2] = 1;
        engine->portal.x[2] = r.x + kCamX;
        engine->portal.y[2] = r.y + kCamY;
        engine->menuChoice = 3;
        engine->TestPortals(kCamX, kCamY, 0, 0);
        EXPECT_EQ(engine->portal.touched[2], r.touched ? 1 : 0) << r.x << "," << r.y;
        EXPECT_EQ(engine->anyPortalTouched, r.touched ? 1 : 0);
        EXPECT_EQ(engine->menuChoice, r.touched ? 3 : 0);
    }
    // A portal that does not exist keeps its flag and never counts.
    engine->portal.exists[2] = 0;
    engine->portal.touched[2] = 1;
    engine->portal.touched[4] = 1;
    engine->TestPortals(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->portal.touched[4], 1);
    EXPECT_EQ(engine->anyPortalTouched, 0);
}

TEST_F(Touching, KilledEnemyDropIsPickedUpWithTheBonus) {
    // An enemy right beside the ship dies to a shot and drops gold.
    const int32_t ex = kShipLeft + 20 + kCamX, ey = kShipTop + 20 + kCamY;
    engine->enemy.active[0] = 1;
    engine->enemy.x[0] = ex;
    engine->enemy.y[0] = ey;
    engine->enemy.w[0] = engine->enemy.h[0] = 32;
    engine->enemy.armor[0] = 3;
    engine->enemy.reward[0] = 40;
    engine->dropRoll = 1;
    engine->dropKindRoll = 1;
    engine->goldBonus = 7;
    engine->AddPlayerShot(ex + 5, ey + 5, 8, 8, 0, 8, 0, 0, 5, 0);
    uint32_t experience = 100, shields = 0, armor = 50;
    engine->shipArmor = armor;
    engine->ResolveCombat(kCamX, kCamY, &experience, &shields, &armor);
    EXPECT_EQ(experience, 140u);
    ASSERT_EQ(engine->pickup.active[0], 1);
    Collect();
    EXPECT_EQ(gold, 17u);
    EXPECT_EQ(engine->pickup.active[0], 0);
}

}  // namespace
