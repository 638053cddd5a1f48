#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "ship/item_icon_sheets.h"
#include "ship/ship_loadout.h"
#include "ship/ship_stats.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Your Ship page: the hull with its 50 item positions, the hold, the
// storage panel, the ship's values, the attack settings, level and
// experience, help panels, short messages, the upgrade panel and the
// "Leave anyways?" question. It works only on the copies its scene fills in
// and raises flags (sounds, leave state) that the scene acts on.
class ShipScreen {
public:
    // Hover codes.
    static constexpr uint8_t kOpenStorageCode = 1;
    static constexpr uint8_t kStraightCode = 2;  // 3 small spread, 4 wide spread
    static constexpr uint8_t kWideSpreadCode = 4;
    static constexpr uint8_t kCloseStorageCode = 5;
    static constexpr uint8_t kFirstHelpCode = 20;  // help topic = code - 19
    static constexpr uint8_t kLastHelpCode = 49;
    static constexpr uint8_t kShieldsHelpCode = 40;
    static constexpr uint8_t kUpgradeCode = 50;
    static constexpr uint8_t kFirstPageCode = 60;  // 60-67 the eight page buttons
    static constexpr uint8_t kPreviousGroupCode = 68;
    static constexpr uint8_t kNextGroupCode = 69;
    static constexpr uint8_t kYesCode = 90;
    static constexpr uint8_t kNoCode = 91;
    static constexpr uint8_t kUpgradeExitCode = 96;
    static constexpr uint8_t kFirstHelpExitCode = 97;  // 97-99, one per Exit position
    static constexpr uint8_t kLastHelpExitCode = 99;

    static constexpr int kNameCells = 21;
    static constexpr int kSkillCount = 12;
    static constexpr int kPageButtons = 8;
    static constexpr int kStorageGroups = 13;
    static constexpr int kItemSheets = kItemClassCount;

    // Variants of the away-from-base message.
    enum AwayMessage : uint8_t { kAwayNone = 0, kAwayOpenStorage, kAwayUpgrade, kAwayChangeShip, kAwayInspect };
    // Message timers, counted in 100 ms ticks.
    enum Timer : uint8_t {
        kArmorHereTimer = 0,
        kShieldsHereTimer,
        kWeaponHereTimer,
        kEngineHereTimer,
        kLimitTimer,
        kShortMaterialTimer,
        kLeaveRefusedTimer,
        kAwayTimer,
        kTimerCount
    };

    ShipScreen();
    virtual ~ShipScreen();
    ShipScreen(const ShipScreen&) = delete;
    ShipScreen& operator=(const ShipScreen&) = delete;

    // The ship sheet, the four icon sheets and both fonts; the result of the
    // last image load.
    int LoadArt(GraphicsDevice* graphics);
    void FreeArt();

    void HitTest(int32_t x, int32_t y);
    // 0 when neither button is down; else records the press and acts on the
    // hover code: help panels, storage paging, upgrade, attack settings.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse);
    // One pick, drop or inspect for the current press.
    void OnMouse(int32_t x, int32_t y, InputDevice* mouse);
    // The held item follows the mouse.
    void DragMove(int32_t x, int32_t y);
    // The 100 ms tick of the message timers and the upgrade flash.
    void Animate();
    // Runs each part whose request is set: afford, texts, stats.
    void RecomputeStats();

    void DrawPanels(SpriteSheet* menu);
    void DrawItems(SpriteSheet* menu);
    void DrawName(int32_t x, int32_t y, SpriteSheet* menu);

    // Opens the storage panel on a storage (the home base's Storage
    // buildings ask for one); a number outside 1..99 leaves it closed.
    void OpenStorage(uint32_t number);
    // The checks on a requested leave: no engine or an item held refuses it,
    // no weapon opens the "Leave anyways?" question. True when it may go.
    bool CheckLeave();
    // The answer of a clicked dialog button once the mouse is released.
    void TakeDialogAnswer(InputDevice* mouse);
    // Under "Items Max": the limit, or "All Slots!" once it reaches the
    // number of positions.
    const char* ItemsMaxShown() const;

    // Art.
    std::unique_ptr<SpriteSheet> shipSheet;
    ItemIconSheets iconSheets;
    std::unique_ptr<Font> font;      // Arial 19
    std::unique_ptr<Font> pageFont;  // Arial 17 bold, storage page numbers

