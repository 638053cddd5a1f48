// Drawing the second region: smoke grading, the bars and their culling, the
// colony and the outpost, the arrival title's glyphs and its squares.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "areas/area_structures.h"
#include "areas/invasions_arrival.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "platform/sprite_draw.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
constexpr uint32_t kBarColour = 0xFF323232u;
constexpr uint32_t kPieceColour = 0xFFBEBEFAu;
constexpr uint32_t kPillarColour = 0xFF0AFF32u;
constexpr uint32_t kSquareColour = 0xAA9B9BFFu;

TEST(SmokeGrading, FixedEnemiesShowFourStagesAndShipsTheirOwn) {
    struct Row {
        bool mobile;
        uint32_t width, armor, spawn;
        uint8_t smoke;
    };
    constexpr Row kRows[] = {
        {false, 64, 100, 100, 0}, {false, 64, 99, 100, 1}, {false, 64, 50, 100, 1}, {false, 64, 49, 100, 2},
        {false, 64, 33, 100, 2},  {false, 64, 32, 100, 3}, {false, 64, 20, 100, 3}, {false, 64, 19, 100, 4},
        {false, 64, 0, 0, 0},     {true, 64, 46, 70, 0},   {true, 64, 45, 70, 7},   {true, 64, 35, 70, 7},
        {true, 64, 34, 70, 8},    {true, 64, 23, 70, 8},   {true, 64, 22, 70, 9},   {true, 64, 10, 70, 9},
        {true, 64, 9, 70, 10},    {true, 64, 70, 70, 0},   {true, 32, 70, 70, 0},   {true, 32, 69, 70, 5},
        {true, 32, 35, 70, 5},    {true, 32, 34, 70, 6},   {true, 48, 1, 70, 0},    {true, 32, 5, 0, 0},
    };
    for (const Row& row : kRows) {
        EXPECT_EQ(SmokeLevel(row.mobile, row.width, row.armor, row.spawn), row.smoke)
            << (row.mobile ? "ship " : "fixed ") << row.width << " at " << row.armor << " of " << row.spawn;
    }
}

TEST(BarCulling, EachBarIsDrawnWhileSomeOfItMayShow) {
    struct Edge {
        int32_t x, y;
        bool horizontal, vertical;
    };
    constexpr Edge kEdges[] = {
        {-337, 0, false, false}, {-336, 0, true, false}, {-32, 0, true, false},  {-31, 0, true, true},
        {799, 0, true, true},    {800, 0, false, false}, {0, -32, false, true},  {0, -31, true, true},
        {0, -169, false, false}, {0, -168, false, true}, {0, 599, true, true},   {0, 600, false, false},
    };
    for (const Edge& edge : kEdges) {
        EXPECT_EQ(BarOnScreen(kHorizontalBarWindow, edge.x, edge.y), edge.horizontal) << edge.x << ", " << edge.y;
        EXPECT_EQ(BarOnScreen(kVerticalBarWindow, edge.x, edge.y), edge.vertical) << edge.x << ", " << edge.y;
    }
}

