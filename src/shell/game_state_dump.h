#pragma once
#include <string>

class GameState;

// Every field of the record by name, one per line ("name = value"); arrays
// are flattened with runs written as "value*count". Two records with equal
// dumps are equal in every field.
std::string DumpGameState(const GameState& state);
