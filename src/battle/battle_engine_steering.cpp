// Ship steering: the mouse picks one of 64 headings, the camera scrolls
// under the ship until it meets an area edge, then the ship slides instead.
#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdlib>

#include "battle/aim_rules.h"
#include "battle/battle_engine.h"

namespace {

// Boxes drawn by hand for the main headings; the rest are fitted to the
// heading-0 outline turned to their heading.
struct AuthoredRow {
    int heading;
    ShipBoxRow row;
};

constexpr AuthoredRow kAuthoredRows[] = {
    {0, {{{30, 0, 4, 16}, {22, 7, 20, 30}, {16, 40, 32, 24}, {16, 21, 32, 2}, {30, 34, 4, 4}, {28, 1, 8, 8},
          {17, 17, 30, 8}}, 20, 62}},
    {8, {{{41, 7, 10, 30}, {27, 14, 14, 20}, {17, 32, 8, 32}, {28, 13, 28, 10}, {0, 40, 36, 8}, {30, 11, 25, 18},
          {9, 32, 32, 10}}, 2, 46}},
    {16, {{{48, 30, 16, 4}, {31, 25, 30, 14}, {0, 16, 32, 32}, {33, 18, 18, 26}, {-1, 19, 55, 26}, {37, 16, 10, 32},
           {7, 22, 44, 23}}, 0, 20}},
    {32, {{{27, 47, 10, 16}, {22, 17, 20, 40}, {16, 0, 32, 22}, {17, 40, 30, 8}, {30, 34, 4, 4}, {28, 1, 8, 8},
           {17, 17, 30, 8}}, 43, 0}},
    {48, {{{1, 28, 16, 8}, {5, 23, 30, 18}, {44, 16, 20, 32}, {16, 17, 11, 30}, {33, 33, 32, 13}, {27, 19, 11, 26},
           {35, 18, 25, 20}}, 63, 43}},
};

// Where the engine flame sits behind the ship, by heading.
constexpr int32_t kFlamePoints[kShipHeadings][2] = {
    {20, 62}, {17, 61}, {14, 60}, {12, 58}, {10, 56}, {8, 53},  {6, 51},  {4, 49},  {2, 46},  {1, 43},  {-1, 40},
    {-2, 37}, {-2, 33}, {-2, 29}, {-2, 26}, {-1, 23}, {0, 20},  {2, 17},  {3, 14},  {5, 12},  {7, 9},   {9, 7},
    {13, 6},  {16, 4},  {19, 2},  {22, 0},  {24, -1}, {27, -2}, {31, -2}, {34, -2}, {37, -2}, {41, -1}, {43, 0},
    {47, 2},  {49, 3},  {52, 5},  {55, 7},  {57, 9},  {59, 12}, {61, 15}, {62, 18}, {63, 21}, {64, 24}, {65, 27},
    {66, 30}, {66, 33}, {66, 37}, {65, 40}, {63, 43}, {61, 46}, {59, 49}, {57, 52}, {56, 54}, {53, 56}, {51, 58},
    {48, 60}, {45, 62}, {43, 64}, {39, 64}, {36, 65}, {33, 66}, {30, 66}, {26, 65}, {23, 65},
};

constexpr int32_t kSpriteMin = -1;
constexpr int32_t kSpriteMax = 64;
constexpr int kGrid = kSpriteMax - kSpriteMin + 1;  // cells -1 .. 64 on each axis

// The heading-0 outline turned clockwise to a heading, sampled at the pixel
// centres of the sprite: cell (x, y) is set when the point it shows lies in
// the heading-0 box.
struct TurnedMask {
    uint8_t cells[kGrid][kGrid] = {};
    bool At(int x, int y) const { return cells[y - kSpriteMin][x - kSpriteMin] != 0; }
};

bool InBox(const int32_t (&box)[4], double x, double y) {
    return x >= box[0] && x < box[0] + box[2] && y >= box[1] && y < box[1] + box[3];
}

void TurnBox(const int32_t (&box)[4], int heading, TurnedMask& mask) {
    const double angle = heading * (2.0 * 3.14159265358979323846 / kShipHeadings);
    const double c = std::cos(angle), s = std::sin(angle);
    for (int y = kSpriteMin; y <= kSpriteMax; ++y) {
        for (int x = kSpriteMin; x <= kSpriteMax; ++x) {
            const double px = x + 0.5 - 32.0, py = y + 0.5 - 32.0;
            if (InBox(box, px * c + py * s + 32.0, -px * s + py * c + 32.0)) mask.cells[y - kSpriteMin][x - kSpriteMin] = 1;
        }
    }
}

// The upright box that best covers one turned box: each cell of the turned
// box counts +1, each cell outside the whole turned outline -1 (cells of the
// other boxes are free), and the box of largest sum wins. A turned box thus
// keeps about its own area instead of growing to its bounding box.
void FitBox(const TurnedMask& part, const TurnedMask& outline, int32_t (&out)[4]) {
    int x0 = kSpriteMax, x1 = kSpriteMin, y0 = kSpriteMax, y1 = kSpriteMin;
    for (int y = kSpriteMin; y <= kSpriteMax; ++y) {
        for (int x = kSpriteMin; x <= kSpriteMax; ++x) {
            if (!part.At(x, y)) continue;
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    }
    int weight[kGrid][kGrid];
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) weight[y - y0][x - x0] = part.At(x, y) ? 1 : (outline.At(x, y) ? 0 : -1);
    }
    int best = INT_MIN;
    int columns[kGrid];
    for (int top = y0; top <= y1; ++top) {
        std::fill(columns, columns + kGrid, 0);
        for (int bottom = top; bottom <= y1; ++bottom) {
            // The best run of columns between top and bottom.
            int run = 0, runStart = x0;
            for (int x = x0; x <= x1; ++x) {
                columns[x - x0] += weight[bottom - y0][x - x0];
                if (run <= 0) {
                    run = columns[x - x0];
                    runStart = x;
                } else {
                    run += columns[x - x0];
                }
                if (run > best) {
                    best = run;
                    out[0] = runStart, out[1] = top, out[2] = x - runStart + 1, out[3] = bottom - top + 1;
                }
            }
        }
    }
}

