// Portals of a battle region: placing them on load, the hub travel menu, the
// one-row prompts of the other portals, and the travel itself.
#include "areas/area_session.h"
#include "areas/region_frame_steps.h"
#include "areas/region_scene.h"
#include "areas/region_travel.h"
#include "battle/battle_engine.h"
#include "hud/area_backdrop.h"
#include "hud/control_panel.h"
#include "platform/font.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"
#include "platform/shared_art.h"
#include "platform/sprite_sheet.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr int32_t kRowTextX = 310;
constexpr int32_t kRowHeight = 32;
constexpr int32_t kInactiveWidth = 110;
constexpr int32_t kCurrentRowFiveWidth = 260;
constexpr int32_t kPromptWidth = 260;
constexpr int32_t kPromptTextY = 40;
constexpr int kPromptRow = 2;
constexpr int kHighlightImage = 14;
constexpr int kMarkerImage = 7;
constexpr uint32_t kActiveColour = 0xFFE6E6E6u;
constexpr uint32_t kInactiveColour = 0xFF1E1E1Eu;
constexpr uint32_t kCurrentColour = 0xFF1E1EC8u;
constexpr uint32_t kHubFourRowThreeColour = 0xFFE6E6C8u;
constexpr uint32_t kHighlightColour = 0xAAFFFFFFu;
constexpr uint8_t kHubFour = 4;
constexpr uint8_t kNoRow = 0xFF;  // a press that started off every row

int32_t RowY(int row) { return 15 + 25 * (row - 1); }

bool IsHub(const RegionData& region, int32_t area) {
    for (const uint8_t* hub = region.hubs; *hub != 0; ++hub) {
        if (*hub == area) return true;
    }
    return false;
}

const PortalRoute* RouteFor(const RegionData& region, int32_t area, int slot) {
    for (int i = 0; i < region.routeCount; ++i) {
        const PortalRoute& route = region.routes[i];
        if (route.from == area && route.slot == slot) return &route;
    }
    return nullptr;
}

bool QuestDone(const GameApp& app, uint8_t quest) {
    return quest == 0 || app.gameState->questStates[quest - 1] == 2;
}

bool MouseDown(GameApp& app) { return app.cursor->mouse.ButtonPressed(0) || app.cursor->mouse.ButtonPressed(1); }

// The press-and-release rule of every menu row: a row acts when both buttons
// come up over the row they went down on. The row is taken when the press
// starts, so dragging onto another row and letting go there does nothing.
bool RowChosen(GameApp& app, int row) {
    BattleEngine& engine = *app.battleEngine;
    const uint8_t hover = app.controlPanel->menuRowHover;
    if (MouseDown(app)) {
        if (engine.menuChoice == 0) engine.menuChoice = hover == 0 ? kNoRow : hover;
        return false;
    }
    const bool chosen = engine.menuChoice != 0 && hover == row && engine.menuChoice == row;
    engine.menuChoice = 0;
    return chosen;
}

// The rule of a region whose prompts keep their choice: a held button makes
// the home portal's prompt follow the row under the pointer (dragging off
// disarms it), while a forward prompt only takes its row and keeps it. The
// choice is carried out whenever the buttons are up over the row; flying off
// the portal clears it (the engine's portal test).
bool KeptPromptChosen(GameApp& app, bool homePortal) {
    BattleEngine& engine = *app.battleEngine;
    const uint8_t hover = app.controlPanel->menuRowHover;
    if (MouseDown(app)) {
        if (homePortal) engine.menuChoice = hover;
        else if (hover == kPromptRow) engine.menuChoice = kPromptRow;
        return false;
    }
    return hover == kPromptRow && engine.menuChoice == kPromptRow;
}

void DrawHighlight(GameApp& app, int row) {
    app.sharedArt->menuSheet->Draw(kHighlightImage, 0, 256.0f, static_cast<float>(RowY(row) - 5), kHighlightColour,
                                   9.93f, 1.0f, 0, 0.0f);
}

void GoHome(GameApp& app, const TravelTarget& to, bool keepView) {
    ControlPanel& panel = *app.controlPanel;
    AreaBackdrop& backdrop = *app.areaBackdrop;
    panel.travelled = 1;
    panel.areaTitleTimer = 1;
    app.SwitchScene(SceneId::HomeBase);
    backdrop.areaNumber = 1;
    app.gameState->currentArea = 1;
    if (keepView) return;
    backdrop.viewX = to.viewX;
    backdrop.viewY = to.viewY;
}

void DrawTravelMenu(GameApp& app, const RegionData& region, int32_t hub) {
    ControlPanel& panel = *app.controlPanel;
    BattleEngine::DrawMessageFrame(app.sharedArt->menuSheet, 0);
    Font* font = panel.font;
    if (font) font->Begin();
    for (int row = 1; row <= region.travelRowCount; ++row) {
        const TravelRowView view = ViewTravelRow(app, region, hub, row);
        uint32_t colour = kActiveColour;
        if (!view.active) colour = kInactiveColour;
        else if (view.current) colour = kCurrentColour;
        else if (panel.menuRowHover == row) DrawHighlight(app, row);
        else if (hub == kHubFour && row == 3) colour = kHubFourRowThreeColour;
        if (view.current) {
            app.sharedArt->menuSheet->Draw(kMarkerImage, 0, 295.0f, static_cast<float>(RowY(row) + 5), 0xFFFFFFFFu,
                                           1.2f, 1.2f, 0, 0.0f);
        }
        if (font) font->DrawText(view.text, kRowTextX, RowY(row), view.width, kRowHeight, colour, 0);
    }
    if (font) font->End();
}

