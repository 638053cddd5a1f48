#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Save and option files put in the driven game's directory before the
// front end reads them.
namespace front_end_test {

// Writes a file of the game directory.
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// A used slot file holding a new game with the given level and name cells
// (the end marker is added).
void WriteSlot(const std::string& gameDir, int slot, uint32_t level, std::vector<uint8_t> name);

}  // namespace front_end_test
