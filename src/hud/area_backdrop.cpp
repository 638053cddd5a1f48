#include "hud/area_backdrop.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/mouse_cursor.h"

namespace {

constexpr uint32_t kAnimateMs = 100;
constexpr uint8_t kDecorFrames = 16;

struct Decoration {
    int32_t x, y;
    float scaleX, scaleY;
};

// Where the decorations start, and where the home base and the second
// region's shape A areas put them back.
constexpr Decoration kDecorationStart[kDecorationCount] = {
    {100, -1200, 1.0f, 1.0f}, {1320, -900, 0.7f, 0.8f},  {320, 100, 0.8f, 1.2f},    {450, -600, 1.3f, 1.1f},
    {520, -100, 1.2f, 0.6f},  {840, -70, 1.1f, 0.7f},    {800, -700, 0.8f, 0.8f},   {1000, -900, 1.0f, 0.9f},
    {1200, -500, 1.3f, 1.1f}, {50, -600, 0.5f, 1.2f},    {2100, -1800, 0.7f, 0.7f}, {1920, -2300, 0.7f, 0.8f},
    {1720, -2600, 0.8f, 1.2f}, {2300, -2800, 1.3f, 1.1f}, {420, -3600, 1.2f, 0.6f},  {740, -4200, 1.1f, 0.7f},
    {1100, -1400, 0.8f, 0.8f}, {2000, -3200, 1.0f, 0.9f}, {2200, -3900, 1.3f, 1.1f}, {250, -4300, 0.5f, 1.2f},
};

constexpr int kConstructionRows = 39;
constexpr int kRowsA = 19;
constexpr int kRowsB = 40;
constexpr int kRowsC = 5;
constexpr int32_t kRowTop = 256;      // the ring's first row and the y past which things wrap

// Home view limits of edge scrolling.
constexpr int32_t kHomeViewTop = -1568;
constexpr int32_t kHomeViewLeft = -64;
constexpr int32_t kHomeViewRight = 736;
constexpr int32_t kEdgeNear = 20;
constexpr int32_t kEdgeBottom = 516;
constexpr int32_t kEdgeRight = 716;

// Narrow decorations that stand in the upper part of the larger shapes.
constexpr float kNarrowScale = 0.7f;
constexpr float kWideScale = 1.3f;

}  // namespace

AreaBackdrop::AreaBackdrop() {
    ResetRows(kConstructionRows);
    ResetDecorations();
}

void AreaBackdrop::ResetRows(int count) {
    for (int i = 0; i < count; ++i) rowY[i] = kRowTop - kTileSize * i;
}

void AreaBackdrop::ResetDecorations() {
    for (int i = 0; i < kDecorationCount; ++i) {
        decorX[i] = kDecorationStart[i].x;
        decorY[i] = kDecorationStart[i].y;
        decorScaleX[i] = kDecorationStart[i].scaleX;
        decorScaleY[i] = kDecorationStart[i].scaleY;
    }
}

void AreaBackdrop::Animate() {
    const uint32_t now = NowMs();
    if (tickState == 1) {
        tickStart = now;
        tickState = 2;
    } else if (tickState == 2 && now - tickStart > kAnimateMs) {
        tickState = 1;
        decorFrame = static_cast<uint8_t>((decorFrame + 1) % kDecorFrames);
    }
}

void AreaBackdrop::ScrollRows(int rows, uint8_t step) {
    // The rows form a band that wraps round: a row that passes the top goes
    // 256 above the one before it, row 0 above the last row as it stood.
    const int32_t lastBefore = rowY[rows - 1];
    for (int i = 0; i < rows; ++i) {
        rowY[i] += step;
        if (rowY[i] > kRowTop) rowY[i] = (i == 0 ? lastBefore : rowY[i - 1]) - kTileSize;
    }
}

void AreaBackdrop::ScrollDecorations(const ShapeGeometry& geometry, uint8_t step) {
    for (int i = 0; i < geometry.decorations; ++i) {
        decorY[i] += step;
        if (decorY[i] > kRowTop) {
            decorY[i] = geometry.decorRestartY;
            decorX[i] += 300;
            if (decorX[i] > geometry.decorWrapX) decorX[i] -= geometry.decorWrapDrop;
        }
    }
}

void AreaBackdrop::ScrollLayers(uint32_t pixels, uint32_t questSet) {
    const uint8_t step = static_cast<uint8_t>(pixels & 0xFF);
    AreaShape shape = areaNumber == 1 ? AreaShape::Home : ShapeOfArea(questSet, areaNumber);
    // Green Domain and Skeletons Prison have still skies.
    if (questSet == 1 && (areaNumber == 5 || areaNumber == 10)) shape = AreaShape::None;
    if (shape == AreaShape::None) return;
    const ShapeGeometry& geometry = GeometryOf(shape);
    ScrollRows(geometry.ringRows, step);
    ScrollDecorations(geometry, step);
}

