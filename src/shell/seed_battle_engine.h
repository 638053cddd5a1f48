#pragma once

class BattleEngine;
class GameState;

// Gives a battle engine the record's ship, skills, bonuses, buildings and
// robots, as after loading a game or starting one.
void SeedBattleEngine(BattleEngine& engine, const GameState& state);
