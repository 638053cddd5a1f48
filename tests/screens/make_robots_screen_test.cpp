#include <gtest/gtest.h>

#include <string>

#include "screen_test_support.h"
#include "screens/make_robots_screen.h"

namespace {

// The base a visit starts from.
struct Base {
    uint8_t factory = 1;
    uint8_t count = 1;
    uint8_t max = 5;
    uint8_t made[4] = {1, 0, 0, 0};
    uint32_t material = 300;
    uint32_t location = 1;
    uint32_t discount = 0;
};

// The Make Robots scene's side of a frame.
class MakeRobotsTest : public ClockedTest {
protected:
    void Open(const Base& base) {
        screen.~MakeRobotsScreen();
        new (&screen) MakeRobotsScreen();
        screen.location = base.location;
        screen.makeDiscount = base.discount;
        screen.hasFactory = base.factory;
        screen.robotCount = base.count;
        screen.maxCount = base.max;
        screen.maxQuality = 3;
        for (int rank = 0; rank < 4; ++rank) {
            screen.rankCounts[rank] = base.made[rank];
            screen.makeCosts[rank] = 100 + 300 * static_cast<uint32_t>(rank);
            for (int stat = 0; stat < 5; ++stat) screen.statGains[rank][stat] = 10 * static_cast<uint32_t>(rank) + stat;
        }
        screen.material = base.material;
        screen.textsDirty = 1;
        screen.UpdateTexts();
        made = 0;
    }
    void Frame(int x, int y) {
        mouse.Poll();
        screen.HitTest(x, y);
        screen.Click(x, y, mouse.Device());
        if (MouseButtonsUp(mouse.Device())) screen.Rearm();
        const uint8_t code = screen.clickCode;
        if (code >= 1 && code <= 19 && MouseButtonsReleased(mouse.Device())) {
            screen.CheckMake();
            if (code == MakeRobotsScreen::kCodeYes) screen.yesRequest = 1;
            if (code == MakeRobotsScreen::kCodeNo) screen.noRequest = 1;
            screen.hoverCode = screen.clickCode = 0;
        }
        if (screen.yesRequest) {
            screen.yesRequest = 0;
            ++made;
            screen.confirmRank = 0;
        }
        if (screen.noRequest) {
            screen.noRequest = 0;
            screen.confirmRank = 0;
        }
        screen.Animate();
    }
    void Click(int x, int y, int button = kLeft) { ClickThrough(mouse, button, [&] { Frame(x, y); }); }
    void ClickRank(int rank, int button = kLeft) { Click(100, 120 + 135 * rank, button); }
    std::string Message(int rank) const {
        char text[96];
        screen.FormatRankMessage(rank, text, sizeof text);
        return text;
    }

