#pragma once
#include <cstdint>
#include <memory>

#include "platform/number_text.h"
#include "platform/random_range.h"
#include "shell/item_pool.h"
#include "ship/item_icon_sheets.h"
#include "ship/exchange_rules.h"
#include "ship/store_stock.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The Store: the stock in four tabs with tooltips, the "Buy?" dialog, the
// "Ship's Storage" panel that sells hold items through a "Sell?" dialog, the
// resource exchange panel, short messages, the gold and crystal and a bar of
// nine exchange and sell buttons. It works only on the copies its scene
// fills in (resources, item pool, hold, seed, restock flag); purchases and
// sales change those copies and raise itemsChanged, and the scene copies the
// pool, the hold and the resources back into the record.
//
// On entry the scene fills pool, hold, seed, restock and resources, marks
// resources and exchange amounts dirty, then calls FormatNumbers and
// GenerateStock. Per frame it calls, in this order: the keys (CloseAll, or
// leave when nothing is open, on Esc and Backspace; PressEnter on Enter),
// HitTest, OnClick, leaves when clickCode is kLeaveCode, ButtonsUp while no
// button is down, ClickReleased, FinishFrame, copies back what changed,
// plays the sounds (TakeHoverSound, stampSound), then DrawTabs and Draw.
class StoreScreen {
public:
    // Hover codes.
    static constexpr uint8_t kArmorTabCode = 1;  // 1-4 the tabs
    static constexpr uint8_t kLeaveCode = 5;
    static constexpr uint8_t kFirstBarCode = 6;  // 6-14 the button bar
    static constexpr uint8_t kBuyMaterialsCode = 9;
    static constexpr uint8_t kSellItemsCode = 10;
    static constexpr uint8_t kSellMaterialCode = 14;
    static constexpr uint8_t kYesCode = 20;
    static constexpr uint8_t kNoCode = 21;
    static constexpr uint8_t kExchangeYesCode = 22;
    static constexpr uint8_t kExchangeNoCode = 23;
    static constexpr uint8_t kFirstStepCode = 24;  // 24-48 the step buttons
    static constexpr uint8_t kExchangeExitCode = 50;
    static constexpr uint8_t kFirstMaterialCode = 51;  // 51 ship, 52 robot, 53 building
    static constexpr uint8_t kStorageExitCode = 54;

    static constexpr int kTabs = kItemClassCount;
    static constexpr int kBarButtons = 9;

    // Message timers stop after this many 100 ms ticks.
    static constexpr uint8_t kNoRoomTicks = 13;
    static constexpr uint8_t kNoMoneyTicks = 6;

    // Exchange decisions.
    static constexpr uint8_t kDecisionYes = 1;
    static constexpr uint8_t kDecisionNo = 2;

    // Purchase states.
    static constexpr uint8_t kNoFreeCell = 0;
    static constexpr uint8_t kCellFound = 1;
    static constexpr uint8_t kItemMade = 2;

    // The exchange panel's step buttons: 5 x 5, 20 pixels square.
    static constexpr int32_t kStepButtonSize = 20;
    static constexpr int32_t kStepRowY[kExchangeRows] = {247, 287, 327, 367, 408};
    static constexpr int32_t StepButtonX(int step) { return 450 + 24 * ((step - 1) % kExchangeColumns); }
    static constexpr int32_t StepButtonY(int step) { return kStepRowY[(step - 1) / kExchangeColumns]; }

    StoreScreen();
    virtual ~StoreScreen();
    StoreScreen(const StoreScreen&) = delete;
    StoreScreen& operator=(const StoreScreen&) = delete;

    // The font, the backdrop and the four icon sheets; again after a device
    // reset. Returns the result of the last image load.
    int LoadArt(GraphicsDevice* graphics);
    // Safe to call twice.
    void FreeArt();

    // The texts of whatever is marked dirty.
    void FormatNumbers();
    // A fresh stock from the seed, or none unless restock is 1.
    void GenerateStock();
    // The 100 ms tick of the message timers.
    void Animate();
    // A held press on a stock item opens the "Buy?" dialog when it is
    // affordable, else the matching message.
    void CheckAfford();
    void HitTest(int32_t x, int32_t y);
    // 0 unless a mouse button is down; else acts on the hover code, 1.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse);
    // The step button's press applied to the exchange amounts.
    void ExchangeStep();
    // The frame, the tabs, the money and the button bar.
    void DrawTabs(SpriteSheet* menu);
    // The stock, tooltips, dialogs, messages, menus and panels.
    void Draw(SpriteSheet* menu);

    // The scene's part of a frame, kept here so that the rules live in one place.
    // Anything open that Esc or Backspace would close rather than leave.
    bool AnythingOpen() const;
    // Esc or Backspace with something open: every dialog, panel and menu
    // closes and the exchange amounts return to 0.
    void CloseAll();
    // Enter: confirms the "Buy?" dialog, or sells in the "Sell?" dialog.
    void PressEnter();
    // After OnClick, while no button is down: the press is over, and the
    // exchange decision and step it asked for are taken.
    void ButtonsUp();
    // Then, once the buttons are released after a coded click: the dialog
    // answers and the click sound.
    void ClickReleased(InputDevice* mouse);
    // A confirmed or declined purchase, the afford check and the animation.
    void FinishFrame();
    // True when the hover sound should play: a new non-zero sound code.
    bool TakeHoverSound();

