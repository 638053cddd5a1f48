#pragma once
#include <cstdint>

struct MuzzleOffset {
    int32_t x;  // relative to the ship sprite's top-left
    int32_t y;
};

// Where barrel 1-5 lays its shot when it fires along heading 0-63 in fire
// mode 1-3 (a mode without muzzles of its own uses mode 1's).
MuzzleOffset MuzzleFor(int barrel, int heading, int fireMode);
