#include "ship/store_screen.h"

#include "platform/clock.h"
#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kTickMs = 100;

struct Rect {
    int32_t x, y, w, h;
    bool Holds(int32_t px, int32_t py) const { return PointInRect(x, y, w, h, px, py) != 0; }
};

// Tabs Armor, Shields, Weapons, Engines; they reach past the screen's edges.
constexpr Rect kTabRects[StoreScreen::kTabs] = {
    {-200, -200, 364, 268}, {165, -200, 157, 268}, {323, -200, 159, 268}, {483, -200, 157, 268}};
constexpr Rect kLeaveRect{641, -200, 400, 268};
constexpr int32_t kBarX = 280, kBarY = 535, kBarPitch = 58, kBarSize = 32;
constexpr Rect kYesRect{313, 334, 45, 35}, kNoRect{428, 334, 45, 35};
constexpr Rect kExchangeYesRect{431, 445, 50, 40}, kExchangeNoRect{506, 445, 50, 40},
    kExchangeExitRect{240, 445, 50, 40};
constexpr Rect kMaterialRects[3] = {{188, 300, 125, 42}, {318, 300, 138, 42}, {461, 300, 153, 42}};
constexpr Rect kStorageExitRect{383, 443, 51, 42};
constexpr int32_t kCellsX = 320, kCellsY = 140, kCellSize = 60;
constexpr int kCellColumns = 3, kCellRows = 5;

// The rectangle round a stock icon by class: cubes and spheres 35 square,
// cannons and engines taller than their 32 x 64 picture shows.
constexpr Rect kStockHit[kItemClassCount] = {{0, 0, 35, 35}, {0, 0, 35, 35}, {-5, -2, 42, 62}, {-11, -2, 60, 62}};

// The tooltip moves this far while a hold item is under the mouse.
constexpr int32_t kHoldTipX = 250, kHoldTipY = -60;

constexpr int kFontHeight = 18;
constexpr ScreenImage kBackdropImages[] = {{0, "Art\\Menu\\Store1.bmp", 256, 256, kNoKey}};

}  // namespace

StoreScreen::StoreScreen() = default;

StoreScreen::~StoreScreen() { FreeArt(); }

int StoreScreen::LoadArt(GraphicsDevice* graphics) {
    FreeArt();
    CreateScreenFont(font, graphics, kFontHeight);
    LoadScreenSheet(backdrop, graphics, 1, kBackdropImages);
    return LoadItemIconSheets(iconSheets, graphics);
}

void StoreScreen::FreeArt() {
    ReleaseSheetAndFont(font, backdrop);
    ReleaseItemIconSheets(iconSheets);
}

void StoreScreen::FormatNumbers() {
    if (resourcesDirty) {
        resourcesDirty = 0;
        for (int r = 0; r < kExchangeResources; ++r) FormatNumber(resourceTexts[r], resources[r]);
    }
    if (exchangeDirty) {
        exchangeDirty = 0;
        for (int r = 0; r < kExchangeResources; ++r) FormatNumber(exchangeTexts[r], exchangeAmounts[r]);
    }
}

void StoreScreen::GenerateStock() {
    if (restock == 1) stock.Generate(seed, random);
    else stock.Clear();
}

void StoreScreen::Animate() {
    const uint32_t now = NowMs();
    if (tickPhase == 1) {
        tickStart = now;
        tickPhase = 2;
        return;
    }
    if (now - tickStart <= kTickMs) return;
    tickPhase = 1;
    auto tick = [](uint8_t& timer, uint8_t limit) {
        if (timer != 0 && ++timer > limit) timer = 0;
    };
    tick(noRoomTimer, kNoRoomTicks);
    tick(noGoldTimer, kNoMoneyTicks);
    tick(noCrystalTimer, kNoMoneyTicks);
}

