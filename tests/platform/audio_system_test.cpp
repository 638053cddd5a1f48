#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/audio_system.h"
#include "platform/audio_volume.h"
#include "platform/mp3_stream.h"
#include "platform/music_track.h"
#include "platform/sound_channel.h"
#include "scratch_directory.h"

namespace {

void PutLe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void PutBe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A mono 16-bit 22050 Hz sine tone.
std::vector<unsigned char> ToneWav(double seconds, double hertz) {
    const uint32_t rate = 22050;
    const uint32_t samples = static_cast<uint32_t>(seconds * rate);
    std::vector<unsigned char> wav = {'R', 'I', 'F', 'F'};
    PutLe(wav, 36 + samples * 2, 4);
    for (char c : std::string("WAVEfmt ")) wav.push_back(static_cast<unsigned char>(c));
    PutLe(wav, 16, 4);
    PutLe(wav, 1, 2);  // PCM
    PutLe(wav, 1, 2);  // mono
    PutLe(wav, rate, 4);
    PutLe(wav, rate * 2, 4);
    PutLe(wav, 2, 2);
    PutLe(wav, 16, 2);
    for (char c : std::string("data")) wav.push_back(static_cast<unsigned char>(c));
    PutLe(wav, samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double value = 8000.0 * std::sin(2.0 * M_PI * hertz * i / rate);
        PutLe(wav, static_cast<uint32_t>(static_cast<int16_t>(value)) & 0xFFFF, 2);
    }
    return wav;
}

// A format-0 MIDI file of three short notes on a piano.
std::vector<unsigned char> ThreeNoteMidi() {
    std::vector<unsigned char> track = {0x00, 0xC0, 0x00};
    for (unsigned char note : {60, 64, 67}) {
        for (unsigned char byte : {0x00, 0x90, int{note}, 100, 0x30, 0x80, int{note}, 0}) track.push_back(byte);
    }
    for (unsigned char byte : {0x00, 0xFF, 0x2F, 0x00}) track.push_back(byte);
    std::vector<unsigned char> midi = {'M', 'T', 'h', 'd'};
    PutBe(midi, 6, 4);
    PutBe(midi, 0, 2);
    PutBe(midi, 1, 2);
    PutBe(midi, 96, 2);
    for (char c : std::string("MTrk")) midi.push_back(static_cast<unsigned char>(c));
    PutBe(midi, static_cast<uint32_t>(track.size()), 4);
    midi.insert(midi.end(), track.begin(), track.end());
    return midi;
}

bool WaitUntil(const std::function<bool()>& condition, uint32_t timeoutMs) {
    const uint32_t start = SDL_GetTicks();
    while (!condition()) {
        if (SDL_GetTicks() - start > timeoutMs) return false;
        SDL_Delay(10);
    }
    return true;
}

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDirectory::WriteBytes("Data/Short.wav", ToneWav(0.1, 440));
        ScratchDirectory::WriteBytes("Data/Other.wav", ToneWav(0.1, 660));
        ScratchDirectory::WriteBytes("Data/Long.wav", ToneWav(0.25, 550));
        ScratchDirectory::WriteBytes("Data/Tune.mid", ThreeNoteMidi());
        ScratchDirectory::WriteBytes("Data/Broken.wav", {'R', 'I', 'F', 'F', 1, 2, 3, 4, 'j', 'u', 'n', 'k'});
        ScratchDirectory::WriteBytes("Data/Broken.mid", {'M', 'T', 'h', 'd', 0, 0});
        setenv("SDL_AUDIODRIVER", "dummy", 0);  // silent, but it decodes and mixes
        ASSERT_EQ(audio.Init(nullptr, 22050), 1);
        ASSERT_EQ(audio.IsOpen(), 1) << "the dummy audio driver should always open: " << SDL_GetError();
        // The mixer marks a pause with the tick count, so a pause in the very
        // first millisecond after start-up would not hold.
        SDL_Delay(2);
    }

    ScratchDirectory dir;
    AudioSystem audio;
};

}  // namespace

