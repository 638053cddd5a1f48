#include "hud/area_scenery.h"

#include "hud/area_backdrop.h"
#include "platform/sprite_sheet.h"

namespace {
constexpr float kWashScaleX = 25.0f;
constexpr float kWashScaleY = 18.0f;
}  // namespace

void DrawAreaWash(SpriteSheet* menu, int image, uint32_t colour) {
    if (menu) menu->Draw(image, 0, 0.0f, 0.0f, colour, kWashScaleX, kWashScaleY, 0, 0.0f);
}

void DrawAreaScenery(AreaBackdrop& b, const BackdropSheets& s, uint32_t questSet) {
    if (b.areaNumber == 1) {
        b.DrawHomeFloor(s.space, s.dust);
        b.DrawHomeDecor(s.clouds);
        b.DrawHomeBorder(s.space);
        return;
    }
    const AreaLook* look = FindAreaLook(questSet, b.areaNumber);
    if (look == nullptr) return;
    auto wash = [&](WashOrder when) {
        if (look->washImage != kNone && look->washOrder == when) DrawAreaWash(s.menu, look->washImage, look->washColour);
    };

    wash(WashOrder::First);
    if (look->floorTint != kNone) {
        const auto code = static_cast<uint8_t>(look->floorTint);
        switch (look->shape) {
            case AreaShape::A: b.DrawFloorA(s.space, s.dust, code); break;
            case AreaShape::B: b.DrawFloorB(s.space, s.dust, code); break;
            case AreaShape::C: b.DrawFloorC(s.space, s.dust, code); break;
            default: break;
        }
    }
    wash(WashOrder::AfterFloor);
    if (look->decorVariant != kNone) {
        const auto variant = static_cast<uint8_t>(look->decorVariant);
        switch (look->shape) {
            case AreaShape::A: b.DrawDecorA(s.clouds, variant); break;
            case AreaShape::B: b.DrawDecorB(s.clouds, variant); break;
            case AreaShape::C: b.DrawDecorC(s.clouds, variant); break;
            default: break;
        }
    }
    wash(WashOrder::AfterDecorations);
    switch (look->shape) {
        case AreaShape::A: b.DrawBorderA(s.space); break;
        case AreaShape::B: b.DrawBorderB(s.space); break;
        case AreaShape::C: b.DrawBorderC(s.space); break;
        default: break;
    }
}
