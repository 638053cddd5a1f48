#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
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
#include "support/scratch_folder.h"

namespace {

void PutLe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
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
    std::vector<unsigned char> midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 0,
                                       0x00, 0xC0, 0x00};
    for (unsigned char note : {60, 64, 67}) {
        for (unsigned char byte : {0x00, 0x90, int{note}, 100, 0x30, 0x80, int{note}, 0}) midi.push_back(byte);
    }
    for (unsigned char byte : {0x00, 0xFF, 0x2F, 0x00}) midi.push_back(byte);
    midi[21] = static_cast<unsigned char>(midi.size() - 22);  // the track's length
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
        ScratchFolder::WriteBytes("Data/Short.wav", ToneWav(0.1, 440));
        ScratchFolder::WriteBytes("Data/Other.wav", ToneWav(0.1, 660));
        ScratchFolder::WriteBytes("Data/Long.wav", ToneWav(0.25, 550));
        ScratchFolder::WriteBytes("Data/Tune.mid", ThreeNoteMidi());
        ScratchFolder::WriteBytes("Data/Broken.wav", {'R', 'I', 'F', 'F', 1, 2, 3, 4, 'j', 'u', 'n', 'k'});
        ScratchFolder::WriteBytes("Data/Broken.mid", {'M', 'T', 'h', 'd', 0, 0});
        setenv("SDL_AUDIODRIVER", "dummy", 0);  // silent, but it decodes and mixes
        ASSERT_EQ(audio.Init(nullptr, 22050), 1);
        ASSERT_EQ(audio.IsOpen(), 1) << "the dummy audio driver should always open: " << SDL_GetError();
        // The mixer marks a pause with the tick count, so a pause in the very
        // first millisecond after start-up would not hold.
        SDL_Delay(2);
    }

    ScratchFolder dir{ScratchFolder::kWorkInside};
    AudioSystem audio;
};

}  // namespace

TEST(AudioVolume, VolumesBecomeCentibelsAndLogarithmicMixerGain) {
    using namespace audio_volume;
    // Volume: master, channel and music attenuation, then their mixer gains.
    const struct {
        int32_t volume, master, channel, music;
        int masterGain, channelGain, musicGain;
    } rows[] = {
        {100, 1000, 0, 0, 128, 128, 128},         // +10 dB is held to full: the mixer cannot amplify
        {50, -4000, -5000, -1600, 1, 0, 20},
        {0, -9000, -10000, -9600, 0, 0, 0},
        {150, -4100, -5100, -1632, 1, 0, 20},     // taken modulo 101
        {82, -800, -1800, -576, 51, 16, 66},      // the game's default sound volume
        {-10, -10000, -11000, -3520, 0, 0, 2},    // a signed remainder
    };
    for (const auto& r : rows) {
        EXPECT_EQ(MasterCentibels(r.volume), r.master) << r.volume;
        EXPECT_EQ(ChannelCentibels(r.volume), r.channel) << r.volume;
        EXPECT_EQ(MusicCentibels(r.volume), r.music) << r.volume;
        EXPECT_EQ(MixerGain(r.master), r.masterGain) << r.volume;
        EXPECT_EQ(MixerGain(r.channel), r.channelGain) << r.volume;
        EXPECT_EQ(MixerGain(r.music), r.musicGain) << r.volume;
    }
    EXPECT_EQ(MixerGain(-600), 64);   // -6 dB is half the amplitude
    EXPECT_EQ(MixerGain(-2000), 13);  // -20 dB is a tenth
    EXPECT_EQ(MixerGain(INT32_MIN), 0);
    EXPECT_EQ(MixerGain(INT32_MAX), 128);
}

TEST_F(AudioTest, EightChannelsAndTheirVolumes) {
    SoundChannel channels[AudioSystem::kSoundChannels];
    for (SoundChannel& channel : channels) EXPECT_EQ(channel.Init(&audio), 1);
    SoundChannel ninth;
    EXPECT_EQ(ninth.Init(&audio), 0);
    EXPECT_EQ(channels[3].SetVolume(150), 1);
    EXPECT_EQ(channels[3].volume, 49u);
    EXPECT_EQ(Mix_Volume(channels[3].audioPath, -1), audio_volume::MixerGain(-5100));
    EXPECT_EQ(channels[2].SetVolume(100), 1);
    EXPECT_EQ(Mix_Volume(channels[2].audioPath, -1), 128);
    channels[7].Release();
    EXPECT_EQ(ninth.Init(&audio), 1) << "a released channel can be taken again";
}

