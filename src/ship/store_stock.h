#pragma once
#include <cstdint>

#include "shell/item_pool.h"

class RandomRange;

// The Store's stock: 100 slots, one array per column. The assortment is
// fixed (what is sold, where each icon stands, in which currency); the values
// and so the prices are drawn from the shared generator each visit.
struct StoreStock {
    static constexpr int kSlots = 100;

    uint8_t exists[kSlots] = {};     // 1 on sale; 0 never filled or bought
    uint8_t itemClass[kSlots] = {};  // ItemClass
    uint8_t icon[kSlots] = {};       // image in the class's icon sheet
    uint8_t subtype[kSlots] = {};    // kind within the class; names the item
    int32_t x[kSlots] = {};          // screen corner of the icon
    int32_t y[kSlots] = {};
    uint32_t price[kSlots] = {};
    uint8_t currency[kSlots] = {};  // Currency
    uint32_t stat[kSlots] = {};     // armor, shields, attack or speed by class
    uint32_t defence[kSlots] = {};
    uint32_t protection[kSlots] = {};
    uint8_t protectionType[kSlots] = {};  // ProtectionType, where protection is not 0

    static bool ValidSlot(int slot) { return slot >= 0 && slot < kSlots; }

    // Empties every slot: exists, defence, protection and price to 0.
    void Clear();
    // Clears, then fills every row of the assortment with values drawn after
    // seeding the shared generator. The order of the draws is fixed, so one
    // seed always gives one stock.
    void Generate(uint32_t seed, RandomRange& random);
    // What a purchase of the slot makes an item from.
    ItemStock Entry(int slot) const;
};
