#pragma once
#include <cstdint>

// The hit test of every button and cell: the left and top edges are inside,
// the right and bottom edges outside.
int PointInRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t px, int32_t py);
