#pragma once
#include <cstdint>
#include <memory>

#include "platform/input_device.h"

class GraphicsDevice;
class SpriteSheet;

// The software cursor: moved by the relative mouse, held inside the 800x600
// screen when drawn, drawn as a sprite (the system cursor stays hidden).
class MouseCursor {
public:
    static constexpr int32_t kStartPosition = 50;
    static constexpr int32_t kScreenWidth = 800;
    static constexpr int32_t kScreenHeight = 600;

    MouseCursor();
    virtual ~MouseCursor();
    MouseCursor(const MouseCursor&) = delete;
    MouseCursor& operator=(const MouseCursor&) = delete;

    // Image 0 "Art\Cursor2.bmp" (64x64 frames), image 1 "Art\Cursor1.bmp"
    // (32x32); the second load's result.
    int LoadArt(GraphicsDevice* graphics);
    // Releases the sheet and its images (device loss, clean-up).
    void FreeSheet();
    // Adds the movement of the mouse's last poll.
    void Update();
    // Undoes, axis by axis, a movement that would leave the screen; the
    // cursor then stays where it was last drawn on that axis.
    void HoldInsideScreen();
    void Draw();

    std::unique_ptr<SpriteSheet> sheet;
    int32_t drawX = kStartPosition;
    int32_t drawY = kStartPosition;
    int32_t x = kStartPosition;
    int32_t y = kStartPosition;
    InputDevice mouse;
    uint8_t clampX = 0;
    uint8_t clampY = 0;
};

// 1 when (px, py) lies on or near the border of the rectangle.
int IsNearScreenEdge(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px, int32_t py);