TEST(ArrivalTitle, TrapStandsAloneAndEveryCapitalTakesBothHalvesButIAndJ) {
    const std::vector<BannerGlyph> trap = InvasionsTitleGlyphs(2);
    const std::vector<BannerGlyph> expected = {{29, 36, 360}, {29, 37, 376}, {30, 19, 389}, {30, 2, 408},
                                               {30, 17, 426}};
    ASSERT_EQ(trap.size(), expected.size());
    for (size_t i = 0; i < trap.size(); ++i) {
        EXPECT_EQ(trap[i].image, expected[i].image) << i;
        EXPECT_EQ(trap[i].frame, expected[i].frame) << i;
        EXPECT_EQ(trap[i].x, expected[i].x) << i;
    }

    // "Entering" then "Far Colony Path II": 9 + 1 glyphs of Entering, then
    // F a r, C o l o n y, P a t h and two one-frame capitals I.
    const std::vector<BannerGlyph> path = InvasionsTitleGlyphs(4);
    ASSERT_EQ(path.size(), 9u + 4u + 7u + 5u + 2u);
    EXPECT_EQ(path[0].frame, 8);  // E's halves at 180 and 196
    EXPECT_EQ(path[1].frame, 9);
    EXPECT_EQ(path[1].x, 196);
    EXPECT_EQ(path[8].x, 322);  // g
    EXPECT_EQ(path[8].frame, 'g' - 'a' + 2);
    EXPECT_EQ(path[9].frame, 10);  // F
    EXPECT_EQ(path[9].x, 360);
    EXPECT_EQ(path[13].frame, 4);  // C
    EXPECT_EQ(path[13].x, 450);
    EXPECT_EQ(path[20].frame, 28);  // P
    for (size_t i : {path.size() - 2, path.size() - 1}) {
        EXPECT_EQ(path[i].image, 29);
        EXPECT_EQ(path[i].frame, 16) << "I takes one frame";
    }
    EXPECT_EQ(path[path.size() - 2].x, 680);
    EXPECT_EQ(path.back().x, 696);

    // The long name keeps its own places; Z and K sit past the one-frame I and J.
    const std::vector<BannerGlyph> lair = InvasionsTitleGlyphs(14);
    EXPECT_EQ(lair.back().x, 743);
    EXPECT_EQ(lair.back().frame, 'r' - 'a' + 2);
    const std::vector<BannerGlyph> dunmark = InvasionsTitleGlyphs(19);
    EXPECT_EQ(dunmark.back().frame, 'k' - 'a' + 2);
    EXPECT_EQ(dunmark[9].frame, 6) << "D";
    EXPECT_EQ(InvasionsTitleGlyphs(1).size(), 9u) << "no name: Entering alone";
}

TEST(ArrivalSquares, TheSquaresCloseInOverTheFirstEightStages) {
    const std::vector<std::vector<int32_t>> expected = {
        {}, {100, 85}, {70}, {70, 55}, {70, 55, 40}, {55, 40, 25}, {40, 25, 10}, {25, 10}, {10},
        {}, {},        {},   {},       {},           {},           {},
    };
    for (uint8_t stage = 0; stage < expected.size(); ++stage) {
        EXPECT_EQ(ArrivalSquareMargins(stage), expected[stage]) << "stage " << int(stage);
    }
}

class InvasionsDrawTest : public SturdyInvasionsTest {
protected:
    // The sprite draws of the next frame.
    std::vector<SpriteCall> DrawsOfAFrame() {
        std::vector<SpriteCall> calls;
        RecordSpriteCalls(&calls);
        RunFrames(1);
        RecordSpriteCalls(nullptr);
        return calls;
    }
    // Each square's first bar is its left one, at (x - m, y - m): the margins
    // of the squares drawn around x.
    static std::vector<int32_t> SquareMargins(const std::vector<SpriteCall>& calls, int32_t x) {
        std::vector<int32_t> margins;
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].colour != kSquareColour) continue;
            margins.push_back(x - static_cast<int32_t>(calls[i].x));
            i += 3;
        }
        return margins;
    }
    // Whether a recorded draw took image `image` of the sheet.
    static bool FromImage(const SpriteSheet* sheet, int image, const SpriteCall& call) {
        const Texture& picture = sheet->images[image];
        if (!picture.texture || call.texture != picture.texture) return false;
        const int x = call.sourceX - picture.originX;
        const int y = call.sourceY - picture.originY;
        return x >= 0 && y >= 0 && x < picture.width && y < picture.height;
    }
    static int Count(const std::vector<SpriteCall>& calls, uint32_t colour) {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [colour](const SpriteCall& c) { return c.colour == colour; }));
    }
};

// A fresh engine holds the bars where the fortresses' first wave puts them,
// so the Dunmark, which places none, draws them where they belong on a first
// visit; only those partly on screen are drawn.
TEST_F(InvasionsDrawTest, DunmarkDrawsTheFortressBarsOnAFirstVisit) {
    const BarTables fresh = Engine().bars;
    EnterArea(19, 863, -2300);
    const std::vector<SpriteCall> calls = DrawsOfAFrame();
    // Horizontal bars at y 425 and 25 (two each); vertical ones at 232, 64
    // and -168, the last one just inside.
    EXPECT_EQ(Count(calls, kBarColour), 7);
    EnterArea(18, 863, -2300);
    RunFrames(2);
    const BarTables& placed = Engine().bars;
    for (int i = 0; i < BarTables::kHorizontal; ++i) {
        EXPECT_EQ(placed.horizontalX[i], fresh.horizontalX[i]) << i;
        EXPECT_EQ(placed.horizontalY[i], fresh.horizontalY[i]) << i;
    }
    for (int j = 0; j < BarTables::kVertical; ++j) {
        EXPECT_EQ(placed.verticalX[j], fresh.verticalX[j]) << j;
        EXPECT_EQ(placed.verticalY[j], fresh.verticalY[j]) << j;
    }
    EnterArea(17, 863, -2300);
    EXPECT_EQ(Count(DrawsOfAFrame(), kBarColour), 0) << "no bars in the Dragon's Fleet";
}