// What the mixer reports from its own thread: the sample frames it has
// mixed, and how many it had mixed when the music last ended. Measured in
// the mixer's frames, not in time, so a slow or busy machine reads the same.
class MixerReport {
public:
    MixerReport() {
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&frequency, &format, &channels);
        rate_ = frequency;
        bytesPerFrame_ = channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
        Mix_SetPostMix(&MixerReport::PostMix, nullptr);
        Mix_HookMusicFinished(&MixerReport::MusicEnded);
        Mix_ChannelFinished(&MixerReport::ChannelEnded);
    }
    ~MixerReport() {
        Mix_ChannelFinished(nullptr);
        Mix_HookMusicFinished(nullptr);
        Mix_SetPostMix(nullptr, nullptr);
    }
    // Frames mixed from now on; the end of the music forgotten.
    void Restart() {
        SDL_LockAudio();
        start_ = mixed_.load();
        endedAt_ = 0;
        channelEndedAt_ = 0;
        SDL_UnlockAudio();
    }
    uint64_t Mixed() const { return mixed_ - start_; }
    // Frames mixed from the restart to the end of the music; 0 while it plays.
    uint64_t MixedWhenEnded() const { return endedAt_ ? endedAt_ - start_ : 0; }
    // The same for the last sound channel that ended.
    uint64_t MixedWhenChannelEnded() const { return channelEndedAt_ ? channelEndedAt_ - start_ : 0; }
    uint64_t Frames(double seconds) const { return static_cast<uint64_t>(seconds * rate_); }
    bool WaitForMixed(uint64_t frames) const {
        return WaitUntil([&] { return Mixed() >= frames; }, 20000);
    }

private:
    static void PostMix(void*, Uint8*, int bytes) { mixed_ += static_cast<uint64_t>(bytes / bytesPerFrame_); }
    static void MusicEnded() { endedAt_ = mixed_.load(); }
    static void ChannelEnded(int) { channelEndedAt_ = mixed_.load(); }

    static inline std::atomic<uint64_t> mixed_{0};
    static inline std::atomic<uint64_t> endedAt_{0};
    static inline std::atomic<uint64_t> channelEndedAt_{0};
    static inline int bytesPerFrame_ = 4;
    uint64_t start_ = 0;
    int rate_ = 0;
};

TEST_F(AudioTest, SoundsLoopRepeatOrStopAndBadFilesLeaveTheChannelSilent) {
    MixerReport mixer;
    SoundChannel channel;
    ASSERT_EQ(channel.Init(&audio), 1);
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 0), 1);
    mixer.Restart();
    Mix_Chunk* first = channel.segment;
    ASSERT_TRUE(mixer.WaitForMixed(mixer.Frames(0.4)));  // four times its length later a looping sound still plays
    EXPECT_EQ(channel.IsPlaying(), 1);
    EXPECT_EQ(mixer.MixedWhenChannelEnded(), 0u);
    ASSERT_EQ(channel.Play("Data\\other.WAV", 90, 4), 1);  // replaces it; names match regardless of case
    EXPECT_EQ(Mix_GetChunk(channel.audioPath), channel.segment);
    EXPECT_NE(channel.segment, first);
    mixer.Restart();
    EXPECT_EQ(channel.volume, 90u);
    EXPECT_TRUE(WaitUntil([&] { return channel.IsPlaying() == 0; }, 20000));
    EXPECT_GT(mixer.MixedWhenChannelEnded(), mixer.Frames(3.5 * 0.1)) << "four plays of a tenth of a second";
    EXPECT_LT(mixer.MixedWhenChannelEnded(), mixer.Frames(4.5 * 0.1));
    ASSERT_EQ(channel.Play("Data\\Short.wav", 100, 0), 1);
    EXPECT_EQ(channel.segment, first) << "decoded once, kept";

    for (const char* bad : {"Data\\Nothing.wav", "Data\\Broken.wav", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(channel.Play(bad, 100, 1), 0);
        EXPECT_EQ(channel.IsPlaying(), 0) << "the old sound was stopped first";
    }
    EXPECT_EQ(channel.Play("Data\\Short.wav", 100, 1), 1) << "still usable";
    EXPECT_EQ(channel.Stop(), 1);
    EXPECT_EQ(Mix_Playing(channel.audioPath), 0);

    MusicTrack music;
    ASSERT_EQ(music.Init(&audio), 1);
    for (const char* bad : {"Data\\Music4.mid", "Data\\Broken.mid", "Data\\Broken.wav"}) EXPECT_EQ(music.Load(bad), 0);
    EXPECT_EQ(music.Play(50, 1), 0);
}

