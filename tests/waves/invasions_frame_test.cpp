// The second region's frame: turrets in the high slots, the surplus dropped,
// the corridor windows, the record Vexmoor's last wave reuses, the late-area
// script, and how the tinted enemies look.
#include <gtest/gtest.h>

#include <utility>

#include "platform/graphics_device.h"
#include "support/headless_device.h"
#include "platform/image_codec.h"
#include "platform/sprite_sheet.h"
#include "waves/invasions_waves.h"
#include "waves/wave_sweep.h"

namespace {

using sweep::ActiveCount;
using sweep::FreshEngine;
using sweep::kEntryViewY;
using sweep::LiveEnemies;

void Frame(BattleEngine& e, int32_t viewY, int32_t area, uint32_t seconds, int32_t convoy = 0) {
    e.ally.y[32] = convoy;
    sweep::RunFrame(e, viewY, area, seconds, sweep::Region::kInvasions);
}

void KillAll(BattleEngine& e) {
    for (auto& active : e.enemy.active) active = 0;
}

using Xy = std::pair<int32_t, int32_t>;
Xy At(const BattleEngine& e, int slot) { return {e.enemy.x[slot], e.enemy.y[slot]}; }

TEST(InvasionsFrame, TurretsTakeTheSlotsFromEightyAndTheFightersTheLowOnes) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    Frame(e, kEntryViewY, 18, 0);
    const auto live = LiveEnemies(e);
    ASSERT_EQ(live.size(), 18u);
    EXPECT_EQ(live.front().slot, 80);
    EXPECT_EQ(live.back().slot, 97);
    // Record 0 (first row, left) last in; fire groups by column, three higher
    // in the second row; keep-off widens across the first row only.
    const int32_t fireGroups[9] = {1, 2, 3, 4, 5, 6, 1, 2, 3};
    const int32_t keepOffX[9] = {170, 200, 230, 170, 170, 170, 170, 170, 170};
    for (int r = 0; r < 9; ++r) {
        EXPECT_EQ(e.spawnList.fireGroup[r], fireGroups[r]) << "record " << r;
        EXPECT_EQ(e.enemy.keepOffX[97 - r], keepOffX[r]) << "record " << r;
        EXPECT_EQ(e.enemy.x[97 - r] + e.enemy.y[97 - r], 800 + 400 * (r % 3) - 1900 - 400 * (r / 3)) << "record " << r;
    }
    EXPECT_EQ(e.bars.horizontalX[1], 1263);
    EXPECT_EQ(e.bars.verticalY[9], -3836);

    Frame(e, kEntryViewY, 18, 2);  // the siege starts from slot 0 again
    EXPECT_EQ(ActiveCount(e), 18 + 31);
    for (int i = 0; i < 31; ++i) EXPECT_EQ(e.enemy.active[i], 1) << "slot " << i;
    EXPECT_EQ(e.enemy.art[0], 24);  // its boss, written last
}

TEST(InvasionsFrame, SurplusOfAFullTableIsDroppedNotDeferred) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    for (int32_t convoy : {0, -501, -1501, -2501}) Frame(e, kEntryViewY, 8, 0, convoy);
    ASSERT_EQ(ActiveCount(e), 12 + 20 + 15 + 15);

    Frame(e, kEntryViewY, 8, 0, -3501);  // 40 records for 38 free slots
    EXPECT_EQ(ActiveCount(e), 100);
    EXPECT_EQ(At(e, 62), Xy(550, -3300));  // record 39, the second escort
    EXPECT_EQ(e.enemy.drawStyle[62], 3);
    EXPECT_EQ(At(e, 99), Xy(120, -4468));  // record 2; records 1 and 0 are gone
    EXPECT_EQ(e.spawnList.pendingCount, 0);

    for (int i : {3, 10, 20, 30, 40}) e.enemy.active[i] = 0;
    Frame(e, kEntryViewY, 8, 0, -3600);
    EXPECT_EQ(ActiveCount(e), 95);
}

TEST(InvasionsFrame, CorridorWaveFiresOnlyWithTheViewInsideItsWindow) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    Frame(e, -600, 3, 0);
    KillAll(e);
    // Over window 1 between two calls, then down to the gap before window 2.
    for (int32_t view : {-2300, -2900, -3300}) Frame(e, view, 3, 1);
    EXPECT_EQ(ActiveCount(e), 0);
    EXPECT_EQ(e.waveFired[1], 0);
    Frame(e, -2600, 3, 2);  // back inside
    EXPECT_EQ(ActiveCount(e), 16);
    EXPECT_EQ(e.waveFired[1], 1);
}

