#include "areas/home_base_rules.h"

#include <algorithm>

#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "shell/game_state.h"

namespace {

constexpr uint8_t kQuestActive = 1;
constexpr uint8_t kQuestDone = 2;
constexpr uint8_t kNoQuest = 0xFF;

// Hint texts of the advisor.
constexpr uint32_t kHintYourShip = 4;
constexpr uint32_t kHintFlyOverPortal = 7;
constexpr uint32_t kHintClickBorderArea = 8;
constexpr uint32_t kHintConstruct = 9;
constexpr uint32_t kHintMakeRobots = 11;
constexpr uint32_t kHintBuildings = 13;
constexpr uint32_t kHintQuests = 15;
constexpr int kThirdStartBuilding = 2;

constexpr HomeTravelEntry kSet1Rows[kHomeTravelRows] = {
    {"1. Your Home Base", nullptr, kNoQuest, 0, 0, 0, 0},
    {"2. Tovrin Planetary System (Shop)", nullptr, kNoQuest, 0, 0, 0, 0},
    {"3. Border Area", nullptr, kNoQuest, 2, 210, -600, 0},
    {"4. Neutral Area", "4.  -- Inactive", 0, 4, 1120, -620, 0},
    {"5. Earth Area", "5.  -- Inactive", 3, 12, 1120, -620, 0},
    {"6. Pirates Area", "6.  -- Inactive", 5, 17, 1120, -620, 0},
    {"7. Mars Area", "7.  -- Inactive", 7, 22, 1120, -620, 0},
    {"8. Zombie Space Monster", "8.  -- Inactive", 9, 26, 1120, -620, 0},
    {"9. Ninja Shadow Clan Path", "9.  -- Inactive", 10, 27, 30, -620, 0},
};

// The second set keeps quests 13-24 in the first twelve quest bytes.
constexpr HomeTravelEntry kSet2Rows[kHomeTravelRows] = {
    {"1. Your Home Base", nullptr, kNoQuest, 0, 0, 0, 0},
    {"2. Tovrin Planetary System (Shop)", nullptr, kNoQuest, 0, 0, 0, 0},
    {"3. Pluto Area", nullptr, kNoQuest, 2, 830, -2000, 1},
    {"4. Far Colony Path", "4.  -- Inactive", 1, 3, 220, -620, 0},
    {"5. Meeting Area", "5.  -- Inactive", 2, 6, 1120, -620, 0},
    {"6. Venus Area", "6.  -- Inactive", 4, 9, 1120, -620, 0},
    {"7. Saturn Area", "7.  -- Inactive", 7, 15, 1120, -620, 0},
    {"8. Dunmark", "8.  -- Inactive", 10, 19, 1120, -620, 1},
    {"9. Vexmoor", "9.  -- Inactive", 11, 20, 30, -620, 1},
};

HomeHint Hint(uint32_t index, int32_t x, int32_t y) { return {true, index, x, y}; }

// The arrival frame: its half-size from the first stage to the last, the
// bars' thickness, and the ship sprite's half-size.
constexpr int32_t kBarReachFirst = 180;
constexpr int32_t kBarReachLast = 47;
constexpr int32_t kBarThickness = 6;
constexpr int32_t kShipHalf = 32;

}  // namespace

HomeHint HomeBaseHint(const GameState& state, const BattleEngine& engine, int32_t viewX, int32_t viewY) {
    const uint32_t* resources = state.resources;
    if (resources[GameState::kShipMaterial] >= state.shipUpgradeCost) return Hint(kHintYourShip, 162, 515);
    if (state.buildingCount < 4 && resources[GameState::kBuildingMaterial] > 199) return Hint(kHintConstruct, 92, 531);
    if (state.robotCount < 2 && resources[GameState::kRobotMaterial] == 300) return Hint(kHintMakeRobots, 92, 505);
    if (state.buildingLevels[kThirdStartBuilding] == 0) return Hint(kHintBuildings, 293, 515);
    const bool questOneActive = state.questStates[0] == kQuestActive;
    if (questOneActive && state.allyFlags[0] == 0) return Hint(kHintQuests, 356, 515);
    if (questOneActive) {
        if (engine.portal.touched[0] && engine.newBuildingPending == 0) return Hint(kHintClickBorderArea, 272, 20);
        return Hint(kHintFlyOverPortal, engine.portal.x[0] - viewX + 20, engine.portal.y[0] - viewY - 50);
    }
    return {};
}

const HomeTravelEntry& HomeTravelRow(uint32_t questSet, int row) {
    const HomeTravelEntry* rows = questSet == 2 ? kSet2Rows : kSet1Rows;
    if (row < 1 || row > kHomeTravelRows) row = 1;
    return rows[row - 1];
}

bool HomeTravelRowOpen(const GameState& state, int row) {
    const HomeTravelEntry& r = HomeTravelRow(state.questSet, row);
    if (r.questIndex == kNoQuest) return true;
    const uint8_t quest = state.questStates[r.questIndex];
    return state.questSet == 2 ? quest != 0 : quest == kQuestDone;
}

uint32_t HomeTripLocation(uint32_t questSet) { return questSet == 2 ? 3u : 2u; }

bool HomeLevelUp(GameState& state, ControlPanel& panel) {
    if (state.experience < state.nextLevelExperience) return false;
    state.nextLevelExperience = state.level == 0 ? 100 : state.nextLevelExperience + 100 * state.level;
    panel.accentTimer = 1;
    ++state.skillPoints;
    ++state.awardPicks;
    panel.skillsToChoose = state.skillPoints;
    panel.awardsToChoose = state.awardPicks;
    ++state.level;
    panel.newLevelTimer = 1;
    state.energyMax += 10;
    return true;
}

std::array<ArrivalBar, 4> HomeArrivalBars(uint8_t titleTimer, int32_t shipX, int32_t shipY) {
    const int32_t stage = std::clamp<int32_t>(titleTimer, 1, kArrivalBarStages);
    const int32_t reach =
        kBarReachFirst - (kBarReachFirst - kBarReachLast) * (stage - 1) / (kArrivalBarStages - 1);
    const int32_t cx = shipX + kShipHalf, cy = shipY + kShipHalf;
    const int32_t side = 2 * reach;
    return {{
        {cx - reach, cy - reach - kBarThickness, side, kBarThickness},  // top
        {cx - reach, cy + reach, side, kBarThickness},                  // bottom
        {cx - reach - kBarThickness, cy - reach, kBarThickness, side},  // left
        {cx + reach, cy - reach, kBarThickness, side},                  // right
    }};
}
