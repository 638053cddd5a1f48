#include "ship/favor_allies.h"

namespace {

constexpr uint32_t kCosts[kAllyQuests][kAlliesPerQuest] = {
    {30, 100, 160},     {100, 200, 300},    {200, 400, 400},    {200, 300, 400},    {300, 400, 500},
    {400, 500, 700},    {500, 800, 800},    {700, 2000, 1200},  {1200, 2500, 3000}, {2000, 3000, 3300},
    {2000, 3000, 3500}, {2000, 3000, 3500}, {3000, 3200, 3500}, {3100, 3200, 3500}, {3500, 4000, 4000},
    {3000, 3200, 4000}, {3300, 3500, 4000}, {3300, 3500, 4000}, {3300, 3500, 4000}, {3300, 3600, 4000},
    {3300, 3600, 4200}, {4200, 4200, 4200}, {3300, 3600, 4200}, {4300, 4300, 4300},
};

// Favors-sheet images of the ships.
constexpr int8_t kCaptainRichard = 1;
constexpr int8_t kCaptainChris = 8;
constexpr int8_t kBattleship = 10;

constexpr AllyPicture kNone = {-1, 0, 0, 0, 0.0f};

// A lone ship in the second row, placed by its picture's size.
constexpr AllyPicture Row2(int8_t image, int8_t frame) {
    const int16_t y = image == kCaptainRichard ? 347 : image == kCaptainChris ? 343 : 331;
    return {image, frame, 235, y, 1.0f};
}

// Both captains side by side in the second row.
constexpr AllyPicture Chris(int8_t frame) { return {kCaptainChris, frame, 255, 343, 1.0f}; }
constexpr AllyPicture Richard(int8_t frame) { return {kCaptainRichard, frame, 212, 343, 1.0f}; }

// The third row's cruiser or battleship.
constexpr AllyPicture Row3(int8_t image, int8_t frame, int16_t x = 235) {
    if (image == kBattleship) return {image, frame, 235, 421, 0.9f};
    if (image == kCaptainChris) return {image, frame, 235, 430, 1.0f};
    return {image, frame, x, 418, 1.0f};
}

constexpr AllyPicture Battleship(int16_t y) { return {kBattleship, 2, 235, y, 0.9f}; }

constexpr const char* kBothCaptains = "Captains Chris and Richard want to help you.";
constexpr const char* kBothCaptainsGo = "Captains Chris and Richard can go with you.";
constexpr const char* kRichard = "Captain Richard wants to help you.";

constexpr AllyOffer kOffers[kAllyQuests] = {
    {"Stolen Crystal",
     {"Merchant Ann has 3 battle robots available.", "Mercenary Captain Richard can help you.",
      "General Tarr can send a military cruiser."},
     "at the Green Path.", 0, 3, {Row2(1, 3), Row3(2, 3, 240), kNone}},
    {"Moon Colony",
     {"General Roland has 3 battle droids.", "General Tarr can send a military cruiser.",
      "General Frank can send a heavy cruiser."},
     "at the Moon Path.", 5, 2, {Row2(2, 2), Row3(4, 2, 240), kNone}},
    {"Free Hostages",
     {"General Frank has 3 battle droids.", "General Tarr can send a heavy cruiser.",
      "General Roland can send a heavy cruiser."},
     "at the Prison.", 5, 1, {Row2(4, 3), Row3(4, 3, 240), kNone}},
    {"Escort Convoy",
     {"Merchant Ann has 3 droids available.", kRichard, "Captain Chris wants to help you."},
     "at the Convoy Area.", 0, 3, {Row2(1, 3), Row3(8, 3), kNone}},
    {"Stolen Robot", {"General Mark has 3 droids.", kRichard, "General Roland can send a heavy cruiser."},
     "at the stolen robot trail.", 5, 2, {Row2(1, 2), Row3(4, 2), kNone}},
    {"Earth Space Station", {"General Mark has 3 droids.", kRichard, "General Frank can send a heavy cruiser."},
     "at the Earth Path.", 5, 3, {Row2(1, 3), Row3(4, 3), kNone}},
    {"Attack Pirates' Outpost",
     {"General Roland has 3 droids.", "Captain Chris wants to help you.", "General Tarr can send a heavy cruiser."},
     "at the Pirates Outpost.", 5, 2, {Row2(8, 3), Row3(4, 3), kNone}},
    {"Attack Pirates' Base", {"Merchant Ann has 3 droids.", kBothCaptains, "General Roland can send a heavy cruiser."},
     "at the Pirates Path.", 5, 3, {Chris(3), Richard(3), Row3(4, 3)}},
    {"Mars Space Colony", {"General Tarr Has 4 battle droids.", kBothCaptains, "General Roland can send a battleship."},
     "at the Mars Path.", 5, 3, {Chris(3), Richard(3), Row3(10, 3)}},
    {"Medical Convoy", {"General Frank Has 4 battle droids.", kBothCaptains, "General Andre can send a battleship."},
     "at the Medical Convoy.", 5, 2, {Chris(2), Richard(2), Row3(10, 2)}},
    {"Zombie Space Monster", {"General John has 4 battle droids.", kBothCaptains, "General Mark can send a battleship."},
     "to destroy the zombie.", 5, 3, {Chris(3), Richard(3), Row3(10, 3)}},
    {"Shadow Ninja Clan", {"General Frank Has 4 battle droids.", kBothCaptains, "General Andre can send a battleship."},
     "at the shadow ninja clan path.", 5, 3, {Chris(3), Richard(3), Row3(10, 3)}},
    {"Ships Vanish?",
     {"Merchant Ann has 4 battle robots available.", kBothCaptainsGo, "General Tarr can send a military cruiser."},
     "when you need it.", 0, 3, {Chris(3), Richard(3), Row3(2, 3, 240)}},
    {"Far Colony in trouble",
     {"General Mark has 4 battle droids.", kBothCaptainsGo, "General Roland can send a heavy cruiser."},
     "at the Far Colony.", 5, 2, {Chris(3), Richard(3), Row3(4, 2, 240)}},
    {"Destroy Enemy Fleet",
     {"General Frank has 4 battle droids.", "General Tarr can send a heavy cruiser.",
      "General Roland can send a heavy cruiser."},
     "to help you fight.", 5, 2, {Row2(4, 3), Row3(4, 3, 240), kNone}},
    {"Escort Supply Ships",
     {"Merchant Ann has 4 droids available.", kBothCaptains, "General Mark can send a heavy cruiser."},
     "to escort the supply ships.", 0, 3, {Chris(3), Richard(3), Row3(4, 2, 240)}},
    {"Military Station", {"General Mark has 4 droids.", kBothCaptains, "General Roland can send a heavy cruiser."},
     "at the Military Station.", 5, 2, {Chris(3), Richard(3), Row3(4, 2)}},
    {"Warrior Clan",
     {"General Mark has 3 droids.", "General Tarr can send a cruiser.", "General Frank can send a heavy cruiser."},
     "to fight the Warrior Clan.", 5, 2, {Row2(2, 3), Row3(4, 3), kNone}},
    {"Mechanical Dragon",
     {"General Mark has 3 droids.", "General Tarr can send a cruiser.", "General Frank can send a heavy cruiser."},
     "to help you fight.", 5, 2, {Row2(2, 3), Row3(4, 3), kNone}},
    {"Dragon's Outpost", {"General Frank has 4 droids.", kBothCaptains, "General Roland can send a heavy cruiser."},
     "at the Dragon's Outpost.", 5, 2, {Chris(3), Richard(3), Row3(4, 3)}},
    {"Dragon's Fleet", {"General Tarr Has 4 battle droids.", kBothCaptains, "General Roland can send a battleship."},
     "at the Dragon's Fleet.", 5, 3, {Chris(3), Richard(3), Row3(10, 3)}},
    {"Dragon's Base",
     {"General Frank can send a battleship", "General Mark can send a battleship.",
      "General Andre can send a battleship."},
     "at the Dragon's Base.", -1, 0, {Battleship(244), Battleship(334), Battleship(421)}},
    {"Dunmark", {"General Mark has 4 battle droids.", kBothCaptains, "General John can send a battleship."},
     "at Dunmark.", 5, 3, {Chris(3), Richard(3), Row3(10, 3)}},
    {"Vexmoor",
     {"General Frank can send a battleship", "General Mark can send a battleship.",
      "General Andre can send a battleship."},
     "at Vexmoor.", -1, 0, {Battleship(244), Battleship(334), Battleship(421)}},
};

}  // namespace

uint32_t AllyCost(int quest, int ally) {
    if (quest < 1 || quest > kAllyQuests || ally < 1 || ally > kAlliesPerQuest) return 0;
    return kCosts[quest - 1][ally - 1];
}

const AllyOffer& AllyOfferOf(int quest) { return kOffers[quest >= 1 && quest <= kAllyQuests ? quest - 1 : 0]; }