TEST_F(InvasionsDrawTest, TheColonyAndTheOutpostAreDrawnWholeWhereverTheViewIs) {
    EnterArea(5, 888, -1560);
    const std::vector<SpriteCall> colony = DrawsOfAFrame();
    EXPECT_EQ(Count(colony, kPieceColour), 14) << "the pipes";
    EXPECT_EQ(Count(colony, kPillarColour), 4) << "the pillars, in green";
    EnterArea(16, 863, -630);
    const std::vector<SpriteCall> outpost = DrawsOfAFrame();
    EXPECT_EQ(Count(outpost, kPieceColour), 6) << "not culled, though above the screen";
    EXPECT_EQ(Count(outpost, kPillarColour), 0);
    EnterArea(7, 863, -1390);
    EXPECT_EQ(Count(DrawsOfAFrame(), kPieceColour), 0);
}

// Each area's backdrop as its frame draws it: the wash, one menu-sheet tile
// stretched over the screen in the area's colour, and the floor's tiles,
// the wash under them but in the Station Path II.
TEST_F(InvasionsDrawTest, EachAreaDrawsItsWashAndItsFloorInItsOrder) {
    constexpr int kNoWash = -1;
    struct Recipe {
        int32_t area;
        int washImage;
        uint32_t washColour;
        bool floor, washOverFloor;
    };
    constexpr Recipe kRecipes[] = {
        {2, kNoWash, 0, true, false},        {3, 22, 0xA01446D2, true, false},  {4, 22, 0x960A3CAA, true, false},
        {5, 34, 0x6464FA32, true, false},    {6, 22, 0x6E964600, true, false},  {7, 22, 0x6E964600, false, false},
        {8, 22, 0xB4BE7800, true, false},    {9, 22, 0x6E964650, true, false},  {10, 22, 0xA07846D2, true, false},
        {11, 5, 0x50966432, true, true},     {12, 22, 0x8C14466E, true, false}, {13, 22, 0x8CC8D26E, true, false},
        {14, 22, 0x8CC8466E, true, false},   {15, 22, 0x6E64AAD2, true, false}, {16, 22, 0xBE149664, true, false},
        {17, 22, 0x96C86400, true, false},   {18, 22, 0x96FF5A00, true, false}, {19, 22, 0xBE148C64, true, false},
        {20, 22, 0xBEFAB48C, true, false},
    };
    constexpr int kWashImages[] = {5, 22, 34};
    constexpr int kFloorImages[] = {3, 4, 5};  // of the space sheet; the border takes 0 to 2
    const SharedArt& art = *App().sharedArt;
    for (const Recipe& recipe : kRecipes) {
        SCOPED_TRACE(recipe.area);
        EnterArea(recipe.area, 200, -600);
        const std::vector<SpriteCall> calls = DrawsOfAFrame();
        std::vector<size_t> washes, floor;
        for (size_t i = 0; i < calls.size(); ++i) {
            const SpriteCall& call = calls[i];
            for (int image : kWashImages) {
                if (FromImage(art.menuSheet, image, call) && call.w == 800.0f && call.h == 576.0f) {
                    EXPECT_EQ(image, recipe.washImage);
                    EXPECT_EQ(call.colour, recipe.washColour);
                    washes.push_back(i);
                }
            }
            for (int image : kFloorImages) {
                if (FromImage(art.spaceSheet, image, call)) floor.push_back(i);
            }
        }
        ASSERT_EQ(washes.size(), recipe.washImage == kNoWash ? 0u : 1u);
        EXPECT_EQ(!floor.empty(), recipe.floor);
        if (washes.empty() || floor.empty()) continue;
        if (recipe.washOverFloor) {
            EXPECT_GT(washes[0], floor.back()) << "the wash over the floor";
        } else {
            EXPECT_LT(washes[0], floor.front()) << "the floor over the wash";
        }
    }
}

