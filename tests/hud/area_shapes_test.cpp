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

}  // namespace
