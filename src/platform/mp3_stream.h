#pragma once
#include <cstdint>

class AudioSystem;
struct Mix_Chunk;

// The player of the one MP3 track: the whole file decoded once and played on
// the mixer channel reserved for it. It can be run, stopped (keeping its
// place), rewound to the start and given a volume in hundredths of a
// decibel, and it reports when it has played to its end.
class Mp3Stream {
public:
    static constexpr int32_t kEventComplete = 1;  // played to its end
    static constexpr int32_t kMinVolume = -10000;
    static constexpr int32_t kMaxVolume = 0;

    Mp3Stream() = default;
    ~Mp3Stream() { Release(); }
    Mp3Stream(const Mp3Stream&) = delete;
    Mp3Stream& operator=(const Mp3Stream&) = delete;

    // Decodes the file; 0 when the mixer is closed or the file is missing or
    // undecodable, after which every other call returns 0.
    int Open(AudioSystem* audioSystem, const char* fileName);
    int Release();
    int Run();
    int Stop();
    int Rewind();
    int SetVolume(int32_t centibels);
    // Takes the next waiting event: 1 with its code, 0 when none is waiting.
    int GetEvent(int32_t* code);
    int IsRunning();

    int32_t volume = 0;  // hundredths of a decibel

private:
    enum class Position { Start, Running, Stopped, End };

    bool Usable() const;
    void NoteEnd();
    int Start();

    AudioSystem* system_ = nullptr;
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;
    uint32_t generation_ = 0;
    Position position_ = Position::Start;
    uint32_t pendingCompletes_ = 0;
};
