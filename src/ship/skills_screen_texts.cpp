#include "ship/skills_screen_texts.h"

namespace {

constexpr const char* kStrength = "Current Strength:";
constexpr const char* kDamage = "Current Damage:";
constexpr const char* kAddsStrength = "adds 10 strength";

// The cell names keep their trailing blanks; the titles carry the game's own
// spelling of Emergency Escape.
constexpr SkillRecord kSkills[kSkillCount] = {
    {"Emergency Escape", "Emergency Excape", 0, kNoPrerequisite, "Energy Cost: None", 1,
     {"adds 1 nearby teleport", nullptr},
     {"Automatically turns on when your ship ", "gets damaged too much. Higher skill",
      "teleports you nearby instead of base. ", nullptr},
     nullptr},
    {"Particle Shields", "Particle Shields", 1, kNoPrerequisite, "Energy Cost: 50", 10, {kAddsStrength, nullptr},
     {"A layer of particle shields for your ship", "which absorb damage before other", "shields or armor.", nullptr},
     kStrength},
    {"Hard Shields", "Hard Shields", 5, kNoPrerequisite, "Energy Cost: 10", 10,
     {"Adds 10 strength to the damage hard shields", "can take before turning into regular shields."},
     {"Ship's shields are tougher and thus", "take less damage.", "Particle shields are not effected.", nullptr},
     kStrength},
    {"Shields Recharge", "Shields Recharge", 14, kNoPrerequisite, "Energy Cost: None", 10,
     {"Adds 10% to recharge. Also your ship can", "take more hits before recharge goes down."},
     {"Ship's shields recharge faster.", "Particle shields are not effected.", nullptr, nullptr}, nullptr},
    {"Hard Armor ", "Hard Armor", 3, kNoPrerequisite, "Energy Cost: 10", 10,
     {"Adds 10 strength to the damage hard armor", "can take before turning into regular armor."},
     {"Ship's armor is tougher and thus", "takes less damage.", nullptr, nullptr}, kStrength},
    {"Extra Armor", "Extra Armor", 4, kNoPrerequisite, "Energy Cost: 10", 10, {kAddsStrength, nullptr},
     {"Your ship gets extra armor which ", "gets damaged first. Extra armor skill ",
      "can only be used at base to add extra", "armor to your ship."},
     kStrength},
    {"Ship Protection", "Ship Protection", 10, kNoPrerequisite, "Energy Cost: 10", 10, {kAddsStrength, nullptr},
     {"Your ship gets protection from ", "atomic, chemical, or electrical attacks.", nullptr, nullptr}, kStrength},
    {"Robot Protection ", "Robot Protection", 10, kNoPrerequisite, "Energy Cost: 10", 10, {kAddsStrength, nullptr},
     {"All robots get protection from ", "atomic, chemical, or electrical attacks.", nullptr, nullptr}, kStrength},
    {"Electron Explosion", "Electron Explosion", 1, kNoPrerequisite, "Energy Cost: 30", 10, {"adds 10 damage", nullptr},
     {"Your ship creates an explosive ring", "of electrons which damages all enemy.", nullptr, nullptr}, kDamage},
    {"Neutron Explosion", "Neutron Explosion", 7, 8, "Energy Cost: 50", 20, {"adds 20 damage", nullptr},
     {"Your ship creates an explosive ring", "of neutrons which damages all enemy.", nullptr, nullptr}, kDamage},
    {"Proton Explosion", "Proton Explosion", 13, 9, "Energy Cost: 70", 30, {"adds 30 damage", nullptr},
     {"Your ship creates an explosive ring", "of protons which damages all enemy.", nullptr, nullptr}, kDamage},
    {"Armageddon Attack", "Armageddon Attack", 21, 10, "Energy Cost: 100", 40, {"adds 40 damage", nullptr},
     {"The best attack in the universe.", "Armageddon will damage all enemy. ", nullptr, nullptr}, kDamage},
};

}  // namespace

const SkillRecord& Skill(int k) { return kSkills[k >= 0 && k < kSkillCount ? k : 0]; }
