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
    for (int32_t d : {0, 1, -1}) {
        engine->SteerShip(camX, camY, kCentreX + d, kCentreY - d, 9, 9);
        EXPECT_EQ(engine->heading, 20);
        EXPECT_EQ(engine->headingSet, 0);
        EXPECT_EQ(camX, 1000);
        EXPECT_EQ(camY, -5000);
    }
    EXPECT_EQ(engine->steering, 1);
}

TEST_F(ShipSteering, SlopeThresholdsGiveTheHeadingItsUnitsBoxesAndAngle) {
    const struct {
        int32_t dx, dy;
        int heading;
        uint8_t ux, uy;
    } cases[] = {
        // up and right: offset k
        {10, -161, 0, 0, 8}, {10, -160, 1, 1, 8}, {10, -60, 2, 2, 8}, {3, -10, 2, 2, 8}, {1000, -3333, 3, 3, 8},
        {3, -7, 3, 3, 8}, {1000, -2333, 4, 4, 8}, {100, -108, 7, 7, 8}, {100, -107, 8, 8, 8}, {100, -100, 8, 8, 8},
        {100, -10, 15, 8, 1}, {160, -10, 16, 8, 0},
        // down and right: 32 - k
        {100, 100, 24, 8, 8}, {10, 161, 32, 0, 8}, {10, 160, 31, 1, 8}, {160, 10, 16, 8, 0}, {100, 10, 17, 8, 1},
        // down and left: 32 + k
        {-100, 100, 40, 8, 8}, {-10, 161, 32, 0, 8}, {-160, 10, 48, 8, 0}, {-100, 10, 47, 8, 1},
        // up and left: 0 for k = 0, else 64 - k
        {-100, -100, 56, 8, 8}, {-10, -161, 0, 0, 8}, {-10, -160, 63, 1, 8}, {-160, -10, 48, 8, 0},
        {-100, -10, 49, 8, 1},
        // one axis only, or within a pixel of it
        {0, -100, 0, 0, 8}, {0, 100, 32, 0, 8}, {100, 0, 16, 8, 0}, {-100, 0, 48, 8, 0}, {1, -100, 0, 0, 8},
        {-100, -1, 48, 8, 0},
    };
    for (const auto& c : cases) {
        engine->heading = 5;
        SteerBy(c.dx, c.dy);
        EXPECT_EQ(engine->heading, c.heading) << "dx " << c.dx << " dy " << c.dy;
        EXPECT_EQ(engine->stepUnitX, c.ux) << "dx " << c.dx << " dy " << c.dy;
        EXPECT_EQ(engine->stepUnitY, c.uy) << "dx " << c.dx << " dy " << c.dy;
        EXPECT_FLOAT_EQ(engine->rotation, c.heading * -0.098125f);
        const ShipBoxRow& row = BattleEngine::ShipBoxTable(c.heading);
        for (int b = 0; b < kShipBoxCount; ++b) {
            for (int k = 0; k < 4; ++k) EXPECT_EQ(engine->shipHitBoxes[b][k], row.boxes[b][k]) << c.heading;
        }
        EXPECT_EQ(engine->flamePointX, row.flameX);
        EXPECT_EQ(engine->flamePointY, row.flameY);
    }
}

TEST_F(ShipSteering, EngineLevelSetsTheSpeedAndHoldingZeroesIt) {
    const struct {
        int32_t level, dx, dy, perUnit, vx, vy;
    } rows[] = {{16, 0, -100, 56, 0, 448}, {1, 100, -100, 26, 208, 208}, {17, 100, 0, 26, 208, 0}};
    for (const auto& r : rows) {
        engine->engineLevel = r.level;  // outside 1-16 the speed stays
        SteerBy(r.dx, r.dy);
        EXPECT_EQ(engine->speedPerUnit, r.perUnit) << r.level;
        EXPECT_EQ(engine->shipVelocityX, r.vx) << r.level;
        EXPECT_EQ(engine->shipVelocityY, r.vy) << r.level;
    }
    // Holding D turns the ship but zeroes its units; the steps given still
    // move the camera.
    engine->holdPosition = 1;
    SteerBy(100, 100, 5, 5);
    EXPECT_EQ(engine->heading, 24);
    EXPECT_EQ(engine->stepUnitX + engine->stepUnitY, 0);
    EXPECT_EQ(engine->shipVelocityX + engine->shipVelocityY, 0);
    EXPECT_EQ(camX, 1005);
    EXPECT_EQ(camY, -4995);
}

// ---- Camera and screen offsets at the area edges ----

