#pragma once
#include <cstdint>

class AudioSystem;
struct Mix_Chunk;

// One sound effect at a time on a mixer channel of its own; a new sound
// stops the one playing.
class SoundChannel {
public:
    SoundChannel() = default;
    ~SoundChannel();
    SoundChannel(const SoundChannel&) = delete;
    SoundChannel& operator=(const SoundChannel&) = delete;

    int Init(AudioSystem* audioSystem);
    int Release();
    // volume 0..100 (modulo 101); repeats 0 loops until stopped, n plays n times.
    int Play(const char* fileName, int32_t playVolume, uint32_t playRepeats);
    int Stop();
    int SetVolume(int32_t newVolume);
    // 1 while the channel's sound is audible (or looping).
    int IsPlaying() const;

    AudioSystem* system = nullptr;
    int audioPath = -1;  // the mixer channel, -1 when none
    Mix_Chunk* segment = nullptr;  // the sound now loaded; owned by the system
    uint32_t volume = 0;
    uint32_t repeats = 0;

private:
    bool Usable() const;
    uint32_t generation_ = 0;
};
