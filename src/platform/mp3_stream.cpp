#include "platform/mp3_stream.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <string>

#include "platform/audio_system.h"
#include "platform/audio_volume.h"
#include "platform/game_path.h"

bool Mp3Stream::Usable() const {
    return system_ && chunk_ && channel_ >= 0 && system_->IsOpen() && system_->Generation() == generation_;
}

int Mp3Stream::Open(AudioSystem* audioSystem, const char* fileName) {
    Release();
    if (!audioSystem || !audioSystem->IsOpen() || !fileName) return 0;
    Mix_Chunk* decoded = Mix_LoadWAV(ResolveGamePath(fileName).c_str());
    if (!decoded) return 0;
    const int channel = audioSystem->ClaimStreamChannel();
    if (channel < 0) {
        Mix_FreeChunk(decoded);
        return 0;
    }
    system_ = audioSystem;
    chunk_ = decoded;
    channel_ = channel;
    generation_ = audioSystem->Generation();
    position_ = Position::Start;
    pendingCompletes_ = 0;
    SetVolume(volume);
    return 1;
}

int Mp3Stream::Release() {
    if (Usable()) system_->FreeChannel(channel_);
    // The chunk is ours even when the mixer has closed since.
    if (chunk_) Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    channel_ = -1;
    system_ = nullptr;
    position_ = Position::Start;
    pendingCompletes_ = 0;
    return 1;
}

void Mp3Stream::NoteEnd() {
    if (position_ == Position::Running && !Mix_Playing(channel_)) {
        position_ = Position::End;
        ++pendingCompletes_;
    }
}

int Mp3Stream::Start() {
    Mix_HaltChannel(channel_);
    if (Mix_PlayChannel(channel_, chunk_, 0) < 0) return 0;
    position_ = Position::Running;
    return 1;
}

int Mp3Stream::Run() {
    if (!Usable()) return 0;
    NoteEnd();
    switch (position_) {
        case Position::Start: return Start();
        case Position::Stopped:
            Mix_Resume(channel_);
            position_ = Position::Running;
            return 1;
        case Position::End:
            // Running from the end finishes at once, as a player would.
            ++pendingCompletes_;
            return 1;
        case Position::Running: return 1;
    }
    return 1;
}

int Mp3Stream::Stop() {
    if (!Usable()) return 0;
    NoteEnd();
    if (position_ == Position::Running) {
        Mix_Pause(channel_);
        position_ = Position::Stopped;
    }
    return 1;
}

int Mp3Stream::Rewind() {
    if (!Usable()) return 0;
    NoteEnd();
    if (position_ == Position::Running) return Start();
    Mix_HaltChannel(channel_);
    position_ = Position::Start;
    return 1;
}

int Mp3Stream::SetVolume(int32_t centibels) {
    volume = std::clamp(centibels, kMinVolume, kMaxVolume);
    if (!Usable()) return 0;
    Mix_Volume(channel_, audio_volume::MixerGain(volume));
    return 1;
}

int Mp3Stream::GetEvent(int32_t* code) {
    if (!Usable()) return 0;
    NoteEnd();
    if (pendingCompletes_ == 0) return 0;
    --pendingCompletes_;
    if (code) *code = kEventComplete;
    return 1;
}

int Mp3Stream::IsRunning() {
    if (!Usable()) return 0;
    NoteEnd();
    return position_ == Position::Running ? 1 : 0;
}
