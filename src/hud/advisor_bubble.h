#pragma once
#include <cstdint>

class Font;
class SpriteSheet;

// The tutorial guide: an animated sprite with a speech bubble holding one of
// twenty hint texts. It keeps state, animates, bobs and draws; the scenes
// choose the hint, its place and visibility, and draw the pointer arrow.
class AdvisorBubble {
public:
    static constexpr int kHintCount = 20;
    static constexpr int kArrowImage = 43;
    // The sideways slide of the scenes that slide it turns at these x.
    static constexpr int32_t kSlideMinX = 100;
    static constexpr int32_t kSlideMaxX = 700;

    AdvisorBubble() = default;
    virtual ~AdvisorBubble() = default;

    // The animation frame steps on every 255 ms.
    void Animate();
    // One frame of the up-and-down bob within [minY, maxY]; only the low
    // byte of each step counts.
    void Bob(uint32_t upStep, uint32_t downStep, int32_t minY, int32_t maxY);
    // One frame of the sideways slide between kSlideMinX and kSlideMaxX;
    // only the low byte of each step counts.
    void Slide(uint32_t rightStep, uint32_t leftStep);
    // The sprite, and the bubble with its text while bubbleShown is set.
    void Draw(SpriteSheet* sheet, Font* font);
    // The pointer arrow at (arrowX, arrowY) in the scene's colour, whether
    // or not arrowShown is set (the scene decides).
    void DrawArrow(SpriteSheet* sheet, uint32_t colour) const;

    // The lines of a hint (second null for one line); null for an unknown index.
    static const char* HintLine(uint32_t hintIndex, int line);

    uint8_t advisorOn = 1;
    uint8_t advisorImage = 42;
    int32_t advisorX = 700;
    int32_t advisorY = 420;
    uint8_t bobDown = 1;
    uint8_t slideRight = 1;
    uint8_t bubbleShown = 1;
    uint32_t hintIndex = 0;
    uint8_t bubbleStyle = 1;
    uint8_t returnHintPending = 0;
    uint32_t frameTimerStart = 0;
    uint8_t frameTimerState = 1;
    uint8_t animFrame = 0;
    int32_t arrowX = 90;
    int32_t arrowY = 490;
    uint8_t arrowShown = 1;
};
