#pragma once
#include <cstdint>
#include <string>

class AudioSystem;
typedef struct _Mix_Music Mix_Music;

// The one music track: a WAV or a MIDI file (played through the General
// MIDI soundfont).
class MusicTrack {
public:
    MusicTrack() = default;
    ~MusicTrack() { Unload(); }
    MusicTrack(const MusicTrack&) = delete;
    MusicTrack& operator=(const MusicTrack&) = delete;

    int Init(AudioSystem* audioSystem);
    int Load(const char* fileName);
    int Unload();
    // volume 0..100 (modulo 101); repeats 0 loops until stopped.
    int Play(int32_t playVolume, uint32_t repeats);
    int Stop();
    int SetVolume(int32_t newVolume);
    int IsPlaying() const;

    AudioSystem* system = nullptr;
    Mix_Music* segment = nullptr;
    uint32_t volume = 0;
    // The file loaded, as the game names it; empty while none is.
    std::string loadedFile;

private:
    bool Usable() const;
};
