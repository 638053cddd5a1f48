#include "platform/audio_volume.h"

#include <algorithm>
#include <cmath>

namespace audio_volume {

int32_t MasterCentibels(int32_t volume) { return ((volume % 101) * 5 - 450) * 20; }

int32_t ChannelCentibels(int32_t volume) { return ((volume % 101) * 5 - 500) * 20; }

int32_t MusicCentibels(int32_t volume) {
    if (volume == 0) return -9600;
    return static_cast<int32_t>((100 - (volume % 101)) * -32.0);
}

int MixerGain(int32_t centibels) {
    // Anything above 0 dB is full gain; far below the minimum is silence.
    const int32_t bounded = std::clamp(centibels, 2 * kMinCentibels, 0);
    const double gain = std::pow(10.0, static_cast<double>(bounded) / 2000.0);
    const long scaled = std::lround(gain * kMixerMax);
    return static_cast<int>(std::clamp<long>(scaled, 0, kMixerMax));
}

}  // namespace audio_volume
