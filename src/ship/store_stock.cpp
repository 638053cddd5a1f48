#include "ship/store_stock.h"

#include "platform/random_range.h"

namespace {

// A closed range of a drawn value; {0, 0} means the row has no such value.
struct Range {
    int32_t min, max;
    bool Drawn() const { return max != 0; }
};
constexpr Range kNone{0, 0};

// price = factor x (perStat a + perDefence d + perProtection p + base)
struct PriceRule {
    uint32_t factor, perStat, perDefence, perProtection, base;
    uint32_t Of(uint32_t a, uint32_t d, uint32_t p) const {
        return factor * (perStat * a + perDefence * d + perProtection * p + base);
    }
};
constexpr PriceRule kTenTimesStat{10, 1, 0, 0, 0};
constexpr PriceRule kDefended{50, 2, 1, 0, 2};
constexpr PriceRule kProtected{50, 2, 1, 2, 2};
constexpr PriceRule kExotic{50, 2, 1, 6, 40};
constexpr PriceRule kQuark{20, 1, 0, 0, 0};
constexpr PriceRule kElectron{20, 5, 0, 0, 50};
constexpr PriceRule kNeutron{20, 5, 0, 0, 100};
constexpr PriceRule kProton{20, 5, 0, 0, 200};
constexpr PriceRule kExoticCannon{20, 5, 0, 0, 500};
constexpr PriceRule kEnginePrice{1000, 1, 0, 0, 0};

// One row of icons: consecutive slots from firstSlot, icons at x 100, 200,
// ... on one line. The left half of a row sells for gold, the right half for
// crystal.
struct StockRow {
    uint8_t itemClass, subtype;
    uint8_t firstSlot, slots;
    int32_t y;
    Range stat, defence, protection;
    uint8_t protectionType;
    PriceRule price;
};

constexpr int32_t kFirstIconX = 100, kIconPitch = 100;

// In the order of the draws.
constexpr StockRow kRows[] = {
    {kCube, 0, 0, 6, 100, {1, 10}, kNone, kNone, kAtomic, kTenTimesStat},
    {kCube, 1, 6, 4, 170, {1, 10}, {1, 10}, kNone, kAtomic, kDefended},
    {kCube, 2, 12, 2, 240, {1, 20}, {1, 10}, {1, 20}, kAtomic, kProtected},
    {kCube, 3, 16, 2, 310, {1, 20}, {1, 10}, {1, 20}, kChemical, kProtected},
    {kCube, 4, 20, 2, 380, {1, 20}, {1, 10}, {1, 20}, kElectrical, kProtected},
    {kCube, 5, 25, 2, 450, {10, 30}, {1, 10}, {1, 20}, kAllProtections, kExotic},
    {kSphere, 0, 40, 6, 100, {1, 10}, kNone, kNone, kAtomic, kTenTimesStat},
    {kSphere, 1, 46, 4, 170, {1, 10}, {1, 10}, kNone, kAtomic, kDefended},
    {kSphere, 2, 50, 2, 240, {1, 20}, {1, 10}, {1, 20}, kAtomic, kProtected},
    {kSphere, 3, 52, 2, 310, {1, 20}, {1, 10}, {1, 20}, kChemical, kProtected},
    {kSphere, 4, 54, 2, 380, {1, 20}, {1, 10}, {1, 20}, kElectrical, kProtected},
    {kSphere, 5, 56, 2, 450, {10, 30}, {1, 10}, {1, 20}, kAllProtections, kExotic},
    {kCannon, 0, 70, 4, 100, {2, 9}, kNone, kNone, kAtomic, kQuark},
    {kCannon, 1, 74, 2, 180, {10, 19}, kNone, kNone, kAtomic, kElectron},
    {kCannon, 2, 76, 2, 260, {20, 29}, kNone, kNone, kAtomic, kNeutron},
    {kCannon, 3, 78, 2, 340, {30, 39}, kNone, kNone, kAtomic, kProton},
    {kCannon, 4, 80, 2, 420, {40, 49}, kNone, kNone, kAtomic, kExoticCannon},
    {kEngine, 0, 90, 2, 100, {1, 4}, kNone, kNone, kAtomic, kEnginePrice},
    {kEngine, 1, 92, 2, 200, {5, 7}, kNone, kNone, kAtomic, kEnginePrice},
    {kEngine, 2, 94, 2, 300, {8, 10}, kNone, kNone, kAtomic, kEnginePrice},
    {kEngine, 3, 96, 2, 400, {11, 16}, kNone, kNone, kAtomic, kEnginePrice},
};

// One draw per slot of the row, slots ascending, after setting the range.
void DrawColumn(RandomRange& random, Range range, const StockRow& row, uint32_t* column) {
    if (!range.Drawn()) return;
    random.SetRange(range.min, range.max);
    for (int i = 0; i < row.slots; ++i) column[row.firstSlot + i] = static_cast<uint32_t>(random.Next());
}

}  // namespace

void StoreStock::Clear() {
    for (int s = 0; s < kSlots; ++s) {
        exists[s] = 0;
        defence[s] = 0;
        protection[s] = 0;
        price[s] = 0;
    }
}

void StoreStock::Generate(uint32_t seed, RandomRange& random) {
    Clear();
    RandomRange::Seed(seed);
    for (const StockRow& row : kRows) {
        DrawColumn(random, row.stat, row, stat);
        DrawColumn(random, row.defence, row, defence);
        DrawColumn(random, row.protection, row, protection);
        for (int i = 0; i < row.slots; ++i) {
            const int s = row.firstSlot + i;
            exists[s] = 1;
            itemClass[s] = row.itemClass;
            icon[s] = row.subtype;
            subtype[s] = row.subtype;
            x[s] = kFirstIconX + kIconPitch * i;
            y[s] = row.y;
            currency[s] = 2 * i < row.slots ? kGoldCurrency : kCrystalCurrency;
            protectionType[s] = row.protectionType;
            price[s] = row.price.Of(stat[s], defence[s], protection[s]);
        }
    }
}

ItemStock StoreStock::Entry(int slot) const {
    if (!ValidSlot(slot)) return {};
    return {itemClass[slot], icon[slot],       subtype[slot],  stat[slot],    defence[slot],
            protection[slot], protectionType[slot], price[slot], currency[slot]};
}
