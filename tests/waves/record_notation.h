#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// Expected enemy records written in the designers' shorthand, e.g.
//   "3 × (350+50k, -700), keep-off (150+40k, 150), FG k+1; (350, -950), art 1, volley 3"
// over area defaults such as
//   "art 2, shields 1, armor 13, size 32, damage 2, type 0, volley 1, reward 8, sidestep 80%".
// Groups are separated by semicolons; k counts the records of a group from 0.
// D, A, R and G stand for the area's enemy parameters.
namespace notation {

struct Params {
    int32_t shotDamage = 0;  // D
    int32_t armorBase = 0;   // A
    int32_t killReward = 0;  // R
    int32_t artRow = 0;      // G
};

struct ExpectedRecord {
    int32_t x = 0, y = 0;
    int32_t art = 0, shields = 0, armor = 0, size = 32;
    int32_t damage = 0, type = 0, volley = 0, reward = 0;
    int32_t fireGroup = 0;  // as written
    int32_t mobile = 1, altFrames = 0, dropKind = 0, questDrop = 0;
    bool hasKeepOff = false;
    int32_t keepOffX = 0, keepOffY = 0;
    bool hasSidestep = false;  // immobile records leave the sidestep fields alone
    int32_t sidestep = 1, sidestepChance = 0;
};

// Throws std::invalid_argument on text it cannot read, so a typo in a test
// fails loudly instead of expecting the wrong thing.
std::vector<ExpectedRecord> Parse(std::string_view defaults, std::string_view records, Params params = {});

}  // namespace notation
