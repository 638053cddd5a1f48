// Drawing a battle region's area: sky, floor, decoration and border by the
// area's look, its structures, the radar, portals, the battle, the panel.
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "areas/region_travel.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/graphics_device.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr int kPortalImage = 2;  // "Art\Buildings\Portal.bmp" on the engine's shots sheet
constexpr float kSkyScaleX = 25.0f;
constexpr float kSkyScaleY = 18.0f;

void DrawSky(GameApp& app, const AreaLook& look) {
    if (look.washImage < 0) return;
    app.sharedArt->menuSheet->Draw(look.washImage, 0, 0.0f, 0.0f, look.washColour, kSkyScaleX, kSkyScaleY, 0, 0.0f);
}

void DrawFloor(GameApp& app, AreaShape shape, const AreaLook& look) {
    if (look.floorTint < 0) return;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    SharedArt& art = *app.sharedArt;
    const auto tint = static_cast<uint8_t>(look.floorTint);
    if (shape == AreaShape::A) backdrop.DrawFloorA(art.spaceSheet, art.dustSheet, tint);
    if (shape == AreaShape::B) backdrop.DrawFloorB(art.spaceSheet, art.dustSheet, tint);
    if (shape == AreaShape::C) backdrop.DrawFloorC(art.spaceSheet, art.dustSheet, tint);
}

void DrawDecor(GameApp& app, AreaShape shape, const AreaLook& look) {
    if (look.decorVariant < 0) return;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    SpriteSheet* clouds = app.sharedArt->cloudsSheet;
    const auto variant = static_cast<uint8_t>(look.decorVariant);
    if (shape == AreaShape::A) backdrop.DrawDecorA(clouds, variant);
    if (shape == AreaShape::B) backdrop.DrawDecorB(clouds, variant);
    if (shape == AreaShape::C) backdrop.DrawDecorC(clouds, variant);
}

void DrawBorder(GameApp& app, AreaShape shape) {
    AreaBackdrop& backdrop = *app.areaBackdrop;
    SpriteSheet* space = app.sharedArt->spaceSheet;
    if (shape == AreaShape::A) backdrop.DrawBorderA(space);
    if (shape == AreaShape::B) backdrop.DrawBorderB(space);
    if (shape == AreaShape::C) backdrop.DrawBorderC(space);
}

void DrawBackdrop(GameApp& app, const RegionData& region, int32_t area) {
    const AreaLook* found = FindAreaLook(region.questSet, area);
    if (!found) return;
    const AreaLook& look = *found;
    const AreaShape shape = look.shape;
    if (look.washOrder == WashOrder::AfterFloor) {
        DrawFloor(app, shape, look);
        DrawSky(app, look);
        DrawDecor(app, shape, look);
    } else if (look.washOrder == WashOrder::AfterDecorations) {
        DrawFloor(app, shape, look);
        DrawDecor(app, shape, look);
        DrawSky(app, look);
    } else {
        DrawSky(app, look);
        DrawFloor(app, shape, look);
        DrawDecor(app, shape, look);
    }
    DrawBorder(app, shape);
    if (region.drawStructures) region.drawStructures(app, area);
}

void DrawPortals(GameApp& app) {
    BattleEngine& engine = *app.battleEngine;
    if (!engine.shotsSheet) return;
    const int32_t camX = app.areaBackdrop->viewX;
    const int32_t camY = app.areaBackdrop->viewY;
    for (int p = 0; p < PortalTable::kSlots; ++p) {
        if (!engine.portal.exists[p]) continue;
        engine.shotsSheet->Draw(kPortalImage, engine.frame4, static_cast<float>(engine.portal.x[p] - camX),
                                static_cast<float>(engine.portal.y[p] - camY), 0xFFFFFFFFu, 1.0f, 1.0f, 0, 0.0f);
    }
}

void DrawPanel(GameApp& app) {
    const GameState& state = *app.gameState;
    const BattleEngine& engine = *app.battleEngine;
    auto charge = [&engine](int k) { return engine.skillValues[k]; };
    app.controlPanel->Draw(static_cast<int32_t>(state.shipShields), static_cast<int32_t>(state.shipArmor),
                           static_cast<int32_t>(state.energy), app.sharedArt->menuSheet, charge(kSkillExtraArmor),
                           charge(kSkillHardShields), charge(kSkillHardArmor), static_cast<int32_t>(state.shipArmorMax),
                           charge(kSkillParticleShields), charge(kSkillShieldsRecharge), charge(kSkillShipProtection),
                           charge(kSkillRobotProtection), engine.fireMode);
}
}  // namespace

void DrawRegionArea(GameApp& app, RegionScene& scene) {
    const RegionData& region = scene.Region();
    if (app.deviceLost) return;
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    app.graphics.SetViewTransform(app.sceneCamera.get());
    DrawBackdrop(app, region, backdrop.areaNumber);
    if (region.showReturnHint) region.showReturnHint(app, scene);
    backdrop.DrawRadarWalls(app.sharedArt->menuSheet, engine.shipX, engine.shipY, engine.offsetRight,
                            engine.offsetLeft, engine.offsetUp, engine.offsetDown);
    DrawPortals(app);
    engine.Draw(&app.graphics, backdrop.viewX, backdrop.viewY, app.sharedArt->menuSheet, 0, app.controlPanel->font,
                app.controlPanel->sheet, backdrop.areaNumber);
    DrawPanel(app);
    if (region.drawArrival) region.drawArrival(app);
    else if (app.controlPanel->areaTitleTimer != 0) DrawAreaTitleBanner(app, region);
    if (!scene.victory) HandlePortals(app, scene);
}
