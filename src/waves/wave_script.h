#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>

#include "battle/battle_tables.h"
#include "battle/spawn_list.h"

class BattleEngine;

// The wave scripts of an area are data: a list of one-shot waves, each with
// a trigger and groups of enemy records, read by one interpreter
// (RunWaveScript). Values left at kUseDefault take the area's default.
namespace waves {

constexpr int32_t kUseDefault = std::numeric_limits<int32_t>::min();

// A value that steps from record to record of a group: base + step x k.
struct Step {
    int32_t base = kUseDefault;
    int32_t step = 0;
    constexpr bool Given() const { return base != kUseDefault; }
    constexpr int32_t At(int32_t k) const { return base + step * k; }
};

enum class TriggerKind : uint8_t {
    kFirstCall,     // always: fires on the first call after the flags were cleared
    kViewAbove,     // viewY > a
    kViewBelow,     // viewY < b
    kViewBetween,   // a < viewY < b
    kSecondsAbove,  // secondsInArea > a (unsigned)
    kConvoyBelow,   // convoy progress < b
    kAfterWave,     // wave a had already fired before this call
};

struct Trigger {
    TriggerKind kind = TriggerKind::kFirstCall;
    int32_t a = 0;
    int32_t b = 0;
};

constexpr Trigger FirstCall() { return {TriggerKind::kFirstCall, 0, 0}; }
constexpr Trigger ViewAbove(int32_t low) { return {TriggerKind::kViewAbove, low, 0}; }
constexpr Trigger ViewBelow(int32_t high) { return {TriggerKind::kViewBelow, 0, high}; }
constexpr Trigger ViewBetween(int32_t low, int32_t high) { return {TriggerKind::kViewBetween, low, high}; }
constexpr Trigger SecondsAbove(int32_t n) { return {TriggerKind::kSecondsAbove, n, 0}; }
constexpr Trigger ConvoyBelow(int32_t n) { return {TriggerKind::kConvoyBelow, 0, n}; }
constexpr Trigger AfterWave(int32_t wave) { return {TriggerKind::kAfterWave, wave, 0}; }

// A fire group that counts the records of the whole wave: record n of the
// wave fires with group n + 1, whichever group wrote it.
constexpr int32_t kRecordNumber = kUseDefault + 1;
constexpr Step kFireGroupByRecord{kRecordNumber, 1};

// The standard corridor of the path areas, waves 0-5.
constexpr Trigger kCorridor[6] = {ViewAbove(-2000),        ViewBetween(-4000, -1000), ViewBetween(-6000, -3000),
                                  ViewBetween(-8000, -5000), ViewBetween(-9000, -6000), ViewBelow(-8000)};

// How record k of a group is placed.
enum class Layout : uint8_t {
    kLine,         // every step follows k
    kRowsOfTwo,    // column k mod 2 steps x and keep-off x, row k div 2 steps y; fire group follows k
    kRowsOfThree,  // fortress rows: column k mod 3 steps x, row k div 3 steps y; keep-off x widens
                   // by column in the first row only; fire group steps by row, cycling over three
    kTurretRows,   // as the fortress rows, but the fire group follows the column (base + step x
                   // column), three higher in the second row
};

// n records that share everything but their stepped values. Fields follow
// the order in which a record is usually described.
struct Group {
    int32_t count = 1;
    Layout layout = Layout::kLine;
    Step x = {}, y = {};
    uint8_t mobile = 1;
    int32_t art = kUseDefault;
    int32_t shields = kUseDefault;
    int32_t armor = kUseDefault;
    int32_t size = kUseDefault;  // width and height
    Step keepOffX = {}, keepOffY = {};  // not given: an immobile record leaves them as they were
    Step fireGroup = {};
    int32_t sidestep = kUseDefault;        // 0: no sidesteps on either axis
    int32_t sidestepChance = kUseDefault;  // not given: the area's, or 0 with no sidesteps
    int32_t damage = kUseDefault;
    int32_t type = kUseDefault;
    int32_t volley = kUseDefault;
    int32_t reward = kUseDefault;
    uint8_t dropKind = 0;
    uint8_t questDrop = 0;
    uint8_t altFrames = 0;
    uint8_t drawStyle = 0;  // 0 plain, 1 red pulse, 2 and 3 yellow pulse
    // Added to the area's default where the value itself is not given.
    int32_t armorPlus = 0, damagePlus = 0, rewardPlus = 0;
    int32_t firstRecord = -1;  // -1: follows the group before; else the record it starts at
};

struct RecordSet {
    const Group* groups = nullptr;
    int32_t groupCount = 0;
};

template <size_t N>
constexpr RecordSet Records(const Group (&groups)[N]) {
    return {groups, static_cast<int32_t>(N)};
}

// What a wave does besides writing its records; rules combine.
enum WaveRule : uint8_t {
    kNoRule = 0,
    kFillBars = 1,     // places the structure bars drawn between the emplacements
    kSetsParams = 2,   // the area's enemy parameters are set when this wave fires, not every call
    kTurretSlots = 4,  // the pop of this call starts at the turret slots (80 and up)
    kCountsLeftovers = 8,  // the count reaches past the records written: the rest spawn as
                           // earlier waves left them
};

constexpr int32_t kNoCount = -1;  // the wave writes its records but leaves the pending count

struct Wave {
    uint8_t flag = 0;  // index into BattleEngine::waveFired
    Trigger trigger = {};
    int32_t count[3] = {};    // the pending count each set sets, or kNoCount
    RecordSet sizes[3] = {};  // one set, or three chosen by the size cycler
    uint8_t rule = kNoRule;
    constexpr bool BySize() const { return sizes[1].groupCount > 0; }
};

struct AreaDefaults {
    int32_t art = 0;
    int32_t shields = 1;
    int32_t armor = 0;
    int32_t size = 32;
    int32_t damage = 0;
    int32_t type = 0;
    int32_t volley = 1;
    int32_t reward = 0;
    int32_t sidestepChance = 80;
};

// Which AreaEnemyParams fields an area sets.
enum ParamMask : uint8_t {
    kParamShotDamage = 1,
    kParamArmorBase = 2,
    kParamKillReward = 4,
    kParamArtRow = 8,
    kParamsDar = kParamShotDamage | kParamArmorBase | kParamKillReward,
    kParamsAll = kParamsDar | kParamArtRow,
};

struct AreaScript {
    int32_t areaId = 0;
    AreaDefaults defaults;
    const Wave* waves = nullptr;
    int32_t waveCount = 0;
    uint8_t paramMask = 0;  // 0: the area sets no parameters
    AreaEnemyParams params;
};

template <size_t N>
constexpr AreaScript Area(int32_t areaId, AreaDefaults defaults, const Wave (&list)[N], uint8_t paramMask = 0,
                          AreaEnemyParams params = {}) {
    return {areaId, defaults, list, static_cast<int32_t>(N), paramMask, params};
}

// Records a set writes one after another from record 0 (groups placed at a
// record of their own are not counted).
constexpr int32_t RecordCount(const RecordSet& set) {
    int32_t n = 0;
    for (int32_t g = 0; g < set.groupCount; ++g) {
        if (set.groups[g].firstRecord < 0) n += set.groups[g].count;
    }
    return n;
}

constexpr bool CountMatches(const Wave& wave, int32_t count, int32_t written) {
    if (count == kNoCount) return true;
    if (wave.rule & kCountsLeftovers) return count > written && count <= SpawnList::kSlots;
    return count == written;
}

// A group placed at a record of its own stays inside the list, past the
// records written before it.
constexpr bool PlacedInside(const Group& group, int32_t written) {
    if (group.firstRecord < 0) return true;
    return group.firstRecord >= written && group.firstRecord + group.count <= SpawnList::kSlots;
}

// Compile-time check of a script: every set writes exactly the wave's count
// (or fewer, for a wave that counts leftovers), fits the spawn list, and
// every mobile record says where it keeps off.
constexpr bool ScriptIsConsistent(const AreaScript& area) {
    for (int32_t w = 0; w < area.waveCount; ++w) {
        const Wave& wave = area.waves[w];
        const int sets = wave.BySize() ? 3 : 1;
        for (int s = 0; s < sets; ++s) {
            const RecordSet& set = wave.sizes[s];
            if (set.groupCount <= 0) return false;
            const int32_t n = RecordCount(set);
            if (n <= 0 || n > SpawnList::kSlots) return false;
            if (!CountMatches(wave, wave.count[s], n)) return false;
            for (int32_t g = 0; g < set.groupCount; ++g) {
                const Group& group = set.groups[g];
                if (!PlacedInside(group, n)) return false;
                if (!group.x.Given() || !group.y.Given() || !group.fireGroup.Given()) return false;
                if (group.mobile && !(group.keepOffX.Given() && group.keepOffY.Given())) return false;
            }
        }
        if (wave.flag >= kWaveFlagCount) return false;
        if (wave.trigger.kind == TriggerKind::kAfterWave && (wave.trigger.a < 0 || wave.trigger.a >= kWaveFlagCount))
            return false;
    }
    return true;
}

template <size_t N>
constexpr bool AllScriptsConsistent(const AreaScript (&areas)[N]) {
    for (const AreaScript& area : areas) {
        if (!ScriptIsConsistent(area)) return false;
    }
    return true;
}

// The block of an area in a script's table, or null when it has none.
template <size_t N>
constexpr const AreaScript* FindAreaScript(const AreaScript (&areas)[N], int32_t areaId) {
    for (const AreaScript& area : areas) {
        if (area.areaId == areaId) return &area;
    }
    return nullptr;
}

// How the scripts of a region frame an area block.
struct ScriptFrame {
    // Records wait for free slots from call to call, but a fresh load (every
    // wave flag clear) drops what an area left behind.
    bool keepsWaitingRecords = false;
    // Every call first makes each pending record mobile, without drops and
    // alternate frames.
    bool resetsRecords = false;
    bool drawStyles = false;         // the reset clears the draw style too, and the pop copies it
    bool restartsPopAtZero = false;  // the pop's start slot goes back to 0 before the block
    bool popsFromStartSlot = false;  // the pop starts at the spawn list's start slot, not at 0
    bool dropsSurplus = false;       // records with no free slot are dropped at the end of the call
};

constexpr ScriptFrame kEarthSystemFrame{.keepsWaitingRecords = true};
constexpr ScriptFrame kInvasionsAFrame{.resetsRecords = true,
                                 .drawStyles = true,
                                 .restartsPopAtZero = true,
                                 .popsFromStartSlot = true,
                                 .dropsSurplus = true};
constexpr ScriptFrame kInvasionsBFrame{.resetsRecords = true, .popsFromStartSlot = true};

// One call of a script: the frame's resets, the area's block (none when area
// is null), then the pop of pending records into free enemy slots.
void RunWaveScript(BattleEngine& engine, const ScriptFrame& frame, const AreaScript* area, int32_t viewY,
                   uint32_t secondsInArea);

// One call of a first-region script.
void RunWaveScript(BattleEngine& engine, const AreaScript* area, int32_t viewY, uint32_t secondsInArea);

}  // namespace waves
