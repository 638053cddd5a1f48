#pragma once
#include <cstdint>

// The live entries of one table (enemies, robots, allies) with their boxes,
// in slot order, for finding the first one a shot touches. A shot touches a
// box when one of its corners lies strictly inside it, so a coarse grid of
// the boxes answers from the four cells under the shot's corners instead of
// a scan of every entry: a frame tests a thousand shots against them.
class LiveBoxes {
public:
    static constexpr int kCapacity = 128;

    void Clear();
    void Add(int slot, int32_t x, int32_t y, int32_t w, int32_t h);
    // The first entry (in slot order) with a shot edge strictly inside its
    // box on both axes, as its position in the list; -1 if none.
    int FirstTouched(int32_t shotX, int32_t shotW, int32_t shotY, int32_t shotH);
    int Slot(int position) const { return slot_[position]; }
    // The entry leaves (a destroyed unit); later shots pass through.
    void Remove(int position) { alive_[position] = false; }

private:
    static constexpr int kGridSide = 32;
    static constexpr int kMaxCellEntries = 8192;

    bool Touches(int k, int64_t nearX, int64_t farX, int64_t nearY, int64_t farY) const;
    void BuildGrid();
    // The first live entry in the cell under (x, y) touched by the shot, or `best`.
    int FirstInCell(int64_t x, int64_t y, int best, int64_t nearX, int64_t farX, int64_t nearY, int64_t farY) const;

    int count_ = 0;
    bool built_ = false, gridded_ = false;
    int16_t slot_[kCapacity];
    bool alive_[kCapacity];
    int64_t left_[kCapacity], right_[kCapacity], top_[kCapacity], bottom_[kCapacity];
    int64_t originX_ = 0, originY_ = 0, endX_ = 0, endY_ = 0, cell_ = 1;
    uint16_t cellStart_[kGridSide * kGridSide + 1];
    uint8_t cellEntry_[kMaxCellEntries];
};
