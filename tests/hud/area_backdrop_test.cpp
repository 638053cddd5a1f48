#include <gtest/gtest.h>

#include "hud/area_backdrop.h"
#include "platform/clock.h"

namespace {

TEST(AreaBackdrop, AnimateAdvancesEveryHundredMillisecondsAndWraps) {
    ManualClock clock(100);
    Clock::Install(&clock);
    AreaBackdrop b;
    b.decorFrame = 15;
    b.Animate();
    clock.Advance(100);
    b.Animate();
    EXPECT_EQ(b.decorFrame, 15);
    clock.Advance(1);
    b.Animate();
    EXPECT_EQ(b.decorFrame, 0);
    Clock::Install(nullptr);
}

TEST(AreaBackdrop, DecorationPassingTheTopRestartsAndWrapsItsX) {
    AreaBackdrop b;
    b.areaNumber = 2;  // shape A in the first region
    b.decorX[3] = 2200;
    b.decorY[3] = 250;
    b.ScrollLayers(10, 1);
    EXPECT_EQ(b.decorY[3], -4472);
    EXPECT_EQ(b.decorX[3], 200) << "2200 + 300 passes 2400 and drops by 2300";

    b.decorX[3] = 2000;
    b.decorY[3] = 256;
    b.ScrollLayers(1, 1);
    EXPECT_EQ(b.decorX[3], 2300);

    b.areaNumber = 3;  // shape B
    b.decorX[4] = 900;
    b.decorY[4] = 255;
    b.ScrollLayers(5, 1);
    EXPECT_EQ(b.decorY[4], -9600);
    EXPECT_EQ(b.decorX[4], 200);

    b.areaNumber = 1;  // home: ten decorations only
    b.decorY[10] = 255;
    b.decorY[9] = 255;
    b.decorX[9] = 1200;
    b.ScrollLayers(5, 2);
    EXPECT_EQ(b.decorY[10], 255) << "decoration 10 is not part of the home base";
    EXPECT_EQ(b.decorY[9], -1400);
    EXPECT_EQ(b.decorX[9], 200);
}

TEST(AreaBackdrop, OnlyTheLowByteOfTheStepIsUsed) {
    AreaBackdrop b;
    b.areaNumber = 2;
    b.ScrollLayers(260, 2);
    EXPECT_EQ(b.rowY[1], 4);
    EXPECT_EQ(b.decorY[0], -1196);
}

TEST(AreaBackdrop, StillSkiesOfGreenDomainAndSkeletonsPrison) {
    AreaBackdrop b;
    for (int area : {5, 10}) {
        b.areaNumber = area;
        b.ScrollLayers(7, 1);
        EXPECT_EQ(b.rowY[1], 0);
        EXPECT_EQ(b.decorY[0], -1200);
    }
    b.areaNumber = 5;  // the second region's area 5 does move
    b.ScrollLayers(7, 2);
    EXPECT_EQ(b.rowY[1], 7);
}

TEST(AreaBackdrop, RowRingWrapsLeavingAGapOfOneStep) {
    AreaBackdrop b;
    b.areaNumber = 4;  // shape C: five rows
    b.SetupArea(1);
    b.ScrollLayers(10, 1);
    EXPECT_EQ(b.rowY[0], -768 - 256) << "row 0 goes above the last row as it stood";
    EXPECT_EQ(b.rowY[1], 10);
    EXPECT_EQ(b.rowY[4], -758);
    EXPECT_EQ(b.rowY[4] - b.rowY[0], 256 + 10);
    // Row 1 later passes the top and lines up 256 above row 0, which moved first.
    b.ScrollLayers(250, 1);
    EXPECT_EQ(b.rowY[0], -774);
    EXPECT_EQ(b.rowY[1], -774 - 256);
    EXPECT_EQ(b.rowY[2], 4);
    EXPECT_EQ(b.rowY[5], -1024) << "rows past the shape's ring stay";
}

TEST(AreaBackdrop, HomeViewStaysInsideItsLimits) {
    AreaBackdrop b;
    const int32_t maxY = -600;
    b.viewX = -60;
    b.viewY = -1560;
    b.ScrollByMouseAt(5, 5, 20, maxY);
    EXPECT_EQ(b.viewX, -64);
    EXPECT_EQ(b.viewY, -1568);
    b.ScrollByMouseAt(5, 5, 20, maxY);
    EXPECT_EQ(b.viewX, -64);
    EXPECT_EQ(b.viewY, -1568);

    b.viewX = 730;
    b.viewY = maxY - 5;
    b.ScrollByMouseAt(790, 590, 20, maxY);
    EXPECT_EQ(b.viewX, 736);
    EXPECT_EQ(b.viewY, maxY);
    b.ScrollByMouseAt(790, 590, 20, maxY);
    EXPECT_EQ(b.viewX, 736);
    EXPECT_EQ(b.viewY, maxY);

    b.viewX = 300;
    b.viewY = -900;
    b.ScrollByMouseAt(400, 300, 20, maxY);  // away from the edges
    EXPECT_EQ(b.viewX, 300);
    EXPECT_EQ(b.viewY, -900);
    b.ScrollByMouseAt(717, 19, 3, maxY);
    EXPECT_EQ(b.viewX, 303);
    EXPECT_EQ(b.viewY, -903);
}

TEST(AreaShapesSetup, EachShapePlacesItsRowsAndWalls) {
    struct Case {
        uint32_t questSet;
        int32_t area;
        int horizontal, vertical;
        int32_t lastRow;
        int lastRowIndex;
    };
    const Case cases[] = {
        {1, 1, 6, 6, -4352, 18},   {1, 16, 10, 18, -4352, 18}, {1, 3, 4, 38, -9728, 39},
        {2, 6, 12, 4, -768, 4},    {2, 20, 10, 18, -4352, 18}, {2, 1, 6, 6, -4352, 18},
    };
    for (const Case& c : cases) {
        AreaBackdrop b;
        b.areaNumber = c.area;
        b.SetupArea(c.questSet);
        b.PlaceRadarWalls(0, 0, 0, 0, 0, 0);
        EXPECT_EQ(b.wallCountA, c.horizontal) << "area " << c.area;
        EXPECT_EQ(b.wallCountB, c.vertical) << "area " << c.area;
        EXPECT_EQ(b.rowY[c.lastRowIndex], c.lastRow) << "area " << c.area;
    }
}

TEST(AreaShapesSetup, FirstRegionDecorationsCarryOverAndTheSecondsRestart) {
    AreaBackdrop b;
    b.areaNumber = 2;
    b.decorX[0] = 777;
    b.decorY[0] = -1;
    b.areaNumber = 8;
    b.SetupArea(1);
    EXPECT_EQ(b.decorX[0], 777);
    EXPECT_EQ(b.decorY[0], -1);
    b.areaNumber = 2;
    b.SetupArea(2);
    EXPECT_EQ(b.decorX[0], 100);
    EXPECT_EQ(b.decorY[0], -1200);
    b.decorX[0] = 5;
    b.areaNumber = 1;
    b.SetupArea(1);
    EXPECT_EQ(b.decorX[0], 100);
}

TEST(Radar, DivisionTruncatesTowardZero) {
    AreaBackdrop b;
    b.viewX = 0;
    b.viewY = 0;
    b.wallUsedA[0] = 1;
    b.wallXA[0] = 375;  // 375 - 400 = -25
    b.wallYA[0] = 300 + 25;
    b.PlaceRadarWalls(400, 300, 0, 0, 0, 0);
    EXPECT_EQ(b.radarXA[0], -1);
    EXPECT_EQ(b.radarYA[0], 1);
    b.wallXA[0] = 375 + 13;
    b.PlaceRadarWalls(400, 300, 0, 0, 0, 0);
    EXPECT_EQ(b.radarXA[0], 0) << "13 world pixels move the piece one radar pixel";
    // The ship's offsets at a map edge shift the radar the other way.
    b.wallXA[0] = 400;
    b.PlaceRadarWalls(400, 300, 26, 0, 0, 0);
    EXPECT_EQ(b.radarXA[0], -2);
    b.PlaceRadarWalls(400, 300, 0, 26, 13, 0);
    EXPECT_EQ(b.radarXA[0], 2);
    EXPECT_EQ(b.radarYA[0], 2);
    EXPECT_EQ(b.wallCountA, 1);
    EXPECT_EQ(b.wallCountB, 0);
}

TEST(Radar, PiecesShortenAtTheRadarsLeftAndBottomEdges) {
    AreaBackdrop b;
    b.viewX = 0;
    b.viewY = 0;
    b.wallUsedA[0] = 1;
    b.wallUsedB[0] = 1;
    auto place = [&](int32_t rx, int32_t ry) {
        b.wallXA[0] = b.wallXB[0] = rx * 13;
        b.wallYA[0] = b.wallYB[0] = ry * 13;
        b.PlaceRadarWalls(0, 0, 0, 0, 0, 0);
    };
    place(-78, 0);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 10.0f);
    place(-58, 0);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 20.0f);
    place(-59, 0);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 19.5f);
    place(-98, 0);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 0.0f);
    EXPECT_FLOAT_EQ(b.VerticalPieceLength(0), 0.0f);
    place(-97, 0);
    EXPECT_FLOAT_EQ(b.VerticalPieceLength(0), 20.0f);

    place(0, 44);
    EXPECT_FLOAT_EQ(b.VerticalPieceLength(0), 10.0f);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 20.0f);
    place(0, 24);
    EXPECT_FLOAT_EQ(b.VerticalPieceLength(0), 20.0f);
    place(0, 65);
    EXPECT_FLOAT_EQ(b.VerticalPieceLength(0), 0.0f);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 0.0f);
    b.wallUsedA[0] = 0;
    place(0, 0);
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(0), 0.0f) << "unused pieces are never drawn";
    EXPECT_FLOAT_EQ(b.HorizontalPieceLength(-1), 0.0f);
    EXPECT_FLOAT_EQ(b.VerticalPieceLength(50), 0.0f);
}

}  // namespace
