#include "scene_view.h"

#include <cmath>

#include "battle/battle_engine.h"
#include "platform/graphics_device.h"
#include "platform/image_codec.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kKeyBlack = 0xFF000000;
constexpr float kFacingRadians = -0.785f;

// A filled shape on black: a body disc of `body`, a nose triangle of `nose`
// pointing up, so rotation can be seen.
Image ArrowPicture(int size, uint32_t body, uint32_t nose) {
    Image img;
    img.Resize(size, size);
    const float c = size / 2.0f;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float dx = x + 0.5f - c, dy = y + 0.5f - c;
            uint32_t p = kKeyBlack;
            if (dx * dx + dy * dy < (c * 0.55f) * (c * 0.55f)) p = body;
            // Nose: a triangle from the top centre down to the body.
            const float t = (y + 0.5f) / (c * 0.9f);
            if (t <= 1.0f && std::fabs(dx) < t * c * 0.35f) p = nose;
            img.At(x, y) = p;
        }
    }
    return img;
}

Image DotPicture(int size, uint32_t colour) {
    Image img;
    img.Resize(size, size);
    const float c = size / 2.0f;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float dx = x + 0.5f - c, dy = y + 0.5f - c;
            img.At(x, y) = dx * dx + dy * dy < c * c * 0.5f ? colour : kKeyBlack;
        }
    }
    return img;
}

void FillIfMissing(SpriteSheet* sheet, int image, const Image& picture) {
    if (!sheet || image >= sheet->imageCount || sheet->images[image].Width() != 0) return;
    sheet->LoadImagePixels(image, picture, static_cast<int16_t>(picture.width), static_cast<int16_t>(picture.height),
                           kKeyBlack, kFormatA1R5G5B5);
}

}  // namespace

void FillMissingBattleArt(BattleEngine& engine) {
    FillIfMissing(engine.shipSheet, 0, ArrowPicture(64, 0xFFB0C4DE, 0xFFFFFFFF));
    for (int flame = 1; flame <= 4; ++flame) FillIfMissing(engine.shipSheet, flame, DotPicture(32, 0xFFFF9020));
    FillIfMissing(engine.shotsSheet, 0, DotPicture(16, 0xFFFFFF40));
    const uint32_t enemyColours[5] = {0xFFE03030, 0xFFE060E0, 0xFFFF7040, 0xFF904040, 0xFFA03080};
    for (int art = 0; art < 5; ++art) {
        const int size = art >= 3 ? 64 : 32;  // images 3 and 4 are the large ones
        FillIfMissing(engine.enemiesSheet, art, ArrowPicture(size, enemyColours[art], 0xFFFFE0E0));
    }
    const uint32_t robotColours[4] = {0xFF40D040, 0xFF40D0A0, 0xFF80FF40, 0xFF20A020};
    for (int type = 0; type < 4; ++type) {
        FillIfMissing(engine.robotsSheet, type, ArrowPicture(32, robotColours[type], 0xFFE0FFE0));
    }
}

void DrawBattleForTest(BattleEngine& engine, GraphicsDevice* graphics, int32_t camX, int32_t camY) {
    graphics->Clear(0xFF0C1428, 1.0f);

    // World grid every 128 px, so the scrolling shows.
    for (int32_t gy = (camY / 128 - 1) * 128; gy < camY + 600; gy += 128) {
        for (int32_t gx = (camX / 128 - 1) * 128; gx < camX + 800; gx += 128) {
            engine.shotsSheet->Draw(0, 0, static_cast<float>(gx - camX), static_cast<float>(gy - camY), 0x50FFFFFF,
                                    0.4f, 0.4f, 0, 0.0f);
        }
    }

    for (int i = 0; i < kPlayerShotSlots; ++i) {
        if (!engine.playerShot.active[i]) continue;
        engine.shotsSheet->Draw(0, 0, static_cast<float>(engine.playerShot.x[i] - camX),
                                static_cast<float>(engine.playerShot.y[i] - camY), 0xFFFFFFFF, 1, 1, 0, 0.0f);
    }
    for (int i = 0; i < kRobotSlots; ++i) {
        if (!engine.robot.active[i]) continue;
        engine.robotsSheet->Draw(engine.robot.type[i], 0, static_cast<float>(engine.robot.x[i] - camX),
                                 static_cast<float>(engine.robot.y[i] - camY), 0xFFFFFFFF, 1, 1, 16,
                                 engine.robot.facing[i] * kFacingRadians);
    }
    for (int i = 0; i < kEnemySlots; ++i) {
        if (!engine.enemy.active[i]) continue;
        const bool mobile = engine.enemy.mobile[i] != 0;
        engine.enemiesSheet->Draw(engine.enemy.art[i], mobile ? 0 : engine.enemy.fixedFrame[i],
                                  static_cast<float>(engine.enemy.x[i] - camX),
                                  static_cast<float>(engine.enemy.y[i] - camY), 0xFFFFFFFF, 1, 1,
                                  engine.enemy.w[i] / 2, mobile ? engine.enemy.facing[i] * kFacingRadians : 0.0f);
    }

    const float sx = static_cast<float>(engine.shipX + engine.offsetRight - engine.offsetLeft);
    const float sy = static_cast<float>(engine.shipY + engine.offsetDown - engine.offsetUp);
    const float flameScale = engine.steering ? 0.72f : 0.22f;
    engine.shipSheet->Draw(engine.countdown + 1, 0, sx + engine.flamePointX, sy + engine.flamePointY, 0xFFFFFFFF,
                           0.72f, flameScale, 0, engine.rotation);
    engine.shipSheet->Draw(0, 0, sx, sy, 0xFFFFFFFF, 1, 1, 32, engine.rotation);
}
