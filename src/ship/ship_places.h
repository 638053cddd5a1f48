#pragma once
#include <cstdint>

// Where items lie on the Your Ship screen: the hold, the open storage and the
// 50 positions on the hull. Each place has a hit rectangle (half open) and
// the corner an item placed there is given.

enum class PlaceKind : uint8_t { kNone = 0, kHold, kStorage, kArmor, kShield, kWeapon, kEngine };

struct PlaceRect {
    int32_t x, y, w, h;            // hit rectangle
    int32_t cornerX, cornerY;      // stored corner of an item placed here
};

struct ShipPosition {
    PlaceKind kind;
    uint8_t number;  // 1-based within its kind
    PlaceRect rect;
};

inline constexpr int kArmorPositionCount = 38;
inline constexpr int kShieldPositionCount = 6;
inline constexpr int kWeaponPositionCount = 5;
inline constexpr int kShipPositionCount = kArmorPositionCount + kShieldPositionCount + 1 + kWeaponPositionCount;
inline constexpr int kStorageCellCount = 12;
inline constexpr int kStorageColumns = 3;

// Hold cell c and storage cell c, 0-based.
PlaceRect HoldCellRect(int cell);
PlaceRect StorageCellRect(int cell);

// The ship positions in the order the mouse tests them: armor 1-38,
// shields 1-6, the engine, weapons 1-5.
const ShipPosition* ShipPositions();

// The rectangle of place `number` (1-based) of a kind; all zero for none.
PlaceRect RectOf(PlaceKind kind, int number);

// The item class a ship position accepts (ItemClass), or -1 for a cell.
int AcceptedClass(PlaceKind kind);
