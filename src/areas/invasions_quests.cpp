// The quests of "Invasions", 13 to 24 (1 to 12 within the set): the check
// rows, the completion and the victory after the last one.
#include "areas/invasions_quests.h"

#include "areas/quest_progress.h"
#include "areas/region_scene.h"
#include "battle/battle_engine.h"
#include "shell/game_app.h"
#include "shell/game_state.h"

namespace {
constexpr uint8_t kSetQuests = 12;
constexpr uint8_t kLastQuestGivingTheNext = 4;  // the done handler gives 2-5 again
constexpr uint8_t kFailedNotice = 2;

constexpr QuestCheck kChecks[] = {
    {1, 2, 4, true, -1, -1, false, 0, false, 2, false, QuestFail::Never},
    {2, 5, 65, true, kQuestUnitFirst, kQuestUnitLast, false, 0, false, 3, false, QuestFail::AfterTimeNoUnits},
    {3, 7, 13, true, -1, -1, false, 0, false, 4, false, QuestFail::Never},
    {4, 8, -1, false, kConvoyFirst, kConvoyLast, true, 500, false, 5, false, QuestFail::NoUnits},
    {5, 12, 65, true, 30, 30, false, 0, false, 6, false, QuestFail::NoUnits},
    {6, 13, 30, true, -1, -1, false, 0, false, 7, false, QuestFail::Never},
    {7, 14, 8, true, -1, -1, false, 0, false, 8, false, QuestFail::Never},
    {8, 16, 3, true, -1, -1, false, 0, false, 9, false, QuestFail::Never},
    {9, 17, 7, true, -1, -1, false, 0, false, 10, false, QuestFail::Never},
    {10, 18, 31, true, -1, -1, false, 0, false, 11, false, QuestFail::Never},
    {11, 19, 6, true, -1, -1, false, 0, false, 12, false, QuestFail::Never},
    {12, 20, 46, true, -1, -1, false, 0, false, 0, true, QuestFail::Never},
};

// The game is won: on to the hall of fame, with the victory music asked for
// and the last quest paid by the done handler later in this frame.
void Victory(GameApp& app, RegionScene& scene) {
    app.SwitchScene(SceneId::WriteHallOfFame);
    app.gameState->musicCue = 1;
    app.battleEngine->QuestDoneEvent = kSetQuests;
    scene.victory = 1;
}
}  // namespace

void CheckInvasionsQuests(GameApp& app, RegionScene& scene) {
    if (RunQuestChecks(app, scene, kChecks, kFailedNotice)) Victory(app, scene);
}

void CompleteInvasionsQuest(GameApp& app, RegionScene&) {
    GameState& state = *app.gameState;
    BattleEngine& engine = *app.battleEngine;
    const uint8_t q = engine.QuestDoneEvent;
    if (q == 0) return;
    engine.QuestDoneEvent = 0;
    if (q > kSetQuests || state.questStates[q - 1] != 1) return;
    if (q <= kLastQuestGivingTheNext) MakeActiveIfNotGiven(state, q + 1);
    PayQuest(app, q);
}
