// The second region's emergency escape as it lands: the jump inside the
// area against the view's bounds, the half turn for the way back, and the
// enemy shots cleared when the ship is back in the middle.
#include <gtest/gtest.h>

#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
int LiveEnemyShots(const BattleEngine& engine) {
    int n = 0;
    for (int s = 0; s < EnemyShotTable::kSlots; ++s) n += engine.enemyShot.active[s];
    return n;
}

class InvasionsEscapeTest : public SturdyInvasionsTest {
protected:
    void SetUp() override {
        SturdyInvasionsTest::SetUp();
        ASSERT_TRUE(driver_.SetField("skillCharges", "9 0*11"));  // charges left: every flight turns back
        record_exchange::SeedEngine(Engine(), State());
    }
    // F1, then on until the outward leg has landed and the way back begins.
    void FlyOutward() {
        Tap(key::kF1);
        ASSERT_NE(Engine().emergencyEscape, 0);
        for (int frame = 0; frame < 200 && !Engine().escapeReturn; ++frame) RunFrames(1);
        ASSERT_EQ(Engine().escapeReturn, 1);
    }
    // On until the way back has ended too.
    void FlyBack() {
        for (int frame = 0; frame < 200 && Engine().emergencyEscape != 0; ++frame) RunFrames(1);
        ASSERT_EQ(Engine().emergencyEscape, 0);
    }
};

// The jump moves the view 1000 down the map; one that would pass the y max
// (-536 in these 4642-deep areas) moves it 1000 up instead.
TEST_F(InvasionsEscapeTest, TheJumpGoesDownTheMapUnlessItWouldPassTheBottom) {
    struct Jump {
        int32_t viewY, landedY;
    };
    constexpr Jump kJumps[] = {{-3000, -2000}, {-1536, -536}, {-1535, -2535}, {-600, -1600}};
    for (const Jump& jump : kJumps) {
        SCOPED_TRACE(jump.viewY);
        EnterArea(13, 863, jump.viewY);
        FlyOutward();
        EXPECT_EQ(Backdrop().viewY, jump.landedY);
        FlyBack();
    }
}

// The ship turns half round for the way back, whichever half of the compass
// it flew out on.
TEST_F(InvasionsEscapeTest, TheShipTurnsHalfRoundForTheWayBack) {
    struct Turn {
        int32_t pointX, pointY;  // where the pointer steers the ship first
        uint8_t out, back;
    };
    constexpr Turn kTurns[] = {{400, 100, 0, 32}, {700, 120, 10, 42}, {400, 500, 32, 0}, {150, 480, 44, 12}};
    for (const Turn& turn : kTurns) {
        SCOPED_TRACE(turn.pointX);
        EnterArea(13, 863, -2500);
        PointAt(turn.pointX, turn.pointY);
        driver_.PressButton(0);
        RunFrames(2);
        driver_.ReleaseButton(0);
        RunFrames(1);
        ASSERT_EQ(Engine().heading, turn.out);
        FlyOutward();
        EXPECT_EQ(Engine().heading, turn.back);
        FlyBack();
    }
}

// Pluto's waves keep shooting while the ship flies back; the shots still in
// flight when it lands in the middle are gone with the landing.
TEST_F(InvasionsEscapeTest, TheWayBackEndsWithNoEnemyShotInFlight) {
    EnterArea(2, 863, -2500);
    RunFrames(300);
    FlyOutward();
    int shotsBeforeLanding = 0;
    for (int frame = 0; frame < 200 && Engine().emergencyEscape != 0; ++frame) {
        shotsBeforeLanding = LiveEnemyShots(Engine());
        RunFrames(1);
    }
    ASSERT_EQ(Engine().emergencyEscape, 0);
    ASSERT_GT(shotsBeforeLanding, 0) << "shots were in flight on the last frame of the way back";
    EXPECT_EQ(LiveEnemyShots(Engine()), 0);
    EXPECT_EQ(Engine().shipX, 368);
    EXPECT_EQ(Engine().shipY, 310);
}
}  // namespace