void StoreScreen::CheckAfford() {
    canPayGold = lacksGold = canPayCrystal = lacksCrystal = 0;
    const int slot = static_cast<int>(clickSlot) - 1;
    if (StoreStock::ValidSlot(slot) && stock.exists[slot]) {
        const uint32_t price = stock.price[slot];
        if (stock.currency[slot] == kGoldCurrency) {
            if (resources[kExGold] >= price) canPayGold = 1;
            else lacksGold = 1;
        } else if (stock.currency[slot] == kCrystalCurrency) {
            if (resources[kExCrystal] >= price) canPayCrystal = 1;
            else lacksCrystal = 1;
        }
        if (canPayGold || canPayCrystal) {
            buyPrice = price;
            buyCurrency = stock.currency[slot];
        }
    }
    if (canPayGold || canPayCrystal) {
        FormatNumber(priceText, buyPrice);
        if (buySelection == 0) pressSpent = 1;
        buySelection = clickSlot;
    }
    if (lacksGold) noGoldTimer = 1;
    if (lacksCrystal) noCrystalTimer = 1;
}

bool StoreScreen::NothingOpen() const {
    return buySelection == 0 && !exchangeOpen && !buyMaterialMenu && !sellMaterialMenu && !sellItemsOpen;
}

uint32_t StoreScreen::OpenState() const {
    return (buySelection != 0 ? 1u : 0u) | (exchangeOpen ? 2u : 0u) | (buyMaterialMenu ? 4u : 0u) |
           (sellMaterialMenu ? 8u : 0u) | (sellItemsOpen ? 16u : 0u) | (sellDialog ? 32u : 0u);
}

int StoreScreen::OpenTab() const {
    if (shieldsTab) return kSphere;
    if (weaponsTab) return kCannon;
    if (enginesTab) return kEngine;
    return kCube;
}

int StoreScreen::SetMode() const {
    for (int m = 0; m < kExchangeModes; ++m) {
        if (exchangeModes[m]) return m + 1;
    }
    return 0;
}

void StoreScreen::HitTest(int32_t x, int32_t y) {
    hoverCode = 0;
    hoverSlot = 0;
    if (NothingOpen()) {
        for (int t = 0; t < kTabs; ++t) {
            if (kTabRects[t].Holds(x, y)) hoverCode = static_cast<uint8_t>(kArmorTabCode + t);
        }
        for (int k = 0; k < kBarButtons; ++k) {
            if (PointInRect(kBarX + kBarPitch * k, kBarY, kBarSize, kBarSize, x, y)) {
                hoverCode = static_cast<uint8_t>(kFirstBarCode + k);
            }
        }
        TestStock(x, y);
    }
    if (kLeaveRect.Holds(x, y)) hoverCode = kLeaveCode;
    if (buySelection != 0 || sellDialog) {
        if (kYesRect.Holds(x, y)) hoverCode = kYesCode;
        if (kNoRect.Holds(x, y)) hoverCode = kNoCode;
    }
    if (exchangeOpen) {
        if (kExchangeYesRect.Holds(x, y)) hoverCode = kExchangeYesCode;
        if (kExchangeNoRect.Holds(x, y)) hoverCode = kExchangeNoCode;
        if (kExchangeExitRect.Holds(x, y)) hoverCode = kExchangeExitCode;
        for (int step = 1; step <= kExchangeSteps; ++step) {
            if (PointInRect(StepButtonX(step), StepButtonY(step), kStepButtonSize, kStepButtonSize, x, y)) {
                hoverCode = static_cast<uint8_t>(kFirstStepCode + step - 1);
            }
        }
    }
    if (buyMaterialMenu || sellMaterialMenu) {
        for (int m = 0; m < 3; ++m) {
            if (kMaterialRects[m].Holds(x, y)) hoverCode = static_cast<uint8_t>(kFirstMaterialCode + m);
        }
    }
    if (sellItemsOpen && !sellDialog) TestCells(x, y);
    const bool selected = selectedItem != 0;
    tipX = selected ? kHoldTipX : 0;
    tipY = selected ? kHoldTipY : 0;
    if (hoverCode != kArmorTabCode + OpenTab()) soundCode = hoverCode;
}

