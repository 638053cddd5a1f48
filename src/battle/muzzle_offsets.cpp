// Muzzle offsets: the hand-placed muzzles are kept as drawn; every other
// heading turns the nearest hand-placed muzzle about the ship's centre.
#include "battle/muzzle_offsets.h"

#include <cmath>
#include <cstdlib>

#include "battle/battle_tables.h"

namespace {

constexpr int kModes = 3;
constexpr float kShipCentre = 32.0f;
constexpr float kShotHalf = 6.0f;  // shots are drawn 12 px across

struct PlacedMuzzle {
    int barrel;  // 1-5
    int heading;
    int mode;  // 0: every mode
    MuzzleOffset at;
};

// Parallel fire at heading 0 stands the muzzles 7 px apart in a chevron; in
// the fanned mode 2 the outer barrels cross over to the far side.
constexpr PlacedMuzzle kPlaced[] = {
    {1, 0, 1, {13, 1}},   {1, 0, 2, {42, -3}},  {1, 0, 3, {13, 1}},    {2, 0, 0, {20, -5}},  {3, 0, 0, {27, -11}},
    {4, 0, 1, {34, -5}},  {4, 0, 2, {18, -7}},  {4, 0, 3, {33, -6}},   {5, 0, 1, {41, 1}},   {5, 0, 2, {12, -3}},
    {5, 0, 3, {41, 1}},   {1, 32, 1, {41, 52}}, {1, 32, 2, {12, 55}},  {1, 32, 3, {41, 52}}, {2, 32, 1, {34, 58}},
    {2, 32, 2, {18, 60}}, {2, 32, 3, {33, 59}}, {3, 32, 0, {27, 64}},  {5, 32, 1, {13, 53}}, {5, 32, 2, {42, 55}},
    {5, 32, 3, {13, 53}}, {3, 16, 0, {64, 27}}, {3, 48, 0, {-11, 27}},
};

int HeadingDistance(int a, int b) {
    const int d = std::abs(a - b) % kShipHeadings;
    return d > kShipHeadings / 2 ? kShipHeadings - d : d;
}

// Turns a muzzle placed at heading `from` to heading `to` (clockwise positive).
MuzzleOffset Turn(MuzzleOffset at, int from, int to) {
    const double angle = (to - from) * (2.0 * 3.14159265358979323846 / kShipHeadings);
    const double c = std::cos(angle), s = std::sin(angle);
    const double x = at.x + kShotHalf - kShipCentre;
    const double y = at.y + kShotHalf - kShipCentre;
    const double tx = x * c - y * s;
    const double ty = x * s + y * c;
    return {static_cast<int32_t>(std::lround(tx + kShipCentre - kShotHalf)),
            static_cast<int32_t>(std::lround(ty + kShipCentre - kShotHalf))};
}

struct MuzzleTable {
    MuzzleOffset at[kBarrels][kShipHeadings][kModes];

    MuzzleTable() : at{} {
        for (int b = 1; b <= kBarrels; ++b) {
            for (int mode = 1; mode <= kModes; ++mode) {
                for (int h = 0; h < kShipHeadings; ++h) at[b - 1][h][mode - 1] = Derive(b, h, mode);
            }
        }
    }

    // The nearest muzzle placed for this barrel and mode (its own mode's
    // rows first, then the rows shared by all modes, then mode 1's).
    static MuzzleOffset Derive(int barrel, int heading, int mode) {
        const PlacedMuzzle* best = nullptr;
        int bestDistance = kShipHeadings;
        for (int pass = 0; pass < 2 && best == nullptr; ++pass) {
            const int wanted = pass == 0 ? mode : 1;
            for (const PlacedMuzzle& placed : kPlaced) {
                if (placed.barrel != barrel) continue;
                if (placed.mode != 0 && placed.mode != wanted) continue;
                const int distance = HeadingDistance(placed.heading, heading);
                if (distance < bestDistance) {
                    best = &placed;
                    bestDistance = distance;
                }
            }
        }
        if (best == nullptr) return {27, -11};
        if (bestDistance == 0) return best->at;
        return Turn(best->at, best->heading, heading);
    }
};

}  // namespace

MuzzleOffset MuzzleFor(int barrel, int heading, int fireMode) {
    static const MuzzleTable table;
    const int b = barrel < 1 ? 1 : (barrel > kBarrels ? kBarrels : barrel);
    const int mode = fireMode >= 1 && fireMode <= kModes ? fireMode : 1;
    return table.at[b - 1][static_cast<unsigned>(heading) % kShipHeadings][mode - 1];
}
