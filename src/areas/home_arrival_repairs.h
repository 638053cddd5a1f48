#pragma once

class BattleEngine;
class ControlPanel;
class GameState;

// The home base's repairs on arrival: shields refilled, the ship's armor
// mended from ship material, damaged robots mended from robot material as
// far as it goes (a robot that had broken down runs again), the repair
// discounts taken off, and the figures the panel's repairs report shows.
// Runs when the panel's travelled or sceneFlag2 byte is set.
void RepairOnArrival(GameState& state, BattleEngine& engine, ControlPanel& panel);

// Counts the existing operational robots of each rank in the record and
// stores the counts in the record and the engine.
void RecountOperationalRobots(GameState& state, BattleEngine& engine);