void StoreScreen::TestStock(int32_t x, int32_t y) {
    const int open = OpenTab();
    for (int s = 0; s < StoreStock::kSlots; ++s) {
        if (!stock.exists[s] || stock.itemClass[s] != open) continue;
        const Rect& r = kStockHit[open];
        if (PointInRect(stock.x[s] + r.x, stock.y[s] + r.y, r.w, r.h, x, y)) hoverSlot = static_cast<uint32_t>(s + 1);
    }
}

void StoreScreen::TestCells(int32_t x, int32_t y) {
    selectedItem = 0;
    hoverCell = 0;
    if (kStorageExitRect.Holds(x, y)) hoverCode = kStorageExitCode;
    for (int r = 0; r < kCellRows; ++r) {
        for (int c = 0; c < kCellColumns; ++c) {
            if (!PointInRect(kCellsX + kCellSize * c, kCellsY + kCellSize * r, kCellSize, kCellSize, x, y)) continue;
            const int cell = kCellColumns * r + c;
            hoverCell = static_cast<uint8_t>(cell + 1);
            selectedItem = hold[cell];
        }
    }
}

int StoreScreen::OnClick(int32_t, int32_t, InputDevice* mouse) {
    const bool left = mouse && mouse->ButtonPressed(0);
    const bool right = mouse && mouse->ButtonPressed(1);
    if (!left && !right) return 0;
    if (pressSpent) {
        clickSlot = 0;
        return 1;
    }
    clickSlot = hoverSlot;
    clickCode = hoverCode;
    const uint32_t before = OpenState();
    const uint8_t code = clickCode;
    if (code >= kArmorTabCode && code < kArmorTabCode + kTabs) {
        armorTab = code == kArmorTabCode;
        shieldsTab = code == kArmorTabCode + kSphere;
        weaponsTab = code == kArmorTabCode + kCannon;
        enginesTab = code == kArmorTabCode + kEngine;
    } else if (code >= kFirstBarCode && code < kBuyMaterialsCode) {
        OpenExchange(static_cast<ExchangeMode>(kBuyGold + (code - kFirstBarCode)));
    } else if (code > kSellItemsCode && code < kSellMaterialCode) {
        OpenExchange(static_cast<ExchangeMode>(kSellGold + (code - kSellItemsCode - 1)));
    } else if (code == kBuyMaterialsCode) {
        buyMaterialMenu = 1;
    } else if (code == kSellMaterialCode) {
        sellMaterialMenu = 1;
    } else if (code == kSellItemsCode) {
        sellItemsOpen = 1;
    }
    ClickMenus(code);
    ClickExchange(code);
    if (sellItemsOpen) {
        if (code == kStorageExitCode) {
            sellItemsOpen = 0;
            selectedItem = 0;
        }
        sellDialog = selectedItem != 0;
    }
    SetStepButton();
    if (OpenState() != before) pressSpent = 1;
    return 1;
}

void StoreScreen::ClickMenus(uint8_t code) {
    if (code < kFirstMaterialCode || code >= kFirstMaterialCode + 3) return;
    const int material = code - kFirstMaterialCode;  // ship, robot, building
    if (buyMaterialMenu) {
        buyMaterialMenu = 0;
        OpenExchange(static_cast<ExchangeMode>(kBuyShipMaterial + material));
    } else if (sellMaterialMenu) {
        sellMaterialMenu = 0;
        OpenExchange(static_cast<ExchangeMode>(kSellShipMaterial + material));
    }
}

void StoreScreen::ClickExchange(uint8_t code) {
    if (!exchangeOpen) return;
    if (code == kExchangeYesCode) exchangeDecision = kDecisionYes;
    if (code == kExchangeNoCode) exchangeDecision = kDecisionNo;
    if (code == kExchangeExitCode) CloseExchange();
}

void StoreScreen::SetStepButton() {
    const bool step = exchangeOpen && clickCode >= kFirstStepCode && clickCode < kFirstStepCode + kExchangeSteps;
    exchangeStepButton = step ? static_cast<uint8_t>(clickCode - kFirstStepCode + 1) : 0;
}

void StoreScreen::ExchangeStep() {
    for (int m = 0; m < kExchangeModes; ++m) {
        if (exchangeModes[m]) ApplyExchangeStep(m, exchangeStepButton, resources, exchangeAmounts);
    }
}
