#pragma once

class GameApp;
class RegionScene;

// The second region's quest checks, run after its wave scripts every frame,
// and the completion of the quest they (or a pickup) report.
void CheckInvasionsQuests(GameApp& app, RegionScene& scene);
void CompleteInvasionsQuest(GameApp& app, RegionScene& scene);