TEST(AudioVolume, FormulasInHundredthsOfADecibel) {
    using namespace audio_volume;
    EXPECT_EQ(MasterCentibels(100), 1000);
    EXPECT_EQ(MasterCentibels(50), -4000);
    EXPECT_EQ(MasterCentibels(0), -9000);
    EXPECT_EQ(MasterCentibels(150), MasterCentibels(49));
    EXPECT_EQ(ChannelCentibels(100), 0);
    EXPECT_EQ(ChannelCentibels(50), -5000);
    EXPECT_EQ(ChannelCentibels(0), -10000);
    EXPECT_EQ(ChannelCentibels(150), -5100);
    EXPECT_EQ(ChannelCentibels(99) - ChannelCentibels(98), 100);  // one step is one decibel
    EXPECT_EQ(MusicCentibels(100), 0);
    EXPECT_EQ(MusicCentibels(50), -1600);
    EXPECT_EQ(MusicCentibels(0), -9600);  // not -10000
    EXPECT_EQ(MusicCentibels(150), -1632);
    EXPECT_EQ(MusicCentibels(-10), -3520);  // signed remainder
}

TEST(AudioVolume, CentibelsBecomeLogarithmicMixerGain) {
    using namespace audio_volume;
    EXPECT_EQ(MixerGain(0), 128);
    EXPECT_EQ(MixerGain(1000), 128);  // the mixer cannot amplify
    EXPECT_EQ(MixerGain(-600), 64);   // -6 dB is half the amplitude
    EXPECT_EQ(MixerGain(-2000), 13);  // -20 dB is a tenth
    EXPECT_EQ(MixerGain(-1600), 20);
    EXPECT_EQ(MixerGain(-4000), 1);
    EXPECT_EQ(MixerGain(-5000), 0);
    EXPECT_EQ(MixerGain(-9600), 0);
    EXPECT_EQ(MixerGain(-2147483647 - 1), 0);
    EXPECT_EQ(MixerGain(2147483647), 128);
    // The gains of the three formulas at 0, 50, 100 and 150.
    struct Row {
        int32_t (*formula)(int32_t);
        int gains[4];
    };
    const Row rows[] = {
        {MasterCentibels, {0, 1, 128, 1}},   // -90 dB, -40 dB, +10 dB held to full, -41 dB
        {ChannelCentibels, {0, 0, 128, 0}},  // -100 dB, -50 dB, 0 dB, -51 dB
        {MusicCentibels, {0, 20, 128, 20}},  // -96 dB, -16 dB, 0 dB, -16.32 dB
    };
    const int32_t volumes[4] = {0, 50, 100, 150};
    for (const Row& row : rows) {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(MixerGain(row.formula(volumes[i])), row.gains[i]) << volumes[i];
    }
    EXPECT_EQ(MixerGain(ChannelCentibels(82)), 16);  // the game's default sound volume, -18 dB
    EXPECT_EQ(MixerGain(MusicCentibels(90)), 89);
}

TEST_F(AudioTest, EightChannelsAndVolumes) {
    SoundChannel channels[AudioSystem::kSoundChannels];
    for (SoundChannel& channel : channels) EXPECT_EQ(channel.Init(&audio), 1);
    SoundChannel ninth;
    EXPECT_EQ(ninth.Init(&audio), 0);
    EXPECT_EQ(channels[3].SetVolume(50), 1);
    EXPECT_EQ(channels[3].volume, 50u);
    EXPECT_EQ(Mix_Volume(channels[3].audioPath, -1), audio_volume::MixerGain(-5000));
    EXPECT_EQ(channels[3].SetVolume(150), 1);
    EXPECT_EQ(channels[3].volume, 49u);
    EXPECT_EQ(channels[2].SetVolume(100), 1);
    EXPECT_EQ(Mix_Volume(channels[2].audioPath, -1), 128);
    channels[7].Release();
    EXPECT_EQ(ninth.Init(&audio), 1);  // a released channel can be taken again
    EXPECT_EQ(audio.SetMasterVolume(100), 1);
    EXPECT_EQ(audio.masterVolume, 100u);
}

