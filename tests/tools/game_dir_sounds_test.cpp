// Checks the sounds the build wrote: headers, and that the game's audio
// layer opens them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/audio_system.h"
#include "platform/mp3_stream.h"
#include "platform/music_track.h"
#include "platform/sound_channel.h"
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
    // Whole and consistent, but the last track stops short of its end-of-track event.
    ASSERT_GE(good.size(), 3u);
    ASSERT_EQ(std::vector<uint8_t>(good.end() - 3, good.end()), (std::vector<uint8_t>{0xFF, 0x2F, 0x00}));
    std::vector<uint8_t> unended(good.begin(), good.end() - 3);
    const std::string trackTag = "MTrk";
    const auto lastTrack = std::find_end(unended.begin(), unended.end(), trackTag.begin(), trackTag.end());
    ASSERT_NE(lastTrack, unended.end());
    uint8_t* length = &*(lastTrack + 4);
    const uint32_t shorter = ((uint32_t{length[0]} << 24) | (length[1] << 16) | (length[2] << 8) | length[3]) - 3;
    for (int b = 0; b < 4; ++b) length[b] = static_cast<uint8_t>(shorter >> (24 - 8 * b));
    EXPECT_FALSE(CheckMidi(unended, error));
    EXPECT_NE(error.find("end-of-track"), std::string::npos) << error;
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

// The game's audio layer (on the dummy device in tests) opens each one by
// the name the game uses; without a device the header checks above stand.
class StandinAudio : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(GameDir());  // read only: names resolve from the game directory
        audio_.Init(nullptr, 22050);
        if (!audio_.IsOpen()) GTEST_SKIP() << "no audio device";
    }
    void TearDown() override {
        audio_.Shutdown();
        std::filesystem::current_path(old_);
    }
    std::filesystem::path old_;
    AudioSystem audio_;
};

TEST_F(StandinAudio, EverySoundOpensByItsGameName) {
    SoundChannel channel;
    ASSERT_EQ(channel.Init(&audio_), 1);
    MusicTrack music;
    ASSERT_EQ(music.Init(&audio_), 1);
    int opened = 0;
    for (const ManifestEntry& e : RepoManifest().entries) {
        SCOPED_TRACE(e.name);
        switch (e.kind) {
        case AssetKind::Wav:
            EXPECT_EQ(channel.Play(e.name.c_str(), 0, 1), 1);
            EXPECT_NE(channel.segment, nullptr);
            if (e.style == "loop") {
                EXPECT_EQ(music.Load(e.name.c_str()), 1);  // music WAVs
            }
            ++opened;
            break;
        case AssetKind::Midi:
            EXPECT_EQ(music.Load(e.name.c_str()), 1);
            EXPECT_EQ(music.Play(0, 1), 1);
            ++opened;
            break;
        case AssetKind::Mp3: {
            if (!EncoderInstalled()) break;
            Mp3Stream stream;
            EXPECT_EQ(stream.Open(&audio_, e.name.c_str()), 1);
            stream.Release();
            ++opened;
            break;
        }
        default:
            break;
        }
    }
    channel.Stop();
    music.Stop();
    music.Unload();
    channel.Release();
    EXPECT_GE(opened, 35);
}

}  // namespace
