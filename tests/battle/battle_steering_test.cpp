#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "battle/battle_engine.h"

namespace {

constexpr int32_t kCentreX = 368 + 32;
constexpr int32_t kCentreY = 310 + 32;

class ShipSteering : public ::testing::Test {
protected:
    void SetUp() override {
        engine = std::make_unique<BattleEngine>();
        engine->AreaBounds[kBoundYMin] = -10000;
        engine->AreaBounds[kBoundYMax] = 0;
        engine->AreaBounds[kBoundXMin] = 0;
        engine->AreaBounds[kBoundXMax] = 2000;
    }

    // Steer toward the ship's centre plus (dx, dy).
    void SteerBy(int32_t dx, int32_t dy, uint8_t stepX = 0, uint8_t stepY = 0) {
        const int32_t left = engine->shipX + engine->offsetRight - engine->offsetLeft;
        const int32_t top = engine->shipY + engine->offsetDown - engine->offsetUp;
        engine->SteerShip(camX, camY, left + 32 + dx, top + 32 + dy, stepX, stepY);
    }

    std::unique_ptr<BattleEngine> engine;
    int32_t camX = 1000;
    int32_t camY = -5000;
};

struct HeadingCase {
    int32_t dx, dy;
    int heading;
};

}  // namespace

// ---- Headings from the mouse ----

TEST_F(ShipSteering, MouseOnTheCentreChangesNothing) {
    engine->heading = 20;
    engine->SteerShip(camX, camY, kCentreX, kCentreY, 9, 9);
    EXPECT_EQ(engine->heading, 20);
    EXPECT_EQ(engine->headingSet, 0);
    EXPECT_EQ(camX, 1000);
    EXPECT_EQ(camY, -5000);
    engine->SteerShip(camX, camY, kCentreX + 1, kCentreY - 1, 9, 9);
    EXPECT_EQ(engine->heading, 20);
    EXPECT_EQ(camX, 1000);
    EXPECT_EQ(camY, -5000);
    EXPECT_EQ(engine->steering, 1);
}

TEST_F(ShipSteering, MouseStraightAboveGivesHeadingZeroAndMovesUpOnly) {
    engine->heading = 30;
    SteerBy(0, -200, 7, 7);
    EXPECT_EQ(engine->heading, 0);
    EXPECT_EQ(engine->headingSet, 1);
    EXPECT_EQ(camX, 1000);
    EXPECT_EQ(camY, -5007);
    EXPECT_FLOAT_EQ(engine->slope, 10000.0f);
}

TEST_F(ShipSteering, SlopeThresholdsGiveTheQuadrantHeadings) {
    const HeadingCase cases[] = {
        // up and right: offset k
        {10, -161, 0}, {10, -160, 1}, {10, -60, 2}, {3, -10, 2}, {1000, -3333, 3}, {3, -7, 3},
        {1000, -2333, 4}, {100, -108, 7}, {100, -107, 8}, {100, -100, 8}, {100, -10, 15}, {160, -10, 16},
        // down and right: 32 - k
        {100, 100, 24}, {10, 161, 32}, {10, 160, 31}, {160, 10, 16}, {100, 10, 17},
        // down and left: 32 + k
        {-100, 100, 40}, {-10, 161, 32}, {-160, 10, 48}, {-100, 10, 47},
        // up and left: 0 for k = 0, else 64 - k
        {-100, -100, 56}, {-10, -161, 0}, {-10, -160, 63}, {-160, -10, 48}, {-100, -10, 49},
        // one axis only
        {0, -100, 0}, {0, 100, 32}, {100, 0, 16}, {-100, 0, 48}, {1, -100, 0}, {-100, -1, 48},
    };
    for (const HeadingCase& c : cases) {
        engine->heading = 5;
        SteerBy(c.dx, c.dy);
        EXPECT_EQ(engine->heading, c.heading) << "dx " << c.dx << " dy " << c.dy;
    }
}

TEST_F(ShipSteering, StepUnitsFollowTheHeading) {
    const struct {
        int32_t dx, dy;
        uint8_t ux, uy;
    } cases[] = {
        {0, -100, 0, 8}, {100, -100, 8, 8}, {100, 0, 8, 0}, {100, 100, 8, 8}, {0, 100, 0, 8},
        {-100, 100, 8, 8}, {-100, 0, 8, 0}, {-100, -10, 8, 1}, {10, -60, 2, 8}, {100, -10, 8, 1},
    };
    for (const auto& c : cases) {
        SteerBy(c.dx, c.dy);
        EXPECT_EQ(engine->stepUnitX, c.ux) << c.dx << "," << c.dy;
        EXPECT_EQ(engine->stepUnitY, c.uy) << c.dx << "," << c.dy;
    }
}

