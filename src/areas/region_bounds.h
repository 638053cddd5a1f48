#pragma once
#include <cstdint>

// The map bounds of a battle area, by its shape (the same in both regions):
// y min, y max, x min, x max into bounds. An area without a shape leaves
// the y and far-x bounds as they were.
void ShapeBounds(uint32_t questSet, int32_t area, int32_t bounds[4]);
