#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/game_state.h"

namespace {
std::unique_ptr<GameState> NewRecord() {
    auto state = std::make_unique<GameState>();
    state->NewGame();
    return state;
}
}  // namespace

// A new game over a played one: what it resets, and what the run keeps.
TEST(GameStateNewGame, ResetsThePlayedGameAndKeepsTheRunsOwnFields) {
    auto state = NewRecord();
    state->questStates[5] = 2;
    state->questUpdated[3] = 1;
    state->allyFlags[200] = 1;
    state->bonusBlock.goldBonus = 9;
    state->storyStage = 2;
    state->saveSlot = 4;
    state->mp3Volume = -700;
    state->hallOfFame.values[0] = 12;
    state->NewGame();
    EXPECT_EQ(state->questStates[0], 1);
    for (int q = 1; q < GameState::kQuestCount; ++q) EXPECT_EQ(state->questStates[q], 0) << q;
    for (uint8_t mark : state->questUpdated) EXPECT_EQ(mark, 0);
    for (uint8_t flag : state->allyFlags) EXPECT_EQ(flag, 0);
    for (int w = 0; w < BonusBlock::kWordCount; ++w) EXPECT_EQ(state->bonusBlock.Word(w), 0u);
    EXPECT_EQ(state->storyStage, 2);
    EXPECT_EQ(state->saveSlot, 4);
    EXPECT_EQ(state->mp3Volume, -700);
    EXPECT_EQ(state->hallOfFame.values[0], 12);
}

// The starting ship agrees with itself: every item lies in exactly one
// place, and the fitted ones give the ship its speed and damage.
TEST(GameStateNewGame, EveryStartingItemLiesInOnePlaceAndTheShipMatchesIt) {
    auto state = NewRecord();
    int places[8] = {};
    for (uint32_t id : state->shipHold) places[id]++;
    for (uint32_t id : state->weaponPositions) places[id]++;
    places[state->enginePosition]++;
    for (int s = 0; s < GameState::kStorageCount; ++s) {
        for (uint32_t id : state->storages[s]) places[id]++;
    }
    for (int id = 1; id <= 7; ++id) {
        EXPECT_EQ(places[id], 1) << "item " << id;
        EXPECT_EQ(state->itemPool.exists[id - 1], 1) << "item " << id;
    }
    EXPECT_EQ(state->weaponDamage[2], state->itemPool.stat[state->weaponPositions[2] - 1]);
    EXPECT_EQ(state->shipSpeed, state->itemPool.stat[state->enginePosition - 1]);
    EXPECT_EQ(state->shipArmor, state->shipArmorMax);
    EXPECT_EQ(state->robotAttack[0], state->robotStatGains[0][3]);
    int buildings = 0;
    for (uint8_t e : state->buildingExists) buildings += e;
    EXPECT_EQ(buildings, static_cast<int>(state->buildingCount));
}

// Offers to the table: free entries take anything, the newer of equal
// results stands higher, a full table drops its last, values compare signed.
TEST(GameStateHallOfFame, OffersTakeTheirPlaceInOrder) {
    struct Case {
        std::vector<int32_t> table;
        int32_t offer;
        uint8_t inserted;
        std::vector<int32_t> after;
        int offerAt;  // -1: not in the table
    };
    const Case cases[] = {
        {{9, 5, 3}, 5, 1, {9, 5, 5, 3}, 1},
        {{}, -4, 1, {-4}, 0},
        {{4}, -10, 1, {4, -10}, 1},
        {{20, 15, 10, 8, 4}, 3, 0, {20, 15, 10, 8, 4}, -1},
        {{20, 15, 10, 8, 4}, 4, 1, {20, 15, 10, 8, 4}, 4},
        {{20, 15, 10, 8, 4}, 16, 1, {20, 16, 15, 10, 8}, 1},
        {{5, 1, -1, -3, -5}, -2, 1, {5, 1, -1, -2, -3}, 3},
    };
    for (const Case& c : cases) {
        GameState state;
        for (size_t i = 0; i < c.table.size(); ++i) {
            state.hallOfFame.values[i] = c.table[i];
            state.hallOfFame.used[i] = 1;
            state.hallOfFame.names[i][0] = static_cast<uint8_t>(100 + i);
        }
        state.playerName[0] = 7;
        state.hofValue = c.offer;
        state.InsertHallOfFame();
        SCOPED_TRACE(testing::Message() << "offer " << c.offer << " to " << c.table.size() << " entries");
        EXPECT_EQ(state.hofInserted, c.inserted);
        EXPECT_EQ(state.hofName[0], 7) << "the name is copied even when refused";
        for (size_t i = 0; i < HallOfFameRecord::kEntryCount; ++i) {
            EXPECT_EQ(state.hallOfFame.used[i], i < c.after.size() ? 1 : 0) << i;
            EXPECT_EQ(state.hallOfFame.values[i], i < c.after.size() ? c.after[i] : 0) << i;
        }
        if (c.offerAt >= 0) {
            EXPECT_EQ(state.hallOfFame.names[c.offerAt][0], 7);
            if (c.offerAt + 1 < static_cast<int>(c.after.size())) {
                EXPECT_EQ(state.hallOfFame.names[c.offerAt + 1][0], 100 + c.offerAt) << "moved down one";
            }
        }
    }
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
}
