// The quest jingle and the sounds of the events the engine and the panel
// raised this frame.
#include "areas/area_event_sounds.h"

#include <span>

#include "areas/area_session.h"
#include "areas/area_sounds.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr const char* kJingleFile = "Data\\Music4.mid";
constexpr int32_t kJingleTrackVolume = 90;
constexpr int32_t kJinglePlayVolume = 50;

// Played ahead of the jingle step whenever none runs: only the allies' voice,
// as the engine raises no pick or ray byte.
constexpr EventSound kPickupTimeSounds[] = {
    {&BattleEngine::helpArrivedEvent, AreaSound::AllyVoice, 0},
};

// The battle sounds, with each scene's cry between the fire and the losses.
constexpr EventSound kFireSounds[] = {
    {&BattleEngine::robotFireEvent, AreaSound::Electric, 0},
    {&BattleEngine::allyFireEvent, AreaSound::Electric, 0},
    {&BattleEngine::enemyFireEvent, AreaSound::EnemyFire, 2},
};
constexpr EventSound kLossAndDropSounds[] = {
    {&BattleEngine::robotLostEvent, AreaSound::RobotVoice, 0},
    {&BattleEngine::allyLostEvent, AreaSound::RobotVoice, 0},
    {&BattleEngine::pickupEvent, AreaSound::DropCollected, 0},
};

constexpr EventSoundSet kBaseSounds = {{&BattleEngine::unitHitEvent, AreaSound::ShipHitCry, 0, true}};
constexpr EventSoundSet kInvasionsSounds = {{&BattleEngine::enemyKilledEvent, AreaSound::ShipHitCry, 2, true}};

constexpr AreaSound kRingSounds[3] = {AreaSound::RingOne, AreaSound::RingTwo, AreaSound::RingThree};
constexpr uint8_t kCooledDown = 2;

void PlayRows(GameApp& app, AreaSession& area, std::span<const EventSound> rows) {
    BattleEngine& engine = *app.battleEngine;
    const uint8_t cycle = app.controlPanel->soundRequest;
    for (const EventSound& row : rows) {
        if (engine.*row.flag != 1) continue;
        engine.*row.flag = row.after;
        const int step = row.cycled ? cycle : 0;
        PlayAreaSound(app, area, static_cast<AreaSound>(static_cast<int>(row.sound) + step));
    }
}

// The crash of the first overlay byte, then a zing for each of the others.
void PlayOverlays(GameApp& app, AreaSession& area) {
    BattleEngine& engine = *app.battleEngine;
    for (int k = 0; k < kOverlayEventCount; ++k) {
        if (engine.overlayEvents[k] != 1) continue;
        engine.overlayEvents[k] = kCooledDown;
        PlayAreaSound(app, area, k == 0 ? AreaSound::BigExplosion : AreaSound::Explosion);
    }
}

void StartJingle(GameApp& app) {
    app.StopMp3();
    app.music.Load(kJingleFile);
    app.music.SetVolume(kJingleTrackVolume);
    app.music.Play(kJinglePlayVolume, 1);
}

// The end of a quest set drops the jingle just asked for and plays its music
// once instead.
void StartCuedMusic(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.musicCue != 1) return;
    state.questJingle = 0;
    state.musicCue = 2;
    if (state.musicOn) StartJingle(app);
}

// The jingle never outlives its track: with music off, or a track that did
// not start, the state goes back to 0 so that the event sounds are not held
// back until the next area load.
void RunJingle(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.questJingle == 1) {
        state.questJingle = 2;
        if (state.musicOn) StartJingle(app);
    }
    if (state.questJingle == 0) return;
    if (!state.musicOn || !app.music.IsPlaying()) {
        state.questJingle = 0;
        return;
    }
    state.questJingle = 3;
}

void PlayBattleSounds(GameApp& app, AreaSession& area, const EventSoundSet& set) {
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    panel.soundRequest = static_cast<uint8_t>((panel.soundRequest + 1) % 3);
    for (int k = 0; k < 3; ++k) {
        if (area.ringSounds[k] != 1) continue;
        area.ringSounds[k] = 2;
        PlayAreaSound(app, area, kRingSounds[k]);
    }
    if (engine.armageddonSound == 1 && engine.armageddonTimeline != 0) {
        engine.armageddonSound = 0;
        PlayAreaSound(app, area, AreaSound::Armageddon);
    }
    if (panel.electricSound == 1) {
        panel.electricSound = 0;
        PlayAreaSound(app, area, AreaSound::Electric);
    }
    PlayRows(app, area, kFireSounds);
    PlayRows(app, area, std::span(&set.cry, 1));
    PlayRows(app, area, kLossAndDropSounds);
    PlayOverlays(app, area);
}
}  // namespace

const EventSoundSet& BaseEventSounds() { return kBaseSounds; }
const EventSoundSet& InvasionsEventSounds() { return kInvasionsSounds; }

void PlayAreaEventSounds(GameApp& app, AreaSession& area, const EventSoundSet& set) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    StartCuedMusic(app);
    if (state.questJingle == 0) PlayRows(app, area, kPickupTimeSounds);
    RunJingle(app);
    // Every frame of the escape's first step, under a jingle too.
    if (engine.escapeStep == 1) PlayAreaSound(app, area, AreaSound::Modulator);
    for (int k = 0; k < 3; ++k) {
        if (engine.ring[k].state == 0 && area.ringSounds[k] == 2) area.ringSounds[k] = 0;
    }
    if (engine.emergencyEscape != 0) engine.freshAreaEvent = 0;
    if (panel.accentTimer == 0 && state.questJingle == 0) {
        if (engine.freshAreaEvent == 0) PlayBattleSounds(app, area, set);
        if (engine.freshAreaEvent == 1) {
            PlayAreaSound(app, area, AreaSound::Arrival);
            engine.freshAreaEvent = 2;
        }
    }
    if (state.questJingle != 0) return;
    if (panel.accentTimer == 1) PlayAreaSound(app, area, AreaSound::Accent);
    if (panel.hoverSoundCode != 0 && panel.hoverSoundCode != panel.lastHoverSoundCode) {
        panel.lastHoverSoundCode = panel.hoverSoundCode;
        PlayAreaSound(app, area, AreaSound::Snap);
    }
    if (panel.hoverSoundCode == 0) panel.lastHoverSoundCode = 0;
}
