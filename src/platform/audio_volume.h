#pragma once
#include <cstdint>

// The game gives volumes as 0..100 (taken modulo 101, signed) and turns
// them into attenuation in hundredths of a decibel; the mixer wants a linear
// gain 0..128. The scale is logarithmic: for channels and the master volume
// one volume step is one decibel.
namespace audio_volume {

constexpr int32_t kMinCentibels = -10000;  // silence
constexpr int kMixerMax = 128;

// Master volume: +1000 at 100, -4000 at 50, -9000 at 0.
int32_t MasterCentibels(int32_t volume);
// A sound channel: 0 at 100, -5000 at 50, -10000 at 0.
int32_t ChannelCentibels(int32_t volume);
// The music track: 0 at 100, -1600 at 50, -9600 at 0.
int32_t MusicCentibels(int32_t volume);
// Linear mixer gain of an attenuation: 128 x 10^(cB / 2000), rounded, held
// to 0..128 (the mixer cannot amplify).
int MixerGain(int32_t centibels);

}  // namespace audio_volume
