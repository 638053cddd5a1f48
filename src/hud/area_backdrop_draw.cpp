#include "hud/area_backdrop.h"
#include <iterator>

#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBandColour = 0xB4FFFFFF;
constexpr int kScreenWidth = 800;
constexpr int kScreenBottom = 599;

// Space sheet images of the border.
constexpr int kBorderHorizontal = 0;  // 128 x 32: frame 0 bottom edge, 1 top edge
constexpr int kBorderVertical = 1;    // 32 x 128: frame 1 left, 0 right
constexpr int kBorderCorners = 2;     // 64 x 64: top left, top right, bottom left, bottom right
constexpr int32_t kStripLength = 512;
constexpr int32_t kStripThickness = 32;
// Dust sheet images of the home floor.
constexpr int kHomeFloorRows = 20;
constexpr int kHomeFloorPicture = 26;
// Clouds sheet image of the decorations (8 x 16 frames).
constexpr int kDecorImage = 2;
constexpr float kDecorWidth = 8.0f, kDecorHeight = 16.0f;
// Menu sheet image of a radar wall piece (2 x 2).
constexpr int kRadarPiece = 35;
constexpr float kRadarX = 698.0f, kRadarY = 62.0f;

// Light overlays along the rows: the first four rows, then a repeating eight.
constexpr uint8_t kOverlayFirstRows[4] = {10, 8, 13, 11};
constexpr uint8_t kOverlayRepeat[8] = {10, 8, 17, 16, 15, 14, 13, 11};
// The two-by-two overlay picture of the middle columns, per pair of rows.
constexpr uint8_t kPictureFirstPairs[3] = {9, 12, 9};
constexpr uint8_t kPictureRepeat[4] = {19, 18, 12, 9};

bool Visible(int32_t sx, int32_t sy, int32_t width, int32_t height) {
    return -width < sx && sx <= kScreenWidth && -height < sy && sy <= kScreenBottom;
}

uint8_t RowOverlay(int row) { return row < 4 ? kOverlayFirstRows[row] : kOverlayRepeat[(row - 4) % 8]; }

uint8_t PictureImage(int row) {
    const int pair = row / 2;
    return pair < 3 ? kPictureFirstPairs[pair] : kPictureRepeat[(pair - 3) % 4];
}

// Columns that show the two-by-two picture: 0 none, 1 its left half, 2 its right half.
int PictureHalf(AreaShape shape, int column) {
    if (shape == AreaShape::B) return 0;
    if (column == 4 || (shape == AreaShape::C && column == 10)) return 1;
    if (column == 5 || (shape == AreaShape::C && column == 11)) return 2;
    return 0;
}

bool InBand(AreaShape shape, int row, int column) {
    if (row < 1) return false;
    return shape == AreaShape::B ? column == 3 : (column >= 3 && column <= 5);
}

uint32_t Argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

}  // namespace

void AreaBackdrop::SetTint(const TintColour& colour, bool secondAlpha) {
    tintRed = colour.red;
    tintGreen = colour.green;
    tintBlue = colour.blue;
    (secondAlpha ? tintAlpha2 : tintAlpha) = colour.alpha;
}

uint32_t AreaBackdrop::TintArgb(bool secondAlpha) const {
    return Argb(secondAlpha ? tintAlpha2 : tintAlpha, tintRed, tintGreen, tintBlue);
}

void AreaBackdrop::DrawFloor(AreaShape shape, SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode) {
    const bool secondAlpha = shape == AreaShape::B;
    if (const TintColour* c = FindTint(kFloorTints, static_cast<int>(std::size(kFloorTints)), shape, tintCode)) {
        SetTint(*c, secondAlpha);
    }
    const bool overlays = !(shape == AreaShape::B && tintCode == kFloorTintNoOverlays);
    const uint32_t overlayColour = TintArgb(secondAlpha);
    const ShapeGeometry& g = GeometryOf(shape);
    for (int r = 0; r < g.rows; ++r) {
        const int32_t sy = -kTileSize * (r + 1) - viewY;
        for (int c = 0; c < g.columns; ++c) {
            const int32_t sx = kFloorLeft + kTileSize * c - viewX;
            if (!Visible(sx, sy, kTileSize, kTileSize)) continue;
            const FloorTile tile = FloorTileAt(r, c);
            if (space) {
                space->Draw(tile.image, tile.frame, static_cast<float>(sx), static_cast<float>(sy),
                            InBand(shape, r, c) ? kBandColour : kWhite, 1.0f, 1.0f, 0, 0.0f);
            }
            if (!overlays || !dust) continue;
            const int half = PictureHalf(shape, c);
            const int image = half ? PictureImage(r) : RowOverlay(r);
            const int frame = half ? (r % 2 == 0 ? 2 : 0) + (half - 1) : c % 4;
            dust->Draw(image, frame, static_cast<float>(sx), static_cast<float>(sy), overlayColour, 1.0f, 1.0f, 0,
                       0.0f);
        }
    }
}