TEST_F(ShipSteering, EngineLevelSetsTheSpeed) {
    engine->engineLevel = 16;
    SteerBy(0, -100);
    EXPECT_EQ(engine->speedPerUnit, 56);
    EXPECT_EQ(engine->shipVelocityX, 0);
    EXPECT_EQ(engine->shipVelocityY, 448);
    engine->engineLevel = 1;
    SteerBy(100, -100);
    EXPECT_EQ(engine->speedPerUnit, 26);
    EXPECT_EQ(engine->shipVelocityX, 208);
    EXPECT_EQ(engine->shipVelocityY, 208);
    engine->engineLevel = 17;  // outside 1-16: the speed stays
    SteerBy(100, 0);
    EXPECT_EQ(engine->speedPerUnit, 26);
    EXPECT_EQ(engine->shipVelocityX, 208);
    EXPECT_EQ(engine->shipVelocityY, 0);
}

TEST_F(ShipSteering, HoldingPositionTurnsButZeroesTheVelocity) {
    engine->holdPosition = 1;
    SteerBy(100, 100, 5, 5);
    EXPECT_EQ(engine->heading, 24);
    EXPECT_EQ(engine->stepUnitX, 0);
    EXPECT_EQ(engine->stepUnitY, 0);
    EXPECT_EQ(engine->shipVelocityX, 0);
    EXPECT_EQ(engine->shipVelocityY, 0);
    EXPECT_EQ(camX, 1005);  // the steps given still move the camera
    EXPECT_EQ(camY, -4995);
}

TEST_F(ShipSteering, RotationFollowsTheHeading) {
    SteerBy(100, -100);
    EXPECT_FLOAT_EQ(engine->rotation, 8 * -0.098125f);
    SteerBy(-100, 0);
    EXPECT_FLOAT_EQ(engine->rotation, 48 * -0.098125f);
}

// ---- Camera and screen offsets at the area edges ----

TEST_F(ShipSteering, AtTheRightEdgeTheShipSlidesThenComesBackBeforeScrolling) {
    camX = 1990;
    SteerBy(300, 0, 10, 0);
    EXPECT_EQ(camX, 2000);
    EXPECT_EQ(engine->offsetRight, 0);
    for (int i = 0; i < 40; ++i) SteerBy(300, 0, 10, 0);
    EXPECT_EQ(camX, 2000);
    EXPECT_EQ(engine->offsetRight, 350);  // capped

    SteerBy(-300, 0, 10, 0);
    EXPECT_EQ(camX, 2000);
    EXPECT_EQ(engine->offsetRight, 340);
    for (int i = 0; i < 34; ++i) SteerBy(-300, 0, 10, 0);
    EXPECT_EQ(engine->offsetRight, 0);
    EXPECT_EQ(camX, 2000);
    SteerBy(-300, 0, 10, 0);
    EXPECT_EQ(camX, 1990);
}

TEST_F(ShipSteering, LeftTopAndBottomEdgesUseTheirOwnCaps) {
    camX = 0;
    for (int i = 0; i < 50; ++i) SteerBy(-300, 0, 10, 0);
    EXPECT_EQ(camX, 0);
    EXPECT_EQ(engine->offsetLeft, 350);
    SteerBy(300, 0, 10, 0);
    EXPECT_EQ(engine->offsetLeft, 340);
    EXPECT_EQ(camX, 0);

    camY = -10000;
    for (int i = 0; i < 50; ++i) SteerBy(0, -300, 10, 10);
    EXPECT_EQ(camY, -10000);
    EXPECT_EQ(engine->offsetUp, 290);

    camY = 0;
    engine->offsetUp = 0;
    for (int i = 0; i < 50; ++i) SteerBy(0, 300, 10, 10);
    EXPECT_EQ(camY, 0);
    EXPECT_EQ(engine->offsetDown, 180);
}

TEST_F(ShipSteering, ASmallOffsetIsClampedAtZeroWhenComingBack) {
    camX = 2000;
    engine->offsetRight = 4;
    SteerBy(-300, 0, 10, 0);
    EXPECT_EQ(engine->offsetRight, 0);
    EXPECT_EQ(camX, 2000);
}

// ---- The ship box table ----

