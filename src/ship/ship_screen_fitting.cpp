// Drag and drop on the Your Ship screen: picking an item up, putting it
// down or exchanging it, and inspecting it while the right button is held.
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "ship/ship_screen.h"

namespace {

constexpr uint32_t kHomeBase = 1;

// Targets of one press, applied in this order.
enum TargetSlot { kHoldTarget = 0, kStorageTarget, kArmorTarget, kShieldTarget, kWeaponTarget, kEngineTarget, kTargets };

TargetSlot SlotOf(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::kHold: return kHoldTarget;
        case PlaceKind::kStorage: return kStorageTarget;
        case PlaceKind::kArmor: return kArmorTarget;
        case PlaceKind::kShield: return kShieldTarget;
        case PlaceKind::kWeapon: return kWeaponTarget;
        default: return kEngineTarget;
    }
}

// The grab point: a little inside the place, lower on the tall ones.
constexpr int32_t kGrabX = 10, kGrabY = 10, kTallGrabY = 30, kTallPlace = 70;

bool Inside(const PlaceRect& r, int32_t x, int32_t y) { return PointInRect(r.x, r.y, r.w, r.h, x, y) != 0; }

ShipScreen::Timer WrongClassTimer(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::kShield: return ShipScreen::kShieldsHereTimer;
        case PlaceKind::kWeapon: return ShipScreen::kWeaponHereTimer;
        case PlaceKind::kEngine: return ShipScreen::kEngineHereTimer;
        default: return ShipScreen::kArmorHereTimer;
    }
}

}  // namespace

void ShipScreen::OnMouse(int32_t x, int32_t y, InputDevice* mouse) {
    inspectCode = 0;
    inspectItem = 0;
    Place targets[kTargets];
    const bool left = mouse && mouse->ButtonPressed(0);
    const bool right = mouse && mouse->ButtonPressed(1);
    bool holdAction = false;  // a hold cell was pressed or inspected

    // A left press marks a place; a right press inspects what lies there.
    auto press = [&](const Place& place, const PlaceRect& rect) {
        bool acted = left;
        if (left) {
            targets[SlotOf(place.kind)] = place;
            mouseArmed = 0;
            anchorX = rect.x + kGrabX;
            anchorY = rect.y + (rect.h >= kTallPlace ? kTallGrabY : kGrabY);
        } else if (right) {
            const ItemId id = loadout.ItemAt(place);
            if (id != 0) {
                inspectCode = static_cast<uint8_t>(place.number);
                inspectItem = id;
                acted = true;
            }
        }
        if (acted && place.kind == PlaceKind::kHold) holdAction = true;
    };

    if (mouseArmed && (left || right)) {
        for (int c = 0; c < kHoldCells; ++c) {
            const PlaceRect rect = HoldCellRect(c);
            if (Inside(rect, x, y)) press({PlaceKind::kHold, c + 1, 0}, rect);
        }
        if (storageOpen) {
            for (int c = 0; c < kStorageCellCount; ++c) {
                const PlaceRect rect = StorageCellRect(c);
                if (Inside(rect, x, y)) press({PlaceKind::kStorage, c + 1, currentStorage}, rect);
            }
        }
        if (location != kHomeBase) {
            if (hoverCode == 0) StartAway(left ? kAwayChangeShip : kAwayInspect);
            if (holdAction) timers[kAwayTimer] = 0;
        } else {
            const ShipPosition* positions = ShipPositions();
            for (int p = 0; p < kShipPositionCount; ++p) {
                const ShipPosition& position = positions[p];
                if (Inside(position.rect, x, y)) press({position.kind, position.number, 0}, position.rect);
            }
        }
    }

    bool acted = false;
    for (const Place& target : targets) acted = acted || target.kind != PlaceKind::kNone;
    if (!acted) return;
    // Whether this press drops or picks up is settled before it acts, so an
    // item put into an empty place is not taken straight back out.
    if (heldItem != 0) {
        for (const Place& target : targets) {
            if (target.kind != PlaceKind::kNone && heldItem != 0) ApplyDrop(target);
        }
    } else {
        for (const Place& target : targets) {
            if (target.kind == PlaceKind::kNone) continue;
            heldItem = loadout.TakeOut(target);
            if (heldItem != 0) pickSound = 1;
            break;
        }
    }
    statsDirty = 1;
    RecomputeStats();
}

void ShipScreen::ApplyDrop(const Place& place) {
    const ShipLoadout::FitResult result = loadout.PutIn(place, heldItem);
    if (result == ShipLoadout::FitResult::kWrongClass) {
        timers[WrongClassTimer(place.kind)] = 1;
    } else if (result == ShipLoadout::FitResult::kLimit) {
        timers[kLimitTimer] = 1;
    } else if (result == ShipLoadout::FitResult::kMoved) {
        if (ShipLoadout::IsShipPosition(place.kind)) {
            installSound = 1;
            FormatNumber(itemsNowText, loadout.itemsInstalled);
        } else {
            dropSound = 1;
        }
    }
}

void ShipScreen::DragMove(int32_t x, int32_t y) {
    if (!loadout.pool.Exists(heldItem)) return;
    loadout.pool.x[heldItem - 1] += x - anchorX;
    loadout.pool.y[heldItem - 1] += y - anchorY;
    anchorX = x;
    anchorY = y;
}
