// Fixed structures of the battle areas: the colony, the outpost and the bars
// of the fortified areas.
#include "areas/area_structures.h"

#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"

namespace {
constexpr int kHorizontalBarImage = 39;
constexpr int kVerticalBarImage = 40;
constexpr float kHorizontalBarScaleX = 2.63f;
constexpr float kVerticalBarScaleY = 1.3125f;
constexpr int32_t kScreenRight = 800;
constexpr int32_t kScreenBottom = 600;

// The colony's pipes, then its four pillars.
constexpr StructurePiece kColonyPipes[] = {
    {37, 850, -1500, 4.0f, 1.4f}, {37, 1160, -1500, 3.8f, 1.4f}, {37, 1460, -1500, 4.0f, 1.4f},
    {37, 850, -1446, 4.0f, 1.4f}, {37, 1160, -1446, 4.0f, 1.4f}, {37, 1460, -1446, 4.0f, 1.4f},
    {37, 850, -1000, 4.0f, 1.4f}, {37, 1160, -1000, 4.0f, 1.4f}, {37, 1460, -1000, 4.0f, 1.4f},
    {37, 850, -946, 4.0f, 1.4f},  {37, 1160, -946, 3.8f, 1.4f},  {37, 1460, -946, 4.0f, 1.4f},
    {37, 850, -1226, 4.0f, 1.4f}, {37, 1460, -1226, 4.0f, 1.4f},
};
constexpr StructurePiece kColonyPillars[] = {
    {38, 1101, -1450, 3.9f, 1.6f}, {38, 1101, -1185, 3.9f, 1.6f},
    {38, 1401, -1450, 3.9f, 1.6f}, {38, 1401, -1185, 3.9f, 1.6f},
};
constexpr StructurePiece kOutpost[] = {
    {39, 863, -1075, 2.63f, 1.0f}, {39, 1263, -1075, 2.63f, 1.0f}, {39, 863, -1475, 2.63f, 1.0f},
    {39, 1263, -1475, 2.63f, 1.0f}, {40, 1224, -1268, 1.0f, 1.3125f}, {40, 1224, -1436, 1.0f, 1.3125f},
};
}  // namespace

void DrawStructurePieces(GameApp& app, std::span<const StructurePiece> pieces, uint32_t colour) {
    SpriteSheet* sheet = app.sharedArt->menuSheet;
    const AreaBackdrop& backdrop = *app.areaBackdrop;
    for (const StructurePiece& piece : pieces) {
        sheet->Draw(piece.image, 0, static_cast<float>(piece.x - backdrop.viewX),
                    static_cast<float>(piece.y - backdrop.viewY), colour, piece.scaleX, piece.scaleY, 0, 0.0f);
    }
}

void DrawColony(GameApp& app, uint32_t pipeColour, uint32_t pillarColour) {
    DrawStructurePieces(app, kColonyPipes, pipeColour);
    DrawStructurePieces(app, kColonyPillars, pillarColour);
}
void DrawOutpost(GameApp& app, uint32_t colour) { DrawStructurePieces(app, kOutpost, colour); }

bool BarOnScreen(const BarWindow& window, int32_t x, int32_t y) {
    return x > window.xMin && x < kScreenRight && y > window.yMin && y < kScreenBottom;
}

void DrawBars(GameApp& app, uint32_t colour, const BarWindow& horizontal, const BarWindow& vertical) {
    SpriteSheet* sheet = app.sharedArt->menuSheet;
    const BarTables& bars = app.battleEngine->bars;
    const AreaBackdrop& backdrop = *app.areaBackdrop;
    for (int i = 0; i < BarTables::kHorizontal; ++i) {
        const int32_t x = bars.horizontalX[i] - backdrop.viewX;
        const int32_t y = bars.horizontalY[i] - backdrop.viewY;
        if (!BarOnScreen(horizontal, x, y)) continue;
        sheet->Draw(kHorizontalBarImage, 0, static_cast<float>(x), static_cast<float>(y), colour,
                    kHorizontalBarScaleX, 1.0f, 0, 0.0f);
    }
    for (int i = 0; i < BarTables::kVertical; ++i) {
        const int32_t x = bars.verticalX[i] - backdrop.viewX;
        const int32_t y = bars.verticalY[i] - backdrop.viewY;
        if (!BarOnScreen(vertical, x, y)) continue;
        sheet->Draw(kVerticalBarImage, 0, static_cast<float>(x), static_cast<float>(y), colour, 1.0f,
                    kVerticalBarScaleY, 0, 0.0f);
    }
}