void AreaBackdrop::DrawHomeFloor(SpriteSheet* /*space*/, SpriteSheet* dust) {
    if (!dust) return;
    const ShapeGeometry& g = GeometryOf(AreaShape::Home);
    for (int r = 0; r < g.rows; ++r) {
        const int32_t sy = -kTileSize * (r + 1) - viewY;
        for (int c = 0; c < g.columns; ++c) {
            const int32_t sx = kFloorLeft + kTileSize * c - viewX;
            if (!Visible(sx, sy, kTileSize, kTileSize)) continue;
            const int image = c < 4 ? kHomeFloorRows + r : kHomeFloorPicture + r / 2;
            const int frame = c < 4 ? c : (r % 2 == 0 ? 2 : 0) + (c - 4);
            dust->Draw(image, frame, static_cast<float>(sx), static_cast<float>(sy), kWhite, 1.0f, 1.0f, 0, 0.0f);
        }
    }
}

void AreaBackdrop::DrawFloorA(SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode) {
    DrawFloor(AreaShape::A, space, dust, tintCode);
}
void AreaBackdrop::DrawFloorB(SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode) {
    DrawFloor(AreaShape::B, space, dust, tintCode);
}
void AreaBackdrop::DrawFloorC(SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode) {
    DrawFloor(AreaShape::C, space, dust, tintCode);
}

void AreaBackdrop::DrawDecor(AreaShape shape, SpriteSheet* clouds, uint32_t rowColour) {
    if (!clouds) return;
    const ShapeGeometry& g = GeometryOf(shape);
    for (int i = 0; i < g.decorations; ++i) {
        const int32_t sx = decorX[i] - 32 - viewX;
        const int32_t sy = decorY[i] - 256 - viewY;
        const auto width = static_cast<int32_t>(kDecorWidth * decorScaleX[i]) + 1;
        const auto height = static_cast<int32_t>(kDecorHeight * decorScaleY[i]) + 1;
        if (!Visible(sx, sy, width, height)) continue;
        clouds->Draw(kDecorImage, decorFrame, static_cast<float>(sx), static_cast<float>(sy), kWhite, decorScaleX[i],
                     decorScaleY[i], 0, 0.0f);
    }
    for (int i = 0; i < g.ringRows; ++i) {
        const int32_t sy = rowY[i] - kTileSize - viewY;
        for (int k = 0; k < g.columns; ++k) {
            const int32_t sx = kFloorLeft + kTileSize * k - viewX;
            if (!Visible(sx, sy, kTileSize, kTileSize)) continue;
            clouds->Draw(i % 2, k % 4, static_cast<float>(sx), static_cast<float>(sy), rowColour, 1.0f, 1.0f, 0,
                         0.0f);
        }
    }
}

void AreaBackdrop::DrawDecorA(SpriteSheet* clouds, uint8_t variant) {
    if (const TintColour* c = FindTint(kDecorTints, static_cast<int>(std::size(kDecorTints)), AreaShape::A, variant)) {
        SetTint(*c, false);
    }
    DrawDecor(AreaShape::A, clouds, TintArgb(false));
}

void AreaBackdrop::DrawDecorB(SpriteSheet* clouds, uint8_t variant) {
    if (const TintColour* c = FindTint(kDecorTints, static_cast<int>(std::size(kDecorTints)), AreaShape::B, variant)) {
        SetTint(*c, false);
    }
    DrawDecor(AreaShape::B, clouds, TintArgb(false));
}

