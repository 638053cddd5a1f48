// Every screen on the real renderer with the stand-in art: it loads only
// stand-ins, and its help box appears where the screen puts it. The pictures go
// to GAME_TEST_OUT for a look.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "manifest_check.h"
#include "platform/game_path.h"
#include "platform/sprite_sheet.h"
#include "screen_test_support.h"
#include "screens/awards_screen.h"
#include "screens/bonuses_screen.h"
#include "screens/buildings_screen.h"
#include "screens/construct_screen.h"
#include "screens/make_robots_screen.h"
#include "screens/robots_screen.h"
#include "screens/wealth_screen.h"

namespace {

class ScreensDrawTest : public ScreenDrawTest {
protected:
    void SetUp() override {
        ScreenDrawTest::SetUp();
        // The test target builds the stand-in art first: without it the pictures prove nothing.
        ASSERT_TRUE(HasArt()) << "no stand-in art in the game directory";
        engine_ = std::make_unique<BattleEngine>();
        engine_->LoadArt(&graphics_);
    }
    void TearDown() override {
        if (engine_) engine_->ReleaseArt();
        engine_.reset();
        ScreenDrawTest::TearDown();
    }
    // One press of the left button at (x, y) after the host re-armed the screen.
    template <typename Screen, typename ClickFn>
    void Press(Screen& screen, int x, int y, ClickFn click) {
        screen.Rearm();
        TestMouse mouse;
        mouse.Press(kLeft);
        mouse.Poll();
        screen.HitTest(x, y);
        (screen.*click)(x, y, mouse.Device());
    }
    // Draws the screen, opens its help with a click at (x, y) and draws it
    // again: the box must cover most of its own area and leave the far
    // corner alone.
    template <typename Screen, typename ClickFn>
    void CheckHelpBox(const char* name, Screen& screen, const std::function<void()>& draw, int x, int y,
                      ClickFn click, int boxX, int boxY, int boxW, int boxH) {
        SCOPED_TRACE(name);
        EXPECT_EQ(screen.LoadArt(&graphics_), 1);
        Begin();
        draw();
        const Image before = Finish(name);
        Press(screen, x, y, click);
        Begin();
        draw();
        const Image after = Finish(std::string(name) + "-help");
        // Nine tenths: a box drawn short of its area shows.
        EXPECT_GT(DifferentPixelsIn(before, after, boxX, boxY, boxW, boxH), boxW * boxH * 9 / 10);
        EXPECT_EQ(DifferentPixelsIn(before, after, 0, 560, 60, 40), 0);
    }

    std::unique_ptr<BattleEngine> engine_;
};

TEST_F(ScreensDrawTest, HelpBoxesStandWhereTheirScreensPutThemOverStandInArt) {
    ClearRequestedGamePaths();
    SpriteSheet* menu = art_.menuSheet;
    BuildingsScreen buildings;
    for (int slot = 0; slot < 3; ++slot) {
        buildings.present[slot] = buildings.exists[slot] = 1;
        buildings.row[slot] = static_cast<uint8_t>(slot);
        buildings.kind[slot] = static_cast<uint32_t>(4 * slot);
        buildings.level[slot] = 1 + 9 * static_cast<uint32_t>(slot);
    }
    buildings.fade[1] = 120;
    buildings.Layout();
    CheckHelpBox("buildings", buildings, [&] { buildings.Draw(menu, engine_->buildingsSheet.get()); }, 600, 240,
                 &BuildingsScreen::Click, 230, 150, 330, 220);

    ConstructScreen construct;
    CheckHelpBox("construct", construct, [&] { construct.Draw(menu, engine_->buildingsSheet.get()); }, 400, 20,
                 &ConstructScreen::Click, 210, 150, 440, 190);

    AwardsScreen awards;
    const uint32_t counts[] = {0, 1, 9, 10, 100, 3, 10};
    std::copy(std::begin(counts), std::end(counts), awards.awardCounts);
    awards.picks = 2;
    CheckHelpBox("awards", awards, [&] { awards.Draw(menu); }, 600, 560, &AwardsScreen::Click, 210, 150, 440, 190);

    WealthScreen wealth;
    const uint32_t amounts[] = {9, 10, 999, 1234567, 4294967295u, 42};
    std::copy(std::begin(amounts), std::end(amounts), wealth.amounts);
    wealth.FormatAmounts();
    CheckHelpBox("wealth", wealth, [&] { wealth.Draw(menu); }, 400, 340, &WealthScreen::OnClick, 190, 150, 410, 220);

    MakeRobotsScreen makeRobots;
    makeRobots.hasFactory = 1;
    makeRobots.maxCount = 6;
    makeRobots.rankCounts[0] = 3;
    CheckHelpBox("make-robots", makeRobots, [&] { makeRobots.Draw(menu, engine_->robotsSheet.get()); }, 500, 250,
                 &MakeRobotsScreen::Click, 210, 150, 450, 310);

    RobotsScreen robots;
    for (int slot = 0; slot < 10; ++slot) {
        robots.exists[slot] = robots.listed[slot] = 1;
        robots.operational[slot] = slot != 3;
        robots.row[slot] = static_cast<uint8_t>(slot);
        robots.kind[slot] = static_cast<uint32_t>(slot % 4);
        robots.quality[slot] = static_cast<uint32_t>(slot);
        robots.shields[slot] = 7 * static_cast<uint32_t>(slot * slot);
        robots.armor[slot] = 20 + 111 * static_cast<uint32_t>(slot);
    }
    robots.maxQuality = 6;
    robots.LayoutRows();
    robots.ComputeUpgradeCosts();
    CheckHelpBox("robots", robots, [&] { robots.Draw(menu, engine_->robotsSheet.get()); }, 400, 300,
                 &RobotsScreen::OnClick, 190, 110, 570, 430);

    BonusesScreen bonuses;
    for (int word = 0; word < BonusBlock::kWordCount; ++word) bonuses.bonuses.Word(word) = 3 * word * word;
    CheckHelpBox("notes", bonuses, [&] { bonuses.Draw(menu); }, 400, 300, &BonusesScreen::OnClick, 210, 150, 450,
                 190);

    EXPECT_EQ(standin::NamesMissingFromRepoManifest(RequestedGamePaths()), std::vector<std::string>{});
    // Released twice (device loss, then leaving): the second does nothing.
    robots.FreeArt();
    robots.FreeArt();
    EXPECT_EQ(robots.sheet, nullptr);
}

}  // namespace
