#include <gtest/gtest.h>

#include <set>

#include "hud/area_shapes.h"

namespace {

std::set<int32_t> AreasOf(uint32_t region, AreaShape shape) {
    std::set<int32_t> areas;
    for (int32_t area = 0; area <= 30; ++area) {
        if (ShapeOfArea(region, area) == shape) areas.insert(area);
    }
    return areas;
}

TEST(AreaShapes, ShapeOfEveryAreaInBothRegions) {
    using S = std::set<int32_t>;
    EXPECT_EQ(AreasOf(1, AreaShape::A), (S{2, 5, 8, 10, 14, 16, 18, 21, 24, 26, 28}));
    EXPECT_EQ(AreasOf(1, AreaShape::B), (S{3, 6, 7, 9, 11, 13, 15, 19, 20, 23, 25, 27}));
    EXPECT_EQ(AreasOf(1, AreaShape::C), (S{4, 12, 17, 22}));
    EXPECT_EQ(AreasOf(2, AreaShape::A), (S{2, 5, 7, 12, 13, 14, 16, 17, 18, 19, 20}));
    EXPECT_EQ(AreasOf(2, AreaShape::B), (S{3, 4, 8, 10, 11}));
    EXPECT_EQ(AreasOf(2, AreaShape::C), (S{6, 9, 15}));
    EXPECT_EQ(AreasOf(1, AreaShape::Home), (S{1}));
    EXPECT_EQ(AreasOf(2, AreaShape::Home), (S{1}));
    EXPECT_EQ(ShapeOfArea(3, 1), AreaShape::None);
    EXPECT_EQ(ShapeOfArea(2, 21), AreaShape::None);
    EXPECT_EQ(ShapeOfArea(1, -5), AreaShape::None);
}

TEST(AreaShapes, TintCodesNotListedKeepTheColour) {
    const int floors = static_cast<int>(std::size(kFloorTints));
    const TintColour* b5 = FindTint(kFloorTints, floors, AreaShape::B, 5);
    ASSERT_NE(b5, nullptr);
    EXPECT_EQ(b5->alpha, 230);
    EXPECT_EQ(b5->blue, 250);
    EXPECT_EQ(FindTint(kFloorTints, floors, AreaShape::A, 2), nullptr);
    EXPECT_EQ(FindTint(kFloorTints, floors, AreaShape::C, 4), nullptr);
    const int decors = static_cast<int>(std::size(kDecorTints));
    EXPECT_EQ(FindTint(kDecorTints, decors, AreaShape::A, 0), nullptr);
    EXPECT_EQ(FindTint(kDecorTints, decors, AreaShape::C, 0)->red, 254);
}

TEST(AreaShapes, FloorLayoutKeepsTheFirstRowOfShapeA) {
    const FloorTile expected[10] = {{5, 0}, {3, 2}, {3, 1}, {3, 3}, {3, 0}, {3, 1}, {3, 3}, {5, 1}, {3, 2}, {3, 0}};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(FloorTileAt(0, c).image, expected[c].image) << c;
        EXPECT_EQ(FloorTileAt(0, c).frame, expected[c].frame) << c;
    }
    for (int r = 0; r < 38; ++r) {
        for (int c = 0; c < 12; ++c) {
            const FloorTile t = FloorTileAt(r, c);
            EXPECT_TRUE(t.image >= 3 && t.image <= 5 && t.frame <= 3) << r << "," << c;
        }
    }
}

}  // namespace
