// The Awards, Wealth and Notes pages driven through the real game: their
// keys from an area and back, pop-ups closed before leaving, the shortcut
// keys between pages, the copy back of the award picks, a device loss inside
// a page, and what the pages look like.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "battle/battle_engine.h"
#include "harness/driven_play.h"
#include "harness/game_driver.h"
#include "platform/key_codes.h"
#include "platform/sprite_sheet.h"
#include "screens/awards_scene.h"
#include "screens/notes_scene.h"
#include "screens/wealth_scene.h"
#include "shell/game_state.h"

namespace {

using driven_play::Click;
using driven_play::PointAt;

struct Page {
    const char* name;
    uint8_t key;
    SceneId scene;
};
constexpr Page kPages[] = {
    {"Awards", key::kA, SceneId::Awards},
    {"Wealth", key::kW, SceneId::Wealth},
    {"Notes", key::kN, SceneId::Notes},
};

class ManagementGame : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(driven_play::NewGameAtHomeBase(driver)); }

    GameApp& App() { return driver.App(); }
    GameState& State() { return *driver.App().gameState; }
    ManagementScene& SceneOf(SceneId id) { return driver.SceneAs<ManagementScene>(id); }
    const AwardsScreen& Awards() { return *driver.SceneAs<AwardsScene>(SceneId::Awards).Screen(); }

    // A key down for one frame and up for the next, with the scene after each.
    void Open(const Page& page) {
        driver.TapKey(page.key);
        ASSERT_TRUE(App().IsCurrent(page.scene)) << page.name;
    }
    // Leaves a page with Esc and checks the way back to the area.
    void EscBackTo(SceneId area) {
        driver.PressKey(key::kEscape);
        driver.RunFrames(1);
        EXPECT_TRUE(App().IsCurrent(area));
        EXPECT_EQ(State().returnedFromScreen, 1) << "set on the frame the page is left";
        driver.ReleaseKey(key::kEscape);
        driver.RunFrames(1);
        EXPECT_EQ(State().returnedFromScreen, 0) << "the area took it as a return";
    }
    void PickRow(int row) {
        PointAt(driver, 260, 50 + 84 * row);
        Click(driver);
    }

    GameDriver driver;
};

TEST_F(ManagementGame, EachKeyOpensItsPageItsOwnKeyKeepsItAndEscReturnsToTheArea) {
    auto visit = [this](SceneId area) {
        for (const Page& page : kPages) {
            SCOPED_TRACE(page.name);
            Open(page);
            ManagementScene& scene = SceneOf(page.scene);
            const uint32_t made = scene.ScreensMade();
            EXPECT_TRUE(scene.ScreenOpen());
            driver.TapKey(page.key);
            EXPECT_TRUE(App().IsCurrent(page.scene));
            EXPECT_TRUE(scene.ScreenOpen()) << "its own key neither deletes the page";
            EXPECT_EQ(scene.ScreensMade(), made) << "nor makes it again";
            EscBackTo(area);
            EXPECT_FALSE(scene.ScreenOpen());
        }
    };
    visit(SceneId::HomeBase);
    ASSERT_TRUE(driven_play::FlyToBorderArea(driver));
    EXPECT_EQ(State().location, 2u);
    visit(SceneId::EarthSystem);
    // The second region's area 8, entered as a saved game there would be.
    ASSERT_TRUE(driver.SetField("questSet", "2"));
    ASSERT_TRUE(driver.SetField("currentArea", "8"));
    driver.SwitchToScene(SceneId::Invasions);
    driver.RunFrames(5);
    ASSERT_TRUE(App().IsCurrent(SceneId::Invasions));
    EXPECT_EQ(State().location, 3u);
    visit(SceneId::Invasions);
}

