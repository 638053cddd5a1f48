#pragma once
#include <cstdint>

// The live entries of one table with their positions, packed in slot order,
// for the nearest-unit searches every enemy and escort makes each frame: a
// pass over two dense arrays instead of the whole table with its flags.
struct LivePoints {
    static constexpr int kCapacity = 128;

    template <typename Table>
    void Collect(const Table& table, int slots) {
        count = 0;
        for (int i = 0; i < slots && count < kCapacity; ++i) {
            if (!table.active[i]) continue;
            slot[count] = i;
            x[count] = table.x[i];
            y[count] = table.y[i];
            ++count;
        }
    }

    int count = 0;
    int32_t slot[kCapacity];
    int32_t x[kCapacity];
    int32_t y[kCapacity];
};