void AreaBackdrop::DrawDecorC(SpriteSheet* clouds, uint8_t variant) {
    if (const TintColour* c = FindTint(kDecorTints, static_cast<int>(std::size(kDecorTints)), AreaShape::C, variant)) {
        SetTint(*c, false);
    } else {
        tintAlpha = variant;  // other variants give their own number as the alpha
    }
    DrawDecor(AreaShape::C, clouds, TintArgb(false));
}

void AreaBackdrop::DrawHomeDecor(SpriteSheet* clouds) { DrawDecor(AreaShape::Home, clouds, kHomeDecorColour); }

void AreaBackdrop::DrawBorder(AreaShape shape, SpriteSheet* space) {
    if (!space) return;
    const ShapeGeometry& g = GeometryOf(shape);
    auto piece = [&](int image, int frame, int32_t x, int32_t y, int32_t w, int32_t h, float scaleX, float scaleY) {
        const int32_t sx = x - viewX;
        const int32_t sy = y - viewY;
        if (Visible(sx, sy, w, h)) {
            space->Draw(image, frame, static_cast<float>(sx), static_cast<float>(sy), kWhite, scaleX, scaleY, 0, 0.0f);
        }
    };
    const int32_t width = kTileSize * g.columns;
    const int32_t height = kTileSize * g.rows;
    for (int32_t x = kFloorLeft; x < kFloorLeft + width; x += kStripLength) {
        piece(kBorderHorizontal, 0, x, g.borderBottom, kStripLength, kStripThickness, 4.0f, 1.0f);
        piece(kBorderHorizontal, 1, x, g.borderTop, kStripLength, kStripThickness, 4.0f, 1.0f);
    }
    for (int32_t y = -kStripLength; y >= -height; y -= kStripLength) {
        piece(kBorderVertical, 1, g.borderLeft, y, kStripThickness, kStripLength, 1.0f, 4.0f);
        piece(kBorderVertical, 0, g.borderRight, y, kStripThickness, kStripLength, 1.0f, 4.0f);
    }
    // Corners fill the squares where the strips meet.
    piece(kBorderCorners, 0, g.borderLeft, g.borderTop, kStripThickness, kStripThickness, 0.5f, 0.5f);
    piece(kBorderCorners, 1, g.borderRight, g.borderTop, kStripThickness, kStripThickness, 0.5f, 0.5f);
    piece(kBorderCorners, 2, g.borderLeft, g.borderBottom, kStripThickness, kStripThickness, 0.5f, 0.5f);
    piece(kBorderCorners, 3, g.borderRight, g.borderBottom, kStripThickness, kStripThickness, 0.5f, 0.5f);
}

void AreaBackdrop::DrawBorderA(SpriteSheet* space) { DrawBorder(AreaShape::A, space); }
void AreaBackdrop::DrawBorderB(SpriteSheet* space) { DrawBorder(AreaShape::B, space); }
void AreaBackdrop::DrawBorderC(SpriteSheet* space) { DrawBorder(AreaShape::C, space); }
void AreaBackdrop::DrawHomeBorder(SpriteSheet* space) { DrawBorder(AreaShape::Home, space); }

void AreaBackdrop::DrawRadarWalls(SpriteSheet* menuSheet, int32_t shipX, int32_t shipY, int32_t offsetRight,
                                  int32_t offsetLeft, int32_t offsetUp, int32_t offsetDown) {
    PlaceRadarWalls(shipX, shipY, offsetRight, offsetLeft, offsetUp, offsetDown);
    if (!menuSheet) return;
    for (int i = 0; i < kWallSlots; ++i) {
        radarScaleA = HorizontalPieceLength(i);
        if (radarScaleA > 0.0f) {
            menuSheet->Draw(kRadarPiece, 0, kRadarX + static_cast<float>(radarXA[i]),
                            kRadarY + static_cast<float>(radarYA[i]), kWhite, radarScaleA, 1.0f, 1, 3.14f);
        }
        radarScaleB = VerticalPieceLength(i);
        if (radarScaleB > 0.0f) {
            menuSheet->Draw(kRadarPiece, 0, kRadarX + static_cast<float>(radarXB[i]),
                            kRadarY + static_cast<float>(radarYB[i]), kWhite, 1.0f, radarScaleB, 0, 0.0f);
        }
    }
}
