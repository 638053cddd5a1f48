// The quest jingle and the sounds of the events the engine and the panel
// raised this frame.
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

// An event byte that plays when it reads 1 and then becomes `after` (2 for
// those the engine's clock cools down, 0 for the others).
struct EventSound {
    uint8_t BattleEngine::*flag;
    AreaSound sound;
    uint8_t after;
};

constexpr EventSound kEngineEvents[] = {
    {&BattleEngine::robotFireEvent, AreaSound::Electric, 0},
    {&BattleEngine::allyFireEvent, AreaSound::Electric, 0},
    {&BattleEngine::enemyFireEvent, AreaSound::EnemyFire, 2},
    {&BattleEngine::robotLostEvent, AreaSound::RobotVoice, 0},
    {&BattleEngine::allyLostEvent, AreaSound::RobotVoice, 0},
    {&BattleEngine::enemyKilledEvent, AreaSound::BigExplosion, 2},
    {&BattleEngine::enemyHitEvent, AreaSound::Explosion, 0},
};

constexpr AreaSound kRingSounds[3] = {AreaSound::RingOne, AreaSound::RingTwo, AreaSound::RingThree};
constexpr AreaSound kHitCries[3] = {AreaSound::ShipHitCry, AreaSound::ShipHitSmash, AreaSound::ShipHitBattle};

void StartJingle(GameApp& app) {
    app.StopMp3();
    app.music.Load(kJingleFile);
    app.music.SetVolume(kJingleTrackVolume);
    app.music.Play(kJinglePlayVolume, 1);
}

// The jingle and the end-of-region cue. The jingle never outlives its track:
// with music off, or a track that did not start, the state goes back to 0 so
// that the event sounds are not held back.
void RunJingle(GameApp& app) {
    GameState& state = *app.gameState;
    if (state.musicCue == 1) {
        state.questJingle = 0;
        state.musicCue = 2;
        if (state.musicOn) StartJingle(app);
    }
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

// The pickup and the allies' voice. The engine raises no ray or modulator
// flag in these areas, so those rows of the table stay silent here.
void PlayTableA(GameApp& app, AreaSession& area) {
    BattleEngine& engine = *app.battleEngine;
    if (engine.pickupEvent) {
        engine.pickupEvent = 0;
        PlayAreaSound(app, area, AreaSound::Pick);
    }
    if (engine.helpArrivedEvent) {
        engine.helpArrivedEvent = 0;
        PlayAreaSound(app, area, AreaSound::AllyVoice);
    }
}

void PlayTableB(GameApp& app, AreaSession& area) {
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
    if (engine.unitHitEvent == 1) {
        engine.unitHitEvent = 0;
        PlayAreaSound(app, area, kHitCries[panel.soundRequest]);
    }
    for (const EventSound& event : kEngineEvents) {
        if (engine.*event.flag != 1) continue;
        engine.*event.flag = event.after;
        PlayAreaSound(app, area, event.sound);
    }
}
}  // namespace

void PlayAreaEventSounds(GameApp& app, AreaSession& area) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    ControlPanel& panel = *app.controlPanel;
    RunJingle(app);
    if (state.questJingle == 0) PlayTableA(app, area);
    for (int k = 0; k < 3; ++k) {
        if (engine.ring[k].state == 0 && area.ringSounds[k] == 2) area.ringSounds[k] = 0;
    }
    if (engine.emergencyEscape != 0) engine.freshAreaEvent = 0;
    if (panel.accentTimer == 0 && state.questJingle == 0) {
        if (engine.freshAreaEvent == 0) PlayTableB(app, area);
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
