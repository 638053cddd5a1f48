#pragma once
#include <cstdint>

class AreaBackdrop;
class BattleEngine;
class ControlPanel;
class GameState;

// The base work the home base does around the engine's building table:
// cancelling a construction, the effects of a dropped building, the
// building box (Move, Upgrade, Open Storage, Make Robots) with the upgrade
// itself, and centring the view on a newly made robot. The scene owns one
// and calls it in its frame order; the rules touch only what they are given.
class BasePlacement {
public:
    // The view range of the home base.
    static constexpr int32_t kViewMinX = -64, kViewMaxX = 736;
    static constexpr int32_t kViewMinY = -1568, kViewMaxY = -536;

    enum class Upgrade : uint8_t { kDone, kNoMaterial, kNotUpgradable };

    BasePlacement() = default;
    virtual ~BasePlacement() = default;

    // In placement mode: is the pointer on the Cancel corner?
    void UpdateCancelHover(const BattleEngine& engine, int32_t mouseX, int32_t mouseY);
    // Outside the three modes, with a building selected: the box row under the pointer.
    static void UpdateBoxHovers(BattleEngine& engine, int32_t mouseX, int32_t mouseY);
    // Placement, move or robot placement under way.
    static bool InAnyMode(const BattleEngine& engine);
    static bool PlacingOrMoving(const BattleEngine& engine);

    // Cancels the carried new building and gives its material back.
    void Cancel(GameState& state, BattleEngine& engine);
    // A button press in placement or move mode: tries to drop at the cursor,
    // which moves by (+40, +40) on a drop.
    static void Drop(GameState& state, BattleEngine& engine, int32_t camX, int32_t camY, int32_t& cursorX,
                     int32_t& cursorY);
    // After the engine dropped or moved a building: the record's entry, the
    // kind's effects, the positions.
    static void ApplyDrop(GameState& state, BattleEngine& engine, ControlPanel& panel);

    // The upgrade cost shown and paid: the cost less the building upgrade
    // discount (never below 0), except Building Research, which pays in full.
    static uint32_t RefreshUpgradeCost(GameState& state, int slot);
    static bool CanUpgrade(const GameState& state, int slot);
    // The Upgrade row clicked on building `slot`.
    Upgrade UpgradeBuilding(GameState& state, BattleEngine& engine, ControlPanel& panel, int slot);
    // The Open Storage row: which storage the Your Ship screen opens.
    static void RequestStorage(GameState& state, BattleEngine& engine);

    // A robot just made: the view moves to the factory it leaves from.
    static void CentreOnNewRobot(BattleEngine& engine, AreaBackdrop& backdrop);

    uint8_t cancelHover = 0;
    uint8_t upgradeSound = 0;  // one-shot: an upgrade was done
    // The cursor's last position inside the drop range; the carried
    // building's picture is drawn there.
    int32_t cursorX = 0, cursorY = 0;
};
