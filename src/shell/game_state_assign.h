#pragma once
#include <string>

class GameState;

// Sets one field of the record from its text as the dump writes it: the
// field's name, then its values (arrays flattened, runs as "value*count").
// The text must give every element, each in its type's range; otherwise
// nothing changes and error says why.
bool AssignGameStateField(GameState& state, const std::string& name, const std::string& values, std::string& error);
