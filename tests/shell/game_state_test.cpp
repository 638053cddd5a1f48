#include <gtest/gtest.h>

#include <memory>

#include "shell/game_state.h"

namespace {

std::unique_ptr<GameState> NewRecord() {
    auto state = std::make_unique<GameState>();
    state->NewGame();
    return state;
}

// Sets the table to the given used values, each with a name whose first
// cell tells the entries apart.
void SetTable(GameState& state, std::initializer_list<int32_t> values) {
    state.hallOfFame = HallOfFameRecord{};
    int i = 0;
    for (int32_t v : values) {
        state.hallOfFame.values[i] = v;
        state.hallOfFame.used[i] = 1;
        state.hallOfFame.names[i][0] = static_cast<uint8_t>(100 + i);
        ++i;
    }
}

void Offer(GameState& state, int32_t value, uint8_t nameCell) {
    state.playerName[0] = nameCell;
    state.hofValue = value;
    state.InsertHallOfFame();
}

}  // namespace

TEST(GameStateNewGame, ConstructorStartsInSlotOneWithAnEmptyHallOfFame) {
    GameState state;
    EXPECT_EQ(state.saveSlot, 1);
    for (int i = 0; i < HallOfFameRecord::kEntryCount; ++i) {
        EXPECT_EQ(state.hallOfFame.used[i], 0);
        EXPECT_EQ(state.hallOfFame.values[i], 0);
    }
    EXPECT_EQ(state.stepBase, 0.0f);
}

TEST(GameStateNewGame, ResourcesCostsAndOptions) {
    auto state = NewRecord();
    const uint32_t resources[] = {1000, 1000, 80, 200, 900, 300};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(state->resources[i], resources[i]);
    for (uint32_t cost : state->constructionCosts) EXPECT_EQ(cost, 200u);
    for (uint32_t step : state->constructionSteps) EXPECT_EQ(step, 200u);
    EXPECT_EQ(state->robotMakeCosts[0], 100u);
    EXPECT_EQ(state->robotMakeCosts[3], 700u);
    EXPECT_EQ(state->location, 1u);
    EXPECT_EQ(state->questSet, 1u);
    EXPECT_EQ(state->currentArea, 1u);
    EXPECT_EQ(state->musicOn, 1);
    EXPECT_EQ(state->soundsOn, 1);
    EXPECT_EQ(state->musicVolume, 50u);
    EXPECT_EQ(state->soundVolume, 82u);
    EXPECT_EQ(state->restockFlag, 1);
    EXPECT_EQ(state->NewGame(), 200);
}

TEST(GameStateNewGame, QuestStatesStartWithQuestOneActive) {
    auto state = NewRecord();
    state->questStates[5] = 2;
    state->questUpdated[3] = 1;
    state->allyFlags[200] = 1;
    state->bonusBlock.goldBonus = 9;
    state->NewGame();
    EXPECT_EQ(state->questStates[0], 1);
    for (int q = 1; q < GameState::kQuestCount; ++q) EXPECT_EQ(state->questStates[q], 0) << q;
    for (uint8_t mark : state->questUpdated) EXPECT_EQ(mark, 0);
    for (uint8_t flag : state->allyFlags) EXPECT_EQ(flag, 0);
    for (int w = 0; w < BonusBlock::kWordCount; ++w) EXPECT_EQ(state->bonusBlock.Word(w), 0u);
}