TEST(ShipBoxTable, GivenRowsComeOutExactly) {
    const struct {
        int heading;
        int32_t boxes[7][4];
        int32_t flameX, flameY;
    } rows[] = {
        {0, {{30, 0, 4, 16}, {22, 7, 20, 30}, {16, 40, 32, 24}, {16, 21, 32, 2}, {30, 34, 4, 4}, {28, 1, 8, 8},
             {17, 17, 30, 8}}, 20, 62},
        {8, {{41, 7, 10, 30}, {27, 14, 14, 20}, {17, 32, 8, 32}, {28, 13, 28, 10}, {0, 40, 36, 8}, {30, 11, 25, 18},
             {9, 32, 32, 10}}, 2, 46},
        {16, {{48, 30, 16, 4}, {31, 25, 30, 14}, {0, 16, 32, 32}, {33, 18, 18, 26}, {-1, 19, 55, 26},
              {37, 16, 10, 32}, {7, 22, 44, 23}}, 0, 20},
        {32, {{27, 47, 10, 16}, {22, 17, 20, 40}, {16, 0, 32, 22}, {17, 40, 30, 8}, {30, 34, 4, 4}, {28, 1, 8, 8},
              {17, 17, 30, 8}}, 43, 0},
        {48, {{1, 28, 16, 8}, {5, 23, 30, 18}, {44, 16, 20, 32}, {16, 17, 11, 30}, {33, 33, 32, 13},
              {27, 19, 11, 26}, {35, 18, 25, 20}}, 63, 43},
    };
    for (const auto& r : rows) {
        const ShipBoxRow& row = BattleEngine::ShipBoxTable(r.heading);
        for (int b = 0; b < 7; ++b) {
            for (int k = 0; k < 4; ++k) EXPECT_EQ(row.boxes[b][k], r.boxes[b][k]) << r.heading << " " << b;
        }
        EXPECT_EQ(row.flameX, r.flameX);
        EXPECT_EQ(row.flameY, r.flameY);
    }
}

// Cells -1 .. 64 of the sprite covered by a row's boxes, or by the heading-0
// boxes turned clockwise to `turnedTo`.
std::vector<bool> Covered(const ShipBoxRow& row, int turnedTo = -1) {
    std::vector<bool> cells(66 * 66);
    const double angle = turnedTo * 2.0 * 3.14159265358979 / 64.0;
    for (int y = -1; y <= 64; ++y) {
        for (int x = -1; x <= 64; ++x) {
            double px = x + 0.5, py = y + 0.5;
            if (turnedTo >= 0) {
                const double dx = px - 32.0, dy = py - 32.0;
                px = 32.0 + dx * std::cos(angle) + dy * std::sin(angle);
                py = 32.0 - dx * std::sin(angle) + dy * std::cos(angle);
            }
            for (const auto& b : row.boxes) {
                if (px >= b[0] && px < b[0] + b[2] && py >= b[1] && py < b[1] + b[3]) cells[(y + 1) * 66 + x + 1] = true;
            }
        }
    }
    return cells;
}

TEST(ShipBoxTable, DerivedRowsFollowTheTurnedOutlineAtAboutItsArea) {
    const ShipBoxRow& upright = BattleEngine::ShipBoxTable(0);
    const std::vector<bool> base = Covered(upright);
    const double baseArea = static_cast<double>(std::count(base.begin(), base.end(), true));
    for (int h = 0; h < kShipHeadings; ++h) {
        if (h == 0 || h == 8 || h == 16 || h == 32 || h == 48) continue;  // given by hand
        const ShipBoxRow& row = BattleEngine::ShipBoxTable(h);
        for (const auto& b : row.boxes) {
            EXPECT_GE(b[0], -1) << h;
            EXPECT_GE(b[1], -1) << h;
            EXPECT_LE(b[0] + b[2], 65) << h;
            EXPECT_LE(b[1] + b[3], 65) << h;
        }
        const std::vector<bool> mine = Covered(row), turned = Covered(upright, h);
        int area = 0, both = 0, either = 0;
        for (size_t i = 0; i < mine.size(); ++i) {
            area += mine[i];
            both += mine[i] && turned[i];
            either += mine[i] || turned[i];
        }
        // As easy to hit at every heading, and hit where the turned ship is.
        EXPECT_NEAR(area / baseArea, 1.0, 0.15) << h;
        EXPECT_GT(static_cast<double>(both) / either, 0.7) << h;
    }
}

TEST(ShipBoxTable, FlamePointsFollowTheFullTable) {
    EXPECT_EQ(BattleEngine::ShipBoxTable(5).flameX, 8);
    EXPECT_EQ(BattleEngine::ShipBoxTable(5).flameY, 53);
    EXPECT_EQ(BattleEngine::ShipBoxTable(27).flameX, 27);
    EXPECT_EQ(BattleEngine::ShipBoxTable(27).flameY, -2);
    EXPECT_EQ(BattleEngine::ShipBoxTable(63).flameX, 23);
    EXPECT_EQ(BattleEngine::ShipBoxTable(63).flameY, 65);
}

TEST_F(ShipSteering, SteeringCopiesTheHeadingRow) {
    SteerBy(100, 0);
    const ShipBoxRow& row = BattleEngine::ShipBoxTable(16);
    for (int b = 0; b < 7; ++b) {
        for (int k = 0; k < 4; ++k) EXPECT_EQ(engine->shipHitBoxes[b][k], row.boxes[b][k]);
    }
    EXPECT_EQ(engine->flamePointX, 0);
    EXPECT_EQ(engine->flamePointY, 20);
}
