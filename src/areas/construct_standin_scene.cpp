#include "areas/construct_standin_scene.h"

#include "areas/building_kinds.h"
#include "areas/construction_order.h"
#include "hud/control_panel.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/key_codes.h"
#include "platform/mouse_cursor.h"
#include "platform/number_text.h"
#include "platform/point_in_rect.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {

constexpr uint32_t kTitleColour = 0xFFFFFFFFu;
constexpr uint32_t kRowColour = 0xFFA0A0A0u;
constexpr uint32_t kChosenColour = 0xFFFFE680u;
constexpr uint32_t kMessageColour = 0xFFFF5050u;
constexpr int32_t kRowX = 200, kRowW = 400, kFirstRowY = 110, kRowH = 30;
constexpr int32_t kCostX = 520;
constexpr int32_t kMessageY = 490;
constexpr uint32_t kMessageMs = 1200;
constexpr const char* kProceedSound = "Data\\scifi059.wav";
constexpr int32_t kMp3Volume = -700;

using Page = ConstructStandInScene::Page;

bool Pressed(GameApp& app, uint8_t code) {
    if (!app.keyboard.KeyPressed(code)) return false;
    app.keyboard.SetLatch(code, 1);
    return true;
}

int RowUnder(int32_t x, int32_t y) {
    for (int kind = 0; kind < kBuildingKindCount; ++kind) {
        if (PointInRect(kRowX, kFirstRowY + kRowH * kind, kRowW, kRowH, x, y)) return kind;
    }
    return -1;
}

void Leave(GameApp& app) {
    app.gameState->returnedFromScreen = 1;
    app.SwitchScene(scenes::ForLocation(app.gameState->location));
}

void Proceed(GameApp& app, Page& page) {
    GameState& state = *app.gameState;
    switch (OrderConstruction(state, *app.battleEngine, page.chosen)) {
    case ConstructionOrder::kPlaced:
        if (state.soundsOn) app.channels[0].Play(kProceedSound, static_cast<int32_t>(state.soundVolume), 1);
        Leave(app);
        return;
    case ConstructionOrder::kBaseFull:
        // The control bar tells the player why nothing happened.
        if (app.controlPanel) app.controlPanel->buildingLimitTimer = 1;
        Leave(app);
        return;
    case ConstructionOrder::kNotEnough:
        page.message = "Not enough material";
        break;
    case ConstructionOrder::kNotAtBase:
        page.message = "You must be at Base to construct buildings.";
        break;
    }
    page.messageSince = NowMs();
}

void ReadInput(GameApp& app, Page& page) {
    if (Pressed(app, key::kEscape) || Pressed(app, key::kBack)) {
        Leave(app);
        return;
    }
    if (Pressed(app, key::kUp)) page.chosen = (page.chosen + kBuildingKindCount - 1) % kBuildingKindCount;
    if (Pressed(app, key::kDown)) page.chosen = (page.chosen + 1) % kBuildingKindCount;
    if (Pressed(app, key::kReturn)) {
        Proceed(app, page);
        return;
    }
    MouseCursor& cursor = *app.cursor;
    const int row = RowUnder(cursor.x, cursor.y);
    if (row >= 0) page.chosen = row;
    if (cursor.mouse.ButtonPressed(0)) {
        if (!page.held) page.pressedRow = static_cast<uint8_t>(row + 1);
        page.held = 1;
    } else if (page.held) {
        // A row acts when the button comes up on the row it went down on.
        const bool same = page.pressedRow != 0 && page.pressedRow == row + 1;
        page.held = 0;
        page.pressedRow = 0;
        if (same) Proceed(app, page);
    }
}

void Draw(GameApp& app, const Page& page) {
    const GameState& state = *app.gameState;
    Font& font = *app.sharedFont;
    char number[kNumberTextSize];
    font.DrawText("Construct Buildings", 0, 30, 800, 30, kTitleColour, DT_CENTER | DT_SINGLELINE);
    font.DrawText("Your Building Material:", 200, 70, 200, 30, kRowColour, 0);
    FormatNumber(number, state.resources[GameState::kBuildingMaterial]);
    font.DrawText(number, 380, 70, 100, 30, kTitleColour, 0);
    font.DrawText("Building Count:", 460, 70, 150, 30, kRowColour, 0);
    FormatNumber(number, state.buildingCount);
    font.DrawText(number, 580, 70, 100, 30, kTitleColour, 0);
    for (int kind = 0; kind < kBuildingKindCount; ++kind) {
        const uint32_t colour = kind == page.chosen ? kChosenColour : kRowColour;
        const int32_t y = kFirstRowY + kRowH * kind;
        font.DrawText(BuildingKindName(kind), kRowX, y, 300, kRowH, colour, 0);
        FormatNumber(number, DisplayedConstructionCost(state, kind));
        font.DrawText(number, kCostX, y, 100, kRowH, colour, 0);
    }
    if (page.message && NowMs() - page.messageSince < kMessageMs) {
        font.DrawText(page.message, 0, kMessageY, 800, 30, kMessageColour, DT_CENTER | DT_SINGLELINE);
    }
    font.DrawText("Up / Down and Return, or click a row: construct    Esc: back", 0, 540, 800, 30, kRowColour,
                  DT_CENTER | DT_SINGLELINE);
}

}  // namespace

void ConstructStandInScene::Enter(GameApp&) { page_ = Page{}; }

void ConstructStandInScene::Frame(GameApp& app) {
    constexpr uint32_t kArt = GameApp::kArtSharedFont;
    app.KeepMp3Playing(kMp3Volume);
    app.SceneEntry(*this);
    app.SceneBeginFrame(true);
    app.EnsureSharedObjects(kArt);
    app.SceneReloadArt(*this);
    if (app.battleEngine && app.gameState) {
        ReadInput(app, page_);
        Draw(app, page_);
    }
    app.SceneTickClock();
    app.HandleScreenHotkeys();
    // Chosen again by its own key, the page stays.
    app.SceneLeaveStep(*this, true);
    app.SceneEndFrame(*this);
}
