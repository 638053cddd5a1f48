// The Store's trades on the screen's copies: purchases, sales and exchanges,
// and the per-frame steps of its scene that lead to them.
#include "platform/input_device.h"
#include "ship/store_screen.h"

bool StoreScreen::AnythingOpen() const { return !NothingOpen(); }

void StoreScreen::CloseAll() {
    buySelection = 0;
    CloseExchange();
    selectedItem = 0;
    hoverCell = 0;
    // The "Sell?" dialog goes too: it would otherwise stay up with nothing
    // selected.
    sellDialog = 0;
    buyMaterialMenu = 0;
    sellMaterialMenu = 0;
    sellItemsOpen = 0;
}

void StoreScreen::PressEnter() {
    if (buySelection != 0) buyConfirmed = 1;
    if (sellDialog) Sell();
}

void StoreScreen::ButtonsUp() {
    clickSlot = 0;
    pressSpent = 0;
    if (exchangeDecision == kDecisionYes) ConfirmExchange();
    else if (exchangeDecision == kDecisionNo) DeclineExchange();
    if (exchangeStepButton != 0) {
        ExchangeStep();
        exchangeDirty = 1;
        FormatNumbers();
        exchangeStepButton = 0;
    }
}

void StoreScreen::ClickReleased(InputDevice* mouse) {
    if (clickCode == 0 || !MouseButtonsReleased(mouse)) return;
    CheckAfford();
    if (buySelection != 0) {
        if (clickCode == kYesCode) buyConfirmed = 1;
        if (clickCode == kNoCode) buyDeclined = 1;
    }
    if (sellDialog) {
        if (clickCode == kYesCode) {
            Sell();
        } else if (clickCode == kNoCode) {
            sellDialog = 0;
            selectedItem = 0;
        }
    }
    hoverCode = 0;
    clickCode = 0;
    stampSound = 1;
}

void StoreScreen::FinishFrame() {
    if (buyConfirmed) Purchase();
    if (buyDeclined) {
        buyDeclined = 0;
        buySelection = 0;
    }
    CheckAfford();
    Animate();
}

bool StoreScreen::TakeHoverSound() {
    if (soundCode == 0) {
        lastSoundCode = 0;
        return false;
    }
    if (soundCode == lastSoundCode) return false;
    lastSoundCode = soundCode;
    return true;
}

void StoreScreen::Purchase() {
    buyConfirmed = 0;
    purchaseState = kNoFreeCell;
    const int slot = static_cast<int>(buySelection) - 1;
    buySelection = 0;
    if (!StoreStock::ValidSlot(slot) || !stock.exists[slot]) return;
    const ItemStock entry = stock.Entry(slot);
    uint32_t& purse = resources[entry.currency == kCrystalCurrency ? kExCrystal : kExGold];
    // The dialog only opens for what is affordable; this keeps a purse from
    // ever running below zero.
    if (purse < entry.price) return;
    const ItemPool::Purchase made = pool.BuyIntoHold(hold, entry);
    switch (made.result) {
        case ItemPool::BuyResult::kHoldFull: purchaseState = kNoFreeCell; break;
        case ItemPool::BuyResult::kPoolFull: purchaseState = kCellFound; break;
        case ItemPool::BuyResult::kBought: purchaseState = kItemMade; break;
    }
    noRoomTimer = purchaseState == kNoFreeCell ? 1 : 0;
    if (purchaseState != kItemMade) return;
    targetCell = static_cast<uint8_t>(made.cell);
    newItemIndex = made.id - 1;
    purse -= entry.price;
    stock.exists[slot] = 0;
    resourcesDirty = 1;
    FormatNumbers();
    itemsChanged = 1;
}

void StoreScreen::Sell() {
    sellDialog = 0;
    const int cell = static_cast<int>(hoverCell) - 1;
    // Only an item that is selected and still lies in the cell is sold.
    const bool valid = cell >= 0 && cell < kHoldCells && selectedItem != 0 && hold[cell] == selectedItem;
    selectedItem = 0;
    if (!valid) return;
    pool.SellFromHold(hold, cell, resources[kExGold], resources[kExCrystal]);
    resourcesDirty = 1;
    FormatNumbers();
    itemsChanged = 1;
}

void StoreScreen::ClearModes() {
    for (uint8_t& mode : exchangeModes) mode = 0;
}

void StoreScreen::OpenExchange(ExchangeMode mode) {
    exchangeOpen = 1;
    ClearModes();
    exchangeModes[mode] = 1;
}

void StoreScreen::CloseExchange() {
    exchangeOpen = 0;
    ClearModes();
    exchangeDecision = 0;
    exchangeStepButton = 0;
    // A left-over offer could outgrow the resources once they change (a
    // purchase spends gold), so every close starts the next trade afresh.
    for (uint32_t& amount : exchangeAmounts) amount = 0;
    exchangeDirty = 1;
    FormatNumbers();
}

void StoreScreen::ConfirmExchange() {
    exchangeDecision = 0;
    const int mode = SetMode();
    if (mode != 0) ApplyExchangeTrade(mode - 1, resources, exchangeAmounts);
    for (uint32_t& amount : exchangeAmounts) amount = 0;
    resourcesDirty = 1;
    exchangeDirty = 1;
    FormatNumbers();
}

void StoreScreen::DeclineExchange() { CloseExchange(); }
