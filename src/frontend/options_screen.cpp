#include "frontend/options_screen.h"

#include "platform/font.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/point_in_rect.h"
#include "platform/screen_art.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kMusicPerNotch = 4;
constexpr uint32_t kLowestSoundVolume = 56;  // notch 1 gives one more
constexpr uint32_t kSoundsNotchFloor = 53;   // volumes below show the lowest notch

// The word areas, in the order of wordHighlight. Back is placed on the
// screen; the words sit beside the text origin.
struct WordArea {
    uint8_t code;
    bool besideText;
    int32_t x, y, width, height;
};
constexpr WordArea kWordAreas[OptionsScreen::kWords] = {
    {OptionsScreen::kBack, false, 140, 240, 128, 64},      {OptionsScreen::kMusicOn, true, 0, 0, 45, 20},
    {OptionsScreen::kMusicOff, true, 80, 0, 55, 20},       {OptionsScreen::kSoundsOn, true, 0, 40, 45, 20},
    {OptionsScreen::kSoundsOff, true, 80, 40, 55, 20},     {OptionsScreen::kAdvisorOn, true, 0, 260, 45, 20},
    {OptionsScreen::kAdvisorOff, true, 80, 260, 55, 20},
};
constexpr int kBackWord = 0, kMusicWords = 1, kSoundsWords = 3, kAdvisorWords = 5;
constexpr int32_t kSoundsRow = 40, kAdvisorRow = 260, kOffX = 80;

constexpr int32_t kNotchX = 180, kNotchWidth = 16, kNotchHeight = 46;
constexpr int32_t kMusicNotchY = 280, kSoundsNotchY = 340;
constexpr int32_t kMusicSliderY = 300, kSoundsSliderY = 360;

constexpr int kLabelFontHeight = 18;
constexpr int kHighlightFontHeight = 21;
constexpr int kSheetImages = 3;
constexpr int kVolumeImage = 0, kLeftBackImage = 1, kRightBackImage = 2;
constexpr ScreenImage kImages[] = {
    {kVolumeImage, "Art\\Menu\\Volume.bmp", 16, 16, kKeyBlack},
    {kLeftBackImage, "Art\\Space\\512\\4.bmp", 512, 512, kNoKey},
    {kRightBackImage, "Art\\Space\\512\\5.bmp", 128, 512, kNoKey},
};
constexpr float kRightBackX = 640, kBackScaleX = 1.25f, kBackScaleY = 1.172f;

constexpr uint32_t kLabelColour = 0xFFF52D2D;
constexpr uint32_t kHighlightColour = 0xFFF5F5F5;
constexpr uint32_t kNotchColour = 0xFFFFFFFF;
constexpr uint32_t kCurrentNotchColour = 0xFFF50000;
constexpr uint32_t kHoveredNotchColour = 0xFFF5F500;
constexpr int32_t kWordBoxWidth = 400, kWordBoxHeight = 100;

struct Label {
    const char* text;
    int32_t x, y, width, height;
};
constexpr Label kLabels[] = {
    {"Music Volume", 203, 274, 200, 32}, {"Sounds Volume", 195, 334, 200, 32}, {"Music", 223, 180, 100, 32},
    {"Sounds  ", 223, 220, 400, 100},    {"Advisor", 223, 440, 100, 32},
};
// Back has no picture of its own: its word sits in the corner of its area
// that the slider and the labels leave free.
constexpr Label kBackLabel{"Back", 146, 244, 60, 24};

void Raise(uint8_t& event) {
    if (event == 0) event = 1;
}

bool MousePressed(InputDevice* mouse) { return mouse && (mouse->ButtonPressed(0) || mouse->ButtonPressed(1)); }

int NotchUnder(int32_t top, int32_t x, int32_t y) {
    for (int i = 0; i < OptionsScreen::kNotches; ++i) {
        if (PointInRect(kNotchX + kNotchWidth * i, top, kNotchWidth, kNotchHeight, x, y)) return i;
    }
    return -1;
}

// Both fonts are bold.
void MakeFont(std::unique_ptr<Font>& font, GraphicsDevice* graphics, int height) {
    CreateScreenFont(font, graphics, height, 1);
    font->Begin();
}

}  // namespace

