#include "platform/music_track.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "platform/audio_system.h"
#include "platform/audio_volume.h"
#include "platform/game_path.h"

namespace {

uint32_t BigEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
           static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
}

// The synthesizer accepts any bytes and fails only when it plays them, so
// the file's chunk structure is checked first: a header chunk, then chunks
// that lie within the file, at least one of them a track.
bool LooksLikeMidi(SDL_RWops* file) {
    const Sint64 length = SDL_RWsize(file);
    if (length < 14) return false;
    uint8_t chunk[8];
    Sint64 offset = 0;
    bool header = true;
    bool track = false;
    while (offset + 8 <= length) {
        if (SDL_RWseek(file, offset, RW_SEEK_SET) < 0 || SDL_RWread(file, chunk, 1, 8) != 8) return false;
        const Sint64 bytes = BigEndian32(chunk + 4);
        if (header && (std::memcmp(chunk, "MThd", 4) != 0 || bytes < 6)) return false;
        if (offset + 8 + bytes > length) return false;
        if (std::memcmp(chunk, "MTrk", 4) == 0) track = true;
        header = false;
        offset += 8 + bytes;
    }
    return track && SDL_RWseek(file, 0, RW_SEEK_SET) == 0;
}

}  // namespace

bool MusicTrack::Usable() const { return system && system->IsOpen(); }

int MusicTrack::Init(AudioSystem* audioSystem) {
    Unload();
    system = audioSystem;
    return Usable() ? 1 : 0;
}

int MusicTrack::Load(const char* fileName) {
    Unload();
    if (!Usable() || !fileName) return 0;
    const std::string path = ResolveGamePath(fileName);
    if (std::strstr(fileName, ".mid")) {
        // Told apart by name, as the game does, not by content.
        SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
        if (!file) return 0;
        if (!LooksLikeMidi(file)) {
            SDL_RWclose(file);
            return 0;
        }
        segment = Mix_LoadMUSType_RW(file, MUS_MID, 1);
    } else {
        segment = Mix_LoadMUS(path.c_str());
    }
    if (!segment) return 0;
    loadedFile = fileName;
    return 1;
}

int MusicTrack::Unload() {
    Stop();
    if (segment) {
        Mix_FreeMusic(segment);
        segment = nullptr;
    }
    loadedFile.clear();
    return 1;
}

int MusicTrack::Play(int32_t playVolume, uint32_t repeats) {
    Stop();
    if (!Usable() || !segment) return 0;
    // The mixer counts plays; 0 repeats means for ever.
    const int plays = repeats == 0 ? -1 : static_cast<int>(std::min<uint32_t>(repeats, INT_MAX));
    SetVolume(playVolume);
    return Mix_PlayMusic(segment, plays) == 0 ? 1 : 0;
}

int MusicTrack::Stop() {
    if (!Usable()) return 0;
    if (segment && Mix_PlayingMusic()) Mix_HaltMusic();
    return 1;
}

int MusicTrack::SetVolume(int32_t newVolume) {
    if (!Usable()) return 0;
    Mix_VolumeMusic(audio_volume::MixerGain(audio_volume::MusicCentibels(newVolume)));
    volume = static_cast<uint32_t>(newVolume % 101);
    return 1;
}

int MusicTrack::IsPlaying() const {
    if (!Usable() || !segment) return 0;
    return Mix_PlayingMusic() ? 1 : 0;
}
