#include "ship/exchange_rules.h"

namespace {

constexpr uint32_t kRate = 10;
// Offered units moved by the columns: 1 and 4 a thousand, 2 and 5 a hundred,
// 3 ten.
constexpr uint32_t kColumnStep[kExchangeColumns] = {1000, 100, 10, 1000, 100};
constexpr int kLastAddColumn = 3;
constexpr int kShortStepColumns = 2;  // columns 1 and 2 take what is left when short

constexpr ExchangeResource kModeResource[kExchangeModes / 2] = {
    kExGold, kExCrystal, kExFavors, kExShipMaterial, kExRobotMaterial, kExBuildingMaterial,
};
// The panel lists the resources in this order.
constexpr ExchangeResource kDisplayOrder[kExchangeResources] = {
    kExGold, kExCrystal, kExFavors, kExShipMaterial, kExRobotMaterial, kExBuildingMaterial,
};
constexpr const char* kNames[kExchangeResources] = {
    "Gold", "Crystal", "Favors", "Ship Material", "Building Material", "Robot Material",
};

// Amounts never run below zero, also where a left-over amount exceeds what
// there is.
uint32_t Minus(uint32_t a, uint32_t b) { return a > b ? a - b : 0; }

// Adds to an offer of `offered` (out of `have`) and the matching `received`.
void Offer(int column, uint32_t have, uint32_t& offered, uint32_t& received) {
    const uint32_t step = kColumnStep[column - 1];
    const uint32_t left = Minus(have, offered);
    if (left >= step) {
        offered += step;
        received += step / kRate;
    } else if (column <= kShortStepColumns) {
        offered = have;
        received += left / kRate;
    }
}

}  // namespace

ExchangeResource OwnResource(int mode) {
    if (mode < 0 || mode >= kExchangeModes) return kExGold;
    return kModeResource[mode % (kExchangeModes / 2)];
}

ExchangeResource RowResource(int mode, int row) {
    const ExchangeResource own = OwnResource(mode);
    int seen = 0;
    for (ExchangeResource r : kDisplayOrder) {
        if (r == own) continue;
        if (++seen == row) return r;
    }
    return own;
}

const char* ResourceName(ExchangeResource resource) {
    return resource < kExchangeResources ? kNames[resource] : "";
}

void ApplyExchangeStep(int mode, int step, const uint32_t (&resources)[kExchangeResources],
                       uint32_t (&amounts)[kExchangeResources]) {
    if (mode < 0 || mode >= kExchangeModes || step < 1 || step > kExchangeSteps) return;
    const int row = (step - 1) / kExchangeColumns + 1;
    const int column = (step - 1) % kExchangeColumns + 1;
    const ExchangeResource own = OwnResource(mode);
    const ExchangeResource k = RowResource(mode, row);
    const bool buy = IsBuyMode(mode);
    // The side the player gives and the side the player gets.
    const ExchangeResource given = buy ? k : own;
    const ExchangeResource got = buy ? own : k;
    uint32_t& offered = amounts[given];
    uint32_t& received = amounts[got];
    if (column <= kLastAddColumn) {
        Offer(column, resources[given], offered, received);
        return;
    }
    const uint32_t size = kColumnStep[column - 1];
    if (buy) {
        // Taking back below a full step returns the row's whole offer.
        if (offered >= size) {
            offered -= size;
            received = Minus(received, size / kRate);
        } else {
            received = Minus(received, offered / kRate);
            offered = 0;
        }
    } else {
        // Taking back below a full step returns ten times what was received.
        if (received >= size / kRate) {
            received -= size / kRate;
            offered = Minus(offered, size);
        } else {
            offered = Minus(offered, kRate * received);
            received = 0;
        }
    }
}

bool ApplyExchangeTrade(int mode, uint32_t (&resources)[kExchangeResources],
                        const uint32_t (&amounts)[kExchangeResources]) {
    if (mode < 0 || mode >= kExchangeModes) return false;
    const ExchangeResource own = OwnResource(mode);
    const bool buy = IsBuyMode(mode);
    for (int r = 0; r < kExchangeResources; ++r) {
        const bool offeredHere = buy ? r != own : r == own;
        if (offeredHere && amounts[r] > resources[r]) return false;
    }
    for (int r = 0; r < kExchangeResources; ++r) {
        const bool offeredHere = buy ? r != own : r == own;
        if (offeredHere) resources[r] -= amounts[r];
        else resources[r] += amounts[r];
    }
    return true;
}
