#include "shell/item_pool.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kMaxSubtypes = 6;
constexpr const char* kNames[kItemClassCount][kMaxSubtypes] = {
    {"Armor Cube", "Defence Cube", "Atomic Cube", "Chemical Cube", "Electrical Cube", "Exotic Cube"},
    {"Shields Sphere", "Defence Sphere", "Atomic Sphere", "Chemical Sphere", "Electrical Sphere", "Exotic Sphere"},
    {"Quark Cannon", "Electron Cannon", "Neutron Cannon", "Proton Cannon", "Exotic Cannon", ""},
    {"Small Engine", "Medium Engine", "Large Engine", "Exotic Engine", "", ""},
};

}  // namespace

void ItemPool::Clear() { *this = ItemPool{}; }

ItemId ItemPool::FirstFree() const {
    for (int k = 0; k < kItemCount; ++k) {
        if (!exists[k]) return static_cast<ItemId>(k + 1);
    }
    return 0;
}

ItemId ItemPool::Create(const ItemStock& stock, int32_t atX, int32_t atY) {
    const ItemId id = FirstFree();
    if (id == 0) return 0;
    const int k = static_cast<int>(id - 1);
    exists[k] = 1;
    itemClass[k] = stock.itemClass;
    icon[k] = stock.icon;
    x[k] = atX;
    y[k] = atY;
    stat[k] = stock.stat;
    defence[k] = stock.defence;
    protection[k] = stock.protection;
    protectionType[k] = stock.protectionType;
    subtype[k] = stock.subtype;
    storageNumber[k] = 0;
    price[k] = stock.price / kResaleDivisor;
    currency[k] = stock.currency;
    return id;
}

void ItemPool::Free(ItemId id) {
    // The other fields stay until a later purchase overwrites them.
    if (ValidId(id)) exists[id - 1] = 0;
}

void ItemPool::Place(ItemId id, int32_t atX, int32_t atY, uint8_t storage) {
    if (!ValidId(id)) return;
    x[id - 1] = atX;
    y[id - 1] = atY;
    storageNumber[id - 1] = storage;
}

void ItemPool::TakeFittedColumns(const ItemPool& page) {
    std::copy(std::begin(page.exists), std::end(page.exists), exists);
    std::copy(std::begin(page.itemClass), std::end(page.itemClass), itemClass);
    std::copy(std::begin(page.icon), std::end(page.icon), icon);
    std::copy(std::begin(page.x), std::end(page.x), x);
    std::copy(std::begin(page.y), std::end(page.y), y);
    std::copy(std::begin(page.storageNumber), std::end(page.storageNumber), storageNumber);
    std::copy(std::begin(page.stat), std::end(page.stat), stat);
    std::copy(std::begin(page.defence), std::end(page.defence), defence);
    std::copy(std::begin(page.protection), std::end(page.protection), protection);
}

ItemPool::Purchase ItemPool::BuyIntoHold(std::span<uint32_t> hold, const ItemStock& stock) {
    Purchase purchase;
    for (size_t c = 0; c < hold.size(); ++c) {
        if (hold[c] == 0) {
            purchase.cell = static_cast<int>(c);
            break;
        }
    }
    if (purchase.cell < 0) return purchase;
    purchase.id = Create(stock, HoldCellX(purchase.cell), HoldCellY(purchase.cell));
    if (purchase.id == 0) {
        purchase.result = BuyResult::kPoolFull;
        purchase.cell = -1;
        return purchase;
    }
    hold[static_cast<size_t>(purchase.cell)] = purchase.id;
    purchase.result = BuyResult::kBought;
    return purchase;
}

uint32_t ItemPool::SellFromHold(std::span<uint32_t> hold, int cell, uint32_t& gold, uint32_t& crystal) {
    if (cell < 0 || static_cast<size_t>(cell) >= hold.size()) return 0;
    const ItemId id = hold[static_cast<size_t>(cell)];
    if (!Exists(id)) return 0;
    const uint32_t amount = price[id - 1];
    if (currency[id - 1] == kGoldCurrency) gold += amount;
    if (currency[id - 1] == kCrystalCurrency) crystal += amount;
    Free(id);
    hold[static_cast<size_t>(cell)] = 0;
    return amount;
}

const char* ItemName(uint8_t itemClass, uint8_t subtype) {
    if (itemClass >= kItemClassCount || subtype >= kMaxSubtypes) return "";
    return kNames[itemClass][subtype];
}
