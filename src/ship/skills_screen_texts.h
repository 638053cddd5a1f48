#pragma once
#include <cstdint>

#include "battle/battle_tables.h"  // kSkillCount, the engine's count of the same skills

// The twelve skills of the ship, in the order of the game record's skill
// arrays: what the Skills screen checks before offering a raise and what it
// writes about each.
inline constexpr int kNoPrerequisite = -1;

struct SkillRecord {
    const char* cellName;        // under the icon
    const char* title;           // panels, dialog and refusals
    int32_t levelNeeded;         // ship level; 0 = never refused for the level
    int8_t prerequisite;         // skill that must be above level 0 first
    const char* energyText;
    int32_t raiseAmount;         // added to the benefit by one raise
    const char* dialogLines[2];  // the raise dialog's explanation (second may be null)
    const char* descriptionLines[4];
    const char* benefitLabel;    // label before the benefit in the description
};

const SkillRecord& Skill(int k);
