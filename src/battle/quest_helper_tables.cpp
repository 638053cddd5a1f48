#include "battle/quest_helper_tables.h"

#include <iterator>

namespace {

constexpr uint8_t kSquadSize = 32;
constexpr uint32_t kSquadShields = 6;
constexpr uint8_t kFirstAreaSlot = 30;

// Squad members fly in a loose wedge around the ship.
constexpr HelperUnit SquadUnit(int slot, int members, int image, uint32_t damage, uint32_t armor,
                               uint32_t protection) {
    HelperUnit u{static_cast<uint8_t>(slot), kSquadSize, static_cast<uint8_t>(image), damage, kSquadShields, armor,
                 protection, 1, 80, 110, 60, 50};
    if (slot == 1) {
        u.leashX = 150, u.leashY = 130, u.keepOffX = 100, u.keepOffY = 50;
    } else if (slot == 2) {
        u.leashX = members == 3 ? 200 : 100, u.leashY = members == 3 ? 110 : 70;
        u.keepOffX = 100, u.keepOffY = 100;
    } else if (slot == 3) {
        u.leashX = 200, u.leashY = 110, u.keepOffX = 100, u.keepOffY = 100;
    }
    return u;
}

constexpr HelperOffer Squad(int members, int image, uint32_t damage, uint32_t armor, uint32_t protection) {
    HelperOffer offer{static_cast<uint8_t>(members), {}};
    for (int k = 0; k < members; ++k) offer.units[k] = SquadUnit(k, members, image, damage, armor, protection);
    return offer;
}

// Escorts stay further out; the first quests keep them closer in.
constexpr HelperUnit Escort(int quest, int slot, int size, int image, uint32_t damage, uint32_t shields,
                            uint32_t armor, uint32_t protection) {
    HelperUnit u{static_cast<uint8_t>(slot), static_cast<uint8_t>(size), static_cast<uint8_t>(image), damage, shields,
                 armor, protection, 2, 280, 250, 140, 50};
    if (slot == 5) {
        u.leashX = 180, u.leashY = 150;
    } else {
        if (quest == 1) u.leashX = 380, u.leashY = 210;
        if (quest == 3) u.leashX = 380, u.leashY = 250;
        if (quest == 1 || quest == 2 || quest == 5 || quest == 6) u.keepOffX = 80;
    }
    return u;
}

constexpr HelperUnit Large(int slot, int image, uint32_t damage, uint32_t shields, uint32_t armor,
                           uint32_t protection) {
    return {static_cast<uint8_t>(slot), 64, static_cast<uint8_t>(image), damage, shields, armor, protection, 3,
            120, 160, 150, 30};
}

constexpr HelperOffer One(HelperUnit a) { return {1, {a, {}, {}, {}}}; }
constexpr HelperOffer Two(HelperUnit a, HelperUnit b) { return {2, {a, b, {}, {}}}; }

// The three large ships of the last convoy quests hold a fixed formation.
constexpr HelperUnit Flagship(int slot, uint32_t damage) {
    constexpr int32_t kFormation[3][4] = {{120, 160, 150, 30}, {120, 230, 240, 30}, {220, 160, 200, 200}};
    return {static_cast<uint8_t>(slot), 64, 10, damage, 0, 7000, 33, 3, kFormation[slot][0], kFormation[slot][1],
            kFormation[slot][2], kFormation[slot][3]};
}

constexpr QuestHelpers kEarthSystem[] = {
    {1, {3, 5, 0}, {Squad(3, 0, 5, 18, 10),
     One(Escort(1, 3, 32, 1, 14, 10, 40, 12)),
     One(Large(4, 2, 20, 10, 90, 12))}},
    {2, {6, 7, 8}, {Squad(3, 5, 7, 40, 10),
     One(Escort(2, 3, 64, 2, 20, 10, 100, 12)),
     One(Large(4, 4, 40, 10, 200, 12))}},
    {3, {10, 0, 0}, {Squad(3, 5, 8, 100, 10),
     One(Escort(3, 3, 64, 4, 52, 10, 380, 12)),
     One(Large(4, 4, 52, 10, 380, 12))}},
    {4, {11, 0, 0}, {Squad(3, 0, 9, 100, 13),
     One(Escort(4, 3, 32, 1, 40, 0, 300, 10)),
     One(Large(4, 8, 50, 0, 400, 18))}},
    {5, {13, 14, 0}, {Squad(3, 5, 9, 110, 16),
     One(Escort(5, 3, 32, 1, 30, 10, 300, 10)),
     One(Large(4, 4, 50, 10, 400, 18))}},
    {6, {15, 16, 0}, {Squad(3, 5, 9, 120, 16),
     One(Escort(6, 3, 32, 1, 30, 10, 330, 10)),
     One(Large(4, 4, 50, 10, 440, 18))}},
    {7, {18, 0, 0}, {Squad(3, 5, 9, 100, 13),
     One(Escort(7, 3, 32, 8, 40, 0, 300, 10)),
     One(Large(4, 4, 50, 0, 400, 18))}},
    {8, {19, 20, 21}, {Squad(3, 5, 9, 130, 13),
     Two(Escort(8, 3, 32, 1, 40, 0, 350, 18), Escort(8, 5, 32, 8, 45, 0, 400, 18)),
     One(Large(4, 4, 50, 0, 450, 20))}},
    {9, {23, 24, 0}, {Squad(4, 5, 9, 150, 15),
     Two(Escort(9, 4, 32, 1, 42, 0, 400, 22), Escort(9, 5, 32, 8, 47, 0, 450, 23)),
     One(Large(6, 10, 80, 0, 777, 30))}},
    {10, {25, 0, 0}, {Squad(4, 5, 9, 160, 15),
     Two(Escort(10, 4, 32, 1, 42, 0, 410, 22), Escort(10, 5, 32, 8, 47, 0, 460, 23)),
     One(Large(6, 10, 88, 0, 777, 30))}},
    {11, {26, 0, 0}, {Squad(4, 5, 9, 110, 20),
     Two(Escort(11, 4, 32, 1, 42, 0, 230, 28), Escort(11, 5, 32, 8, 47, 0, 380, 30)),
     One(Large(6, 10, 88, 0, 455, 33))}},
    {12, {27, 28, 0}, {Squad(4, 5, 9, 110, 20),
     Two(Escort(12, 4, 32, 1, 42, 0, 330, 28), Escort(12, 5, 32, 8, 47, 0, 380, 30)),
     One(Large(6, 10, 88, 0, 555, 33))}},
};

// In the second region only the squads carry shields.
constexpr QuestHelpers kInvasions[] = {
    {13, {2, 0, 0}, {Squad(4, 0, 9, 300, 20),
     Two(Escort(13, 4, 32, 1, 42, 0, 530, 28), Escort(13, 5, 32, 8, 47, 0, 380, 30)),
     One(Large(6, 2, 88, 0, 1055, 33))}},
    {14, {3, 4, 5}, {Squad(4, 5, 90, 500, 20),
     Two(Escort(14, 4, 32, 1, 150, 0, 900, 28), Escort(14, 5, 32, 8, 100, 0, 600, 30)),
     One(Large(6, 4, 300, 0, 3000, 33))}},
    {15, {7, 0, 0}, {Squad(4, 5, 90, 500, 20),
     One(Escort(15, 4, 64, 4, 300, 0, 3000, 33)),
     One(Large(5, 4, 300, 0, 3000, 33))}},
    {16, {8, 0, 0}, {Squad(4, 5, 90, 600, 20),
     Two(Escort(16, 4, 32, 1, 150, 0, 900, 28), Escort(16, 5, 32, 8, 100, 0, 900, 30)),
     One(Large(6, 4, 300, 0, 3300, 33))}},
    {17, {10, 11, 12}, {Squad(4, 5, 90, 600, 20),
     Two(Escort(17, 4, 32, 1, 150, 0, 900, 28), Escort(17, 5, 32, 8, 100, 0, 900, 30)),
     One(Large(6, 4, 300, 0, 3300, 33))}},
    {18, {13, 0, 0}, {Squad(4, 5, 90, 600, 20),
     One(Escort(18, 4, 64, 2, 250, 0, 2500, 28)),
     One(Large(5, 4, 300, 0, 3300, 33))}},
    {19, {14, 0, 0}, {Squad(4, 5, 80, 400, 20),
     One(Escort(19, 4, 64, 2, 150, 0, 1000, 28)),
     One(Large(5, 4, 200, 0, 1500, 33))}},
    {20, {16, 0, 0}, {Squad(4, 5, 90, 700, 20),
     Two(Escort(20, 4, 32, 1, 150, 0, 1000, 28), Escort(20, 5, 32, 8, 100, 0, 1100, 30)),
     One(Large(6, 4, 400, 0, 3600, 33))}},
    {21, {17, 0, 0}, {Squad(4, 5, 90, 700, 20),
     Two(Escort(21, 4, 32, 1, 150, 0, 1000, 28), Escort(21, 5, 32, 8, 100, 0, 1100, 30)),
     One(Large(6, 10, 444, 0, 7000, 33))}},
    {22, {18, 0, 0}, {One(Flagship(0, 444)), One(Flagship(1, 444)), One(Flagship(2, 444))}},
    {23, {19, 0, 0}, {Squad(4, 5, 150, 700, 20),
     Two(Escort(23, 4, 32, 1, 300, 0, 1500, 28), Escort(23, 5, 32, 8, 300, 0, 1600, 30)),
     One(Large(6, 10, 650, 0, 5500, 33))}},
    {24, {20, 0, 0}, {One(Flagship(0, 650)), One(Flagship(1, 650)), One(Flagship(2, 650))}},
};

// Bases: four columns on three rows, the third row the stronger ones.
constexpr AreaUnitRow kEarthSystemUnits[] = {
    {8, kFirstAreaSlot, 8, 64, 3, 100, 10, 0, 0, kLayoutBaseGrid},
    {8, kFirstAreaSlot + 8, 4, 64, 3, 150, 10, 1, 0, kLayoutBaseGrid},
    {24, kFirstAreaSlot, 8, 64, 3, 600, 30, 2, 0, kLayoutBaseGrid},
    {24, kFirstAreaSlot + 8, 4, 64, 3, 700, 30, 3, 0, kLayoutBaseGrid},
    {11, kFirstAreaSlot, 3, 64, 7, 160, 20, 0, 0, kLayoutConvoy},
    {25, kFirstAreaSlot, 3, 64, 7, 560, 20, 1, 0, kLayoutConvoy},
    {16, kFirstAreaSlot, 1, 128, 9, 1500, 27, 0, 0, kLayoutStation},
};

constexpr AreaUnitRow kInvasionsUnits[] = {
    {5, kFirstAreaSlot, 8, 64, 11, 4000, 50, 0, 0, kLayoutBaseGrid},
    {5, kFirstAreaSlot + 8, 4, 64, 11, 150, 50, 0, 0, kLayoutBaseGrid},
    {8, kFirstAreaSlot, 3, 64, 7, 1000, 20, 0, 0, kLayoutConvoy},
    {12, kFirstAreaSlot, 1, 128, 9, 4400, 27, 0, 1, kLayoutStation},
};

constexpr int32_t kGridColumns[4] = {800, 1100, 1400, 1700};
constexpr int32_t kGridRows[3] = {-1000, -1500, -1250};
constexpr int32_t kConvoyX = 480;
constexpr int32_t kConvoyRows[3] = {-100, 130, 360};
constexpr int32_t kStationX = 1178, kStationY = -1222;

constexpr RegionHelpers kEarthSystemRegion{kEarthSystem, static_cast<int>(std::size(kEarthSystem)),
                                           kEarthSystemUnits, static_cast<int>(std::size(kEarthSystemUnits)), 1};
constexpr RegionHelpers kInvasionsRegion{kInvasions, static_cast<int>(std::size(kInvasions)), kInvasionsUnits,
                                         static_cast<int>(std::size(kInvasionsUnits)), 13};

}  // namespace

const RegionHelpers& EarthSystemHelpers() { return kEarthSystemRegion; }
const RegionHelpers& InvasionsHelpers() { return kInvasionsRegion; }

void AreaUnitPosition(AreaUnitLayout layout, int slot, int32_t& x, int32_t& y) {
    const int k = slot - kFirstAreaSlot;
    switch (layout) {
        case kLayoutBaseGrid:
            x = kGridColumns[k % 4];
            y = kGridRows[(k / 4) % 3];
            return;
        case kLayoutConvoy:
            x = kConvoyX;
            y = kConvoyRows[k % 3];
            return;
        case kLayoutStation:
            x = kStationX;
            y = kStationY;
            return;
    }
}
