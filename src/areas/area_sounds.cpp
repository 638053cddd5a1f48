#include "areas/area_sounds.h"

#include <algorithm>
#include <iterator>

#include "areas/area_session.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
// Channels: 0 area and warnings, 1 interface, 2 hit cries, 3 voices, 4 ray,
// 5 pickups and alarms, 6 skill blasts, 7 explosions.
constexpr AreaSoundRow kAreaSounds[] = {
    {"Data\\STAMP.wav", 1, 0},          {"Data\\MODULAT3.wav", 5, 11},  {"Data\\BORDERP.wav", 0, 10},
    {"Data\\ACCENT.wav", 0, 20},        {"Data\\SNAP1.wav", 1, 0},      {"Data\\Pick.wav", 5, 20},
    {"Data\\RAY.wav", 4, -10},          {"Data\\YO.wav", 3, 10},        {"Data\\SHAWEE.wav", 6, 10},
    {"Data\\LONGWHO.wav", 6, 10},       {"Data\\scifi029.wav", 6, 20},  {"Data\\emergency003.wav", 6, 10},
    {"Data\\ELECTRI.wav", 1, 0},        {"Data\\BOUNCER.wav", 0, 0},    {"Data\\AHHHH.wav", 2, 0},
    {"Data\\Smash.wav", 2, 0},          {"Data\\battle003.wav", 2, 0},  {"Data\\ROBTTALK.wav", 3, 0},
    {"Data\\DROPTIN.wav", 0, 0},        {"Data\\TRIBAM.wav", 7, 0},     {"Data\\ZING.wav", 7, 0},
    {"Data\\TOOMUCH.wav", 5, 10},     {"Data\\STAMP.wav", 2, 0},
};
static_assert(std::size(kAreaSounds) == static_cast<size_t>(AreaSound::Count));

constexpr int32_t kQuietestRay = 10;  // RAY is not played at or below this volume
}  // namespace

const AreaSoundRow& AreaSoundAt(AreaSound sound) { return kAreaSounds[static_cast<size_t>(sound)]; }

int32_t AreaSoundVolume(uint32_t soundVolume, int32_t offset) {
    int64_t sum = static_cast<int64_t>(soundVolume) + offset;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, 0, 100));
}

void PlayAreaSound(GameApp& app, AreaSession& area, AreaSound sound) {
    const GameState* state = app.gameState.get();
    if (!state || !state->soundsOn) return;
    if (sound == AreaSound::Ray && state->soundVolume <= kQuietestRay) return;
    const AreaSoundRow& row = AreaSoundAt(sound);
    ++area.soundsPlayed[static_cast<size_t>(sound)];
    app.channels[row.channel].Play(row.file, AreaSoundVolume(state->soundVolume, row.volumeOffset), 1);
}
