#pragma once
#include <cstdint>
#include <memory>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The interlude between the quest sets: eleven sprites drifting over a fixed
// space background while a big galaxy picture slowly zooms in. Its
// background is also the backdrop of the ending, so the object outlives the
// interlude; a second interlude in the same run goes on from where the first
// one stopped.
//
// The object never touches the game record or the application. Per frame
// the interlude scene calls CheckSkip, then (once the frame timer runs)
// Scroll with its steppers' steps, DrawBackground, Draw, CheckTime and
// Step9, and hands over once LeaveRequested says so. BeginVisit starts each
// visit.
class GalaxyAnimation {
public:
    static constexpr int kSprites = 11;
    static constexpr int kCloudRows = 4;
    static constexpr int kImageCount = 13;
    // The interlude ends once the scene clock has passed this many whole
    // seconds; a click skips it only after kClickArmAfterSecond.
    static constexpr uint32_t kLastSecond = 6;
    static constexpr uint32_t kClickArmAfterSecond = 2;
    // The galaxy picture rises until its top reaches this line.
    static constexpr int32_t kGalaxyTopStop = 156;
    static constexpr float kZoomStep = 0.008f;

    GalaxyAnimation();
    virtual ~GalaxyAnimation();
    GalaxyAnimation(const GalaxyAnimation&) = delete;
    GalaxyAnimation& operator=(const GalaxyAnimation&) = delete;

    // The thirteen pictures; again after every device reset.
    void LoadArt(GraphicsDevice* graphics);
    void FreeSheet();

    // The fixed background from the shared space, dust and cloud sheets.
    void DrawBackground(SpriteSheet* spaceSheet, SpriteSheet* dustSheet, SpriteSheet* cloudSheet);
    // One frame of drift: a is the 13 px/s step, b the 20 px/s step.
    void Scroll(uint8_t a, uint8_t b);
    // The zoom tick: every interval the picture moves up and left by a pixel
    // and grows. The seconds do not change the result.
    void Step9(uint32_t secondsInScene);
    // The sprites, the galaxy picture and the word picture.
    void Draw();

    // Clears the visit's requests and the click arming.
    void BeginVisit();
    // Enter, Esc or Backspace (each then latched) ask to leave; so does a
    // fresh press of either mouse button once the click is armed, which
    // happens after the second whole second in a frame with neither button
    // pressed, so a button held from the previous scene never skips.
    void CheckSkip(InputDevice* keyboard, InputDevice* mouse, uint32_t secondsInScene);
    void CheckTime(uint32_t secondsInScene);
    bool LeaveRequested() const { return skipRequested != 0 || finished != 0; }

    std::unique_ptr<SpriteSheet> sheet;
    int32_t cloudRowY[kCloudRows] = {-256, 0, 256, 512};
    int32_t objX[kSprites] = {};
    int32_t objY[kSprites] = {};
    int32_t galaxyX = 257;
    int32_t galaxyY = 280;
    float galaxyScaleX = 0.67f;
    float galaxyScaleY = 0.67f;
    uint32_t zoomStartMs = 0;
    uint8_t zoomState = 1;  // 1 take the start time, 2 timing
    uint32_t zoomIntervalMs = 30;

    // The visit's state and requests for the scene.
    uint8_t clickArmed = 0;
    uint8_t skipRequested = 0;
    uint8_t finished = 0;
};