// A click opens each page's pop-up (its RIGHTDEF tells); the closing key
// keeps the page, and the next Esc leaves it only because the pop-up is shut.
TEST_F(ManagementGame, AnOpenPopupClosesBeforeThePageIsLeft) {
    struct Case {
        Page page;
        int32_t x, y;
        uint8_t closer;
    };
    const Case cases[] = {{kPages[0], 600, 300, key::kEscape}, {kPages[1], 300, 200, key::kBack},
                          {kPages[2], 400, 300, key::kReturn}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.name);
        Open(c.page);
        PointAt(driver, c.x, c.y);
        Click(driver);
        EXPECT_EQ(SceneOf(c.page.scene).Sounds().box, 1u);
        driver.TapKey(c.closer);
        ASSERT_TRUE(App().IsCurrent(c.page.scene));
        EscBackTo(SceneId::HomeBase);
    }
}

TEST_F(ManagementGame, TheHoverSoundPlaysOncePerButtonAndExitStamps) {
    Open(kPages[1]);
    const ManagementScene& scene = SceneOf(SceneId::Wealth);
    PointAt(driver, 300, 200);
    Click(driver);
    PointAt(driver, 390, 345);  // the pop-up's Exit
    driver.RunFrames(3);
    EXPECT_EQ(scene.Sounds().hover, 1u);
    PointAt(driver, 300, 200);
    PointAt(driver, 390, 345);
    EXPECT_EQ(scene.Sounds().hover, 2u) << "again after leaving the button";
    EXPECT_EQ(scene.Sounds().stamp, 0u);
    Click(driver);
    EXPECT_EQ(scene.Sounds().stamp, 1u);
    EXPECT_FALSE(driver.SceneAs<WealthScene>(SceneId::Wealth).Screen()->AnyPopupOpen());
}

TEST_F(ManagementGame, PicksReachRecordAndEngineOnlyWhenLeftEvenForAnotherPage) {
    GameState& state = State();
    state.awardPicks = 7;
    const BonusBlock before = state.bonusBlock;
    const uint32_t goodies = state.goodiesBonus;
    Open(kPages[0]);
    for (int row = 0; row < AwardsScreen::kRows; ++row) PickRow(row);
    EXPECT_EQ(Awards().picks, 0u);
    EXPECT_EQ(SceneOf(SceneId::Awards).Sounds().own, 7u) << "GRNDCLOK for each pick";
    driver.TapKey(key::kA);
    EXPECT_EQ(state.awardPicks, 7u) << "still pending on the page";

    // Esc and W in one frame: the key's page wins and the picks are written.
    driver.PressKey(key::kEscape);
    driver.PressKey(key::kW);
    driver.RunFrames(1);
    driver.ReleaseKey(key::kEscape);
    driver.ReleaseKey(key::kW);
    driver.RunFrames(1);
    EXPECT_TRUE(App().IsCurrent(SceneId::Wealth));
    EXPECT_EQ(state.awardPicks, 0u);
    for (int row = 0; row < AwardsScreen::kRows; ++row) EXPECT_EQ(state.awardCounts[row], 1u) << row;
    EXPECT_EQ(state.bonusBlock.goldBonus, before.goldBonus + 10);
    EXPECT_EQ(state.bonusBlock.buildingMaterialBonus, before.buildingMaterialBonus + 10);
    EXPECT_EQ(state.bonusBlock.shipUpgradeDiscount, before.shipUpgradeDiscount);
    EXPECT_EQ(state.goodiesBonus, goodies + 10);
    const BattleEngine& e = *App().battleEngine;
    const BonusBlock& r = state.bonusBlock;
    EXPECT_EQ(std::vector<uint32_t>({e.goldBonus, e.crystalBonus, e.favorsBonus, e.shipMaterialBonus,
                                     e.robotMaterialBonus, e.buildingMaterialBonus, e.goodiesBonus}),
              std::vector<uint32_t>({r.goldBonus, r.crystalBonus, r.favorsBonus, r.shipMaterialBonus,
                                     r.robotMaterialBonus, r.buildingMaterialBonus, state.goodiesBonus}));
}