// After a portal the squares close in on the ship stage by stage, centred on
// it as drawn; the title runs on through the fifteen stages.
TEST_F(InvasionsDrawTest, AfterAPortalTheSquaresFollowTheStagesAroundTheShip) {
    EnterArea(4, 180, -9750);
    ASSERT_TRUE(FlyOntoPortal(1));
    ChoosePrompt();
    ASSERT_EQ(Backdrop().areaNumber, 5);
    std::vector<uint8_t> stagesSeen;
    for (int frame = 0; frame < 120 && Panel().areaTitleTimer != 0; ++frame) {
        const std::vector<SpriteCall> calls = DrawsOfAFrame();
        const uint8_t stage = Panel().areaTitleTimer;
        if (stage == 0) break;
        if (stagesSeen.empty() || stagesSeen.back() != stage) stagesSeen.push_back(stage);
        const BattleEngine& engine = Engine();
        const int32_t sx = engine.shipX + engine.offsetRight - engine.offsetLeft;
        EXPECT_EQ(SquareMargins(calls, sx), ArrivalSquareMargins(stage)) << "stage " << int(stage);
        if (frame == 3) {
            EXPECT_TRUE(driver_.Screenshot(OutPath("invasions_far_colony_arrival.png")));
        }
    }
    EXPECT_EQ(stagesSeen.size(), 15u);
    EXPECT_EQ(Panel().areaTitleTimer, 0);
}

// Arriving at an area's left edge and pushed further left, the ship slides
// off the screen's centre; the squares stay on the ship as it is drawn.
TEST_F(InvasionsDrawTest, TheSquaresFollowAShipSlidAtTheAreasEdge) {
    EnterArea(6, 2500, -600);
    ASSERT_TRUE(FlyOntoPortal(2));
    ChoosePrompt();
    ASSERT_EQ(Backdrop().areaNumber, 8);
    const MouseCursor& cursor = *App().cursor;
    driver_.MoveMouse(20 - cursor.x, 300 - cursor.y);
    driver_.PressButton(0);
    int slidStages = 0;
    for (int frame = 0; frame < 120 && Panel().areaTitleTimer != 0; ++frame) {
        const std::vector<SpriteCall> calls = DrawsOfAFrame();
        const uint8_t stage = Panel().areaTitleTimer;
        const BattleEngine& engine = Engine();
        if (stage == 0 || engine.offsetLeft == 0 || ArrivalSquareMargins(stage).empty()) continue;
        ASSERT_EQ(engine.offsetRight, 0);
        const int32_t drawnX = engine.shipX - engine.offsetLeft;
        EXPECT_EQ(SquareMargins(calls, drawnX), ArrivalSquareMargins(stage)) << "stage " << int(stage);
        ++slidStages;
    }
    driver_.ReleaseButton(0);
    EXPECT_GT(slidStages, 0) << "the ship never slid while the squares showed";
}

// An emergency escape's turn starts the title again, without squares.
TEST_F(InvasionsDrawTest, DuringAnEscapeTheTitleShowsWithoutSquares) {
    ASSERT_TRUE(driver_.SetField("skillCharges", "3 0*11"));  // charges left: the ship turns back
    record_exchange::SeedEngine(Engine(), State());
    EnterArea(3, 180, -650);
    RunFrames(30);
    Tap(key::kF1);
    ASSERT_NE(Engine().emergencyEscape, 0);
    for (int frame = 0; frame < 200 && !Engine().escapeReturn; ++frame) RunFrames(1);
    ASSERT_EQ(Engine().escapeReturn, 1);
    ASSERT_EQ(Panel().areaTitleTimer, 1);
    const std::vector<SpriteCall> calls = DrawsOfAFrame();
    ASSERT_EQ(App().sceneFrame, SceneId::Invasions);
    ASSERT_NE(Engine().emergencyEscape, 0);
    EXPECT_EQ(Count(calls, kSquareColour), 0);
    EXPECT_GE(Count(calls, 0xFFFFFFFFu), static_cast<int>(InvasionsTitleGlyphs(3).size()));
    EXPECT_TRUE(driver_.Screenshot(OutPath("invasions_escape_title.png")));
}
}  // namespace
