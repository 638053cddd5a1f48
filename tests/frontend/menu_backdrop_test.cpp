#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "frontend/menu_backdrop.h"
#include "frontend_test_support.h"
#include "platform/clock.h"
#include "platform/motion_stepper.h"
#include "platform/random_range.h"
#include "platform/sprite_draw.h"

namespace frontend_test {
namespace {

// The bar driven as the main menu drives it.
struct MenuVisit {
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        backdrop.HoverButtons(at.x, at.y);
        backdrop.PressButtons(at.x, at.y, device);
        if (const uint8_t code = backdrop.TakeChoice(device)) taken = code;
        backdrop.ResetHover();
    }
    MenuBackdrop backdrop;
    Mouse mouse;
    uint8_t taken = 0;
};

struct BarCase {
    At at;
    uint8_t code;
    int stateIndex;  // -1: off the bar
};
constexpr BarCase kBarCases[] = {
    {{100, 580}, MenuBackdrop::kNew, 0},        {{215, 580}, MenuBackdrop::kLoad, 1},
    {{340, 580}, MenuBackdrop::kHallOfFame, 3}, {{480, 580}, MenuBackdrop::kOptions, 4},
    {{600, 580}, MenuBackdrop::kHelpButton, 5}, {{700, 580}, MenuBackdrop::kQuit, 2},
    {{64, 538}, MenuBackdrop::kNew, 0},         {{140, 637}, MenuBackdrop::kNew, 0},
    {{141, 580}, 0, -1},                        {{100, 537}, 0, -1},
    {{100, 638}, 0, -1},                        {{63, 580}, 0, -1},
};

TEST(MenuBackdrop, BarLightsAndChoosesTheButtonUnderThePointer) {
    for (const BarCase& c : kBarCases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        MenuVisit visit;
        visit.Frame(c.at);
        EXPECT_EQ(visit.backdrop.hoverForSound, c.code);
        for (int i = 0; i < MenuBackdrop::kBarButtons; ++i) EXPECT_EQ(visit.backdrop.buttonState[i], i == c.stateIndex);
        PressAt(visit, c.at, 1);
        EXPECT_EQ(visit.taken, 0) << "held: nothing yet";
        if (c.stateIndex >= 0) {
            EXPECT_EQ(visit.backdrop.buttonState[c.stateIndex], 2);
        }
        ReleaseAt(visit, c.at, 1);
        EXPECT_EQ(visit.taken, c.code);
    }
}

TEST(MenuBackdrop, AHeldClickFreezesTheLooksAndActsOnceThePointerLeaves) {
    MenuVisit visit;
    PressAt(visit, {100, 580});
    EXPECT_EQ(visit.backdrop.buttonHeld, 1);
    // Over Quit within the frame: the pointer is followed, the looks are not.
    visit.backdrop.HoverButtons(700, 580);
    EXPECT_EQ(visit.backdrop.hoverButton, MenuBackdrop::kQuit);
    EXPECT_EQ(visit.backdrop.buttonState[2], 0);
    EXPECT_EQ(visit.backdrop.buttonState[0], 2);
    visit.Frame({700, 580});
    EXPECT_EQ(visit.taken, MenuBackdrop::kNew);
    EXPECT_EQ(visit.backdrop.buttonHeld, 0);
}

// The main menu's motion: steps from frame steppers at 16 ms a frame.
struct Flight {
    void Frame(uint32_t seconds, uint8_t holdFlag) {
        backdrop.Update(1, stepX.StepAdaptive(backdrop.speedX, 16), stepY.StepAdaptive(backdrop.speedY, 16), seconds,
                        holdFlag);
        backdrop.SteerShip();
        backdrop.HoldForOpening(seconds);
    }
    MenuBackdrop backdrop;
    MotionStepper stepX, stepY;
};

TEST(MenuBackdrop, OpeningFlightParksTheShipThenFliesDownAndLeft) {
    for (uint32_t seed : {1u, 77u, 4242u}) {
        RandomRange::Seed(seed);
        Flight flight;
        const MenuBackdrop& b = flight.backdrop;
        for (int frame = 0; frame < 6 * 60; ++frame) {
            const uint32_t seconds = frame * 16 / 1000;
            flight.Frame(seconds, 1);
            if (seconds < 4) {
                ASSERT_TRUE(b.shipX == 368 && b.shipY == 310) << "second " << seconds;
            }
        }
        EXPECT_TRUE(b.heading >= 32 && b.heading <= 48) << int(b.heading);
        EXPECT_TRUE(b.shipX <= 368 && b.shipY >= 310 && (b.shipX < 368 || b.shipY > 310));
    }
}

TEST(MenuBackdrop, ShipKeepsCrossingTheScreen) {
    RandomRange::Seed(5);
    Flight flight;
    const MenuBackdrop& b = flight.backdrop;
    int onScreen = 0, reaims = 0;
    constexpr int kFrames = 60000;
    for (int frame = 0; frame < kFrames; ++frame) {
        const bool outside = b.shipX > 1000 || b.shipX < -200 || b.shipY < -200 || b.shipY > 800;
        flight.Frame(10, 1);  // the main menu after its opening
        reaims += outside;
        ASSERT_TRUE(b.shipX >= -210 && b.shipX <= 1010 && b.shipY >= -210 && b.shipY <= 810) << frame;
        onScreen += b.shipX >= 0 && b.shipX < 800 && b.shipY >= 0 && b.shipY < 600;
    }
    EXPECT_GT(reaims, 30);
    EXPECT_GT(onScreen, kFrames / 4);
}

TEST(MenuBackdrop, HeadingsSetSpeedsOfUpToEightFactors) {
    struct Case {
        uint8_t heading;
        uint32_t x, y;
    };
    constexpr Case kCases[] = {{0, 0, 8},  {4, 4, 8},  {8, 8, 8},  {12, 8, 4}, {16, 8, 0},
                               {20, 8, 4}, {32, 0, 8}, {48, 8, 0}, {63, 1, 8}};
    for (const Case& c : kCases) {
        uint32_t x = 99, y = 99;
        MenuBackdrop::SpeedFactors(c.heading, x, y);
        EXPECT_EQ(x, c.x) << int(c.heading);
        EXPECT_EQ(y, c.y) << int(c.heading);
    }
}

// On every heading the flame, turned with the ship, sits behind its nose.
TEST(MenuBackdrop, FlameTrailsTheShipOnEveryHeading) {
    RandomRange::Seed(11);
    MenuBackdrop b;
    constexpr At kCorners[] = {{0, 0}, {799, 0}, {0, 599}, {799, 599}};
    std::set<int> seen;
    for (int i = 0; i < 4000 && seen.size() < MenuBackdrop::kHeadings; ++i) {
        b.shipX = kCorners[i % 4].x;
        b.shipY = kCorners[i % 4].y;
        b.RandomizeStars();
        if (!seen.insert(b.heading).second) continue;
        SpritePlacement flame;
        flame.x = static_cast<float>(b.flameDX);
        flame.y = static_cast<float>(b.flameDY);
        flame.scaleX = flame.scaleY = 0.72f;
        flame.rotation = b.shipAngle;
        float fx = 0, fy = 0;
        PlaceSpritePoint(flame, 16, 16, fx, fy);
        const double turn = b.heading * 2 * M_PI / 64;
        const double noseX = std::sin(turn), noseY = -std::cos(turn);
        const double dx = fx - 32, dy = fy - 32, length = std::hypot(dx, dy);
        EXPECT_LT((dx * noseX + dy * noseY) / length, -0.9) << "heading " << int(b.heading);
        EXPECT_TRUE(length > 30 && length < 50) << "heading " << int(b.heading);
    }
    EXPECT_EQ(seen.size(), 64u);
}

TEST(MenuBackdrop, AnimationTicksAfterMoreThan150Ms) {
    ManualClock clock;
    Clock::Install(&clock);
    MenuBackdrop b;
    b.Animate();  // starts the tick
    clock.Advance(150);
    b.Animate();
    EXPECT_EQ(b.rockFrame, 0u);
    clock.Advance(1);
    b.Animate();
    EXPECT_EQ(b.rockFrame, 1u);
    EXPECT_EQ(b.letterShade[0], 240);  // 0 - 16 in a byte
    EXPECT_EQ(b.letterShade[1], 255);  // 14 is too dark: back to full
    EXPECT_EQ(b.flameImage, 3u);
    for (int tick = 0; tick < 16; ++tick) {
        b.Animate();
        clock.Advance(151);
        b.Animate();
    }
    EXPECT_EQ(b.rockFrame, 1u);  // 16 frames wrap
    EXPECT_EQ(b.shipFrame, 1);
    Clock::Install(nullptr);
}

TEST(MenuBackdrop, RocksFallThenRestartAboveOneColumnOver) {
    MenuBackdrop b;
    b.Update(100, 0, 0, 0, 1);
    EXPECT_EQ(b.rockY[9], 1300);
    b.Update(100, 0, 0, 0, 1);
    EXPECT_EQ(b.rockY[9], -30);
    EXPECT_EQ(b.rockX[9], 190);
    for (int i = 0; i < 10; ++i) b.Update(100, 0, 0, 0, 1);
    EXPECT_EQ(b.rockY[1], -30);
    EXPECT_EQ(b.rockX[1], 30);  // 800 is past the right edge
}

class MenuBackdropPicture : public Canvas {};

TEST_F(MenuBackdropPicture, MainMenuBarWithLoadLit) {
    MenuBackdrop b;
    b.LoadArt(&graphics_);
    b.HoverButtons(215, 580);
    RandomRange::Seed(3);
    b.shipX = 500;
    b.shipY = 380;
    b.RandomizeStars();
    Begin();
    b.Draw(art_.cloudsSheet, MenuBackdrop::kMainMenu);
    b.DrawShip();
    const Image shot = Shot();
    SaveOutput(shot, "menu_backdrop_full");
    EXPECT_TRUE(MatchesReference(Crop(shot, 0, 530, 800, 70), "menu_backdrop_bar"));
}

}  // namespace
}  // namespace frontend_test
