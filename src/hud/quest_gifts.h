#pragma once
#include <cstdint>

// What finishing a quest gives: one skill level (as its F-key number), the same
// amount of each of the six resources, and experience.
struct QuestGift {
    uint8_t skill;
    uint32_t resources;
    uint32_t experience;
};

inline constexpr uint32_t kQuestsPerSet = 12;

// Quests 1-12 of the first quest set.
inline constexpr QuestGift kEarthSystemGifts[kQuestsPerSet] = {
    {2, 100, 300},  {3, 100, 400},  {5, 200, 500},   {4, 200, 600},   {8, 200, 700},    {4, 200, 800},
    {10, 200, 900}, {6, 200, 1000}, {11, 200, 1200}, {12, 200, 1500}, {12, 200, 2000}, {4, 200, 2000},
};

// Quests 1-12 of the second quest set (13-24 overall).
inline constexpr QuestGift kInvasionsGifts[kQuestsPerSet] = {
    {4, 200, 3000},  {3, 200, 3000}, {5, 200, 3000},  {4, 200, 3000},  {8, 200, 3000},  {4, 200, 3000},
    {10, 200, 3000}, {6, 200, 3000}, {11, 200, 3000}, {12, 200, 3000}, {12, 200, 3000}, {12, 200, 3000},
};

// The gift of a quest, or null for a set other than 1 and 2 or a quest outside 1-12.
const QuestGift* FindQuestGift(uint32_t questSet, uint32_t quest);

// Skill line of the gifts window for skills F2-F12; null for any other value.
inline constexpr uint8_t kFirstGiftSkill = 2;
inline constexpr uint8_t kLastGiftSkill = 12;
inline constexpr const char* kGiftSkillLines[kLastGiftSkill - kFirstGiftSkill + 1] = {
    "+1 Particle Shields Skill",   "+1 Hard Shields Skill",      "+1 Shields Recharge Skill",
    "+1 Hard Armor Skill",         "+1 Extra Armor Skill",       "+1 Ship Protection Skill",
    "+1 Robot Protection Skill",   "+1 Electron Explosion Skill", "+1 Neutron Explosion Skill",
    "+1 Proton Explosion Skill",   "+1 Armageddon Attack Skill",
};
const char* GiftSkillLine(uint8_t skill);
