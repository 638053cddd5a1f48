// Drawing the home base: floor, buildings, radar and portal, the advisor,
// the placement texts, the battle and the panel, the building box with its
// clicks, the arrival title, and the portal's travel menu.
#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/base_placement.h"
#include "areas/building_box.h"
#include "areas/building_kinds.h"
#include "areas/home_base_rules.h"
#include "areas/home_base_scene.h"
#include "areas/home_base_steps.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/advisor_bubble.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/camera.h"
#include "platform/font.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"
#include "shell/game_state.h"
#include "shell/scene_id.h"

namespace {

constexpr int kPortalImage = 2;  // on the engine's shots sheet
constexpr int kArrivalBarImage = 15;  // on the panel's sheet
constexpr float kArrivalBarImageSize = 4.0f;
constexpr uint32_t kArrivalBarColour = 0xAA9B9BFFu;
constexpr uint32_t kArrowColour = 0x99FFFFFFu;
constexpr int32_t kBobMinY = 360, kBobMaxY = 460;
constexpr uint32_t kHomeArea = 1;

// Travel menu.
constexpr int kMenuMarkerImage = 7;  // on the panel's sheet
constexpr int kHighlightImage = 14;  // on the shared sheet
constexpr uint32_t kRowColour = 0xFFE6E6E6u;
constexpr uint32_t kHomeRowColour = 0xFF1E1EC8u;
constexpr uint32_t kHighlightColour = 0xAAFFFFFFu;
constexpr int32_t kRowX = 310, kRowW = 260, kFirstRowW = 150, kRowH = 32;

int32_t RowY(int row) { return 15 + 25 * (row - 1); }

// The arrival title names the base.
constexpr const char* kBannerNames[kRegionAreaSlots] = {nullptr, "Your Home Base"};
const RegionData& HomeBanner() {
    static const RegionData banner = [] {
        RegionData data{};
        data.bannerNames = kBannerNames;
        return data;
    }();
    return banner;
}

// The frame of bars that closes in on the ship as the title runs; none
// while an escape flies.
void DrawArrivalBars(GameApp& app) {
    const BattleEngine& engine = *app.battleEngine;
    SpriteSheet* sheet = app.controlPanel->sheet.get();
    if (!sheet || engine.emergencyEscape != 0) return;
    for (const ArrivalBar& bar : HomeArrivalBars(app.controlPanel->areaTitleTimer, engine.shipX, engine.shipY)) {
        sheet->Draw(kArrivalBarImage, 0, static_cast<float>(bar.x), static_cast<float>(bar.y), kArrivalBarColour,
                    static_cast<float>(bar.width) / kArrivalBarImageSize,
                    static_cast<float>(bar.height) / kArrivalBarImageSize, 0, 0.0f);
    }
}

void DrawPortals(GameApp& app) {
    BattleEngine& engine = *app.battleEngine;
    if (!engine.shotsSheet) return;
    for (int p = 0; p < PortalTable::kSlots; ++p) {
        if (!engine.portal.exists[p]) continue;
        engine.shotsSheet->Draw(kPortalImage, engine.frame4, static_cast<float>(engine.portal.x[p] - app.areaBackdrop->viewX),
                                static_cast<float>(engine.portal.y[p] - app.areaBackdrop->viewY), 0xFFFFFFFFu, 1.0f,
                                1.0f, 0, 0.0f);
    }
}

// With no rule holding the bubble keeps the hint it has, without an arrow.
void ChooseHint(GameApp& app) {
    AdvisorBubble& advisor = *app.advisor;
    advisor.arrowShown = 0;
    const HomeHint hint =
        HomeBaseHint(*app.gameState, *app.battleEngine, app.areaBackdrop->viewX, app.areaBackdrop->viewY);
    if (!hint.found) return;
    advisor.hintIndex = hint.hintIndex;
    advisor.bubbleStyle = 1;
    advisor.arrowX = hint.arrowX;
    advisor.arrowY = hint.arrowY;
    advisor.bubbleShown = 1;
    advisor.arrowShown = 1;
}

void DrawAdvisor(GameApp& app) {
    AdvisorBubble& advisor = *app.advisor;
    if (!advisor.advisorOn) return;
    ChooseHint(app);
    advisor.Animate();
    advisor.Bob(StepOf(app, kStepS50), StepOf(app, kStepS30), kBobMinY, kBobMaxY);
    advisor.Draw(app.sharedArt->menuSheet, app.sharedFont.get());
}

void DrawAdvisorArrow(GameApp& app) {
    const AdvisorBubble& advisor = *app.advisor;
    if (!advisor.advisorOn || !advisor.arrowShown) return;
    app.sharedArt->menuSheet->Draw(AdvisorBubble::kArrowImage, advisor.animFrame, static_cast<float>(advisor.arrowX),
                                   static_cast<float>(advisor.arrowY), kArrowColour, 0.9f, 0.9f, 0, 0.0f);
}

void DrawBattleAndPanel(GameApp& app) {
    const GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    SpriteSheet* shared = app.sharedArt->menuSheet;
    engine.Draw(&app.graphics, app.areaBackdrop->viewX, app.areaBackdrop->viewY, shared, 1, panel.font.get(), panel.sheet.get(),
                kHomeArea);
    auto charge = [&engine](int k) {
        return engine.skillValues[k];
    };
    panel.Draw(static_cast<int32_t>(state.shipShields), static_cast<int32_t>(state.shipArmor),
               static_cast<int32_t>(state.energy), shared, charge(kSkillExtraArmor), charge(kSkillHardShields),
               charge(kSkillHardArmor), static_cast<int32_t>(state.shipArmorMax), charge(kSkillParticleShields),
               charge(kSkillShieldsRecharge), charge(kSkillShipProtection), charge(kSkillRobotProtection),
               engine.fireMode);
}

// The building box's rows act on a left press.
void ClickBuildingBox(GameApp& app, HomeBaseScene& home) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    InputDevice& mouse = app.cursor->mouse;
    if (!mouse.ButtonPressed(0)) return;
    if (engine.moveHover) {
        PlayAreaSound(app, home.Session(), AreaSound::Snap);
        engine.moveHover = 0;
        engine.movingBuilding = 1;
        engine.hoveredBuilding = 0;
        if (engine.movingBuildingSlot < kBuildingSlots) engine.building.active[engine.movingBuildingSlot] = 0;
    }
    if (engine.buttonsReleased && engine.upgradeHover && engine.upgradeTarget != 0) {
        home.Placement().UpgradeBuilding(state, engine, *app.controlPanel, engine.upgradeTarget - 1);
    }
    if (engine.makeRobotsHover) {
        engine.makeRobotsHover = 0;
        app.SwitchScene(SceneId::MakeRobots);
    }
    if (engine.storageHover) {
        BasePlacement::RequestStorage(state, engine);
        app.SwitchScene(SceneId::YourShip);
    }
}

