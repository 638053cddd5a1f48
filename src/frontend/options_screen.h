#pragma once
#include <cstdint>
#include <memory>

#include "frontend/cloud_rows.h"

class Font;
class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The options page: music, sounds and the advisor switched on and off by
// their ON and OFF words, and the music and sound volumes on two sliders of
// 25 notches. It changes the values the scene hands to OnClick and raises
// events for the scene to carry out (music to start or stop, files to
// write); it never touches the game record itself.
class OptionsScreen {
public:
    static constexpr int kNotches = 25;
    static constexpr uint8_t kNoNotch = 255;
    // Hover codes.
    static constexpr uint8_t kBack = 1;
    static constexpr uint8_t kMusicOn = 6, kMusicOff = 7, kSoundsOn = 8, kSoundsOff = 9;
    static constexpr uint8_t kAdvisorOn = 10, kAdvisorOff = 11;
    static constexpr uint8_t kFirstMusicNotch = 21, kFirstSoundsNotch = 51;
    // wordHighlight entries, in this order.
    static constexpr int kWords = 7;
    // Volumes the ON words start music and sounds at.
    static constexpr uint32_t kMusicOnVolume = 50;
    static constexpr uint32_t kSoundsOnVolume = 80;

    // The volume a slider notch gives. The lowest sounds notch switches
    // sounds off, so it gives silence as well: effects at that notch would
    // otherwise still play, and come back on with the next start.
    static uint32_t MusicVolumeForNotch(uint8_t notch);
    static uint32_t SoundVolumeForNotch(uint8_t notch);
    // The notch shown for a volume, or kNoNotch when none matches.
    static uint8_t MusicNotchForVolume(uint32_t volume);
    static uint8_t SoundsNotchForVolume(uint32_t volume);

    OptionsScreen();
    virtual ~OptionsScreen();
    OptionsScreen(const OptionsScreen&) = delete;
    OptionsScreen& operator=(const OptionsScreen&) = delete;

    // The fonts and the three-image sheet; again after a device reset.
    void LoadArt(GraphicsDevice* graphics);
    void FreeFontsAndSheet();
    void ScrollStrips(uint32_t step);

    // The code under the pointer, word highlights (frozen while pressed) and
    // the hovered notches.
    void HitTest(int32_t x, int32_t y);
    // With a mouse button down: marks the frame pressed, takes the hover
    // code and applies it to the values passed; returns 1. Without: 0.
    int OnClick(int32_t x, int32_t y, InputDevice* mouse, uint8_t& musicOn, uint8_t& soundsOn,
                uint32_t& soundVolume, uint32_t& musicVolume, uint8_t& advisorOn);
    // 1 once a press on Back is let go over it or the pointer has left it;
    // the press is then forgotten.
    int BackChosen(InputDevice* mouse);
    void Draw(uint8_t musicOn, uint8_t soundsOn, SpriteSheet* clouds, uint8_t advisorOn);
    void ResetHover() {
        hover = 0;
        pressed = 0;
    }

    std::unique_ptr<SpriteSheet> sheet;
    std::unique_ptr<Font> labelFont;
    std::unique_ptr<Font> highlightFont;
    int32_t textX = 380;
    int32_t textY = 180;
    int32_t rowY[kCloudRows] = {kCloudRowStart[0], kCloudRowStart[1], kCloudRowStart[2], kCloudRowStart[3]};
    uint8_t musicNotch = 0;
    uint8_t soundsNotch = 0;
    uint8_t appliedMusicNotch = 0;
    uint8_t hoverForSound = 0;
    uint8_t lastHoverSound = 0;
    // 1 raised by a click, 2 handled by the scene, 0 cleared by the opposite one.
    uint8_t musicOnEvent = 0;
    uint8_t musicOffEvent = 0;
    uint8_t soundsOnEvent = 0;
    uint8_t soundsOffEvent = 0;
    // Back, music ON, music OFF, sounds ON, sounds OFF, advisor ON, advisor OFF.
    uint8_t wordHighlight[kWords] = {};
    uint8_t hoveredMusicNotch = 0;  // notch + 1, 0 none
    uint8_t hoveredSoundsNotch = 0;
    uint8_t pressed = 0;
    uint8_t chosen = 0;
    uint8_t hover = 0;

private:
    void DrawLabels();
    void DrawSwitch(int32_t y, uint8_t on, int firstWord);
    void DrawWord(const char* text, int32_t x, int32_t y, int word);
    void DrawSlider(int32_t y, uint8_t current, uint8_t hovered);
};
