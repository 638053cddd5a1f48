#pragma once
#include <cstdint>

// The four shapes every area has, and the per-area tables the area scenes and
// the backdrop draw from. World x grows right, y grows down; every area lies at
// y <= 0 with its floor's bottom-left corner at (-32, 0).

enum class AreaShape : uint8_t { None, Home, A, B, C };

inline constexpr int32_t kTileSize = 256;
inline constexpr int32_t kFloorLeft = -32;
inline constexpr int kRowRingSize = 40;
inline constexpr int kDecorationCount = 20;
inline constexpr int kWallSlots = 50;

struct ShapeGeometry {
    uint8_t columns, rows;          // floor tiles
    int32_t borderLeft, borderRight, borderBottom, borderTop;
    uint8_t ringRows;               // cloud rows of the ring in use
    uint8_t decorations;            // decorations in use
    int32_t decorRestartY;          // where a decoration that passed y 256 starts again
    int32_t decorWrapX, decorWrapDrop;  // past wrapX its x drops by wrapDrop
};

// Indexed by AreaShape.
inline constexpr ShapeGeometry kShapeGeometry[5] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {6, 6, -64, 1504, 0, -1568, 8, 10, -1400, 1400, 1300},
    {10, 18, -64, 2528, 0, -4640, 19, 20, -4472, 2400, 2300},
    {4, 38, -64, 992, 0, -9761, 39, 20, -9600, 1100, 1000},
    {12, 4, -64, 3040, 0, -1056, 5, 20, -1000, 2700, 2500},
};
inline constexpr const ShapeGeometry& GeometryOf(AreaShape shape) { return kShapeGeometry[static_cast<int>(shape)]; }

// Shape of an area in a region (1 = first quest set, 2 = second); area 1 is
// the home base in both. None for anything else.
AreaShape ShapeOfArea(uint32_t region, int32_t area);

// A run of radar wall pieces: count pieces from (x, y) in steps of (dx, dy).
struct WallRun {
    int32_t x, y, dx, dy;
    uint8_t count;
};
struct ShapeWalls {
    WallRun horizontal[2];
    WallRun vertical[2];
};
// Indexed by AreaShape; each piece stands for 512 world pixels of edge.
inline constexpr ShapeWalls kShapeWalls[5] = {
    {{{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}},
    {{{460, -42, 512, 0, 3}, {460, -1558, 512, 0, 3}}, {{-44, -544, 0, -512, 3}, {1484, -544, 0, -512, 3}}},
    {{{460, -42, 512, 0, 5}, {460, -4652, 512, 0, 5}}, {{-44, -544, 0, -512, 9}, {2508, -544, 0, -512, 9}}},
    {{{460, -32, 512, 0, 2}, {460, -9771, 512, 0, 2}}, {{-64, -544, 0, -512, 19}, {992, -544, 0, -512, 19}}},
    {{{460, -40, 512, 0, 6}, {460, -1056, 512, 0, 6}}, {{-44, -544, 0, -512, 2}, {3044, -544, 0, -512, 2}}},
};

// An ARGB colour given as its four bytes.
struct TintColour {
    uint8_t alpha, red, green, blue;
};

// A floor tint code or decoration variant and the colour it chooses.
struct TintChoice {
    AreaShape shape;
    uint8_t code;
    TintColour colour;
};

inline constexpr TintChoice kFloorTints[] = {
    {AreaShape::A, 0, {120, 255, 255, 255}}, {AreaShape::A, 1, {160, 255, 0, 0}},
    {AreaShape::A, 4, {155, 0, 0, 255}},     {AreaShape::B, 1, {255, 255, 255, 75}},
    {AreaShape::B, 2, {255, 200, 200, 200}}, {AreaShape::B, 3, {255, 250, 200, 100}},
    {AreaShape::B, 4, {155, 0, 0, 255}},     {AreaShape::B, 5, {230, 50, 80, 250}},
    {AreaShape::C, 0, {120, 255, 255, 255}}, {AreaShape::C, 1, {150, 0, 0, 150}},
    {AreaShape::C, 2, {150, 250, 200, 0}},
};
// Shape B floors with this code draw no light overlays.
inline constexpr uint8_t kFloorTintNoOverlays = 4;

inline constexpr TintChoice kDecorTints[] = {
    {AreaShape::A, 1, {90, 155, 155, 155}},  {AreaShape::A, 2, {250, 255, 155, 155}},
    {AreaShape::A, 3, {150, 5, 5, 255}},     {AreaShape::A, 4, {150, 255, 5, 5}},
    {AreaShape::A, 5, {160, 255, 155, 155}}, {AreaShape::B, 1, {170, 100, 255, 100}},
    {AreaShape::B, 2, {180, 200, 200, 200}}, {AreaShape::B, 3, {180, 250, 0, 0}},
    {AreaShape::B, 4, {220, 255, 0, 0}},     {AreaShape::B, 5, {230, 50, 80, 250}},
    {AreaShape::C, 0, {200, 254, 80, 240}},  {AreaShape::C, 1, {230, 50, 80, 250}},
    {AreaShape::C, 3, {230, 250, 200, 0}},   {AreaShape::C, 4, {130, 255, 255, 0}},
};
inline constexpr uint32_t kHomeDecorColour = 0x509B9B9B;

// Colour of a code in a tint table, or null when the code keeps the colour.
const TintColour* FindTint(const TintChoice* table, int count, AreaShape shape, uint8_t code);

// When the scene's full-screen wash is drawn.
enum class WashOrder : uint8_t { First, AfterFloor, AfterDecorations };

inline constexpr int8_t kNone = -1;

// How an area scene draws an area: floor tint code (kNone: no floor), decoration
// variant (kNone: no decorations or cloud rows), and the wash (an image of the
// shared menu sheet over the whole screen; kNone: no wash).
struct AreaLook {
    const char* name;
    AreaShape shape;
    int8_t floorTint;
    int8_t decorVariant;
    int8_t washImage;
    uint32_t washColour;
    WashOrder washOrder;
};

// Areas 2-28 of the first region and 2-20 of the second; null for others.
const AreaLook* FindAreaLook(uint32_t region, int32_t area);

// Floor tile of a cell: a space-sheet image (3, 4 or 5) and frame (0-3).
struct FloorTile {
    uint8_t image, frame;
};
FloorTile FloorTileAt(int row, int column);
