// The second region's event sounds: which engine event plays which sound,
// what each flag becomes, and what the jingle holds back.
#include <gtest/gtest.h>

#include "areas/area_event_sounds.h"
#include "areas/area_session.h"
#include "areas/region_scene.h"
#include "platform/sound_channel.h"
#include "battle/battle_engine.h"
#include "hud/control_panel.h"
#include "platform/key_codes.h"
#include "region_test_support.h"
#include "shell/game_state.h"
#include "shell/record_exchange.h"

namespace {
class InvasionsSoundTest : public RegionTest {
protected:
    void SetUp() override {
        regionScene_ = SceneId::Invasions;
        RegionTest::SetUp();
        EnterArea(3, 180, -650);
        RunFrames(40);  // past the arrival's own sound
    }
    // The sound step alone on the events raised, counting what it plays.
    void PlayRaised(const EventSoundSet& set) {
        for (uint32_t& n : Area().soundsPlayed) n = 0;
        Panel().accentTimer = 0;
        Engine().freshAreaEvent = 0;
        PlayAreaEventSounds(App(), Area(), set);
    }
    uint32_t Played(AreaSound sound) { return Area().soundsPlayed[static_cast<size_t>(sound)]; }
    void Raise() {
        BattleEngine& engine = Engine();
        engine.enemyKilledEvent = 1;
        engine.enemyHitEvent = 1;
        engine.pickupEvent = 1;
        engine.helpArrivedEvent = 1;
        engine.overlayEvents[0] = 1;
        engine.overlayEvents[4] = 1;
        engine.overlayEvents[6] = 1;
    }
};

TEST_F(InvasionsSoundTest, AKillCriesOutByTheCycleAPickupClinksAndTheOverlaysCrashAndZing) {
    for (uint8_t cycle : {0, 1, 2}) {
        Raise();
        Panel().soundRequest = cycle;  // advanced once before the battle sounds
        PlayRaised(InvasionsEventSounds());
        const AreaSound cries[3] = {AreaSound::ShipHitCry, AreaSound::ShipHitSmash, AreaSound::ShipHitBattle};
        for (int k = 0; k < 3; ++k) EXPECT_EQ(Played(cries[k]), k == (cycle + 1) % 3 ? 1u : 0u) << int(cycle);
        EXPECT_EQ(Engine().enemyKilledEvent, 2) << "the kill cools down";
        EXPECT_EQ(Played(AreaSound::DropCollected), 1u);
        EXPECT_EQ(Played(AreaSound::Pick), 0u);
        EXPECT_EQ(Engine().pickupEvent, 0);
        EXPECT_EQ(Played(AreaSound::AllyVoice), 1u);
        EXPECT_EQ(Played(AreaSound::BigExplosion), 1u) << "the first overlay's crash";
        EXPECT_EQ(Played(AreaSound::Explosion), 2u) << "a zing for each other overlay";
        EXPECT_EQ(Engine().overlayEvents[0], 2);
        EXPECT_EQ(Engine().overlayEvents[6], 2);
        EXPECT_EQ(Engine().enemyHitEvent, 1) << "no sound of the region's own for a hit";
        Engine().enemyHitEvent = 0;
    }
}

// The first region and the home base sound the same flags alike; only
// their cry comes from a hit instead of a kill.
TEST_F(InvasionsSoundTest, TheFirstRegionSoundsTheSameFlagsAlikeButCriesAtAHit) {
    Raise();
    Engine().unitHitEvent = 1;
    PlayRaised(BaseEventSounds());
    EXPECT_EQ(Played(AreaSound::BigExplosion), 1u) << "the first overlay's crash";
    EXPECT_EQ(Played(AreaSound::Explosion), 2u) << "a zing for each other overlay";
    EXPECT_EQ(Played(AreaSound::DropCollected), 1u);
    EXPECT_EQ(Played(AreaSound::Pick), 0u);
    EXPECT_EQ(Played(AreaSound::AllyVoice), 1u);
    const uint32_t cries = Played(AreaSound::ShipHitCry) + Played(AreaSound::ShipHitSmash) +
                           Played(AreaSound::ShipHitBattle);
    EXPECT_EQ(cries, 1u);
    EXPECT_EQ(Engine().unitHitEvent, 0);
    EXPECT_EQ(Engine().enemyKilledEvent, 1) << "a kill is not this region's cry";

    Engine().enemyKilledEvent = 0;
    Engine().unitHitEvent = 1;
    PlayRaised(InvasionsEventSounds());
    EXPECT_EQ(Engine().unitHitEvent, 1) << "nor is a hit the second region's";
}

// Each of the region's own event sounds goes out on its channel, raised
// alone and played by the sound step of a real frame.
TEST_F(InvasionsSoundTest, EachEventSoundGoesOutOnItsChannel) {
    struct Row {
        uint8_t BattleEngine::*event;
        const char* file;
        int channel;
    };
    constexpr Row kRows[] = {
        {&BattleEngine::pickupEvent, "Data\\DROPTIN.wav", 0},
        {&BattleEngine::helpArrivedEvent, "Data\\YO.wav", 3},
        {&BattleEngine::robotLostEvent, "Data\\ROBTTALK.wav", 3},
        {&BattleEngine::allyLostEvent, "Data\\ROBTTALK.wav", 3},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.file);
        Mix_Chunk* sound = App().audio.LoadSound(row.file);
        ASSERT_NE(sound, nullptr);
        for (SoundChannel& channel : App().channels) channel.Stop();
        Engine().*row.event = 1;
        RunFrames(1);
        for (int k = 0; k < GameApp::kChannelCount; ++k) {
            EXPECT_EQ(App().channels[k].segment == sound, k == row.channel) << "channel " << k;
        }
    }
}

// A quest's jingle asked for with music on starts its track in this step.
TEST_F(InvasionsSoundTest, UnderTheJingleOnlyTheEscapesModulatorSounds) {
    ASSERT_TRUE(driver_.SetField("musicOn", "1"));
    Raise();
    Engine().escapeStep = 1;
    State().questJingle = 1;
    PlayRaised(InvasionsEventSounds());
    ASSERT_EQ(State().questJingle, 3) << "the track plays";
    EXPECT_EQ(Played(AreaSound::Modulator), 1u);
    for (AreaSound held : {AreaSound::ShipHitCry, AreaSound::ShipHitSmash, AreaSound::ShipHitBattle,
                           AreaSound::DropCollected, AreaSound::AllyVoice, AreaSound::BigExplosion}) {
        EXPECT_EQ(Played(held), 0u) << static_cast<int>(held);
    }
    EXPECT_EQ(Engine().pickupEvent, 1) << "held back, not lost";
    EXPECT_EQ(Engine().helpArrivedEvent, 1);
}

// The escape's first step sounds through the real frame.
TEST_F(InvasionsSoundTest, AnEscapeStartsWithTheModulator) {
    for (uint32_t& n : Area().soundsPlayed) n = 0;
    Tap(key::kF1);
    for (int frame = 0; frame < 10; ++frame) RunFrames(1);
    EXPECT_GE(Played(AreaSound::Modulator), 1u);
}
}  // namespace
