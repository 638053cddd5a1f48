#pragma once
#include <cstdint>
#include <memory>

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The help pages: a column of thirteen topic buttons, the shown topic's page
// and a Back button. A press on a topic shows it at once; Back takes effect
// on release over it, or as soon as the pointer leaves it while held.
class DirectionsScreen {
public:
    // Hover codes: Back, then topic t is kFirstTopicCode + t - 1.
    static constexpr uint8_t kBackCode = 1;
    static constexpr uint8_t kFirstTopicCode = 2;
    // What SettleClick asks of the scene.
    enum Settled : uint8_t { kNothing = 0, kLeave = 1, kTopicClicked = 2 };

    DirectionsScreen();
    virtual ~DirectionsScreen();
    DirectionsScreen(const DirectionsScreen&) = delete;
    DirectionsScreen& operator=(const DirectionsScreen&) = delete;

    // Both fonts and the picture sheet; again after a device reset.
    void LoadArt(GraphicsDevice* graphics);
    void FreeFontsAndSheet();
    // Back, the topic list, the heading and the shown page.
    void Draw();
    void HitTest(int32_t x, int32_t y);
    // 1 when a mouse button is down: takes the code under the pointer and
    // shows a pressed topic at once. A pending press on Back is kept, so
    // that dragging off Back leaves.
    int Click(int32_t x, int32_t y, InputDevice* mouse);
    // Back leaves once let go over it or left; a topic press is heard once
    // the buttons are up.
    Settled SettleClick(InputDevice* mouse);

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> bodyFont;
    std::unique_ptr<Font> titleFont;
    uint8_t topic = 1;
    uint8_t backFrame = 0;  // 0 normal, 1 pointer over it, 2 pressed
    uint8_t clickedCode = 0;
    uint8_t hoverCode = 0;
    uint8_t hoverForSound = 0;
    uint8_t lastHoverSound = 0;

private:
    void DrawTopicList();
    void DrawPage();
};
