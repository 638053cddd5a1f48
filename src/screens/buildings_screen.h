#pragma once
#include <cstdint>
#include <memory>

#include "areas/building_kinds.h"
#include "platform/number_text.h"
#include "screens/screen_protocol.h"
#include "shell/bonus_block.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Buildings page (key B): the player's buildings, seven rows a page,
// with their levels and the upgrade of one building for building material.
// An upgrade raises a bonus of the screen's copy of the bonus block (or the
// robots' maximum quality); the host scene copies the record in and out.
class BuildingsScreen {
public:
    static constexpr int kSlots = 100;
    static constexpr int kKinds = kBuildingKindCount;
    static constexpr int kRowsPerPage = 7;
    static constexpr uint32_t kTopQuality = 255;  // the robots' maximum quality is one byte in the record

    // Hover and click codes.
    static constexpr uint8_t kCodeConstruct = 1;
    static constexpr uint8_t kCodeFirstUpgrade = 2;  // 2..8, one per row of the page
    static constexpr uint8_t kCodePageUp = 9;
    static constexpr uint8_t kCodePageDown = 10;
    static constexpr uint8_t kCodeTenPagesUp = 11;
    static constexpr uint8_t kCodeTenPagesDown = 12;
    static constexpr uint8_t kCodeTopBar = 20;
    static constexpr uint8_t kCodeList = 21;
    static constexpr uint8_t kCodeArrowStrip = 22;
    static constexpr uint8_t kCodeBuildingRow = 23;
    static constexpr uint8_t kCodeExitKindHelp = 97;   // 'a'
    static constexpr uint8_t kCodeExitListHelp = 98;   // 'b'
    static constexpr uint8_t kCodeExitTopHelp = 99;    // 'c'
    static constexpr uint8_t kCodeHelpOnly = 100;      // 'd'

    // Help boxes 20 (top bar), 21 (list), 22 (arrows), 23 (a building kind).
    enum Box { kBoxTopBar = 0, kBoxList, kBoxArrows, kBoxKind, kBoxCount };

    BuildingsScreen();
    virtual ~BuildingsScreen();
    BuildingsScreen(const BuildingsScreen&) = delete;
    BuildingsScreen& operator=(const BuildingsScreen&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    void ReleaseArt();
    void Layout();
    void UpdateTexts();
    void Animate();
    void HitTest(int32_t mouseX, int32_t mouseY);
    int Click(int32_t mouseX, int32_t mouseY, InputDevice* mouse);
    void Draw(SpriteSheet* menuSheet, SpriteSheet* buildingSheet);

    // Host steps: re-arm while no mouse button is down; scroll by a page
    // arrow's code (or a key's step) and refresh the page text.
    void Rearm();
    void ScrollByCode(uint8_t code);
    void Scroll(int step);
    // The price an upgrade of the slot takes now (also kept as its shown cost).
    uint32_t UpgradePrice(int slot);
    // Whether a slot has an Upgrade button.
    bool Upgradable(int slot) const;
    bool AnyBoxOpen() const;
    void CloseBoxes();

    std::unique_ptr<Font> textFont;
    std::unique_ptr<Font> smallFont;
    uint8_t hoverSound = 0;
    uint8_t lastHoverSound = 0;
    uint8_t clickSound = 0;
    uint8_t boxSound = 0;
    uint8_t boxSoundArmed = 0;
    uint8_t clickSoundArmed = 1;
    uint8_t upgradeSound = 0;
    uint8_t factoryUpgraded = 0;
    uint8_t advisorHidden = 0;  // the host's own byte
    uint32_t atBase = 0;
    uint8_t notAtBaseTimer = 0;
    BonusBlock bonuses;
    uint32_t robotMaxQuality = 0;
    uint32_t buildingUpgradeDiscount = 0;
    uint8_t boxOpen[kBoxCount] = {};
    uint8_t boxHeld[kBoxCount] = {};
    uint8_t leftDown = 0;
    uint8_t rightDown = 0;
    uint8_t boxKind = 0;
    uint8_t boxArmed = 0;
    ScreenTick tick;
    float spinAngle = 0.0f;
    uint8_t notEnoughTimer = 0;
    uint8_t page = 0;
    char pageText[kNumberTextSize] = {};
    uint8_t pageTextDirty = 0;
    uint8_t countTextDirty = 0;
    int32_t pageOffset = 0;
    uint32_t buildingCount = 0;
    char countText[kNumberTextSize] = {};
    uint32_t material = 0;
    char materialText[kNumberTextSize] = {};
    uint8_t present[kSlots] = {};
    uint8_t exists[kSlots] = {};
    uint8_t row[kSlots] = {};
    uint8_t frame[kSlots] = {};
    uint32_t level[kSlots] = {};
    uint32_t upgradeCost[kSlots] = {};
    uint32_t shownCost[kSlots] = {};
    uint32_t x[kSlots] = {};
    uint32_t y[kSlots] = {};
    uint32_t kind[kSlots] = {};
    uint8_t fade[kSlots] = {};
    uint8_t falling[kSlots] = {};
    char levelText[kNumberTextSize] = {};
    uint32_t selected = 0;
    uint8_t upgradeArmed = 1;
    uint8_t clickedThisFrame = 0;
    uint8_t clickCode = 0;
    uint8_t hoverCode = 0;

private:
    // The screen row (0..6) a slot is drawn in on the current page, or -1.
    int PageRow(int slot) const;
    void HitRows(int32_t mouseX, int32_t mouseY);
    void Upgrade(int slot);
    void ApplyUpgradeEffect(int slot);
    void DrawFrames(SpriteSheet* menu);
    void DrawConstructButton(SpriteSheet* menu);
    void DrawRows(SpriteSheet* menu, SpriteSheet* buildingSheet);
    void DrawHoveredUpgrade(SpriteSheet* menu);
    void DrawArrows(SpriteSheet* menu);
    void DrawBoxes(SpriteSheet* menu);
};
