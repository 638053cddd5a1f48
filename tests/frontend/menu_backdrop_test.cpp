#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "frontend/menu_backdrop.h"
#include "frontend_test_support.h"
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
    {{141, 580}, 0, -1},                        {{100, 638}, 0, -1},
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
        for (int i = 0; i < MenuBackdrop::kBarButtons; ++i) EXPECT_EQ(visit.backdrop.buttonState[i], 2 * (i == c.stateIndex));
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
        EXPECT_TRUE(x == c.x && y == c.y) << int(c.heading) << ": " << x << ", " << y;
    }
}

// Whether the flame, turned with the ship, sits behind the ship's nose.
bool FlameTrails(const MenuBackdrop& b) {
    SpritePlacement flame;
    flame.x = static_cast<float>(b.flameDX);
    flame.y = static_cast<float>(b.flameDY);
    flame.scaleX = flame.scaleY = 0.72f;
    flame.rotation = b.shipAngle;
    float fx = 0, fy = 0;
    PlaceSpritePoint(flame, 16, 16, fx, fy);
    const double turn = b.heading * 2 * M_PI / MenuBackdrop::kHeadings;
    const double dx = fx - 32, dy = fy - 32, length = std::hypot(dx, dy);
    return (dx * std::sin(turn) - dy * std::cos(turn)) / length < -0.9 && length > 30 && length < 50;
}

// Re-aimed whenever it strays, the ship comes back across the screen on
// every one of the 64 headings, its flame behind it.
TEST(MenuBackdrop, ShipKeepsCrossingTheScreenOnEveryHeading) {
    RandomRange::Seed(5);
    Flight flight;
    const MenuBackdrop& b = flight.backdrop;
    std::set<int> headings;
    int onScreen = 0, frames = 0;
    for (; frames < 2000000 && headings.size() < MenuBackdrop::kHeadings; ++frames) {
        flight.Frame(10, 1);  // the main menu after its opening
        ASSERT_TRUE(b.shipX >= -210 && b.shipX <= 1010 && b.shipY >= -210 && b.shipY <= 810) << frames;
        onScreen += b.shipX >= 0 && b.shipX < 800 && b.shipY >= 0 && b.shipY < 600;
        if (headings.insert(b.heading).second) {
            EXPECT_TRUE(FlameTrails(b)) << "heading " << int(b.heading);
        }
    }
    EXPECT_EQ(headings.size(), 64u);
    EXPECT_GT(onScreen, frames / 4);
}

class MenuBackdropPicture : public Canvas {};

TEST_F(MenuBackdropPicture, MainMenuBarWithLoadLit) {
    Flight flight;  // its first frame: parked mid-screen
    flight.Frame(0, 1);
    MenuBackdrop& b = flight.backdrop;
    b.LoadArt(&graphics_);
    b.HoverButtons(215, 580);
    Begin();
    b.Draw(art_.cloudsSheet, MenuBackdrop::kMainMenu);
    b.DrawShip();
    const Image shot = Shot();
    EXPECT_TRUE(MatchesReference(Crop(shot, 0, 530, 800, 70), "menu_backdrop_bar"));
}

}  // namespace
}  // namespace frontend_test
