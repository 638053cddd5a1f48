#pragma once
#include <cstdint>

// The help panels of the Your Ship screen, by topic (hover code - 19).
struct ShipHelpTopic {
    enum Value : uint8_t { kNoValue, kNextLevel, kUpgradeCost };
    static constexpr int kMaxLines = 9;

    uint8_t topic;
    const char* title;
    const char* lines[kMaxLines];
    Value value;  // numbers shown after the lines
};

inline constexpr ShipHelpTopic kShipHelpTopics[] = {
    {1, "Level",
     {"After gaining a certain amount of experience ", "you level up. Going up in a level means ",
      "getting your choice of an award and a skill. ", "Also some skills require a high level.",
      "Experience needed for next level:  "},
     ShipHelpTopic::kNextLevel},
    {2, "Experience",
     {"You get experience when fighting the enemy.", "Having alot of robots has no effect on how",
      "much experience you get. Getting help with", "favors will get you more experience!"},
     ShipHelpTopic::kNoValue},
    {3, "Name", {"The name you chose for yourself is shown", "in this spot."}, ShipHelpTopic::kNoValue},
    {4, "Attack",
     {"Your ship can have up to 5 weapons installed.", "The firing frequency of your weapons is once",
      "per second. They fire all at once and then ", "take 1 second to recharge for another salvo."},
     ShipHelpTopic::kNoValue},
    {5, "Defence",
     {"Defence lowers damage from conventional", "attacks. It will also lower damage from atomic,",
      "chemical, and electrical attacks but not ", "as much as a high Protection."},
     ShipHelpTopic::kNoValue},
    {6, "Protection",
     {"Protection against atomic, chemical and", "electrical attacks is shown here. Some of the  ",
      "enemy use these attacks so it is good to be ", "prepared."},
     ShipHelpTopic::kNoValue},
    {7, "Upgrade",
     {"Upgrading your ship raises shields by 1,", "armor by 2, defence by 1,and protection",
      "by 1. Also each upgrade allows 3 more items", "to be installed on your ship.",
      "Material needed for next upgrade:", "Current max amount of items on ship:"},
     ShipHelpTopic::kUpgradeCost},
    {8, "Highest Skill", {"Your highest skill is shown here."}, ShipHelpTopic::kNoValue},
    {9, "Storage Facilities",
     {"You can open the storage from here. If you ", "have more than 1 then you can scroll through ",
      "them. Each one has space for 12 items."},
     ShipHelpTopic::kNoValue},
    {10, "Speed", {"Speed depends on the engine installed", "in your ship. "}, ShipHelpTopic::kNoValue},
    {11, "Attack Settings",
     {"You can shoot all weapons in a straight line", "or you can spread the shots over a wide area. "},
     ShipHelpTopic::kNoValue},
    {21, "Shields and Armor",
     {"While your shields are up they will take ", "damage. When they are down then armor",
      "takes damage. Shields recharge all the time", "while armor can only be repaired at base. ",
      "But armor is tougher than shields by 3 to 1", "if no hard shields are on. With hard shields",
      "on armor is still better by 3 to 2. With both ", "hard armor and hard shields the armor is ",
      "better by 4 to 2."},
     ShipHelpTopic::kNoValue},
};

inline const ShipHelpTopic* FindShipHelpTopic(uint8_t topic) {
    for (const ShipHelpTopic& entry : kShipHelpTopics) {
        if (entry.topic == topic) return &entry;
    }
    return nullptr;
}
