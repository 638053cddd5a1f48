#include "waves/wave_script.h"

#include "battle/battle_engine.h"

namespace waves {
namespace {

constexpr int32_t Pick(int32_t given, int32_t fallback) { return given == kUseDefault ? fallback : given; }

// Turret waves keep the low slots for the fighters that follow them.
constexpr uint8_t kTurretFirstSlot = 80;
// The fire groups of a turret row below the first one.
constexpr int32_t kTurretSecondRowFireGroups = 3;

// The fortified areas' bars go back to their one layout.
void FillBars(BarTables& bars) { bars = BarTables{}; }

void SetParams(AreaEnemyParams& params, const AreaScript& area) {
    if (area.paramMask & kParamShotDamage) params.shotDamage = area.params.shotDamage;
    if (area.paramMask & kParamArmorBase) params.armorBase = area.params.armorBase;
    if (area.paramMask & kParamKillReward) params.killReward = area.params.killReward;
    if (area.paramMask & kParamArtRow) params.artRow = area.params.artRow;
}

bool SetsParamsOnWave(const AreaScript& area) {
    for (int32_t w = 0; w < area.waveCount; ++w) {
        if (area.waves[w].rule & kSetsParams) return true;
    }
    return false;
}

// Where record k of a group stands and which keep-off x and fire group it has.
struct Placement {
    int32_t x, y, keepOffX, keepOffY, fireGroup;
};

Placement Place(const Group& g, int32_t k) {
    Placement p{};
    switch (g.layout) {
        case Layout::kLine:
            p = {g.x.At(k), g.y.At(k), 0, 0, g.fireGroup.At(k)};
            if (g.keepOffX.Given()) p.keepOffX = g.keepOffX.At(k);
            if (g.keepOffY.Given()) p.keepOffY = g.keepOffY.At(k);
            break;
        case Layout::kRowsOfTwo: {
            const int32_t col = k % 2, row = k / 2;
            p = {g.x.At(col), g.y.At(row), g.keepOffX.At(col), g.keepOffY.base, g.fireGroup.At(k)};
            break;
        }
        case Layout::kRowsOfThree:
        case Layout::kTurretRows: {
            const int32_t col = k % 3, row = k / 3;
            const int32_t keepOffX = row == 0 ? g.keepOffX.At(col) : g.keepOffX.base;
            const int32_t fireGroup = g.layout == Layout::kRowsOfThree
                                          ? g.fireGroup.At(row % 3)
                                          : g.fireGroup.At(col) + (row == 1 ? kTurretSecondRowFireGroups : 0);
            p = {g.x.At(col), g.y.At(row), keepOffX, g.keepOffY.base, fireGroup};
            break;
        }
    }
    return p;
}

// Writes every field of record i. An immobile record keeps the keep-off and
// sidestep fields it had unless its group gives them: it never moves.
void WriteRecord(SpawnList& s, int i, const Group& g, int32_t k, const AreaDefaults& d) {
    const Placement p = Place(g, k);
    const auto size = static_cast<uint8_t>(Pick(g.size, d.size));
    s.mobile[i] = g.mobile;
    s.dropKind[i] = g.dropKind;
    s.questDrop[i] = g.questDrop;
    s.altFrames[i] = g.altFrames;
    s.drawStyle[i] = g.drawStyle;
    s.art[i] = static_cast<uint8_t>(Pick(g.art, d.art));
    s.x[i] = p.x;
    s.y[i] = p.y;
    s.shields[i] = static_cast<uint32_t>(Pick(g.shields, d.shields));
    s.armor[i] = static_cast<uint32_t>(Pick(g.armor, d.armor + g.armorPlus));
    s.width[i] = size;
    s.height[i] = size;
    s.fireGroup[i] = static_cast<uint8_t>(g.fireGroup.base == kRecordNumber ? i + 1 : p.fireGroup);
    s.shotDamage[i] = static_cast<uint32_t>(Pick(g.damage, d.damage + g.damagePlus));
    s.shotType[i] = static_cast<uint8_t>(Pick(g.type, d.type));
    s.killReward[i] = Pick(g.reward, d.reward + g.rewardPlus);
    s.volley[i] = static_cast<uint8_t>(Pick(g.volley, d.volley));
    if (g.mobile || g.keepOffX.Given()) {
        s.keepOffX[i] = p.keepOffX;
        s.keepOffY[i] = p.keepOffY;
    }
    if (g.mobile || g.sidestep != kUseDefault || g.sidestepChance != kUseDefault) {
        const auto allowed = static_cast<uint8_t>(Pick(g.sidestep, 1));
        s.sidestepX[i] = allowed;
        s.sidestepY[i] = allowed;
        s.sidestepChance[i] = Pick(g.sidestepChance, allowed ? d.sidestepChance : 0);
    }
}

void WriteRecords(SpawnList& s, const RecordSet& set, const AreaDefaults& d) {
    int i = 0;
    for (int32_t g = 0; g < set.groupCount; ++g) {
        const Group& group = set.groups[g];
        if (group.firstRecord >= 0) i = group.firstRecord;
        for (int32_t k = 0; k < group.count && i < SpawnList::kSlots; ++k) WriteRecord(s, i++, group, k, d);
    }
}

struct CallInputs {
    int32_t viewY;
    uint32_t seconds;
    int32_t convoy;
};

bool TriggerHolds(const Trigger& t, const CallInputs& in, const uint8_t* waveFired, const bool* firedThisCall) {
    switch (t.kind) {
        case TriggerKind::kFirstCall: return true;
        case TriggerKind::kViewAbove: return in.viewY > t.a;
        case TriggerKind::kViewBelow: return in.viewY < t.b;
        case TriggerKind::kViewBetween: return in.viewY > t.a && in.viewY < t.b;
        case TriggerKind::kSecondsAbove: return in.seconds > static_cast<uint32_t>(t.a);
        case TriggerKind::kConvoyBelow: return in.convoy < t.b;
        case TriggerKind::kAfterWave: return waveFired[t.a] != 0 && !firedThisCall[t.a];
    }
    return false;
}

void RunAreaBlock(BattleEngine& e, const AreaScript& area, const CallInputs& in) {
    const bool paramsOnWave = SetsParamsOnWave(area);
    if (area.paramMask != 0 && !paramsOnWave) SetParams(e.areaEnemyParams, area);

    bool firedThisCall[kWaveFlagCount] = {};
    for (int32_t w = 0; w < area.waveCount; ++w) {
        const Wave& wave = area.waves[w];
        if (e.waveFired[wave.flag] != 0) continue;
        if (!TriggerHolds(wave.trigger, in, e.waveFired, firedThisCall)) continue;
        e.waveFired[wave.flag] = 1;
        firedThisCall[wave.flag] = true;
        if (wave.rule & kSetsParams) SetParams(e.areaEnemyParams, area);
        if (wave.rule & kTurretSlots) e.spawnList.popStartSlot = kTurretFirstSlot;
        const int size = wave.BySize() ? e.waveSizeCycler % 3 : 0;
        WriteRecords(e.spawnList, wave.sizes[size], area.defaults);
        if (wave.count[size] != kNoCount) e.spawnList.pendingCount = wave.count[size];
        if (wave.rule & kFillBars) FillBars(e.bars);
    }
}

void ResetRecords(SpawnList& s, bool drawStyles) {
    for (int i = 0; i < SpawnList::kSlots; ++i) {
        s.mobile[i] = 1;
        s.dropKind[i] = 0;
        s.questDrop[i] = 0;
        s.altFrames[i] = 0;
        if (drawStyles) s.drawStyle[i] = 0;
    }
}

// Waves write records only after a fresh load has cleared every flag, so with
// no flag set anything still pending belongs to an area left behind.
void DropLeftoversOfEarlierVisit(BattleEngine& e) {
    for (int i = 0; i < kWaveFlagCount; ++i) {
        if (e.waveFired[i] != 0) return;
    }
    e.spawnList.pendingCount = 0;
}

void CopyRecord(const SpawnList& s, int r, EnemyTable& t, int i, bool drawStyles) {
    t.active[i] = 1;
    t.art[i] = s.art[r];
    t.questDrop[i] = s.questDrop[r];
    t.mobile[i] = s.mobile[r];
    t.x[i] = s.x[r];
    t.y[i] = s.y[r];
    t.shields[i] = s.shields[r];
    t.armor[i] = s.armor[r];
    t.spawnArmor[i] = s.armor[r];
    t.w[i] = s.width[r];
    t.h[i] = s.height[r];
    t.keepOffX[i] = s.keepOffX[r];
    t.keepOffY[i] = s.keepOffY[r];
    t.fireGroup[i] = s.fireGroup[r] > 3 ? 1 : s.fireGroup[r];
    t.sidestepX[i] = s.sidestepX[r];
    t.sidestepY[i] = s.sidestepY[r];
    t.sidestepChance[i] = s.sidestepChance[r];
    t.shotDamage[i] = s.shotDamage[r];
    t.reward[i] = s.killReward[r];
    t.shotType[i] = s.shotType[r];
    t.volley[i] = s.volley[r];
    t.dropKind[i] = s.dropKind[r];
    t.fixedFrame[i] = s.altFrames[r];
    // Scripts without draw styles clear the tint an earlier enemy of the slot may have left.
    t.drawStyle[i] = drawStyles ? s.drawStyle[r] : 0;
    t.sidestepping[i] = 0;
    t.sidestepTravelled[i] = 0;
}

// Moves pending records into free live enemy slots, lowest slot first, the
// last record written first. A start slot past the table pops nothing.
void PopPendingEnemies(BattleEngine& engine, const ScriptFrame& frame) {
    SpawnList& s = engine.spawnList;
    if (s.pendingCount > SpawnList::kSlots) s.pendingCount = SpawnList::kSlots;
    const int first = frame.popsFromStartSlot ? s.popStartSlot : 0;
    for (int i = first; i < EnemyTable::kSlots; ++i) {
        if (s.pendingCount <= 0 || engine.enemy.active[i] != 0) continue;
        --s.pendingCount;
        CopyRecord(s, s.pendingCount, engine.enemy, i, frame.drawStyles);
    }
    if (frame.dropsSurplus) s.pendingCount = 0;
}

}  // namespace

void RunWaveScript(BattleEngine& engine, const ScriptFrame& frame, const AreaScript* area, int32_t viewY,
                   uint32_t secondsInArea) {
    if (frame.keepsWaitingRecords) DropLeftoversOfEarlierVisit(engine);
    if (frame.resetsRecords) ResetRecords(engine.spawnList, frame.drawStyles);
    if (frame.restartsPopAtZero) engine.spawnList.popStartSlot = 0;
    if (area != nullptr) RunAreaBlock(engine, *area, {viewY, secondsInArea, engine.ConvoyProgress()});
    PopPendingEnemies(engine, frame);
}

void RunWaveScript(BattleEngine& engine, const AreaScript* area, int32_t viewY, uint32_t secondsInArea) {
    RunWaveScript(engine, kEarthSystemFrame, area, viewY, secondsInArea);
}

}  // namespace waves
