// Every screen on the real renderer with the stand-in art: what it loads,
// and that a help box appears where the screen puts it. The pictures go to
// GAME_TEST_OUT for a look.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "battle/battle_engine.h"
#include "manifest_check.h"
#include "platform/font.h"
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
        if (!HasArt()) GTEST_SKIP() << "no stand-in art in the game directory";
        engine_ = std::make_unique<BattleEngine>();
        engine_->LoadArt(&graphics_);
    }
    void TearDown() override {
        if (engine_) engine_->ReleaseArt();
        engine_.reset();
        ScreenDrawTest::TearDown();
    }
    // One press of a button at (x, y) as the screen sees it: hit test, then click.
    template <typename Screen, typename ClickFn>
    void Press(Screen& screen, int x, int y, int button, ClickFn click) {
        TestMouse mouse;
        mouse.Press(button);
        mouse.Poll();
        screen.HitTest(x, y);
        (screen.*click)(x, y, mouse.Device());
    }
    // Draws the screen before and after opening its help; the help's box
    // must change most of its own area and leave the far corner alone.
    void CheckHelpBox(const std::string& name, const std::function<void()>& draw, const std::function<void()>& open,
                      int boxX, int boxY, int boxW, int boxH) {
        Begin();
        draw();
        const Image before = Finish(name);
        open();
        Begin();
        draw();
        const Image after = Finish(name + "-help");
        EXPECT_GT(DifferentPixelsIn(before, after, boxX, boxY, boxW, boxH), boxW * boxH / 3) << name;
        EXPECT_EQ(DifferentPixelsIn(before, after, 0, 560, 60, 40), 0) << name;
    }

    std::unique_ptr<BattleEngine> engine_;
};

TEST_F(ScreensDrawTest, EveryScreenLoadsOnlyStandInArt) {
    ClearRequestedGamePaths();
    AwardsScreen awards;
    WealthScreen wealth;
    MakeRobotsScreen makeRobots;
    RobotsScreen robots;
    BonusesScreen bonuses;
    BuildingsScreen buildings;
    ConstructScreen construct;
    EXPECT_EQ(awards.LoadArt(&graphics_), 1);
    EXPECT_EQ(wealth.LoadArt(&graphics_), 1);
    EXPECT_EQ(makeRobots.LoadArt(&graphics_), 1);
    EXPECT_EQ(robots.LoadArt(&graphics_), 1);
    EXPECT_EQ(bonuses.LoadArt(&graphics_), 1);
    EXPECT_EQ(buildings.LoadArt(&graphics_), 1);
    EXPECT_EQ(construct.LoadArt(&graphics_), 1);
    for (int image = 0; image < AwardsScreen::kImageCount; ++image) {
        EXPECT_EQ(awards.sheet->images[image].texture != nullptr, image != 7) << "award image " << image;
    }
    EXPECT_EQ(standin::NamesMissingFromRepoManifest(RequestedGamePaths()), std::vector<std::string>{});
    // Released twice (device loss, then leaving): the second does nothing.
    robots.FreeArt();
    robots.FreeArt();
    EXPECT_EQ(robots.sheet, nullptr);
    construct.ReleaseSheetAndFont();
    EXPECT_EQ(construct.font, nullptr);
}

TEST_F(ScreensDrawTest, BuildingsHelpOfAKind) {
    BuildingsScreen screen;
    screen.LoadArt(&graphics_);
    const uint32_t kinds[] = {0, 4, 11, 10};
    for (int slot = 0; slot < 4; ++slot) {
        screen.present[slot] = screen.exists[slot] = 1;
        screen.row[slot] = static_cast<uint8_t>(slot);
        screen.kind[slot] = kinds[slot];
        screen.level[slot] = 1 + 9 * static_cast<uint32_t>(slot);
        screen.upgradeCost[slot] = 300;
    }
    screen.fade[1] = 120;
    screen.buildingCount = 4;
    screen.material = 1234;
    screen.Layout();
    screen.countTextDirty = screen.pageTextDirty = 1;
    screen.UpdateTexts();
    screen.Rearm();
    screen.HitTest(200, 155);  // the second row's Upgrade button
    const auto draw = [&] { screen.Draw(art_.menuSheet, engine_->buildingsSheet); };
    CheckHelpBox("buildings", draw, [&] { Press(screen, 600, 240, kLeft, &BuildingsScreen::Click); }, 230, 150, 330,
                 220);
}

TEST_F(ScreensDrawTest, ConstructQuestionAndHelp) {
    ConstructScreen screen;
    screen.LoadArt(&graphics_);
    for (uint32_t& cost : screen.costs) cost = 200;
    screen.material = 900;
    screen.buildingCount = 7;
    screen.atBase = 1;
    screen.textsDirty = 1;
    screen.ApplyConstruction();
    screen.HitTest(500, 300);
    const auto draw = [&] { screen.Draw(art_.menuSheet, engine_->buildingsSheet); };
    CheckHelpBox("construct", draw, [&] { Press(screen, 400, 20, kLeft, &ConstructScreen::Click); }, 210, 150, 440,
                 190);
    screen.helpOpen = 0;
    Press(screen, 500, 300, kLeft, &ConstructScreen::Click);
    screen.CheckCost(screen.material);
    ASSERT_EQ(screen.chosen, 7);
    Begin();
    draw();
    Finish("construct-question");
}

