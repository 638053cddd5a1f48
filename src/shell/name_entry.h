#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class Texture;

// The pilot-name panel: the name as glyph cells of the name font, the
// blinking cursor, Ready / Clear / Back and the slide-in frame around them.
// A name is up to 20 glyph cells, then the end marker (1), then 0s.
class NameEntry {
public:
    static constexpr int kCells = 21;
    static constexpr uint8_t kEndMarker = 1;
    // Key codes AddLetter takes besides the glyph keys.
    static constexpr uint8_t kSpaceCode = 0;
    static constexpr uint8_t kFullStopCode = 54;
    static constexpr uint8_t kDeleteCode = 65;
    // hoverCode values.
    static constexpr uint8_t kHoverBack = 1;
    static constexpr uint8_t kHoverClear = 2;
    static constexpr uint8_t kHoverReady = 3;

    NameEntry();
    virtual ~NameEntry();
    NameEntry(const NameEntry&) = delete;
    NameEntry& operator=(const NameEntry&) = delete;

    void LoadArt(GraphicsDevice* graphics);
    void FreeArt();

    void HitTestReady(int32_t x, int32_t y);
    void HitTestClear(int32_t x, int32_t y);
    void HitTestBack(int32_t x, int32_t y);
    int ClickReady(int32_t x, int32_t y, InputDevice* mouse);
    int ClickClear(int32_t x, int32_t y, InputDevice* mouse);
    int ClickBack(int32_t x, int32_t y, InputDevice* mouse);

    int AddLetter(uint8_t code);
    void Clear();
    void ResetHover() { hoverCode = 0; }
    void BlinkCursor();

    void SlideStrips(uint8_t step);
    void SpreadHand2(uint8_t step);
    void SlideHand3(uint8_t step);
    void SlideHand5(uint8_t step);
    void GrowHand4();

    void DrawBox();
    void DrawHeading();
    void DrawBack();
    void DrawName();
    void DrawReady();
    void DrawClear();
    void DrawStrips();
    void DrawHand2Pair();
    void DrawHand3();
    void DrawHand4Bar();
    void DrawHand5();
    void DrawHand6();

    // The index of the end marker, or -1 when the name has none.
    int MarkerIndex() const;

    // Art.
    std::unique_ptr<Texture> box2;
    std::unique_ptr<Texture> box3;
    std::unique_ptr<Texture> box4;
    std::unique_ptr<Texture> box5;
    std::unique_ptr<Texture> hand2;
    std::unique_ptr<Texture> hand3;
    std::unique_ptr<Texture> hand5;
    std::unique_ptr<Texture> hand6;
    std::unique_ptr<SpriteSheet> handSheet;
    std::unique_ptr<SpriteSheet> headingSheet;
    std::unique_ptr<SpriteSheet> glyphSheet;
    std::unique_ptr<SpriteSheet> readySheet;
    std::unique_ptr<SpriteSheet> clearSheet;

    uint8_t hoverSoundCode = 0;
    uint8_t lastSoundedCode = 0;
    uint32_t growTickStart = 0;
    uint8_t growTickState = 1;  // 1 arm, 2 wait
    uint8_t growPhase = 1;
    int32_t stripsX = 950;
    int32_t hand2Spread = 16;
    int32_t hand3X = -64;
    int32_t hand5Y = 664;
    float growScale = 0.0f;
    uint8_t nameCells[kCells] = {kEndMarker};
    int32_t cellX[kCells];
    uint32_t blinkStart = 0;
    uint8_t blinkState = 1;
    uint8_t blinkPhase = 0;
    uint32_t blinkPeriod = 400;
    uint8_t letterTaken = 0;
    uint8_t readyFrame = 0;
    uint8_t clearFrame = 0;
    uint8_t backFrame = 0;
    uint8_t hoverCode = 0;
    uint8_t pressedCode = 0;
    uint8_t pressLock = 0;

private:
    void HitTestButton(int32_t left, int32_t top, int32_t width, int32_t height, uint8_t code, uint8_t& frame,
                       int32_t x, int32_t y);
    bool GrowTickDue();
};
