#include "platform/point_in_rect.h"

int PointInRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t px, int32_t py) {
    // Widened so that a rectangle reaching the end of the range cannot overflow.
    const int64_t right = static_cast<int64_t>(x) + width;
    const int64_t bottom = static_cast<int64_t>(y) + height;
    return (x <= px && px < right && y <= py && py < bottom) ? 1 : 0;
}