    // Makes the item of buySelection in the first free hold cell and pays.
    void Purchase();
    // Sells the selected item from its hold cell; nothing without both.
    void Sell();
    // The exchange panel's Yes and No.
    void ConfirmExchange();
    void DeclineExchange();
    void OpenExchange(ExchangeMode mode);
    void CloseExchange();

    // The class of the open tab.
    int OpenTab() const;
    // 1-12 for the mode that is set, 0 none.
    int SetMode() const;

    // Art.
    std::unique_ptr<Font> font;  // Arial 18
    std::unique_ptr<SpriteSheet> backdrop;
    ItemIconSheets iconSheets;
    RandomRange random;

    // Resources, in the record's order (see ExchangeResource).
    uint32_t resources[kExchangeResources] = {};
    uint8_t resourcesDirty = 0;
    char resourceTexts[kExchangeResources][kNumberTextSize] = {};

    // The exchange.
    uint32_t exchangeAmounts[kExchangeResources] = {};
    uint8_t exchangeDirty = 0;
    char exchangeTexts[kExchangeResources][kNumberTextSize] = {};
    uint8_t exchangeOpen = 0;
    uint8_t exchangeModes[kExchangeModes] = {};  // by ExchangeMode, at most one set
    uint8_t buyMaterialMenu = 0;
    uint8_t sellMaterialMenu = 0;
    uint8_t exchangeStepButton = 0;  // 1-25, 0 none
    uint8_t exchangeDecision = 0;

    // Tabs; exactly one is 1.
    uint8_t armorTab = 1;
    uint8_t shieldsTab = 0;
    uint8_t weaponsTab = 0;
    uint8_t enginesTab = 0;

    // The stock and what it is drawn from.
    StoreStock stock;
    uint8_t restock = 0;
    uint32_t seed = 0;

    // Copies of the record's pool and hold.
    ItemPool pool;
    uint32_t hold[kHoldCells] = {};
    uint8_t itemsChanged = 0;  // the scene copies pool and hold back and clears it

    // Pointer state.
    uint8_t hoverCode = 0;
    uint8_t clickCode = 0;
    uint32_t hoverSlot = 0;  // stock slot + 1, 0 none
    uint32_t clickSlot = 0;
    uint8_t soundCode = 0;
    uint8_t lastSoundCode = 0;
    uint8_t stampSound = 0;  // the scene plays the click sound and clears it
    // Set when a press opened or closed something; the rest of that press
    // acts on nothing, so it cannot answer the dialog it opened.
    uint8_t pressSpent = 0;

    // Buying.
    uint32_t buySelection = 0;  // stock slot + 1 in the "Buy?" dialog
    uint32_t buyPrice = 0;
    uint8_t buyCurrency = 0;
    char priceText[kNumberTextSize] = {};
    uint8_t canPayGold = 0;
    uint8_t lacksGold = 0;
    uint8_t canPayCrystal = 0;
    uint8_t lacksCrystal = 0;
    uint8_t buyConfirmed = 0;
    uint8_t buyDeclined = 0;
    uint8_t purchaseState = kNoFreeCell;
    uint8_t targetCell = 0;
    uint32_t newItemIndex = 0;

    // Selling.
    uint8_t sellItemsOpen = 0;
    uint8_t hoverCell = 0;      // hold cell 1-15 under the mouse, 0 none
    uint32_t selectedItem = 0;  // the ItemId in that cell
    uint8_t sellDialog = 0;

    // Messages; 0 hidden.
    uint8_t noGoldTimer = 0;
    uint8_t noCrystalTimer = 0;
    uint8_t noRoomTimer = 0;

    // Tooltip origin.
    int32_t tipX = 0;
    int32_t tipY = 0;

    // The animation tick.
    uint8_t tickPhase = 1;
    uint32_t tickStart = 0;

private:
    bool NothingOpen() const;
    // What is open, as bits, to tell when a press changed it.
    uint32_t OpenState() const;
    void OpenTabFor(uint8_t code);
    void TestStock(int32_t x, int32_t y);
    void TestCells(int32_t x, int32_t y);
    void ClickMenus(uint8_t code);
    void ClickExchange(uint8_t code);
    void SetStepButton();
    void ClearModes();

    void DrawFrame(SpriteSheet* menu);
    void DrawTabCaptions(SpriteSheet* menu);
    void DrawMoney();
    void DrawButtonBar(SpriteSheet* menu);
    void DrawStock();
    void DrawTooltip(SpriteSheet* menu);
    void DrawItemDialog(SpriteSheet* menu, bool selling);
    void DrawMessages(SpriteSheet* menu);
    void DrawMaterialMenu(SpriteSheet* menu);
    void DrawStoragePanel(SpriteSheet* menu);
    void DrawExchangePanel(SpriteSheet* menu);
    void DrawStepButtons(SpriteSheet* menu);
    void DrawIcon(int itemClass, int icon, int32_t x, int32_t y);
    void DrawResourceIcon(SpriteSheet* menu, ExchangeResource resource, int32_t x, int32_t y, float size);
    void Text(const char* text, int32_t x, int32_t y, uint32_t colour);
};