TEST_F(AudioTest, MusicTrackPlaysWavAndMidi) {
    MixerReport mixer;
    MusicTrack music;
    ASSERT_EQ(music.Init(&audio), 1);
    EXPECT_EQ(music.Play(40, 0), 0);  // nothing loaded
    ASSERT_EQ(music.Load("Data\\Long.wav"), 1);
    EXPECT_EQ(music.SetVolume(90), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), audio_volume::MixerGain(-320));
    mixer.Restart();
    ASSERT_EQ(music.Play(100, 0), 1);
    ASSERT_TRUE(mixer.WaitForMixed(mixer.Frames(0.6)));  // over twice its length: it loops
    EXPECT_EQ(music.IsPlaying(), 1);
    EXPECT_EQ(mixer.MixedWhenEnded(), 0u);
    EXPECT_EQ(music.Stop(), 1);
    EXPECT_EQ(music.IsPlaying(), 0);

    mixer.Restart();
    ASSERT_EQ(music.Play(100, 2), 1);  // twice, then it ends
    EXPECT_TRUE(WaitUntil([&] { return music.IsPlaying() == 0; }, 20000));
    EXPECT_GT(mixer.MixedWhenEnded(), mixer.Frames(1.5 * 0.25)) << "played twice";
    EXPECT_LT(mixer.MixedWhenEnded(), mixer.Frames(2.5 * 0.25)) << "and no more";

    // MIDI through the soundfont, as the scenes change music.
    music.Stop();
    music.Unload();
    ASSERT_EQ(music.Init(&audio), 1);
    ASSERT_EQ(music.Load("Data\\Tune.mid"), 1) << Mix_GetError();
    mixer.Restart();
    ASSERT_EQ(music.Play(40, 0), 1) << Mix_GetError();
    EXPECT_EQ(music.volume, 40u);
    ASSERT_TRUE(mixer.WaitForMixed(mixer.Frames(1.0)));  // past the tune's three quarters of a second
    EXPECT_EQ(music.IsPlaying(), 1);
    EXPECT_EQ(mixer.MixedWhenEnded(), 0u);
    EXPECT_EQ(music.SetVolume(0), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    EXPECT_EQ(music.Unload(), 1);
    EXPECT_EQ(music.segment, nullptr);
    EXPECT_EQ(music.IsPlaying(), 0);
}

