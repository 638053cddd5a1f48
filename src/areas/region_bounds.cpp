#include "areas/region_bounds.h"

#include "battle/battle_engine.h"
#include "hud/area_shapes.h"

namespace {
struct BoundsOfShape {
    AreaShape shape;
    int32_t yMin, yMax, xMax;
};
constexpr BoundsOfShape kBoundsOfShape[] = {
    {AreaShape::A, -4642, -536, 1760},
    {AreaShape::B, -9760, -536, 224},
    {AreaShape::C, -1056, -536, 2274},
};
constexpr int32_t kBoundsXMin = -64;
}  // namespace

void ShapeBounds(uint32_t questSet, int32_t area, int32_t bounds[4]) {
    const AreaShape shape = ShapeOfArea(questSet, area);
    for (const BoundsOfShape& row : kBoundsOfShape) {
        if (row.shape != shape) continue;
        bounds[kBoundYMin] = row.yMin;
        bounds[kBoundYMax] = row.yMax;
        bounds[kBoundXMax] = row.xMax;
    }
    bounds[kBoundXMin] = kBoundsXMin;
}