uint32_t OptionsScreen::MusicVolumeForNotch(uint8_t notch) { return kMusicPerNotch * (notch + 1u); }

uint32_t OptionsScreen::SoundVolumeForNotch(uint8_t notch) { return notch == 0 ? 0 : kLowestSoundVolume + notch; }

uint8_t OptionsScreen::MusicNotchForVolume(uint32_t volume) {
    const uint32_t notch = volume / kMusicPerNotch;  // one above the notch
    return notch >= 1 && notch <= kNotches ? static_cast<uint8_t>(notch - 1) : kNoNotch;
}

uint8_t OptionsScreen::SoundsNotchForVolume(uint32_t volume) {
    if (volume < kSoundsNotchFloor) return 0;
    if (volume < kLowestSoundVolume || volume >= kLowestSoundVolume + kNotches) return kNoNotch;
    return static_cast<uint8_t>(volume - kLowestSoundVolume);
}

OptionsScreen::OptionsScreen() = default;

OptionsScreen::~OptionsScreen() { FreeFontsAndSheet(); }

void OptionsScreen::LoadArt(GraphicsDevice* graphics) {
    FreeFontsAndSheet();
    MakeFont(labelFont, graphics, kLabelFontHeight);
    MakeFont(highlightFont, graphics, kHighlightFontHeight);
    LoadScreenSheet(sheet, graphics, kSheetImages, kImages);
}

void OptionsScreen::FreeFontsAndSheet() {
    ReleaseFont(labelFont);
    ReleaseFont(highlightFont);
    sheet.reset();
}

void OptionsScreen::ScrollStrips(uint32_t step) { ScrollCloudRows(rowY, static_cast<uint8_t>(step)); }

void OptionsScreen::HitTest(int32_t x, int32_t y) {
    for (int w = 0; w < kWords; ++w) {
        const WordArea& a = kWordAreas[w];
        const int32_t left = a.besideText ? textX + a.x : a.x;
        const int32_t top = a.besideText ? textY + a.y : a.y;
        const bool inside = PointInRect(left, top, a.width, a.height, x, y) != 0;
        if (inside) hover = a.code;
        if (!pressed) wordHighlight[w] = inside ? 1 : 0;
    }
    const int music = NotchUnder(kMusicNotchY, x, y);
    const int sounds = NotchUnder(kSoundsNotchY, x, y);
    if (music >= 0) hover = static_cast<uint8_t>(kFirstMusicNotch + music);
    if (sounds >= 0) hover = static_cast<uint8_t>(kFirstSoundsNotch + sounds);
    hoveredMusicNotch = static_cast<uint8_t>(music + 1);
    hoveredSoundsNotch = static_cast<uint8_t>(sounds + 1);
    hoverForSound = hover;
}

int OptionsScreen::OnClick(int32_t /*x*/, int32_t /*y*/, InputDevice* mouse, uint8_t& musicOn, uint8_t& soundsOn,
                           uint32_t& soundVolume, uint32_t& musicVolume, uint8_t& advisorOn) {
    if (!MousePressed(mouse)) return 0;
    pressed = 1;
    chosen = hover;
    const uint8_t code = chosen;
    if (code == kBack) {
        wordHighlight[kBackWord] = 2;
    } else if (code == kMusicOn) {
        musicOn = 1;
        if (musicOnEvent == 0) {
            musicOnEvent = 1;
            musicVolume = kMusicOnVolume;
        }
    } else if (code == kMusicOff) {
        musicOn = 0;
        musicVolume = 0;
        Raise(musicOffEvent);
    } else if (code == kSoundsOn) {
        soundsOn = 1;
        if (soundsOnEvent == 0) {
            soundsOnEvent = 1;
            soundVolume = kSoundsOnVolume;
        }
    } else if (code == kSoundsOff) {
        soundsOn = 0;
        soundVolume = 0;
        Raise(soundsOffEvent);
    } else if (code == kAdvisorOn || code == kAdvisorOff) {
        advisorOn = code == kAdvisorOn ? 1 : 0;
    } else if (code >= kFirstMusicNotch && code < kFirstMusicNotch + kNotches) {
        musicNotch = static_cast<uint8_t>(code - kFirstMusicNotch);
        musicVolume = MusicVolumeForNotch(musicNotch);
        musicOn = musicNotch == 0 ? 0 : 1;
        Raise(musicNotch == 0 ? musicOffEvent : musicOnEvent);
    } else if (code >= kFirstSoundsNotch && code < kFirstSoundsNotch + kNotches) {
        soundsNotch = static_cast<uint8_t>(code - kFirstSoundsNotch);
        soundVolume = SoundVolumeForNotch(soundsNotch);
        soundsOn = soundsNotch == 0 ? 0 : 1;
        Raise(soundsNotch == 0 ? soundsOffEvent : soundsOnEvent);
    }
    return 1;
}