TEST(GameStateNewGame, StartingItemsAndTheirPlaces) {
    auto state = NewRecord();
    int existing = 0;
    for (int i = 0; i < ItemPool::kItemCount; ++i) existing += state->itemPool.exists[i];
    EXPECT_EQ(existing, 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(state->itemPool.exists[i], 1) << "item " << i + 1;
    // Every starting item lies in exactly one place of the ship.
    int places[8] = {};
    for (uint32_t id : state->shipHold) places[id]++;
    for (uint32_t id : state->weaponPositions) places[id]++;
    places[state->enginePosition]++;
    for (int s = 0; s < GameState::kStorageCount; ++s) {
        for (uint32_t id : state->storages[s]) places[id]++;
    }
    for (int id = 1; id <= 7; ++id) EXPECT_EQ(places[id], 1) << "item " << id;
    EXPECT_EQ(state->itemPool.itemClass[0], 2);  // the cannon in the middle weapon position
    EXPECT_EQ(state->weaponPositions[2], 1u);
    EXPECT_EQ(state->weaponDamage[2], state->itemPool.stat[0]);
    EXPECT_EQ(state->itemPool.itemClass[1], 3);  // the engine gives the ship speed
    EXPECT_EQ(state->shipSpeed, state->itemPool.stat[1]);
    EXPECT_EQ(state->itemPool.storageNumber[6], 1);  // the sphere lies in storage 1
    EXPECT_EQ(state->itemPool.defence[5], 8u);
    EXPECT_EQ(state->itemsInstalled, 2);
    EXPECT_EQ(state->itemsMax, 3);
    EXPECT_EQ(state->volleyFlag, 1);
    EXPECT_EQ(state->storageCount, 1u);
}

TEST(GameStateNewGame, ThreeBuildingsAndOneGrunt) {
    auto state = NewRecord();
    EXPECT_EQ(state->buildingCount, 3u);
    int built = 0;
    for (uint8_t e : state->buildingExists) built += e;
    EXPECT_EQ(built, 3);
    EXPECT_EQ(state->buildingKinds[0], 0);  // Storage
    EXPECT_EQ(state->buildingKinds[1], 1);  // General Repair
    EXPECT_EQ(state->buildingKinds[2], 11);  // Robot Factory
    EXPECT_EQ(state->buildingX[2], 670);
    EXPECT_EQ(state->buildingY[2], -680);
    for (int slot = 0; slot < GameState::kBuildingSlots; ++slot) {
        EXPECT_EQ(state->buildingIndex[slot], slot);
        EXPECT_EQ(state->upgradeCosts[slot], 100u);
        EXPECT_EQ(state->buildingIds[slot], slot < 3 ? slot + 1 : 0);
    }
    EXPECT_EQ(state->factoryBuilt, 1);
    EXPECT_EQ(state->storageBuildings[0], 1u);

    int robots = 0;
    for (uint8_t e : state->robotExists) robots += e;
    EXPECT_EQ(robots, 1);
    EXPECT_EQ(state->robotCount, 1);
    EXPECT_EQ(state->robotRank[0], 0u);  // a Grunt
    EXPECT_EQ(state->robotArmor[0], 20u);
    EXPECT_EQ(state->robotAttack[0], state->robotStatGains[0][3]);
    EXPECT_EQ(state->robotDefence[0], state->robotStatGains[0][4]);
    EXPECT_EQ(state->robotsByRank[0], 1);
    EXPECT_EQ(state->maxRobotCount, 2);
    EXPECT_EQ(state->robotStatGains[3][1], 80u);
}

TEST(GameStateNewGame, ShipSkillsAndName) {
    auto state = NewRecord();
    EXPECT_EQ(state->shipShields, state->shipShieldsMax);
    EXPECT_EQ(state->shipArmor, state->shipArmorMax);
    EXPECT_EQ(state->nextLevelExperience, 50u);
    EXPECT_EQ(state->shipUpgradeCost, 200u);
    EXPECT_EQ(state->fireMode, 1);
    EXPECT_EQ(state->energy, 50u);
    EXPECT_EQ(state->skillLevels[0], 1u);
    EXPECT_EQ(state->skillBenefits[11], 40u);
    EXPECT_EQ(state->skillCharges[8], 10u);
    EXPECT_EQ(state->skillEnergyCosts[11], 100);
    // The default name is nine cells ending in the end marker, then blanks.
    EXPECT_EQ(state->playerName[8], 1);
    for (int c = 0; c < 8; ++c) EXPECT_GE(state->playerName[c], 2) << c;
    for (int c = 9; c < GameState::kNameCells; ++c) EXPECT_EQ(state->playerName[c], 0);
}

TEST(GameStateNewGame, KeepsWhatItDoesNotReset) {
    auto state = NewRecord();
    state->storyStage = 2;
    state->saveSlot = 4;
    state->mp3Volume = -700;
    state->hallOfFame.used[0] = 1;
    state->hallOfFame.values[0] = 12;
    state->NewGame();
    EXPECT_EQ(state->storyStage, 2);
    EXPECT_EQ(state->saveSlot, 4);
    EXPECT_EQ(state->mp3Volume, -700);
    EXPECT_EQ(state->hallOfFame.values[0], 12);
}

TEST(GameStateHallOfFame, FillsFreeEntriesAndPutsTiesNewestFirst) {
    GameState state;
    SetTable(state, {9, 5, 3});
    Offer(state, 5, 7);
    EXPECT_EQ(state.hofInserted, 1);
    const int32_t values[] = {9, 5, 5, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(state.hallOfFame.values[i], values[i]);
    EXPECT_EQ(state.hallOfFame.names[1][0], 7);    // the newer 5 stands above
    EXPECT_EQ(state.hallOfFame.names[2][0], 101);  // the older 5
    EXPECT_EQ(state.hallOfFame.names[3][0], 102);
    EXPECT_EQ(state.hallOfFame.used[3], 1);
    EXPECT_EQ(state.hallOfFame.used[4], 0);
    EXPECT_EQ(state.hofName[0], 7);
}

TEST(GameStateHallOfFame, AnyOfferFillsAFreeEntry) {
    GameState state;
    Offer(state, -4, 1);
    EXPECT_EQ(state.hofInserted, 1);
    EXPECT_EQ(state.hallOfFame.values[0], -4);
    EXPECT_EQ(state.hallOfFame.used[0], 1);
    Offer(state, -10, 2);  // lower than all, still taken while an entry is free
    EXPECT_EQ(state.hallOfFame.values[1], -10);
    EXPECT_EQ(state.hallOfFame.names[1][0], 2);
    EXPECT_EQ(state.hallOfFame.used[2], 0);
}

TEST(GameStateHallOfFame, FullTableDropsTheLast) {
    GameState state;
    SetTable(state, {20, 15, 10, 8, 4});
    Offer(state, 3, 9);  // lower than all five
    EXPECT_EQ(state.hofInserted, 0);
    EXPECT_EQ(state.hallOfFame.values[4], 4);
    EXPECT_EQ(state.hallOfFame.names[4][0], 104);
    EXPECT_EQ(state.hofName[0], 9);  // the name is copied even when refused

    Offer(state, 4, 10);  // equal to the fifth replaces it
    EXPECT_EQ(state.hofInserted, 1);
    EXPECT_EQ(state.hallOfFame.values[4], 4);
    EXPECT_EQ(state.hallOfFame.names[4][0], 10);

    Offer(state, 16, 11);
    const int32_t values[] = {20, 16, 15, 10, 8};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(state.hallOfFame.values[i], values[i]);
    EXPECT_EQ(state.hallOfFame.names[1][0], 11);
    EXPECT_EQ(state.hallOfFame.names[2][0], 101);
    EXPECT_EQ(state.hallOfFame.names[4][0], 103);
    for (uint8_t used : state.hallOfFame.used) EXPECT_EQ(used, 1);
}

TEST(GameStateHallOfFame, ComparesSigned) {
    GameState state;
    SetTable(state, {5, 1, -1, -3, -5});
    Offer(state, -2, 3);
    const int32_t values[] = {5, 1, -1, -2, -3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(state.hallOfFame.values[i], values[i]);
}

TEST(BonusBlock, WordsFollowFieldOrder) {
    BonusBlock block;
    block.goldBonus = 1;
    block.favorsBonus = 4;
    block.buildingUpgradeDiscount = 14;
    EXPECT_EQ(block.Word(0), 1u);
    EXPECT_EQ(block.Word(3), 4u);
    EXPECT_EQ(block.Word(13), 14u);
    block.Word(8) = 99;
    EXPECT_EQ(block.robotMakeDiscount, 99u);
    block.Clear();
    EXPECT_EQ(block.Word(13), 0u);
}