TEST_F(AudioTest, StreamRunsStopsRewindsAndReportsItsEnd) {
    MixerReport mixer;
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
    // Stopped for longer than the whole sound, it keeps its place and does not end.
    mixer.Restart();
    ASSERT_TRUE(mixer.WaitForMixed(mixer.Frames(0.4)));
    EXPECT_EQ(stream.GetEvent(&code), 0);
    EXPECT_EQ(mixer.MixedWhenChannelEnded(), 0u);
    EXPECT_EQ(stream.Run(), 1);
    EXPECT_TRUE(WaitUntil([&] { return stream.GetEvent(&code) == 1; }, 20000));
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

TEST_F(AudioTest, StoppedStreamRunsOnFromWhereItStopped) {
    ScratchFolder::WriteBytes("Data/Second.wav", ToneWav(1.0, 330));
    MixerReport mixer;
    Mp3Stream stream;
    ASSERT_EQ(stream.Open(&audio, "Data\\Second.wav"), 1);
    mixer.Restart();
    ASSERT_EQ(stream.Run(), 1);
    ASSERT_TRUE(mixer.WaitForMixed(mixer.Frames(0.5)));
    ASSERT_EQ(stream.Stop(), 1);
    mixer.Restart();
    ASSERT_EQ(stream.Run(), 1);
    int32_t code = 0;
    ASSERT_TRUE(WaitUntil([&] { return stream.GetEvent(&code) == 1; }, 20000));
    // Half a second was left; from the start it would take the whole second.
    EXPECT_GT(mixer.MixedWhenChannelEnded(), 0u);
    EXPECT_LT(mixer.MixedWhenChannelEnded(), mixer.Frames(0.75));
}

TEST_F(AudioTest, StreamDecodesARealMp3) {
    if (std::system("command -v lame >/dev/null 2>&1") != 0) GTEST_SKIP() << "no MP3 encoder to make a test file";
    ASSERT_EQ(std::system("lame --quiet Data/Long.wav Data/Track.mp3"), 0);
    Mp3Stream stream;
    ASSERT_EQ(stream.Open(&audio, "Data\\Track.mp3"), 1);
    EXPECT_EQ(stream.Run(), 1);
    EXPECT_EQ(stream.IsRunning(), 1);
    int32_t code = 0;
    EXPECT_TRUE(WaitUntil([&] { return stream.GetEvent(&code) == 1; }, 20000));
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
    ScratchFolder dir{ScratchFolder::kWorkInside};
    ScratchFolder::WriteBytes("Data/Short.wav", ToneWav(0.1, 440));
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
    const auto bytes = ScratchFolder::ReadBytes(name);
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
        ScratchFolder::WriteBytes("Data/Tone.wav", ToneWav(0.3, 440));
        ScratchFolder::WriteBytes("Data/Tune.mid", ThreeNoteMidi());
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

    ScratchFolder dir{ScratchFolder::kWorkInside};
    std::string saved_;
    bool hadDriver_ = false;
};

}  // namespace

TEST_F(DiskAudioTest, WavAndMidiReachTheOutputAtTheirVolume) {
    // The tone's amplitude is 8000: at full volume, at 80 (-20 dB), and the MIDI tune.
    const struct {
        const char* file;
        const char* sound;
        int32_t volume;
        int loudestAbove, loudestBelow;
    } rows[] = {{"effects.raw", "Data\\Tone.wav", 100, 4000, 32768},
                {"quiet.raw", "Data\\Tone.wav", 80, 300, 1200},
                {"music.raw", "Data\\Tune.mid", 100, 100, 32768}};
    for (const auto& r : rows) {
        setenv("SDL_DISKAUDIOFILE", r.file, 1);
        {
            AudioSystem audio;
            ASSERT_EQ(audio.Init(nullptr, 22050), 1);
            ASSERT_EQ(audio.IsOpen(), 1) << SDL_GetError();
            SoundChannel channel;
            MusicTrack music;
            ASSERT_EQ(channel.Init(&audio), 1);
            ASSERT_EQ(music.Init(&audio), 1);
            if (std::string(r.sound).ends_with(".wav")) {
                ASSERT_EQ(channel.Play(r.sound, r.volume, 1), 1);
                EXPECT_TRUE(WaitUntil([&] { return channel.IsPlaying() == 0; }, 5000));
            } else {
                ASSERT_EQ(music.Load(r.sound), 1);
                ASSERT_EQ(music.Play(r.volume, 1), 1);
                // Played once to its end, however long the machine takes.
                EXPECT_TRUE(WaitUntil([&] { return music.IsPlaying() == 0; }, 20000));
                music.Unload();
            }
            audio.Shutdown();
        }
        const int loudest = LoudestSample(r.file);
        EXPECT_GT(loudest, r.loudestAbove) << r.file;
        EXPECT_LT(loudest, r.loudestBelow) << r.file;
    }
}