TEST_F(AudioTest, LoopingSoundKeepsPlayingAndASecondPlayReplacesIt) {
    SoundChannel channel;
    ASSERT_EQ(channel.Init(&audio), 1);
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 0), 1);
    Mix_Chunk* first = channel.segment;
    // Four times the sound's length later it still plays.
    SDL_Delay(400);
    EXPECT_EQ(channel.IsPlaying(), 1);
    EXPECT_EQ(Mix_GetChunk(channel.audioPath), first);
    ASSERT_EQ(channel.Play("Data\\other.WAV", 90, 1), 1);  // names match regardless of case
    EXPECT_NE(channel.segment, first);
    EXPECT_EQ(Mix_GetChunk(channel.audioPath), channel.segment);
    EXPECT_EQ(channel.repeats, 1u);
    EXPECT_EQ(channel.volume, 90u);
    // Played once, it ends by itself.
    EXPECT_TRUE(WaitUntil([&] { return channel.IsPlaying() == 0; }, 3000));
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 0), 1);
    EXPECT_EQ(channel.segment, first);  // decoded once, kept
    EXPECT_EQ(channel.Stop(), 1);
    EXPECT_EQ(channel.IsPlaying(), 0);
    EXPECT_EQ(Mix_Playing(channel.audioPath), 0);
}

TEST_F(AudioTest, RepeatCountPlaysThatManyTimes) {
    SoundChannel channel;
    ASSERT_EQ(channel.Init(&audio), 1);
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 4), 1);  // 0.4 s in all
    SDL_Delay(250);
    EXPECT_EQ(channel.IsPlaying(), 1);
    EXPECT_TRUE(WaitUntil([&] { return channel.IsPlaying() == 0; }, 3000));
}

TEST_F(AudioTest, MissingAndBrokenSoundsLeaveTheChannelSilent) {
    SoundChannel channel;
    ASSERT_EQ(channel.Init(&audio), 1);
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 0), 1);
    EXPECT_EQ(channel.Play("Data\\Nothing.wav", 100, 1), 0);
    EXPECT_EQ(channel.IsPlaying(), 0);  // the old sound was stopped first
    EXPECT_EQ(channel.Play("Data\\Broken.wav", 100, 1), 0);
    EXPECT_EQ(channel.Play(nullptr, 100, 1), 0);
    EXPECT_EQ(channel.Play("Data\\Short.wav", 100, 1), 1);  // still usable
}

TEST_F(AudioTest, MusicTrackPlaysWavAndMidi) {
    MusicTrack music;
    ASSERT_EQ(music.Init(&audio), 1);
    EXPECT_EQ(music.Play(40, 0), 0);  // nothing loaded
    ASSERT_EQ(music.Load("Data\\Long.wav"), 1);
    EXPECT_EQ(music.SetVolume(90), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), audio_volume::MixerGain(-320));
    ASSERT_EQ(music.Play(100, 0), 1);
    SDL_Delay(600);  // over twice its length: it loops
    EXPECT_EQ(music.IsPlaying(), 1);
    EXPECT_EQ(music.Stop(), 1);
    EXPECT_EQ(music.IsPlaying(), 0);
    ASSERT_EQ(music.Play(100, 2), 1);  // twice, then it ends
    SDL_Delay(350);
    EXPECT_EQ(music.IsPlaying(), 1);
    EXPECT_TRUE(WaitUntil([&] { return music.IsPlaying() == 0; }, 3000));

    // MIDI through the soundfont, as the scenes change music.
    music.Stop();
    music.Unload();
    ASSERT_EQ(music.Init(&audio), 1);
    ASSERT_EQ(music.Load("Data\\Tune.mid"), 1) << Mix_GetError();
    ASSERT_EQ(music.Play(40, 0), 1) << Mix_GetError();
    EXPECT_EQ(music.volume, 40u);
    SDL_Delay(200);
    EXPECT_EQ(music.IsPlaying(), 1);
    EXPECT_EQ(music.SetVolume(0), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    EXPECT_EQ(music.Unload(), 1);
    EXPECT_EQ(music.segment, nullptr);
    EXPECT_EQ(music.IsPlaying(), 0);
}

TEST_F(AudioTest, MissingOrBrokenMusicIsRefused) {
    MusicTrack music;
    ASSERT_EQ(music.Init(&audio), 1);
    EXPECT_EQ(music.Load("Data\\Music4.mid"), 0);
    EXPECT_EQ(music.Load("Data\\Broken.mid"), 0);
    EXPECT_EQ(music.Load("Data\\Broken.wav"), 0);
    EXPECT_EQ(music.Play(50, 1), 0);
    EXPECT_EQ(music.Load("Data\\Long.wav"), 1);
}

