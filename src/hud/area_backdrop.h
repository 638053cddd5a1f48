#pragma once
#include <cstdint>

#include "hud/area_shapes.h"

class MouseCursor;
class SpriteSheet;

// Which area the player is in, where the view stands, and the ground drawn
// under the battle: floor tiles with tinted light overlays, border strips,
// drifting decorations and a ring of cloud rows sliding down, plus the area's
// outline on the radar. It owns no art; the scene passes the shared sheets.
class AreaBackdrop {
public:
    AreaBackdrop();
    virtual ~AreaBackdrop() = default;

    // Decoration frame, one step per 100 ms.
    void Animate();
    // Moves the cloud rows and decorations down by the low byte of pixels.
    void ScrollLayers(uint32_t pixels, uint32_t questSet);
    // Edge scrolling of the home view while placing or moving a building.
    void ScrollByMouse(const MouseCursor& cursor, uint8_t pixels, int32_t maxViewY);
    void ScrollByMouseAt(int32_t cursorX, int32_t cursorY, uint8_t pixels, int32_t maxViewY);

    // Rows, decorations and radar walls of the current area.
    void SetupArea(uint32_t questSet);

    void DrawHomeFloor(SpriteSheet* space, SpriteSheet* dust);
    void DrawHomeDecor(SpriteSheet* clouds);
    void DrawHomeBorder(SpriteSheet* space);
    void DrawFloorA(SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode);
    void DrawFloorB(SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode);
    void DrawFloorC(SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode);
    void DrawDecorA(SpriteSheet* clouds, uint8_t variant);
    void DrawDecorB(SpriteSheet* clouds, uint8_t variant);
    void DrawDecorC(SpriteSheet* clouds, uint8_t variant);
    void DrawBorderA(SpriteSheet* space);
    void DrawBorderB(SpriteSheet* space);
    void DrawBorderC(SpriteSheet* space);

    // The area's outline on the radar, at 1/13 scale round the ship.
    void DrawRadarWalls(SpriteSheet* menuSheet, int32_t shipX, int32_t shipY, int32_t offsetRight,
                        int32_t offsetLeft, int32_t offsetUp, int32_t offsetDown);
    // Radar positions and counts of the pieces (the arithmetic of DrawRadarWalls).
    void PlaceRadarWalls(int32_t shipX, int32_t shipY, int32_t offsetRight, int32_t offsetLeft, int32_t offsetUp,
                         int32_t offsetDown);
    // Drawn length of a placed piece (its scale along the edge); 0 when it is not drawn.
    float HorizontalPieceLength(int index) const;
    float VerticalPieceLength(int index) const;

    int32_t areaNumber = 1;
    uint32_t tickStart = 0;
    uint8_t tickState = 1;
    uint8_t decorFrame = 0;
    int32_t rowY[kRowRingSize] = {};
    int32_t decorX[kDecorationCount] = {};
    int32_t decorY[kDecorationCount] = {};
    float decorScaleX[kDecorationCount] = {};
    float decorScaleY[kDecorationCount] = {};
    float radarScaleA = 0.0f, radarScaleB = 0.0f;
    // The colour floor and decoration layers share; the shape B floor uses alpha2.
    uint8_t tintRed = 255, tintGreen = 255, tintBlue = 255, tintAlpha2 = 255, tintAlpha = 255;
    uint8_t wallCountA = 0;
    uint8_t wallUsedA[kWallSlots] = {};
    int32_t wallXA[kWallSlots] = {}, wallYA[kWallSlots] = {};
    int32_t radarXA[kWallSlots] = {}, radarYA[kWallSlots] = {};
    uint8_t wallCountB = 0;
    uint8_t wallUsedB[kWallSlots] = {};
    int32_t wallXB[kWallSlots] = {}, wallYB[kWallSlots] = {};
    int32_t radarXB[kWallSlots] = {}, radarYB[kWallSlots] = {};
    int32_t viewX = 30, viewY = -620;

private:
    void ResetRows(int count);
    void ResetDecorations();
    void PlaceWalls(AreaShape shape);
    void ScrollRows(int rows, uint8_t step);
    void ScrollDecorations(const ShapeGeometry& geometry, uint8_t step);
    void DrawFloor(AreaShape shape, SpriteSheet* space, SpriteSheet* dust, uint8_t tintCode);
    void DrawDecor(AreaShape shape, SpriteSheet* clouds, uint32_t rowColour);
    void DrawBorder(AreaShape shape, SpriteSheet* space);
    void SetTint(const TintColour& colour, bool secondAlpha);
    uint32_t TintArgb(bool secondAlpha) const;
};