    // Copies from the record and the engine.
    uint32_t location = 0;  // 1 home base
    uint32_t speed = 0;
    uint8_t fireMode = 1;   // 1 straight, 2 small spread, 3 wide spread
    uint32_t extraArmor = 0;
    uint32_t protectionBonus[kProtectionKinds] = {};
    uint32_t armorMissing = 0;
    uint32_t shieldsMissing = 0;
    ShipLoadout loadout;
    uint8_t storageCount = 1;
    ShipHull hull;
    ShipUpgradeAccount account;
    uint32_t level = 0;
    uint32_t experience = 0;
    uint32_t nextLevel = 0;
    uint8_t highestSkill = 0;  // 1-12, 0 none
    uint32_t skillLevels[kSkillCount] = {};
    uint8_t playerName[kNameCells] = {};
    int lastNameCell = 0;

    // Derived values.
    ShipStats stats;
    uint32_t effectiveCost = 0;
    uint8_t canAfford = 0;
    uint8_t afford = 1;  // recompute requests
    uint8_t texts = 0;
    uint8_t statsDirty = 0;

    // Drag and drop and the storage panel.
    ItemId heldItem = 0;
    int32_t anchorX = 0;
    int32_t anchorY = 0;
    uint8_t mouseArmed = 0;
    uint8_t storageOpen = 0;
    uint32_t currentStorage = 1;
    uint8_t storageGroup = 1;
    ItemId inspectItem = 0;
    uint8_t inspectCode = 0;

    // Panels and the leave state.
    uint8_t leftHelp = 0;
    uint8_t rightHelp = 0;
    uint8_t upgradePanelOpen = 0;
    uint8_t leaveRequested = 0;
    uint8_t returnToArea = 0;
    uint8_t leaveRefused = 0;
    uint8_t noEngine = 0;
    uint8_t holding = 0;
    uint8_t noWeapon = 0;
    uint8_t leaveConfirmed = 0;
    uint8_t leaveDialog = 0;

    // Mouse state.
    uint8_t hoverCode = 0;
    uint8_t clickedCode = 0;
    uint8_t leftPressed = 0;
    uint8_t rightPressed = 0;
    uint8_t buttonDown = 0;  // a button was down at the last OnClick

    // Sound requests, played and cleared by the scene.
    uint8_t hoverSoundCode = 0;
    uint8_t lastHoverSoundCode = 0;  // kept by the scene
    uint8_t clickSound = 0;          // 1 pending, 2 to play
    uint8_t rightClickSound = 0;
    uint8_t rightClickArmed = 1;
    uint8_t clickArmed = 1;
    uint8_t pickSound = 0;
    uint8_t dropSound = 0;
    uint8_t installSound = 0;
    uint8_t upgradeSound = 0;

    // Animation.
    uint8_t tickState = 1;  // 1 start timing, 2 timing
    uint32_t tickStart = 0;
    uint8_t timers[kTimerCount] = {};
    uint8_t awayMessage = kAwayNone;
    uint8_t flashAlpha = 0;
    uint8_t flashDirection = 0;  // 0 off, 1 rising, 2 falling
    float flashAngle = 0.0f;

    // Number texts.
    char levelText[kNumberTextSize] = {};
    char experienceText[kNumberTextSize] = {};
    char nextLevelText[kNumberTextSize] = {};
    char itemsMaxText[kNumberTextSize] = {};
    char itemsNowText[kNumberTextSize] = {};
    char attackTexts[kWeaponPositionCount][kNumberTextSize] = {};
    char defenceText[kNumberTextSize] = {};
    char armorText[kNumberTextSize] = {};
    char shieldsText[kNumberTextSize] = {};
    char protectionTexts[kProtectionKinds][kNumberTextSize] = {};
    char upgradesText[kNumberTextSize] = {};
    char materialText[kNumberTextSize] = {};
    char costText[kNumberTextSize] = {};
    char speedText[kNumberTextSize] = {};
    char storageText[kNumberTextSize] = {};
    char skillLevelText[kNumberTextSize] = {};

private:
    bool PanelsClosed() const { return !upgradePanelOpen && !leaveDialog; }
    bool AllSlots() const;
    void SetHoverSound();
    void PressHelp(bool left, bool right);
    void PressStorage(bool left);
    void PressUpgrade();
    void StartAway(AwayMessage variant);
    void ApplyDrop(const Place& place);
    void RefreshStatTexts();
    void RefreshTexts();
    void StepFlash();
    void DrawValueColumns();
    void DrawLowerLeft(SpriteSheet* menu);
    void DrawAttackSettings(SpriteSheet* menu);
    void DrawStoragePanel(SpriteSheet* menu);
    void DrawItemIcons();
    void DrawOutlines(SpriteSheet* menu);
    void DrawInspect(SpriteSheet* menu);
    void DrawHelp(SpriteSheet* menu, uint8_t topic);
    void DrawMessages(SpriteSheet* menu);
    void DrawUpgradePanel(SpriteSheet* menu);
    void DrawLeaveDialog(SpriteSheet* menu);
    void DrawItemValues(ItemId id, int32_t x, int32_t y, int32_t valueX, uint32_t nameColour, bool inspect);
};