TEST_F(AudioTest, StreamRunsStopsRewindsAndReportsItsEnd) {
    Mp3Stream stream;
    int32_t code = 0;
    EXPECT_EQ(stream.Open(&audio, "Data\\Absent.mp3"), 0);
    EXPECT_EQ(stream.Run(), 0);
    ASSERT_EQ(stream.Open(&audio, "Data\\Long.wav"), 1);
    EXPECT_EQ(stream.SetVolume(-700), 1);
    EXPECT_EQ(Mix_Volume(AudioSystem::kStreamChannel, -1), audio_volume::MixerGain(-700));
    EXPECT_EQ(stream.SetVolume(-20000), 1);
    EXPECT_EQ(stream.volume, Mp3Stream::kMinVolume);
    stream.SetVolume(0);

    EXPECT_EQ(stream.Rewind(), 1);
    EXPECT_EQ(stream.Run(), 1);
    EXPECT_EQ(stream.IsRunning(), 1);
    EXPECT_EQ(stream.GetEvent(&code), 0);
    EXPECT_EQ(stream.Stop(), 1);
    EXPECT_EQ(Mix_Paused(AudioSystem::kStreamChannel), 1);
    EXPECT_EQ(stream.IsRunning(), 0);
    SDL_Delay(400);  // stopped, it keeps its place and does not end
    EXPECT_EQ(stream.GetEvent(&code), 0);
    EXPECT_EQ(stream.Run(), 1);
    EXPECT_TRUE(WaitUntil([&] { return stream.GetEvent(&code) == 1; }, 3000));
    EXPECT_EQ(code, Mp3Stream::kEventComplete);
    EXPECT_EQ(stream.GetEvent(&code), 0);  // reported once
    // The game rewinds and runs it again whenever it ended.
    EXPECT_EQ(stream.Rewind(), 1);
    EXPECT_EQ(stream.Run(), 1);
    EXPECT_EQ(stream.IsRunning(), 1);
    EXPECT_EQ(Mix_Playing(AudioSystem::kStreamChannel), 1);
    EXPECT_EQ(stream.Stop(), 1);
    EXPECT_EQ(stream.Release(), 1);
    EXPECT_EQ(stream.Run(), 0);
}

TEST_F(AudioTest, StreamDecodesARealMp3) {
    if (std::system("command -v lame >/dev/null 2>&1") != 0) GTEST_SKIP() << "no MP3 encoder to make a test file";
    ASSERT_EQ(std::system("lame --quiet Data/Long.wav Data/Track.mp3"), 0);
    Mp3Stream stream;
    ASSERT_EQ(stream.Open(&audio, "Data\\Track.mp3"), 1);
    EXPECT_EQ(stream.Run(), 1);
    EXPECT_EQ(stream.IsRunning(), 1);
    int32_t code = 0;
    EXPECT_TRUE(WaitUntil([&] { return stream.GetEvent(&code) == 1; }, 3000));
}

TEST_F(AudioTest, ObjectsOutlivingTheMixerFailQuietly) {
    SoundChannel channel;
    MusicTrack music;
    Mp3Stream stream;
    ASSERT_EQ(channel.Init(&audio), 1);
    ASSERT_EQ(music.Init(&audio), 1);
    ASSERT_EQ(music.Load("Data\\Tune.mid"), 1);
    ASSERT_EQ(stream.Open(&audio, "Data\\Short.wav"), 1);
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 0), 1);
    ASSERT_EQ(music.Play(50, 0), 1);
    audio.Shutdown();
    EXPECT_EQ(channel.Play("Data\\Short.wav", 100, 0), 0);
    EXPECT_EQ(channel.IsPlaying(), 0);
    EXPECT_EQ(channel.SetVolume(10), 0);
    EXPECT_EQ(music.Play(50, 0), 0);
    EXPECT_EQ(music.IsPlaying(), 0);
    EXPECT_EQ(stream.Run(), 0);
    // Their destructors run after the mixer closed without harm.
}

