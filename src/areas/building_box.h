#pragma once

class BasePlacement;
class BattleEngine;
class Font;
class GameState;
class SpriteSheet;

// The texts and marks the home base draws over its buildings while one is
// being placed or a new robot is shown: the Cancel corner, "New Robot is
// Ready" and "Position blocked" (the engine draws their frames).
void DrawPlacementOverlays(const BattleEngine& engine, const BasePlacement& placement, Font* font,
                           SpriteSheet* sharedSheet);

// The box of the selected building at the top right: its name and level,
// the level badge while it glows, and the Move, Upgrade and third rows.
// Refreshes the upgrade cost it shows.
void DrawBuildingBox(GameState& state, const BattleEngine& engine, Font* font, SpriteSheet* sharedSheet);
