#pragma once
#include <cstdint>
#include <memory>

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

    SharedArt();
    virtual ~SharedArt();
    SharedArt(const SharedArt&) = delete;
    SharedArt& operator=(const SharedArt&) = delete;

    int LoadArt(GraphicsDevice* graphics);
    int LoadMoreArt(GraphicsDevice* graphics);
    void ReleaseArt();

    // The sheets while loaded, null after a release. SharedArt owns them;
    // the screens draw from them through these plain pointers.
    SpriteSheet* menuSheet = nullptr;
    SpriteSheet* spaceSheet = nullptr;
    SpriteSheet* dustSheet = nullptr;
    SpriteSheet* cloudsSheet = nullptr;
    uint8_t spare = 0;
    uint8_t morePending = 1;  // non-zero: the second half is still to load

private:
    static constexpr int kSheets = 4;
    // Points the four public pointers at the owned sheets (null when empty).
    void ShowSheets();

    std::unique_ptr<SpriteSheet> sheets_[kSheets];  // menu, space, dust, clouds
};