TEST(AudioWithoutDevice, EveryCallReturnsZeroAndTheGameGoesOn) {
    ScratchDirectory dir;
    ScratchDirectory::WriteBytes("Data/Short.wav", ToneWav(0.1, 440));
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    AudioSystem audio;
    EXPECT_EQ(audio.Init(nullptr, 22050), 1);  // start-up is not stopped
    if (previous) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
    EXPECT_EQ(audio.IsOpen(), 0);
    EXPECT_EQ(audio.SetMasterVolume(100), 0);
    SoundChannel channel;
    EXPECT_EQ(channel.Init(&audio), 0);
    EXPECT_EQ(channel.Play("Data\\Short.wav", 100, 1), 0);
    EXPECT_EQ(channel.SetVolume(100), 0);
    EXPECT_EQ(channel.Stop(), 1);
    MusicTrack music;
    EXPECT_EQ(music.Init(&audio), 0);
    EXPECT_EQ(music.Load("Data\\Short.wav"), 0);
    EXPECT_EQ(music.Play(50, 0), 0);
    EXPECT_EQ(music.IsPlaying(), 0);
    Mp3Stream stream;
    EXPECT_EQ(stream.Open(&audio, "Data\\Short.wav"), 0);
    int32_t code;
    EXPECT_EQ(stream.GetEvent(&code), 0);
    SoundChannel unset;
    EXPECT_EQ(unset.Init(nullptr), 0);
    EXPECT_EQ(unset.Play("Data\\Short.wav", 100, 1), 0);
}

namespace {

// The loudest 16-bit sample the disk driver wrote.
int LoudestSample(const std::string& name) {
    const auto bytes = ScratchDirectory::ReadBytes(name);
    int loudest = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const int16_t sample = static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8);
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

// Plays through SDL's disk driver, which writes the mixed output to a file.
class DiskAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDirectory::WriteBytes("Data/Tone.wav", ToneWav(0.3, 440));
        ScratchDirectory::WriteBytes("Data/Tune.mid", ThreeNoteMidi());
        const char* previous = std::getenv("SDL_AUDIODRIVER");
        saved_ = previous ? previous : "";
        hadDriver_ = previous != nullptr;
        setenv("SDL_AUDIODRIVER", "disk", 1);
    }
    void TearDown() override {
        if (hadDriver_) {
            setenv("SDL_AUDIODRIVER", saved_.c_str(), 1);
        } else {
            unsetenv("SDL_AUDIODRIVER");
        }
        unsetenv("SDL_DISKAUDIOFILE");
    }

    ScratchDirectory dir;
    std::string saved_;
    bool hadDriver_ = false;
};

}  // namespace

TEST_F(DiskAudioTest, WavAndMidiReachTheOutput) {
    {
        setenv("SDL_DISKAUDIOFILE", "effects.raw", 1);
        AudioSystem audio;
        ASSERT_EQ(audio.Init(nullptr, 22050), 1);
        ASSERT_EQ(audio.IsOpen(), 1) << SDL_GetError();
        SoundChannel channel;
        ASSERT_EQ(channel.Init(&audio), 1);
        ASSERT_EQ(channel.Play("Data\\Tone.wav", 100, 1), 1);
        EXPECT_TRUE(WaitUntil([&] { return channel.IsPlaying() == 0; }, 5000));
        audio.Shutdown();
    }
    // The tone's amplitude of 8000 at full volume, not silence.
    EXPECT_GT(LoudestSample("effects.raw"), 4000);
    {
        setenv("SDL_DISKAUDIOFILE", "quiet.raw", 1);
        AudioSystem audio;
        ASSERT_EQ(audio.Init(nullptr, 22050), 1);
        SoundChannel channel;
        ASSERT_EQ(channel.Init(&audio), 1);
        ASSERT_EQ(channel.Play("Data\\Tone.wav", 80, 1), 1);  // -20 dB
        EXPECT_TRUE(WaitUntil([&] { return channel.IsPlaying() == 0; }, 5000));
        audio.Shutdown();
    }
    const int quiet = LoudestSample("quiet.raw");
    EXPECT_GT(quiet, 300);
    EXPECT_LT(quiet, 1200);
    {
        setenv("SDL_DISKAUDIOFILE", "music.raw", 1);
        AudioSystem audio;
        ASSERT_EQ(audio.Init(nullptr, 22050), 1);
        MusicTrack music;
        ASSERT_EQ(music.Init(&audio), 1);
        ASSERT_EQ(music.Load("Data\\Tune.mid"), 1);
        ASSERT_EQ(music.Play(100, 1), 1);
        SDL_Delay(600);
        EXPECT_EQ(music.IsPlaying(), 1);
        music.Unload();
        audio.Shutdown();
    }
    EXPECT_GT(LoudestSample("music.raw"), 100);
}
