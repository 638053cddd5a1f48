#include "ship/ship_places.h"

#include <array>

#include "shell/item_pool.h"

namespace {

constexpr int32_t kArmorW = 39, kArmorH = 37, kArmorRowArmorW = 40;
constexpr int32_t kShieldSize = 38;
constexpr int32_t kWeaponW = 32, kWeaponH = 70;

constexpr ShipPosition Armor(int k, int32_t x, int32_t y, int32_t w, int32_t cx, int32_t cy) {
    return {PlaceKind::kArmor, static_cast<uint8_t>(k), {x, y, w, kArmorH, cx, cy}};
}

constexpr ShipPosition Shield(int k, int32_t x, int32_t y, int32_t cx, int32_t cy) {
    return {PlaceKind::kShield, static_cast<uint8_t>(k), {x, y, kShieldSize, kShieldSize, cx, cy}};
}

constexpr ShipPosition Weapon(int k, int32_t x, int32_t y, int32_t cx, int32_t cy) {
    return {PlaceKind::kWeapon, static_cast<uint8_t>(k), {x, y, kWeaponW, kWeaponH, cx, cy}};
}

// The hull's positions: the armor columns and rows follow from their first
// position, the rest stand alone.
constexpr std::array<ShipPosition, kShipPositionCount> MakePositions() {
    std::array<ShipPosition, kShipPositionCount> p{};
    int n = 0;
    for (int k = 1; k <= 8; ++k) p[n++] = Armor(k, 250, 228 + 42 * (k - 1), kArmorW, 245, 180 + 42 * k);
    for (int k = 9; k <= 16; ++k) p[n++] = Armor(k, 526, 228 + 42 * (k - 9), kArmorW, 521, 42 * k - 156);
    for (int k = 17; k <= 21; ++k) p[n++] = Armor(k, 296 + 46 * (k - 17), 522, kArmorRowArmorW, 46 * k - 491, 516);
    for (int k = 22; k <= 28; ++k) p[n++] = Armor(k, 345, 125 + 42 * (k - 22), kArmorW, 340, 42 * k - 805);
    for (int k = 29; k <= 35; ++k) p[n++] = Armor(k, 432, 125 + 42 * (k - 29), kArmorW, 427, 42 * k - 1099);
    p[n++] = Armor(36, 298, 386, kArmorW, 293, 380);
    p[n++] = Armor(37, 479, 386, kArmorW, 474, 380);
    p[n++] = Armor(38, 389, 125, kArmorW, 384, 119);
    for (int k = 1; k <= 2; ++k) p[n++] = Shield(k, 344, 427 + 43 * (k - 1), 337, 376 + 44 * k);
    for (int k = 3; k <= 4; ++k) p[n++] = Shield(k, 435, 427 + 43 * (k - 3), 429, 288 + 44 * k);
    p[n++] = Shield(5, 390, 417, 383, 411);
    p[n++] = Shield(6, 390, 475, 383, 469);
    p[n++] = {PlaceKind::kEngine, 1, {390, 173, 35, 73, 390, 180}};
    p[n++] = Weapon(1, 253, 150, 245, 168);
    p[n++] = Weapon(2, 352, 50, 343, 68);
    p[n++] = Weapon(3, 391, 48, 383, 66);
    p[n++] = Weapon(4, 431, 50, 423, 68);
    p[n++] = Weapon(5, 529, 150, 521, 168);
    return p;
}

constexpr std::array<ShipPosition, kShipPositionCount> kPositions = MakePositions();

}  // namespace

PlaceRect HoldCellRect(int cell) {
    const int32_t col = cell % kHoldColumns;
    const int32_t row = cell / kHoldColumns;
    return {620 + kCellPitch * col, 300 + kCellPitch * row, kCellPitch, kCellPitch, HoldCellX(cell), HoldCellY(cell)};
}

PlaceRect StorageCellRect(int cell) {
    const int32_t col = cell % kStorageColumns;
    const int32_t row = cell / kStorageColumns;
    return {kCellPitch * col, 360 + kCellPitch * row, kCellPitch, kCellPitch, 2 + kCellPitch * col,
            363 + kCellPitch * row};
}

const ShipPosition* ShipPositions() { return kPositions.data(); }

PlaceRect RectOf(PlaceKind kind, int number) {
    if (kind == PlaceKind::kHold && number >= 1 && number <= kHoldCells) return HoldCellRect(number - 1);
    if (kind == PlaceKind::kStorage && number >= 1 && number <= kStorageCellCount) return StorageCellRect(number - 1);
    for (const ShipPosition& position : kPositions) {
        if (position.kind == kind && position.number == number) return position.rect;
    }
    return {0, 0, 0, 0, 0, 0};
}

int AcceptedClass(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::kArmor: return kCube;
        case PlaceKind::kShield: return kSphere;
        case PlaceKind::kWeapon: return kCannon;
        case PlaceKind::kEngine: return kEngine;
        default: return -1;
    }
}