TEST(InvasionsFrame, VexmoorsLastWaveBringsBackTheRecordWaveOneLeft) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    for (uint32_t seconds : {0u, 2u, 26u, 36u}) {
        Frame(e, kEntryViewY, 20, seconds);
        KillAll(e);
    }
    // Wave 3's boss sits in record 30, past its count: it never spawns.
    EXPECT_EQ(Xy(e.spawnList.x[30], e.spawnList.y[30]), Xy(800, -4500));
    EXPECT_EQ(e.spawnList.armor[30], 640u + 23333u);

    Frame(e, kEntryViewY, 20, 46);
    ASSERT_EQ(ActiveCount(e), 11);
    EXPECT_EQ(At(e, 0), Xy(2000, -2200));
    EXPECT_EQ(Xy(e.enemy.keepOffX[0], e.enemy.keepOffY[0]), Xy(120, 150));
    EXPECT_EQ(e.enemy.mobile[0] + e.enemy.fireGroup[0], 2);  // record 10's group 11, folded to 1
    EXPECT_EQ(e.enemy.art[0], 27);
    // Each call first resets the waiting records: plain, mobile, with no drop.
    EXPECT_EQ(e.enemy.drawStyle[0] + e.enemy.dropKind[0] + e.enemy.questDrop[0] + e.enemy.fixedFrame[0], 0);
    EXPECT_EQ(e.enemy.x[1], 1100);  // then the new ten, last written first
}

TEST(InvasionsFrame, LateScriptResetsRecordsPopsFromTheStartSlotAndKeepsWhatWaits) {
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    Frame(e, kEntryViewY, 16, 0);  // the late script resets what the turrets left immobile
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(e.spawnList.mobile[r], 1) << "record " << r;
        EXPECT_EQ(e.enemy.mobile[85 - r], 0) << "record " << r;
    }

    // The late blocks are never passed in this region, but they run: the
    // clan base's siege lands from where the first script left the start.
    auto other = FreshEngine();
    RunWavesInvasionsA(*other, 30, kEntryViewY, 16, 0);
    RunWavesInvasionsB(*other, 30, kEntryViewY, 28, 13);
    EXPECT_EQ(ActiveCount(*other), 6 + 12);
    EXPECT_EQ(At(*other, 86), Xy(1900, -2300));  // record 11
    EXPECT_EQ(At(*other, 97), Xy(950, -1800));   // record 0
    EXPECT_EQ(other->enemy.active[0], 0);

    // The clan base's commander comes last in its first wave, so first out;
    // what finds no slot waits, as this script leaves the count.
    auto base = FreshEngine();
    for (int i = 0; i < 90; ++i) base->enemy.active[i] = 1;
    RunWavesInvasionsB(*base, 30, kEntryViewY, 28, 0);
    EXPECT_EQ(At(*base, 90), Xy(950, -1100));
    EXPECT_EQ(base->enemy.armor[90], 270u + 200u);
    EXPECT_EQ(base->spawnList.fireGroup[18], 19);
    EXPECT_EQ(At(*base, 99), Xy(800, -3100));  // record 9, of the fourth row
    EXPECT_EQ(base->spawnList.pendingCount, 9);
    EXPECT_EQ(base->bars.horizontalX[0], 863);
}

TEST(InvasionsFrame, ARecordLeftWaitingComesOutPlainAndMobile) {
    // A record the other region left with a drop, a quest item, fixed frames
    // and a tint: the first script's reset clears them all before the pop.
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    SpawnList& s = e.spawnList;
    s.x[0] = 321;
    s.mobile[0] = 0;
    s.dropKind[0] = 2;
    s.questDrop[0] = 1;
    s.altFrames[0] = 1;
    s.drawStyle[0] = 3;
    s.pendingCount = 1;
    RunWavesInvasionsA(e, 30, kEntryViewY, 1000, 0);  // no area block: only the frame
    ASSERT_EQ(ActiveCount(e), 1);
    EXPECT_EQ(e.enemy.x[0], 321);
    EXPECT_EQ(e.enemy.mobile[0], 1);
    EXPECT_EQ(e.enemy.dropKind[0], 0);
    EXPECT_EQ(e.enemy.questDrop[0], 0);
    EXPECT_EQ(e.enemy.fixedFrame[0], 0);
    EXPECT_EQ(e.enemy.drawStyle[0], 0);
}

TEST(InvasionsFrame, SupplyEscortsAreDrawnAsTheHeavyShipsAre) {
    HeadlessDevice device(800, 600);
    ASSERT_TRUE(device.Ready());
    GraphicsDevice* graphics = device.Graphics();
    auto engine = FreshEngine();
    BattleEngine& e = *engine;
    {
        ScopedGameDir inGame(GameDir());
        e.LoadArt(graphics);
    }
    // Plain white heavy ships, so what shows is the tint alone.
    Image white;
    white.Resize(256, 64);
    for (uint32_t& pixel : white.pixels) pixel = 0xFFFFFFFF;
    ASSERT_EQ(e.enemiesSheet->LoadImagePixels(23, white, 64, 64, 0, kFormatA8R8G8B8), 1);

    Frame(e, -1000, 8, 0);           // two H3 at y -1500
    Frame(e, -1000, 8, 0, -3501);    // two H4 at y -3300
    auto centre = [&](int32_t x, int32_t y) {
        graphics->BeginScene();
        graphics->ClearTarget(0xFF000000);
        e.Draw(graphics, x - 100, y - 100, nullptr, 0, nullptr, nullptr, 8);
        graphics->EndScene();
        Image out;
        graphics->ReadBackBuffer(out);
        return out.At(132, 132);
    };
    const uint32_t heavy = centre(750, -1500), escort = centre(550, -3300);
    EXPECT_EQ(escort, heavy);
    EXPECT_EQ(heavy & 0xFFu, 0u);  // yellow: no blue
    EXPECT_GT((heavy >> 16) & 0xFFu, 0u);
    e.ReleaseArt();
}

}  // namespace
