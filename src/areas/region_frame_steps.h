#pragma once
#include <cstdint>
#include <optional>

#include "shell/scene_id.h"

class GameApp;
class RegionScene;
struct AreaSession;
struct RegionData;

// The steps of a battle region's frame, each in its own file.

// Stepper slots whose speed is the ship's velocity.
inline constexpr int kStepS50 = 0;
inline constexpr int kStepS30 = 1;
inline constexpr int kStepVelocityX = 2;
inline constexpr int kStepVelocityY = 3;
inline constexpr int kStepS70 = 4;
inline constexpr int kStepS140 = 5;
inline constexpr int kStepS210 = 6;
inline constexpr int kStepS280 = 7;
inline constexpr int kStepS350 = 8;
inline constexpr int kStepS420 = 9;
inline constexpr int kStepS490 = 10;
inline constexpr int kStepS560 = 11;
inline constexpr int kStepS90 = 12;

// Allies bought for quests live in slots 0-29; the quest units above them.
inline constexpr int kQuestAllySlots = 30;

uint8_t StepOf(const GameApp& app, int slot);

void CreateAreaPanel(GameApp& app);
void CreateAreaEngine(GameApp& app);
void ReadAreaKeys(GameApp& app, AreaSession& area, const RegionData& region);
void HandlePanelInput(GameApp& app, AreaSession& area);
// A skill used by its key or the skill bar (n = 1..12).
using UseSkillFn = void (*)(GameApp& app, AreaSession& area, int n);
// Clicks on the skill bar and the right button's quick skill, each used
// through useSkill.
void HandleSkillClicks(GameApp& app, AreaSession& area, UseSkillFn useSkill);
// Key Fn (n = 1..12) as the skill table says.
void UseSkillKey(GameApp& app, AreaSession& area, int n);
// Pays the energy of skill k: false (with the panel's message) when the
// skill is not learnt or the energy is short.
bool PaySkill(GameApp& app, int k);
// Charge and maximum of skill k become its benefit, in the engine and the record.
void FillCharge(GameApp& app, int k);
// The scene a screen button or notice link of the panel opens, by code (none for other codes).
std::optional<SceneId> ScreenForCode(uint8_t code);
// The panel's tick, with the record's energy and shields passed through it.
void TickAreaPanel(GameApp& app);
void UpdateArea(GameApp& app, RegionScene& scene);
void DrawRegionArea(GameApp& app, RegionScene& scene);
// "Entering" and the area's name; the banner adds the bars about the ship.
void DrawAreaTitleWords(GameApp& app, const RegionData& region);
void DrawAreaTitleBanner(GameApp& app, const RegionData& region);
