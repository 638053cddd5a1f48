#include "frontend/cloud_rows.h"

#include "platform/sprite_sheet.h"

namespace {
constexpr int32_t kTileSize = 256;
constexpr int32_t kBottom = 600;
constexpr int kTilesPerRow = 4;
constexpr float kTileX[kTilesPerRow] = {-50, 206, 462, 718};
constexpr uint32_t kCloudColour = 0x5A9B9B9B;
}  // namespace

void ScrollCloudRows(int32_t (&rowY)[kCloudRows], uint8_t step) {
    for (int r = 0; r < kCloudRows; ++r) {
        rowY[r] += step;
        if (rowY[r] > kBottom) rowY[r] = rowY[(r + 1) % kCloudRows] - kTileSize;
    }
}

void DrawCloudRows(SpriteSheet* clouds, const int32_t (&rowY)[kCloudRows]) {
    if (!clouds) return;
    for (int r = 0; r < kCloudRows; ++r) {
        const int image = r % 2;
        for (int t = 0; t < kTilesPerRow; ++t) {
            clouds->Draw(image, t, kTileX[t], static_cast<float>(rowY[r]), kCloudColour, 1.0f, 1.0f, 0, 0.0f);
        }
    }
}