void AreaBackdrop::ScrollByMouse(const MouseCursor& cursor, uint8_t pixels, int32_t maxViewY) {
    ScrollByMouseAt(cursor.x, cursor.y, pixels, maxViewY);
}

void AreaBackdrop::ScrollByMouseAt(int32_t cursorX, int32_t cursorY, uint8_t pixels, int32_t maxViewY) {
    // Each edge only moves the view while it is inside its limit, and never past it.
    if (cursorY < kEdgeNear && viewY > kHomeViewTop) viewY = std::max(viewY - pixels, kHomeViewTop);
    if (cursorY > kEdgeBottom && viewY < maxViewY) viewY = std::min(viewY + pixels, maxViewY);
    if (cursorX < kEdgeNear && viewX > kHomeViewLeft) viewX = std::max(viewX - pixels, kHomeViewLeft);
    if (cursorX > kEdgeRight && viewX < kHomeViewRight) viewX = std::min(viewX + pixels, kHomeViewRight);
}

void AreaBackdrop::PlaceWalls(AreaShape shape) {
    const ShapeWalls& walls = kShapeWalls[static_cast<int>(shape)];
    auto place = [](const WallRun (&runs)[2], uint8_t* used, int32_t* xs, int32_t* ys) {
        int index = 0;
        for (const WallRun& run : runs) {
            for (int k = 0; k < run.count && index < kWallSlots; ++k, ++index) {
                used[index] = 1;
                xs[index] = run.x + run.dx * k;
                ys[index] = run.y + run.dy * k;
            }
        }
    };
    place(walls.horizontal, wallUsedA, wallXA, wallYA);
    place(walls.vertical, wallUsedB, wallXB, wallYB);
}

void AreaBackdrop::SetupArea(uint32_t questSet) {
    for (int i = 0; i < kWallSlots; ++i) {
        wallUsedA[i] = 0;
        wallUsedB[i] = 0;
    }
    const AreaShape shape = ShapeOfArea(questSet, areaNumber);

    if (areaNumber == 1) {
        ResetRows(kRowsA);
        ResetDecorations();
        PlaceWalls(AreaShape::Home);
        return;
    }
    switch (shape) {
        case AreaShape::A:
            ResetRows(kRowsA);
            // The second region starts its decorations afresh; the first lets
            // them drift on from the area before.
            if (questSet == 2) ResetDecorations();
            break;
        case AreaShape::B:
            ResetRows(kRowsB);
            decorScaleX[13] = kWideScale;
            decorScaleX[18] = kWideScale;
            break;
        case AreaShape::C:
            ResetRows(kRowsC);
            break;
        default:
            return;
    }
    decorScaleX[10] = kNarrowScale;
    decorScaleX[11] = kNarrowScale;
    PlaceWalls(shape);
}

void AreaBackdrop::PlaceRadarWalls(int32_t shipX, int32_t shipY, int32_t offsetRight, int32_t offsetLeft,
                                   int32_t offsetUp, int32_t offsetDown) {
    // Integer division truncates toward zero: -25 / 13 is -1.
    auto radar = [](int32_t world, int32_t view, int32_t ship, int32_t away, int32_t back) {
        const int64_t d = int64_t{world} - view - ship - away + back;
        return static_cast<int32_t>(d / 13);
    };
    wallCountA = 0;
    wallCountB = 0;
    for (int i = 0; i < kWallSlots; ++i) {
        if (wallUsedA[i]) {
            radarXA[i] = radar(wallXA[i], viewX, shipX, offsetRight, offsetLeft);
            radarYA[i] = radar(wallYA[i], viewY, shipY, offsetDown, offsetUp);
            ++wallCountA;
        }
        if (wallUsedB[i]) {
            radarXB[i] = radar(wallXB[i], viewX, shipX, offsetRight, offsetLeft);
            radarYB[i] = radar(wallYB[i], viewY, shipY, offsetDown, offsetUp);
            ++wallCountB;
        }
    }
}

// The radar's box ends at screen x 600 on the left and y 127 below: pieces
// reaching those edges are shortened.
float AreaBackdrop::HorizontalPieceLength(int index) const {
    if (index < 0 || index >= kWallSlots || !wallUsedA[index]) return 0.0f;
    const int32_t rx = radarXA[index];
    if (radarYA[index] >= 65 || rx <= -98) return 0.0f;
    return rx < -58 ? static_cast<float>(rx + 98) * 0.5f : 20.0f;
}

float AreaBackdrop::VerticalPieceLength(int index) const {
    if (index < 0 || index >= kWallSlots || !wallUsedB[index]) return 0.0f;
    const int32_t ry = radarYB[index];
    if (ry >= 65 || radarXB[index] < -97) return 0.0f;
    return ry > 24 ? static_cast<float>(64 - ry) * 0.5f : 20.0f;
}