int OptionsScreen::BackChosen(InputDevice* mouse) {
    if (chosen != kBack) return 0;
    if (hover == kBack && !MouseButtonsReleased(mouse)) return 0;
    pressed = 0;
    chosen = 0;
    return 1;
}

void OptionsScreen::Draw(uint8_t musicOn, uint8_t soundsOn, SpriteSheet* clouds, uint8_t advisorOn) {
    if (sheet) {
        sheet->Draw(kLeftBackImage, 0, 0, 0, 0xFFFFFFFF, kBackScaleX, kBackScaleY, 0, 0.0f);
        sheet->Draw(kRightBackImage, 0, kRightBackX, 0, 0xFFFFFFFF, kBackScaleX, kBackScaleY, 0, 0.0f);
    }
    DrawCloudRows(clouds, rowY);
    DrawLabels();
    DrawSwitch(textY, musicOn, kMusicWords);
    DrawSwitch(textY + kSoundsRow, soundsOn, kSoundsWords);
    DrawSwitch(textY + kAdvisorRow, advisorOn, kAdvisorWords);
    DrawSlider(kMusicSliderY, musicNotch, hoveredMusicNotch);
    DrawSlider(kSoundsSliderY, soundsNotch, hoveredSoundsNotch);
}

void OptionsScreen::DrawLabels() {
    if (!labelFont) return;
    for (const Label& l : kLabels) labelFont->DrawText(l.text, l.x, l.y, l.width, l.height, kLabelColour, DT_LEFT);
    // Back: lit under the pointer, red while pressed.
    const uint8_t back = wordHighlight[kBackWord];
    Font* font = back && highlightFont ? highlightFont.get() : labelFont.get();
    const uint32_t colour = back == 2 ? kCurrentNotchColour : back ? kHighlightColour : kLabelColour;
    font->DrawText(kBackLabel.text, kBackLabel.x, kBackLabel.y, kBackLabel.width, kBackLabel.height, colour, DT_LEFT);
}

void OptionsScreen::DrawSwitch(int32_t y, uint8_t on, int firstWord) {
    DrawWord(on ? "ON @" : "ON", textX, y, firstWord);
    DrawWord(on ? "OFF" : "OFF @", textX + kOffX, y, firstWord + 1);
}

void OptionsScreen::DrawWord(const char* text, int32_t x, int32_t y, int word) {
    const bool lit = wordHighlight[word] != 0 && highlightFont;
    Font* font = (lit ? highlightFont : labelFont).get();
    if (font) font->DrawText(text, x, y, kWordBoxWidth, kWordBoxHeight, lit ? kHighlightColour : kLabelColour, DT_LEFT);
}

void OptionsScreen::DrawSlider(int32_t y, uint8_t current, uint8_t hovered) {
    if (!sheet) return;
    const auto at = [](int i) { return static_cast<float>(kNotchX + kNotchWidth * i); };
    for (int i = 0; i < kNotches; ++i) {
        sheet->Draw(kVolumeImage, 0, at(i), static_cast<float>(y), kNotchColour, 1.0f, 1.0f, 0, 0.0f);
    }
    if (current < kNotches) {
        sheet->Draw(kVolumeImage, 0, at(current), static_cast<float>(y), kCurrentNotchColour, 1.0f, 1.0f, 0, 0.0f);
    }
    if (hovered != 0 && hovered <= kNotches) {
        sheet->Draw(kVolumeImage, 0, at(hovered - 1), static_cast<float>(y), kHoveredNotchColour, 1.0f, 1.0f, 0,
                    0.0f);
    }
}