void DrawRow(GameApp& app, Font& font, int row, bool open, bool hovered) {
    const HomeTravelEntry& entry = HomeTravelRow(app.gameState->questSet, row);
    const int32_t y = RowY(row);
    if (row == 1) {
        font.DrawText(entry.text, kRowX, y, kFirstRowW, kRowH, kHomeRowColour, 0);
        return;
    }
    if (hovered) {
        app.sharedArt->menuSheet->Draw(kHighlightImage, 0, 256.0f, static_cast<float>(y - 5), kHighlightColour, 9.93f,
                                       1.0f, 0, 0.0f);
    }
    // A locked row looks like the others but shows its Inactive text.
    font.DrawText(open ? entry.text : entry.inactiveText, kRowX, y, kRowW, kRowH, kRowColour, 0);
}

void Travel(GameApp& app, AreaSession& area, int row) {
    GameState& state = *app.gameState;
    if (row == 2) {
        state.restockFlag = 1;
        app.SwitchScene(SceneId::Store);
        return;
    }
    const HomeTravelEntry& entry = HomeTravelRow(state.questSet, row);
    AreaBackdrop& backdrop = *app.areaBackdrop;
    app.controlPanel->areaTitleTimer = 1;
    backdrop.areaNumber = entry.area;
    backdrop.viewX = entry.viewX;
    backdrop.viewY = entry.viewY;
    state.currentArea = static_cast<uint32_t>(entry.area);
    if (entry.restartsClock) {
        area.clockRestart = 1;
        area.secondsInArea = 0;
        area.clockMark = 0;
    }
    const SceneId target = scenes::ForLocation(HomeTripLocation(state.questSet));
    // The region loads the area as a trip even if a screen's key, pressed in
    // this frame, opens first and comes between.
    if (auto* region = dynamic_cast<RegionScene*>(app.SceneFor(target))) region->loadPending = 1;
    app.SwitchScene(target);
}

}  // namespace