struct ShipBoxTableData {
    ShipBoxRow rows[kShipHeadings];

    ShipBoxTableData() : rows{} {
        const ShipBoxRow& base = kAuthoredRows[0].row;
        for (int h = 0; h < kShipHeadings; ++h) {
            TurnedMask outline;
            for (const auto& box : base.boxes) TurnBox(box, h, outline);
            for (int b = 0; b < kShipBoxCount; ++b) {
                TurnedMask part;
                TurnBox(base.boxes[b], h, part);
                FitBox(part, outline, rows[h].boxes[b]);
            }
            rows[h].flameX = kFlamePoints[h][0];
            rows[h].flameY = kFlamePoints[h][1];
        }
        for (const AuthoredRow& authored : kAuthoredRows) rows[authored.heading] = authored.row;
    }
};

constexpr float kVerticalSlope = 10000.0f;
constexpr int32_t kOffsetCapX = 350;
constexpr int32_t kOffsetCapUp = 290;
constexpr int32_t kOffsetCapDown = 180;

}  // namespace

const ShipBoxRow& BattleEngine::ShipBoxTable(int heading) {
    static const ShipBoxTableData table;
    return table.rows[static_cast<unsigned>(heading) % kShipHeadings];
}

void BattleEngine::SetHeadingFromSlope() {
    const bool anyX = moveLeft || moveRight;
    const bool anyY = moveUp || moveDown;
    if (!anyX && !anyY) return;  // on the centre: keep the heading
    if (!anyX) {
        heading = moveUp ? 0 : 32;
    } else if (!anyY) {
        heading = moveLeft ? 48 : 16;
    } else {
        const int k = SlopeOffset(slope);
        if (moveUp && moveRight) {
            heading = static_cast<uint8_t>(k);
        } else if (moveDown && moveRight) {
            heading = static_cast<uint8_t>(32 - k);
        } else if (moveDown && moveLeft) {
            heading = static_cast<uint8_t>(32 + k);
        } else {
            heading = static_cast<uint8_t>(k == 0 ? 0 : 64 - k);
        }
    }
    headingSet = 1;
}

