#pragma once
#include <cstdint>

class BattleEngine;
class GameState;

// What a Yes on the Construct Buildings page does to the record and the
// engine besides the cost growth the page keeps (GrowConstructionCost).

// The base holds at most this many buildings.
inline constexpr uint32_t kMaxBuildings = 100;

bool BaseFull(const GameState& state);

// Pays `price` in building material and keeps it as the refund a cancelled
// placement gives back, counts the new building, and hands a building of
// `kind` (0-11) to the home base's placement mode (the engine carries kind + 1).
void PayAndStartPlacement(GameState& state, BattleEngine& engine, int kind, uint32_t price);
