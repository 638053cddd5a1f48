#pragma once
#include <cstdint>

class GraphicsDevice;
class SpriteSheet;

// The four sheets every screen draws from, by fixed image numbers. Loading is
// split in two so the first screens can start before the rest is read.
class SharedArt {
public:
    static constexpr int kMenuImages = 44;
    static constexpr int kSpaceImages = 20;
    static constexpr int kDustImages = 30;
    static constexpr int kCloudsImages = 3;

    SharedArt() = default;
    virtual ~SharedArt();
    SharedArt(const SharedArt&) = delete;
    SharedArt& operator=(const SharedArt&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    int LoadMoreArt(GraphicsDevice* graphics);
    void ReleaseArt();

    SpriteSheet* menuSheet = nullptr;
    SpriteSheet* spaceSheet = nullptr;
    SpriteSheet* dustSheet = nullptr;
    SpriteSheet* cloudsSheet = nullptr;
    uint8_t spare = 0;
    uint8_t morePending = 1;  // non-zero: the second half is still to load
};
