// Setting record fields from the dump's own text: every line of a dump
// read back gives an equal record, and a line that does not fit changes
// nothing.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "shell/game_state.h"
#include "shell/game_state_assign.h"
#include "shell/game_state_dump.h"

TEST(GameStateAssign, EveryLineOfADumpReadBackGivesAnEqualRecord) {
    auto source = std::make_unique<GameState>();
    source->NewGame();
    source->stepBase = 1.5f;
    source->mp3Volume = -700;
    source->resources[GameState::kFavors] = 4000000000u;
    source->buildingX[99] = -2147483647 - 1;
    source->hallOfFame.names[4][20] = 255;
    source->storages[98][11] = 7;
    source->bonusBlock.robotMakeDiscount = 3;
    const std::string dump = DumpGameState(*source);

    auto target = std::make_unique<GameState>();
    std::istringstream lines(dump);
    std::string line;
    int fields = 0;
    while (std::getline(lines, line)) {
        const size_t equals = line.find(" = ");
        ASSERT_NE(equals, std::string::npos) << line;
        std::string error;
        ASSERT_TRUE(AssignGameStateField(*target, line.substr(0, equals), line.substr(equals + 3), error))
            << line << ": " << error;
        ++fields;
    }
    EXPECT_GT(fields, 100);
    EXPECT_EQ(DumpGameState(*target), dump);
}

TEST(GameStateAssign, ALineThatDoesNotFitIsRefusedAndChangesNothing) {
    struct Bad {
        const char* name;
        const char* values;
    };
    constexpr Bad kBad[] = {
        {"nowhere", "1"},
        {"questStates", "1 0*98"},           // one short
        {"questStates", "1 0*100"},          // one over
        {"questSet", "-1"},                  // unsigned
        {"musicOn", "256"},                  // a byte
        {"mp3Volume", "2147483648"},         // past int32
        {"resources", "1 2 3 4 5 x"},        // not a number
        {"resources", "1*0 1 2 3 4 5 6"},    // an empty run
        {"questSet", ""},
    };
    auto state = std::make_unique<GameState>();
    state->NewGame();
    const std::string before = DumpGameState(*state);
    for (const Bad& bad : kBad) {
        std::string error;
        EXPECT_FALSE(AssignGameStateField(*state, bad.name, bad.values, error)) << bad.name << " " << bad.values;
        EXPECT_FALSE(error.empty()) << bad.name << " " << bad.values;
    }
    EXPECT_EQ(DumpGameState(*state), before);

    std::string error;
    ASSERT_TRUE(AssignGameStateField(*state, "questStates", "2*2 1 0*97", error)) << error;
    EXPECT_EQ(state->questStates[1], 2);
    EXPECT_EQ(state->questStates[2], 1);
    EXPECT_EQ(state->questStates[3], 0);
}
