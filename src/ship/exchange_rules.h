#pragma once
#include <cstdint>

// The Store's resource exchange at 10 to 1: a buy mode receives its own
// resource and pays with any of the five others, a sell mode offers its own
// resource and receives any of the five others.

// Resource indexes, in the order of the game record's resources.
enum ExchangeResource : uint8_t {
    kExGold = 0,
    kExCrystal,
    kExFavors,
    kExShipMaterial,
    kExBuildingMaterial,
    kExRobotMaterial,
};
inline constexpr int kExchangeResources = 6;
inline constexpr int kExchangeRows = 5;
inline constexpr int kExchangeColumns = 5;
inline constexpr int kExchangeSteps = kExchangeRows * kExchangeColumns;

// The twelve modes, buy modes first.
enum ExchangeMode : uint8_t {
    kBuyGold = 0,
    kBuyCrystal,
    kBuyFavors,
    kBuyShipMaterial,
    kBuyRobotMaterial,
    kBuyBuildingMaterial,
    kSellGold,
    kSellCrystal,
    kSellFavors,
    kSellShipMaterial,
    kSellRobotMaterial,
    kSellBuildingMaterial,
};
inline constexpr int kExchangeModes = 12;

constexpr bool IsBuyMode(int mode) { return mode >= kBuyGold && mode <= kBuyBuildingMaterial; }
// The resource a mode buys or sells.
ExchangeResource OwnResource(int mode);
// The resource of row 1..5 of a mode: the five others, robot material
// before building material.
ExchangeResource RowResource(int mode, int row);
const char* ResourceName(ExchangeResource resource);

// One press of step button 1..25 (row 5(r - 1) + column) in a mode: changes
// the amounts only. In a buy mode amounts[own] is what is received and the
// others what is offered; in a sell mode the reverse.
void ApplyExchangeStep(int mode, int step, const uint32_t (&resources)[kExchangeResources],
                       uint32_t (&amounts)[kExchangeResources]);

// A confirmed trade: moves the amounts into the resources. A trade that would
// take more of a resource than there is changes nothing and returns false.
bool ApplyExchangeTrade(int mode, uint32_t (&resources)[kExchangeResources],
                        const uint32_t (&amounts)[kExchangeResources]);
