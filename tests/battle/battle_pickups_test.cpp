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

TEST_F(Touching, TheShipSlidAtAnEdgeTouchesWhereItIsDrawn) {
    engine->offsetRight = 200;
    engine->offsetUp = 100;
    AddPickupOnScreen(kShipLeft + 10, kShipTop + 10, kPickupGold, 10);          // under the unslid ship
    AddPickupOnScreen(kShipLeft + 210, kShipTop - 90, kPickupCrystal, 10);      // under the drawn one
    Collect();
    EXPECT_EQ(engine->pickup.active[0], 1);
    EXPECT_EQ(engine->pickup.active[1], 0);
    EXPECT_EQ(gold + crystal, 10u);
    EXPECT_EQ(crystal, 10u);

    engine->portal.exists[0] = engine->portal.exists[1] = 1;
    engine->portal.x[0] = kShipLeft + kCamX;
    engine->portal.y[0] = kShipTop + 70 + kCamY;  // touches only the unslid ship
    engine->portal.x[1] = kShipLeft + 200 + 64 + kCamX;
    engine->portal.y[1] = kShipTop - 100 + kCamY;  // on the drawn ship's far edge
    engine->TestPortals(kCamX, kCamY, 0, 0);
    EXPECT_EQ(engine->portal.touched[0], 0);
    EXPECT_EQ(engine->portal.touched[1], 1);
}

TEST_F(Touching, EachKindCreditsItsResourceWithItsBonusAndShowsIt) {
    engine->goldBonus = 20;
    engine->crystalBonus = 1;
    engine->favorsBonus = 2;
    engine->shipMaterialBonus = 3;
    engine->robotMaterialBonus = 4;
    engine->buildingMaterialBonus = 5;
    for (uint8_t kind = 0; kind < 6; ++kind) AddPickupOnScreen(kShipLeft + 10 + kind, kShipTop + 10, kind, 10);
    Collect();
    const uint32_t credited[6] = {gold, crystal, favors, shipMaterial, robotMaterial, buildingMaterial};
    for (uint32_t k = 0; k < 6; ++k) EXPECT_EQ(credited[k], (k == 0 ? 30u : 10u + k)) << k;
    EXPECT_EQ(engine->pickup.value[0], 30) << "the raised value is kept";
    EXPECT_EQ(engine->floatingText.value[0], 30);
    EXPECT_EQ(engine->floatingText.x[0], kShipLeft + 10 + kCamX);
    EXPECT_EQ(engine->floatingText.y[0], kShipTop + 10 + kCamY - 30);
    EXPECT_EQ(engine->floatingText.timer[0], 1);
    // Ten text slots in turn: the eleventh pickup reuses the first.
    for (int k = 0; k < 5; ++k) {
        AddPickupOnScreen(kShipLeft + 10, kShipTop + 10, kPickupGold, 100 + k);
        Collect();
    }
    EXPECT_EQ(engine->floatingText.value[0], 124);
    EXPECT_EQ(engine->floatingText.value[9], 123);
    EXPECT_EQ(engine->floatingText.nextIndex, 1);
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
    EXPECT_EQ(engine->questItem.shown[0], 0);
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

}  // namespace