TEST_F(ShipSteering, AtAnEdgeTheShipSlidesToItsCapThenComesBackBeforeScrolling) {
    const struct {
        int32_t camX, camY, dx, dy;
        int32_t BattleEngine::*offset;
        int32_t cap;
    } edges[] = {{2000, -5000, 300, 0, &BattleEngine::offsetRight, 350},
                 {0, -5000, -300, 0, &BattleEngine::offsetLeft, 350},
                 {1000, -10000, 0, -300, &BattleEngine::offsetUp, 290},
                 {1000, 0, 0, 300, &BattleEngine::offsetDown, 180}};
    for (const auto& e : edges) {
        SetUp();
        camX = e.camX, camY = e.camY;
        for (int i = 0; i < 50; ++i) SteerBy(e.dx, e.dy, 10, 10);
        EXPECT_EQ(engine.get()->*e.offset, e.cap) << e.cap;
        EXPECT_EQ(camX, e.camX);
        EXPECT_EQ(camY, e.camY);
        for (int i = 0; i < e.cap / 10; ++i) SteerBy(-e.dx, -e.dy, 10, 10);
        EXPECT_EQ(engine.get()->*e.offset, 0) << e.cap;
        EXPECT_EQ(camX, e.camX) << "the ship came back first";
        EXPECT_EQ(camY, e.camY);
        SteerBy(-e.dx, -e.dy, 10, 10);
        EXPECT_EQ(camX + camY, e.camX + e.camY - (e.dx + e.dy) / 30);
    }
    // A ship 4 px off the centre comes back in one step, the camera still.
    const struct {
        int32_t BattleEngine::*offset;
        int32_t dx, dy;
    } nearly[] = {{&BattleEngine::offsetRight, -300, 0},
                  {&BattleEngine::offsetLeft, 300, 0},
                  {&BattleEngine::offsetUp, 0, 300},
                  {&BattleEngine::offsetDown, 0, -300}};
    for (const auto& n : nearly) {
        SetUp();
        camX = 1000, camY = -5000;
        engine.get()->*n.offset = 4;
        SteerBy(n.dx, n.dy, 10, 10);
        EXPECT_EQ(engine.get()->*n.offset, 0) << n.dx << "," << n.dy;
        EXPECT_EQ(camX, 1000) << n.dx << "," << n.dy;
        EXPECT_EQ(camY, -5000) << n.dx << "," << n.dy;
    }
}

// ---- The ship box table ----

TEST(ShipBoxTable, GivenRowsComeOutExactly) {
    const struct {
        int heading;
        int32_t v[30];
    } rows[] = {
        {0, {30, 0, 4, 16, 22, 7, 20, 30, 16, 40, 32, 24, 16, 21, 32, 2, 30, 34, 4, 4, 28, 1, 8, 8, 17, 17, 30, 8, 20, 62}},
        {8, {41, 7, 10, 30, 27, 14, 14, 20, 17, 32, 8, 32, 28, 13, 28, 10, 0, 40, 36, 8, 30, 11, 25, 18, 9, 32, 32, 10, 2, 46}},
        {16, {48, 30, 16, 4, 31, 25, 30, 14, 0, 16, 32, 32, 33, 18, 18, 26, -1, 19, 55, 26, 37, 16, 10, 32, 7, 22, 44, 23, 0,
              20}},
        {32, {27, 47, 10, 16, 22, 17, 20, 40, 16, 0, 32, 22, 17, 40, 30, 8, 30, 34, 4, 4, 28, 1, 8, 8, 17, 17, 30, 8, 43, 0}},
        {48, {1, 28, 16, 8, 5, 23, 30, 18, 44, 16, 20, 32, 16, 17, 11, 30, 33, 33, 32, 13, 27, 19, 11, 26, 35, 18, 25, 20, 63,
              43}},
    };
    for (const auto& r : rows) {
        const ShipBoxRow& row = BattleEngine::ShipBoxTable(r.heading);
        for (int b = 0; b < 7; ++b) {
            for (int k = 0; k < 4; ++k) EXPECT_EQ(row.boxes[b][k], r.v[4 * b + k]) << r.heading << " " << b;
        }
        EXPECT_EQ(row.flameX, r.v[28]);
        EXPECT_EQ(row.flameY, r.v[29]);
    }
}

TEST(ShipBoxTable, FlamePointsComeOutAsListed) {
    const struct {
        int heading;
        int32_t x, y;
    } flames[] = {{0, 20, 62}, {5, 8, 53},  {8, 2, 46},   {10, -1, 40}, {16, 0, 20},  {21, 9, 7},  {25, 22, 0},
                  {32, 43, 0}, {40, 62, 18}, {44, 66, 30}, {48, 63, 43}, {53, 53, 56}, {60, 33, 66}, {63, 23, 65}};
    for (const auto& f : flames) {
        const ShipBoxRow& row = BattleEngine::ShipBoxTable(f.heading);
        EXPECT_EQ(row.flameX, f.x) << f.heading;
        EXPECT_EQ(row.flameY, f.y) << f.heading;
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