TEST_F(ManagementGame, ADeviceLossInsideAPageShowsLoadingOnceAndKeepsThePage) {
    State().awardPicks = 2;
    State().awardCounts[6] = 10;  // the goodies row reads "Plus 1000"
    State().awardCounts[0] = 2;
    Open(kPages[0]);
    PickRow(3);
    PointAt(driver, 700, 580);
    driver.RunFrames(90);  // the row's flash is over
    ASSERT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "awards_page"));
    const uint32_t loadings = App().loadingScreens;
    driver.LoseDevice();
    driver.RunFrames(3);
    driver.RestoreDevice();
    driver.RunFrames(3);
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    ASSERT_TRUE(App().IsCurrent(SceneId::Awards));
    EXPECT_EQ(SceneOf(SceneId::Awards).ScreensMade(), 1u);
    EXPECT_EQ(Awards().picks, 1u);
    EXPECT_EQ(Awards().sheet->images[AwardsScreen::kArrowImage].generation, GraphicsDevice::RendererGeneration());
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "awards_page"));
    EscBackTo(SceneId::HomeBase);
    EXPECT_EQ(State().awardPicks, 1u);
    EXPECT_EQ(State().awardCounts[3], 1u);
    EXPECT_EQ(State().awardCounts[6], 10u);
}

// The device lost in the very frame the page is left: the page is gone, its
// art is not released twice, and the area comes back after the reset.
TEST_F(ManagementGame, ADeviceLostAsThePageIsLeftComesBackToTheArea) {
    State().awardPicks = 1;
    Open(kPages[0]);
    PickRow(0);
    const uint32_t loadings = App().loadingScreens;
    driver.PressKey(key::kEscape);
    driver.LoseDevice();
    driver.RunFrames(1);
    driver.ReleaseKey(key::kEscape);
    EXPECT_FALSE(SceneOf(SceneId::Awards).ScreenOpen());
    EXPECT_EQ(State().awardPicks, 0u) << "written back as it was left";
    driver.RunFrames(2);
    driver.RestoreDevice();
    driver.RunFrames(3);
    EXPECT_TRUE(App().IsCurrent(SceneId::HomeBase));
    EXPECT_EQ(App().loadingScreens, loadings + 1);
    EXPECT_EQ(State().awardCounts[0], 1u);
}

TEST_F(ManagementGame, WealthAndNotesWithTheirPopupsLookAsTheyShould) {
    BonusBlock& bonus = State().bonusBlock;  // as a played game might have them
    bonus.goldBonus = 5;
    bonus.crystalBonus = 12;
    bonus.favorsBonus = 1;
    bonus.shipMaterialBonus = 120;
    bonus.robotMakeDiscount = 7;
    // Six different amounts, so that rows in the wrong order show.
    const uint32_t amounts[GameState::kResourceCount] = {1234, 56, 7, 4321, 900, 300};
    std::copy(std::begin(amounts), std::end(amounts), State().resources);
    Open(kPages[1]);
    PointAt(driver, 300, 450);  // robot material
    Click(driver);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "wealth_page"));
    driver.TapKey(key::kN);
    ASSERT_TRUE(App().IsCurrent(SceneId::Notes));
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "notes_page"));
    PointAt(driver, 100, 100);
    Click(driver);
    EXPECT_TRUE(driven_play::ShotMatchesReference(driver, "screens", "notes_popup"));
}

TEST(ManagementKeys, DoNothingAtTheMenusWhereNoAreaIsLoaded) {
    GameDriver driver;
    ASSERT_TRUE(driver.Start());
    driver.RunFrames(2);
    driver.TapKey(key::kReturn);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::MainMenu, 10));
    driver.TapKey(key::kO);
    ASSERT_TRUE(driver.RunUntilScene(SceneId::Options, 5));
    for (const Page& page : kPages) {
        driver.TapKey(page.key);
        EXPECT_TRUE(driver.App().IsCurrent(SceneId::Options)) << page.name;
    }
}

}  // namespace
