#pragma once
#include <cstdint>
#include <memory>

// What a prepared frame was made from: a rectangle of one loaded picture,
// stretched to a size, and turned (or not) about a centre.
struct FrameKey {
    uint64_t picture = 0;  // Texture::ContentId()
    int16_t sourceX = 0, sourceY = 0, sourceW = 0, sourceH = 0;
    int16_t width = 0, height = 0;
    uint64_t degreesBits = 0;  // the turn's double, bit for bit
    uint32_t centreXBits = 0, centreYBits = 0;
    uint8_t flip = 0;
    uint8_t turned = 0;
    bool operator==(const FrameKey&) const = default;
};

// A prepared frame: w x h pixels, rows w apart, drawn offset from where the
// unturned frame's top-left would be.
struct PreparedFrame {
    const uint32_t* pixels = nullptr;
    int w = 0, h = 0;
    int offsetX = 0, offsetY = 0;
};

// Stretched and turned frames kept for reuse in a fixed arena. The arena
// fills in order and, once full, starts again from its beginning, dropping
// the oldest frames in its way; nothing is allocated after the arena itself,
// which is made on the first insert.
class FrameCache {
public:
    static constexpr int kArenaPixels = 4 << 20;  // 16 MB
    static constexpr int kMaxFrames = 8192;

    FrameCache();
    ~FrameCache();
    FrameCache(const FrameCache&) = delete;
    FrameCache& operator=(const FrameCache&) = delete;

    const PreparedFrame* Find(const FrameKey& key);
    // Room for a w x h frame under the key, for the caller to fill; null when
    // it is larger than the arena.
    uint32_t* Insert(const FrameKey& key, int w, int h, int offsetX, int offsetY, const PreparedFrame** frame);
    void Clear();

    int Frames() const { return count_; }
    uint64_t Hits() const { return hits_; }
    uint64_t Misses() const { return misses_; }

private:
    struct Entry {
        FrameKey key;
        uint32_t offset = 0, size = 0;
        PreparedFrame frame;
    };
    static constexpr int kTableSize = 2 * kMaxFrames;

    int Slot(const FrameKey& key) const;  // where the key sits or would sit in the table
    void DropOldest();

    std::unique_ptr<uint32_t[]> arena_;
    std::unique_ptr<Entry[]> entries_;  // a ring in the order the frames were made
    std::unique_ptr<int32_t[]> table_;  // open addressing: entry index or -1
    int oldest_ = 0, count_ = 0;
    uint32_t head_ = 0;  // next free pixel of the arena
    uint64_t hits_ = 0, misses_ = 0;
};
