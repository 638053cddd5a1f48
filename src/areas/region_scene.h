#pragma once
#include <cstdint>
#include <optional>

#include "areas/region_data.h"
#include "shell/scene.h"

struct AreaSession;
struct EventSoundSet;

// The scene of a battle region: the ship flies through the region's areas,
// their waves and quests; the region's data says what differs between
// regions, the frame is the same.
class RegionScene : public Scene {
public:
    RegionScene(const RegionData& region, AreaSession& session)
        : Scene({.countsFps = false}), region_(region), session_(session) {}

    void Enter(GameApp& app) override;
    void Leave(GameApp& app) override;

    const RegionData& Region() const { return region_; }
    AreaSession& Session() { return session_; }

    // Set on entry and by every travel: the next frame (re)loads the area.
    // Found set on entry, it names a travel the player left before it loaded.
    uint8_t loadPending = 0;
    // The advisor's "Press F1 to return" hint after the first quest.
    uint8_t returnHint = 0;
    // Set in the frame the last quest is won: nothing later in that frame
    // (a hotkey, a portal, an escape home) may choose another scene.
    uint8_t victory = 0;

private:
    void BeforeEntry(GameApp& app) override;
    void Prepare(GameApp& app) override;
    void Body(GameApp& app) override;
    void AfterClock(GameApp& app) override;
    void LoadArea(GameApp& app);
    void LeaveArea(GameApp& app);

    const RegionData& region_;
    AreaSession& session_;
};

// ---- Pieces of the area frame shared with the home base ----

// Keeps the MP3 track playing at -700 while music is on and no jingle plays.
void AreaMusicUpkeep(GameApp& app);
// The area clock, after the scene clock (restarted only when asked).
void TickAreaClock(AreaSession& area);
// The jingle, the engine's event sounds and the panel's interface sounds.
void PlayAreaEventSounds(GameApp& app, AreaSession& area, const EventSoundSet& set);
// Runs the end of an emergency escape; returns true when it sent the ship home.
bool LandEmergencyEscape(GameApp& app, int32_t yMin, int32_t yMax);
// Makes the camera, font, shared art, panel, engine and backdrop when missing.
void EnsureAreaObjects(GameApp& app);
// As an area loads: the panel's counts of skills and awards to choose, then
// what the record gives the engine on a load of that kind of area.
enum class AreaKind : uint8_t { HomeBase, Region };
void CopyRecordEachLoad(GameApp& app, AreaKind kind);
// Where the camera looks from (x, -20, z) toward (x, 0, z) while the ship is
// shifted off its place at a map bound: the up shift decides z before the
// down, and the rule says which horizontal shift decides x first and how far
// a pixel of shift leans. Nothing when no shift is set (the camera keeps its
// aim).
struct CameraLean {
    float x, z;
};
enum class LeanFirst : uint8_t { Right, Left };
struct LeanRule {
    LeanFirst first;
    float perPixel;
};
std::optional<CameraLean> LeanForShipShifts(int32_t right, int32_t left, int32_t up, int32_t down,
                                            const LeanRule& rule);
// The battle regions' lean: the right shift before the left.
std::optional<CameraLean> LeanForShipShifts(int32_t right, int32_t left, int32_t up, int32_t down);
// Aims the scene camera by the ship's shifts.
void LeanSceneCamera(GameApp& app, const LeanRule& rule);
// The smoke an enemy shows for armor a left of s it was spawned with: 1-4
// for a fixed one, 5-6 for a small ship, 7-10 for a big one, 0 for none.
uint8_t SmokeLevel(bool mobile, uint32_t width, uint32_t a, uint32_t s);
// Level-up test of one frame: at most one level.
bool CheckLevelUp(GameApp& app);
// The experience needed for the level after `level`, from the current threshold.
uint32_t NextLevelThreshold(uint32_t level, uint32_t threshold);