void ActOnTravelMenu(GameApp& app, RegionScene& scene, int32_t hub) {
    const RegionData& region = scene.Region();
    const int row = app.controlPanel->menuRowHover;
    if (row < 1 || row > region.travelRowCount) {
        RowChosen(app, -1);
        return;
    }
    const TravelRowView view = ViewTravelRow(app, region, hub, row);
    if (!RowChosen(app, row) || !view.active || view.current) return;
    const TravelRow& data = region.travelRows[row - 1];
    switch (data.action) {
    case TravelAction::HomeBase:
        GoHome(app, data.to, hub == region.hubs[0]);
        break;
    case TravelAction::Store:
        app.gameState->restockFlag = 1;
        app.SwitchScene(SceneId::Store);
        break;
    case TravelAction::Area:
        TravelWithinRegion(app, scene, data.to);
        break;
    }
}

void HandlePrompt(GameApp& app, RegionScene& scene, const PortalRoute& route) {
    ControlPanel& panel = *app.controlPanel;
    BattleEngine::DrawMessageFrame(app.sharedArt->menuSheet, 1);
    if (panel.menuRowHover == kPromptRow) DrawHighlight(app, kPromptRow);
    if (panel.font) {
        panel.font->Begin();
        panel.font->DrawText(route.prompt, route.promptX, kPromptTextY, kPromptWidth, kRowHeight, kActiveColour, 0);
        panel.font->End();
    }
    const bool homePortal = route.slot == 0;
    const bool chosen = scene.Region().promptKeepsChoice ? KeptPromptChosen(app, homePortal)
                                                         : RowChosen(app, kPromptRow);
    if (!chosen) return;
    app.battleEngine->menuChoice = 0;
    if (route.to.area == 1) GoHome(app, route.to, false);
    else TravelWithinRegion(app, scene, route.to);
}
}  // namespace

TravelRowView ViewTravelRow(const GameApp& app, const RegionData& region, int32_t hub, int row) {
    const TravelRow& data = region.travelRows[row - 1];
    TravelRowView view;
    view.active = QuestDone(app, data.questNeeded);
    for (uint8_t always : data.alwaysIn) {
        if (always != 0 && always == hub) view.active = true;
    }
    // The row of the hub the ship is in shows as the current one even before
    // its quest opens it elsewhere.
    view.current = data.action == TravelAction::Area && data.to.area == hub;
    if (view.current) view.active = true;
    view.text = data.text;
    if (data.altText && data.altHub == hub) view.text = data.altText;
    view.width = data.boxWidth;
    if (!view.active) {
        view.text = data.inactiveText;
        view.width = kInactiveWidth;
    } else if (view.current && row == 5) {
        view.width = kCurrentRowFiveWidth;
    }
    return view;
}

void TravelWithinRegion(GameApp& app, RegionScene& scene, const TravelTarget& to) {
    AreaBackdrop& backdrop = *app.areaBackdrop;
    app.controlPanel->areaTitleTimer = 1;
    backdrop.viewX = to.viewX;
    backdrop.viewY = to.viewY;
    backdrop.areaNumber = to.area;
    app.gameState->currentArea = to.area;
    scene.loadPending = 1;
    if (to.units) app.battleEngine->spawnAreaUnits = 1;
    if (to.clock) {
        scene.Session().clockRestart = 1;
        scene.Session().clockMark = 0;
    }
}

void PlacePortals(GameApp& app, const RegionData& region) {
    PortalTable& portal = app.battleEngine->portal;
    for (int p = 0; p < PortalTable::kSlots; ++p) {
        portal.exists[p] = 0;
        portal.touched[p] = 0;
    }
    const int32_t area = app.areaBackdrop->areaNumber;
    if (area < 0 || area >= kRegionAreaSlots) return;
    const AreaPortals& places = region.portals[area];
    for (int p = 0; p < places.count && p < 4; ++p) {
        portal.exists[p] = 1;
        portal.x[p] = places.x[p];
        portal.y[p] = places.y[p];
    }
}

void HandlePortals(GameApp& app, RegionScene& scene) {
    const RegionData& region = scene.Region();
    BattleEngine& engine = *app.battleEngine;
    const int32_t area = app.areaBackdrop->areaNumber;
    engine.promptFree = 1;  // at most one menu per frame
    const PortalTable& portal = engine.portal;
    if (portal.touched[0] && IsHub(region, area)) {
        if (!engine.promptFree) return;
        engine.promptFree = 0;
        DrawTravelMenu(app, region, area);
        ActOnTravelMenu(app, scene, area);
        return;
    }
    for (int slot = 0; slot < 4; ++slot) {
        if (!portal.touched[slot] || !portal.exists[slot]) continue;
        const PortalRoute* route = RouteFor(region, area, slot);
        if (!route) return;
        if (!engine.promptFree) return;
        engine.promptFree = 0;
        HandlePrompt(app, scene, *route);
        return;
    }
}
