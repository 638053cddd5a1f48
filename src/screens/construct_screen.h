#pragma once
#include <cstdint>
#include <memory>

#include "areas/building_kinds.h"
#include "platform/number_text.h"
#include "screens/screen_protocol.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Construct Buildings page (key C): a tile per building kind with its
// construction cost in building material. A left click on an affordable
// kind at the home base opens the "Proceed?" question; on Yes the host pays
// and sends the player to place the building. The screen keeps the rule by
// which each kind's construction cost grows.
class ConstructScreen {
public:
    static constexpr int kKinds = kBuildingKindCount;
    static constexpr int kColumns = 4;

    // Hover and click codes: tiles 1..12 are kind + 1.
    static constexpr uint8_t kCodeFirstTile = 1;
    static constexpr uint8_t kCodeLastTile = 12;
    static constexpr uint8_t kCodeYes = 13;
    static constexpr uint8_t kCodeNo = 14;
    static constexpr uint8_t kCodeTopBar = 20;
    static constexpr uint8_t kCodeExitHelp = 99;   // 'c'
    static constexpr uint8_t kCodeHelpOnly = 100;  // 'd'

    ConstructScreen();
    virtual ~ConstructScreen();
    ConstructScreen(const ConstructScreen&) = delete;
    ConstructScreen& operator=(const ConstructScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    // The release shared with the Awards screen (this screen has no sheet).
    void ReleaseSheetAndFont();
    void CheckCost(uint32_t buildingMaterial);
    void ApplyConstruction();
    void Animate();
    void HitTest(int32_t mouseX, int32_t mouseY);
    int Click(int32_t mouseX, int32_t mouseY, InputDevice* mouse);
    void Draw(SpriteSheet* menuSheet, SpriteSheet* buildingSheet);

    // Costs and steps are kept in the record's order: display, check and
    // growth find a kind's cost through ConstructionCostSlot.
    // Host steps: re-arm while no mouse button is down; lower the copies of
    // the costs by the construction discount (never below 0).
    void Rearm();
    void ApplyDiscount();

    std::unique_ptr<Font> font;
    std::unique_ptr<SpriteSheet> sheet;  // never loaded; the shared release skips it
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t clickSound = 0;
    uint8_t boxSound = 0;
    uint8_t boxSoundArmed = 0;
    uint8_t clickSoundArmed = 1;
    uint8_t proceedSound = 0;
    uint32_t steps[kKinds] = {};
    uint32_t atBase = 0;
    uint8_t notAtBaseTimer = 0;
    uint32_t constructionDiscount = 0;
    uint32_t buildingCount = 0;
    char countText[kNumberTextSize] = {};
    uint8_t helpOpen = 0;  // box 20
    uint8_t helpHeld = 0;
    uint8_t kindHelpHeld[kKinds] = {};
    uint8_t leftDown = 0;
    uint8_t rightDown = 0;
    uint8_t boxArmed = 1;
    ScreenTick tick;
    uint8_t placedKind = 0;
    uint8_t proceedRequest = 0;
    uint8_t cancelRequest = 0;
    uint8_t chosen = 0;  // tile code of the open question, 0 none
    uint32_t chosenCost = 0;
    char chosenCostText[kNumberTextSize] = {};
    uint8_t canBuild = 0;
    uint8_t notEnoughTimer = 0;
    uint32_t material = 0;
    char materialText[kNumberTextSize] = {};
    uint32_t costs[kKinds] = {};
    char costTexts[kKinds][kNumberTextSize] = {};
    uint8_t textsDirty = 0;
    uint8_t constructionDone = 0;
    uint8_t clickedThisFrame = 0;
    uint8_t clickCode = 0;
    uint8_t hoverCode = 0;

private:
    void DrawTiles(SpriteSheet* menu, SpriteSheet* buildingSheet);
    void DrawQuestion(SpriteSheet* menu);
    void DrawHelp(SpriteSheet* menu);
};
