#include "battle/live_boxes.h"

#include <algorithm>

void LiveBoxes::Clear() {
    count_ = 0;
    built_ = false;
}

void LiveBoxes::Add(int slot, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (count_ >= kCapacity) return;
    slot_[count_] = static_cast<int16_t>(slot);
    alive_[count_] = true;
    left_[count_] = x;
    right_[count_] = static_cast<int64_t>(x) + w;
    top_[count_] = y;
    bottom_[count_] = static_cast<int64_t>(y) + h;
    ++count_;
    built_ = false;
}

bool LiveBoxes::Touches(int k, int64_t nearX, int64_t farX, int64_t nearY, int64_t farY) const {
    const bool acrossX = (left_[k] < farX && farX < right_[k]) || (left_[k] < nearX && nearX < right_[k]);
    const bool acrossY = (top_[k] < farY && farY < bottom_[k]) || (top_[k] < nearY && nearY < bottom_[k]);
    return alive_[k] && acrossX && acrossY;
}

void LiveBoxes::BuildGrid() {
    built_ = true;
    gridded_ = false;
    if (count_ == 0) return;
    originX_ = *std::min_element(left_, left_ + count_);
    originY_ = *std::min_element(top_, top_ + count_);
    // Inside-out boxes (negative sizes) are touched by nothing but still filed under their corner.
    endX_ = originX_;
    endY_ = originY_;
    for (int k = 0; k < count_; ++k) {
        endX_ = std::max({endX_, left_[k], right_[k]});
        endY_ = std::max({endY_, top_[k], bottom_[k]});
    }
    cell_ = std::max((endX_ - originX_) / kGridSide, (endY_ - originY_) / kGridSide) + 1;
    auto cells = [&](int k, int& x0, int& x1, int& y0, int& y1) {
        x0 = static_cast<int>((left_[k] - originX_) / cell_);
        x1 = static_cast<int>((std::max(right_[k], left_[k]) - originX_) / cell_);
        y0 = static_cast<int>((top_[k] - originY_) / cell_);
        y1 = static_cast<int>((std::max(bottom_[k], top_[k]) - originY_) / cell_);
    };
    // Counting pass, then each cell's entries in slot order.
    std::fill(cellStart_, cellStart_ + kGridSide * kGridSide + 1, 0);
    int entries = 0;
    for (int k = 0; k < count_; ++k) {
        int x0, x1, y0, y1;
        cells(k, x0, x1, y0, y1);
        entries += (x1 - x0 + 1) * (y1 - y0 + 1);
        if (entries > kMaxCellEntries) return;  // boxes too large for the grid: scan them all
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) ++cellStart_[y * kGridSide + x + 1];
    }
    for (int c = 0; c < kGridSide * kGridSide; ++c) cellStart_[c + 1] += cellStart_[c];
    uint16_t next[kGridSide * kGridSide];
    std::copy(cellStart_, cellStart_ + kGridSide * kGridSide, next);
    for (int k = 0; k < count_; ++k) {
        int x0, x1, y0, y1;
        cells(k, x0, x1, y0, y1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) cellEntry_[next[y * kGridSide + x]++] = static_cast<uint8_t>(k);
    }
    gridded_ = true;
}

int LiveBoxes::FirstInCell(int64_t x, int64_t y, int best, int64_t nearX, int64_t farX, int64_t nearY,
                           int64_t farY) const {
    // A point on or outside the boxes' outer edges is strictly inside none of them.
    if (x <= originX_ || x >= endX_ || y <= originY_ || y >= endY_) return best;
    const int c = static_cast<int>((y - originY_) / cell_) * kGridSide + static_cast<int>((x - originX_) / cell_);
    for (int e = cellStart_[c]; e < cellStart_[c + 1]; ++e) {
        const int k = cellEntry_[e];
        if (best >= 0 && k >= best) break;  // entries run in slot order
        if (Touches(k, nearX, farX, nearY, farY)) return k;
    }
    return best;
}

int LiveBoxes::FirstTouched(int32_t shotX, int32_t shotW, int32_t shotY, int32_t shotH) {
    const int64_t nearX = shotX, farX = nearX + shotW, nearY = shotY, farY = nearY + shotH;
    if (!built_) BuildGrid();
    if (!gridded_) {
        for (int k = 0; k < count_; ++k)
            if (Touches(k, nearX, farX, nearY, farY)) return k;
        return -1;
    }
    int best = -1;
    for (int64_t y : {nearY, farY})
        for (int64_t x : {nearX, farX}) best = FirstInCell(x, y, best, nearX, farX, nearY, farY);
    return best;
}
