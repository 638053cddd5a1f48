#pragma once
#include <cstdint>
#include <span>

// 1-based index into the pool; 0 means an empty cell wherever ids are stored.
using ItemId = uint32_t;

enum ItemClass : uint8_t { kCube = 0, kSphere = 1, kCannon = 2, kEngine = 3 };
inline constexpr int kItemClassCount = 4;

// Which protection sum an item's protection adds to.
enum ProtectionType : uint8_t { kAtomic = 0, kChemical = 1, kElectrical = 2, kAllProtections = 3 };
inline constexpr int kProtectionKinds = 3;

enum Currency : uint8_t { kGoldCurrency = 1, kCrystalCurrency = 2 };

// What a purchase makes an item from: one entry of the Store's stock.
struct ItemStock {
    uint8_t itemClass = kCube;
    uint8_t icon = 0;
    uint8_t subtype = 0;
    uint32_t stat = 0;
    uint32_t defence = 0;
    uint32_t protection = 0;
    uint8_t protectionType = kAtomic;
    uint32_t price = 0;  // what the Store asks
    uint8_t currency = kGoldCurrency;
};

// The hold: 15 cells, 3 columns by 5 rows, and where an item in cell c lies
// on the Your Ship screen.
inline constexpr int kHoldCells = 15;
inline constexpr int kHoldColumns = 3;
inline constexpr int kCellPitch = 60;
constexpr int32_t HoldCellX(int cell) { return 623 + kCellPitch * (cell % kHoldColumns); }
constexpr int32_t HoldCellY(int cell) { return 303 + kCellPitch * (cell / kHoldColumns); }

// Every item the player owns, one array per field. Entry k is the item whose
// id is k + 1. The fields lie in the order of the save file.
struct ItemPool {
    static constexpr int kItemCount = 1000;
    // Selling returns this share of the Store's price.
    static constexpr uint32_t kResaleDivisor = 10;

    uint8_t exists[kItemCount] = {};
    uint8_t itemClass[kItemCount] = {};  // ItemClass
    uint8_t icon[kItemCount] = {};       // image in the class's icon sheet
    int32_t x[kItemCount] = {};          // place on the Your Ship screen
    int32_t y[kItemCount] = {};
    uint32_t stat[kItemCount] = {};  // armor, shields, attack or speed by class
    uint32_t defence[kItemCount] = {};
    uint32_t protection[kItemCount] = {};
    uint8_t protectionType[kItemCount] = {};  // ProtectionType
    uint8_t subtype[kItemCount] = {};
    uint8_t storageNumber[kItemCount] = {};  // 1..99 while in a storage, else 0
    uint32_t price[kItemCount] = {};         // what selling pays
    uint8_t currency[kItemCount] = {};       // Currency of the price

    void Clear();

    static bool ValidId(ItemId id) { return id >= 1 && id <= kItemCount; }
    bool Exists(ItemId id) const { return ValidId(id) && exists[id - 1] != 0; }
    // The lowest free id, so that freed ids come back first; 0 when full.
    ItemId FirstFree() const;
    // Fills the lowest free entry from a stock entry, lying at (x, y) and in
    // no storage. Returns its id, or 0 when every entry is taken.
    ItemId Create(const ItemStock& stock, int32_t x, int32_t y);
    void Free(ItemId id);
    // Gives an item a new place: its screen corner and its storage (0 none).
    void Place(ItemId id, int32_t x, int32_t y, uint8_t storage);

    // The columns the Your Ship page hands back from its copy: existence,
    // class, icon, place, storage and the three values. The protection type,
    // subtype, price and currency stay as they are.
    void TakeFittedColumns(const ItemPool& page);

    enum class BuyResult { kBought, kHoldFull, kPoolFull };
    struct Purchase {
        BuyResult result = BuyResult::kHoldFull;
        ItemId id = 0;
        int cell = -1;
    };
    // A purchase: the first empty hold cell receives a new item. Nothing is
    // made when the hold or the pool is full. Paying is the Store's part.
    Purchase BuyIntoHold(std::span<uint32_t> hold, const ItemStock& stock);
    // A sale of the item in a hold cell: frees it, empties the cell and adds
    // its price to gold or crystal. Returns the amount credited.
    uint32_t SellFromHold(std::span<uint32_t> hold, int cell, uint32_t& gold, uint32_t& crystal);
};

// "Armor Cube", "Quark Cannon", ... by class and subtype; "" for none.
const char* ItemName(uint8_t itemClass, uint8_t subtype);
