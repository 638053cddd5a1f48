#pragma once
#include <cstdint>

class SpriteSheet;

// Four rows of translucent cloud tiles drifting down behind the front-end
// screens. A row that falls off the bottom goes back on top, so the rows
// cover the screen without end.
constexpr int kCloudRows = 4;
constexpr int32_t kCloudRowStart[kCloudRows] = {-256, 0, 256, 512};

// Moves every row down by step. Rows 0 to 2 wrap against the next row before
// it has moved in this call, row 3 against row 0 after it has: the small seam
// that leaves is how the clouds have always drifted.
void ScrollCloudRows(int32_t (&rowY)[kCloudRows], uint8_t step);

// Rows 0 and 2 from image 0 of the shared clouds sheet, rows 1 and 3 from
// image 1, four tiles a row.
void DrawCloudRows(SpriteSheet* clouds, const int32_t (&rowY)[kCloudRows]);
