// Checks the sounds the build wrote: headers, and that the mixer opens them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "sounds.h"
#include "standin_test_util.h"

using namespace standin;

namespace {

bool EncoderInstalled() {
    const std::string lame = STANDIN_LAME;
    return !lame.empty() && lame.find("NOTFOUND") == std::string::npos && std::filesystem::exists(lame);
}

TEST(StandinSounds, WavFilesArePcm16Mono22050) {
    int count = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.kind != AssetKind::Wav) continue;
        SCOPED_TRACE(e.name);
        WavInfo info;
        ASSERT_TRUE(ReadWavInfo(GamePath(e.name).string(), info));
        EXPECT_EQ(info.format, 1);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.sampleRate, 22050);
        EXPECT_EQ(info.bitsPerSample, 16);
        EXPECT_GT(info.dataBytes, 22050u / 10);  // a tenth of a second at least
        ++count;
    }
    EXPECT_GE(count, 30);
}

TEST(StandinSounds, EffectsDifferAndLoopsEndWhereTheyStart) {
    EXPECT_NE(MakeEffect("Data\\STAMP.wav"), MakeEffect("Data\\SNAP1.wav"));
    EXPECT_EQ(MakeEffect("Data\\STAMP.wav"), MakeEffect("Data\\STAMP.wav"));
    const std::vector<int16_t> loop = MakeLoop("Data\\scifi071.wav", 4.0f);
    ASSERT_EQ(loop.size(), 4u * kSampleRate);
    // The step across the seam is no bigger than steps inside the loop.
    int largest = 0;
    for (size_t i = 1; i < loop.size(); ++i) largest = std::max(largest, std::abs(loop[i] - loop[i - 1]));
    EXPECT_LE(std::abs(loop.front() - loop.back()), largest);
}

TEST(StandinSounds, MidiFilesAreWholeStandardMidi) {
    int count = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.kind != AssetKind::Midi) continue;
        SCOPED_TRACE(e.name);
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(ReadBytes(GamePath(e.name).string(), bytes));
        std::string error;
        EXPECT_TRUE(CheckMidi(bytes, error)) << error;
        ++count;
    }
    EXPECT_EQ(count, 3);
    EXPECT_NE(MakeMidi("Data\\Music.mid"), MakeMidi("Data\\Music4.mid"));
}

TEST(StandinSounds, MidiCheckCatchesBrokenFiles) {
    std::vector<uint8_t> good = MakeMidi("Data\\Music5.mid");
    std::string error;
    ASSERT_TRUE(CheckMidi(good, error));
    std::vector<uint8_t> cut(good.begin(), good.end() - 4);  // end-of-track gone, length now wrong
    EXPECT_FALSE(CheckMidi(cut, error));
    std::vector<uint8_t> noHeader = good;
    noHeader[0] = 'X';
    EXPECT_FALSE(CheckMidi(noHeader, error));
    EXPECT_FALSE(CheckMidi({}, error));
}

TEST(StandinSounds, Mp3IsThereWhenAnEncoderIs) {
    const std::filesystem::path mp3 = GamePath("Data\\Devivi.mp3");
    if (!EncoderInstalled()) {
        EXPECT_FALSE(std::filesystem::exists(mp3));
        GTEST_SKIP() << "no MP3 encoder installed";
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadBytes(mp3.string(), bytes));
    ASSERT_GT(bytes.size(), 1000u);
    const bool id3 = bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3';
    const bool sync = bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0;
    EXPECT_TRUE(id3 || sync);
}

// The mixer the game plays through (the dummy device in tests) decodes each.
class StandinMixer : public ::testing::Test {
protected:
    void SetUp() override {
        if (SDL_Init(SDL_INIT_AUDIO) != 0) GTEST_SKIP() << SDL_GetError();
        Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
        if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
            SDL_Quit();
            GTEST_SKIP() << Mix_GetError();
        }
        Mix_SetSoundFonts(GAME_SOUNDFONT);
    }
    void TearDown() override {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
    }
};

TEST_F(StandinMixer, OpensEveryWavMidiAndMp3) {
    int opened = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        if (e.IsImage()) continue;
        SCOPED_TRACE(e.name);
        const std::string path = GamePath(e.name).string();
        if (e.kind == AssetKind::Mp3 && !EncoderInstalled()) continue;
        if (e.kind == AssetKind::Wav) {
            Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
            EXPECT_NE(chunk, nullptr) << Mix_GetError();
            if (chunk) Mix_FreeChunk(chunk);
        }
        // WAV music loops go through the music path too.
        Mix_Music* music = Mix_LoadMUS(path.c_str());
        EXPECT_NE(music, nullptr) << Mix_GetError();
        if (music) Mix_FreeMusic(music);
        ++opened;
    }
    EXPECT_GE(opened, 35);
}

}  // namespace
