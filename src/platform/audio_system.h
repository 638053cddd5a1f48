#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>

struct SDL_Window;
struct Mix_Chunk;

// The mixer the sound channels, the music track and the MP3 stream play
// through. Sound files are loaded once and kept until shut-down, as a loader
// cache would keep them. Without an audio device every operation fails
// quietly and the game runs silent.
class AudioSystem {
public:
    static constexpr int kSoundChannels = 8;
    static constexpr int kStreamChannel = kSoundChannels;  // reserved for the MP3 stream
    static constexpr int kMixerChannels = kSoundChannels + 1;

    AudioSystem() = default;
    ~AudioSystem() { Shutdown(); }
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // Returns 1 even when no device could be opened; IsOpen tells.
    int Init(SDL_Window* window, int sampleRate);
    int Shutdown();
    int SetMasterVolume(int32_t volume);
    int IsOpen() const { return opened_ ? 1 : 0; }
    // Raised on every shut-down so that objects made on an earlier opening
    // know their channel and sounds are gone.
    uint32_t Generation() const { return generation_; }

    // The decoded sound of a file name as the game spells it; null when it is
    // missing or cannot be decoded. Owned by the system.
    Mix_Chunk* LoadSound(const char* fileName);
    // Mixer channels 0..7 for the sound channels, the reserved one for the
    // stream; -1 when none is free or the mixer is closed.
    int ClaimChannel();
    int ClaimStreamChannel();
    void FreeChannel(int channel);

    SDL_Window* window = nullptr;
    uint32_t masterVolume = 0;

private:
    void FreeSounds();

    bool subsystemStarted_ = false;
    bool opened_ = false;
    uint32_t generation_ = 1;
    uint32_t claimedChannels_ = 0;
    // By the name as the game spells it, so that playing a known sound
    // neither allocates nor searches the disk.
    std::map<std::string, Mix_Chunk*, std::less<>> sounds_;
};
