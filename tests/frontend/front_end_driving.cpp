#include "front_end_driving.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "shell/game_state.h"
#include "shell/name_entry.h"
#include "shell/save_file.h"

namespace front_end_test {

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void WriteSlot(const std::string& gameDir, int slot, uint32_t level, std::vector<uint8_t> name) {
    GameState state;
    state.NewGame();
    state.level = level;
    name.push_back(NameEntry::kEndMarker);
    for (size_t i = 0; i < NameEntry::kCells; ++i) state.playerName[i] = i < name.size() ? name[i] : 0;
    std::vector<uint8_t> file(4 + save_file::kBodyBytes);
    for (int b = 0; b < 4; ++b) file[b] = static_cast<uint8_t>(save_file::kBodyBytes >> (8 * b));
    save_file::Encode(state, file.data() + 4);
    WriteFile(gameDir + "/Saves/" + std::to_string(slot) + ".save", file);
}

}  // namespace front_end_test
