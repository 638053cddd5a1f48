#pragma once
#include <cstdint>

// Every item the player owns, one array per field. Entry k is the item whose
// id is k + 1; id 0 means an empty cell wherever ids are stored.
struct ItemPool {
    static constexpr int kItemCount = 1000;

    uint8_t exists[kItemCount] = {};
    uint8_t itemClass[kItemCount] = {};  // 0 cube (armor), 1 sphere (shields), 2 cannon, 3 engine
    uint8_t icon[kItemCount] = {};
    uint32_t x[kItemCount] = {};  // place on the Your Ship screen
    uint32_t y[kItemCount] = {};
    uint32_t stat[kItemCount] = {};  // armor, shields, attack or speed by class
    uint32_t defence[kItemCount] = {};
    uint32_t protection[kItemCount] = {};
    uint8_t protectionType[kItemCount] = {};  // 0 atomic, 1 chemical, 2 electrical, 3 all
    uint8_t subtype[kItemCount] = {};
    uint8_t storageNumber[kItemCount] = {};  // 1..99 while in a storage, else 0
    uint32_t price[kItemCount] = {};
    uint8_t currency[kItemCount] = {};  // 1 gold, 2 crystal

    void Clear();
};