    TestMouse mouse;
    MakeRobotsScreen screen;
    int made = 0;
};

TEST_F(MakeRobotsTest, TheMakeCheckRefusesInItsOrder) {
    struct Case {
        const char* what;
        Base base;
        int rank;
        bool confirm;
        uint8_t notEnough, maxReached, needGrunts, needFactory, notAtBase;
    };
    const Case cases[] = {
        {"affordable", {}, 0, true, 0, 0, 0, 0, 0},
        {"exactly enough", {.material = 100}, 0, true, 0, 0, 0, 0, 0},
        {"short", {.material = 99}, 0, false, 1, 0, 0, 0, 0},
        {"short without a factory", {.factory = 0, .material = 50}, 0, false, 1, 0, 0, 1, 0},
        {"no factory", {.factory = 0}, 0, false, 0, 0, 0, 1, 0},
        {"too few grunts", {.material = 5000}, 1, false, 0, 0, 1, 0, 0},
        {"at the maximum", {.count = 5, .material = 5000}, 1, false, 0, 1, 0, 0, 0},
        {"table full", {.count = 100, .max = 103, .material = 5000}, 0, false, 0, 1, 0, 0, 0},
        {"away from base", {.material = 5000, .location = 2}, 0, false, 0, 0, 0, 0, 1},
        {"discount over the cost", {.material = 0, .discount = 150}, 0, true, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.base);
        ClickRank(c.rank);
        EXPECT_EQ(screen.confirmRank, c.confirm ? c.rank + 1 : 0);
        EXPECT_EQ(screen.notEnoughMaterial, c.notEnough);
        EXPECT_EQ(screen.maxCountReached, c.maxReached);
        EXPECT_EQ(screen.needMoreGrunts, c.needGrunts);
        EXPECT_EQ(screen.needFactory, c.needFactory);
        EXPECT_EQ(screen.notAtBase, c.notAtBase);
        if (!c.confirm) continue;
        Click(330, 350);  // Yes
        EXPECT_EQ(made, 1);
    }
}

TEST_F(MakeRobotsTest, TheRobotIsPreparedFromTheRanksGainsAfterTheDiscount) {
    Open({.made = {7, 0, 0, 0}, .material = 1000, .discount = 30});
    ClickRank(2);
    ASSERT_EQ(screen.confirmRank, 3);
    EXPECT_EQ(screen.chosenCost, 670u);
    EXPECT_STREQ(screen.chosenCostText, "670");
    EXPECT_EQ(screen.newKind, 2);
    EXPECT_EQ(screen.newPictureFrame, 0);
    // Shields, Armor, Attack, Defence, Protection from Shields, Armor, Protection, Attack, Defence.
    const uint32_t expected[5] = {20, 21, 23, 24, 22};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(screen.newStats[i], expected[i]) << i;
    Click(445, 350);  // No
    EXPECT_EQ(screen.confirmRank, 0);
    EXPECT_EQ(made, 0);
}

TEST_F(MakeRobotsTest, EachRankSaysWhetherItCanBeMadeAndWhyNot) {
    struct Case {
        Base base;
        int rank;
        const char* message;
    };
    const Case cases[] = {
        {{.made = {0, 0, 0, 0}}, 1, "Can't build a Sarge. Need 2 more Grunts."},
        {{.made = {2, 0, 0, 0}}, 1, "You may build a Sarge."},
        {{.made = {2, 1, 0, 0}}, 1, "Can't build a Sarge. Need 2 more Grunts."},
        {{.made = {4, 1, 0, 0}}, 2, "You may build a Captain."},
        {{.made = {3, 1, 0, 0}}, 2, "Can't build a Captain. Need 1 more Grunt."},
        {{.made = {6, 0, 0, 0}}, 3, "Can't build a General. Need 1 more Grunt."},
        {{.count = 5, .made = {3, 0, 0, 0}}, 1, "Can't build a Sarge. Need a higher max count"},
        {{.count = 5, .made = {3, 0, 0, 0}}, 3, "Can't build a General. Need a higher max count and 4 more Grunts."},
        {{.count = 5}, 0, "No Grunts can be built right now. Need higher max robot count."},
        {{.count = 100, .max = 120}, 0, "No Grunts can be built right now. Need higher max robot count."},
        {{}, 0, "You may build a Grunt."},
        {{.factory = 0}, 0, "No Grunts can be built right now. You don't have a Robot Factory."},
        {{.factory = 0, .made = {0, 0, 0, 0}}, 2, "You don't have a Robot Factory."},
    };
    for (const Case& c : cases) {
        Open(c.base);
        screen.ComputeShortfalls();
        EXPECT_EQ(Message(c.rank), c.message);
    }
}

TEST_F(MakeRobotsTest, ARightClickOnARankOnlyShowsItsHelp) {
    Open({.material = 5000});
    Frame(100, 120);
    mouse.Press(kRight);
    for (int frame = 0; frame < 3; ++frame) {
        Frame(100, 120);
        EXPECT_EQ(screen.rankHelpPeek[0], 1) << "shown while held, frame " << frame;
    }
    mouse.Release(kRight);
    Frame(100, 120);
    EXPECT_EQ(screen.rankHelpPeek[0], 0);
    EXPECT_EQ(screen.confirmRank, 0);

    Click(400, 20);  // the header opens the general help
    ASSERT_EQ(screen.generalHelpOpen, 1);
    ClickRank(0, kRight);
    EXPECT_EQ(screen.confirmRank, 0) << "not even with a help open";
    ClickRank(0);
    EXPECT_EQ(screen.generalHelpOpen, 0) << "a left click on a rank closes the help";
    EXPECT_EQ(screen.confirmRank, 1);
}

}  // namespace
