#pragma once
#include <cstdint>

// The three allies every quest offers for favors: their costs and how the
// ally panel of the Quests screen presents them.
inline constexpr int kAlliesPerQuest = 3;
inline constexpr int kAllyQuests = 24;

// Favors asked for ally 1..3 of quest 1..24; 0 for anything else.
uint32_t AllyCost(int quest, int ally);

// A picture of the ally panel from the battle engine's favors sheet.
struct AllyPicture {
    int8_t image;  // -1: none
    int8_t frame;
    int16_t x, y;
    float scale;
};

inline constexpr int kAllyShipPictures = 3;

struct AllyOffer {
    const char* panelTitle;
    const char* offers[kAlliesPerQuest];
    const char* arrival;  // after "Help will come" once bought
    int8_t robotImage;    // the row-1 robots, -1 for none
    int8_t robotFrame;
    AllyPicture ships[kAllyShipPictures];  // rows 2 and 3
};

// Quest 1..24; anything else answers quest 1.
const AllyOffer& AllyOfferOf(int quest);
