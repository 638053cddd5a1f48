#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "screen_test_support.h"
#include "screens/construct_screen.h"

namespace {

constexpr int kKinds = ConstructScreen::kKinds;

// The Construct Buildings scene's side, over a small record of its own:
// construction costs and steps, building material and the building count.
class ConstructTest : public ClockedTest {
protected:
    void SetUp() override {
        ClockedTest::SetUp();
        std::fill(std::begin(costs), std::end(costs), 200u);
        std::fill(std::begin(steps), std::end(steps), 200u);
    }
    // A visit: a new screen with the record copied in (a Yes ends the visit).
    void Open(uint32_t discount = 0, uint32_t atBase = 1) {
        screen.~ConstructScreen();
        new (&screen) ConstructScreen();
        std::copy(std::begin(steps), std::end(steps), screen.steps);
        screen.atBase = atBase;
        screen.material = material;
        screen.buildingCount = count;
        std::copy(std::begin(costs), std::end(costs), screen.costs);
        screen.constructionDiscount = discount;
        screen.ApplyDiscount();
        screen.textsDirty = 1;
        screen.ApplyConstruction();
    }
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        if (screen.Click(x, y, mouse.Device())) screen.clickedThisFrame = 1;
        if (MouseButtonsUp(mouse.Device())) screen.Rearm();
        const uint8_t code = screen.clickCode;
        if (code >= 1 && code <= 19 && MouseButtonsReleased(mouse.Device())) {
            screen.CheckCost(material);
            if (code == ConstructScreen::kCodeYes) screen.proceedRequest = 1;
            if (code == ConstructScreen::kCodeNo) screen.cancelRequest = 1;
            screen.hoverCode = screen.clickCode = 0;
        }
        if (screen.proceedRequest) Proceed();
        if (screen.cancelRequest) {
            screen.cancelRequest = 0;
            screen.chosen = 0;
        }
        screen.Animate();
    }
    void Proceed() {
        screen.proceedRequest = 0;
        placedKind = screen.chosen;
        material -= screen.chosenCost;
        refund = screen.chosenCost;
        std::copy(std::begin(costs), std::end(costs), screen.costs);
        screen.constructionDone = 1;
        screen.ApplyConstruction();
        std::copy(std::begin(screen.costs), std::end(screen.costs), costs);
        std::copy(std::begin(screen.steps), std::end(screen.steps), steps);
        screen.ApplyDiscount();
        screen.textsDirty = 1;
        screen.ApplyConstruction();
        ++count;
        ++screen.buildingCount;
    }
    void Click(int x, int y, int button = kLeft) { ClickThrough(mouse, button, [&] { Frame(x, y); }); }
    // The tile of a kind, and the answers of the question.
    void ClickTile(int kind, int button = kLeft) { Click(100 + 200 * (kind % 4), 150 + 180 * (kind / 4), button); }
    void Yes() { Click(330, 350); }
    void No() { Click(445, 350); }

    TestMouse mouse;
    ConstructScreen screen;
    uint32_t costs[kKinds];
    uint32_t steps[kKinds];
    uint32_t material = 10000;
    uint32_t count = 3;
    uint32_t refund = 0;
    uint8_t placedKind = 0;
};

TEST_F(ConstructTest, ShipAndRobotRepairReadEachOthersCostSlot) {
    costs[2] = 500;
    costs[3] = 300;
    material = 400;
    Open();
    EXPECT_STREQ(screen.costTexts[ConstructionCostSlot(kShipRepair)], "300");
    ClickTile(kShipRepair);
    EXPECT_EQ(screen.chosen, kShipRepair + 1);
    EXPECT_EQ(screen.chosenCost, 300u);
    No();
    EXPECT_EQ(screen.chosen, 0);
    ClickTile(kRobotRepair);
    EXPECT_EQ(screen.chosen, 0);
    EXPECT_EQ(screen.notEnoughTimer, 1) << "Robot Repair costs the 500 of slot 2";
}

TEST_F(ConstructTest, EachConstructionGrowsTheKindsCostByItsRisingStep) {
    struct Step {
        int kind;
        int costSlot, stepSlot;
        uint32_t cost, step, materialLeft;
    };
    const Step builds[] = {
        {kShipRepair, 3, 2, 400, 400, 9800},
        {kShipRepair, 3, 2, 800, 600, 9400},
        {kStorage, 0, 0, 400, 400, 9200},
        {kShipRepair, 3, 2, 1400, 800, 8400},
        {kRobotRepair, 2, 3, 400, 400, 8200},
    };
    uint32_t built = count;
    for (const Step& build : builds) {
        SCOPED_TRACE(testing::Message() << "kind " << build.kind);
        Open();
        ClickTile(build.kind);
        Yes();
        EXPECT_EQ(placedKind, build.kind + 1);
        EXPECT_EQ(costs[build.costSlot], build.cost);
        EXPECT_EQ(steps[build.stepSlot], build.step);
        EXPECT_EQ(material, build.materialLeft);
        EXPECT_EQ(count, ++built);
        EXPECT_EQ(std::to_string(build.cost), screen.costTexts[build.costSlot]);
    }
    EXPECT_EQ(refund, 200u) << "the last one paid";
    EXPECT_EQ(costs[1], 200u);
}

TEST_F(ConstructTest, TheDiscountLowersWhatIsShownAndPaidNotWhatGrows) {
    material = 1000;
    Open(150);
    EXPECT_STREQ(screen.costTexts[0], "50");
    ClickTile(kStorage);
    EXPECT_EQ(screen.chosenCost, 50u);
    Yes();
    EXPECT_EQ(material, 950u);
    EXPECT_EQ(costs[0], 400u);
    EXPECT_STREQ(screen.costTexts[0], "250");

    Open(5000);
    ClickTile(kStorage);
    EXPECT_EQ(screen.chosenCost, 0u) << "never below 0";

    material = costs[0];
    Open();
    ClickTile(kStorage);
    Yes();
    EXPECT_EQ(material, 0u) << "a cost equal to the material is affordable";
}

TEST_F(ConstructTest, AwayFromBaseATileChoosesNothing) {
    Open(0, /*atBase=*/3);
    ClickTile(kStorage);
    EXPECT_EQ(screen.chosen, 0);
    EXPECT_EQ(screen.notAtBaseTimer, 1);
    EXPECT_EQ(material, 10000u);
}

TEST_F(ConstructTest, ARightClickShowsTheKindsHelpOnlyWhileHeld) {
    Open();
    Frame(500, 300);
    mouse.Press(kRight);
    Frame(500, 300);
    EXPECT_EQ(screen.kindHelpHeld[6], 1);
    mouse.Release(kRight);
    Frame(500, 300);
    EXPECT_EQ(screen.kindHelpHeld[6], 0);
    EXPECT_EQ(screen.chosen, 0) << "a right click never opens the question";
}

TEST_F(ConstructTest, TheOpenQuestionTakesTheMouse) {
    Open();
    ClickTile(kStorage);
    ASSERT_EQ(screen.chosen, 1);
    for (int kind = 0; kind < kKinds; ++kind) {
        Frame(100 + 200 * (kind % 4), 150 + 180 * (kind / 4));
        EXPECT_EQ(screen.hoverCode, 0) << "tile " << kind;
    }
    Frame(400, 20);
    EXPECT_EQ(screen.hoverCode, 0) << "top bar";
    Frame(330, 350);
    EXPECT_EQ(screen.hoverCode, ConstructScreen::kCodeYes);
    No();
    Frame(100, 150);
    EXPECT_EQ(screen.hoverCode, 1);
}

}  // namespace
