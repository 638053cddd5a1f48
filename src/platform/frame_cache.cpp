#include "platform/frame_cache.h"

#include <algorithm>

namespace {

uint64_t Mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

uint64_t Hash(const FrameKey& k) {
    uint64_t h = Mix(0, k.picture);
    h = Mix(h, static_cast<uint64_t>(static_cast<uint16_t>(k.sourceX)) << 48 |
                   static_cast<uint64_t>(static_cast<uint16_t>(k.sourceY)) << 32 |
                   static_cast<uint64_t>(static_cast<uint16_t>(k.sourceW)) << 16 | static_cast<uint16_t>(k.sourceH));
    h = Mix(h, static_cast<uint64_t>(static_cast<uint16_t>(k.width)) << 16 | static_cast<uint16_t>(k.height));
    h = Mix(h, k.degreesBits);
    h = Mix(h, static_cast<uint64_t>(k.centreXBits) << 32 | k.centreYBits);
    h = Mix(h, static_cast<uint64_t>(k.flip) << 8 | k.turned);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return h;
}

}  // namespace

FrameCache::FrameCache()
    : entries_(std::make_unique<Entry[]>(kMaxFrames)), table_(std::make_unique<int32_t[]>(kTableSize)) {
    Clear();
}

FrameCache::~FrameCache() = default;

void FrameCache::Clear() {
    std::fill_n(table_.get(), kTableSize, -1);
    oldest_ = count_ = 0;
    head_ = 0;
}

int FrameCache::Slot(const FrameKey& key) const {
    int slot = static_cast<int>(Hash(key) & (kTableSize - 1));
    while (table_[slot] >= 0 && !(entries_[table_[slot]].key == key)) slot = (slot + 1) & (kTableSize - 1);
    return slot;
}

const PreparedFrame* FrameCache::Find(const FrameKey& key) {
    const int32_t index = table_[Slot(key)];
    if (index < 0) {
        ++misses_;
        return nullptr;
    }
    ++hits_;
    return &entries_[index].frame;
}

void FrameCache::DropOldest() {
    // Take the entry out of the table, moving up the ones probed past it.
    int hole = Slot(entries_[oldest_].key);
    for (int next = (hole + 1) & (kTableSize - 1); table_[next] >= 0; next = (next + 1) & (kTableSize - 1)) {
        const int home = static_cast<int>(Hash(entries_[table_[next]].key) & (kTableSize - 1));
        // Moves back only if its home is not cyclically between the hole and where it sits.
        const bool between = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!between) {
            table_[hole] = table_[next];
            hole = next;
        }
    }
    table_[hole] = -1;
    oldest_ = (oldest_ + 1) % kMaxFrames;
    --count_;
}

uint32_t* FrameCache::Insert(const FrameKey& key, int w, int h, int offsetX, int offsetY,
                             const PreparedFrame** frame) {
    const uint64_t size = static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    if (w <= 0 || h <= 0 || size > static_cast<uint64_t>(kArenaPixels)) return nullptr;
    if (!arena_) arena_ = std::make_unique<uint32_t[]>(kArenaPixels);
    if (count_ == kMaxFrames) DropOldest();
    if (head_ + size > static_cast<uint64_t>(kArenaPixels)) {
        // Frames left at the end are older than any at the start: drop them first.
        while (count_ > 0 && entries_[oldest_].offset >= head_) DropOldest();
        head_ = 0;
    }
    while (count_ > 0 && entries_[oldest_].offset >= head_ && entries_[oldest_].offset < head_ + size) DropOldest();
    const int index = (oldest_ + count_) % kMaxFrames;
    Entry& entry = entries_[index];
    entry.key = key;
    entry.offset = head_;
    entry.size = static_cast<uint32_t>(size);
    entry.frame = PreparedFrame{arena_.get() + head_, w, h, offsetX, offsetY};
    table_[Slot(key)] = index;
    ++count_;
    head_ += static_cast<uint32_t>(size);
    if (frame) *frame = &entry.frame;
    return arena_.get() + entry.offset;
}