TEST_F(ScreensDrawTest, AwardsHelp) {
    AwardsScreen screen;
    screen.LoadArt(&graphics_);
    const uint32_t counts[] = {0, 1, 9, 10, 100, 3, 10};
    for (int row = 0; row < 7; ++row) screen.awardCounts[row] = counts[row];
    screen.picks = 2;
    screen.fade[2] = 150;
    screen.Rearm();
    screen.HitTest(260, 50);
    const auto draw = [&] { screen.Draw(art_.menuSheet); };
    CheckHelpBox("awards", draw, [&] { Press(screen, 600, 560, kLeft, &AwardsScreen::Click); }, 210, 150, 440, 190);
}

TEST_F(ScreensDrawTest, WealthPopup) {
    WealthScreen screen;
    screen.LoadArt(&graphics_);
    const uint32_t amounts[] = {9, 10, 999, 1234567, 4294967295u, 42};
    for (int i = 0; i < 6; ++i) screen.amounts[i] = amounts[i];
    screen.FormatAmounts();
    const auto draw = [&] { screen.Draw(art_.menuSheet); };
    CheckHelpBox("wealth", draw, [&] {
        screen.Rearm();
        Press(screen, 400, 340, kLeft, &WealthScreen::OnClick);
    }, 190, 150, 410, 220);
}

TEST_F(ScreensDrawTest, MakeRobotsRankHelp) {
    MakeRobotsScreen screen;
    screen.LoadArt(&graphics_);
    screen.location = 1;
    screen.hasFactory = 1;
    screen.robotCount = 3;
    screen.maxCount = 6;
    screen.maxQuality = 2;
    screen.rankCounts[0] = 3;
    screen.material = 500;
    const uint32_t costs[] = {100, 300, 600, 1000};
    for (int rank = 0; rank < 4; ++rank) {
        screen.makeCosts[rank] = costs[rank];
        for (int stat = 0; stat < 5; ++stat) screen.statGains[rank][stat] = rank == 0 && stat == 0 ? 0 : 10 + 5 * stat;
    }
    screen.textsDirty = 1;
    screen.UpdateTexts();
    screen.Rearm();
    const auto draw = [&] { screen.Draw(art_.menuSheet, engine_->robotsSheet); };
    CheckHelpBox("make-robots", draw, [&] { Press(screen, 500, 250, kLeft, &MakeRobotsScreen::Click); }, 210, 150,
                 450, 310);
    screen.CloseHelps();
    Press(screen, 100, 120, kLeft, &MakeRobotsScreen::Click);
    screen.CheckMake();
    ASSERT_EQ(screen.confirmRank, 1);
    Begin();
    draw();
    Finish("make-robots-confirm");
}

TEST_F(ScreensDrawTest, RobotsStatsHelp) {
    RobotsScreen screen;
    screen.LoadArt(&graphics_);
    for (int slot = 0; slot < 10; ++slot) {
        screen.exists[slot] = screen.listed[slot] = 1;
        screen.operational[slot] = slot != 3;
        screen.row[slot] = static_cast<uint8_t>(slot);
        screen.kind[slot] = static_cast<uint32_t>(slot % 4);
        screen.quality[slot] = static_cast<uint32_t>(slot);
        screen.shields[slot] = slot == 1 ? 0 : 7 * static_cast<uint32_t>(slot * slot);
        screen.maxShields[slot] = 99;
        screen.armor[slot] = 20 + 111 * static_cast<uint32_t>(slot);
        screen.maxArmor[slot] = 1200;
        screen.attack[slot] = 6;
        screen.defence[slot] = 10;
    }
    screen.flash[2] = 150;
    screen.robotCount = 10;
    screen.operationalCount = 9;
    screen.brokenCount = 1;
    screen.maxCount = 12;
    screen.maxQuality = 6;
    screen.material = 800;
    screen.location = 1;
    screen.LayoutRows();
    screen.countsDirty = screen.pageDirty = 1;
    screen.FormatNumbers();
    screen.ComputeUpgradeCosts();
    screen.HitTest(720, 165);
    const auto draw = [&] { screen.Draw(art_.menuSheet, engine_->robotsSheet); };
    CheckHelpBox("robots", draw, [&] {
        screen.Rearm();
        Press(screen, 400, 300, kLeft, &RobotsScreen::OnClick);
    }, 190, 110, 570, 430);
}

TEST_F(ScreensDrawTest, NotesPopup) {
    BonusesScreen screen;
    screen.LoadArt(&graphics_);
    const uint32_t values[] = {12, 0, 5, 1, 7, 20, 120, 3, 1000, 40, 2, 9, 0, 60};
    for (int word = 0; word < BonusBlock::kWordCount; ++word) screen.bonuses.Word(word) = values[word];
    const auto draw = [&] { screen.Draw(art_.menuSheet); };
    CheckHelpBox("notes", draw, [&] {
        screen.Rearm();
        Press(screen, 400, 300, kLeft, &BonusesScreen::OnClick);
    }, 210, 150, 450, 190);
}

}  // namespace