void DrawHomeBase(GameApp& app, HomeBaseScene& home) {
    BattleEngine& engine = *app.battleEngine;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    SharedArt& art = *app.sharedArt;
    app.graphics.SetViewTransform(app.sceneCamera.get());
    backdrop.DrawHomeFloor(art.spaceSheet, art.dustSheet);
    backdrop.DrawHomeDecor(art.cloudsSheet);
    backdrop.DrawHomeBorder(art.spaceSheet);
    BasePlacement::CentreOnNewRobot(engine, backdrop);
    engine.DrawBase(backdrop.viewX, backdrop.viewY, home.Placement().cursorX, home.Placement().cursorY,
                    art.menuSheet);
    backdrop.DrawRadarWalls(art.menuSheet, engine.shipX, engine.shipY, engine.offsetRight, engine.offsetLeft,
                            engine.offsetUp, engine.offsetDown);
    DrawPortals(app);
    DrawAdvisor(app);
    DrawPlacementOverlays(engine, home.Placement(), app.controlPanel->font.get(), art.menuSheet);
    if (!HomeBusy(app)) DrawBattleAndPanel(app);
    DrawAdvisorArrow(app);
    DrawBuildingBox(*app.gameState, engine, app.controlPanel->font.get(), art.menuSheet);
    ClickBuildingBox(app, home);
    if (app.controlPanel->areaTitleTimer != 0) {
        DrawAreaTitleWords(app, HomeBanner());
        DrawArrivalBars(app);
    }
}

void HandleHomeTravelMenu(GameApp& app, HomeBaseScene& home) {
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    if (panel.repairsOpen || !engine.portal.touched[0] || engine.newBuildingPending || !panel.font) {
        engine.travelPressedRow = 0;
        return;
    }
    BattleEngine::DrawMessageFrame(app.sharedArt->menuSheet, 0);
    if (panel.sheet) panel.sheet->Draw(kMenuMarkerImage, 0, 295.0f, 20.0f, 0xFFFFFFFFu, 1.2f, 1.2f, 0, 0.0f);
    const uint8_t hover = panel.menuRowHover;
    panel.font->Begin();
    for (int row = 1; row <= kHomeTravelRows; ++row) {
        DrawRow(app, *panel.font, row, HomeTravelRowOpen(*app.gameState, row), hover == row);
    }
    panel.font->End();

    // The row is taken as a button goes down and acts on the release over it.
    InputDevice& mouse = app.cursor->mouse;
    if (home.pressStarted) engine.travelPressedRow = hover;
    if (mouse.ButtonPressed(0) || mouse.ButtonPressed(1)) return;
    const int row = engine.travelPressedRow;
    engine.travelPressedRow = 0;
    if (row < 2 || row != hover || !HomeTravelRowOpen(*app.gameState, row)) return;
    Travel(app, home.Session(), row);
}
