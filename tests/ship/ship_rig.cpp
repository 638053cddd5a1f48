#include "ship_rig.h"

#include <cstring>
#include <string>

namespace {

constexpr uint32_t kFrameMs = 16;

Point Middle(const PlaceRect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }

}  // namespace

void CopyRecordIntoScreen(const GameState& record, ShipScreen& s) {
    s.location = record.location;
    s.speed = record.shipSpeed;
    s.fireMode = record.fireMode;
    s.armorMissing = record.shipArmorMax > record.shipArmor ? record.shipArmorMax - record.shipArmor : 0;
    s.shieldsMissing = record.shipShieldsMax > record.shipShields ? record.shipShieldsMax - record.shipShields : 0;
    ShipLoadout& l = s.loadout;
    l.itemsMax = record.itemsMax;
    l.itemsInstalled = record.itemsInstalled;
    s.account.discount = record.bonusBlock.shipUpgradeDiscount;
    std::memcpy(l.hold, record.shipHold, sizeof l.hold);
    std::memcpy(l.armorPositions, record.armorPositions, sizeof l.armorPositions);
    std::memcpy(l.shieldPositions, record.shieldPositions, sizeof l.shieldPositions);
    std::memcpy(l.weaponPositions, record.weaponPositions, sizeof l.weaponPositions);
    l.enginePosition = record.enginePosition;
    s.storageCount = static_cast<uint8_t>(record.storageCount);
    std::memcpy(l.storages, record.storages, sizeof l.storages);
    l.pool = record.itemPool;
    s.level = record.level;
    s.experience = record.experience;
    s.nextLevel = record.nextLevelExperience;
    std::memcpy(s.playerName, record.playerName, sizeof s.playerName);
    s.account.upgrades = record.shipUpgrades;
    s.account.material = record.resources[GameState::kShipMaterial];
    s.account.cost = record.shipUpgradeCost;
    s.highestSkill = record.highestSkill;
    s.hull = {record.shipBaseShields, record.shipBaseArmor, record.shipBaseDefence,
              {record.shipBaseProtection[0], record.shipBaseProtection[1], record.shipBaseProtection[2]}};
    std::memcpy(s.skillLevels, record.skillLevels, sizeof s.skillLevels);
    s.texts = 1;
    s.statsDirty = 1;
    s.RecomputeStats();
}

::testing::AssertionResult PoolConsistent(const ShipLoadout& l, ItemId held) {
    const std::string fault = l.FindFault(held);
    if (fault.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << fault;
}

ShipRig::ShipRig(uint32_t location, const std::function<void(GameState&)>& edit)
    : record(std::make_unique<GameState>()), screen(std::make_unique<ShipScreen>()) {
    Clock::Install(&clock);
    system.Create(nullptr, nullptr);
    mouse.Create(&system, InputDevice::kMouse, 0);
    record->NewGame();
    record->location = location;
    if (edit) edit(*record);
    CopyRecordIntoScreen(*record, *screen);
    Frame();
}

ShipRig::~ShipRig() { Clock::Install(nullptr); }

void ShipRig::Frame() {
    ShipScreen& screen = s();
    mouse.Poll();
    screen.RecomputeStats();
    screen.HitTest(x, y);
    screen.OnClick(x, y, &mouse);
    if (screen.mouseArmed && !screen.leaveConfirmed && !screen.leaveDialog) screen.OnMouse(x, y, &mouse);
    if (!mouse.ButtonPressed(0) && !mouse.ButtonPressed(1)) {
        screen.mouseArmed = 1;
        screen.clickArmed = 1;
        screen.rightClickArmed = 1;
    }
    screen.TakeDialogAnswer(&mouse);
    screen.DragMove(x, y);
    screen.Animate();
    clock.Advance(kFrameMs);
}

void ShipRig::MoveTo(int32_t toX, int32_t toY) {
    x = toX;
    y = toY;
    Frame();
}

void ShipRig::Press(int button) {
    system.Raw().PressButton(button);
    Frame();
}

void ShipRig::Release(int button) {
    system.Raw().ReleaseButton(button);
    Frame();
}

void ShipRig::Click(int32_t toX, int32_t toY, int button) {
    MoveTo(toX, toY);
    Press(button);
    Release(button);
}

void ShipRig::Wait(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += kFrameMs) Frame();
}

uint8_t ShipRig::HoverAt(int32_t toX, int32_t toY) {
    MoveTo(toX, toY);
    Frame();
    return s().hoverCode;
}

Point HoldCell(int cell) { return Middle(HoldCellRect(cell)); }
Point StorageCell(int cell) { return Middle(StorageCellRect(cell)); }
Point Position(PlaceKind kind, int number) { return Middle(RectOf(kind, number)); }
