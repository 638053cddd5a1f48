#include "platform/audio_system.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <string_view>

#include "platform/audio_volume.h"
#include "platform/game_path.h"

namespace {

constexpr int kMixerChunkBytes = 1024;

bool FileExists(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

int AudioSystem::Init(SDL_Window* newWindow, int sampleRate) {
    Shutdown();
    window = newWindow;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 1;
    subsystemStarted_ = true;
    // The decoders stay loaded for the whole run: music freed after the
    // mixer closed must still find them.
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    if (Mix_OpenAudio(sampleRate, AUDIO_S16SYS, 2, kMixerChunkBytes) != 0) return 1;
    opened_ = true;
    Mix_AllocateChannels(kMixerChannels);
    Mix_ReserveChannels(kMixerChannels);  // nothing picks a channel by itself
#ifdef GAME_SOUNDFONT
    if (FileExists(GAME_SOUNDFONT)) Mix_SetSoundFonts(GAME_SOUNDFONT);
#endif
    SetMasterVolume(100);
    return 1;
}

int AudioSystem::Shutdown() {
    if (opened_) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        FreeSounds();
        Mix_CloseAudio();
        opened_ = false;
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
    }
    claimedChannels_ = 0;
    ++generation_;
    return 1;
}

int AudioSystem::SetMasterVolume(int32_t volume) {
    if (!opened_) return 0;
    Mix_MasterVolume(audio_volume::MixerGain(audio_volume::MasterCentibels(volume)));
    masterVolume = static_cast<uint32_t>(volume % 101);
    return 1;
}

Mix_Chunk* AudioSystem::LoadSound(const char* fileName) {
    if (!opened_ || !fileName) return nullptr;
    auto found = sounds_.find(std::string_view(fileName));
    if (found != sounds_.end()) return found->second;
    Mix_Chunk* chunk = Mix_LoadWAV(ResolveGamePath(fileName).c_str());
    // A missing file is tried again next time: it may be copied in later.
    if (chunk) sounds_.emplace(fileName, chunk);
    return chunk;
}

int AudioSystem::ClaimChannel() {
    if (!opened_) return -1;
    for (int channel = 0; channel < kSoundChannels; ++channel) {
        if (!(claimedChannels_ & (1u << channel))) {
            claimedChannels_ |= 1u << channel;
            return channel;
        }
    }
    return -1;
}

int AudioSystem::ClaimStreamChannel() {
    if (!opened_ || (claimedChannels_ & (1u << kStreamChannel))) return -1;
    claimedChannels_ |= 1u << kStreamChannel;
    return kStreamChannel;
}

void AudioSystem::FreeChannel(int channel) {
    if (channel < 0 || channel >= kMixerChannels) return;
    if (opened_) Mix_HaltChannel(channel);
    claimedChannels_ &= ~(1u << channel);
}

void AudioSystem::FreeSounds() {
    for (auto& entry : sounds_) Mix_FreeChunk(entry.second);
    sounds_.clear();
}
