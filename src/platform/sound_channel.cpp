#include "platform/sound_channel.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <climits>

#include "platform/audio_system.h"
#include "platform/audio_volume.h"

SoundChannel::~SoundChannel() {
    Release();
    system = nullptr;
}

bool SoundChannel::Usable() const {
    return system && audioPath >= 0 && system->IsOpen() && system->Generation() == generation_;
}

int SoundChannel::Init(AudioSystem* audioSystem) {
    Release();
    system = audioSystem;
    if (!system || !system->IsOpen()) return 0;
    audioPath = system->ClaimChannel();
    generation_ = system->Generation();
    return audioPath >= 0 ? 1 : 0;
}

int SoundChannel::Release() {
    Stop();
    if (Usable()) system->FreeChannel(audioPath);
    audioPath = -1;
    return 1;
}

int SoundChannel::Play(const char* fileName, int32_t playVolume, uint32_t playRepeats) {
    Stop();
    if (!Usable()) return 0;
    Mix_Chunk* chunk = system->LoadSound(fileName);
    if (!chunk) return 0;
    segment = chunk;
    repeats = playRepeats;
    // The mixer counts extra plays; 0 repeats means for ever.
    const int loops = playRepeats == 0 ? -1 : static_cast<int>(std::min<uint32_t>(playRepeats - 1, INT_MAX));
    SetVolume(playVolume);
    return Mix_PlayChannel(audioPath, segment, loops) >= 0 ? 1 : 0;
}

int SoundChannel::Stop() {
    if (segment && Usable()) Mix_HaltChannel(audioPath);
    segment = nullptr;
    return 1;
}

int SoundChannel::SetVolume(int32_t newVolume) {
    if (!Usable()) return 0;
    Mix_Volume(audioPath, audio_volume::MixerGain(audio_volume::ChannelCentibels(newVolume)));
    volume = static_cast<uint32_t>(newVolume % 101);
    return 1;
}

int SoundChannel::IsPlaying() const {
    if (!segment || !Usable()) return 0;
    return Mix_Playing(audioPath) && Mix_GetChunk(audioPath) == segment ? 1 : 0;
}