void BattleEngine::SetStepUnits() {
    const int h = heading % kShipHeadings;
    int d;
    if (h <= 16) {
        d = h;
    } else if (h <= 32) {
        d = 32 - h;
    } else if (h <= 48) {
        d = h - 32;
    } else {
        d = 64 - h;
    }
    if (d <= 8) {
        stepUnitX = static_cast<uint8_t>(d);
        stepUnitY = 8;
    } else {
        stepUnitX = 8;
        stepUnitY = static_cast<uint8_t>(16 - d);
    }
}

void BattleEngine::ScrollCamera(int32_t& camX, int32_t& camY, uint8_t stepX, uint8_t stepY) {
    const int32_t sx = stepX, sy = stepY;
    if (moveRight) {
        camX += sx;
        if (camX > AreaBounds[kBoundXMax]) {
            camX = AreaBounds[kBoundXMax];
            offsetRight = std::min(offsetRight + sx, kOffsetCapX);
        }
        // A ship pushed left of centre comes back before the camera moves.
        if (offsetLeft > 0) {
            offsetLeft -= sx;
            camX -= sx;
            if (offsetLeft < 0) offsetLeft = 0;
        }
    }
    if (moveLeft) {
        camX -= sx;
        if (camX < AreaBounds[kBoundXMin]) {
            camX = AreaBounds[kBoundXMin];
            offsetLeft = std::min(offsetLeft + sx, kOffsetCapX);
        }
        if (offsetRight > 0) {
            offsetRight -= sx;
            camX += sx;
            if (offsetRight < 0) offsetRight = 0;
        }
    }
    if (moveUp) {
        camY -= sy;
        if (camY < AreaBounds[kBoundYMin]) {
            camY = AreaBounds[kBoundYMin];
            offsetUp = std::min(offsetUp + sy, kOffsetCapUp);
        }
        if (offsetDown > 0) {
            offsetDown -= sy;
            camY += sy;
            if (offsetDown < 0) offsetDown = 0;
        }
    }
    if (moveDown) {
        camY += sy;
        if (camY > AreaBounds[kBoundYMax]) {
            camY = AreaBounds[kBoundYMax];
            offsetDown = std::min(offsetDown + sy, kOffsetCapDown);
        }
        if (offsetUp > 0) {
            offsetUp -= sy;
            camY -= sy;
            if (offsetUp < 0) offsetUp = 0;
        }
    }
}

void BattleEngine::SteerShip(int32_t& camX, int32_t& camY, int32_t mouseX, int32_t mouseY, uint8_t stepX,
                             uint8_t stepY) {
    steering = 1;
    headingSet = 0;
    moveUp = moveDown = moveRight = moveLeft = 0;

    const int32_t drawnLeft = shipX + offsetRight - offsetLeft;
    const int32_t drawnTop = shipY + offsetDown - offsetUp;
    int32_t dx = mouseX - drawnLeft - 32;
    int32_t dy = mouseY - drawnTop - 32;
    if (dx > 1) moveRight = 1;
    if (dx < -1) {
        moveLeft = 1;
        dx = -dx;
    }
    if (dy > 1) moveDown = 1;
    if (dy < -1) {
        moveUp = 1;
        dy = -dy;
    }
    dxToMouse = std::abs(dx);
    dyToMouse = std::abs(dy);
    slope = dx == 0 ? kVerticalSlope : static_cast<float>(dy) / static_cast<float>(dx);

    SetHeadingFromSlope();
    SetStepUnits();

    if (engineLevel >= 1 && engineLevel <= 16) speedPerUnit = 24 + 2 * engineLevel;
    shipVelocityX = stepUnitX * speedPerUnit;
    shipVelocityY = stepUnitY * speedPerUnit;
    if (holdPosition) {
        stepUnitX = stepUnitY = 0;
        shipVelocityX = shipVelocityY = 0;
    }

    ScrollCamera(camX, camY, stepX, stepY);

    rotation = static_cast<float>(heading) * kHeadingRadians;

    const ShipBoxRow& row = ShipBoxTable(heading);
    for (int b = 0; b < kShipBoxCount; ++b) {
        for (int k = 0; k < 4; ++k) shipHitBoxes[b][k] = row.boxes[b][k];
    }
    flamePointX = row.flameX;
    flamePointY = row.flameY;
}
