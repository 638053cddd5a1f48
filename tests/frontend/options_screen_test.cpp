#include <gtest/gtest.h>

#include "frontend/options_screen.h"
#include "frontend_test_support.h"

namespace frontend_test {
namespace {

using Options = OptionsScreen;

At MusicNotch(int i) { return {188 + 16 * i, 300}; }
constexpr At kMusicOnWord{390, 185};
constexpr At kBack{160, 250};

TEST(OptionsScreen, NotchesMapToVolumesAndBack) {
    struct Case {
        uint8_t notch;
        uint32_t music, sounds;
    };
    // The lowest sounds notch switches sounds off, so it is silent too.
    constexpr Case kCases[] = {{0, 4, 0}, {1, 8, 57}, {12, 52, 68}, {24, 100, 80}};
    for (const Case& c : kCases) {
        EXPECT_EQ(Options::MusicVolumeForNotch(c.notch), c.music) << int(c.notch);
        EXPECT_EQ(Options::SoundVolumeForNotch(c.notch), c.sounds) << int(c.notch);
    }
    for (uint8_t i = 0; i < Options::kNotches; ++i) {
        EXPECT_EQ(Options::MusicNotchForVolume(Options::MusicVolumeForNotch(i)), i);
        EXPECT_EQ(Options::SoundsNotchForVolume(Options::SoundVolumeForNotch(i)), i);
    }
    EXPECT_EQ(Options::SoundsNotchForVolume(82), Options::kNoNotch);  // a new game's volume
    EXPECT_EQ(Options::SoundsNotchForVolume(54), Options::kNoNotch);
    EXPECT_EQ(Options::SoundsNotchForVolume(30), 0);
    EXPECT_EQ(Options::MusicNotchForVolume(3), Options::kNoNotch);
    EXPECT_EQ(Options::MusicNotchForVolume(315), Options::kNoNotch);
}

// The options as the scene drives them, on its copies of the record's values.
struct OptionsVisit {
    void Frame(At at) {
        InputDevice* device = mouse.Poll();
        screen.HitTest(at.x, at.y);
        screen.OnClick(at.x, at.y, device, musicOn, soundsOn, soundVolume, musicVolume, advisorOn);
        leaves += screen.BackChosen(device);
        screen.ResetHover();
    }
    void Click(At at) {
        PressAt(*this, at);
        ReleaseAt(*this, at);
    }
    OptionsScreen screen;
    Mouse mouse;
    uint8_t musicOn = 1, soundsOn = 1, advisorOn = 1;
    uint32_t soundVolume = 82, musicVolume = 60;
    int leaves = 0;
};

TEST(OptionsScreen, SliderEndsSetVolumesAndSwitches) {
    struct Case {
        At at;
        uint32_t musicVolume, soundVolume;
        uint8_t musicOn, soundsOn, notch;
    };
    // One visit: each click changes only its own slider.
    constexpr Case kCases[] = {
        {{188, 360}, 60, 0, 1, 0, 0},  {{572, 360}, 60, 80, 1, 1, 24},
        {{188, 300}, 4, 80, 0, 1, 0},  {{572, 300}, 100, 80, 1, 1, 24},
    };
    OptionsVisit v;
    for (const Case& c : kCases) {
        v.Click(c.at);
        EXPECT_TRUE(v.musicVolume == c.musicVolume && v.soundVolume == c.soundVolume) << c.at.x << "," << c.at.y;
        EXPECT_TRUE(v.musicOn == c.musicOn && v.soundsOn == c.soundsOn) << c.at.x << "," << c.at.y;
        EXPECT_EQ(c.at.y == 300 ? v.screen.musicNotch : v.screen.soundsNotch, c.notch);
    }
    // Each switch raised its event once, for the scene to carry out.
    const OptionsScreen& s = v.screen;
    EXPECT_TRUE(s.musicOnEvent == 1 && s.musicOffEvent == 1 && s.soundsOnEvent == 1 && s.soundsOffEvent == 1);
    EXPECT_EQ(v.leaves, 0);
}

TEST(OptionsScreen, OnlyTheFirstOnClickRestartsAtItsVolume) {
    OptionsVisit v;
    v.Click(kMusicOnWord);
    EXPECT_EQ(v.musicVolume, 50u);
    EXPECT_EQ(v.screen.musicOnEvent, 1);
    v.Click(MusicNotch(10));
    EXPECT_EQ(v.musicVolume, 44u);
    v.Click(kMusicOnWord);
    EXPECT_EQ(v.musicVolume, 44u) << "the event is still up";
    v.Click({470, 185});  // OFF
    EXPECT_EQ(v.musicVolume, 0u);
    EXPECT_EQ(v.musicOn, 0);
    v.Click({390, 445});  // advisor ON after OFF
    v.Click({470, 445});
    EXPECT_EQ(v.advisorOn, 0);
}

TEST(OptionsScreen, BackLeavesOnReleaseOverIt) {
    OptionsVisit v;
    PressAt(v, kBack);
    for (int i = 0; i < 3; ++i) v.Frame(kBack);
    EXPECT_EQ(v.leaves, 0);
    EXPECT_EQ(v.screen.wordHighlight[0], 2);
    ReleaseAt(v, kBack);
    EXPECT_EQ(v.leaves, 1);
    v.Frame(kBack);
    EXPECT_EQ(v.leaves, 1) << "once";
}

class OptionsScreenPicture : public Canvas {};

TEST_F(OptionsScreenPicture, SwitchesSlidersAndHoveredWord) {
    OptionsVisit v;
    v.screen.LoadArt(&graphics_);
    v.Click(MusicNotch(12));
    v.Click({188, 360});  // the lowest sounds notch
    v.screen.HitTest(kMusicOnWord.x, kMusicOnWord.y);
    Begin();
    v.screen.Draw(v.musicOn, v.soundsOn, art_.cloudsSheet, v.advisorOn);
    const Image shot = Shot();
    EXPECT_TRUE(MatchesReference(Crop(shot, 130, 170, 600, 300), "options"));
}

}  // namespace
}  // namespace frontend_test
